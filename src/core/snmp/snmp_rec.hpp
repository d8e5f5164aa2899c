#pragma once

// One SNMP version 1 message in memory, with its BER encoding and the
// lenient decoding the client applies to replies.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace tessel {

// One variable binding. For a request the value is empty and the type NULL.
struct SnmpMib {
    std::string OID;
    std::string Value;
    int ValueType = 0x05;
};

class SnmpRec {
  public:
    int Version = 0;
    std::string Community;
    int PDUType = 0;
    // 1 when the record is created; Clear() keeps it, so a caller that wants
    // another request-id raises it after clearing.
    int ID = 1;
    int ErrorStatus = 0;
    int ErrorIndex = 0;

    // Filled only when a Trap (0xA4) is decoded or set before encoding one.
    std::string Enterprise;
    std::string AgentAddress;
    int GenericTrap = 0;
    int SpecificTrap = 0;
    std::uint32_t TimeStamp = 0;

    // Version, PDU type, error status and index back to 0, trap fields
    // emptied, bindings deleted. ID and Community stay.
    void Clear();

    void AddBinding(std::string oid, std::string value, int valueType);

    // The whole message, definite lengths in the fewest bytes. Replaces out.
    void Encode(std::string& out) const;
    std::string Encode() const;

    // Accepts bytes when there are at least 2, the first has the constructed
    // bit, and there are at least as many as the outer length declares plus
    // 2; nothing else is checked. The items are then read in order without
    // ever leaving the datagram: an item that runs past the end reads as
    // empty. A message declaring version 3 is not ours to read (it has no
    // community layout) and is refused. The record is reset first either way.
    bool Decode(std::string_view bytes);

    // The value text of the first binding with exactly this OID text, empty
    // when there is none.
    const std::string& ValueOf(std::string_view oid) const;

    std::size_t BindingCount() const { return bindings_.size(); }
    const SnmpMib& Binding(std::size_t index) const { return bindings_[index]; }
    // For a caller that takes the texts out of a record it is done with.
    SnmpMib& Binding(std::size_t index) { return bindings_[index]; }

  private:
    std::vector<SnmpMib> bindings_;
};

}  // namespace tessel
