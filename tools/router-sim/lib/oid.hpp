#pragma once

// Object identifiers as numeric arcs. The agent keeps every key in this form
// so that ordering is by number, arc by arc (1.3.6.1.2 < 1.3.6.1.10), which is
// what GetNext walks rely on; std::vector's lexicographic operator< gives
// exactly that order, a prefix sorting before its extensions.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tessel::sim {

using Oid = std::vector<std::uint32_t>;

// Strict dotted-decimal parse ("1.3.6.1", an optional leading dot allowed).
// Empty pieces, non-digits and arcs beyond 32 bits are rejected.
std::optional<Oid> ParseOid(std::string_view text);

// Dotted decimal without a leading dot.
std::string OidToText(const Oid& oid);

// BER content octets to arcs; nullopt for an empty content, a sub-identifier
// left unfinished at the end, or one that does not fit in 32 bits.
std::optional<Oid> DecodeOid(std::string_view content);
// Arcs to BER content octets (first two arcs combined as 40 * a + b).
std::string EncodeOid(const Oid& oid);

// prefix + suffix, for building table instances.
Oid Join(const Oid& prefix, std::initializer_list<std::uint32_t> suffix);
Oid Join(const Oid& prefix, const Oid& suffix);

}  // namespace tessel::sim
