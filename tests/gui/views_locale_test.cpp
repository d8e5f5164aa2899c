// Numbers typed into the pages' editors reach the router as ASCII whatever
// the desktop's locale: one with other digits (Arabic) and one whose minus
// sign is U+2212 (Swedish) would otherwise put '?' bytes into the lines.

#include "logged_in_window.hpp"
#include "utilities/load_meter_page.hpp"
#include "utilities/rma_test_page.hpp"
#include "views/interfaces/interfaces_page.hpp"
#include "views/interfaces/radio_group.hpp"
#include "views/system/system_page.hpp"
#include "widgets/grid_view.hpp"
#include "widgets/spin_editor.hpp"

#include <QCheckBox>
#include <QLocale>
#include <QToolButton>

namespace tessel {
namespace {

using test::LoggedInWindow;
using test::WaitFor;

class NumbersUnderAnotherLocale : public LoggedInWindow,
                                  public ::testing::WithParamInterface<QLocale::Language> {
  protected:
    void SetUp() override {
        // Before the window exists: widgets take the default locale when made.
        QLocale::setDefault(QLocale(GetParam()));
        LoggedInWindow::SetUp();
    }
    void TearDown() override {
        LoggedInWindow::TearDown();
        QLocale::setDefault(QLocale::c());
    }

    // Clicks button and returns the first line the router received after it.
    std::string Sent(QAbstractButton* button) {
        const std::size_t before = ConsoleLines().size();
        button->click();
        const auto lines = WaitForLines(before, 1);
        return lines.empty() ? std::string() : lines.front();
    }
};

TEST_P(NumbersUnderAnotherLocale, EditorNumbersGoOutAsAsciiDigits) {
    // The locale really differs from the router's digits and minus.
    const QLocale desktop;
    ASSERT_TRUE(desktop.toString(-1250) != QStringLiteral("-1250")) << GetParam();

    auto* system = Find<SystemPage>("system");
    system->icmpLimitSpin_->setValue(-1250);
    EXPECT_EQ(Sent(system->SystemChangeButtons[2]), "sys icmplimit -1250");
    ASSERT_TRUE(WaitIdle());

    auto* radio = Find<RadioGroup>("radio");
    radio->distanceSpin_->setValue(1234);
    EXPECT_EQ(Sent(radio->ChangeButtons[4]), "rf rf5.0 distance 1234");
    ASSERT_TRUE(WaitIdle());

    auto* interfaces = Find<InterfacesPage>("TabSheet2");
    interfaces->interfacesGrid_->selectRow(0);
    const std::string name = interfaces->interfacesGrid_->Cell(0, 1).toStdString();
    interfaces->mtuSpin_->setValue(1400);
    interfaces->enableInterfaceCheck_->setChecked(true);
    EXPECT_EQ(Sent(interfaces->updateInterfaceButton_), "ifc " + name + " mtu 1400 up");
    ASSERT_TRUE(WaitIdle());

    auto* meter = Find<LoadMeterPage>("LoadMeter");
    meter->loadMeterIntervalSpin_->setValue(1200);
    EXPECT_EQ(Sent(meter->loadMeterStartButton_),
              "loadm  -w 1200 " + meter->loadMeterInterfaceCombo_->currentText().toStdString());
    meter->loadMeterStopButton_->click();

    auto* test = Find<RmaTestPage>("RmaTest");
    test->rmaTestMacEdit_->setText(QStringLiteral("000B22057910"));
    test->rmaTestPacketLengthSpin_->setValue(1500);
    EXPECT_EQ(
        Sent(test->rmaTestStartButton_),
        "rma " + test->rmaTestRadioCombo_->currentText().toStdString() + " test 000B22057910 1500");
    test->rmaTestStopButton_->click();
}

INSTANTIATE_TEST_SUITE_P(Desktop, NumbersUnderAnotherLocale,
                         ::testing::Values(QLocale::Arabic, QLocale::Swedish));

}  // namespace
}  // namespace tessel
