// The window against a lab router on the far side of a real link (its own
// network namespace behind a veth pair), on the router's real ports 23 and
// 161, with a slow link of 2 ms per reply. The lab is as unforgiving as the
// field: the router answers only its own link, and the host lists other
// interfaces (its LAN, a decoy) before the link's. A whole session from the
// window's own first entry, then a login from every entry of the source list;
// none may end the program. The kinder lab, whose router has a route back to
// every address of the host, runs the same.

#include "support/remote_lab.hpp"
#include "logged_in_window.hpp"
#include "views/system/system_page.hpp"

#include <QElapsedTimer>
#include <QToolButton>

#include <algorithm>
#include <cstdio>
#include <ostream>

namespace tessel::test {

const char* LabRoutesName(LabRoutes routes) {
    return routes == LabRoutes::LinkOnly ? "LinkOnly" : "BackRoute";
}

// Names the case in the test list (and so in CTest) instead of its bytes.
void PrintTo(LabRoutes routes, std::ostream* out) {
    *out << LabRoutesName(routes);
}

}  // namespace tessel::test

namespace tessel {
namespace {

using test::LabRouter;
using test::LabRoutes;
using test::LoggedInWindow;
using test::WaitFor;

constexpr const char* kReplyDelayMs = "2";

// Made before the window fixture, which starts the router in the lab.
struct LabHolder {
    explicit LabHolder(LabRoutes routes) : lab(routes) {}
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

class RemoteRouter : protected LabHolder,
                     public LoggedInWindow,
                     public ::testing::WithParamInterface<LabRoutes> {
  protected:
    RemoteRouter() : LabHolder(GetParam()), LoggedInWindow(InTheLab(lab)) {}

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
        for (int i = 0; i < form->sourceAddressCombo_->count(); ++i) {
            entries.append(form->sourceAddressCombo_->itemText(i));
        }
        return entries;
    }

    // The console peers the router has seen so far, one per login.
    std::vector<std::string> Peers() const { return Log().Field("console-connect", "peer"); }

    void LogOut() {
        const std::size_t before = Log().Field("console-disconnect", "connection").size();
        messages.answers = {true};
        form->logOutButton_->click();
        EXPECT_FALSE(form->IsManagedLayout());
        EXPECT_TRUE(WaitFor(
            [&] { return Log().Field("console-disconnect", "connection").size() > before; }));
    }

    // One console command, and the page read again over SNMP after it.
    void ChangeSystemName() {
        auto* page = Find<SystemPage>("system");
        ASSERT_NE(page, nullptr);
        TypeInto(page->systemNameEdit_, QStringLiteral("far north"));
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
    }

    qint64 loginMs_ = 0;
};

TEST_P(RemoteRouter, WholeSessionFromTheFirstEntryThenLoginFromEveryEntry) {
    std::printf(
        "[   LOAD   ] login and post-login load from %s across the link, "
        "reply delay %s ms: %lld ms\n",
        lab.RouterAddress().c_str(), kReplyDelayMs, static_cast<long long>(loginMs_));
    RecordProperty("login_and_load_ms", std::to_string(loginMs_));

    // The list holds the host's interface addresses, the decoy before this
    // end of the link, the real ones before loopback: the entry selected by
    // default is off the link.
    const std::string link = lab.ManagerAddress();
    const QStringList entries = SourceEntries();
    const std::string shown = entries.join(' ').toStdString();
    const qsizetype decoyAt = entries.indexOf(QString::fromStdString(lab.DecoyAddress()));
    ASSERT_GE(decoyAt, 0) << shown;
    ASSERT_GT(entries.indexOf(QString::fromStdString(link)), decoyAt) << shown;
    EXPECT_TRUE(entries.last().startsWith("127.")) << shown;

    // Everything crossed the link from this end of it: the console, whose
    // selected source the router could not have answered, and SNMP.
    EXPECT_EQ(Peers(), std::vector<std::string>{link});
    const std::vector<std::string> snmpFrom = Log().Field("snmp", "from");
    ASSERT_FALSE(snmpFrom.empty());
    EXPECT_EQ(std::count(snmpFrom.begin(), snmpFrom.end(), link),
              static_cast<long>(snmpFrom.size()));

    ChangeSystemName();
    LogOut();

    // Whichever entry the operator picks, the login and its load complete.
    for (const QString& entry : SourceEntries()) {
        SCOPED_TRACE("source " + entry.toStdString());
        Choose(form->sourceAddressCombo_, entry);
        LogIn();
        if (HasFatalFailure()) {
            return;
        }
        EXPECT_EQ(Peers().back(), link);
        LogOut();
    }
    for (const auto& box : messages.boxes) {
        EXPECT_NE(box.text, "Client Socket Error. Quiting");
    }
}

INSTANTIATE_TEST_SUITE_P(Lab, RemoteRouter,
                         ::testing::Values(LabRoutes::LinkOnly, LabRoutes::BackRoute),
                         [](const ::testing::TestParamInfo<LabRoutes>& info) {
                             return std::string(test::LabRoutesName(info.param));
                         });

}  // namespace
}  // namespace tessel
