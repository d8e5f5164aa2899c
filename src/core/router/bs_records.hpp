#pragma once

// The CPE page's base-station records: the configured rows grouped by SID
// and speed, the grid made of them, the registration match and the
// "rma bs " lines of the configuration form.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/console/reply_dispatch.hpp"
#include "core/router/console_text.hpp"
#include "core/router/grid_columns.hpp"

namespace tessel {

// The router's table has room for this many rows; the page keeps this many
// records, each with at most this many frequencies.
inline constexpr std::size_t BsRowLimit = 70;
inline constexpr std::size_t BsRecordLimit = 20;
inline constexpr std::size_t BsFrequencyLimit = 70;

// One row of the configured base-station table, as read.
struct BsRow {
    std::int64_t radio = 0;
    std::string frequency;
    std::string speed;
    std::string sid;  // decimal
};

// One configured base station as shown: SID and speed as read, and its
// frequencies in the order first seen, each once.
struct BsRecord {
    std::string sid;
    std::string speed;
    std::vector<std::string> frequencies;
};

// The rows of one radio grouped by equal SID and speed texts, in the order
// first seen; at most BsRecordLimit records of at most BsFrequencyLimit
// frequencies, further ones are dropped.
std::vector<BsRecord> GroupBsRecords(std::span<const BsRow> rows, std::int64_t radio);

// A grid row of "Configured Base Stations".
struct BsGridRow {
    std::string sid;  // upper-case hexadecimal
    std::string speed;
    std::string frequencies;  // joined by ",", no blanks
    std::string registered = "false";
    std::string position;  // 1-based record position, hidden
};

std::vector<BsGridRow> BsGridRows(std::span<const BsRecord> records);

// The record a clicked grid row stands for, or nullptr when its hidden
// position no longer names one (the records were re-read meanwhile).
const BsRecord* BsRecordAt(std::span<const BsRecord> records, std::string_view position);

// Whether the registration (SID already in hexadecimal, bitrate, frequency)
// is with the base station of this grid row. An empty frequency or bitrate
// (a failed read) matches no row.
bool IsRegisteredWith(const BsGridRow& row, std::string_view sidHex, std::string_view bitrate,
                      std::string_view frequency);

// Re-reads the radio view when the registration comes or goes, as the
// router changes the radio's values with it; two flags, as the page keeps.
struct RegistrationDetector {
    int registeredNow = 0;
    int registeredBefore = 0;

    // Feeds one registration read; true when the radio view is to be re-read.
    bool Update(bool registered);
};

// The position (from 1, as decimal text) of name in the router's interface
// names, or the empty text when it is not there.
std::string InterfaceNumberText(std::span<const std::string> interfaceNames, std::string_view name);

// Adds a frequency to the form's list unless it is there already.
void AddBsFrequency(std::vector<std::string>& list, std::string_view frequency);

inline constexpr std::string_view BsFormErrorCaption = "Error";

// The lines of the "Error" box of Create/Update; empty when the form may be
// sent. The speed is checked against the band of the registration's radio.
// A form without a radio (a router without radios) is refused too, last
// (kNoRadioInterface): "rma bs  SID/SPEED ..." would name none.
std::string BsFormErrorText(std::string_view radioName, std::span<const std::string> frequencies,
                            std::string_view sid, std::string_view speed, int band);

// The delete lines Create/Update sends first, one per grid row with the same
// SID (ignoring case) and speed: "rma bs RADIO SID/SPEED FREQS -del". None
// without a radio.
std::vector<ConsoleCommand> BsReplaceCommands(std::span<const BsGridRow> rows,
                                              std::string_view radioName, std::string_view sid,
                                              std::string_view speed);

// "rma bs RADIO SID/SPEED F1,F2,...". Nothing without a radio (tell
// kNoRadioInterface): the add may be sent on a reply, after the form's check.
std::optional<ConsoleCommand> BsAddCommand(std::string_view radioName, std::string_view sid,
                                           std::string_view speed,
                                           std::span<const std::string> frequencies);

// "rma bs RADIO SID/SPEED FREQS -del" for a grid row; nothing for a row
// without a SID, nor without a radio (tell kNoRadioInterface then).
std::optional<ConsoleCommand> BsDeleteCommand(std::string_view radioName, const BsGridRow& row);

// "SID", "Speed", "Frequencies", "R" and the hidden record position.
std::span<const ReportColumn> BsGridColumns();

}  // namespace tessel
