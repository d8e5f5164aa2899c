#include "core/router/bs_records.hpp"

#include <algorithm>
#include <array>
#include <cctype>

#include "core/router/number_text.hpp"
#include "core/router/radio_rules.hpp"
#include "core/router/rate_texts.hpp"

namespace tessel {

namespace {

bool Contains(std::span<const std::string> list, std::string_view text) {
    return std::find(list.begin(), list.end(), text) != list.end();
}

bool EqualIgnoringCase(std::string_view a, std::string_view b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return std::toupper(static_cast<unsigned char>(x)) ==
               std::toupper(static_cast<unsigned char>(y));
    });
}

std::string Joined(std::span<const std::string> items) {
    std::string text;
    for (const auto& item : items) {
        if (!text.empty()) {
            text += ',';
        }
        text += item;
    }
    return text;
}

ConsoleCommand BsLine(std::string_view radioName, std::string_view sid, std::string_view speed,
                      std::string_view frequencies, bool remove, ReplyCode replyState,
                      std::span<const ReadStep> reads) {
    std::string line = "rma bs ";
    line += radioName;
    line += ' ';
    line += sid;
    line += '/';
    line += speed;
    line += ' ';
    line += frequencies;
    if (remove) {
        line += " -del";
    }
    return {std::move(line), replyState, reads};
}

}  // namespace

std::vector<BsRecord> GroupBsRecords(std::span<const BsRow> rows, std::int64_t radio) {
    std::vector<BsRecord> records;
    for (const auto& row : rows) {
        if (row.radio != radio) {
            continue;
        }
        const auto same = std::find_if(records.begin(), records.end(), [&row](const BsRecord& r) {
            return r.sid == row.sid && r.speed == row.speed;
        });
        if (same == records.end()) {
            if (records.size() < BsRecordLimit) {
                records.push_back({row.sid, row.speed, {row.frequency}});
            }
        } else if (same->frequencies.size() < BsFrequencyLimit &&
                   !Contains(same->frequencies, row.frequency)) {
            same->frequencies.push_back(row.frequency);
        }
    }
    return records;
}

std::vector<BsGridRow> BsGridRows(std::span<const BsRecord> records) {
    std::vector<BsGridRow> rows;
    rows.reserve(records.size());
    for (std::size_t m = 0; m < records.size(); ++m) {
        const auto& record = records[m];
        BsGridRow row;
        row.sid = SidText(record.sid);
        row.speed = record.speed;
        row.frequencies = Joined(record.frequencies);
        row.position = std::to_string(m + 1);
        rows.push_back(std::move(row));
    }
    return rows;
}

const BsRecord* BsRecordAt(std::span<const BsRecord> records, std::string_view position) {
    const auto m = ParseInteger(position);
    if (!m || *m < 1 || *m > static_cast<std::int64_t>(records.size())) {
        return nullptr;
    }
    return &records[static_cast<std::size_t>(*m - 1)];
}

bool IsRegisteredWith(const BsGridRow& row, std::string_view sidHex, std::string_view bitrate,
                      std::string_view frequency) {
    return !frequency.empty() && !bitrate.empty() && row.sid == sidHex && row.speed == bitrate &&
           row.frequencies.find(frequency) != std::string::npos;
}

bool RegistrationDetector::Update(bool registered) {
    if (registered && registeredBefore == 0) {
        registeredBefore = registeredNow;
        registeredNow = 1;
        return true;
    }
    if (!registered && registeredBefore == 1) {
        registeredBefore = registeredNow;
        registeredNow = 0;
        return true;
    }
    return false;
}

std::string InterfaceNumberText(std::span<const std::string> interfaceNames,
                                std::string_view name) {
    const auto at = std::find(interfaceNames.begin(), interfaceNames.end(), name);
    if (at == interfaceNames.end()) {
        return {};
    }
    return std::to_string(at - interfaceNames.begin() + 1);
}

void AddBsFrequency(std::vector<std::string>& list, std::string_view frequency) {
    if (!Contains(list, frequency)) {
        list.emplace_back(frequency);
    }
}

std::string BsFormErrorText(std::string_view radioName, std::span<const std::string> frequencies,
                            std::string_view sid, std::string_view speed, int band) {
    std::string text;
    if (frequencies.empty()) {
        text += "List of frequencies is empty\r\n";
    }
    if (sid.empty()) {
        text += "SID field is empty\r\n";
    } else if (!IsSafeConsoleText(sid)) {
        text += "SID field is not correct\r\n";
    }
    if (!IsValidBsSpeed(band, speed)) {
        text += "Speed value is not correct";
    }
    if (radioName.empty()) {
        if (!text.empty() && !text.ends_with("\r\n")) {
            text += "\r\n";
        }
        text += kNoRadioInterface;
    }
    return text;
}

std::vector<ConsoleCommand> BsReplaceCommands(std::span<const BsGridRow> rows,
                                              std::string_view radioName, std::string_view sid,
                                              std::string_view speed) {
    std::vector<ConsoleCommand> commands;
    if (radioName.empty()) {
        return commands;
    }
    for (const auto& row : rows) {
        if (EqualIgnoringCase(row.sid, sid) && row.speed == speed) {
            commands.push_back(BsLine(radioName, sid, speed, row.frequencies, true,
                                      ReplyCode::BsDeleteBeforeAdd, {}));
        }
    }
    return commands;
}

std::optional<ConsoleCommand> BsAddCommand(std::string_view radioName, std::string_view sid,
                                           std::string_view speed,
                                           std::span<const std::string> frequencies) {
    if (radioName.empty()) {
        return std::nullopt;
    }
    return BsLine(radioName, sid, speed, Joined(frequencies), false, ReplyCode::BsList,
                  rereads::BsList);
}

std::optional<ConsoleCommand> BsDeleteCommand(std::string_view radioName, const BsGridRow& row) {
    if (row.sid.empty() || radioName.empty()) {
        return std::nullopt;
    }
    return BsLine(radioName, row.sid, row.speed, row.frequencies, true, ReplyCode::BsList,
                  rereads::BsList);
}

std::span<const ReportColumn> BsGridColumns() {
    using enum ReportColumnKind;
    static constexpr std::array<ReportColumn, 6> Columns = {{
        {"", RowNumber},
        {"SID", Text},
        {"Speed", Text},
        {"Frequencies", Text},
        {"R", CheckBox},
        {"", Text, 0, {}, {}, false, true},
    }};
    return Columns;
}

}  // namespace tessel
