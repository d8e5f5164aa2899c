#include "app/recent_routers_box.hpp"

#include "viewkit/text_bridge.hpp"

#include <QAbstractItemView>
#include <QCompleter>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QSettings>
#include <QStandardPaths>
#include <QStringListModel>

namespace tessel {

namespace {

constexpr const char* ListKey = "routers";
// Entries read from the file at most, valid or not: a garbled size must not
// make the start-up walk millions of keys.
constexpr int ReadLimit = 100;

// A stored text: only a plain string that converts to 8-bit text unchanged.
bool ReadText(const QSettings& settings, const QString& key, std::string& out) {
    const QVariant value = settings.value(key);
    if (value.typeId() != QMetaType::QString) {
        return false;
    }
    const QString text = value.toString();
    out = ToBytes(text);
    return ToQString(out) == text;
}

// The file holds SNMP communities, which are credentials: a new file is the
// owner's alone, and an existing one loses what others could do with it but
// never gains a permission (one the owner made read-only stays so, and is not
// written). The settings writer keeps the mode of the file it replaces.
bool KeepOwnerOnly(const QString& path) {
    constexpr QFileDevice::Permissions OwnerOnly = QFileDevice::ReadOwner |
                                                   QFileDevice::WriteOwner | QFileDevice::ReadUser |
                                                   QFileDevice::WriteUser;
    QFile file(path);
    if (file.open(QIODevice::WriteOnly | QIODevice::NewOnly, OwnerOnly)) {
        return true;
    }
    if (!file.exists()) {
        return false;
    }
    const QFileDevice::Permissions now = file.permissions();
    if (!now.testFlag(QFileDevice::WriteOwner)) {
        return false;  // the owner's choice, which an administrator could override
    }
    return (now & ~OwnerOnly) == 0 || file.setPermissions(now & OwnerOnly);
}

}  // namespace

QString RecentRoutersPath() {
    return QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation) +
           QStringLiteral("/recent-routers.ini");
}

RecentRouters LoadRecentRouters(const QString& path) {
    if (!QFileInfo(path).isFile()) {
        return {};
    }
    const QSettings settings(path, QSettings::IniFormat);
    if (settings.status() != QSettings::NoError) {
        return {};
    }
    RecentRouters read;
    for (int i = 1; i <= ReadLimit; ++i) {
        const QString entry = QStringLiteral("%1/%2/").arg(QLatin1String(ListKey)).arg(i);
        RecentRouter router;
        if (ReadText(settings, entry + QStringLiteral("destination"), router.destination) &&
            ReadText(settings, entry + QStringLiteral("login"), router.login) &&
            ReadText(settings, entry + QStringLiteral("community"), router.community)) {
            read.push_back(std::move(router));
        }
    }
    return ValidRecentRouters(read);
}

bool SaveRecentRouters(const QString& path, const RecentRouters& list) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    if (!KeepOwnerOnly(path)) {
        return false;
    }
    QSettings settings(path, QSettings::IniFormat);
    // Whatever else the file held goes: it is rewritten from the list alone.
    settings.clear();
    const RecentRouters valid = ValidRecentRouters(list);
    settings.beginWriteArray(QLatin1String(ListKey), static_cast<int>(valid.size()));
    for (std::size_t i = 0; i < valid.size(); ++i) {
        settings.setArrayIndex(static_cast<int>(i));
        settings.setValue(QStringLiteral("destination"), ToQString(valid[i].destination));
        settings.setValue(QStringLiteral("login"), ToQString(valid[i].login));
        settings.setValue(QStringLiteral("community"), ToQString(valid[i].community));
    }
    settings.endArray();
    settings.sync();
    return settings.status() == QSettings::NoError;
}

RecentRoutersBox::RecentRoutersBox(QLineEdit* destination, QLineEdit* login, QLineEdit* community,
                                   QString path)
    : QObject(destination),
      destination_(destination),
      login_(login),
      community_(community),
      path_(std::move(path)),
      entries_(LoadRecentRouters(path_)),
      model_(new QStringListModel(this)),
      completer_(new QCompleter(model_, this)) {
    Store(entries_);
    completer_->setCaseSensitivity(Qt::CaseInsensitive);
    completer_->setCompletionMode(QCompleter::PopupCompletion);
    destination_->setCompleter(completer_);
    connect(completer_, qOverload<const QString&>(&QCompleter::activated), this,
            &RecentRoutersBox::Choose);
    destination_->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(destination_, &QWidget::customContextMenuRequested, this, [this](const QPoint& at) {
        QMenu* menu = CreateContextMenu();
        menu->setAttribute(Qt::WA_DeleteOnClose);
        menu->popup(destination_->mapToGlobal(at));
    });
    destination_->installEventFilter(this);
}

void RecentRoutersBox::Store(RecentRouters entries) {
    entries_ = std::move(entries);
    QStringList destinations;
    for (const RecentRouter& entry : entries_) {
        destinations.append(ToQString(entry.destination));
    }
    model_->setStringList(destinations);
}

void RecentRoutersBox::Record(const RecentRouter& entry) {
    RecentRouters next = WithRecentRouter(entries_, entry);
    if (next == entries_) {
        return;
    }
    Store(std::move(next));
    SaveRecentRouters(path_, entries_);
}

void RecentRoutersBox::Clear() {
    Store({});
    SaveRecentRouters(path_, entries_);
}

void RecentRoutersBox::Choose(const QString& destination) {
    const RecentRouter* entry = FindRecentRouter(entries_, ToBytes(destination));
    if (entry == nullptr) {
        return;
    }
    login_->setText(ToQString(entry->login));
    community_->setText(ToQString(entry->community));
}

QMenu* RecentRoutersBox::CreateContextMenu() {
    QMenu* menu = destination_->createStandardContextMenu();
    menu->addSeparator();
    QAction* clear =
        menu->addAction(QStringLiteral("Clear recent routers"), this, &RecentRoutersBox::Clear);
    clear->setEnabled(!entries_.empty());
    return menu;
}

bool RecentRoutersBox::eventFilter(QObject* watched, QEvent* event) {
    // Down in the box drops the whole list, whatever is typed so far.
    if (watched == destination_ && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Down && !entries_.empty() &&
        !completer_->popup()->isVisible()) {
        completer_->setCompletionPrefix(QString());
        completer_->complete();
        return true;
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace tessel
