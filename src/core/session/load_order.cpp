#include "core/session/load_order.hpp"

#include <array>

namespace tessel {

namespace {

constexpr std::array<LoadStep, 9> kPostLoginLoad{{
    {ReadStep::SystemSettings, 15},
    {ReadStep::Interfaces, 25},
    {ReadStep::RadioInterfaceList, 0},
    {ReadStep::RadioParameters, 35},
    {ReadStep::CpeTable, 55},
    {ReadStep::BsList, 70},
    {ReadStep::RmaSettings, 85},
    {ReadStep::RoutingTable, 0},
    {ReadStep::QosTable, 0},
}};

constexpr std::array<ReadStep, 6> kRefreshAll{
    ReadStep::SystemSettings, ReadStep::Interfaces, ReadStep::RadioParameters,
    ReadStep::CpeTable,       ReadStep::BsList,     ReadStep::RmaSettings,
};

constexpr std::array<ReadStep, 1> kRadio{ReadStep::RadioParameters};
constexpr std::array<ReadStep, 1> kCpeTable{ReadStep::CpeTable};
// The routing table names interfaces by their descriptions.
constexpr std::array<ReadStep, 2> kInterfaces{ReadStep::Interfaces, ReadStep::RoutingTable};
constexpr std::array<ReadStep, 1> kRma{ReadStep::RmaSettings};
constexpr std::array<ReadStep, 1> kSystem{ReadStep::SystemSettings};
// A base-station record changes the RMA switches the router reports.
constexpr std::array<ReadStep, 2> kBsList{ReadStep::BsList, ReadStep::RmaSettings};

}  // namespace

std::span<const LoadStep> PostLoginLoadOrder() {
    return kPostLoginLoad;
}

std::span<const ReadStep> RefreshAllOrder() {
    return kRefreshAll;
}

std::span<const ReadStep> ReadsAfterReply(ReplyAction action) {
    switch (action) {
        case ReplyAction::ReadRadio:
            return kRadio;
        case ReplyAction::ReadCpeTable:
            return kCpeTable;
        case ReplyAction::ReadInterfaces:
            return kInterfaces;
        case ReplyAction::ReadRma:
            return kRma;
        case ReplyAction::ReadSystem:
            return kSystem;
        case ReplyAction::ReadBsList:
            return kBsList;
        default:
            return {};
    }
}

}  // namespace tessel
