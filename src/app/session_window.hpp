#pragma once

// What the session controller asks of the window that shows the session: the
// layouts, the caption, the status bar and popup, the interface information
// window. The window implements it and decides nothing of the session.

#include <QString>

class QToolButton;
class QWidget;

namespace tessel {

class SessionWindow {
  public:
    virtual ~SessionWindow() = default;

    // The login progress bar during the post-login load, 0 to 100.
    virtual void ShowLoadProgress(int percent) = 0;
    virtual void ShowStatusBar() = 0;
    // The managed layout once the load has read everything; the login layout
    // when the session ends (logout, or "Yes" at the error limit), with its
    // caption.
    virtual void ShowManagedLayout() = 0;
    virtual void ShowLoginLayout() = 0;
    // The window caption and the application title.
    virtual void SetCaption(const QString& caption) = 0;

    virtual void ShowStatusPopup(const QString& text) = 0;
    // A help button named name that shows its field's help in the popup.
    virtual QToolButton* MakeHelpButton(QWidget* parent, const QString& name) = 0;
    // Status panel 0 (uptime) or 1 (CPU load); panel 2 shows the counts.
    virtual void ShowPanelText(int panel, const QString& text) = 0;
    virtual void RequestCountsChanged(long sent, long errors, long row) = 0;

    // The interface information window, filled and brought up.
    virtual void ShowInterfaceInfo(const QString& text) = 0;
    // The router answered "quit": the window closes, which ends the program.
    virtual void CloseWindow() = 0;
};

}  // namespace tessel
