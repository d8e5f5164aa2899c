#include "app/snapshot_json.hpp"

#include "viewkit/text_bridge.hpp"

#include <QJsonArray>
#include <QJsonDocument>

namespace tessel {

namespace {

QJsonValue Text(const std::string& bytes) {
    return ToQString(bytes);
}

QJsonValue Flag(const std::string& text) {
    return text == "true";
}

QJsonArray Texts(const std::vector<std::string>& texts) {
    QJsonArray list;
    for (const std::string& text : texts) {
        list.append(Text(text));
    }
    return list;
}

QJsonValue Chosen(const ChoiceList& choices) {
    if (choices.selected < 0 ||
        static_cast<std::size_t>(choices.selected) >= choices.items.size()) {
        return QJsonValue::Null;
    }
    return Text(choices.items[static_cast<std::size_t>(choices.selected)]);
}

QJsonObject System(const SystemSettings& s) {
    return {{"name", Text(s.name)},
            {"location", Text(s.location)},
            {"icmpLimit", Text(s.icmpLimit)},
            {"fastroute", s.fastroute},
            {"sendRedirects", s.sendRedirects},
            {"dropRedirects", s.dropRedirects}};
}

QJsonObject Rma(const RouterSnapshot& snapshot) {
    QJsonArray radios;
    for (const RadioSnapshot& radio : snapshot.radios) {
        radios.append(QJsonObject{{"radio", Text(radio.name)},
                                  {"autobitrate", radio.rma.autobitrate},
                                  {"polling", radio.rma.polling}});
    }
    return {{"started", snapshot.rmaStarted}, {"radios", radios}};
}

QJsonObject Radio(const RadioSnapshot& radio) {
    const RadioParameters& p = radio.parameters;
    QJsonObject object{{"name", Text(radio.name)},
                       {"number", radio.number},
                       {"interfaceIndex", Text(p.interfaceNumber)},
                       {"band", radio.band},
                       {"bitrate", Chosen(p.bitrates)},
                       {"bitrates", Texts(p.bitrates.items)},
                       {"maxRetries", static_cast<qint64>(p.maxRetries)},
                       {"powerLevel", Chosen(p.powerLevels)},
                       {"powerLevels", Texts(p.powerLevels.items)},
                       {"sid", Text(p.sid)},
                       {"burst", p.burst},
                       {"distance", static_cast<qint64>(p.distance)},
                       {"pwrctl", p.pwrctl},
                       {"frequency", Chosen(p.frequencies)},
                       {"frequencies", Texts(p.frequencies.items)}};
    // "Wocd mode" exists only on band 1 radios; elsewhere it is not read.
    object.insert("wocd", p.wocdApplies ? QJsonValue(p.wocd) : QJsonValue(QJsonValue::Null));
    return object;
}

QJsonArray Interfaces(const InterfacesReading& page) {
    QJsonArray list;
    for (const InterfaceRow& row : page.interfaces) {
        list.append(QJsonObject{
            {"name", Text(row.name)}, {"mtu", Text(row.mtu)}, {"state", Text(row.state)}});
    }
    return list;
}

QJsonArray Addresses(const InterfacesReading& page) {
    QJsonArray list;
    for (const IpTableRow& row : page.ipTable) {
        list.append(QJsonObject{{"interface", Text(row.interfaceName)},
                                {"address", Text(row.address)},
                                {"mask", Text(row.mask)},
                                {"interfaceIndex", Text(row.interfaceIndex)}});
    }
    return list;
}

QJsonArray Cpe(const RouterSnapshot& snapshot) {
    QJsonArray list;
    for (const RadioSnapshot& radio : snapshot.radios) {
        for (const CpeTableRow& row : radio.cpe.rows) {
            list.append(QJsonObject{{"radio", Text(radio.name)},
                                    {"registered", Flag(row.registered)},
                                    {"mac", Text(row.mac)},
                                    {"ipAddress", Text(row.ipAddress)},
                                    {"levelFrom", Text(row.levelFrom)},
                                    {"levelTo", Text(row.levelTo)},
                                    {"name", Text(row.name)},
                                    {"transmit", Text(row.transmit)},
                                    {"receive", Text(row.receive)},
                                    {"distance", Text(row.distance)},
                                    {"limit", Text(row.limit)},
                                    {"enabled", Flag(row.enabled)}});
        }
    }
    return list;
}

QJsonArray BaseStations(const RouterSnapshot& snapshot) {
    QJsonArray list;
    for (const RadioSnapshot& radio : snapshot.radios) {
        const std::vector<BsRecord>& records = radio.baseStations.records;
        const std::vector<BsGridRow>& rows = radio.baseStations.gridRows;
        for (std::size_t k = 0; k < rows.size() && k < records.size(); ++k) {
            const bool marked = radio.registration && k < radio.registration->marks.size() &&
                                radio.registration->marks[k] == "true";
            list.append(QJsonObject{{"radio", Text(radio.name)},
                                    {"sid", Text(rows[k].sid)},
                                    {"speed", Text(rows[k].speed)},
                                    {"frequencies", Texts(records[k].frequencies)},
                                    {"registered", marked}});
        }
    }
    return list;
}

QJsonArray Registration(const RouterSnapshot& snapshot) {
    QJsonArray list;
    for (const RadioSnapshot& radio : snapshot.radios) {
        if (!radio.registration) {
            continue;
        }
        const BsRegistration& r = *radio.registration;
        QJsonObject object{{"radio", Text(radio.name)}, {"available", r.available}};
        if (r.available) {
            object.insert("frequency", Text(r.frequency));
            object.insert("bitrate", Text(r.bitrate));
            object.insert("sid", Text(r.sid));
            object.insert("levelFrom", Text(r.amplitudeFrom));
            object.insert("levelTo", Text(r.amplitudeTo));
            object.insert("ipAddress", Text(r.ipAddress));
            object.insert("transmitSpeed", Text(r.transmitSpeed));
            object.insert("receiveSpeed", Text(r.receiveSpeed));
        }
        list.append(object);
    }
    return list;
}

QJsonArray Routes(const std::vector<RouteRow>& routes) {
    QJsonArray list;
    for (const RouteRow& row : routes) {
        list.append(QJsonObject{{"destination", Text(row.destination)},
                                {"interface", Text(row.interfaceName)},
                                {"metric", Text(row.metric)},
                                {"nextHop", Text(row.nextHop)},
                                {"protocol", Text(row.protocol)},
                                {"mask", Text(row.mask)}});
    }
    return list;
}

QJsonArray Qos(const std::vector<QosRow>& rows) {
    static constexpr std::array<const char*, std::tuple_size_v<QosRow>> Names = {
        "index",   "priority", "class",   "address",        "max",   "maxPps",
        "curFlow", "curPps",   "packets", "packetsDropped", "bytes", "bytesDropped"};
    QJsonArray list;
    for (const QosRow& row : rows) {
        QJsonObject object;
        for (std::size_t c = 0; c < row.size(); ++c) {
            object.insert(QLatin1String(Names[c]), Text(row[c]));
        }
        list.append(object);
    }
    return list;
}

}  // namespace

QJsonObject SnapshotJson(const RouterSnapshot& snapshot) {
    QJsonArray radios;
    for (const RadioSnapshot& radio : snapshot.radios) {
        radios.append(Radio(radio));
    }
    return {{"system", System(snapshot.system)},
            {"rma", Rma(snapshot)},
            {"radios", radios},
            {"interfaces", Interfaces(snapshot.interfaces)},
            {"addresses", Addresses(snapshot.interfaces)},
            {"cpe", Cpe(snapshot)},
            {"base_stations", BaseStations(snapshot)},
            {"registration", Registration(snapshot)},
            {"routes", Routes(snapshot.routes)},
            {"qos", Qos(snapshot.qos)}};
}

QByteArray SnapshotJsonText(const RouterSnapshot& snapshot) {
    return QJsonDocument(SnapshotJson(snapshot)).toJson(QJsonDocument::Indented);
}

}  // namespace tessel
