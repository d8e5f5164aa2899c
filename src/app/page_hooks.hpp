#pragma once

// What the pages contribute to the session: their readers for the post-login
// load, "Refresh all" and the console re-reads, and their handlers of the
// console reports. Each page sets its own entries when it is built; an entry
// left empty does nothing.

#include <functional>
#include <string>

namespace tessel {

struct PageHooks {
    using Step = std::function<void()>;
    using Chunk = std::function<void(const std::string& chunk)>;

    Step ReadSystemSettings;
    Step ReadRmaSettings;
    Step ReadInterfaces;
    Step ReadRadioInterfaceList;
    Step ReadRadioParameters;
    Step ReadCpeTable;
    Step ReadBsList;
    Step ReadRoutingTable;
    Step ReadQosTable;

    // Before the reads of a post-login load: period editors from their
    // timers. After them: the auto-update flags and registration counts.
    Step PrepareLoad;
    Step ResetAfterLoad;

    // Console reports.
    Step SendAddBsRecord;
    Step ClearLoadMeter;
    Chunk LoadMeterRow;
    Step ClearRmaTest;
    Chunk RmaTestRow;
    Chunk ArpTable;

    static void Run(const Step& step) {
        if (step) {
            step();
        }
    }
    static void Run(const Chunk& handler, const std::string& chunk) {
        if (handler) {
            handler(chunk);
        }
    }
};

}  // namespace tessel
