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

#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace tessel {
namespace {

// What a page did: its name and the step it read, or the reply it took.
using PageRead = std::pair<std::string, ReadStep>;
using PageReply = std::pair<std::string, ReplyAction>;

// Every request numbered; gets from failFrom on fail (failCount of them, then
// the router answers again). GetNext walks always answer.
struct FakeRouter {
    bool Get(const std::string& host, std::string& value) {
        hosts.push_back(host);
        ++requests;
        ++gets;
        const bool fails = failFrom > 0 && gets >= failFrom && gets < failFrom + failCount;
        value = fails ? "" : "lab";
        return !fails;
    }
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

// Each read: four counted reads and one step of a walk.
class FakePage : public Page {
  public:
    FakePage(std::string name, std::vector<ReadStep> steps, std::vector<ReplyAction> replies,
             Session& session, std::vector<PageRead>& reads, std::vector<PageReply>& replied)
        : name_(std::move(name)),
          steps_(std::move(steps)),
          replies_(std::move(replies)),
          session_(session),
          reads_(reads),
          replied_(replied) {}

    std::span<const ReadStep> Steps() const override { return steps_; }
    std::span<const ReplyAction> Replies() const override { return replies_; }
    void Read(ReadStep step) override {
        reads_.emplace_back(name_, step);
        std::string value;
        for (int i = 0; i < 4; ++i) {
            session_.GetCounted("1.3.6.1.2.1.1.5.0", value);
        }
        std::string oid = "1.3.6.1.2.1.2.2.1.2";
        session_.GetNext(oid, value);
    }
    void ConsoleReply(ReplyAction action, const std::string&) override {
        replied_.emplace_back(name_, action);
    }

  private:
    std::string name_;
    std::vector<ReadStep> steps_;
    std::vector<ReplyAction> replies_;
    Session& session_;
    std::vector<PageRead>& reads_;
    std::vector<PageReply>& replied_;
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
        pageTimer_ = new QTimer(&area_);
        controller_->AddReadTimer(pageTimer_, [this] { pages_[5]->Read(ReadStep::QosTable); });
        messages_.onBox = [this] {
            requestsAtQuestion_ = router_.requests;
            readsAtQuestion_ = reads_.size();
        };
    }
    ~Controller() override { SetEndProcessFunction({}); }

    SnmpTransport Transport() {
        return {[this](const std::string&, const std::string&, const std::string& host,
                       std::string& value) { return router_.Get(host, value); },
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
                                                        s, reads_, replied_));
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

    static std::string OwnerOf(ReadStep step) {
        switch (step) {
            case ReadStep::SystemSettings:
            case ReadStep::RmaSettings:
                return "system";
            case ReadStep::Interfaces:
            case ReadStep::RadioInterfaceList:
            case ReadStep::RadioParameters:
                return "interfaces";
            case ReadStep::CpeTable:
                return "bs";
            case ReadStep::BsList:
                return "cpe";
            case ReadStep::RoutingTable:
                return "routing";
            case ReadStep::QosTable:
                return "qos";
        }
        return {};
    }
    static std::vector<PageRead> OnOwners(std::vector<ReadStep> steps) {
        std::vector<PageRead> reads;
        for (const ReadStep step : steps) {
            reads.emplace_back(OwnerOf(step), step);
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
        block_.Edit5->setText(QStringLiteral("127.0.0.1"));
        block_.Edit12->setText(QStringLiteral("admin"));
        block_.Edit13->setText(QStringLiteral("admin"));
        block_.Edit15->setText(QStringLiteral("public"));
        block_.ComboBox13->addItem(QStringLiteral("127.0.0.1"));
        controller_->Login().Button1Click();
        // An edit while the console opens: the session keeps what "Login" took.
        block_.Edit5->setText(QStringLiteral("192.0.2.7"));
        ASSERT_TRUE(test::WaitFor(
            [this] { return window_.managed || !messages_.boxes.empty() || exitStatus_ != -1; }));
        ASSERT_EQ(exitStatus_, -1);
    }
    void LogInAnswered() {
        LogIn();
        ASSERT_TRUE(window_.managed);
        ASSERT_TRUE(test::WaitFor([this] { return Code() == ReplyCode::Idle; }));
        reads_.clear();
        replied_.clear();
    }
    ReplyCode Code() { return controller_->Console().Code(); }
    QTimer* LiveTimer(const char* name) { return area_.findChild<QTimer*>(QLatin1String(name)); }
    // From the next get on, every get fails.
    void FallSilent(int failCount = 1000000) {
        router_.failFrom = router_.gets + 1;
        router_.failCount = failCount;
    }
    void SendAndWaitForReads(const ConsoleCommand& command, std::size_t reads) {
        ASSERT_TRUE(controller_->SendCommand(command));
        ASSERT_TRUE(test::WaitFor([&] { return reads_.size() >= reads && !Pending(); }))
            << command.line;
    }
    bool Pending() { return Code() != ReplyCode::Idle; }

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
    std::vector<PageRead> reads_;
    std::vector<PageReply> replied_;
    int requestsAtQuestion_ = -1;
    std::size_t readsAtQuestion_ = 0;
    int exitStatus_ = -1;
};

// The login's probes: the first and one repeat.
constexpr int ProbeGets = 2;
// Each page read makes four counted reads; the load ends with the caption's.
constexpr int GetsPerStep = 4;

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
        SendAndWaitForReads(command, steps.size());
        EXPECT_EQ(reads_, OnOwners(steps)) << command.line;
    }
    EXPECT_TRUE(replied_.empty());

