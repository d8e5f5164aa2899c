#pragma once

// The router's uptime (uptimeTimer_, every 6 s) and CPU load (cpuLoadTimer_, every 3 s),
// read while a session is open and shown in status panels 0 and 1.

#include <QObject>

class QTimer;

namespace tessel {

class SessionWindow;
class SnmpReader;

class LiveCounters : public QObject {
    Q_OBJECT
  public:
    // reader: the session's counted reads. The ticks are the session
    // controller's to run (it registers the timers as read timers).
    LiveCounters(SnmpReader& reader, SessionWindow& window, QObject* parent);

    void OnUptimeTick();
    void OnCpuLoadTick();
    // Both timers, as the return to the login layout wants them.
    void Stop();

    QTimer* uptimeTimer_;   // uptime, every 6 s once loaded
    QTimer* cpuLoadTimer_;  // CPU load, every 3 s from the start of the load

  private:
    SnmpReader& reader_;
    SessionWindow& window_;
};

}  // namespace tessel
