// The page read sequences against an agent that answers anything at all, in
// any order, for ever: every read must end within the pages' limits, and the
// address check must never accept a text that is not four dotted parts.

#include "core/pages/interfaces_read.hpp"
#include "core/pages/radio_read.hpp"
#include "core/pages/system_read.hpp"
#include "core/router/address_checks.hpp"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>
#include <string>

namespace {

// Answers from the input bytes, starting over at the end, so that a
// misbehaviour can go on as long as the reader keeps asking.
class InputAgent : public tessel::SnmpReader {
  public:
    explicit InputAgent(std::span<const std::uint8_t> input) : input_(input) {}

    void GetCounted(const std::string&, std::string& value) override { value = Value(); }

    bool Get(const std::string&, std::string& value) override {
        value = Value();
        return true;
    }

    bool GetNext(std::string& oid, std::string& value) override {
        const std::uint8_t mode = Next();
        value.clear();
        switch (mode % 6) {
            case 0:
                return false;
            case 1:
                oid += "." + std::to_string(Next());
                break;
            case 2:
                break;  // the same OID again
            case 3:
                oid = oid.substr(0, oid.rfind('.'));  // backwards
                break;
            case 4:
                oid = "1.3.6.1.2.1.4.21.1.1." + std::to_string(Next());  // another table
                break;
            default:
                oid += ".x";
                break;
        }
        value = Value();
        return true;
    }

    std::size_t requests = 0;

  private:
    std::uint8_t Next() {
        ++requests;
        if (input_.empty()) {
            return 0;
        }
        const std::uint8_t byte = input_[at_ % input_.size()];
        ++at_;
        return byte;
    }

    std::string Value() {
        static const char* const kValues[] = {"",     "1",     "2",    "3",  "54",       "2412",
                                              "eth0", "rf5.0", "tun0", "-1", "10.0.0.1", "x"};
        return kValues[Next() % std::size(kValues)];
    }

    std::span<const std::uint8_t> input_;
    std::size_t at_ = 0;
};

void Require(bool condition) {
    if (!condition) {
        std::abort();
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::span<const std::uint8_t> input(data, size);

    const std::string text(reinterpret_cast<const char*>(data), size);
    if (tessel::IsValidIpAddress(text)) {
        Require(std::count(text.begin(), text.end(), '.') == 3);
    }

    InputAgent agent(input);
    const auto page = tessel::ReadInterfaces(agent);
    Require(page.addresses.size() <= tessel::kMaxAddresses);
    Require(page.interfaceNames.size() <= tessel::kMaxInterfaceNames);
    Require(page.ipTable.size() == page.addresses.size());
    Require(page.interfaces.size() == page.interfaceNames.size());

    const auto radios = tessel::ReadRadioInterfaceList(agent, page.interfaceNames);
    const std::string radio = radios.radios.empty() ? std::string() : radios.radios.front();
    const auto parameters = tessel::ReadRadioParameters(agent, page.interfaceNames, radio,
                                                        radios.selected, radios.bands);
    for (const auto* list :
         {&parameters.bitrates, &parameters.powerLevels, &parameters.frequencies}) {
        Require(list->items.size() <= tessel::kMaxChoiceRows);
        Require(list->selected < static_cast<int>(list->items.size()));
    }
    tessel::ReadSystemSettings(agent, "127.0.0.1");
    tessel::ReadRmaSettings(agent, radios.selected);
    return 0;
}
