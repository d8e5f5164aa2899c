// The settings pages built on their own, without a window or a router: a
// recording page host takes their console lines and boxes, and the session
// answers reads from a table. What is checked is what the pages owe the
// host: the change buttons' lines under their reply codes, a refused line
// leaving the edit to send again, the radio list written into the router
// model before it is announced.

#include "core/console/reply_dispatch.hpp"
#include "core/recording_reader.hpp"
#include "core/session/session.hpp"
#include "core/snmp/oids.hpp"
#include "fake_page_host.hpp"
#include "views/interfaces/interfaces_page.hpp"
#include "views/interfaces/radio_group.hpp"
#include "views/system/system_page.hpp"
#include "widgets/grid_view.hpp"
#include "widgets/spin_editor.hpp"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QToolButton>

#include <gtest/gtest.h>

#include <array>
#include <memory>
#include <vector>

namespace tessel {
namespace {

using test::FakePageHost;
using test::RecordingReader;

// Positions in RadioGroup::ChangeButtons.
enum { Distance = 4 };

class SettingsPage : public ::testing::Test {
  protected:
    SettingsPage() {
        session.RouterHost = "10.0.0.1";
        router->Set(oids::SysName, "core-1");
        // The band rows of the two radios: 5 GHz, then 2.4 GHz.
        router->Set(std::string(oids::RadioEntry) + "3.1", "5180");
        router->Set(std::string(oids::RadioEntry) + "3.2", "2412");
    }

    static SnmpTransport Answering(std::shared_ptr<RecordingReader> reader) {
        SnmpTransport transport;
        transport.get = [reader](const std::string& oid, const std::string&, const std::string&,
                                 std::string& value) { return reader->Get(oid, value); };
        transport.getNext = [reader](std::string& oid, const std::string&, const std::string&,
                                     std::string& value) { return reader->GetNext(oid, value); };
        return transport;
    }

