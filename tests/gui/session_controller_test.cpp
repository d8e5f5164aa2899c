// The session controller without a window: fake pages that record their
// reads, a scripted SNMP transport that can fall silent at a chosen request,
// and a console that plays the router's login on loopback. The load order,
// the reads after each kind of command, and the error limit at several
// points of every kind of pass.

#include "app/session_controller.hpp"
#include "app/console_channel.hpp"
#include "app/login_block.hpp"
#include "app/login_flow.hpp"
#include "app/process_exit.hpp"
#include "app/session_window.hpp"
#include "core/router/bs_records.hpp"
#include "core/router/cpe_commands.hpp"
#include "core/router/interface_commands.hpp"
#include "core/router/radio_commands.hpp"
#include "core/router/system_commands.hpp"
#include "core/session/load_order.hpp"
#include "fake_console.hpp"
#include "fire_timer.hpp"
#include "scripted_messages.hpp"
#include "wait_for.hpp"

#include <QComboBox>
#include <QLineEdit>
#include <QTimer>
#include <QToolButton>

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace tessel {
namespace {

// What a page did: its name and the step it read, or the reply it took.
using PageRead = std::pair<std::string, ReadStep>;
using PageReply = std::pair<std::string, ReplyAction>;

// Gets from failFrom on fail (failCount of them, then the router answers
// again); GetNext walks always answer.
struct FakeRouter {
    int requests = 0;
    int gets = 0;
    int failFrom = 0;
    int failCount = 1000000;
    std::vector<std::string> hosts;
};

class FakeWindow : public SessionWindow {
  public:
    void ShowLoadProgress(int) override {}
    void ShowStatusBar() override {}
    void ShowManagedLayout() override { managed = true; }
    void ShowLoginLayout() override {
        managed = false;
        caption = QStringLiteral("Tessel Manager - Login");
    }
    void SetCaption(const QString& text) override { caption = text; }
    void ShowStatusPopup(const QString&) override {}
    QToolButton* MakeHelpButton(QWidget* parent, const QString&) override {
        return new QToolButton(parent);
    }
    void ShowPanelText(int, const QString&) override {}
    void RequestCountsChanged(long, long, long) override {}
    void ShowInterfaceInfo(const QString&) override {}
    void CloseWindow() override {}

    bool managed = false;
    QString caption;
};

struct Records {
    std::vector<PageRead> reads;
    std::vector<PageReply> replies;
};

// Each read: one step of a walk, then four counted reads (so a step can
// end on the failing read with nothing of it skipped).
class FakePage : public Page {
  public:
    FakePage(std::string name, std::vector<ReadStep> steps, std::vector<ReplyAction> replies,
             Session& session, Records& records)
        : name(std::move(name)),
          steps_(std::move(steps)),
          replies_(std::move(replies)),
          session_(session),
          records_(records) {}

    std::span<const ReadStep> Steps() const override { return steps_; }
    std::span<const ReplyAction> Replies() const override { return replies_; }
    void Read(ReadStep step) override {
        records_.reads.emplace_back(name, step);
        std::string value;
        std::string oid = "1.3.6.1.2.1.2.2.1.2";
        session_.GetNext(oid, value);
        for (int i = 0; i < 4; ++i) {
            session_.GetCounted("1.3.6.1.2.1.1.5.0", value);
        }
    }
    void ConsoleReply(ReplyAction action, const std::string&) override {
        records_.replies.emplace_back(name, action);
    }

    const std::string name;

  private:
    std::vector<ReadStep> steps_;
    std::vector<ReplyAction> replies_;
    Session& session_;
    Records& records_;
};

class Controller : public ::testing::Test {
  protected:
    Controller() : console_(test::FakeConsole::Ending::CloseSilentlyOnQuit) {
        SetEndProcessFunction([this](int status) { exitStatus_ = status; });
        block_.BuildLoginBlock(&area_);
        RuntimeConfig config;
        config.consolePort = console_.Port();
        controller_ = new SessionController(Transport(), config, window_, block_, &area_);
        AddPages();
        // Ticks come only when a test fires them.
        for (const char* name : {"Timer1", "Timer8"}) {
            area_.findChild<QTimer*>(QLatin1String(name))->setInterval(3600000);
        }
        // Running, as a page's auto-update is: the question holds it too.
        pageTimer_ = new QTimer(&area_);
        pageTimer_->start(3600000);
        controller_->AddReadTimer(pageTimer_, [this] { pages_[5]->Read(ReadStep::QosTable); });
        messages_.onBox = [this] {
            requestsAtQuestion_ = router_.requests;
            readsAtQuestion_ = reads_.size();
        };
    }
    ~Controller() override { SetEndProcessFunction({}); }

    SnmpTransport Transport() {
        return {[this](const std::string&, const std::string&, const std::string& host,
                       std::string& value) {
                    FakeRouter& r = router_;
                    r.hosts.push_back(host);
                    ++r.requests;
                    ++r.gets;
                    const bool fails =
                        r.failFrom > 0 && r.gets >= r.failFrom && r.gets < r.failFrom + r.failCount;
                    value = fails ? "" : "lab";
                    return !fails;
                },
                [this](std::string&, const std::string&, const std::string&, std::string& value) {
                    ++router_.requests;
                    value = "x";
                    return true;
                }};
    }

    void AddPages() {
        using enum ReadStep;
        Session& s = controller_->CurrentSession();
        const auto add = [&](const char* name, std::vector<ReadStep> steps,
                             std::vector<ReplyAction> replies = {}) {
            pages_.push_back(std::make_unique<FakePage>(name, std::move(steps), std::move(replies),
                                                        s, records_));
            controller_->AddPage(*pages_.back());
        };
        add("system", {SystemSettings, RmaSettings});
        add("interfaces", {Interfaces, RadioInterfaceList, RadioParameters});
        add("bs", {CpeTable});
        add("cpe", {BsList}, {ReplyAction::SendAddBsRecord});
        add("routing", {RoutingTable}, {ReplyAction::ArpTable});
        add("qos", {QosTable});
        add("meter", {}, {ReplyAction::ClearLoadMeter, ReplyAction::LoadMeterRow});
    }

    std::vector<PageRead> OnOwners(const std::vector<ReadStep>& steps) const {
        std::vector<PageRead> reads;
        for (const ReadStep step : steps) {
            for (const auto& page : pages_) {
                if (std::ranges::count(page->Steps(), step) > 0) {
                    reads.emplace_back(page->name, step);
                }
            }
        }
        return reads;
    }
    static std::vector<ReadStep> LoadSteps() {
        std::vector<ReadStep> steps;
        for (const LoadStep& load : PostLoginLoadOrder()) {
            steps.push_back(load.step);
        }
        return steps;
    }

    // Logs in to the fake console; returns once the load has run (or ended
    // at the error limit).
    void LogIn() {
        block_.destinationAddressEdit_->setText(QStringLiteral("127.0.0.1"));
        block_.loginNameEdit_->setText(QStringLiteral("admin"));
        block_.passwordEdit_->setText(QStringLiteral("admin"));
        block_.communityEdit_->setText(QStringLiteral("public"));
        block_.sourceAddressCombo_->addItem(QStringLiteral("127.0.0.1"));
        controller_->Login().OnLogin();
        // An edit while the console opens: the session keeps what "Login" took.
        block_.destinationAddressEdit_->setText(QStringLiteral("192.0.2.7"));
        ASSERT_TRUE(test::WaitFor(
            [this] { return window_.managed || !messages_.boxes.empty() || exitStatus_ != -1; }));
        ASSERT_EQ(exitStatus_, -1);
    }
    void LogInAnswered() {
        LogIn();
        ASSERT_TRUE(window_.managed);
        ASSERT_TRUE(test::WaitFor([this] { return Code() == ReplyCode::Idle; }));
        records_ = {};
    }
    ReplyCode Code() { return controller_->Console().Code(); }
    QTimer* LiveTimer(const char* name) { return area_.findChild<QTimer*>(QLatin1String(name)); }
    // From the next get on, every get fails.
    void FallSilent(int failCount = 1000000) {
        router_.failFrom = router_.gets + 1;
        router_.failCount = failCount;
    }

    // After "Yes": back at the login layout, no page read again and nothing
    // more was sent, and neither a timer nor "Refresh all" reads.
    void ExpectEndedAtTheLimit() {
        ASSERT_EQ(messages_.boxes.size(), 1u);
        EXPECT_EQ(messages_.boxes[0].text, "Too many errors in a row. Quit?");
        EXPECT_EQ(messages_.boxes[0].caption, "Warning");
        EXPECT_FALSE(window_.managed);
        EXPECT_EQ(window_.caption, "Tessel Manager - Login");
        for (QTimer* timer : {LiveTimer("Timer1"), LiveTimer("Timer8"), pageTimer_}) {
            EXPECT_FALSE(timer->isActive());
            test::FireTimer(timer);
        }
        controller_->RefreshAll();
        QTest::qWait(50);
        EXPECT_EQ(router_.requests, requestsAtQuestion_);
        EXPECT_EQ(reads_.size(), readsAtQuestion_);
        EXPECT_EQ(messages_.boxes.size(), 1u);
    }

    test::ScriptedMessages messages_;
    test::FakeConsole console_;
    FakeRouter router_;
    FakeWindow window_;
    QWidget area_;
    LoginBlock block_;
    SessionController* controller_;
    QTimer* pageTimer_;
    std::vector<std::unique_ptr<FakePage>> pages_;
    Records records_;
    std::vector<PageRead>& reads_ = records_.reads;
    std::vector<PageReply>& replied_ = records_.replies;
    int requestsAtQuestion_ = -1;
    std::size_t readsAtQuestion_ = 0;
    int exitStatus_ = -1;
};

// The login's probes: the first and one repeat.
constexpr int ProbeGets = 2;

TEST_F(Controller, LoadReadsEachStepOnItsOwnerInOrderThenAsksForTheArpTable) {
    LogIn();
    ASSERT_TRUE(window_.managed);
    EXPECT_EQ(reads_, OnOwners(LoadSteps()));
    EXPECT_EQ(window_.caption, "lab: 127.0.0.1 - Tessel Manager");
    EXPECT_TRUE(controller_->SessionLoaded());
    ASSERT_TRUE(test::WaitFor([this] { return !replied_.empty(); }));
    EXPECT_EQ(replied_, (std::vector<PageReply>{{"routing", ReplyAction::ArpTable}}));
    EXPECT_EQ(console_.Lines(), (std::vector<std::string>{"1", "admin", "admin", "arp view"}));
    // Every request went to the destination "Login" took.
    EXPECT_EQ(router_.hosts, std::vector<std::string>(router_.hosts.size(), "127.0.0.1"));
    EXPECT_TRUE(messages_.boxes.empty());
}

TEST_F(Controller, EachCommandRereadsWhatItNamesOnTheOwningPages) {
    LogInAnswered();
    using enum ReadStep;
    const std::pair<ConsoleCommand, std::vector<ReadStep>> commands[] = {
        {SystemNameCommand("lab"), {SystemSettings}},
        {RmaStartCommand(true), {RmaSettings}},
        {RadioValueCommand("rf5.0", RadioValue::Frequency, "5180").value(), {RadioParameters}},
        {CreateAliasCommand("eth0", "10.0.0.1", "255.0.0.0").value(), {Interfaces, RoutingTable}},
        {CpeAddCommand({"rf5.0", "roof", "00:1c:2e:aa:10:01", "10.0.0.9", true}), {CpeTable}},
        {BsAddCommand("rf5.0", "1A", "6000", std::vector<std::string>{"5180"}).value(),
         {BsList, RmaSettings}},
    };
    for (const auto& [command, steps] : commands) {
        reads_.clear();
        ASSERT_TRUE(controller_->SendCommand(command));
        ASSERT_TRUE(test::WaitFor([&] { return reads_.size() >= steps.size(); })) << command.line;
        EXPECT_EQ(reads_, OnOwners(steps)) << command.line;
    }
    EXPECT_TRUE(replied_.empty());

    // The delete before an add and a report reach their page alone, and read
    // nothing.
    reads_.clear();
    const BsGridRow row{"1A", "6000", "5180", "false", "1"};
    ASSERT_TRUE(controller_->SendCommand(BsReplaceCommands({&row, 1}, "rf5.0", "1A", "6000")[0]));
    ASSERT_TRUE(test::WaitFor([this] { return !replied_.empty(); }));
    ASSERT_TRUE(controller_->SendCommand({"loadm  -w 1 eth0", ReplyCode::LoadMeterStart}));
    ASSERT_TRUE(test::WaitFor([this] { return replied_.size() >= 2; }));
    EXPECT_EQ(replied_, (std::vector<PageReply>{{"cpe", ReplyAction::SendAddBsRecord},
                                                {"meter", ReplyAction::ClearLoadMeter}}));
    EXPECT_TRUE(reads_.empty());
}

// "Yes" where the 21st failure in a row falls: in the load, in the middle of
// a step (its other reads skipped), on the last read of the last step, on the
// caption's read that ends it; in "Refresh all" (in its last step), in the
// reads after a command (the first of two steps), in a timer's tick.
enum class Limit { LoadMidStep, LoadLastStep, LoadCaption, RefreshAll, AfterCommand, TimerTick };
class YesAtTheLimit : public Controller, public ::testing::WithParamInterface<Limit> {};

TEST_P(YesAtTheLimit, EndsThePassWithNothingMoreRead) {
    const Limit limit = GetParam();
    if (limit <= Limit::LoadCaption) {
        // The 21st failure on the load's 21st, 36th (of 9 x 4) or 37th read.
        router_.failFrom = ProbeGets + std::array{1, 16, 17}[static_cast<std::size_t>(limit)];
        messages_.answers = {true};
        LogIn();
        EXPECT_FALSE(controller_->SessionLoaded());
    } else {
        LogInAnswered();
        messages_.answers = {true};
        FallSilent();
    }
    if (limit == Limit::RefreshAll) {
        controller_->RefreshAll();
    } else if (limit == Limit::AfterCommand) {
        for (int i = 0; i < 17; ++i) {
            test::FireTimer(LiveTimer("Timer8"));
        }
        controller_->SendCommand(CreateAliasCommand("eth0", "10.0.0.1", "").value());
        ASSERT_TRUE(test::WaitFor([this] { return !messages_.boxes.empty(); }));
    } else if (limit == Limit::TimerTick) {
        for (int i = 0; i < 6; ++i) {
            test::FireTimer(pageTimer_);
        }
    }
    ExpectEndedAtTheLimit();
}

INSTANTIATE_TEST_SUITE_P(Controller, YesAtTheLimit,
                         ::testing::Values(Limit::LoadMidStep, Limit::LoadLastStep,
                                           Limit::LoadCaption, Limit::RefreshAll,
                                           Limit::AfterCommand, Limit::TimerTick));

TEST_F(Controller, NoGoesOnAndReadsTheInterruptedStepAgain) {
    // Twenty-one failures from the load's first read: the 21st is the first
    // read of the sixth step, whose other reads were skipped.
    router_.failFrom = ProbeGets + 1;
    router_.failCount = 21;
    LogIn();
    ASSERT_EQ(messages_.boxes.size(), 1u);
    std::vector<ReadStep> steps = LoadSteps();
    steps.insert(steps.begin() + 6, steps[5]);
    EXPECT_EQ(reads_, OnOwners(steps));
    EXPECT_TRUE(window_.managed);
    EXPECT_TRUE(controller_->SessionLoaded());
    EXPECT_TRUE(LiveTimer("Timer8")->isActive());

    // "Refresh all" likewise.
    ASSERT_TRUE(test::WaitFor([this] { return Code() == ReplyCode::Idle; }));
    reads_.clear();
    FallSilent(21);
    controller_->RefreshAll();
    ASSERT_EQ(messages_.boxes.size(), 2u);
    steps = {RefreshAllOrder().begin(), RefreshAllOrder().end()};
    steps.insert(steps.begin() + 6, steps[5]);
    EXPECT_EQ(reads_, OnOwners(steps));

    // A tick whose one read was the failing one has nothing to read again.
    const int gets = router_.gets;
    FallSilent(21);
    for (int i = 0; i < 21; ++i) {
        test::FireTimer(LiveTimer("Timer8"));
    }
    EXPECT_EQ(messages_.boxes.size(), 3u);
    EXPECT_EQ(router_.gets, gets + 21);
}

TEST_F(Controller, NoInACommandsRereadsOrAPageTickGoesOnWithTheRest) {
    LogInAnswered();
    // The 21st failure is the last read of the first of two steps: "No" goes
    // on with the second and reads nothing again.
    FallSilent(21);
    for (int i = 0; i < 17; ++i) {
        test::FireTimer(LiveTimer("Timer8"));
    }
    ASSERT_TRUE(controller_->SendCommand(
        BsAddCommand("rf5.0", "1A", "6000", std::vector<std::string>{"5180"}).value()));
    ASSERT_TRUE(test::WaitFor([this] { return !messages_.boxes.empty(); }));
    EXPECT_EQ(reads_, OnOwners({ReadStep::BsList, ReadStep::RmaSettings}));

    // A page's tick failing on its first read, the rest skipped: read again,
    // and the timer runs on.
    reads_.clear();
    FallSilent(21);
    for (int i = 0; i < 6; ++i) {
        test::FireTimer(pageTimer_);
    }
    EXPECT_EQ(messages_.boxes.size(), 2u);
    EXPECT_EQ(reads_, std::vector<PageRead>(7, {"qos", ReadStep::QosTable}));
    EXPECT_TRUE(pageTimer_->isActive());
}

}  // namespace
}  // namespace tessel
