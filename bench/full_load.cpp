// The full post-login load at the limits: the real main window (offscreen)
// logs in to a lab router, reads every page as an operator's login does,
// then shows every tab once. Prints, as key=value lines:
//
//   step ...   each reader of the load: rows, exchanges, wall and CPU time
//   load ...   the whole load: wall time, exchanges (every GetRequest and
//              GetNextRequest sent, and the session's counted reads and
//              errors), wall and CPU microseconds per exchange, peak RSS
//   tabs ...   showing every tab once after the load (painting the grids)
//   grid ...   the routing and CPE pages read again from recorded answers,
//              so that only our work is left: the whole page, its core read,
//              the grid fill, and the fill's share of the load's wall time
//
//   full_load [--label TEXT] [--expect TABLE=ROWS]... [-- SIM-ARGUMENTS...]
//
// With TESSEL_SNMP_PORT and TESSEL_CONSOLE_PORT set it logs in to the router
// already listening there on 127.0.0.1 (scripts/bench-load starts it pinned
// to the manager's core); otherwise it starts tessel-router-sim itself with
// SIM-ARGUMENTS. TESSEL_BENCH_AGENT_PID names the router's process so that
// its CPU time during the load is reported too (it shares the core, so it is
// part of the wall time). Each --expect checks a grid's row count after the load;
// any mismatch, failed exchange or message box makes the exit status 1.

#include "app/form1.hpp"
#include "app/message_service.hpp"
#include "core/pages/cpe_table_read.hpp"
#include "core/pages/routing_table_read.hpp"
#include "core/router/radio_rules.hpp"
#include "support/router_sim_process.hpp"
#include "viewkit/controls.hpp"
#include "views/bs/bs_page.hpp"
#include "views/routing/routing_page.hpp"
#include "widgets/grid_view.hpp"

#include "counting_transport.hpp"
#include "exchange_meter.hpp"

#include <QApplication>
#include <QDeadlineTimer>
#include <QLineEdit>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <limits>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace {

using tessel::bench::CpuNanos;
using tessel::bench::WallNanos;

// Any box means the load did not go as it should; the benchmark says so.
class CountingMessages : public tessel::MessageService {
  public:
    void Inform(QWidget*, const QString& text, const QString& caption) override {
        Note(text, caption);
    }
    bool AskYesNo(QWidget*, const QString& text, const QString& caption) override {
        Note(text, caption);
        return false;
    }
    int boxes = 0;

  private:
    void Note(const QString& text, const QString& caption) {
        ++boxes;
        std::fprintf(stderr, "message box \"%s\": %s\n", qPrintable(caption), qPrintable(text));
    }
};

// Wall, CPU and exchanges between two moments.
struct Span {
    std::uint64_t wallNs = 0;
    std::uint64_t cpuNs = 0;
    std::uint64_t exchanges = 0;
};

class Stopwatch {
  public:
    explicit Stopwatch(const tessel::bench::ExchangeCounts& counts)
        : counts_(counts), wall_(WallNanos()), cpu_(CpuNanos()), exchanges_(counts.Total()) {}
    Span Elapsed() const {
        return {WallNanos() - wall_, CpuNanos() - cpu_, counts_.Total() - exchanges_};
    }

  private:
    const tessel::bench::ExchangeCounts& counts_;
    std::uint64_t wall_;
    std::uint64_t cpu_;
    std::uint64_t exchanges_;
};

double PerExchange(std::uint64_t ns, std::uint64_t exchanges) {
    return exchanges == 0 ? 0.0 : static_cast<double>(ns) / 1e3 / static_cast<double>(exchanges);
}

double Ms(std::uint64_t ns) {
    return static_cast<double>(ns) / 1e6;
}

// Peak resident set of this process (VmHWM), in kB.
long PeakRssKb() {
    long kb = -1;
    if (std::FILE* file = std::fopen("/proc/self/status", "r")) {
        char line[256];
        while (std::fgets(line, sizeof line, file) != nullptr) {
            if (std::sscanf(line, "VmHWM: %ld kB", &kb) == 1) {
                break;
            }
        }
        std::fclose(file);
    }
    return kb;
}

