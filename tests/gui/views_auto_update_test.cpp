// The auto-update controller on a bare page: the button, the period editor,
// the page being shown and hidden, and the post-login load, under the
// policies that tell the base-station, CPE and QoS pages apart.

#include "core/router/auto_update.hpp"
#include "fake_page_host.hpp"
#include "viewkit/auto_update.hpp"
#include "widgets/spin_editor.hpp"

#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QWidget>

#include <gtest/gtest.h>

#include <vector>

namespace tessel {
namespace {

// Notes whether the timer was running when the page was painted.
class PaintedPage : public QWidget {
  public:
    using QWidget::QWidget;
    QTimer* timer = nullptr;
    std::vector<bool> timerRunningAtPaint;

  protected:
    void paintEvent(QPaintEvent*) override {
        timerRunningAtPaint.push_back(timer != nullptr && timer->isActive());
    }
};

AutoUpdatePolicy AlwaysStops() {
    return {.timerName = QStringLiteral("Timer2"),
            .startIntervalMs = 5000,
            .initialCaption = StartAutoUpdateCaption,
            .repaintBeforeStart = true,
            .stopTimerOnHideOnlyWhenOn = false,
            .editorFromTimerBeforeLoad = true,
            .onAfterLoad = false};
}

AutoUpdatePolicy StopsOnlyWhenOn() {
    return {.timerName = QStringLiteral("Timer12"),
            .startIntervalMs = 3000,
            .initialCaption = StartAutoUpdateCaption,
            .repaintBeforeStart = false,
            .stopTimerOnHideOnlyWhenOn = true,
            .editorFromTimerBeforeLoad = false,
            .onAfterLoad = false};
}

// A window holding the page, shown, so that hiding and showing the page
// are what a tab switch sends it.
class AutoUpdate : public ::testing::Test {
  protected:
    void Build(const AutoUpdatePolicy& policy) {
        page = new PaintedPage(&window);
        button = new QPushButton(page);
        period = new SpinEditor(page);
        period->setRange(3, 3600);
        controller = new AutoUpdateController(page, host, button, period, policy);
        timer = controller->Timer();
        page->timer = timer;
        window.resize(200, 100);
        page->resize(200, 100);
        window.show();
        page->show();
    }

    test::FakePageHost host;
    QWidget window;
    PaintedPage* page = nullptr;
    QPushButton* button = nullptr;
    SpinEditor* period = nullptr;
    AutoUpdateController* controller = nullptr;
    QTimer* timer = nullptr;
};

TEST_F(AutoUpdate, TimerIsThePagesOwnUnderItsNameAndInterval) {
    Build(StopsOnlyWhenOn());
    EXPECT_EQ(window.findChild<QTimer*>(QStringLiteral("Timer12")), timer);
    EXPECT_EQ(timer->parent(), page);
    EXPECT_EQ(timer->interval(), 3000);
    EXPECT_FALSE(timer->isActive());
    EXPECT_EQ(button->text(), QStringLiteral("Start autoupdate"));

    AutoUpdatePolicy startsAsStop = AlwaysStops();
    startsAsStop.initialCaption = StopAutoUpdateCaption;
    QWidget other;
    QPushButton otherButton(&other);
    SpinEditor otherPeriod(&other);
    const AutoUpdateController second(&other, host, &otherButton, &otherPeriod, startsAsStop);
    EXPECT_EQ(otherButton.text(), QStringLiteral("Stop autoupdate"));
    EXPECT_EQ(second.Flag(), 0);
    EXPECT_FALSE(second.Timer()->isActive());
}

TEST_F(AutoUpdate, PeriodCountsOnlyOnceTheSessionIsLoaded) {
    Build(AlwaysStops());
    host.loaded = false;
    period->setValue(7);
    EXPECT_EQ(timer->interval(), 5000);
    host.loaded = true;
    period->setValue(3.6);
    EXPECT_EQ(timer->interval(), 4000);
}

// The post-login load sets the flag but leaves the timer running: what the
// next hide does then depends on the policy.
TEST_F(AutoUpdate, HidingStopsTheTimerAlwaysOrOnlyWhileOn) {
    Build(AlwaysStops());
    button->click();
    controller->ResetAfterLoad();
    ASSERT_TRUE(timer->isActive());
    page->hide();
    EXPECT_FALSE(timer->isActive());
}

TEST_F(AutoUpdate, HidingWithTheFlagOffLeavesARunningTimerUnderOnlyWhenOn) {
    Build(StopsOnlyWhenOn());
    button->click();
    controller->ResetAfterLoad();
    EXPECT_EQ(controller->Flag(), 0);
    EXPECT_EQ(button->text(), QStringLiteral("Stop autoupdate"));
    ASSERT_TRUE(timer->isActive());
    page->hide();
    EXPECT_TRUE(timer->isActive());
    // With the flag on, hiding pauses it.
    button->click();
    button->click();
    page->show();
    ASSERT_TRUE(timer->isActive());
    page->hide();
    EXPECT_FALSE(timer->isActive());
}

TEST_F(AutoUpdate, LoadSetsTheFlagAndTheEditorAsThePolicySays) {
    AutoUpdatePolicy policy = AlwaysStops();
    policy.onAfterLoad = true;
    Build(policy);
    period->setValue(9);
    timer->setInterval(6000);
    controller->PrepareLoad();
    EXPECT_EQ(period->value(), 6);
    controller->ResetAfterLoad();
    EXPECT_EQ(controller->Flag(), 1);
    EXPECT_EQ(button->text(), QStringLiteral("Start autoupdate"));
    EXPECT_FALSE(timer->isActive());
    page->hide();
    page->show();
    EXPECT_TRUE(timer->isActive());
}

TEST_F(AutoUpdate, LoadLeavesTheEditorWhenThePolicySaysSo) {
    Build(StopsOnlyWhenOn());
    host.loaded = false;  // the editor's value does not reach the timer
    period->setValue(9);
    controller->PrepareLoad();
    EXPECT_EQ(period->value(), 9);
    EXPECT_EQ(timer->interval(), 3000);
}

TEST_F(AutoUpdate, RepaintComesBeforeOrAfterTheTimerStarts) {
    for (const bool before : {true, false}) {
        AutoUpdatePolicy policy = AlwaysStops();
        policy.repaintBeforeStart = before;
        Build(policy);
        // A repaint paints at once only on a window the platform has shown.
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
        button->click();
        page->hide();
        page->timerRunningAtPaint.clear();
        page->show();
        ASSERT_FALSE(page->timerRunningAtPaint.empty());
        EXPECT_EQ(page->timerRunningAtPaint.front(), !before) << before;
        delete page;
    }
}

}  // namespace
}  // namespace tessel
