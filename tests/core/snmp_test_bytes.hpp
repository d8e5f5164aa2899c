#pragma once

// Hand-built BER for the SNMP tests, written independently of the codec under
// test so that a fault in the encoder cannot hide itself in the expectations.

#include <cstddef>
#include <initializer_list>
#include <string>

namespace tessel::test {

inline std::string Bytes(std::initializer_list<int> values) {
    std::string out;
    for (const int v : values) {
        out.push_back(static_cast<char>(v));
    }
    return out;
}

// tag, definite length (short form below 128, else 0x81/0x82 + bytes), content.
inline std::string Tlv(int tag, const std::string& content) {
    std::string out(1, static_cast<char>(tag));
    const std::size_t n = content.size();
    if (n < 0x80) {
        out.push_back(static_cast<char>(n));
    } else if (n < 0x100) {
        out += Bytes({0x81, static_cast<int>(n)});
    } else {
        out += Bytes({0x82, static_cast<int>(n >> 8), static_cast<int>(n & 0xFF)});
    }
    return out + content;
}

inline const std::string kSysNameOid = Bytes({0x2B, 0x06, 0x01, 0x02, 0x01, 0x01, 0x05, 0x00});

// A version-1 message with one binding; id, error status and index are one
// content byte each.
inline std::string Message(int pduTag, const std::string& community, int id, int errorStatus,
                           const std::string& oidContent, int valueTag,
                           const std::string& valueContent, int version = 0) {
    const std::string binding = Tlv(0x06, oidContent) + Tlv(valueTag, valueContent);
    const std::string pdu = Tlv(0x02, Bytes({id})) + Tlv(0x02, Bytes({errorStatus})) +
                            Tlv(0x02, Bytes({errorStatus == 0 ? 0 : 1})) +
                            Tlv(0x30, Tlv(0x30, binding));
    return Tlv(0x30, Tlv(0x02, Bytes({version})) + Tlv(0x04, community) + Tlv(pduTag, pdu));
}

inline std::string Response(const std::string& oidContent, int valueTag,
                            const std::string& valueContent,
                            const std::string& community = "public", int id = 1) {
    return Message(0xA2, community, id, 0, oidContent, valueTag, valueContent);
}

}  // namespace tessel::test