    std::shared_ptr<RecordingReader> router = std::make_shared<RecordingReader>();
    Session session{Answering(router)};
    FakePageHost host;
};

TEST_F(SettingsPage, ChangeButtonSendsItsLineOnceTheHostTakesIt) {
    SystemPage page(session, host);
    EXPECT_EQ(host.consoleButtons, (std::vector<QAbstractButton*>{page.refreshSystemSettingsButton_,
                                                                  page.refreshRmaSettingsButton_}));
    page.ReadSystemSettings();
    EXPECT_EQ(page.systemNameEdit_->text(), "core-1");
    EXPECT_EQ(host.caption, "core-1: 10.0.0.1 - Tessel Manager");

    QToolButton* name = page.SystemChangeButtons[0];
    page.systemNameEdit_->setText(QStringLiteral("edge-2"));
    ASSERT_TRUE(name->isEnabled());

    // Refused: nothing went out, so the edit is still there to send.
    host.refuseLines = true;
    name->click();
    EXPECT_TRUE(host.lines.empty());
    EXPECT_TRUE(name->isEnabled());

    host.refuseLines = false;
    name->click();
    EXPECT_EQ(host.lines, std::vector<std::string>{"sys name edge-2"});
    EXPECT_EQ(host.code, ReplyCode::System);
    EXPECT_EQ(host.popups.last(), "sys name edge-2") << "a change button shows its line";
    EXPECT_FALSE(name->isEnabled());
}

TEST_F(SettingsPage, RmaSwitchNamesTheRadioTheListWasFilledWith) {
    SystemPage page(session, host);
    page.SetRadioNames({"rf5.0", "rf2.0"}, 1);
    EXPECT_EQ(page.rmaRadioCombo_->currentText(), "rf2.0");
    EXPECT_TRUE(router->calls.empty()) << "a fill is not the operator's choice";

    page.rmaAutobitrateCheck_->click();
    page.RmaChangeButtons[1]->click();
    EXPECT_EQ(host.lines, std::vector<std::string>{"rma rf2.0 autobitrate"});
    EXPECT_EQ(host.code, ReplyCode::Rma);

    // A router without radios: nothing to name, so nothing is sent.
    page.SetRadioNames({}, -1);
    page.rmaPollingCheck_->click();
    page.RmaChangeButtons[2]->click();
    ASSERT_EQ(host.boxes.size(), 1u);
    EXPECT_EQ(host.boxes[0].text, "The router has no radio interface to apply this setting to.");
    EXPECT_EQ(host.boxes[0].caption, "Error");
    EXPECT_EQ(host.lines.size(), 1u);
    EXPECT_TRUE(page.RmaChangeButtons[2]->isEnabled());
}

TEST_F(SettingsPage, RadioListIsRecordedThenAnnounced) {
    host.router.InterfaceNames = {"lo0", "rf5.0", "eth0", "rf2.0"};
    RadioGroup radio(session, host);
    QSignalSpy lists(&radio, &RadioGroup::RadioNamesChanged);
    QSignalSpy selections(&radio, &RadioGroup::SelectedRadioChanged);
    // The receivers read the bands as the list arrives.
    std::array<int, 2> bandsSeen{};
    QObject::connect(&radio, &RadioGroup::RadioNamesChanged,
                     [&] { bandsSeen = host.router.RadioBand; });

    radio.ReadRadioInterfaceList();
    ASSERT_EQ(lists.count(), 1);
    EXPECT_EQ(lists.at(0).at(0).toStringList(), QStringList({"rf5.0", "rf2.0"}));
    EXPECT_EQ(lists.at(0).at(1).toInt(), 0);
    EXPECT_EQ(bandsSeen, (std::array<int, 2>{1, 2}));
    ASSERT_EQ(selections.count(), 1);
    EXPECT_EQ(selections.at(0).at(0).toString(), "rf5.0");
    EXPECT_EQ(radio.radioInterfaceCombo_->count(), 2);

    QToolButton* distance = radio.ChangeButtons[Distance];
    radio.distanceSpin_->SetText(QStringLiteral("12"));
    ASSERT_TRUE(distance->isEnabled());
    distance->click();
    EXPECT_EQ(host.lines, std::vector<std::string>{"rf rf5.0 distance 12"});
    EXPECT_EQ(host.code, ReplyCode::Radio);
    EXPECT_FALSE(distance->isEnabled());

    // The base-station page's verdict on "Pwrctl mode" keeps the box's state.
    radio.pwrctlModeCheck_->setChecked(true);
    radio.SetPwrctlEnabled(false);
    EXPECT_FALSE(radio.pwrctlModeCheck_->isEnabled());
    EXPECT_TRUE(radio.pwrctlModeCheck_->isChecked());
    radio.SetPwrctlEnabled(true);
    EXPECT_TRUE(radio.pwrctlModeCheck_->isEnabled());
}

// A value the editor's range does not hold is shown as read: clamped, it
// would show (and send back) a setting the router does not have.
TEST_F(SettingsPage, MaxRetriesOutsideItsRangeIsShownAsRead) {
    host.router.InterfaceNames = {"lo0", "rf5.0"};
    RadioGroup radio(session, host);
    radio.ReadRadioInterfaceList();
    for (const char* retries : {"20", "0"}) {
        router->Set(std::string(oids::RadioEntry) + "13.2", retries);
        radio.ReadRadioParameters();
        EXPECT_EQ(radio.maxRetriesSpin_->Text(), retries);
        EXPECT_FALSE(radio.ChangeButtons[5]->isEnabled()) << "a read is no edit";
    }
}

// The table buttons, unlike the change buttons, send without the popup.
TEST_F(SettingsPage, InterfaceCommandsGoOutWithoutThePopup) {
    InterfacesPage page(session, host);
    // The window's order: the radio group's "Refresh", then the tables'.
    EXPECT_EQ(host.consoleButtons,
              (std::vector<QAbstractButton*>{page.RadioSettings()->refreshRadioButton_,
                                             page.createAliasButton_, page.deleteAliasButton_,
                                             page.updateInterfaceButton_, page.infoShowButton_}));
    page.infoShowButton_->click();
    EXPECT_EQ(host.lines, std::vector<std::string>{"ifc "});
    EXPECT_EQ(host.code, ReplyCode::InterfaceInfo);
    EXPECT_TRUE(host.popups.isEmpty());
}

}  // namespace
}  // namespace tessel