bool WaitFor(const std::function<bool()>& done, int timeoutMs) {
    QDeadlineTimer deadline(timeoutMs);
    while (!done()) {
        if (deadline.hasExpired()) {
            return false;
        }
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents, 5);
    }
    return true;
}

// The readers of the load, in the order the load runs them.
struct Step {
    const char* name;
    tessel::ReadStep step;
    const char* grid;  // the grid whose rows it fills, or nullptr
};

constexpr Step Steps[] = {
    {"ReadSystemSettings", tessel::ReadStep::SystemSettings, nullptr},
    {"ReadInterfaces", tessel::ReadStep::Interfaces, "GridView4"},
    {"ReadRadioInterfaceList", tessel::ReadStep::RadioInterfaceList, nullptr},
    {"ReadRadioParameters", tessel::ReadStep::RadioParameters, nullptr},
    {"ReadCpeTable", tessel::ReadStep::CpeTable, "GridView2"},
    {"ReadBsList", tessel::ReadStep::BsList, "GridView3"},
    {"ReadRmaSettings", tessel::ReadStep::RmaSettings, nullptr},
    {"ReadRoutingTable", tessel::ReadStep::RoutingTable, "GridView6"},
    {"ReadQosTable", tessel::ReadStep::QosTable, "GridView10"},
};

// Tables that --expect may name, with their grids.
const std::map<std::string, const char*> Tables = {
    {"interfaces", "GridView4"}, {"addresses", "GridView1"}, {"cpe", "GridView2"},
    {"bs", "GridView3"},         {"routes", "GridView6"},    {"qos", "GridView10"},
    {"arp", "GridView7"},
};

struct Options {
    std::string label = "ours";
    std::map<std::string, int> expected;
    std::vector<std::string> simArguments;
};

std::optional<Options> ParseArguments(int argc, char** argv) {
    Options o;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--") {
            o.simArguments.assign(argv + i + 1, argv + argc);
            break;
        }
        if (i + 1 >= argc) {
            return std::nullopt;
        }
        const std::string value = argv[++i];
        if (arg == "--label") {
            o.label = value;
        } else if (arg == "--expect" && value.find('=') != std::string::npos &&
                   Tables.count(value.substr(0, value.find('='))) != 0) {
            o.expected[value.substr(0, value.find('='))] =
                std::atoi(value.c_str() + value.find('=') + 1);
        } else {
            return std::nullopt;
        }
    }
    return o;
}

// Runs fn `times` times and keeps the fastest wall time: the figure least
// disturbed by whatever else the machine does.
std::uint64_t Fastest(int times, const std::function<void()>& fn) {
    std::uint64_t best = std::numeric_limits<std::uint64_t>::max();
    for (int i = 0; i < times; ++i) {
        const std::uint64_t start = WallNanos();
        fn();
        best = std::min(best, WallNanos() - start);
    }
    return best;
}

class FullLoad {
  public:
    FullLoad(Options options, int snmpPort, int consolePort, long agentPid)
        : options_(std::move(options)),
          agentPid_(agentPid),
          counts_(std::make_shared<tessel::bench::ExchangeCounts>()) {
        setenv("TESSEL_SNMP_PORT", std::to_string(snmpPort).c_str(), 1);
        setenv("TESSEL_CONSOLE_PORT", std::to_string(consolePort).c_str(), 1);
        tessel::SetMessageService(&messages_);
        form_ = std::make_unique<tessel::MainWindow>(
            tessel::bench::CountingTransport(tessel::SnmpTransport::Client(), counts_));
        form_->FormCreate("tessel-manager");
        InstrumentSteps();
    }
    ~FullLoad() {
        form_.reset();
        tessel::SetMessageService(nullptr);
    }

