#pragma once

// Every object the manager reads, in one place. Three shapes:
//  - a scalar or a fixed instance is the full OID, sent as it stands;
//  - a column ends in "." and the caller appends the row index;
//  - an ...Entry ends in "." and the caller appends the column number, ".",
//    and the row index.
// Plain const char* rather than std::string_view: the readers build requests
// with std::string's operator+ (which has no string_view overload in C++20) and
// pass whole OIDs to const std::string& and std::string_view parameters alike.
// Column walks take either form: the walk drops a trailing ".".

namespace tessel::oids {

// MIB-II system group: the caption, the uptime panel and the system view.
inline constexpr const char* SysUpTime = "1.3.6.1.2.1.1.3.0";
inline constexpr const char* SysName = "1.3.6.1.2.1.1.5.0";
inline constexpr const char* SysLocation = "1.3.6.1.2.1.1.6.0";

// MIB-II ifTable columns, indexed by ifIndex: the interfaces view.
inline constexpr const char* IfDescr = "1.3.6.1.2.1.2.2.1.2.";
inline constexpr const char* IfMtu = "1.3.6.1.2.1.2.2.1.4.";
inline constexpr const char* IfOperStatus = "1.3.6.1.2.1.2.2.1.8.";

// MIB-II ipAddrTable columns, indexed by address: walked for the interfaces view.
inline constexpr const char* IpAdEntAddr = "1.3.6.1.2.1.4.20.1.1.";
inline constexpr const char* IpAdEntIfIndex = "1.3.6.1.2.1.4.20.1.2.";
inline constexpr const char* IpAdEntNetMask = "1.3.6.1.2.1.4.20.1.3.";

// MIB-II ipRouteTable, indexed by destination: the routing view.
inline constexpr const char* IpRouteEntry = "1.3.6.1.2.1.4.21.1.";

// Enterprise radio-access group (1.3.6.1.4.1.3942.1.1.1): the system view's
// radio switches, the CPE, base-station and registration views.
inline constexpr const char* RmaRadioAutobitrate = "1.3.6.1.4.1.3942.1.1.1.1.1.6.";
inline constexpr const char* RmaPollingFirstRadio = "1.3.6.1.4.1.3942.1.1.1.2.1.1.1";
inline constexpr const char* RmaPollingSecondRadio = "1.3.6.1.4.1.3942.1.1.1.2.1.1.2";
inline constexpr const char* CpeEntry = "1.3.6.1.4.1.3942.1.1.1.3.1.";
inline constexpr const char* BsEntry = "1.3.6.1.4.1.3942.1.1.1.4.1.";
inline constexpr const char* RegistrationEntry = "1.3.6.1.4.1.3942.1.1.1.5.1.";
inline constexpr const char* RmaStarted = "1.3.6.1.4.1.3942.1.1.1.6.0";

// Enterprise radio group (1.3.6.1.4.1.3942.1.1.2): the radio view. The choice
// tables are numbered over all radios; column 1 names the radio's ifIndex.
inline constexpr const char* RadioEntry = "1.3.6.1.4.1.3942.1.1.2.1.1.";
inline constexpr const char* PowerLevelEntry = "1.3.6.1.4.1.3942.1.1.2.4.1.";
inline constexpr const char* FrequencyEntry = "1.3.6.1.4.1.3942.1.1.2.5.1.";
inline constexpr const char* BitrateEntry = "1.3.6.1.4.1.3942.1.1.2.6.1.";

// Enterprise router group (1.3.6.1.4.1.3942.1.1.3): the system view's switches
// and the CPU load, which the login and the snapshot also probe with: it is
// cheap to read and present on every router.
inline constexpr const char* Fastroute = "1.3.6.1.4.1.3942.1.1.3.2.0";
inline constexpr const char* IcmpLimit = "1.3.6.1.4.1.3942.1.1.3.3.0";
inline constexpr const char* SendRedirects = "1.3.6.1.4.1.3942.1.1.3.4.0";
inline constexpr const char* DropRedirects = "1.3.6.1.4.1.3942.1.1.3.5.0";
inline constexpr const char* CpuLoad = "1.3.6.1.4.1.3942.1.1.3.6.0";

// Enterprise QoS group (1.3.6.1.4.1.3942.1.1.4): the QoS view.
inline constexpr const char* QosEntry = "1.3.6.1.4.1.3942.1.1.4.1.1.";

}  // namespace tessel::oids
