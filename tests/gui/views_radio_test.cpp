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

class RadioGroupTest : public LoggedInWindow {
  protected:
    void SetUp() override {
        LoggedInWindow::SetUp();
        if (HasFatalFailure()) {
            return;
        }
        radio = Find<RadioGroup>("radio");
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

    RadioGroup* radio = nullptr;
};

TEST_F(RadioGroupTest, ShowsTheFirstRadioAndRecordsTheBands) {
    EXPECT_EQ(Items(radio->radioInterfaceCombo_), QStringList({"rf5.0", "rf2.0"}));
    EXPECT_EQ(radio->radioInterfaceCombo_->currentIndex(), 0);
    EXPECT_EQ(form->Router().RadioBand, (std::array<int, 2>{1, 2}));

    EXPECT_EQ(Items(radio->frequencyCombo_).size(), 8);
    EXPECT_EQ(radio->frequencyCombo_->currentText(), "5180");
    EXPECT_EQ(Items(radio->bitrateCombo_),
              QStringList({"6000", "9000", "12000", "18000", "24000", "36000", "48000", "54000"}));
    EXPECT_EQ(radio->bitrateCombo_->currentText(), "54000");
    EXPECT_EQ(Items(radio->powerLevelCombo_), QStringList({"5", "8", "11", "14", "17"}));
    EXPECT_EQ(radio->powerLevelCombo_->currentText(), "17");
    EXPECT_EQ(radio->sidEdit_->text(), "1A2B");  // 6699
    EXPECT_EQ(radio->distanceSpin_->Text(), "4");
    EXPECT_EQ(radio->maxRetriesSpin_->Text(), "4");
    EXPECT_TRUE(radio->burstModeCheck_->isChecked());
    EXPECT_FALSE(radio->pwrctlModeCheck_->isChecked());
    EXPECT_FALSE(radio->wocdModeCheck_->isHidden());
    EXPECT_FALSE(radio->wocdModeCheck_->isChecked());
    EXPECT_EQ(EnabledButtons(), std::vector<int>{});

    // The second radio is on band 2: no "Wocd mode"; its own lists.
    Choose(radio->radioInterfaceCombo_, QStringLiteral("rf2.0"));
    EXPECT_TRUE(radio->wocdModeCheck_->isHidden());
    EXPECT_EQ(Items(radio->frequencyCombo_), QStringList({"2412", "2437", "2462"}));
    EXPECT_EQ(radio->frequencyCombo_->currentText(), "2437");
    EXPECT_EQ(radio->bitrateCombo_->currentText(), "11000");
    EXPECT_EQ(radio->sidEdit_->text(), "4A90B");  // 305419
    EXPECT_TRUE(radio->pwrctlModeCheck_->isChecked());
    EXPECT_EQ(radio->maxRetriesSpin_->Text(), "7");
    EXPECT_EQ(EnabledButtons(), std::vector<int>{});

    Choose(radio->radioInterfaceCombo_, QStringLiteral("rf5.0"));
    EXPECT_FALSE(radio->wocdModeCheck_->isHidden()) << "a band 1 radio shows the box again";
    SaveScreenshot(form->pageTabs_->widget(1), "tab-interfaces-radio.png");
}

TEST_F(RadioGroupTest, OneEditEnablesOnlyItsButtonAndTheReplyReReads) {
    radio->burstModeCheck_->click();  // burst off
    EXPECT_EQ(EnabledButtons(), std::vector<int>{Burst});
    EXPECT_EQ(Send(Burst), "rf rf5.0 -burst");
    EXPECT_EQ(form->statusPopupMemo_->toPlainText(), "rf rf5.0 -burst");
    EXPECT_FALSE(radio->burstModeCheck_->isChecked());
    EXPECT_EQ(EnabledButtons(), std::vector<int>{});

    radio->frequencyCombo_->setCurrentIndex(
        radio->frequencyCombo_->findText(QStringLiteral("5200")));
    radio->bitrateCombo_->setCurrentIndex(radio->bitrateCombo_->findText(QStringLiteral("36000")));
    EXPECT_EQ(EnabledButtons(), std::vector<int>({Freq, Bitrate}));
    EXPECT_EQ(Send(Freq), "rf rf5.0 freq 5200");
    // The re-read shows the router: the new frequency, the old bitrate.
    EXPECT_EQ(radio->frequencyCombo_->currentText(), "5200");
    EXPECT_EQ(radio->bitrateCombo_->currentText(), "54000");
    EXPECT_EQ(EnabledButtons(), std::vector<int>{});
}

TEST_F(RadioGroupTest, EveryButtonSendsItsLine) {
    radio->powerLevelCombo_->setCurrentIndex(
        radio->powerLevelCombo_->findText(QStringLiteral("11")));
    EXPECT_EQ(Send(Power), "rf rf5.0 pwr 11");
    EXPECT_EQ(radio->powerLevelCombo_->currentText(), "11");

    radio->bitrateCombo_->setCurrentIndex(radio->bitrateCombo_->findText(QStringLiteral("24000")));
    EXPECT_EQ(Send(Bitrate), "rf rf5.0 bitr 24000");
    EXPECT_EQ(radio->bitrateCombo_->currentText(), "24000");

    TypeInto(radio->sidEdit_, QStringLiteral("beef"));
    EXPECT_EQ(Send(Sid), "rf rf5.0 sid beef");
    EXPECT_EQ(radio->sidEdit_->text(), "BEEF") << "shown as the router reports it";

    radio->distanceSpin_->SetText(QStringLiteral("12"));
    EXPECT_EQ(Send(Distance), "rf rf5.0 distance 12");
    EXPECT_EQ(radio->distanceSpin_->Text(), "12");

    radio->maxRetriesSpin_->SetText(QStringLiteral("9"));
    EXPECT_EQ(Send(Retries), "rf rf5.0 txrt 9");
    EXPECT_EQ(radio->maxRetriesSpin_->Text(), "9");

    // The BS page disables "Pwrctl mode" while rf5.0 has CPE; as on a radio
    // without any, the operator may use it.
    radio->SetPwrctlEnabled(true);
    radio->pwrctlModeCheck_->click();
    EXPECT_EQ(Send(Pwrctl), "rf rf5.0 pwrctl");
    EXPECT_TRUE(radio->pwrctlModeCheck_->isChecked());

    radio->longModeCheck_->click();
    EXPECT_EQ(Send(Long), "rf rf5.0 long");
    EXPECT_TRUE(radio->longModeCheck_->isChecked()) << "never read, so kept as set";

    radio->wocdModeCheck_->click();
    EXPECT_EQ(Send(Wocd), "rf rf5.0 wocd");
    EXPECT_TRUE(radio->wocdModeCheck_->isChecked());

    // A value the router refuses: the re-read shows what it kept.
    TypeInto(radio->sidEdit_, QStringLiteral("1234567"));
    EXPECT_EQ(Send(Sid), "rf rf5.0 sid 1234567");
    EXPECT_EQ(radio->sidEdit_->text(), "BEEF");
}

TEST_F(RadioGroupTest, RefreshClearsPendingEditsAndSendsNothing) {
    radio->longModeCheck_->click();
    TypeInto(radio->sidEdit_, QStringLiteral("ABC"));
    radio->distanceSpin_->SetText(QStringLiteral("7"));
    EXPECT_EQ(EnabledButtons(), std::vector<int>({Sid, Distance, Long}));
    const std::size_t before = ConsoleLines().size();
    radio->refreshRadioButton_->click();
    EXPECT_EQ(EnabledButtons(), std::vector<int>{});
    EXPECT_EQ(radio->sidEdit_->text(), "1A2B");
    EXPECT_EQ(radio->distanceSpin_->Text(), "4");
    EXPECT_TRUE(radio->longModeCheck_->isChecked());
    form->OnRefreshAll();  // "Refresh all" reads the group too
    EXPECT_EQ(EnabledButtons(), std::vector<int>{});
    EXPECT_EQ(LinesAfter(before), std::vector<std::string>{});
}

// Without a radio there is no name for "rf NAME ...": the page says so, as
// the RMA group does, and sends nothing.
TEST_F(RadioGroupTest, ChangeWithoutARadioSendsNothingAndSaysWhy) {
    radio->radioInterfaceCombo_->clear();
    radio->distanceSpin_->SetText(QStringLiteral("12"));
    radio->burstModeCheck_->click();
    const std::size_t before = ConsoleLines().size();
    radio->ChangeButtons[Distance]->click();
    radio->ChangeButtons[Burst]->click();
    ASSERT_EQ(messages.boxes.size(), 2u);
    EXPECT_EQ(messages.boxes[1].text,
              "The router has no radio interface to apply this setting to.");
    // The buttons stay enabled: the edits were not sent.
    EXPECT_EQ(EnabledButtons(), std::vector<int>({Distance, Burst}));
    // "Info show" with no row sends "ifc " alone: a line sent before it shows.
    auto* interfaces = Find<InterfacesPage>("TabSheet2");
    interfaces->interfacesGrid_->setCurrentIndex({});
    interfaces->infoShowButton_->click();
    EXPECT_EQ(WaitForLines(before, 1), std::vector<std::string>{"ifc "});
}

TEST_F(RadioGroupTest, OtherPagesSelectorsAreFilledOncePerRadio) {
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

    QSignalSpy lists(radio, &RadioGroup::RadioNamesChanged);
    QSignalSpy selections(radio, &RadioGroup::SelectedRadioChanged);
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
    EXPECT_EQ(Items(radio->radioInterfaceCombo_), radios);

    selections.clear();
    Choose(radio->radioInterfaceCombo_, QStringLiteral("rf2.0"));
    ASSERT_EQ(selections.count(), 1);
    EXPECT_EQ(selections.at(0).at(0).toString(), "rf2.0");
    EXPECT_EQ(rma->currentText(), "rf5.0") << "each page keeps its own choice";

    radio->pwrctlModeCheck_->setChecked(true);
    radio->SetPwrctlEnabled(false);
    EXPECT_FALSE(radio->pwrctlModeCheck_->isEnabled());
    EXPECT_TRUE(radio->pwrctlModeCheck_->isChecked());
    radio->SetPwrctlEnabled(true);
    EXPECT_TRUE(radio->pwrctlModeCheck_->isEnabled());
}

}  // namespace
}  // namespace tessel
