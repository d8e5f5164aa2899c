#include "soak_session.hpp"

#include "app/process_exit.hpp"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTcpSocket>
#include <QTest>

#include <cstddef>
#include <cstdlib>
#include <fstream>
#include <sstream>

#if defined(__SANITIZE_ADDRESS__)
extern "C" std::size_t __sanitizer_get_current_allocated_bytes();
#endif

namespace tessel::soak {

// Under AddressSanitizer freed blocks wait in its quarantine and shadow memory
// is mapped as the heap is touched, so RSS grows by hundreds of MB with no
// leak at all; the bytes still allocated grow only with a leak.
#if defined(__SANITIZE_ADDRESS__)
const char* const MemoryInUseName = "heap in use";

long MemoryInUseKb() {
    return static_cast<long>(__sanitizer_get_current_allocated_bytes() / 1024);
}
#else
const char* const MemoryInUseName = "RSS";

long MemoryInUseKb() {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmRSS:", 0) == 0) {
            return std::atol(line.c_str() + 6);
        }
    }
    return 0;
}
#endif

bool WaitFor(const std::function<bool()>& done, int timeoutMs) {
    return QTest::qWaitFor(done, timeoutMs);
}

void Pump(int ms) {
    QTest::qWait(ms);
}

bool Findings::Check(bool condition, const std::string& what) {
    if (!condition) {
        failures.push_back(what);
    }
    return condition;
}

bool SoakMessages::AskYesNo(QWidget* parent, const QString& text, const QString& caption) {
    rowsAtQuestion.push_back(rowNow ? rowNow() : -1);
    transportRowsAtQuestion.push_back(transportRowNow ? transportRowNow() : -1);
    return ScriptedMessages::AskYesNo(parent, text, caption);
}

namespace {

// The dialogue's steps further apart than the router's default, so that a
// loaded machine does not merge two of them into one read (the manager
// answers the dialogue chunk by chunk).
std::vector<std::string> WithDialogueGap(std::vector<std::string> arguments) {
    arguments.insert(arguments.begin(), {"--dialogue-gap-ms", "100"});
    return arguments;
}

}  // namespace

SoakSession::SoakSession(std::vector<std::string> simArguments, int timeoutMs)
    : sim_(WithDialogueGap(std::move(simArguments))), transport_(timeoutMs) {
    setenv("TESSEL_SNMP_PORT", std::to_string(sim_.SnmpPort()).c_str(), 1);
    setenv("TESSEL_CONSOLE_PORT", std::to_string(sim_.ConsolePort()).c_str(), 1);
    SetEndProcessFunction([this](int status) { endStatus_ = status; });
    form_ = std::make_unique<MainWindow>(transport_.Transport());
    form_->FormCreate("tessel-manager");
    form_->destinationAddressEdit_->setText(QStringLiteral("127.0.0.1"));
    form_->loginNameEdit_->setText(QStringLiteral("admin"));
    form_->passwordEdit_->setText(QStringLiteral("admin"));
    form_->communityEdit_->setText(QStringLiteral("public"));
    // The console leaves from loopback, whatever addresses the host has.
    form_->sourceAddressCombo_->clear();
    form_->sourceAddressCombo_->addItem(QStringLiteral("127.0.0.1"));
    form_->show();
    messages_.rowNow = [this] { return State().Accounting().Row(); };
    messages_.transportRowNow = [this] { return Counts().getFailuresInRow; };
    sinceData_.start();
    QObject::connect(form_->Console().Socket(), &QTcpSocket::readyRead, form_.get(), [this] {
        sinceData_.restart();
        ++chunks_;
    });
}

SoakSession::~SoakSession() {
    form_.reset();
    SetEndProcessFunction({});
}

bool SoakSession::ClickLogin() {
    const std::size_t boxes = messages_.boxes.size();
    form_->OnLogin();
    getsAtLogin_ = Counts().gets;
    failuresAtLogin_ = Counts().getFailures;
    return messages_.boxes.size() == boxes;
}

bool SoakSession::Login(int attempts, int patienceMs) {
    for (int i = 0; i < attempts; ++i) {
        if (ClickLogin()) {
            return WaitFor([this] { return form_->IsManagedLayout(); }, patienceMs);
        }
    }
    return false;
}

bool SoakSession::WaitConsoleQuiet(int quietMs, int timeoutMs) {
    return WaitFor([&] { return sinceData_.elapsed() >= quietMs; }, timeoutMs);
}

bool SoakSession::WaitReplyQuiet(int quietMs, int timeoutMs) {
    const long before = chunks_;
    return WaitFor([&] { return chunks_ > before && sinceData_.elapsed() >= quietMs; }, timeoutMs);
}

bool SoakSession::WaitReplyState(ReplyCode state, int timeoutMs) {
    return WaitFor(
        [&] {
            return Form().Console().Code() == state ||
                   State().ConnectionState == ConnectionStates::Disconnected;
        },
        timeoutMs);
}

std::vector<std::string> SoakSession::ConsoleLines() const {
    return sim_.Log().ConsoleLines();
}

long SoakSession::SnmpRequestsLogged() const {
    return static_cast<long>(sim_.Log().Count("snmp"));
}

long SoakSession::SnmpDroppedLogged() const {
    return static_cast<long>(sim_.Log().Field("snmp", "dropped").size());
}

long SoakSession::ConsoleConnections() const {
    return static_cast<long>(sim_.Log().Count("console-connect"));
}

void SoakSession::CheckCounts(Findings& findings, const std::string& when) {
    const RequestAccounting& a = State().Accounting();
    const long failures = GetFailuresSinceLogin();
    const long successes = GetsSinceLogin() - failures;
    std::ostringstream what;
    what << when << ": Sent " << a.Sent() << " = 1 + successes " << successes << " + Errors "
         << a.Errors() << " (failed Gets " << failures << ")";
    findings.Check(a.Sent() == 1 + successes + a.Errors() && a.Errors() == failures, what.str());
}

}  // namespace tessel::soak
