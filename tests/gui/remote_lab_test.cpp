// The window against a lab router on the far side of a real link (its own
// network namespace behind a veth pair), on the router's real ports 23 and
// 161, with a slow link of 2 ms per reply: the source-address list, a whole
// session, and logging in again from the loopback entry, which must not end
// the program. Skipped where the machine cannot make the lab.

#include "support/remote_lab.hpp"
#include "logged_in_window.hpp"
#include "views/system/system_page.hpp"

#include <QElapsedTimer>
#include <QToolButton>

#include <algorithm>
#include <cstdio>

namespace tessel {
namespace {

using test::LabRouter;
using test::LoggedInWindow;
using test::WaitFor;

constexpr const char* kReplyDelayMs = "2";

// Made before the window fixture, which starts the router in the lab.
struct LabHolder {
    test::RemoteLab lab;
};

LabRouter InTheLab(const test::RemoteLab& lab) {
    if (!lab.Available()) {
        return {};
    }
    // No source is forced: the window's own list, first entry selected.
    return {.arguments = {"--bind", lab.RouterAddress(), "--snmp-port", "161", "--console-port",
                          "23", "--reply-delay-ms", kReplyDelayMs},
            .launcher = lab.Launcher(),
            .host = lab.RouterAddress(),
            .source = QString()};
}

class RemoteRouter : protected LabHolder, public LoggedInWindow {
  protected:
    RemoteRouter() : LoggedInWindow(InTheLab(lab)) {}

    void SetUp() override {
        if (!lab.Available()) {
            GTEST_SKIP() << lab.Reason();
        }
        QElapsedTimer clock;
        clock.start();
        LoggedInWindow::SetUp();
        loginMs_ = clock.elapsed();
    }

    QStringList SourceEntries() const {
        QStringList entries;
        for (int i = 0; i < form->ComboBox13->count(); ++i) {
            entries.append(form->ComboBox13->itemText(i));
        }
        return entries;
    }

    qint64 loginMs_ = 0;
};

TEST_F(RemoteRouter, WholeSessionAcrossTheLinkThenLoginAgainFromLoopback) {
    std::printf(
        "[   LOAD   ] login and post-login load from %s across the link, "
        "reply delay %s ms: %lld ms\n",
        lab.RouterAddress().c_str(), kReplyDelayMs, static_cast<long long>(loginMs_));
    RecordProperty("login_and_load_ms", std::to_string(loginMs_));

    // The list holds the host's interface addresses, this end of the link
    // among them, the real ones before loopback.
    const QStringList entries = SourceEntries();
    ASSERT_FALSE(entries.isEmpty());
    EXPECT_TRUE(entries.contains(QString::fromStdString(lab.ManagerAddress())))
        << entries.join(' ').toStdString();
    EXPECT_FALSE(entries.first().startsWith("127.")) << entries.join(' ').toStdString();
    EXPECT_TRUE(entries.last().startsWith("127.")) << entries.join(' ').toStdString();

    // Everything crossed the link: the console left from the selected entry,
    // SNMP from this end of the link.
    EXPECT_EQ(Log().Field("console-connect", "peer"),
              std::vector<std::string>{entries.first().toStdString()});
    const std::vector<std::string> snmpFrom = Log().Field("snmp", "from");
    ASSERT_FALSE(snmpFrom.empty());
    EXPECT_EQ(std::count(snmpFrom.begin(), snmpFrom.end(), lab.ManagerAddress()),
              static_cast<long>(snmpFrom.size()));

    // One console command, and the page read again over SNMP after it.
    auto* page = Find<TSystemPage>("system");
    ASSERT_NE(page, nullptr);
    TypeInto(page->Edit1, QStringLiteral("far north"));
    const std::size_t before = ConsoleLines().size();
    page->SystemChangeButtons[0]->click();
    EXPECT_EQ(WaitForLines(before, 1), std::vector<std::string>{"sys name far north"});
    const QString caption = QStringLiteral("far north: %1 - Tessel Manager")
                                .arg(QString::fromStdString(lab.RouterAddress()));
    EXPECT_TRUE(WaitFor([&] {
        return form->windowTitle() == caption && form->Console().Code() == ReplyCode::Idle;
    })) << form->windowTitle().toStdString();
    bool commandSeen = false;
    bool reReadAfter = false;
    const test::RouterLog log = Log();
    for (const test::RouterLogEntry& entry : log.Entries()) {
        commandSeen = commandSeen || entry.Field("line") == "sys name far north";
        reReadAfter = reReadAfter || (commandSeen && entry.event == "snmp" &&
                                      entry.AsksBelow("1.3.6.1.2.1.1.5.0"));
    }
    EXPECT_TRUE(reReadAfter) << "sysName was not read again after the command";

    // Log out.
    messages.answers = {true};
    form->Button29->click();
    EXPECT_FALSE(form->IsManagedLayout());
    EXPECT_TRUE(
        WaitFor([&] { return Log().Field("console-disconnect", "connection").size() == 1; }));

    // Log in again from the loopback entry, which cannot reach the router:
    // the console goes out unbound instead of failing.
    EXPECT_EQ(SourceEntries(), entries) << "the list was refilled differently";
    Choose(form->ComboBox13, entries.last());
    LogIn();
    const std::vector<std::string> peers = Log().Field("console-connect", "peer");
    ASSERT_EQ(peers.size(), 2u);
    EXPECT_EQ(peers[1], lab.ManagerAddress());
    for (const auto& box : messages.boxes) {
        EXPECT_NE(box.text, "Client Socket Error. Quiting");
    }
}

}  // namespace
}  // namespace tessel
