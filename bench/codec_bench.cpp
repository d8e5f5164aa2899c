// The per-exchange work of the client that is not a system call: encoding
// the request, decoding the reply, rendering value texts.

#include <benchmark/benchmark.h>

#include <string>

#include "core/snmp/snmp_rec.hpp"
#include "core/snmp/snmp_value.hpp"

namespace {

tessel::SnmpRec GetNextRequest(const std::string& oid) {
    tessel::SnmpRec rec;
    rec.ID = 2;
    rec.PDUType = 0xA1;
    rec.Community = "public";
    rec.AddBinding(oid, "", 0x05);
    return rec;
}

std::string Reply(const std::string& oid, int tag, const std::string& text) {
    tessel::SnmpRec rec;
    rec.ID = 2;
    rec.PDUType = 0xA2;
    rec.Community = "public";
    rec.AddBinding(oid, text, tag);
    return rec.Encode();
}

void BM_EncodeGetNext(benchmark::State& state) {
    const tessel::SnmpRec rec = GetNextRequest("1.3.6.1.2.1.2.2.1.2.10");
    std::string out;
    for (auto _ : state) {
        rec.Encode(out);
        benchmark::DoNotOptimize(out.data());
    }
}
BENCHMARK(BM_EncodeGetNext);

void BM_DecodeReply(benchmark::State& state, int tag, std::string text) {
    const std::string bytes = Reply("1.3.6.1.2.1.2.2.1.10.3", tag, text);
    tessel::SnmpRec rec;
    for (auto _ : state) {
        benchmark::DoNotOptimize(rec.Decode(bytes));
    }
}
BENCHMARK_CAPTURE(BM_DecodeReply, octet_string, 0x04, std::string("eth0"));
BENCHMARK_CAPTURE(BM_DecodeReply, counter, 0x41, std::string("4294967295"));
BENCHMARK_CAPTURE(BM_DecodeReply, ip_address, 0x40, std::string("192.168.1.1"));
BENCHMARK_CAPTURE(BM_DecodeReply, oid, 0x06, std::string("1.3.6.1.4.1.3942.1.1.3.6.0"));

void BM_RenderValue(benchmark::State& state, int tag, std::string text) {
    const std::string content = tessel::ValueContent(static_cast<std::uint8_t>(tag), text);
    for (auto _ : state) {
        benchmark::DoNotOptimize(tessel::RenderValue(static_cast<std::uint8_t>(tag), content));
    }
}
BENCHMARK_CAPTURE(BM_RenderValue, integer, 0x02, std::string("-200"));
BENCHMARK_CAPTURE(BM_RenderValue, timeticks, 0x43, std::string("8640000"));
BENCHMARK_CAPTURE(BM_RenderValue, ip_address, 0x40, std::string("192.168.1.1"));
BENCHMARK_CAPTURE(BM_RenderValue, oid, 0x06, std::string("1.3.6.1.4.1.3942.1.1.3.6.0"));

}  // namespace

BENCHMARK_MAIN();
