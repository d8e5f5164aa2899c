#include "core/console/help_texts.hpp"

namespace tessel {

namespace {

// The explanations behind the small help buttons beside the fields.
constexpr HelpText HelpTexts[] = {
    {"SpeedButton6", "A system name of a router"},
    {"SpeedButton7", "A parameter that specifies unit's location"},
    {"SpeedButton8",
     "A limit to the number of outcoming ICMP packets per second. Helps to avoid the device "
     "rebooting while network scanning programs implementation. Being set to 0 all limitations are "
     "turned off"},
    {"SpeedButton9",
     "Enables the fast routing mode. In this mode the router becomes invisible for traceroute "
     "network tracing procedures, while still performing all routing functions"},
    {"SpeedButton10",
     "Enables  the system to send icmp redirect messages for routing tables updating if routing is "
     "incorrectly configured"},
    {"SpeedButton11",
     "Enables the system to send icmp redirect messages for the packets source suppression if "
     "routing is incorrectly configured"},
    {"SpeedButton12", "Enable RMA protocol support"},
    {"SpeedButton13", "A radio interface for which RMA is to be configured"},
    {"SpeedButton14",
     "Enables an automatic speed management mode. If turned on on the CPE, BS will turn it on for "
     "this particular CPE. If turned on on the BS, all CPEs working with it will switch to this "
     "mode"},
    {"SpeedButton15",
     "Enables polling mode. The polling regime is enabled on the base station only. Configuration "
     "of client units needs not to be modified. All those units, however, shall have RMA protocol "
     "enabled"},
    {"SpeedButton1", "Name of the radio interface to be configured"},
    {"SpeedButton2", "The list of available frequencies for the selected radio interface"},
    {"SpeedButton3", "The list of available speeds for the selected radio interface"},
    {"SpeedButton4", "The list of available power levels for the selected radio interface"},
    {"SpeedButton5",
     "System identifier of the router, a hexadecimal number in the range of 1H to FFFFFFH. All "
     "routers that are supposed to see each other on the same radio link must have the same "
     "identifier"},
    {"SpeedButton20",
     "This parameter is used as a method of link range configuring in order to set the exact "
     "distance value between two devices (in kilometers)"},
    {"SpeedButton21", "Maximum number of repeat requests when sending unicast packets"},
    {"SpeedButton22", "This mode enables authomatic management of transmitter's emitting power"},
    {"SpeedButton23",
     "Disables carrier sense on the radio interface when sending data packets. May only be used on "
     "a base station working in WMA (Wireless Marker Access) mode"},
    {"SpeedButton24",
     "BURST protocol groups short packets with the same destination address on a radio link into "
     "larger packets, thus decreasing the response time for applications generating streams of "
     "short packets"},
    {"SpeedButton51",
     "WOCD mode disables carrier sense on the radio interface when sending data packets. May only "
     "be used on a base station working in WMA (Wireless Marker Access) mode"},
    {"SpeedButton25", "An interface for which an IP-address should be assigned"},
    {"SpeedButton26",
     "An IP-address to be assigned on the interface. If the interface has an IP-address(-es) "
     "assigned to it, this address will become an alias"},
    {"SpeedButton27",
     "Mask for the IP-address. If left blank the mask will be assigned automatically (not "
     "recommended)"},
    {"SpeedButton28",
     "MTU (Maximum Transfer Unit) for the interface. Usually this parameter does not need to be "
     "changed. Sometimes MTU decreasing improves work conditions for a client with very low "
     "signal"},
    {"SpeedButton29", "Enable the interface"},
    {"SpeedButton30", "The radio interface for which the CPE should be configured"},
    {"SpeedButton31", "Subscriber's mnemonic name (up to 20 symbols without spaces)"},
    {"SpeedButton32", "MAC-address of a client unit"},
    {"SpeedButton33",
     "IP-address of the connection as seen from the base station (mask length equals 30)"},
    {"SpeedButton34", "Enable RMA for this CPE"},
    {"SpeedButton35", "The list of all available frequencies for this router"},
    {"SpeedButton36",
     "This list of frequencies configured for the CPE using which it will search for the Base "
     "Station. Must contain at least one frequency"},
    {"SpeedButton37", "The radio interface through which the Base Station connection is performed"},
    {"SpeedButton38", "The SID of the Base Station"},
    {"SpeedButton39",
     "Requested connection speed in KBit/s (if autobitrate mode is turned on, this parameter sets "
     "the highest possible speed)"},
};

}  // namespace

std::span<const HelpText> AllHelpTexts() {
    return HelpTexts;
}

std::string_view HelpTextFor(std::string_view button) {
    for (const HelpText& help : HelpTexts) {
        if (help.button == button) {
            return help.text;
        }
    }
    return {};
}

std::string_view HelpHintFor(std::string_view button) {
    // The frequency list's hint is laid out on two lines for the tooltip.
    if (button == "SpeedButton2") {
        return "The list of available frequencies for \nthe selected radio interface ";
    }
    return HelpTextFor(button);
}

}  // namespace tessel
