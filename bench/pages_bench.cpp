// The work the routing, CPE, QoS and ARP pages do around their exchanges:
// everything but the round trips, measured against an in-process agent that
// answers at once. Row counts grow by powers of ten so that a step that is
// not linear in the rows shows up as a falling rows-per-second figure.

#include <benchmark/benchmark.h>

#include <cstddef>
#include <string>
#include <utility>
#include <vector>

#include "core/pages/cpe_table_read.hpp"
#include "core/pages/qos_table_read.hpp"
#include "core/pages/routing_table_read.hpp"
#include "core/router/arp_parse.hpp"
#include "core/snmp/snmp_reader.hpp"

namespace {

// A table column of `rows` instances under `column`, each instance's value
// being its suffix; every counted read answers "1".
class TableAgent : public tessel::SnmpReader {
  public:
    TableAgent(std::string column, std::size_t rows, bool sixOctetIndex)
        : column_(std::move(column)), rows_(rows), sixOctetIndex_(sixOctetIndex) {}

    void GetCounted(const std::string&, std::string& value) override { value = "1"; }
    bool Get(const std::string&, std::string& value) override {
        value = "1";
        return true;
    }
    bool GetNext(std::string& oid, std::string& value) override {
        if (oid == column_) {
            next_ = 0;
        }
        if (next_ >= rows_) {
            oid = "1.3.6.1.6";  // past the table
            value.clear();
            return true;
        }
        value = Suffix(next_++);
        oid = column_ + "." + value;
        return true;
    }

  private:
    std::string Suffix(std::size_t n) const {
        const std::string tail = std::to_string(n / 65536 % 256) + "." +
                                 std::to_string(n / 256 % 256) + "." + std::to_string(n % 256);
        return sixOctetIndex_ ? "0.11.34." + tail : "10." + tail;
    }

    std::string column_;
    std::size_t rows_;
    bool sixOctetIndex_;
    std::size_t next_ = 0;
};

void BM_ReadRoutingTable(benchmark::State& state) {
    const auto rows = static_cast<std::size_t>(state.range(0));
    TableAgent agent("1.3.6.1.2.1.4.21.1.1", rows, false);
    const std::vector<std::string> names = {"lo", "eth0", "rf4.0"};
    for (auto _ : state) {
        benchmark::DoNotOptimize(tessel::ReadRoutingTable(agent, names));
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_ReadRoutingTable)->Arg(100)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);

void BM_ReadCpeTable(benchmark::State& state) {
    TableAgent agent("1.3.6.1.4.1.3942.1.1.1.3.1.1.1", static_cast<std::size_t>(state.range(0)),
                     true);
    for (auto _ : state) {
        benchmark::DoNotOptimize(tessel::ReadCpeTable(agent, 1, 1));
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_ReadCpeTable)->Arg(200)->Unit(benchmark::kMicrosecond);

void BM_ReadQosTable(benchmark::State& state) {
    TableAgent agent("1.3.6.1.4.1.3942.1.1.4.1.1.1", static_cast<std::size_t>(state.range(0)),
                     false);
    for (auto _ : state) {
        benchmark::DoNotOptimize(tessel::ReadQosTable(agent));
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_ReadQosTable)->Arg(64)->Unit(benchmark::kMicrosecond);

void BM_ParseArpChunk(benchmark::State& state) {
    std::string chunk = "arp view\r\n";
    for (int i = 0; i < state.range(0); ++i) {
        chunk += "10.0." + std::to_string(i / 256) + "." + std::to_string(i % 256) +
                 " at 00:0b:22:05:78:ff via eth0\r\n";
    }
    chunk += "router> ";
    for (auto _ : state) {
        benchmark::DoNotOptimize(tessel::ParseArpChunk(chunk));
    }
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(chunk.size()));
}
BENCHMARK(BM_ParseArpChunk)->Arg(10)->Arg(100)->Arg(1000)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
