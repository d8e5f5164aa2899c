#include "state_loader.hpp"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <algorithm>
#include <stdexcept>

namespace tessel::sim {

namespace {

class Reader {
  public:
    explicit Reader(std::string origin) : origin_(std::move(origin)) {}

    [[noreturn]] void Fail(const QString& where, const std::string& what) const {
        throw std::runtime_error(origin_ + ": " + where.toStdString() + ": " + what);
    }

    std::string Text(const QJsonObject& o, const char* key, const QString& where,
                     const std::string& fallback = {}) const {
        const QJsonValue v = o.value(key);
        if (v.isUndefined()) {
            return fallback;
        }
        if (!v.isString()) {
            Fail(where + "." + key, "expected a string");
        }
        return v.toString().toLatin1().toStdString();
    }

    std::int64_t Number(const QJsonObject& o, const char* key, const QString& where,
                        std::int64_t low, std::int64_t high, std::int64_t fallback) const {
        const QJsonValue v = o.value(key);
        if (v.isUndefined()) {
            return fallback;
        }
        const double d = v.toDouble(-1e300);
        if (!v.isDouble() || d != static_cast<double>(static_cast<std::int64_t>(d)) || d < low ||
            d > high) {
            Fail(where + "." + key,
                 "expected a whole number " + std::to_string(low) + ".." + std::to_string(high));
        }
        return static_cast<std::int64_t>(d);
    }

    bool Flag(const QJsonObject& o, const char* key, const QString& where, bool fallback) const {
        const QJsonValue v = o.value(key);
        if (v.isUndefined()) {
            return fallback;
        }
        if (!v.isBool()) {
            Fail(where + "." + key, "expected true or false");
        }
        return v.toBool();
    }

    std::uint32_t Ip(const QJsonObject& o, const char* key, const QString& where,
                     bool required) const {
        const std::string text = Text(o, key, where);
        if (text.empty() && !required) {
            return 0;
        }
        const auto ip = ParseIpv4(text);
        if (!ip) {
            Fail(where + "." + key, "expected a dotted IPv4 address");
        }
        return *ip;
    }

    std::uint32_t Mask(const QJsonObject& o, const char* key, const QString& where) const {
        const auto mask = ParseMask(Text(o, key, where));
        if (!mask) {
            Fail(where + "." + key, "expected a contiguous net mask");
        }
        return *mask;
    }

    Mac MacOf(const QJsonObject& o, const char* key, const QString& where) const {
        const auto mac = ParseMac(Text(o, key, where));
        if (!mac) {
            Fail(where + "." + key, "expected a MAC address such as 00:0b:22:05:78:ff");
        }
        return *mac;
    }

    std::vector<std::int32_t> Numbers(const QJsonObject& o, const char* key,
                                      const QString& where) const {
        std::vector<std::int32_t> out;
        const QJsonArray a = o.value(key).toArray();
        for (qsizetype i = 0; i < a.size(); ++i) {
            if (!a[i].isDouble()) {
                Fail(where + "." + key + "[" + QString::number(i) + "]", "expected a number");
            }
            out.push_back(a[i].toInt());
        }
        return out;
    }

    std::uint32_t InterfaceOf(const RouterState& s, const QJsonObject& o, const char* key,
                              const QString& where) const {
        const std::string name = Text(o, key, where);
        const std::uint32_t index = s.InterfaceIndex(name);
        if (index == 0) {
            Fail(where + "." + key, "no interface named \"" + name + "\"");
        }
        return index;
    }

    std::uint32_t RadioOf(const RouterState& s, const QJsonObject& o, const QString& where) const {
        const std::string name = Text(o, "radio", where);
        const std::uint32_t number = s.RadioNumber(name);
        if (number == 0) {
            Fail(where + ".radio", "no radio interface named \"" + name + "\"");
        }
        return number;
    }

