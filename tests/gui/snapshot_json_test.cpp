// The snapshot as JSON: the router's 8-bit texts as the window shows them
// (Latin-1), switches as booleans, what was not read left out or null, and
// every row of a radio's page naming its radio.

#include "app/snapshot_json.hpp"

#include <QJsonArray>
#include <QJsonDocument>

#include <gtest/gtest.h>

namespace tessel {
namespace {

RouterSnapshot TwoRadios() {
    RouterSnapshot s;
    s.system.name = "Caf\xe9\x01\"\xff";
    s.system.fastroute = true;
    s.rmaStarted = true;

    RadioSnapshot& first = s.radios.emplace_back();
    first.name = "rf5.0";
    first.number = 1;
    first.band = 1;
    first.parameters.wocdApplies = true;
    first.parameters.wocd = true;
    first.parameters.bitrates = {{"6000", "54000"}, 1};
    first.parameters.powerLevels = {{"5", "8"}, -1};
    first.rma.autobitrate = true;

    RadioSnapshot& second = s.radios.emplace_back();
    second.name = "rf2.0";
    second.number = 2;
    second.band = 2;
    CpeTableRow& cpe = second.cpe.rows.emplace_back();
    cpe.mac = "000B220578FF";
    cpe.registered = "true";
    cpe.enabled = "false";
    cpe.name = "farm \xb5";
    second.baseStations.records = {{"C8", "5500", {"2412", "2417"}}, {"C9", "11000", {"2462"}}};
    second.baseStations.gridRows = BsGridRows(second.baseStations.records);
    BsRegistration registration;
    registration.available = true;
    registration.frequency = "2462";
    registration.marks = {"false", "true"};
    second.registration = registration;

    QosRow& qos = s.qos.emplace_back();
    qos[0] = "1";
    qos[2] = "gold";
    qos[11] = "42";
    return s;
}

TEST(SnapshotJson, RouterTextsRadiosAndTablesAsTheWindowShowsThem) {
    const QByteArray text = SnapshotJsonText(TwoRadios());
    // UTF-8 out, control bytes escaped by the library, one document.
    EXPECT_TRUE(text.contains("Caf\xc3\xa9\\u0001\\\"\xc3\xbf")) << text.toStdString();
    QJsonParseError error{};
    const QJsonObject json = QJsonDocument::fromJson(text, &error).object();
    ASSERT_EQ(error.error, QJsonParseError::NoError);

    EXPECT_EQ(json["system"]["name"].toString(), QStringLiteral("Caf\u00e9\u0001\"\u00ff"));
    EXPECT_EQ(json["system"]["fastroute"], QJsonValue(true));

    const QJsonArray radios = json["radios"].toArray();
    ASSERT_EQ(radios.size(), 2);
    EXPECT_EQ(radios[0]["bitrate"].toString(), "54000");
    EXPECT_TRUE(radios[0]["powerLevel"].isNull());
    EXPECT_EQ(radios[0]["wocd"], QJsonValue(true));
    EXPECT_TRUE(radios[1]["wocd"].isNull());  // not a band 1 radio: not read
    EXPECT_EQ(json["rma"]["started"], QJsonValue(true));
    EXPECT_EQ(json["rma"]["radios"][0]["autobitrate"], QJsonValue(true));
    EXPECT_EQ(json["rma"]["radios"][1]["autobitrate"], QJsonValue(false));

    const QJsonArray cpe = json["cpe"].toArray();
    ASSERT_EQ(cpe.size(), 1);
    EXPECT_EQ(cpe[0]["radio"].toString(), "rf2.0");
    EXPECT_EQ(cpe[0]["mac"].toString(), "000B220578FF");
    EXPECT_EQ(cpe[0]["name"].toString(), QStringLiteral("farm \u00b5"));
    EXPECT_EQ(cpe[0]["registered"], QJsonValue(true));
    EXPECT_EQ(cpe[0]["enabled"], QJsonValue(false));

    const QJsonArray stations = json["base_stations"].toArray();
    ASSERT_EQ(stations.size(), 2);
    EXPECT_EQ(stations[0]["frequencies"].toArray(), QJsonArray({"2412", "2417"}));
    EXPECT_EQ(stations[0]["registered"], QJsonValue(false));
    EXPECT_EQ(stations[1]["registered"], QJsonValue(true));
    // Only the radio whose registration was read has an entry.
    const QJsonArray registration = json["registration"].toArray();
    ASSERT_EQ(registration.size(), 1);
    EXPECT_EQ(registration[0]["radio"].toString(), "rf2.0");
    EXPECT_EQ(registration[0]["frequency"].toString(), "2462");

    const QJsonObject qos = json["qos"][0].toObject();
    EXPECT_EQ(qos.size(), 12);
    EXPECT_EQ(qos["class"].toString(), "gold");
    EXPECT_EQ(qos["bytesDropped"].toString(), "42");
    EXPECT_TRUE(json["routes"].toArray().isEmpty());

    // A registration page that was read but unavailable carries no values.
    RouterSnapshot unavailable = TwoRadios();
    unavailable.radios[1].registration->available = false;
    const QJsonObject entry = SnapshotJson(unavailable)["registration"][0].toObject();
    EXPECT_EQ(entry.keys(), QStringList({"available", "radio"}));
    EXPECT_EQ(entry["available"], QJsonValue(false));
}

}  // namespace
}  // namespace tessel
