#include "app/live_counters.hpp"

#include "app/session_window.hpp"
#include "core/session/status_texts.hpp"
#include "core/snmp/oids.hpp"
#include "core/snmp/snmp_reader.hpp"
#include "viewkit/text_bridge.hpp"

#include <QTimer>

namespace tessel {

namespace {

QTimer* MakeTimer(QObject* parent, const char* name, int intervalMs) {
    auto* timer = new QTimer(parent);
    timer->setObjectName(QLatin1String(name));
    timer->setInterval(intervalMs);
    return timer;
}

}  // namespace

LiveCounters::LiveCounters(SnmpReader& reader, SessionWindow& window, QObject* parent)
    : QObject(parent),
      uptimeTimer_(MakeTimer(this, "Timer1", 6000)),
      cpuLoadTimer_(MakeTimer(this, "Timer8", 3000)),
      reader_(reader),
      window_(window) {}

void LiveCounters::OnUptimeTick() {
    std::string ticks;
    reader_.GetCounted(oids::SysUpTime, ticks);
    window_.ShowPanelText(0, ToQString(UptimeText(ticks)));
}

void LiveCounters::OnCpuLoadTick() {
    std::string load;
    reader_.GetCounted(oids::CpuLoad, load);
    window_.ShowPanelText(1, ToQString(CpuLoadText(load)));
}

void LiveCounters::Stop() {
    uptimeTimer_->stop();
    cpuLoadTimer_->stop();
}

}  // namespace tessel
