#include "core/pages/bs_registration_read.hpp"

#include "core/pages/counted_read.hpp"
#include "core/router/radio_rules.hpp"
#include "core/router/rate_texts.hpp"
#include "core/snmp/oids.hpp"

namespace tessel {

BsRegistration ReadBsRegistration(SnmpReader& reader, int radio, int band,
                                  std::span<const BsGridRow> gridRows) {
    // Appended rather than "." + to_string(): GCC 12 at -O3 takes the
    // latter's insert at the front for an overlapping copy (-Wrestrict).
    std::string suffix(1, '.');
    suffix += std::to_string(radio);
    const auto column = [&](std::string_view number) {
        return ReadCounted(reader,
                           std::string(oids::RegistrationEntry) + std::string(number) + suffix);
    };

    BsRegistration registration;
    registration.marks.assign(gridRows.size(), "false");
    if (ReadCounted(reader, std::string(oids::RegistrationEntry) + "1.1").empty()) {
        const std::string na(NotAvailableText);
        for (auto* label :
             {&registration.frequency, &registration.bitrate, &registration.sid,
              &registration.amplitudeTo, &registration.amplitudeFrom, &registration.transmitSpeed,
              &registration.receiveSpeed, &registration.ipAddress}) {
            *label = na;
        }
        return registration;
    }
    registration.available = true;
    registration.frequency = column("2");
    registration.bitrate = column("3");
    registration.sid = SidText(column("4"));
    registration.amplitudeFrom = column("6");
    registration.amplitudeFromBar = LevelBarValue(registration.amplitudeFrom).value_or(0);
    registration.amplitudeTo = column("7");
    registration.amplitudeToBar = LevelBarValue(registration.amplitudeTo).value_or(0);
    registration.ipAddress = column("9");
    registration.transmitSpeed = RateLabelText(band, column("10"));
    registration.receiveSpeed = RateLabelText(band, column("11"));

    for (std::size_t k = 0; k < gridRows.size(); ++k) {
        if (IsRegisteredWith(gridRows[k], registration.sid, registration.bitrate,
                             registration.frequency)) {
            registration.marks[k] = "true";
            registration.registered = true;
        }
    }
    return registration;
}

}  // namespace tessel
