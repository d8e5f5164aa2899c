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

}  // namespace

std::span<const LoadStep> PostLoginLoadOrder() {
    return kPostLoginLoad;
}

std::span<const ReadStep> RefreshAllOrder() {
    return kRefreshAll;
}

}  // namespace tessel
