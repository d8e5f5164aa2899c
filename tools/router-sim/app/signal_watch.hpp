#pragma once

#include <QObject>
#include <QSocketNotifier>
#include <memory>

namespace tessel::sim {

// Turns SIGTERM and SIGINT into a clean QCoreApplication::quit(): the signal
// handler only writes a byte to a socket pair, which the event loop reads.
class SignalWatch : public QObject {
    Q_OBJECT
  public:
    explicit SignalWatch(QObject* parent = nullptr);
    ~SignalWatch() override;

  private:
    std::unique_ptr<QSocketNotifier> notifier_;
};

}  // namespace tessel::sim
