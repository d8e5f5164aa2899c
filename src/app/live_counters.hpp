#pragma once

// The router's uptime (Timer1, every 6 s) and CPU load (Timer8, every 3 s),
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

    void Timer1Timer();
    void Timer8Timer();
    // Both timers, as the return to the login layout wants them.
    void Stop();

    QTimer* Timer1;  // uptime, every 6 s once loaded
    QTimer* Timer8;  // CPU load, every 3 s from the start of the load

  private:
    SnmpReader& reader_;
    SessionWindow& window_;
};

}  // namespace tessel
