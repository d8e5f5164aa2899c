#pragma once

// What the lab router wrote to its log (--log FILE) so far: the one reader of
// that file for every test. Each line is a flat JSON object; strings come
// back unescaped (\u00XX as the byte it stands for), numbers as written, and
// an SNMP request's "oids" as a list.
//
//   const RouterLog log = sim.Log();
//   log.ConsoleLines();                        // every console line, in order
//   log.Count("console-connect");
//   log.Field("snmp", "from");                 // one value per entry that has it
//   log.SnmpRequestsFor("1.3.6.1.2.1.4.21.1.");

#include <cstddef>
#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace tessel::test {

struct RouterLogEntry {
    std::string event;
    std::map<std::string, std::string, std::less<>> fields;
    std::vector<std::string> oids;

    bool Has(std::string_view field) const { return fields.find(field) != fields.end(); }
    // The field's value; empty when the entry has none.
    std::string Field(std::string_view field) const;
    // True when the entry asked for an object whose OID starts with prefix.
    bool AsksBelow(std::string_view prefix) const;
};

class RouterLog {
  public:
    // Reads the file as it is now; a line cut short by a write in progress
    // is left out.
    explicit RouterLog(const std::string& path);

    const std::vector<RouterLogEntry>& Entries() const& { return entries_; }
    // Not of a temporary: a loop over it would outlive the entries.
    void Entries() && = delete;
    std::size_t Count(std::string_view event) const;
    // The value of field in every entry of event that has it, in order.
    std::vector<std::string> Field(std::string_view event, std::string_view field) const;
    std::vector<std::string> ConsoleLines() const { return Field("console-line", "line"); }
    bool ReceivedLine(std::string_view line) const;
    // SNMP requests that asked for an object below prefix.
    std::size_t SnmpRequestsFor(std::string_view prefix) const;

  private:
    std::vector<RouterLogEntry> entries_;
};

}  // namespace tessel::test
