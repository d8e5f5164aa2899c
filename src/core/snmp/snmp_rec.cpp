#include "core/snmp/snmp_rec.hpp"

#include "core/snmp/ber.hpp"
#include "core/snmp/snmp_value.hpp"

namespace tessel {

namespace {

std::size_t LengthSize(std::size_t length) {
    std::size_t size = 1;
    if (length >= 0x80) {
        for (; length != 0; length >>= 8) {
            ++size;
        }
    }
    return size;
}

std::size_t ElementSize(std::size_t contentLength) {
    return 1 + LengthSize(contentLength) + contentLength;
}

// One primitive item as the decoder sees it. A malformed header or content
// running past the end leaves the cursor exhausted and the item empty, so
// every later read finds nothing either.
struct Item {
    std::uint8_t tag = 0;
    std::string_view content;
};

Item ReadItem(ber::Cursor& cursor) {
    Item item;
    std::size_t length = 0;
    if (!cursor.GetHeader(item.tag, length) || !cursor.Get(length, item.content)) {
        cursor.GetUpTo(cursor.Remaining());
        item.content = {};
    }
    return item;
}

// A constructed header whose content is read item by item in the same cursor.
bool SkipHeader(ber::Cursor& cursor, std::uint8_t& tag) {
    std::size_t length = 0;
    if (!cursor.GetHeader(tag, length)) {
        cursor.GetUpTo(cursor.Remaining());
        return false;
    }
    return true;
}

int IntegerItem(ber::Cursor& cursor) {
    return ber::SignedValue(ReadItem(cursor).content);
}

}  // namespace

void TSNMPRec::Clear() {
    Version = 0;
    PDUType = 0;
    ErrorStatus = 0;
    ErrorIndex = 0;
    Enterprise.clear();
    AgentAddress.clear();
    GenericTrap = 0;
    SpecificTrap = 0;
    TimeStamp = 0;
    bindings_.clear();
}

void TSNMPRec::AddBinding(std::string oid, std::string value, int valueType) {
    bindings_.push_back(TSNMPMib{std::move(oid), std::move(value), valueType});
}

void TSNMPRec::Encode(std::string& out) const {
    // The bindings first, as their length leads the PDU. The scratch string
    // keeps its capacity from message to message, so encoding a request
    // allocates nothing but the result.
    thread_local std::string bindings;
    bindings.clear();
    for (const TSNMPMib& mib : bindings_) {
        const std::string oid = ber::OidContent(mib.OID);
        const auto type = static_cast<std::uint8_t>(mib.ValueType);
        const std::string value = ValueContent(type, mib.Value);
        ber::AppendHeader(bindings, ber::TagSequence,
                          ElementSize(oid.size()) + ElementSize(value.size()));
        ber::AppendElement(bindings, ber::TagOid, oid);
        ber::AppendElement(bindings, type, value);
    }

    // The fields between the PDU header and the bindings: request-id,
    // error-status and error-index, or the Trap's own five.
    thread_local std::string fields;
    fields.clear();
    if (PDUType == ber::TagTrap) {
        ber::AppendElement(fields, ber::TagOid, ber::OidContent(Enterprise));
        ber::AppendElement(fields, ber::TagIpAddress,
                           ValueContent(ber::TagIpAddress, AgentAddress));
        ber::AppendInteger(fields, GenericTrap);
        ber::AppendInteger(fields, SpecificTrap);
        ber::AppendElement(fields, ber::TagTimeTicks, ber::UnsignedContent(TimeStamp));
    } else {
        ber::AppendInteger(fields, ID);
        ber::AppendInteger(fields, ErrorStatus);
        ber::AppendInteger(fields, ErrorIndex);
    }

    const std::size_t pduLength = fields.size() + ElementSize(bindings.size());
    const std::size_t messageLength = ElementSize(ber::IntegerSize(Version)) +
                                      ElementSize(Community.size()) + ElementSize(pduLength);
    out.clear();
    out.reserve(ElementSize(messageLength));
    ber::AppendHeader(out, ber::TagSequence, messageLength);
    ber::AppendInteger(out, Version);
    ber::AppendElement(out, ber::TagOctetString, Community);
    ber::AppendHeader(out, static_cast<std::uint8_t>(PDUType), pduLength);
    out.append(fields);
    ber::AppendElement(out, ber::TagSequence, bindings);
}

std::string TSNMPRec::Encode() const {
    std::string out;
    Encode(out);
    return out;
}

bool TSNMPRec::Decode(std::string_view bytes) {
    Clear();
    Community.clear();

    if (bytes.size() < 2 || (static_cast<std::uint8_t>(bytes[0]) & ber::ConstructedBit) == 0) {
        return false;
    }
    ber::Cursor top(bytes);
    std::uint8_t tag = 0;
    std::size_t declared = 0;
    // An outer length that cannot be read declares nothing to compare with.
    if (!top.GetHeader(tag, declared) || bytes.size() - 2 < declared) {
        return false;
    }
    // With a long-form outer length the rule above still lets the datagram
    // be a few bytes short: the body simply ends where the datagram does.
    ber::Cursor body(top.GetUpTo(declared));

    Version = IntegerItem(body);
    if (Version == 3) {
        return false;
    }
    Community.assign(ReadItem(body).content);
    std::uint8_t pdu = 0;
    if (SkipHeader(body, pdu)) {
        PDUType = pdu;
    }
    if (PDUType == ber::TagTrap) {
        Enterprise = ber::OidText(ReadItem(body).content);
        AgentAddress = RenderValue(ber::TagIpAddress, ReadItem(body).content);
        GenericTrap = IntegerItem(body);
        SpecificTrap = IntegerItem(body);
        TimeStamp = ber::UnsignedValue(ReadItem(body).content);
    } else if (!body.AtEnd()) {
        ID = IntegerItem(body);
        ErrorStatus = IntegerItem(body);
        ErrorIndex = IntegerItem(body);
    }
    std::uint8_t sequence = 0;
    SkipHeader(body, sequence);
    while (!body.AtEnd()) {
        if (!SkipHeader(body, sequence)) {
            break;
        }
        const Item oid = ReadItem(body);
        const Item value = ReadItem(body);
        AddBinding(ber::OidText(oid.content), RenderValue(value.tag, value.content), value.tag);
    }
    return true;
}

const std::string& TSNMPRec::ValueOf(std::string_view oid) const {
    static const std::string empty;
    for (const TSNMPMib& mib : bindings_) {
        if (mib.OID == oid) {
            return mib.Value;
        }
    }
    return empty;
}

}  // namespace tessel
