// Feeds arbitrary console chunks to the ARP reply parser and checks what it
// promises: short chunks are skipped, at most ArpLineLimit rows come back,
// and every cell is a piece of one line of the chunk.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "core/router/arp_parse.hpp"

namespace {

void Require(bool condition) {
    if (!condition) {
        std::abort();
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view chunk(reinterpret_cast<const char*>(data), size);
    const auto rows = tessel::ParseArpChunk(chunk);
    Require(rows.has_value() == (size > 15));
    if (!rows) {
        return 0;
    }
    Require(rows->size() <= tessel::ArpLineLimit);
    for (const auto& row : *rows) {
        for (const std::string* cell : {&row.interfaceName, &row.ipAddress, &row.macAddress}) {
            Require(cell->find("\r\n") == std::string::npos);
            Require(chunk.find(*cell) != std::string_view::npos);
        }
        Require(row.ipAddress.find(' ') == std::string::npos);
        Require(row.interfaceName.find(' ') == std::string::npos);
        Require(row.macAddress.find(' ') == std::string::npos);
    }
    return 0;
}
