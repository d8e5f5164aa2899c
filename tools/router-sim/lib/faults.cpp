#include "faults.hpp"

#include "reports.hpp"

namespace tessel::sim {

bool DropPolicy::Drop() {
    ++count_;
    if (!Faulty()) {
        return false;
    }
    if (faults_.silent) {
        return true;
    }
    if (faults_.dropEvery != 0 && count_ % faults_.dropEvery == 0) {
        return true;
    }
    if (faults_.dropFraction > 0.0) {
        state_ = Mix(state_);
        const double draw = static_cast<double>(state_ >> 11) / 9007199254740992.0;
        return draw < faults_.dropFraction;
    }
    return false;
}

std::size_t ChunkSizer::Next() {
    if (!random_) {
        return bytes_;
    }
    state_ = Mix(state_);
    return 1 + static_cast<std::size_t>(state_ % ConsoleChunkMax);
}

std::string Damage(const std::string& reply, MalformedReply how, std::uint64_t salt) {
    switch (how) {
        case MalformedReply::None:
            return reply;
        case MalformedReply::Truncated:
            // Shorter than the outer header declares.
            return reply.substr(0, reply.size() / 2);
        case MalformedReply::Garbage: {
            std::string junk(reply.size(), '\0');
            std::uint64_t x = salt;
            for (char& c : junk) {
                x = Mix(x);
                c = static_cast<char>(x & 0xFF);
            }
            // A first byte without the constructed bit: no SEQUENCE at all.
            junk[0] = static_cast<char>(junk[0] & ~0x20);
            return junk;
        }
    }
    return reply;
}

}  // namespace tessel::sim