    // The delete before an add and a report reach their page alone, and read
    // nothing.
    reads_.clear();
    const BsGridRow row{"1A", "6000", "5180", "false", "1"};
    ASSERT_TRUE(controller_->SendCommand(BsReplaceCommands({&row, 1}, "rf5.0", "1A", "6000")[0]));
    ASSERT_TRUE(test::WaitFor([this] { return !replied_.empty(); }));
    ASSERT_TRUE(controller_->SendCommand({"loadm  -w 1 eth0", reply::LoadMeterStart}));
    ASSERT_TRUE(test::WaitFor([this] { return replied_.size() >= 2; }));
    EXPECT_EQ(replied_, (std::vector<PageReply>{{"cpe", ReplyAction::SendAddBsRecord},
                                                {"meter", ReplyAction::ClearLoadMeter}}));
    EXPECT_TRUE(reads_.empty());
}

// "Yes" where the 21st failure in a row falls: in the middle of a step (its
// other reads skipped), on the last read of the last step, on the caption's
// read that ends the load.
class YesDuringTheLoad : public Controller, public ::testing::WithParamInterface<int> {};

TEST_P(YesDuringTheLoad, EndsItWithNothingMoreSent) {
    messages_.answers = {true};
    router_.failFrom = ProbeGets + GetParam();
    LogIn();
    ExpectEndedAtTheLimit();
    EXPECT_FALSE(controller_->SessionLoaded());
}

constexpr int LoadPageGets = 9 * GetsPerStep;
INSTANTIATE_TEST_SUITE_P(Controller, YesDuringTheLoad,
                         ::testing::Values(1, LoadPageGets - 20, LoadPageGets + 1 - 20));

// "Yes" in "Refresh all" (the 21st failure in its last step), in the reads
// after a command (in the first of its two steps) and in a timer's tick.
enum class Pass { RefreshAll, AfterCommand, TimerTick };
class YesDuringAPass : public Controller, public ::testing::WithParamInterface<Pass> {};

TEST_P(YesDuringAPass, EndsItWithNothingMoreSent) {
    LogInAnswered();
    messages_.answers = {true};
    FallSilent();
    switch (GetParam()) {
        case Pass::RefreshAll:
            controller_->RefreshAll();
            break;
        case Pass::AfterCommand:
            for (int i = 0; i < 17; ++i) {
                test::FireTimer(LiveTimer("Timer8"));
            }
            controller_->SendCommand(CreateAliasCommand("eth0", "10.0.0.1", "").value());
            ASSERT_TRUE(test::WaitFor([this] { return !messages_.boxes.empty(); }));
            break;
        case Pass::TimerTick:
            for (int i = 0; i < 6; ++i) {
                test::FireTimer(pageTimer_);
            }
            break;
    }
    ExpectEndedAtTheLimit();
}

INSTANTIATE_TEST_SUITE_P(Controller, YesDuringAPass,
                         ::testing::Values(Pass::RefreshAll, Pass::AfterCommand, Pass::TimerTick));

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

}  // namespace
}  // namespace tessel