    // Logs in and waits for the load and the ARP reply; false on time-out.
    bool Load() {
        form_->destinationAddressEdit_->setText(QStringLiteral("127.0.0.1"));
        form_->loginNameEdit_->setText(QStringLiteral("admin"));
        form_->passwordEdit_->setText(QStringLiteral("admin"));
        form_->communityEdit_->setText(QStringLiteral("public"));
        form_->show();
        const Stopwatch login(*counts_);
        form_->OnLogin();
        if (!WaitFor([this] { return loadDone_; }, 600000)) {
            std::fprintf(stderr, "the post-login load did not finish\n");
            return false;
        }
        loginToLoad_ = login.Elapsed().wallNs - load_.wallNs;
        peakRssKb_ = PeakRssKb();
        // The load ends by asking for the ARP table on the console.
        return WaitFor([this] { return form_->Console().Code() == tessel::ReplyCode::Idle; },
                       30000);
    }

    void PrintLoad() const {
        for (std::size_t i = 0; i < std::size(Steps); ++i) {
            const Span& s = steps_[i];
            const int rows = Steps[i].grid ? Rows(Steps[i].grid) : -1;
            std::printf(
                "step %s name=%s rows=%d exchanges=%llu wall_ms=%.1f cpu_ms=%.1f "
                "wall_us_per_exchange=%.2f cpu_us_per_exchange=%.2f rows_per_s=%.0f\n",
                options_.label.c_str(), Steps[i].name, rows,
                static_cast<unsigned long long>(s.exchanges), Ms(s.wallNs), Ms(s.cpuNs),
                PerExchange(s.wallNs, s.exchanges), PerExchange(s.cpuNs, s.exchanges),
                rows > 0 && s.wallNs > 0 ? rows / (static_cast<double>(s.wallNs) / 1e9) : 0.0);
        }
        std::printf(
            "load %s wall_s=%.3f exchanges=%llu counted_sent=%ld counted_errors=%ld "
            "failures=%llu wall_us_per_exchange=%.2f cpu_us_per_exchange=%.2f "
            "agent_cpu_us_per_exchange=%.2f "
            "login_before_load_ms=%.0f peak_rss_mb=%.1f\n",
            options_.label.c_str(), static_cast<double>(load_.wallNs) / 1e9,
            static_cast<unsigned long long>(load_.exchanges), countedSent_, countedErrors_,
            static_cast<unsigned long long>(counts_->failures),
            PerExchange(load_.wallNs, load_.exchanges), PerExchange(load_.cpuNs, load_.exchanges),
            PerExchange(agentCpuNs_, load_.exchanges), Ms(loginToLoad_),
            static_cast<double>(peakRssKb_) / 1024.0);
    }

    // Shows every tab once, as an operator looking around would.
    void VisitTabs() {
        const Stopwatch watch(*counts_);
        for (int i = 0; i < form_->pageTabs_->count(); ++i) {
            form_->pageTabs_->setCurrentIndex(i);
            QCoreApplication::processEvents();
        }
        form_->pageTabs_->setCurrentIndex(0);
        QCoreApplication::processEvents();
        const Span s = watch.Elapsed();
        std::printf("tabs %s count=%d wall_ms=%.1f cpu_ms=%.1f exchanges=%llu\n",
                    options_.label.c_str(), form_->pageTabs_->count(), Ms(s.wallNs), Ms(s.cpuNs),
                    static_cast<unsigned long long>(s.exchanges));
    }

