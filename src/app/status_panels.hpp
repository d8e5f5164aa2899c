#pragma once

// The status bar of the managed layout: the router's uptime (Timer1), its CPU
// load (Timer8) and the request counts of the session.

#include <QObject>
#include <QString>

#include <array>

class QLabel;
class QStatusBar;
class QTimer;

namespace tessel {

class SnmpReader;

class StatusPanels : public QObject {
    Q_OBJECT
  public:
    // reader: the session's counted reads, for the uptime and the CPU load.
    StatusPanels(QStatusBar* bar, SnmpReader& reader, QObject* parent);

    // The counts of RequestCountsText; shown once the thread is back in the
    // event loop.
    void CountsChanged(long sent, long errors, long row);
    // Panel 0, 1 or 2 as the operator reads it (the newest counts even before
    // the panel has taken them); empty for any other panel.
    QString Text(int panel) const;

    QTimer* Timer1;  // uptime, every 6 s once loaded
    QTimer* Timer8;  // CPU load, every 3 s from the start of the load

  private:
    void Timer1Timer();
    void Timer8Timer();
    void ShowRequestCounts();
    QString RequestCountsQText() const;

    SnmpReader& reader_;
    std::array<QLabel*, 3> panels_{};
    // The counts change with every counted read, thousands of times in one
    // load that holds the thread; the panel takes the last of them once the
    // thread is back in the event loop, before anything is painted.
    std::array<long, 3> requestCounts_{};
    QTimer* requestCountsTimer_;
};

}  // namespace tessel