  private:
    std::string origin_;
};

QString At(const char* list, qsizetype i) {
    return QString("%1[%2]").arg(list).arg(i);
}

void ReadInterfaces(const Reader& r, const QJsonArray& list, RouterState& s) {
    for (qsizetype i = 0; i < list.size(); ++i) {
        const QJsonObject o = list[i].toObject();
        const QString w = At("interfaces", i);
        Interface f;
        f.name = r.Text(o, "name", w);
        if (f.name.empty() || f.name.find(' ') != std::string::npos ||
            s.InterfaceIndex(f.name) != 0) {
            r.Fail(w + ".name", "expected a unique name without blanks");
        }
        f.type = static_cast<std::int32_t>(r.Number(o, "type", w, 1, 300, 6));
        f.mtu = static_cast<std::int32_t>(r.Number(o, "mtu", w, 68, 65535, 1500));
        f.speed = static_cast<std::uint32_t>(r.Number(o, "speed", w, 0, 4294967295LL, 100000000));
        f.mac = o.contains("mac") ? r.MacOf(o, "mac", w) : Mac{};
        f.up = r.Flag(o, "up", w, true);
        f.inOctetsPerSecond =
            static_cast<std::uint32_t>(r.Number(o, "inBytesPerSecond", w, 0, 1 << 30, 0));
        f.outOctetsPerSecond =
            static_cast<std::uint32_t>(r.Number(o, "outBytesPerSecond", w, 0, 1 << 30, 0));
        f.description = r.Text(o, "description", w);
        s.interfaces.push_back(f);
    }
    if (s.interfaces.size() > MaxInterfaces) {
        r.Fail("interfaces", "at most 100 interfaces");
    }
}

void ReadRadios(const Reader& r, const QJsonArray& list, RouterState& s) {
    for (qsizetype i = 0; i < list.size(); ++i) {
        const QJsonObject o = list[i].toObject();
        const QString w = At("radios", i);
        Radio radio;
        radio.interfaceName = r.Text(o, "interface", w);
        if (s.RadioNumber(radio.interfaceName) == 0 ||
            s.FindRadio(radio.interfaceName) != nullptr) {
            r.Fail(w + ".interface", "expected a radio interface (name containing \"rf\"), once");
        }
        radio.frequencies = r.Numbers(o, "frequencies", w);
        radio.bitrates = r.Numbers(o, "bitrates", w);
        radio.powerLevels = r.Numbers(o, "powerLevels", w);
        radio.frequency = static_cast<std::int32_t>(r.Number(o, "frequency", w, 1, 100000, 0));
        radio.bitrate = static_cast<std::int32_t>(r.Number(o, "bitrate", w, 1, 1000000, 0));
        radio.power = static_cast<std::int32_t>(r.Number(o, "power", w, -100, 100, 0));
        const auto in = [](const std::vector<std::int32_t>& v, std::int32_t x) {
            return std::find(v.begin(), v.end(), x) != v.end();
        };
        if (!in(radio.frequencies, radio.frequency) || !in(radio.bitrates, radio.bitrate) ||
            !in(radio.powerLevels, radio.power)) {
            r.Fail(w, "frequency, bitrate and power must be among their lists");
        }
        radio.sid = static_cast<std::uint32_t>(r.Number(o, "sid", w, 1, 0xFFFFFF, 1));
        radio.distance = static_cast<std::int32_t>(r.Number(o, "distance", w, 0, 200, 0));
        radio.txRetries = static_cast<std::int32_t>(r.Number(o, "txRetries", w, 1, 16, 4));
        radio.noise = static_cast<std::int32_t>(r.Number(o, "noise", w, -120, 0, -95));
        radio.burst = r.Flag(o, "burst", w, false);
        radio.longMode = r.Flag(o, "long", w, false);
        radio.pwrctl = r.Flag(o, "pwrctl", w, false);
        radio.wocd = r.Flag(o, "wocd", w, false);
        radio.autobitrate = r.Flag(o, "autobitrate", w, false);
        s.radios.push_back(radio);
    }
    for (const std::string& name : s.RadioInterfaceNames()) {
        if (s.FindRadio(name) == nullptr) {
            r.Fail("radios", "no settings for radio interface \"" + name + "\"");
        }
    }
}

void ReadTables(const Reader& r, const QJsonObject& root, RouterState& s) {
    const QJsonArray addresses = root.value("addresses").toArray();
    for (qsizetype i = 0; i < addresses.size(); ++i) {
        const QJsonObject o = addresses[i].toObject();
        const QString w = At("addresses", i);
        Address a{r.Ip(o, "address", w, true), r.Mask(o, "mask", w),
                  r.InterfaceOf(s, o, "interface", w)};
        for (const Address& b : s.addresses) {
            if (b.address == a.address) {
                r.Fail(w + ".address", "duplicate address");
            }
        }
        s.addresses.push_back(a);
    }
    if (s.addresses.size() > MaxAddresses) {
        r.Fail("addresses", "at most 100 addresses");
    }
    const QJsonArray routes = root.value("routes").toArray();
    if (static_cast<std::size_t>(routes.size()) > MaxRoutes) {
        r.Fail("routes", "at most 10000 routes");
    }
    for (qsizetype i = 0; i < routes.size(); ++i) {
        const QJsonObject o = routes[i].toObject();
        const QString w = At("routes", i);
        Route rt;
        rt.destination = r.Ip(o, "destination", w, true);
        rt.mask = r.Mask(o, "mask", w);
        rt.nextHop = r.Ip(o, "nextHop", w, false);
        rt.ifIndex = r.InterfaceOf(s, o, "interface", w);
        rt.metric = static_cast<std::int32_t>(r.Number(o, "metric", w, 0, 65535, 1));
        rt.type = static_cast<std::int32_t>(r.Number(o, "type", w, 1, 4, 4));
        rt.proto = static_cast<std::int32_t>(r.Number(o, "proto", w, 1, 14, 3));
        rt.age = static_cast<std::int32_t>(r.Number(o, "age", w, 0, 1 << 30, 0));
        for (const Route& b : s.routes) {
            if (b.destination == rt.destination) {
                r.Fail(w + ".destination", "duplicate destination (the table is indexed by it)");
            }
        }
        s.routes.push_back(rt);
    }
    const QJsonArray cpes = root.value("cpes").toArray();
    for (qsizetype i = 0; i < cpes.size(); ++i) {
        const QJsonObject o = cpes[i].toObject();
        const QString w = At("cpes", i);
        Cpe c;
        c.radio = r.RadioOf(s, o, w);
        c.mac = r.MacOf(o, "mac", w);
        c.ip = r.Ip(o, "ip", w, true);
        c.name = r.Text(o, "name", w);
        c.enabled = r.Flag(o, "enabled", w, true);
        c.registered = r.Flag(o, "registered", w, false);
        c.levelFrom = static_cast<std::int32_t>(r.Number(o, "levelFrom", w, 0, 16, 0));
        c.levelTo = static_cast<std::int32_t>(r.Number(o, "levelTo", w, 0, 16, 0));
        c.txRate = static_cast<std::int32_t>(r.Number(o, "txRate", w, 0, 8, 0));
        c.rxRate = static_cast<std::int32_t>(r.Number(o, "rxRate", w, 0, 8, 0));
        c.distance = static_cast<std::int32_t>(r.Number(o, "distance", w, 0, 200, 0));
        c.limitDown = static_cast<std::int32_t>(r.Number(o, "limitDown", w, 0, 1000000, 0));
        c.limitUp = static_cast<std::int32_t>(r.Number(o, "limitUp", w, 0, 1000000, 0));
        for (const Cpe& b : s.cpes) {
            if (b.radio == c.radio && b.mac == c.mac) {
                r.Fail(w + ".mac", "duplicate CPE on the radio");
            }
        }
        s.cpes.push_back(c);
    }
    const QJsonArray stations = root.value("baseStations").toArray();
    for (qsizetype i = 0; i < stations.size(); ++i) {
        const QJsonObject o = stations[i].toObject();
        const QString w = At("baseStations", i);
        const std::uint32_t radio = r.RadioOf(s, o, w);
        const auto sid = static_cast<std::uint32_t>(r.Number(o, "sid", w, 1, 0xFFFFFF, 1));
        const auto speed = static_cast<std::int32_t>(r.Number(o, "speed", w, 1, 1000000, 1000));
        for (const std::int32_t f : r.Numbers(o, "frequencies", w)) {
            s.baseStations.push_back({radio, f, speed, sid});
        }
    }
    if (s.baseStations.size() > MaxBaseStationRows) {
        r.Fail("baseStations", "at most 70 rows (one per frequency)");
    }
    if (root.contains("registration")) {
        const QJsonObject o = root.value("registration").toObject();
        const QString w = "registration";
        Registration g;
        g.radio = r.RadioOf(s, o, w);
        g.frequency = static_cast<std::int32_t>(r.Number(o, "frequency", w, 1, 100000, 1));
        g.bitrate = static_cast<std::int32_t>(r.Number(o, "bitrate", w, 1, 1000000, 1));
        g.sid = static_cast<std::uint32_t>(r.Number(o, "sid", w, 1, 0xFFFFFF, 1));
        g.bsMac = r.MacOf(o, "bsMac", w);
        g.ip = r.Ip(o, "ip", w, true);
        g.levelFrom = static_cast<std::int32_t>(r.Number(o, "levelFrom", w, 0, 16, 0));
        g.levelTo = static_cast<std::int32_t>(r.Number(o, "levelTo", w, 0, 16, 0));
        g.txRate = static_cast<std::int32_t>(r.Number(o, "txRate", w, 0, 8, 0));
        g.rxRate = static_cast<std::int32_t>(r.Number(o, "rxRate", w, 0, 8, 0));
        s.registration = g;
    }
    const QJsonArray qos = root.value("qos").toArray();
    for (qsizetype i = 0; i < qos.size(); ++i) {
        const QJsonObject o = qos[i].toObject();
        const QString w = At("qos", i);
        QosRow q;
        q.index = static_cast<std::int32_t>(r.Number(o, "index", w, 1, 1 << 30, i + 1));
        q.priority = static_cast<std::int32_t>(r.Number(o, "priority", w, 0, 255, 0));
        q.className = r.Text(o, "class", w);
        q.address = r.Text(o, "address", w);
        q.max = static_cast<std::int32_t>(r.Number(o, "max", w, 0, 1 << 30, 0));
        q.maxPps = static_cast<std::int32_t>(r.Number(o, "maxPps", w, 0, 1 << 30, 0));
        q.curFlow = static_cast<std::uint32_t>(r.Number(o, "curFlow", w, 0, 1 << 30, 0));
        q.curPps = static_cast<std::uint32_t>(r.Number(o, "curPps", w, 0, 1 << 30, 0));
        q.packets = static_cast<std::uint32_t>(r.Number(o, "packets", w, 0, 4294967295LL, 0));
        q.packetsDropped =
            static_cast<std::uint32_t>(r.Number(o, "packetsDropped", w, 0, 4294967295LL, 0));
        q.bytes = static_cast<std::uint32_t>(r.Number(o, "bytes", w, 0, 4294967295LL, 0));
        q.bytesDropped =
            static_cast<std::uint32_t>(r.Number(o, "bytesDropped", w, 0, 4294967295LL, 0));
        s.qos.push_back(q);
    }
    if (s.qos.size() > MaxQosRows) {
        r.Fail("qos", "at most 64 rows");
    }
    const QJsonArray arp = root.value("arp").toArray();
    for (qsizetype i = 0; i < arp.size(); ++i) {
        const QJsonObject o = arp[i].toObject();
        const QString w = At("arp", i);
        ArpEntry e{r.Ip(o, "ip", w, true), r.MacOf(o, "mac", w), r.Text(o, "interface", w)};
        r.InterfaceOf(s, o, "interface", w);
        s.arp.push_back(e);
    }
}

}  // namespace

RouterState ParseRouterState(const std::string& json, const std::string& origin) {
    QJsonParseError error{};
    const QJsonDocument doc = QJsonDocument::fromJson(QByteArray::fromStdString(json), &error);
    if (doc.isNull() || !doc.isObject()) {
        throw std::runtime_error(origin + ": not a JSON object (" +
                                 error.errorString().toStdString() + ")");
    }
    const Reader r(origin);
    const QJsonObject root = doc.object();
    RouterState s;
    const QJsonObject sys = root.value("system").toObject();
    s.system.name = r.Text(sys, "name", "system", s.system.name);
    s.system.location = r.Text(sys, "location", "system");
    s.system.contact = r.Text(sys, "contact", "system", s.system.contact);
    s.system.description = r.Text(sys, "description", "system", s.system.description);
    s.system.firmware = r.Text(sys, "firmware", "system", s.system.firmware);
    s.system.icmpLimit =
        static_cast<std::int32_t>(r.Number(sys, "icmpLimit", "system", 0, 65535, 0));
    s.system.fastroute = r.Flag(sys, "fastroute", "system", false);
    s.system.sendRedirects = r.Flag(sys, "sendredirects", "system", false);
    s.system.dropRedirects = r.Flag(sys, "dropredirects", "system", false);
    s.system.cpuLoad = static_cast<std::uint32_t>(r.Number(sys, "cpuLoad", "system", 0, 100, 5));
    ReadInterfaces(r, root.value("interfaces").toArray(), s);
    ReadRadios(r, root.value("radios").toArray(), s);
    const QJsonObject rma = root.value("rma").toObject();
    s.rmaStarted = r.Flag(rma, "started", "rma", false);
    const QJsonArray polling = rma.value("polling").toArray();
    if (polling.size() > static_cast<qsizetype>(PollingSlots)) {
        r.Fail("rma.polling", "at most two radios poll");
    }
    for (qsizetype i = 0; i < polling.size(); ++i) {
        const std::uint32_t number = s.RadioNumber(polling[i].toString().toStdString());
        if (number == 0) {
            r.Fail("rma.polling", "expected radio interface names");
        }
        s.polling[i] = number;
    }
    ReadTables(r, root, s);
    return s;
}

RouterState LoadRouterState(const std::string& path) {
    QFile file(QString::fromStdString(path));
    if (!file.open(QIODevice::ReadOnly)) {
        throw std::runtime_error(path + ": cannot open (" + file.errorString().toStdString() + ")");
    }
    return ParseRouterState(file.readAll().toStdString(), path);
}

}  // namespace tessel::sim