    // The routing and CPE pages read again from the router's recorded
    // answers: whole page, core read alone, and the grid fill between them.
    void MeasureGridFill() {
        for (QTimer* timer : form_->findChildren<QTimer*>()) {
            timer->stop();
        }
        auto* routing = form_->findChild<tessel::RoutingPage*>();
        auto* bs = form_->findChild<tessel::BsPage*>();
        if (routing == nullptr || bs == nullptr) {
            std::fprintf(stderr, "the routing or BS page is missing\n");
            ++problems_;
            return;
        }
        tessel::Session& session = form_->CurrentSession();
        auto answers = std::make_shared<tessel::bench::RecordedAnswers>();
        session.SetTransport(
            tessel::bench::RecordingTransport(tessel::SnmpTransport::Client(), answers));
        routing->ReadRoutingTable();
        bs->ReadCpeTable();
        session.SetTransport(tessel::bench::ReplayTransport(answers));

        const int radio = tessel::RadioNumberOf(bs->cpeTableRadioCombo_);
        const int band =
            tessel::BandAt(form_->Router().RadioBand, bs->cpeTableRadioCombo_->currentIndex())
                .value_or(0);
        const int times = 9;
        const std::uint64_t routingPage = Fastest(times, [&] { routing->ReadRoutingTable(); });
        const std::uint64_t routingCore = Fastest(times, [&] {
            const auto rows = tessel::ReadRoutingTable(session, form_->Router().InterfaceNames);
            (void)rows;
        });
        const std::uint64_t cpePage = Fastest(times, [&] { bs->ReadCpeTable(); });
        const std::uint64_t cpeCore = Fastest(times, [&] {
            const auto table = tessel::ReadCpeTable(session, radio, band);
            (void)table;
        });
        const auto fill = [](std::uint64_t page, std::uint64_t core) {
            return page > core ? page - core : 0;
        };
        const std::uint64_t routingFill = fill(routingPage, routingCore);
        const std::uint64_t cpeFill = fill(cpePage, cpeCore);
        const auto share = [this](std::uint64_t ns) {
            return load_.wallNs == 0 ? 0.0 : 100.0 * static_cast<double>(ns) / load_.wallNs;
        };
        const auto line = [&](const char* grid, const char* name, std::uint64_t page,
                              std::uint64_t core, std::uint64_t fillNs) {
            std::printf(
                "grid %s table=%s rows=%d page_ms=%.2f core_ms=%.2f fill_ms=%.2f "
                "fill_share_of_load_pct=%.2f\n",
                options_.label.c_str(), name, Rows(grid), Ms(page), Ms(core), Ms(fillNs),
                share(fillNs));
        };
        line("GridView6", "routes", routingPage, routingCore, routingFill);
        line("GridView2", "cpe", cpePage, cpeCore, cpeFill);
        std::printf("grid %s table=both fill_ms=%.2f fill_share_of_load_pct=%.2f\n",
                    options_.label.c_str(), Ms(routingFill + cpeFill),
                    share(routingFill + cpeFill));
        session.SetTransport(
            tessel::bench::CountingTransport(tessel::SnmpTransport::Client(), counts_));
    }

    // The checks of --expect and the accounting; returns the problems found.
    int Check() const {
        int problems = problems_;
        for (const auto& [table, rows] : options_.expected) {
            const int found = Rows(Tables.at(table));
            if (found != rows) {
                std::fprintf(stderr, "%s: %d rows, expected %d\n", table.c_str(), found, rows);
                ++problems;
            }
        }
        // Sent starts at 1 for the login probe; every counted read is one of
        // the exchanges the transport saw during the load.
        const auto counted = static_cast<std::uint64_t>(countedSent_ - 1);
        if (countedErrors_ != 0 || counts_->failures != 0 || counted == 0 ||
            counted > load_.exchanges) {
            std::fprintf(stderr,
                         "accounting does not add up: sent %ld, errors %ld, failed exchanges "
                         "%llu, exchanges in the load %llu\n",
                         countedSent_, countedErrors_,
                         static_cast<unsigned long long>(counts_->failures),
                         static_cast<unsigned long long>(load_.exchanges));
            ++problems;
        }
        if (messages_.boxes != 0) {
            ++problems;
        }
        return problems;
    }

  private:
    int Rows(const char* grid) const {
        const auto* view = form_->findChild<tessel::GridView*>(QLatin1String(grid));
        return view == nullptr ? -1 : view->RowCount();
    }

