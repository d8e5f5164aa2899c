#include "app/console_log_window.hpp"

#include "app/console_log_model.hpp"
#include "core/session/console_log.hpp"
#include "viewkit/controls.hpp"
#include "viewkit/named.hpp"
#include "viewkit/text_bridge.hpp"
#include "widgets/grid_file_dialogs.hpp"

#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QSettings>
#include <QStandardPaths>
#include <QTimer>
#include <QToolButton>
#include <QTreeView>
#include <QVBoxLayout>

namespace tessel {

namespace {

constexpr const char* GeometryKey = "ConsoleLog/geometry";

}  // namespace

QString ConsoleLogSettingsPath() {
    return QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation) +
           QStringLiteral("/windows.ini");
}

ConsoleLogWindow::ConsoleLogWindow(ConsoleLog& log, QWidget* parent, QString settingsPath)
    : QWidget(parent, Qt::Window),
      FilterBox(Named(new QLineEdit(this), "ConsoleLogFilter")),
      View(Named(new QTreeView(this), "ConsoleLogView")),
      SaveButton(Named(new QPushButton(QStringLiteral("Save log\u2026"), this), "ConsoleLogSave")),
      ClearButton(Named(new QPushButton(QStringLiteral("Clear"), this), "ConsoleLogClear")),
      log_(log),
      settingsPath_(std::move(settingsPath)),
      model_(new ConsoleLogModel(log, this)),
      filter_(new ConsoleLogFilterModel(*model_, this)),
      follow_(new QTimer(this)) {
    setObjectName(QStringLiteral("ConsoleLogWindow"));
    setWindowTitle(QStringLiteral("Console log"));
    BuildLayout();
    follow_->setSingleShot(true);
    follow_->setInterval(0);
    connect(follow_, &QTimer::timeout, View, &QTreeView::scrollToBottom);
    connect(FilterBox, &QLineEdit::textChanged, this,
            [this](const QString& text) { filter_->SetNeedle(ToBytes(text)); });
    connect(SaveButton, &QPushButton::clicked, this, &ConsoleLogWindow::SaveLog);
    connect(ClearButton, &QPushButton::clicked, this, &ConsoleLogWindow::Clear);

    const QSettings settings(settingsPath_, QSettings::IniFormat);
    if (!restoreGeometry(settings.value(QLatin1String(GeometryKey)).toByteArray())) {
        resize(1000, 420);
    }
}

ConsoleLogWindow::~ConsoleLogWindow() {
    // The program may end with the window open.
    if (isVisible()) {
        SaveGeometry();
    }
}

void ConsoleLogWindow::BuildLayout() {
    View->setModel(filter_);
    View->setRootIsDecorated(false);
    View->setItemsExpandable(false);
    // Every row one line high: the view need not measure twenty thousand.
    View->setUniformRowHeights(true);
    View->setAllColumnsShowFocus(true);
    View->setSelectionMode(QAbstractItemView::ExtendedSelection);
    View->header()->setStretchLastSection(true);
    View->setColumnWidth(ConsoleLogModel::MarkColumn, 24);
    View->setColumnWidth(ConsoleLogModel::TimeColumn, 96);
    View->setColumnWidth(ConsoleLogModel::KindColumn, 80);
    FilterBox->setClearButtonEnabled(true);
    // The clear button's face is an icon: tools that read the screen need a word.
    for (QToolButton* clear : FilterBox->findChildren<QToolButton*>()) {
        clear->setAccessibleName(QStringLiteral("Clear filter"));
    }
    FilterBox->setPlaceholderText(QStringLiteral("Lines that contain\u2026"));

    auto* filterRow = new QHBoxLayout;
    auto* filterLabel = new QLabel(QStringLiteral("Filter:"), this);
    NameAfterCaption(filterLabel, FilterBox);
    filterRow->addWidget(filterLabel);
    filterRow->addWidget(FilterBox);
    auto* buttonRow = new QHBoxLayout;
    buttonRow->addStretch();
    buttonRow->addWidget(SaveButton);
    buttonRow->addWidget(ClearButton);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(filterRow);
    layout->addWidget(View);
    layout->addLayout(buttonRow);
}

void ConsoleLogWindow::EntriesAdded() {
    const bool follow = AtNewestLine();
    model_->Sync();
    if (follow && Shown()) {
        follow_->start();
    }
    if (Shown()) {
        log_.MarkSeen();
    }
    emit UnreadChanged(static_cast<int>(log_.Unread()));
}

void ConsoleLogWindow::Open() {
    if (isMinimized()) {
        showNormal();
    } else {
        show();
    }
    raise();
    activateWindow();
    MarkSeen();
}

bool ConsoleLogWindow::SaveTo(const QString& path, QString& error) const {
    const std::string text = log_.SaveText();
    return WriteWholeFile(path, QByteArray(text.data(), static_cast<qsizetype>(text.size())),
                          error);
}

void ConsoleLogWindow::SaveLog() {
    SaveThroughDialog(this, QStringLiteral("Save log"),
                      QStringLiteral("Text files (*.txt);;All files (*)"),
                      [this](const QString& path, QString& error) { return SaveTo(path, error); });
}

void ConsoleLogWindow::Clear() {
    log_.Clear();
    model_->Sync();
    emit UnreadChanged(0);
}

void ConsoleLogWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    // Lines that came while the window was closed: start at the newest.
    follow_->start();
}

void ConsoleLogWindow::hideEvent(QHideEvent* event) {
    QWidget::hideEvent(event);
    SaveGeometry();
}

void ConsoleLogWindow::MarkSeen() {
    log_.MarkSeen();
    emit UnreadChanged(0);
}

bool ConsoleLogWindow::Shown() const {
    return isVisible() && !isMinimized();
}

bool ConsoleLogWindow::AtNewestLine() const {
    const QScrollBar* bar = View->verticalScrollBar();
    return follow_->isActive() || bar->value() == bar->maximum();
}

void ConsoleLogWindow::SaveGeometry() const {
    QDir().mkpath(QFileInfo(settingsPath_).absolutePath());
    QSettings settings(settingsPath_, QSettings::IniFormat);
    settings.setValue(QLatin1String(GeometryKey), saveGeometry());
}

}  // namespace tessel
