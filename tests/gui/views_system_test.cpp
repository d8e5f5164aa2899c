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

class SystemPage : public LoggedInWindow {
  protected:
    void SetUp() override {
        LoggedInWindow::SetUp();
        if (HasFatalFailure()) {
            return;
        }
        page = Find<TSystemPage>("system");
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

    TSystemPage* page = nullptr;
};

const std::vector<bool> kNoneEnabled6(6, false);
const std::vector<bool> kNoneEnabled3(3, false);

TEST_F(SystemPage, ShowsTheRouterSettingsAndNameReachesTheCaption) {
    EXPECT_EQ(page->Edit1->text(), "bs-north");
    EXPECT_EQ(page->Edit6->text(), "Water tower, north ridge");
    EXPECT_EQ(page->SpinEditor9->Text(), "50");
    EXPECT_TRUE(page->CheckBox4->isChecked());   // fastroute
    EXPECT_FALSE(page->CheckBox5->isChecked());  // sendredirects
    EXPECT_TRUE(page->CheckBox6->isChecked());   // dropredirects
    EXPECT_EQ(form->windowTitle(), "bs-north: 127.0.0.1 - Tessel Manager");
    EXPECT_EQ(SystemButtonsEnabled(), kNoneEnabled6);
    SaveScreenshot(form->main->widget(0), "tab-system.png");

    TypeInto(page->Edit1, QStringLiteral("bs south"));
    EXPECT_EQ(SystemButtonsEnabled(), std::vector<bool>({true, false, false, false, false, false}));
    EXPECT_EQ(SendAndWaitForReRead(page->SystemChangeButtons[0]), "sys name bs south");
    EXPECT_EQ(form->Memo3->toPlainText(), "sys name bs south");
    EXPECT_TRUE(WaitFor([&] {
        return form->windowTitle() == "bs south: 127.0.0.1 - Tessel Manager";
    })) << form->windowTitle().toStdString();
    EXPECT_EQ(page->Edit1->text(), "bs south");
    EXPECT_EQ(SystemButtonsEnabled(), kNoneEnabled6);
}

TEST_F(SystemPage, TextRowsGoOutAsTypedAndTheReReadShowsTheRouterValue) {
    TypeInto(page->Edit6, QStringLiteral("  Pump house "));
    EXPECT_EQ(SendAndWaitForReRead(page->SystemChangeButtons[1]), "sys location   Pump house ");
    EXPECT_TRUE(WaitFor([&] { return page->Edit6->text() == "  Pump house "; }));

    // The router refuses a limit above 65535: the re-read brings back the
    // value it kept, not the one typed.
    page->SpinEditor9->SetText(QStringLiteral("70000"));
    EXPECT_TRUE(page->SystemChangeButtons[2]->isEnabled());
    EXPECT_EQ(SendAndWaitForReRead(page->SystemChangeButtons[2]), "sys icmplimit 70000");
    EXPECT_TRUE(WaitFor([&] { return page->SpinEditor9->Text() == "50"; }))
        << page->SpinEditor9->Text().toStdString();

    page->SpinEditor9->SetText(QStringLiteral("75"));
    EXPECT_EQ(SendAndWaitForReRead(page->SystemChangeButtons[2]), "sys icmplimit 75");
    EXPECT_EQ(page->SpinEditor9->Text(), "75");
}

TEST_F(SystemPage, SwitchRowsSendTheirOnAndOffLines) {
    page->CheckBox4->click();  // fastroute off
    page->CheckBox5->click();  // sendredirects on
    page->CheckBox6->click();  // dropredirects off
    EXPECT_EQ(SystemButtonsEnabled(), std::vector<bool>({false, false, false, true, true, true}));
    EXPECT_EQ(SendAndWaitForReRead(page->SystemChangeButtons[3]), "sys nofastroute");
    // The re-read shows the router's switches: the two edits that were not
    // sent are gone, and so are their buttons.
    EXPECT_EQ(SystemButtonsEnabled(), kNoneEnabled6);
    EXPECT_FALSE(page->CheckBox4->isChecked());
    EXPECT_FALSE(page->CheckBox5->isChecked());
    EXPECT_TRUE(page->CheckBox6->isChecked());
    page->CheckBox5->click();
    EXPECT_EQ(SendAndWaitForReRead(page->SystemChangeButtons[5]), "sys sendredirects");
    page->CheckBox6->click();
    EXPECT_EQ(SendAndWaitForReRead(page->SystemChangeButtons[4]), "sys nodropredirects");
    EXPECT_FALSE(page->CheckBox4->isChecked());
    EXPECT_TRUE(page->CheckBox5->isChecked());
    EXPECT_FALSE(page->CheckBox6->isChecked());
}

TEST_F(SystemPage, SystemRowsStayEnabledUntilSentOrReadAgain) {
    QLineEdit* name = page->Edit1;
    name->setFocus();
    name->end(false);
    QTest::keyClick(name, Qt::Key_X);
    QTest::keyClick(name, Qt::Key_Backspace);
    EXPECT_EQ(name->text(), "bs-north");
    EXPECT_TRUE(page->SystemChangeButtons[0]->isEnabled()) << "restoring the old text keeps it";
    page->CheckBox4->click();
    page->CheckBox4->click();
    EXPECT_TRUE(page->SystemChangeButtons[3]->isEnabled());

    const std::size_t before = ConsoleLines().size();
    page->Button18->click();
    EXPECT_EQ(SystemButtonsEnabled(), kNoneEnabled6);
    EXPECT_EQ(LinesAfter(before), std::vector<std::string>{}) << "Refresh reads, it sends nothing";
}

TEST_F(SystemPage, RmaGroupShowsTheSelectedRadioAndTogglesItsButtons) {
    EXPECT_TRUE(page->CheckBox7->isChecked());
    ASSERT_EQ(page->ComboBox9->count(), 2);
    EXPECT_EQ(page->ComboBox9->currentText(), "rf5.0");
    EXPECT_TRUE(page->CheckBox10->isChecked());  // autobitrate of rf5.0
    EXPECT_TRUE(page->CheckBox11->isChecked());  // rf5.0 polls
    EXPECT_EQ(RmaButtonsEnabled(), kNoneEnabled3);

    page->CheckBox10->click();
    EXPECT_EQ(RmaButtonsEnabled(), std::vector<bool>({false, true, false}));
    page->CheckBox10->click();
    EXPECT_EQ(RmaButtonsEnabled(), kNoneEnabled3) << "ticking back leaves nothing to send";

    Choose(page->ComboBox9, QStringLiteral("rf2.0"));
    EXPECT_FALSE(page->CheckBox10->isChecked());
    EXPECT_FALSE(page->CheckBox11->isChecked());
    EXPECT_TRUE(page->CheckBox7->isChecked());

    page->CheckBox11->click();
    EXPECT_EQ(SendAndWaitForReRead(page->RmaChangeButtons[2]), "rma rf2.0 poll");
    EXPECT_TRUE(WaitFor([&] { return page->CheckBox11->isChecked(); }));
    page->CheckBox10->click();
    EXPECT_EQ(SendAndWaitForReRead(page->RmaChangeButtons[1]), "rma rf2.0 autobitrate");
    EXPECT_TRUE(page->CheckBox10->isChecked());
    page->CheckBox7->click();
    EXPECT_EQ(SendAndWaitForReRead(page->RmaChangeButtons[0]), "rma stop");
    EXPECT_FALSE(page->CheckBox7->isChecked());
    EXPECT_EQ(RmaButtonsEnabled(), kNoneEnabled3);
}

TEST_F(SystemPage, RadioSwitchWithoutARadioSendsNothingAndSaysWhy) {
    page->ComboBox9->clear();
    page->CheckBox10->click();
    const std::size_t before = ConsoleLines().size();
    const ReplyCode state = form->Console().Code();
    page->RmaChangeButtons[1]->click();
    ASSERT_EQ(messages.boxes.size(), 1u);
    EXPECT_EQ(messages.boxes[0].text,
              "The router has no radio interface to apply this setting to.");
    EXPECT_EQ(form->Console().Code(), state);
    // A line sent now would arrive before this marker.
    page->CheckBox7->click();
    page->RmaChangeButtons[0]->click();
    EXPECT_EQ(WaitForLines(before, 1), std::vector<std::string>{"rma stop"});
}

}  // namespace
}  // namespace tessel
