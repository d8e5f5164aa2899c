#include "app/console_log_feed.hpp"

#include "viewkit/text_bridge.hpp"

#include <chrono>

namespace tessel {

namespace {

ConsoleLog::Time Now() {
    return LocalTimeOfDay(std::chrono::system_clock::now());
}

}  // namespace

ConsoleLogFeed::ConsoleLogFeed(ConsoleLog& log, QObject* parent) : QObject(parent), log_(log) {}

void ConsoleLogFeed::LoginSecret(std::string_view secret) {
    log_.SetSecret(std::string(secret));
}

void ConsoleLogFeed::LineSent(std::string_view line, ReplyCode code, bool secret) {
    log_.Sent(Now(), line, code, secret);
    emit Added();
}

void ConsoleLogFeed::ChunkReceived(std::string_view chunk, ReplyCode code) {
    log_.Received(Now(), chunk, code);
    emit Added();
}

void ConsoleLogFeed::LineRefused(std::string_view line, std::string_view why) {
    log_.Refused(Now(), line, why);
    emit Added();
}

void ConsoleLogFeed::ConnectionEvent(std::string_view what) {
    Event(ConsoleLogKind::Connection, what);
}

void ConsoleLogFeed::ExchangeFailed(SnmpExchangeKind kind, const std::string& oid,
                                    const std::string& host) {
    const char* request = kind == SnmpExchangeKind::Get ? "get " : "getnext ";
    Event(ConsoleLogKind::SnmpFailure, "no answer to " + (request + oid) + " from " + host);
}

void ConsoleLogFeed::ErrorLimitAsked(const QString& question) {
    Event(ConsoleLogKind::ErrorLimit, "asked: " + ToBytes(question));
}

void ConsoleLogFeed::ErrorLimitAnswered(bool quit) {
    Event(ConsoleLogKind::ErrorLimit,
          quit ? "answered Yes: the session ends" : "answered No: the reads go on");
}

void ConsoleLogFeed::Event(ConsoleLogKind kind, std::string_view text) {
    log_.Event(Now(), kind, text);
    emit Added();
}

}  // namespace tessel
