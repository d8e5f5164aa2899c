// The "System settings" tab against the lab router: what the page shows
// after login, the enable rules of its two groups, and each change going out
// as its console line followed by a re-read of what the router then reports.

#include "logged_in_window.hpp"
#include "views/system/system_page.hpp"
#include "widgets/spin_editor.hpp"

#include <QCheckBox>
#include <QPlainTextEdit>
#include <QToolButton>

namespace tessel {
namespace {

using test::LoggedInWindow;
using test::WaitFor;

class SystemPageTest : public LoggedInWindow {
  protected:
    void SetUp() override {
        LoggedInWindow::SetUp();
        if (HasFatalFailure()) {
            return;
        }
        page = Find<SystemPage>("system");
        ASSERT_NE(page, nullptr);
    }

    std::vector<bool> SystemButtonsEnabled() const {
        std::vector<bool> enabled;
        for (const QToolButton* b : page->SystemChangeButtons) {
            enabled.push_back(b->isEnabled());
        }
        return enabled;
    }
    std::vector<bool> RmaButtonsEnabled() const {
        std::vector<bool> enabled;
        for (const QToolButton* b : page->RmaChangeButtons) {
            enabled.push_back(b->isEnabled());
        }
        return enabled;
    }

    // Clicks a change button, waits for the router to receive one line and
    // for the page's re-read (every change button disabled again).
    std::string SendAndWaitForReRead(QToolButton* button) {
        const std::size_t before = ConsoleLines().size();
        button->click();
        const std::vector<std::string> lines = WaitForLines(before, 1);
        EXPECT_TRUE(WaitFor(
            [&] { return !button->isEnabled() && form->Console().Code() == ReplyCode::Idle; }));
        return lines.empty() ? std::string() : lines.front();
    }

