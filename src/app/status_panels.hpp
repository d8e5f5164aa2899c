#pragma once

// The status bar of the managed layout: the router's uptime, its CPU load and
// the request counts of the session.

#include <QObject>
#include <QString>

#include <array>

class QLabel;
class QStatusBar;
class QTimer;

namespace tessel {

class StatusPanels : public QObject {
    Q_OBJECT
  public:
    StatusPanels(QStatusBar* bar, QObject* parent);

    // Panel 0 (uptime) or 1 (CPU load).
    void SetText(int panel, const QString& text);
    // The counts of RequestCountsText; shown once the thread is back in the
    // event loop.
    void CountsChanged(long sent, long errors, long row);
    // Panel 0, 1 or 2 as the operator reads it (the newest counts even before
    // the panel has taken them); empty for any other panel.
    QString Text(int panel) const;

  private:
    void ShowRequestCounts();
    QString RequestCountsQText() const;

    std::array<QLabel*, 3> panels_{};
    // The counts change with every counted read, thousands of times in one
    // load that holds the thread; the panel takes the last of them once the
    // thread is back in the event loop, before anything is painted.
    std::array<long, 3> requestCounts_{};
    QTimer* requestCountsTimer_;
};

}  // namespace tessel