    // Times each reader while the load runs; the load itself runs from the
    // first step (PrepareLoad) until control is back in the event loop.
    void InstrumentSteps() {
        steps_.resize(std::size(Steps));
        form_->SetReadAround([this](tessel::ReadStep step, const std::function<void()>& read) {
            if (!loading_ && step == Steps[0].step && !form_->IsManagedLayout()) {
                loading_ = true;
                loadWatch_.emplace(*counts_);
                agentCpuNs_ = tessel::bench::ProcessCpuNanos(agentPid_);
                QueueLoadEnd();
            }
            const auto* found = std::find_if(std::begin(Steps), std::end(Steps),
                                             [step](const Step& s) { return s.step == step; });
            if (!loading_ || found == std::end(Steps)) {
                read();
                return;
            }
            const std::size_t i = static_cast<std::size_t>(found - std::begin(Steps));
            const Stopwatch watch(*counts_);
            read();
            const Span s = watch.Elapsed();
            steps_[i].wallNs += s.wallNs;
            steps_[i].cpuNs += s.cpuNs;
            steps_[i].exchanges += s.exchanges;
        });
    }

    // Queued while the load runs, so it runs once the load has returned to
    // the event loop; should a step have run the event loop itself, the
    // window is not managed yet and the check goes round again.
    void QueueLoadEnd() {
        QTimer::singleShot(0, form_.get(), [this] {
            if (!form_->IsManagedLayout()) {
                QueueLoadEnd();
                return;
            }
            load_ = loadWatch_->Elapsed();
            agentCpuNs_ = tessel::bench::ProcessCpuNanos(agentPid_) - agentCpuNs_;
            const tessel::RequestAccounting& accounting = form_->CurrentSession().Accounting();
            countedSent_ = accounting.Sent();
            countedErrors_ = accounting.Errors();
            loading_ = false;
            loadDone_ = true;
        });
    }

    Options options_;
    long agentPid_;
    std::uint64_t agentCpuNs_ = 0;
    std::shared_ptr<tessel::bench::ExchangeCounts> counts_;
    CountingMessages messages_;
    std::unique_ptr<tessel::MainWindow> form_;
    std::vector<Span> steps_;
    std::optional<Stopwatch> loadWatch_;
    Span load_;
    std::uint64_t loginToLoad_ = 0;
    long peakRssKb_ = -1;
    long countedSent_ = 0;
    long countedErrors_ = 0;
    bool loading_ = false;
    bool loadDone_ = false;
    int problems_ = 0;
};

int NumberFromEnvironment(const char* name) {
    const char* text = std::getenv(name);
    return text == nullptr ? 0 : std::atoi(text);
}

}  // namespace

int main(int argc, char** argv) {
    const std::optional<Options> options = ParseArguments(argc, argv);
    if (!options) {
        std::fprintf(stderr,
                     "usage: %s [--label TEXT] [--expect TABLE=ROWS]... [-- SIM-ARGUMENTS...]\n"
                     "tables: interfaces addresses cpe bs routes qos arp\n",
                     argv[0]);
        return 2;
    }
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    // The logins here must not land in the user's list of recent routers.
    const QTemporaryDir config;
    setenv("XDG_CONFIG_HOME", config.path().toLocal8Bit().constData(), 1);
    QApplication application(argc, argv);

    int snmpPort = NumberFromEnvironment("TESSEL_SNMP_PORT");
    int consolePort = NumberFromEnvironment("TESSEL_CONSOLE_PORT");
    long agentPid = NumberFromEnvironment("TESSEL_BENCH_AGENT_PID");
    std::unique_ptr<tessel::test::RouterSim> sim;
    if (snmpPort == 0 || consolePort == 0) {
        sim = std::make_unique<tessel::test::RouterSim>(options->simArguments);
        snmpPort = sim->SnmpPort();
        consolePort = sim->ConsolePort();
        agentPid = sim->Pid();
    }

    FullLoad load(*options, snmpPort, consolePort, agentPid);
    if (!load.Load()) {
        return 1;
    }
    load.PrintLoad();
    load.VisitTabs();
    load.MeasureGridFill();
    std::fflush(stdout);
    return load.Check() == 0 ? 0 : 1;
}
