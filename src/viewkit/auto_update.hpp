#pragma once

// The auto-update of a page that re-reads a table on a timer: the page's
// timer, the button that toggles by its own caption, the period editor, the
// page being shown and hidden, and what the post-login load does to them.
// The pages that have one differ only in the policy below; what a tick reads
// (and whether it reads at all) stays with the page.

#include <QObject>
#include <QString>

#include <string_view>

class QAbstractButton;
class QTimer;
class QWidget;

namespace tessel {

class PageHost;
class SpinEditor;

struct AutoUpdatePolicy {
    // The timer: a child of the page under this name, with this interval
    // until the operator's period editor changes it.
    QString timerName;
    int startIntervalMs = 0;
    // The button's caption before anything is pressed.
    std::string_view initialCaption;
    // Showing the page repaints it before starting the timer (else after).
    bool repaintBeforeStart = true;
    // Hiding the page stops the timer only while the flag is on; otherwise
    // always.
    bool stopTimerOnHideOnlyWhenOn = false;
    // Before its reads, the post-login load writes the timer's interval, in
    // seconds, into the period editor.
    bool editorFromTimerBeforeLoad = true;
    // The flag the post-login load leaves behind (the caption and the timer
    // stay as they are).
    bool onAfterLoad = false;
};

class AutoUpdateController : public QObject {
    Q_OBJECT
  public:
    // Builds the timer as a child of page and follows page being shown and
    // hidden, button being pressed and period being changed.
    AutoUpdateController(QWidget* page, PageHost& host, QAbstractButton* button, SpinEditor* period,
                         const AutoUpdatePolicy& policy);

    QTimer* Timer() const { return timer_; }
    // The page's auto-update flag: 1 while wanted, else 0.
    int Flag() const { return flag_; }

    void Toggle();
    void PeriodChanged();
    void Shown();
    void Hidden();
    void PrepareLoad();
    void ResetAfterLoad();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QWidget* page_;
    PageHost& host_;
    QAbstractButton* button_;
    SpinEditor* period_;
    AutoUpdatePolicy policy_;
    QTimer* timer_;
    int flag_ = 0;
};

}  // namespace tessel
