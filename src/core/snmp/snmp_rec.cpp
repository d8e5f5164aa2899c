#include "core/snmp/snmp_rec.hpp"

#include <cstring>

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
    // Sizes first, then one pass of writing into a result of exactly the
    // right length. Content octets that differ from their text (OIDs, numbers,
    // addresses) are built in a scratch string that keeps its capacity from
    // message to message; octet strings are copied straight from the record.
    // So a request is encoded with no allocation but the result's.
    thread_local std::string scratch;
    scratch.clear();
    struct Piece {
        std::size_t at = 0;  // in scratch, unless text is set
        std::size_t size = 0;
        const std::string* text = nullptr;
    };
    const auto addOid = [](std::string_view oid) {
        Piece piece{scratch.size(), 0, nullptr};
        scratch.resize(piece.at + ber::OidContentRoom(oid));
        char* const begin = scratch.data() + piece.at;
        piece.size = static_cast<std::size_t>(ber::WriteOidContent(begin, oid) - begin);
        scratch.resize(piece.at + piece.size);
        return piece;
    };
    const auto addValue = [](std::uint8_t type, const std::string& text) {
        if (ValueContentIsText(type)) {
            return Piece{0, text.size(), &text};
        }
        Piece piece{scratch.size(), 0, nullptr};
        if (type != ber::TagNull) {
            scratch.append(ValueContent(type, text));
        }
        piece.size = scratch.size() - piece.at;
        return piece;
    };
    const auto bytesOf = [](const Piece& piece) {
        return piece.text != nullptr ? std::string_view(*piece.text)
                                     : std::string_view(scratch).substr(piece.at, piece.size);
    };

    // Two pieces per binding (OID, value); a Trap adds its enterprise and
    // agent address first.
    thread_local std::vector<Piece> pieces;
    pieces.clear();
    const bool trap = PDUType == ber::TagTrap;
    if (trap) {
        pieces.push_back(addOid(Enterprise));
        pieces.push_back(addValue(ber::TagIpAddress, AgentAddress));
    }
    std::size_t bindingsLength = 0;
    for (const TSNMPMib& mib : bindings_) {
        const Piece oid = addOid(mib.OID);
        const Piece value = addValue(static_cast<std::uint8_t>(mib.ValueType), mib.Value);
        pieces.push_back(oid);
        pieces.push_back(value);
        bindingsLength += ElementSize(ElementSize(oid.size) + ElementSize(value.size));
    }

    const auto integerLength = [](std::int64_t value) {
        return ElementSize(ber::IntegerSize(value));
    };
    const std::int64_t timeStamp = TimeStamp;
    const std::size_t fieldsLength =
        trap ? ElementSize(pieces[0].size) + ElementSize(pieces[1].size) +
                   integerLength(GenericTrap) + integerLength(SpecificTrap) +
                   integerLength(timeStamp)
             : integerLength(ID) + integerLength(ErrorStatus) + integerLength(ErrorIndex);
    const std::size_t pduLength = fieldsLength + ElementSize(bindingsLength);
    const std::size_t messageLength =
        integerLength(Version) + ElementSize(Community.size()) + ElementSize(pduLength);

    out.resize(ElementSize(messageLength));
    char* at = out.data();
    const auto element = [&at](std::uint8_t tag, std::string_view content) {
        at = ber::WriteHeader(at, tag, content.size());
        if (!content.empty()) {
            std::memcpy(at, content.data(), content.size());
            at += content.size();
        }
    };
    at = ber::WriteHeader(at, ber::TagSequence, messageLength);
    at = ber::WriteIntegerElement(at, Version);
    element(ber::TagOctetString, Community);
    at = ber::WriteHeader(at, static_cast<std::uint8_t>(PDUType), pduLength);
    std::size_t next = 0;
    if (trap) {
        element(ber::TagOid, bytesOf(pieces[0]));
        element(ber::TagIpAddress, bytesOf(pieces[1]));
        at = ber::WriteIntegerElement(at, GenericTrap);
        at = ber::WriteIntegerElement(at, SpecificTrap);
        // TimeTicks has the INTEGER's content octets under its own tag.
        char* const ticks = at;
        at = ber::WriteIntegerElement(at, timeStamp);
        *ticks = static_cast<char>(ber::TagTimeTicks);
        next = 2;
    } else {
        at = ber::WriteIntegerElement(at, ID);
        at = ber::WriteIntegerElement(at, ErrorStatus);
        at = ber::WriteIntegerElement(at, ErrorIndex);
    }
    at = ber::WriteHeader(at, ber::TagSequence, bindingsLength);
    for (const TSNMPMib& mib : bindings_) {
        const Piece& oid = pieces[next++];
        const Piece& value = pieces[next++];
        at =
            ber::WriteHeader(at, ber::TagSequence, ElementSize(oid.size) + ElementSize(value.size));
        element(ber::TagOid, bytesOf(oid));
        element(static_cast<std::uint8_t>(mib.ValueType), bytesOf(value));
    }
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
