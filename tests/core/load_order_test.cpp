#include "core/session/load_order.hpp"

#include <gtest/gtest.h>

#include <algorithm>
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
    const auto interfaces = ReadsAfterReply(ReplyAction::ReadInterfaces);
    ASSERT_EQ(interfaces.size(), 2U);
    EXPECT_EQ(interfaces[0], ReadStep::Interfaces);
    EXPECT_EQ(interfaces[1], ReadStep::RoutingTable);
    const auto bsList = ReadsAfterReply(ReplyAction::ReadBsList);
    ASSERT_EQ(bsList.size(), 2U);
    EXPECT_EQ(bsList[1], ReadStep::RmaSettings);
    EXPECT_EQ(ReadsAfterReply(ReplyAction::ReadRadio).front(), ReadStep::RadioParameters);
    EXPECT_TRUE(ReadsAfterReply(ReplyAction::ArpTable).empty());
    EXPECT_TRUE(ReadsAfterReply(ReplyAction::SendAddBsRecord).empty());
}

}  // namespace
}  // namespace tessel
