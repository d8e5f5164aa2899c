// What the operator types on its way to the router, on pages built alone over
// a recording host: a character the router's 8-bit text cannot carry is
// refused by name wherever typed text becomes a console line, and the
// numeric editors take what their fields allow (decimals, no invented
// maximum) and report every edit.

#include "core/session/session.hpp"
#include "fake_page_host.hpp"
#include "utilities/load_meter_page.hpp"
#include "utilities/rma_test_page.hpp"
#include "views/bs/bs_page.hpp"
#include "views/cpe/cpe_page.hpp"
#include "views/interfaces/interfaces_page.hpp"
#include "views/interfaces/radio_group.hpp"
#include "views/qos/qos_page.hpp"
#include "views/system/system_page.hpp"
#include "widgets/spin_editor.hpp"

#include <QAbstractButton>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tessel {
namespace {

using Lines = std::vector<std::string>;

class OperatorText : public ::testing::Test {
  protected:
    // Types text into an editor as the operator does, then presses send.
    static void TypeAndPress(SpinEditor* editor, const QString& text,
                             QAbstractButton* send = nullptr) {
        QLineEdit* edit = editor->findChild<QLineEdit*>();
        edit->selectAll();
        QTest::keyClicks(edit, text);
        if (send != nullptr) {
            send->click();
        }
    }

    Session session{SnmpTransport{}};
    test::FakePageHost host;
    const QStringList radios{QStringLiteral("rf5.0")};
};

TEST_F(OperatorText, EveryTypedFieldRefusesACharacterAboveLatin1ByName) {
    SystemPage system(session, host);
    InterfacesPage interfaces(session, host);
    RadioGroup* radio = interfaces.RadioSettings();
    radio->radioInterfaceCombo_->addItems(radios);
    interfaces.aliasInterfaceCombo_->addItems(radios);
    BsPage bs(session, host);
    bs.SetRadioNames(radios, 0);
    bs.cpeMacEdit_->setText(QStringLiteral("000B220578FF"));
    bs.cpeIpAddressEdit_->setText(QStringLiteral("10.0.0.5"));
    CpePage cpe(session, host);
    cpe.SetRadioNames(radios, 0);
    RmaTestPage rma(session, host);
    rma.SetRadioNames(radios, 0);
    const std::pair<QLineEdit*, QAbstractButton*> fields[] = {
        {system.systemNameEdit_, system.SystemChangeButtons[0]},
        {system.systemLocationEdit_, system.SystemChangeButtons[1]},
        {radio->sidEdit_, radio->ChangeButtons[3]},
        {interfaces.aliasAddressEdit_, interfaces.createAliasButton_},
        {bs.cpeNameEdit_, bs.newCpeButton_},
        {cpe.bsSidEdit_, cpe.createOrUpdateBsRecordButton_},
        {rma.rmaTestMacEdit_, rma.rmaTestStartButton_}};
    // Named whole, not by the halves it takes in UTF-16.
    const QString typed = QStringLiteral("M\u00fchle \U0001F600 \u20ac");
    for (const auto& [field, send] : fields) {
        field->setText(typed);
        send->click();
        const std::string name = field->objectName().toStdString();
        EXPECT_EQ(host.lines, Lines{}) << name;
        ASSERT_EQ(host.boxes.size(), 1u) << name << ": before any other check or question";
        EXPECT_EQ(host.boxes[0].caption, "Input error");
        EXPECT_TRUE(host.boxes[0].text.startsWith(
            QStringLiteral("The character \"\U0001F600\" (U+1F600) cannot be sent")))
            << host.boxes[0].text.toStdString();
        EXPECT_EQ(field->text(), typed) << name;
        // The console log hears of it too, with the text as far as it is 8-bit.
        ASSERT_EQ(host.refused.size(), 1u) << name;
        EXPECT_TRUE(host.refused[0].starts_with("M\xfchle ")) << name;
        host.refused.clear();
        host.boxes.clear();
    }
    EXPECT_TRUE(system.SystemChangeButtons[0]->isEnabled()) << "the edit is still to be sent";
    EXPECT_TRUE(rma.rmaTestStartButton_->isEnabled()) << "no run started";
    // Latin-1 is the router's own text and goes byte for byte.
    system.systemNameEdit_->setText(QStringLiteral("M\u00fchle"));
    system.SystemChangeButtons[0]->click();
    EXPECT_EQ(host.lines, Lines{"sys name M\xfchle"});
}

TEST_F(OperatorText, NumericFieldsTakeDecimalsAndNoInventedMaximum) {
    SystemPage system(session, host);
    TypeAndPress(system.icmpLimitSpin_, QStringLiteral("2.5"), system.SystemChangeButtons[2]);
    LoadMeterPage meter(session, host);
    meter.SetInterfaceNames({QStringLiteral("eth0")}, 0);
    TypeAndPress(meter.loadMeterIntervalSpin_, QStringLiteral("5000"), meter.loadMeterStartButton_);
    RmaTestPage rma(session, host);
    rma.SetRadioNames(radios, 0);
    rma.rmaTestMacEdit_->setText(QStringLiteral("000B220578FF"));
    TypeAndPress(rma.rmaTestPacketLengthSpin_, QStringLiteral("70000"), rma.rmaTestStartButton_);
    EXPECT_EQ(host.lines, (Lines{"sys icmplimit 2.5", "loadm  -w 5000 eth0",
                                 "rma rf5.0 test 000B220578FF 70000"}));

    // The refresh periods: 3.6 s is a tick every 4000 ms.
    BsPage bs(session, host);
    CpePage cpe(session, host);
    QosPage qos(session, host);
    const std::pair<SpinEditor*, const char*> periods[] = {
        {bs.cpeTablePeriodSpin_, "Timer2"},
        {cpe.bsRegistrationPeriodSpin_, "Timer3"},
        {qos.qosIntervalSpin_, "Timer12"}};
    for (const auto& [editor, timerName] : periods) {
        TypeAndPress(editor, QStringLiteral("3.6"));
        EXPECT_EQ(editor->Text(), "3.6") << timerName;
        EXPECT_EQ(editor->parentWidget()->findChild<QTimer*>(timerName)->interval(), 4000);
        editor->setValue(5);  // as the post-login load writes it
        EXPECT_EQ(editor->Text(), "5") << timerName;
    }
}

// An edit that leaves no value (or the same one) is still an edit.
TEST_F(OperatorText, EveryEditOfANumericFieldEnablesItsChangeButton) {
    SystemPage system(session, host);
    InterfacesPage interfaces(session, host);
    RadioGroup* radio = interfaces.RadioSettings();
    const std::pair<SpinEditor*, QToolButton*> fields[] = {
        {system.icmpLimitSpin_, system.SystemChangeButtons[2]},
        {radio->distanceSpin_, radio->ChangeButtons[4]},
        {radio->maxRetriesSpin_, radio->ChangeButtons[5]}};
    for (const auto& [editor, button] : fields) {
        editor->SetText(QStringLiteral("5"));
        button->setEnabled(false);
        editor->findChild<QLineEdit*>()->selectAll();
        QTest::keyClick(editor->findChild<QLineEdit*>(), Qt::Key_Delete);
        EXPECT_EQ(editor->Text(), "");
        EXPECT_TRUE(button->isEnabled()) << editor->objectName().toStdString();
    }
}

}  // namespace
}  // namespace tessel
