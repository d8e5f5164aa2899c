#include "viewkit/auto_update.hpp"

#include "core/router/auto_update.hpp"
#include "viewkit/page_host.hpp"
#include "viewkit/text_bridge.hpp"
#include "widgets/spin_editor.hpp"

#include <QAbstractButton>
#include <QEvent>
#include <QTimer>
#include <QWidget>

namespace tessel {

AutoUpdateController::AutoUpdateController(QWidget* page, PageHost& host, QAbstractButton* button,
                                           SpinEditor* period, const AutoUpdatePolicy& policy)
    : QObject(page),
      page_(page),
      host_(host),
      button_(button),
      period_(period),
      policy_(policy),
      timer_(new QTimer(page)) {
    timer_->setObjectName(policy_.timerName);
    timer_->setInterval(policy_.startIntervalMs);
    button_->setText(ToQString(policy_.initialCaption));
    connect(button_, &QAbstractButton::clicked, this, &AutoUpdateController::Toggle);
    // Typing and stepping both change the editor; the action is the same.
    connect(period_, &SpinEditor::Changed, this, &AutoUpdateController::PeriodChanged);
    page_->installEventFilter(this);
}

void AutoUpdateController::Toggle() {
    const AutoUpdateState next = ToggleAutoUpdate(ToBytes(button_->text()));
    button_->setText(ToQString(next.caption));
    if (next.timerEnabled) {
        timer_->start();
    } else {
        timer_->stop();
    }
    flag_ = next.flag;
}

void AutoUpdateController::PeriodChanged() {
    if (const auto interval = RefreshIntervalMs(period_->value(), host_.SessionLoaded())) {
        timer_->setInterval(*interval);
    }
}

void AutoUpdateController::Shown() {
    if (policy_.repaintBeforeStart) {
        page_->repaint();
    }
    if (flag_ == 1) {
        timer_->start();
    }
    if (!policy_.repaintBeforeStart) {
        page_->repaint();
    }
}

void AutoUpdateController::Hidden() {
    if (!policy_.stopTimerOnHideOnlyWhenOn || flag_ == 1) {
        timer_->stop();
    }
}

void AutoUpdateController::PrepareLoad() {
    if (policy_.editorFromTimerBeforeLoad) {
        period_->setValue(timer_->interval() / 1000);
    }
}

void AutoUpdateController::ResetAfterLoad() {
    flag_ = policy_.onAfterLoad ? 1 : 0;
}

// The tab control shows and hides its pages as the operator switches tabs;
// a window being minimised or restored (spontaneous events) is no switch.
bool AutoUpdateController::eventFilter(QObject* watched, QEvent* event) {
    if (watched == page_ && !event->spontaneous()) {
        if (event->type() == QEvent::Show) {
            Shown();
        } else if (event->type() == QEvent::Hide) {
            Hidden();
        }
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace tessel
