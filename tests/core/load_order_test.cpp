#include "core/session/load_order.hpp"

#include "core/router/bs_records.hpp"
#include "core/router/cpe_commands.hpp"
#include "core/router/interface_commands.hpp"
#include "core/router/radio_commands.hpp"
#include "core/router/system_commands.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

namespace tessel {
namespace {

std::vector<ReadStep> LoadSteps() {
    std::vector<ReadStep> steps;
    for (const LoadStep& load : PostLoginLoadOrder()) {
        steps.push_back(load.step);
    }
    return steps;
}

std::ptrdiff_t Position(const std::vector<ReadStep>& steps, ReadStep step) {
    return std::find(steps.begin(), steps.end(), step) - steps.begin();
}

TEST(LoadOrder, EveryReadOnceWithWhatItNeedsReadBefore) {
    const std::vector<ReadStep> steps = LoadSteps();
    ASSERT_EQ(steps.size(), 9U);
    for (const ReadStep step : steps) {
        EXPECT_EQ(std::count(steps.begin(), steps.end(), step), 1);
    }
    // Radio names come from the interface names; the base-station tables
    // and the routing table name radios and interfaces.
    EXPECT_LT(Position(steps, ReadStep::Interfaces), Position(steps, ReadStep::RadioInterfaceList));
    EXPECT_LT(Position(steps, ReadStep::RadioInterfaceList),
              Position(steps, ReadStep::RadioParameters));
    EXPECT_LT(Position(steps, ReadStep::RadioInterfaceList), Position(steps, ReadStep::CpeTable));
    EXPECT_LT(Position(steps, ReadStep::RadioInterfaceList), Position(steps, ReadStep::BsList));
    EXPECT_LT(Position(steps, ReadStep::Interfaces), Position(steps, ReadStep::RoutingTable));
    EXPECT_EQ(steps.front(), ReadStep::SystemSettings);
}

TEST(LoadOrder, ProgressOnlyGrowsAndStopsShortOfTheArpRequest) {
    int last = 0;
    for (const LoadStep& load : PostLoginLoadOrder()) {
        if (load.progress != 0) {
            EXPECT_GT(load.progress, last);
            last = load.progress;
        }
    }
    EXPECT_LT(last, 100);
}

TEST(LoadOrder, RefreshAllFollowsTheLoadWithoutTheOncePerLoginAndLargeTables) {
    const std::vector<ReadStep> steps = LoadSteps();
    std::ptrdiff_t previous = -1;
    for (const ReadStep step : RefreshAllOrder()) {
        const std::ptrdiff_t at = Position(steps, step);
        EXPECT_GT(at, previous);
        previous = at;
    }
    const auto refresh = RefreshAllOrder();
    for (const ReadStep left :
         {ReadStep::RadioInterfaceList, ReadStep::RoutingTable, ReadStep::QosTable}) {
        EXPECT_EQ(std::count(refresh.begin(), refresh.end(), left), 0);
    }
}

TEST(LoadOrder, ARepliedChangeRereadsItsGroupAndWhatDependsOnIt) {
    using Steps = std::vector<ReadStep>;
    const auto reads = [](const ConsoleCommand& command) {
        return Steps(command.rereads.begin(), command.rereads.end());
    };
    const CpeRowKey cpe{"00:1c:2e:aa:10:01", "10.0.0.9", "roof"};
    const BsGridRow bs{"1A", "6000", "5180,5200", "false", "1"};
    const std::vector<std::pair<ConsoleCommand, Steps>> commands = {
        {SystemNameCommand("lab"), {ReadStep::SystemSettings}},
        {SystemSwitchCommand(SystemSwitch::Fastroute, true), {ReadStep::SystemSettings}},
        {RmaStartCommand(true), {ReadStep::RmaSettings}},
        {RmaRadioSwitchCommand("rf5.0", RmaRadioSwitch::Polling, true).value(),
         {ReadStep::RmaSettings}},
        {RadioValueCommand("rf5.0", RadioValue::Frequency, "5180").value(),
         {ReadStep::RadioParameters}},
        {RadioSwitchCommand("rf5.0", RadioSwitch::Burst, false).value(),
         {ReadStep::RadioParameters}},
        // The routing table names interfaces by their descriptions.
        {CreateAliasCommand("eth0", "10.0.0.1", "255.0.0.0").value(),
         {ReadStep::Interfaces, ReadStep::RoutingTable}},
        {UpdateInterfaceCommand("eth0", "1500", true).value(),
         {ReadStep::Interfaces, ReadStep::RoutingTable}},
        {CpeAddCommand({"rf5.0", "roof", "00:1c:2e:aa:10:01", "10.0.0.9", true}),
         {ReadStep::CpeTable}},
        {CpeDeleteCommand("rf5.0", cpe).value(), {ReadStep::CpeTable}},
        // A base-station record changes the RMA switches the router reports.
        {BsAddCommand("rf5.0", "1A", "6000", std::vector<std::string>{"5180"}).value(),
         {ReadStep::BsList, ReadStep::RmaSettings}},
        {BsDeleteCommand("rf5.0", bs).value(), {ReadStep::BsList, ReadStep::RmaSettings}},
        // The delete before an add is followed by the add line, not by reads;
        // the answers that are themselves the result read nothing.
        {BsReplaceCommands(std::vector<BsGridRow>{bs}, "rf5.0", "1A", "6000").at(0), {}},
        {InterfaceInfoCommand("eth0"), {}},
    };
    for (const auto& [command, expected] : commands) {
        EXPECT_EQ(reads(command), expected) << command.line;
    }
}

}  // namespace
}  // namespace tessel
