// What the operator types on its way to the router, on pages built alone over
// a recording host: a character the router's 8-bit text cannot carry is
// refused by name wherever typed text becomes a console line.

#include "core/session/session.hpp"
#include "fake_page_host.hpp"
#include "utilities/rma_test_page.hpp"
#include "views/bs/cpe_table_page.hpp"
#include "views/cpe/bs_list_page.hpp"
#include "views/interfaces/interfaces_page.hpp"
#include "views/interfaces/radio_group.hpp"
#include "views/system/system_page.hpp"

#include <QAbstractButton>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tessel {
namespace {

using Lines = std::vector<std::string>;

class OperatorText : public ::testing::Test {
  protected:
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
        host.boxes.clear();
    }
    EXPECT_TRUE(system.SystemChangeButtons[0]->isEnabled()) << "the edit is still to be sent";
    EXPECT_TRUE(rma.Button39->isEnabled()) << "no run started";
    // Latin-1 is the router's own text and goes byte for byte.
    system.Edit1->setText(QStringLiteral("M\u00fchle"));
    system.SystemChangeButtons[0]->click();
    EXPECT_EQ(host.lines, Lines{"sys name M\xfchle"});
}

}  // namespace
}  // namespace tessel
