// The radio interface group against the lab router: the selectors and bands
// recorded at login, the values of the selected radio, the guard, and each
// "Click to change" button sending its "rf " line with the re-read after it.

#include "logged_in_window.hpp"
#include "views/interfaces/interfaces_page.hpp"
#include "views/interfaces/radio_group.hpp"
#include "views/system/system_page.hpp"
#include "widgets/grid_view.hpp"
#include "widgets/spin_editor.hpp"

#include <QCheckBox>
#include <QPlainTextEdit>
#include <QSignalSpy>
#include <QToolButton>

namespace tessel {
namespace {

using test::LoggedInWindow;
using test::WaitFor;

// Positions in ChangeButtons.
enum { Freq, Bitrate, Power, Sid, Distance, Retries, Pwrctl, Long, Burst, Wocd };

class RadioGroup : public LoggedInWindow {
  protected:
    void SetUp() override {
        LoggedInWindow::SetUp();
        if (HasFatalFailure()) {
            return;
        }
        radio = Find<TRadioGroup>("radio");
        ASSERT_NE(radio, nullptr);
    }

    std::vector<int> EnabledButtons() const {
        std::vector<int> enabled;
        for (std::size_t i = 0; i < radio->ChangeButtons.size(); ++i) {
            if (radio->ChangeButtons[i]->isEnabled()) {
                enabled.push_back(static_cast<int>(i));
            }
        }
        return enabled;
    }

    static QStringList Items(const QComboBox* box) {
        QStringList items;
        for (int i = 0; i < box->count(); ++i) {
            items.append(box->itemText(i));
        }
        return items;
    }

    // Clicks change button `which`; returns the line the router received
    // once the re-read has run.
    std::string Send(int which) {
        const std::size_t before = ConsoleLines().size();
        radio->ChangeButtons[static_cast<std::size_t>(which)]->click();
        EXPECT_EQ(form->Console().Code(), ReplyCode::Radio);
        const auto lines = WaitForLines(before, 1);
        EXPECT_TRUE(WaitIdle());
        return lines.empty() ? std::string() : lines.front();
    }

