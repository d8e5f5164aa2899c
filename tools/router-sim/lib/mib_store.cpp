#include "mib_store.hpp"

#include <algorithm>

#include "core/snmp/ber.hpp"

namespace tessel::sim {

MibValue IntegerValue(std::int64_t value) {
    return {ber::TagInteger, ber::IntegerContent(value)};
}

MibValue TextValue(std::string_view bytes) {
    return {ber::TagOctetString, std::string(bytes)};
}

MibValue IpValue(std::uint32_t address) {
    std::string content(4, '\0');
    for (int i = 0; i < 4; ++i) {
        content[static_cast<std::size_t>(i)] = static_cast<char>((address >> (24 - 8 * i)) & 0xFF);
    }
    return {ber::TagIpAddress, content};
}

MibValue CounterValue(std::uint32_t value) {
    return {ber::TagCounter, ber::UnsignedContent(value)};
}

MibValue GaugeValue(std::uint32_t value) {
    return {ber::TagGauge, ber::UnsignedContent(value)};
}

MibValue TicksValue(std::uint32_t value) {
    return {ber::TagTimeTicks, ber::UnsignedContent(value)};
}

MibValue OidValue(const Oid& oid) {
    return {ber::TagOid, EncodeOid(oid)};
}

MibValue RateCounter(std::uint32_t base, std::uint32_t perSecond) {
    MibValue value{ber::TagCounter, {}, LiveKind::Rate, base, perSecond};
    return value;
}

std::string ValueContent(const MibValue& value, std::uint64_t upTimeTicks) {
    switch (value.live) {
        case LiveKind::None:
            return value.content;
        case LiveKind::UpTime:
            return ber::UnsignedContent(static_cast<std::uint32_t>(upTimeTicks));
        case LiveKind::CpuLoad: {
            // A new figure every three seconds, the same for every reader
            // within that period, so two reads in a row agree.
            const std::uint64_t period = upTimeTicks / 300;
            const std::uint32_t spread =
                static_cast<std::uint32_t>((period * 2654435761u) >> 7) % 9;
            const std::uint32_t load = std::min<std::uint32_t>(100, value.base + spread);
            return ber::UnsignedContent(load);
        }
        case LiveKind::Rate: {
            const std::uint64_t seconds = upTimeTicks / 100;
            return ber::UnsignedContent(
                static_cast<std::uint32_t>(value.base + seconds * value.perSecond));
        }
    }
    return value.content;
}

void MibStore::Add(Oid oid, MibValue value) {
    std::string encoded = EncodeOid(oid);
    entries_.push_back({std::move(oid), std::move(encoded), std::move(value)});
}

void MibStore::Finish() {
    std::stable_sort(entries_.begin(), entries_.end(),
                     [](const MibEntry& a, const MibEntry& b) { return a.oid < b.oid; });
    // Keep the last of equal keys: walk backwards so the survivor is the later Add.
    std::vector<MibEntry> unique;
    unique.reserve(entries_.size());
    for (std::size_t i = 0; i < entries_.size(); ++i) {
        if (i + 1 < entries_.size() && entries_[i + 1].oid == entries_[i].oid) {
            continue;
        }
        unique.push_back(std::move(entries_[i]));
    }
    entries_ = std::move(unique);
    lastNext_ = 0;
}

const MibEntry* MibStore::Find(const Oid& oid) const {
    const auto it = std::lower_bound(entries_.begin(), entries_.end(), oid,
                                     [](const MibEntry& e, const Oid& key) { return e.oid < key; });
    if (it == entries_.end() || it->oid != oid) {
        return nullptr;
    }
    return &*it;
}

const MibEntry* MibStore::Next(const Oid& oid) const {
    if (lastNext_ + 1 < entries_.size() && entries_[lastNext_].oid == oid) {
        return &entries_[++lastNext_];
    }
    const auto it = std::upper_bound(entries_.begin(), entries_.end(), oid,
                                     [](const Oid& key, const MibEntry& e) { return key < e.oid; });
    if (it == entries_.end()) {
        return nullptr;
    }
    lastNext_ = static_cast<std::size_t>(it - entries_.begin());
    return &*it;
}

}  // namespace tessel::sim
