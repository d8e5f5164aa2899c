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

std::size_t IntegerLength(std::int64_t value) {
    return ElementSize(ber::IntegerSize(value));
}

// Sizes first, then one pass of writing into a result of exactly the right
// length. Content octets that differ from their text (OIDs, numbers,
// addresses) are built in a scratch string that keeps its capacity from
// message to message; octet strings are copied straight from the record. So
// a request is encoded with no allocation but the result's.
struct Piece {
    std::size_t at = 0;  // in the scratch bytes, unless text is set
    std::size_t size = 0;
    const std::string* text = nullptr;
};

struct EncodeScratch {
    std::string bytes;
    std::vector<Piece> pieces;

    void Reset() {
        bytes.clear();
        pieces.clear();
    }

    Piece AddOid(std::string_view oid) {
        Piece piece{bytes.size(), 0, nullptr};
        bytes.resize(piece.at + ber::OidContentRoom(oid));
        char* const begin = bytes.data() + piece.at;
        piece.size = static_cast<std::size_t>(ber::WriteOidContent(begin, oid) - begin);
        bytes.resize(piece.at + piece.size);
        return piece;
    }

    Piece AddValue(std::uint8_t type, const std::string& text) {
        if (ValueContentIsText(type)) {
            return Piece{0, text.size(), &text};
        }
        Piece piece{bytes.size(), 0, nullptr};
        if (type != ber::TagNull) {
            bytes.append(ValueContent(type, text));
        }
        piece.size = bytes.size() - piece.at;
        return piece;
    }

    std::string_view BytesOf(const Piece& piece) const {
        return piece.text != nullptr ? std::string_view(*piece.text)
                                     : std::string_view(bytes).substr(piece.at, piece.size);
    }
};

EncodeScratch& TheScratch() {
    thread_local EncodeScratch scratch;
    return scratch;
}

struct ElementWriter {
    char* at;

    void Header(std::uint8_t tag, std::size_t length) { at = ber::WriteHeader(at, tag, length); }
    void Integer(std::int64_t value) { at = ber::WriteIntegerElement(at, value); }
    // TimeTicks has the INTEGER's content octets under its own tag.
    void TimeTicks(std::int64_t value) {
        char* const tag = at;
        Integer(value);
        *tag = static_cast<char>(ber::TagTimeTicks);
    }
    void Element(std::uint8_t tag, std::string_view content) {
        Header(tag, content.size());
        if (!content.empty()) {
            std::memcpy(at, content.data(), content.size());
            at += content.size();
        }
    }
};

void WriteBindings(ElementWriter& writer, const EncodeScratch& scratch, std::size_t next,
                   const std::vector<SnmpMib>& bindings) {
    for (const SnmpMib& mib : bindings) {
        const Piece& oid = scratch.pieces[next++];
        const Piece& value = scratch.pieces[next++];
        writer.Header(ber::TagSequence, ElementSize(oid.size) + ElementSize(value.size));
        writer.Element(ber::TagOid, scratch.BytesOf(oid));
        writer.Element(static_cast<std::uint8_t>(mib.ValueType), scratch.BytesOf(value));
    }
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

void SnmpRec::Clear() {
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

void SnmpRec::AddBinding(std::string oid, std::string value, int valueType) {
    bindings_.push_back(SnmpMib{std::move(oid), std::move(value), valueType});
}

void SnmpRec::Encode(std::string& out) const {
    EncodeScratch& scratch = TheScratch();
    scratch.Reset();
    // Two pieces per binding (OID, value); a Trap adds its enterprise and
    // agent address first.
    const bool trap = PDUType == ber::TagTrap;
    if (trap) {
        scratch.pieces.push_back(scratch.AddOid(Enterprise));
        scratch.pieces.push_back(scratch.AddValue(ber::TagIpAddress, AgentAddress));
    }
    std::size_t bindingsLength = 0;
    for (const SnmpMib& mib : bindings_) {
        const Piece oid = scratch.AddOid(mib.OID);
        const Piece value = scratch.AddValue(static_cast<std::uint8_t>(mib.ValueType), mib.Value);
        scratch.pieces.push_back(oid);
        scratch.pieces.push_back(value);
        bindingsLength += ElementSize(ElementSize(oid.size) + ElementSize(value.size));
    }

    const std::int64_t timeStamp = TimeStamp;
    const std::size_t fieldsLength =
        trap ? ElementSize(scratch.pieces[0].size) + ElementSize(scratch.pieces[1].size) +
                   IntegerLength(GenericTrap) + IntegerLength(SpecificTrap) +
                   IntegerLength(timeStamp)
             : IntegerLength(ID) + IntegerLength(ErrorStatus) + IntegerLength(ErrorIndex);
    const std::size_t pduLength = fieldsLength + ElementSize(bindingsLength);
    const std::size_t messageLength =
        IntegerLength(Version) + ElementSize(Community.size()) + ElementSize(pduLength);

    out.resize(ElementSize(messageLength));
    ElementWriter writer{out.data()};
    writer.Header(ber::TagSequence, messageLength);
    writer.Integer(Version);
    writer.Element(ber::TagOctetString, Community);
    writer.Header(static_cast<std::uint8_t>(PDUType), pduLength);
    if (trap) {
        writer.Element(ber::TagOid, scratch.BytesOf(scratch.pieces[0]));
        writer.Element(ber::TagIpAddress, scratch.BytesOf(scratch.pieces[1]));
        writer.Integer(GenericTrap);
        writer.Integer(SpecificTrap);
        writer.TimeTicks(timeStamp);
    } else {
        writer.Integer(ID);
        writer.Integer(ErrorStatus);
        writer.Integer(ErrorIndex);
    }
    writer.Header(ber::TagSequence, bindingsLength);
    WriteBindings(writer, scratch, trap ? 2 : 0, bindings_);
}

std::string SnmpRec::Encode() const {
    std::string out;
    Encode(out);
    return out;
}

bool SnmpRec::Decode(std::string_view bytes) {
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

const std::string& SnmpRec::ValueOf(std::string_view oid) const {
    static const std::string empty;
    for (const SnmpMib& mib : bindings_) {
        if (mib.OID == oid) {
            return mib.Value;
        }
    }
    return empty;
}

}  // namespace tessel
