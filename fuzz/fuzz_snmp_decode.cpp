// Arbitrary datagrams into the reply decoder. Whatever is accepted must
// survive its own encoding: decoding the re-encoded record gives the same
// record, value texts included, which holds the value rendering and the
// encoder to being each other's inverse.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "core/snmp/snmp_rec.hpp"
#include "core/snmp/snmp_value.hpp"

namespace {

void Require(bool condition) {
    if (!condition) {
        std::abort();
    }
}

bool SameRecord(const tessel::SnmpRec& a, const tessel::SnmpRec& b) {
    if (a.Version != b.Version || a.Community != b.Community || a.PDUType != b.PDUType ||
        a.ID != b.ID || a.ErrorStatus != b.ErrorStatus || a.ErrorIndex != b.ErrorIndex ||
        a.Enterprise != b.Enterprise || a.AgentAddress != b.AgentAddress ||
        a.GenericTrap != b.GenericTrap || a.SpecificTrap != b.SpecificTrap ||
        a.TimeStamp != b.TimeStamp || a.BindingCount() != b.BindingCount()) {
        return false;
    }
    for (std::size_t i = 0; i < a.BindingCount(); ++i) {
        const tessel::SnmpMib& x = a.Binding(i);
        const tessel::SnmpMib& y = b.Binding(i);
        if (x.OID != y.OID || x.Value != y.Value || x.ValueType != y.ValueType) {
            return false;
        }
    }
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);

    tessel::SnmpRec reply;
    if (reply.Decode(bytes)) {
        Require(reply.Version != 3);
        tessel::SnmpRec again;
        Require(again.Decode(reply.Encode()));
        Require(SameRecord(reply, again));
        if (reply.BindingCount() > 0) {
            Require(reply.ValueOf(reply.Binding(0).OID) == reply.Binding(0).Value);
        }
    }

    // The renderer alone, with the first byte as the tag: a rendered text
    // encodes to content that renders to the same text.
    if (size > 0) {
        const std::uint8_t tag = data[0];
        const std::string text = tessel::RenderValue(tag, bytes.substr(1));
        Require(tessel::RenderValue(tag, tessel::ValueContent(tag, text)) == text);
    }
    return 0;
}
