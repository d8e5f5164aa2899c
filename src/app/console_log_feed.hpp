#pragma once

// Feeds the session's console log: what the console channel, the SNMP
// session and the error limit report, each entry stamped with the local
// time of day as it happens. Whoever shows the log follows Added.

#include "core/session/console_log.hpp"
#include "core/session/console_observer.hpp"
#include "core/session/trace.hpp"

#include <QObject>
#include <QString>

#include <string>

namespace tessel {

class ConsoleLogFeed : public QObject, public ConsoleObserver {
    Q_OBJECT
  public:
    // log must outlive the feed.
    ConsoleLogFeed(ConsoleLog& log, QObject* parent);

    // ConsoleObserver
    void LoginSecret(std::string_view secret) override;
    void LineSent(std::string_view line, ReplyCode code, bool secret) override;
    void ChunkReceived(std::string_view chunk, ReplyCode code) override;
    void LineRefused(std::string_view line, std::string_view why) override;
    void ConnectionEvent(std::string_view what) override;

    void ExchangeFailed(SnmpExchangeKind kind, const std::string& oid, const std::string& host);
    // The error-limit question as the operator was asked it, then the answer.
    void ErrorLimitAsked(const QString& question);
    void ErrorLimitAnswered(bool quit);

  signals:
    // The log has new entries.
    void Added();

  private:
    void Event(ConsoleLogKind kind, std::string_view text);

    ConsoleLog& log_;
};

}  // namespace tessel
