// The lab router's agent on arbitrary datagrams: decoding must stay inside
// the input, and whatever it answers must itself decode as a request-shaped
// message with the same request-id.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "agent.hpp"
#include "agent_request.hpp"
#include "mib_store.hpp"

namespace {

const tessel::sim::MibStore& Store() {
    static const tessel::sim::MibStore store = [] {
        using namespace tessel::sim;
        MibStore s;
        s.Add({1, 3, 6, 1, 2, 1, 1, 3, 0}, MibValue{0x43, {}, LiveKind::UpTime, 0, 0});
        s.Add({1, 3, 6, 1, 2, 1, 1, 5, 0}, TextValue("fuzz"));
        s.Add({1, 3, 6, 1, 4, 1, 3942, 1, 1, 3, 6, 0}, MibValue{0x42, {}, LiveKind::CpuLoad, 7, 0});
        s.Add({1, 3, 6, 1, 4, 1, 3942, 1, 1, 4, 1, 1, 9, 1}, RateCounter(5, 3));
        s.Finish();
        return s;
    }();
    return store;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    const tessel::sim::Agent agent("public");
    const auto outcome = agent.Handle(input, Store(), 123456);
    if (!outcome.answered) {
        return 0;
    }
    // A reply is a well-formed message carrying the request's id.
    const auto reply = tessel::sim::DecodeAgentRequest(outcome.reply);
    if (!reply || reply->pduType != 0xA2 || reply->requestId != outcome.request->requestId) {
        std::abort();
    }
    return 0;
}
