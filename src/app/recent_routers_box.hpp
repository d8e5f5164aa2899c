#pragma once

// The destination box's memory of the routers logged in to lately: a list
// that drops down under the box (Down opens it whole), the login name and
// community filled in when one is chosen, and "Clear recent routers" in the
// box's context menu. The list lives in an INI file in the user's
// configuration directory; the password is never written there.

#include "core/session/recent_routers.hpp"

#include <QObject>
#include <QString>

class QCompleter;
class QLineEdit;
class QMenu;
class QStringListModel;

namespace tessel {

// The file of the list: recent-routers.ini in the application's
// configuration directory (XDG_CONFIG_HOME moves it, as tests do).
QString RecentRoutersPath();

// The valid entries of the file (see ValidRecentRouters); a missing,
// unreadable or garbled file gives an empty list. Never writes.
RecentRouters LoadRecentRouters(const QString& path);

// Replaces the file's whole content with list (invalid entries left out).
// False when it could not be written.
bool SaveRecentRouters(const QString& path, const RecentRouters& list);

class RecentRoutersBox : public QObject {
    Q_OBJECT
  public:
    // Attaches to destination and fills login and community when an entry is
    // chosen; the list is read from path now.
    RecentRoutersBox(QLineEdit* destination, QLineEdit* login, QLineEdit* community,
                     QString path = RecentRoutersPath());

    // A login to this router was accepted: it goes on top of the list and
    // into the file.
    void Record(const RecentRouter& entry);
    void Clear();
    const RecentRouters& Entries() const { return entries_; }
    QCompleter* Completer() const { return completer_; }

    // The box's standard context menu with "Clear recent routers" added.
    // The caller owns it.
    QMenu* CreateContextMenu();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void Choose(const QString& destination);
    void Store(RecentRouters entries);

    QLineEdit* destination_;
    QLineEdit* login_;
    QLineEdit* community_;
    QString path_;
    RecentRouters entries_;
    QStringListModel* model_;
    QCompleter* completer_;
};

}  // namespace tessel