    TRadioGroup* radio = nullptr;
};

TEST_F(RadioGroup, ShowsTheFirstRadioAndRecordsTheBands) {
    EXPECT_EQ(Items(radio->ComboBox4), QStringList({"rf5.0", "rf2.0"}));
    EXPECT_EQ(radio->ComboBox4->currentIndex(), 0);
    EXPECT_EQ(form->Router().RadioBand, (std::array<int, 2>{1, 2}));

    EXPECT_EQ(Items(radio->ComboBox1).size(), 8);
    EXPECT_EQ(radio->ComboBox1->currentText(), "5180");
    EXPECT_EQ(Items(radio->ComboBox2),
              QStringList({"6000", "9000", "12000", "18000", "24000", "36000", "48000", "54000"}));
    EXPECT_EQ(radio->ComboBox2->currentText(), "54000");
    EXPECT_EQ(Items(radio->ComboBox3), QStringList({"5", "8", "11", "14", "17"}));
    EXPECT_EQ(radio->ComboBox3->currentText(), "17");
    EXPECT_EQ(radio->Edit2->text(), "1A2B");  // 6699
    EXPECT_EQ(radio->SpinEditor2->Text(), "4");
    EXPECT_EQ(radio->SpinEditor1->Text(), "4");
    EXPECT_TRUE(radio->CheckBox1->isChecked());
    EXPECT_FALSE(radio->CheckBox3->isChecked());
    EXPECT_FALSE(radio->CheckBox2->isHidden());
    EXPECT_FALSE(radio->CheckBox2->isChecked());
    EXPECT_EQ(EnabledButtons(), std::vector<int>{});

    // The second radio is on band 2: no "Wocd mode"; its own lists.
    Choose(radio->ComboBox4, QStringLiteral("rf2.0"));
    EXPECT_TRUE(radio->CheckBox2->isHidden());
    EXPECT_EQ(Items(radio->ComboBox1), QStringList({"2412", "2437", "2462"}));
    EXPECT_EQ(radio->ComboBox1->currentText(), "2437");
    EXPECT_EQ(radio->ComboBox2->currentText(), "11000");
    EXPECT_EQ(radio->Edit2->text(), "4A90B");  // 305419
    EXPECT_TRUE(radio->CheckBox3->isChecked());
    EXPECT_EQ(radio->SpinEditor1->Text(), "7");
    EXPECT_EQ(EnabledButtons(), std::vector<int>{});

    Choose(radio->ComboBox4, QStringLiteral("rf5.0"));
    EXPECT_FALSE(radio->CheckBox2->isHidden()) << "a band 1 radio shows the box again";
    SaveScreenshot(form->main->widget(1), "tab-interfaces-radio.png");
}

TEST_F(RadioGroup, OneEditEnablesOnlyItsButtonAndTheReplyReReads) {
    radio->CheckBox1->click();  // burst off
    EXPECT_EQ(EnabledButtons(), std::vector<int>{Burst});
    EXPECT_EQ(Send(Burst), "rf rf5.0 -burst");
    EXPECT_EQ(form->Memo3->toPlainText(), "rf rf5.0 -burst");
    EXPECT_FALSE(radio->CheckBox1->isChecked());
    EXPECT_EQ(EnabledButtons(), std::vector<int>{});

    radio->ComboBox1->setCurrentIndex(radio->ComboBox1->findText(QStringLiteral("5200")));
    radio->ComboBox2->setCurrentIndex(radio->ComboBox2->findText(QStringLiteral("36000")));
    EXPECT_EQ(EnabledButtons(), std::vector<int>({Freq, Bitrate}));
    EXPECT_EQ(Send(Freq), "rf rf5.0 freq 5200");
    // The re-read shows the router: the new frequency, the old bitrate.
    EXPECT_EQ(radio->ComboBox1->currentText(), "5200");
    EXPECT_EQ(radio->ComboBox2->currentText(), "54000");
    EXPECT_EQ(EnabledButtons(), std::vector<int>{});
}

TEST_F(RadioGroup, EveryButtonSendsItsLine) {
    radio->ComboBox3->setCurrentIndex(radio->ComboBox3->findText(QStringLiteral("11")));
    EXPECT_EQ(Send(Power), "rf rf5.0 pwr 11");
    EXPECT_EQ(radio->ComboBox3->currentText(), "11");

    radio->ComboBox2->setCurrentIndex(radio->ComboBox2->findText(QStringLiteral("24000")));
    EXPECT_EQ(Send(Bitrate), "rf rf5.0 bitr 24000");
    EXPECT_EQ(radio->ComboBox2->currentText(), "24000");

    TypeInto(radio->Edit2, QStringLiteral("beef"));
    EXPECT_EQ(Send(Sid), "rf rf5.0 sid beef");
    EXPECT_EQ(radio->Edit2->text(), "BEEF") << "shown as the router reports it";

    radio->SpinEditor2->SetText(QStringLiteral("12"));
    EXPECT_EQ(Send(Distance), "rf rf5.0 distance 12");
    EXPECT_EQ(radio->SpinEditor2->Text(), "12");

    radio->SpinEditor1->SetText(QStringLiteral("9"));
    EXPECT_EQ(Send(Retries), "rf rf5.0 txrt 9");
    EXPECT_EQ(radio->SpinEditor1->Text(), "9");

    // The BS page disables "Pwrctl mode" while rf5.0 has CPE; as on a radio
    // without any, the operator may use it.
    radio->SetPwrctlEnabled(true);
    radio->CheckBox3->click();
    EXPECT_EQ(Send(Pwrctl), "rf rf5.0 pwrctl");
    EXPECT_TRUE(radio->CheckBox3->isChecked());

    radio->CheckBox15->click();
    EXPECT_EQ(Send(Long), "rf rf5.0 long");
    EXPECT_TRUE(radio->CheckBox15->isChecked()) << "never read, so kept as set";

    radio->CheckBox2->click();
    EXPECT_EQ(Send(Wocd), "rf rf5.0 wocd");
    EXPECT_TRUE(radio->CheckBox2->isChecked());

    // A value the router refuses: the re-read shows what it kept.
    TypeInto(radio->Edit2, QStringLiteral("1234567"));
    EXPECT_EQ(Send(Sid), "rf rf5.0 sid 1234567");
    EXPECT_EQ(radio->Edit2->text(), "BEEF");
}

TEST_F(RadioGroup, RefreshClearsPendingEditsAndSendsNothing) {
    radio->CheckBox15->click();
    TypeInto(radio->Edit2, QStringLiteral("ABC"));
    radio->SpinEditor2->SetText(QStringLiteral("7"));
    EXPECT_EQ(EnabledButtons(), std::vector<int>({Sid, Distance, Long}));
    const std::size_t before = ConsoleLines().size();
    radio->Button3->click();
    EXPECT_EQ(EnabledButtons(), std::vector<int>{});
    EXPECT_EQ(radio->Edit2->text(), "1A2B");
    EXPECT_EQ(radio->SpinEditor2->Text(), "4");
    EXPECT_TRUE(radio->CheckBox15->isChecked());
    form->Button10Click();  // "Refresh all" reads the group too
    EXPECT_EQ(EnabledButtons(), std::vector<int>{});
    EXPECT_EQ(LinesAfter(before), std::vector<std::string>{});
}

// Without a radio there is no name for "rf NAME ...": the page says so, as
// the RMA group does, and sends nothing.
TEST_F(RadioGroup, ChangeWithoutARadioSendsNothingAndSaysWhy) {
    radio->ComboBox4->clear();
    radio->SpinEditor2->SetText(QStringLiteral("12"));
    radio->CheckBox1->click();
    const std::size_t before = ConsoleLines().size();
    radio->ChangeButtons[Distance]->click();
    radio->ChangeButtons[Burst]->click();
    ASSERT_EQ(messages.boxes.size(), 2u);
    EXPECT_EQ(messages.boxes[1].text,
              "The router has no radio interface to apply this setting to.");
    // The buttons stay enabled: the edits were not sent.
    EXPECT_EQ(EnabledButtons(), std::vector<int>({Distance, Burst}));
    // "Info show" with no row sends "ifc " alone: a line sent before it shows.
    auto* interfaces = Find<TInterfacesPage>("TabSheet2");
    interfaces->GridView4->setCurrentIndex({});
    interfaces->Button33->click();
    EXPECT_EQ(WaitForLines(before, 1), std::vector<std::string>{"ifc "});
}

TEST_F(RadioGroup, OtherPagesSelectorsAreFilledOncePerRadio) {
    const QStringList radios = {"rf5.0", "rf2.0"};
    auto* rma = Find<QComboBox>("ComboBox9");
    ASSERT_NE(rma, nullptr);
    EXPECT_EQ(Items(rma), radios);
    // The other pages' selectors, filled through the window's wiring.
    for (const char* name : {"ComboBox5", "ComboBox8", "ComboBox7", "ComboBox10", "ComboBox15"}) {
        auto* selector = Find<QComboBox>(name);
        ASSERT_NE(selector, nullptr) << name;
        EXPECT_EQ(Items(selector), radios) << name;
        EXPECT_EQ(selector->currentIndex(), 0) << name;
    }

    QSignalSpy lists(radio, &TRadioGroup::RadioNamesChanged);
    QSignalSpy selections(radio, &TRadioGroup::SelectedRadioChanged);
    int changes = 0;
    QObject::connect(rma, &QComboBox::currentIndexChanged, [&changes] { ++changes; });
    radio->ReadRadioInterfaceList();
    radio->ReadRadioInterfaceList();  // as a second login does
    ASSERT_EQ(lists.count(), 2);
    for (const QList<QVariant>& emitted : lists) {
        EXPECT_EQ(emitted.at(0).toStringList(), radios);
        EXPECT_EQ(emitted.at(1).toInt(), 0);
    }
    ASSERT_EQ(selections.count(), 2);
    EXPECT_EQ(selections.at(1).at(0).toString(), "rf5.0");
    EXPECT_EQ(changes, 0) << "a fill from code is no operator choice";
    EXPECT_EQ(Items(rma), radios);
    EXPECT_EQ(Items(radio->ComboBox4), radios);

    selections.clear();
    Choose(radio->ComboBox4, QStringLiteral("rf2.0"));
    ASSERT_EQ(selections.count(), 1);
    EXPECT_EQ(selections.at(0).at(0).toString(), "rf2.0");
    EXPECT_EQ(rma->currentText(), "rf5.0") << "each page keeps its own choice";

    radio->CheckBox3->setChecked(true);
    radio->SetPwrctlEnabled(false);
    EXPECT_FALSE(radio->CheckBox3->isEnabled());
    EXPECT_TRUE(radio->CheckBox3->isChecked());
    radio->SetPwrctlEnabled(true);
    EXPECT_TRUE(radio->CheckBox3->isEnabled());
}

}  // namespace
}  // namespace tessel
