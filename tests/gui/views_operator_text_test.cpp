// What the operator types on its way to the router, on pages built alone over
// a recording host: a character the router's 8-bit text cannot carry is
// refused by name wherever typed text becomes a console line, and the
// numeric editors take what their fields allow (decimals, no invented
// maximum) and report every edit.

#include "core/session/session.hpp"
#include "fake_page_host.hpp"
#include "utilities/load_meter_page.hpp"
#include "utilities/rma_test_page.hpp"
#include "views/bs/cpe_table_page.hpp"
#include "views/cpe/bs_list_page.hpp"
#include "views/interfaces/interfaces_page.hpp"
#include "views/interfaces/radio_group.hpp"
#include "views/qos/qos_table_page.hpp"
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
    static void TypeAndPress(TSpinEditor* editor, const QString& text,
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
    TSystemPage system(session, host);
    TInterfacesPage interfaces(session, host);
    TRadioGroup* radio = interfaces.RadioGroup();
    radio->ComboBox4->addItems(radios);
    interfaces.ComboBox6->addItems(radios);
    TBsPage bs(session, host);
    bs.SetRadioNames(radios, 0);
    bs.Edit8->setText(QStringLiteral("000B220578FF"));
    bs.Edit9->setText(QStringLiteral("10.0.0.5"));
    TCpePage cpe(session, host);
    cpe.SetRadioNames(radios, 0);
    TRmaTestPage rma(session, host);
    rma.SetRadioNames(radios, 0);
    const std::pair<QLineEdit*, QAbstractButton*> fields[] = {
        {system.Edit1, system.SystemChangeButtons[0]},
        {system.Edit6, system.SystemChangeButtons[1]},
        {radio->Edit2, radio->ChangeButtons[3]},
        {interfaces.Edit3, interfaces.Button22},
        {bs.Edit7, bs.Button5},
        {cpe.Edit10, cpe.Button15},
        {rma.Edit16, rma.Button39}};
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
    EXPECT_TRUE(rma.Button39->isEnabled()) << "no run started";
    // Latin-1 is the router's own text and goes byte for byte.
    system.Edit1->setText(QStringLiteral("M\u00fchle"));
    system.SystemChangeButtons[0]->click();
    EXPECT_EQ(host.lines, Lines{"sys name M\xfchle"});
}

TEST_F(OperatorText, NumericFieldsTakeDecimalsAndNoInventedMaximum) {
    TSystemPage system(session, host);
    TypeAndPress(system.SpinEditor9, QStringLiteral("2.5"), system.SystemChangeButtons[2]);
    TLoadMeterPage meter(session, host);
    meter.SetInterfaceNames({QStringLiteral("eth0")}, 0);
    TypeAndPress(meter.SpinEditor7, QStringLiteral("5000"), meter.Button35);
    TRmaTestPage rma(session, host);
    rma.SetRadioNames(radios, 0);
    rma.Edit16->setText(QStringLiteral("000B220578FF"));
    TypeAndPress(rma.SpinEditor8, QStringLiteral("70000"), rma.Button39);
    EXPECT_EQ(host.lines, (Lines{"sys icmplimit 2.5", "loadm  -w 5000 eth0",
                                 "rma rf5.0 test 000B220578FF 70000"}));

    // The refresh periods: 3.6 s is a tick every 4000 ms.
    TBsPage bs(session, host);
    TCpePage cpe(session, host);
    TQosPage qos(session, host);
    const std::pair<TSpinEditor*, const char*> periods[] = {
        {bs.SpinEditor4, "Timer2"}, {cpe.SpinEditor5, "Timer3"}, {qos.SpinEditor18, "Timer12"}};
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
    TSystemPage system(session, host);
    TInterfacesPage interfaces(session, host);
    TRadioGroup* radio = interfaces.RadioGroup();
    const std::pair<TSpinEditor*, QToolButton*> fields[] = {
        {system.SpinEditor9, system.SystemChangeButtons[2]},
        {radio->SpinEditor2, radio->ChangeButtons[4]},
        {radio->SpinEditor1, radio->ChangeButtons[5]}};
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
