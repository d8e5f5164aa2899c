#include "oid.hpp"

namespace tessel::sim {

std::optional<Oid> ParseOid(std::string_view text) {
    if (!text.empty() && text.front() == '.') {
        text.remove_prefix(1);
    }
    if (text.empty()) {
        return std::nullopt;
    }
    Oid out;
    std::uint64_t arc = 0;
    bool digits = false;
    for (const char c : text) {
        if (c == '.') {
            if (!digits) {
                return std::nullopt;
            }
            out.push_back(static_cast<std::uint32_t>(arc));
            arc = 0;
            digits = false;
        } else if (c >= '0' && c <= '9') {
            arc = arc * 10 + static_cast<std::uint64_t>(c - '0');
            if (arc > 0xFFFFFFFFu) {
                return std::nullopt;
            }
            digits = true;
        } else {
            return std::nullopt;
        }
    }
    if (!digits) {
        return std::nullopt;
    }
    out.push_back(static_cast<std::uint32_t>(arc));
    return out;
}

std::string OidToText(const Oid& oid) {
    std::string out;
    for (std::size_t i = 0; i < oid.size(); ++i) {
        if (i != 0) {
            out.push_back('.');
        }
        out += std::to_string(oid[i]);
    }
    return out;
}

std::optional<Oid> DecodeOid(std::string_view content) {
    if (content.empty()) {
        return std::nullopt;
    }
    Oid out;
    std::uint64_t value = 0;
    bool open = false;
    for (const char c : content) {
        const auto byte = static_cast<std::uint8_t>(c);
        value = (value << 7) | (byte & 0x7F);
        if (value > 0xFFFFFFFFu) {
            return std::nullopt;
        }
        open = (byte & 0x80) != 0;
        if (!open) {
            if (out.empty()) {
                const auto first = static_cast<std::uint32_t>(value < 80 ? value / 40 : 2);
                out.push_back(first);
                out.push_back(static_cast<std::uint32_t>(value - 40 * first));
            } else {
                out.push_back(static_cast<std::uint32_t>(value));
            }
            value = 0;
        }
    }
    if (open) {
        return std::nullopt;
    }
    return out;
}

namespace {

void AppendArc(std::string& out, std::uint64_t value) {
    char groups[10];
    int count = 0;
    do {
        groups[count++] = static_cast<char>(value & 0x7F);
        value >>= 7;
    } while (value != 0);
    while (count > 1) {
        out.push_back(static_cast<char>(groups[--count] | 0x80));
    }
    out.push_back(groups[0]);
}

}  // namespace

std::string EncodeOid(const Oid& oid) {
    std::string out;
    if (oid.empty()) {
        return out;
    }
    const std::uint64_t first = oid.size() > 1 ? 40ull * oid[0] + oid[1] : 40ull * oid[0];
    AppendArc(out, first);
    for (std::size_t i = 2; i < oid.size(); ++i) {
        AppendArc(out, oid[i]);
    }
    return out;
}

Oid Join(const Oid& prefix, std::initializer_list<std::uint32_t> suffix) {
    Oid out = prefix;
    out.insert(out.end(), suffix.begin(), suffix.end());
    return out;
}

Oid Join(const Oid& prefix, const Oid& suffix) {
    Oid out = prefix;
    out.insert(out.end(), suffix.begin(), suffix.end());
    return out;
}

}  // namespace tessel::sim