    SystemPage* page = nullptr;
};

const std::vector<bool> kNoneEnabled6(6, false);
const std::vector<bool> kNoneEnabled3(3, false);

TEST_F(SystemPageTest, ShowsTheRouterSettingsAndNameReachesTheCaption) {
    EXPECT_EQ(page->systemNameEdit_->text(), "bs-north");
    EXPECT_EQ(page->systemLocationEdit_->text(), "Water tower, north ridge");
    EXPECT_EQ(page->icmpLimitSpin_->Text(), "50");
    EXPECT_TRUE(page->fastrouteCheck_->isChecked());       // fastroute
    EXPECT_FALSE(page->sendRedirectsCheck_->isChecked());  // sendredirects
    EXPECT_TRUE(page->dropRedirectsCheck_->isChecked());   // dropredirects
    EXPECT_EQ(form->windowTitle(), "bs-north: 127.0.0.1 - Tessel Manager");
    EXPECT_EQ(SystemButtonsEnabled(), kNoneEnabled6);
    SaveScreenshot(form->pageTabs_->widget(0), "tab-system.png");

    TypeInto(page->systemNameEdit_, QStringLiteral("bs south"));
    EXPECT_EQ(SystemButtonsEnabled(), std::vector<bool>({true, false, false, false, false, false}));
    EXPECT_EQ(SendAndWaitForReRead(page->SystemChangeButtons[0]), "sys name bs south");
    EXPECT_EQ(form->statusPopupMemo_->toPlainText(), "sys name bs south");
    EXPECT_TRUE(WaitFor([&] {
        return form->windowTitle() == "bs south: 127.0.0.1 - Tessel Manager";
    })) << form->windowTitle().toStdString();
    EXPECT_EQ(page->systemNameEdit_->text(), "bs south");
    EXPECT_EQ(SystemButtonsEnabled(), kNoneEnabled6);
}

TEST_F(SystemPageTest, TextRowsGoOutAsTypedAndTheReReadShowsTheRouterValue) {
    TypeInto(page->systemLocationEdit_, QStringLiteral("  Pump house "));
    EXPECT_EQ(SendAndWaitForReRead(page->SystemChangeButtons[1]), "sys location   Pump house ");
    EXPECT_TRUE(WaitFor([&] { return page->systemLocationEdit_->text() == "  Pump house "; }));

    // The router refuses a limit above 65535: the re-read brings back the
    // value it kept, not the one typed.
    page->icmpLimitSpin_->SetText(QStringLiteral("70000"));
    EXPECT_TRUE(page->SystemChangeButtons[2]->isEnabled());
    EXPECT_EQ(SendAndWaitForReRead(page->SystemChangeButtons[2]), "sys icmplimit 70000");
    EXPECT_TRUE(WaitFor([&] { return page->icmpLimitSpin_->Text() == "50"; }))
        << page->icmpLimitSpin_->Text().toStdString();

    page->icmpLimitSpin_->SetText(QStringLiteral("75"));
    EXPECT_EQ(SendAndWaitForReRead(page->SystemChangeButtons[2]), "sys icmplimit 75");
    EXPECT_EQ(page->icmpLimitSpin_->Text(), "75");
}

TEST_F(SystemPageTest, SwitchRowsSendTheirOnAndOffLines) {
    page->fastrouteCheck_->click();      // fastroute off
    page->sendRedirectsCheck_->click();  // sendredirects on
    page->dropRedirectsCheck_->click();  // dropredirects off
    EXPECT_EQ(SystemButtonsEnabled(), std::vector<bool>({false, false, false, true, true, true}));
    EXPECT_EQ(SendAndWaitForReRead(page->SystemChangeButtons[3]), "sys nofastroute");
    // The re-read shows the router's switches: the two edits that were not
    // sent are gone, and so are their buttons.
    EXPECT_EQ(SystemButtonsEnabled(), kNoneEnabled6);
    EXPECT_FALSE(page->fastrouteCheck_->isChecked());
    EXPECT_FALSE(page->sendRedirectsCheck_->isChecked());
    EXPECT_TRUE(page->dropRedirectsCheck_->isChecked());
    page->sendRedirectsCheck_->click();
    EXPECT_EQ(SendAndWaitForReRead(page->SystemChangeButtons[5]), "sys sendredirects");
    page->dropRedirectsCheck_->click();
    EXPECT_EQ(SendAndWaitForReRead(page->SystemChangeButtons[4]), "sys nodropredirects");
    EXPECT_FALSE(page->fastrouteCheck_->isChecked());
    EXPECT_TRUE(page->sendRedirectsCheck_->isChecked());
    EXPECT_FALSE(page->dropRedirectsCheck_->isChecked());
}

TEST_F(SystemPageTest, SystemRowsStayEnabledUntilSentOrReadAgain) {
    QLineEdit* name = page->systemNameEdit_;
    name->setFocus();
    name->end(false);
    QTest::keyClick(name, Qt::Key_X);
    QTest::keyClick(name, Qt::Key_Backspace);
    EXPECT_EQ(name->text(), "bs-north");
    EXPECT_TRUE(page->SystemChangeButtons[0]->isEnabled()) << "restoring the old text keeps it";
    page->fastrouteCheck_->click();
    page->fastrouteCheck_->click();
    EXPECT_TRUE(page->SystemChangeButtons[3]->isEnabled());

    const std::size_t before = ConsoleLines().size();
    page->refreshSystemSettingsButton_->click();
    EXPECT_EQ(SystemButtonsEnabled(), kNoneEnabled6);
    EXPECT_EQ(LinesAfter(before), std::vector<std::string>{}) << "Refresh reads, it sends nothing";
}

TEST_F(SystemPageTest, RmaGroupShowsTheSelectedRadioAndTogglesItsButtons) {
    EXPECT_TRUE(page->rmaStartCheck_->isChecked());
    ASSERT_EQ(page->rmaRadioCombo_->count(), 2);
    EXPECT_EQ(page->rmaRadioCombo_->currentText(), "rf5.0");
    EXPECT_TRUE(page->rmaAutobitrateCheck_->isChecked());  // autobitrate of rf5.0
    EXPECT_TRUE(page->rmaPollingCheck_->isChecked());      // rf5.0 polls
    EXPECT_EQ(RmaButtonsEnabled(), kNoneEnabled3);

    page->rmaAutobitrateCheck_->click();
    EXPECT_EQ(RmaButtonsEnabled(), std::vector<bool>({false, true, false}));
    page->rmaAutobitrateCheck_->click();
    EXPECT_EQ(RmaButtonsEnabled(), kNoneEnabled3) << "ticking back leaves nothing to send";

    Choose(page->rmaRadioCombo_, QStringLiteral("rf2.0"));
    EXPECT_FALSE(page->rmaAutobitrateCheck_->isChecked());
    EXPECT_FALSE(page->rmaPollingCheck_->isChecked());
    EXPECT_TRUE(page->rmaStartCheck_->isChecked());

    page->rmaPollingCheck_->click();
    EXPECT_EQ(SendAndWaitForReRead(page->RmaChangeButtons[2]), "rma rf2.0 poll");
    EXPECT_TRUE(WaitFor([&] { return page->rmaPollingCheck_->isChecked(); }));
    page->rmaAutobitrateCheck_->click();
    EXPECT_EQ(SendAndWaitForReRead(page->RmaChangeButtons[1]), "rma rf2.0 autobitrate");
    EXPECT_TRUE(page->rmaAutobitrateCheck_->isChecked());
    page->rmaStartCheck_->click();
    EXPECT_EQ(SendAndWaitForReRead(page->RmaChangeButtons[0]), "rma stop");
    EXPECT_FALSE(page->rmaStartCheck_->isChecked());
    EXPECT_EQ(RmaButtonsEnabled(), kNoneEnabled3);
}

TEST_F(SystemPageTest, RadioSwitchWithoutARadioSendsNothingAndSaysWhy) {
    page->rmaRadioCombo_->clear();
    page->rmaAutobitrateCheck_->click();
    const std::size_t before = ConsoleLines().size();
    const ReplyCode state = form->Console().Code();
    page->RmaChangeButtons[1]->click();
    ASSERT_EQ(messages.boxes.size(), 1u);
    EXPECT_EQ(messages.boxes[0].text,
              "The router has no radio interface to apply this setting to.");
    EXPECT_EQ(form->Console().Code(), state);
    // A line sent now would arrive before this marker.
    page->rmaStartCheck_->click();
    page->RmaChangeButtons[0]->click();
    EXPECT_EQ(WaitForLines(before, 1), std::vector<std::string>{"rma stop"});
}

}  // namespace
}  // namespace tessel
