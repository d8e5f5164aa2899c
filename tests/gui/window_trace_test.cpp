// The support trace of the real program logging in to the lab router from
// its command line: SNMP exchanges and console traffic on standard error,
// stamped and escaped, with the password masked; nothing at all without
// TESSEL_TRACE.

#include "support/router_sim_process.hpp"

#include <QDeadlineTimer>
#include <QProcess>
#include <QProcessEnvironment>
#include <QRegularExpression>
#include <QStringList>

#include <gtest/gtest.h>

#include <string>

namespace tessel {
namespace {

constexpr const char* Password = "trace-Pw9";

class TracedRun : public ::testing::Test {
  protected:
    explicit TracedRun(const char* login = "admin")
        : login_(login), sim_({"--login", login, "--password", Password}) {}

    // Runs the manager logged in to the router with TESSEL_TRACE set to
    // trace (unset when null), until the router has received "arp view" (the last line of the
    // load), then stops it. Returns what it wrote on standard error.
    std::string RunLoggedIn(const QString& trace) {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        if (trace.isNull()) {
            environment.remove("TESSEL_TRACE");
        } else {
            environment.insert("TESSEL_TRACE", trace);
        }
        environment.insert("TESSEL_SNMP_PORT", QString::number(sim_.SnmpPort()));
        environment.insert("TESSEL_CONSOLE_PORT", QString::number(sim_.ConsolePort()));
        environment.insert("QT_QPA_PLATFORM", "offscreen");
        environment.remove("TESSEL_QUIT_WHEN_SHOWN");
        QProcess manager;
        manager.setProcessEnvironment(environment);
        manager.setProgram(QStringLiteral(TESSEL_MANAGER_PATH));
        manager.setArguments({"--host=127.0.0.1", QStringLiteral("--login=%1").arg(login_),
                              QStringLiteral("--password=%1").arg(Password), "--community=public"});
        manager.start();
        EXPECT_TRUE(manager.waitForStarted(10000));
        // The reply to "arp view" follows its line; give it a moment to be
        // traced as well.
        QDeadlineTimer deadline(60000);
        bool arpSent = false;
        while (!deadline.hasExpired() && manager.state() == QProcess::Running) {
            manager.waitForReadyRead(100);
            if (!arpSent && sim_.Log().ReceivedLine("arp view")) {
                arpSent = true;
                deadline.setRemainingTime(1500);
            }
        }
        EXPECT_TRUE(arpSent) << "the login did not complete";
        EXPECT_EQ(manager.state(), QProcess::Running) << "the program ended on its own";
        manager.terminate();
        if (!manager.waitForFinished(5000)) {
            manager.kill();
            manager.waitForFinished(5000);
        }
        const QByteArray err = manager.readAllStandardError();
        return std::string(err.constData(), static_cast<std::size_t>(err.size()));
    }

    QString login_;
    test::RouterSim sim_;
};

QStringList TraceLines(const std::string& err) {
    QStringList lines;
    const QRegularExpression traced(QStringLiteral(R"(^\d\d:\d\d:\d\d\.\d{3} (SNMP|console) )"));
    for (const QString& line : QString::fromLatin1(err.c_str()).split('\n')) {
        if (traced.match(line).hasMatch()) {
            lines.append(line);
        }
    }
    return lines;
}

bool Has(const QStringList& lines, const QString& pattern) {
    return !lines.filter(QRegularExpression(pattern)).isEmpty();
}

TEST_F(TracedRun, TraceShowsTheLoginsExchangesWithThePasswordMasked) {
    const std::string err = RunLoggedIn("1");
    const QStringList lines = TraceLines(err);
    ASSERT_FALSE(lines.isEmpty()) << err;
    // Every line is stamped; none is cut by raw line breaks from the router.
    for (const QString& line : QString::fromLatin1(err.c_str()).split('\n', Qt::SkipEmptyParts)) {
        if (line.contains(QLatin1String("SNMP ")) || line.contains(QLatin1String("console "))) {
            EXPECT_TRUE(lines.contains(line)) << line.toStdString();
        }
    }
    // The probe, then the pages' reads and walks, each with its time.
    EXPECT_TRUE(
        Has(lines,
            R"(SNMP Get 127\.0\.0\.1 1\.3\.6\.1\.4\.1\.3942\.1\.1\.3\.6\.0 = "\d+" \(\d+ us\)$)"))
        << err;
    EXPECT_TRUE(Has(lines, R"(SNMP GetNext 127\.0\.0\.1 [\d.]+ -> [\d.]+ = ".*" \(\d+ us\)$)"))
        << err;
    // The dialogue: "1", the login name, the masked password, and what the
    // router said, escaped.
    EXPECT_TRUE(Has(lines, R"(console sent "1\\r\\n"$)")) << err;
    EXPECT_TRUE(Has(lines, R"(console sent "admin\\r\\n"$)")) << err;
    EXPECT_TRUE(Has(lines, R"(console sent "\*\*\*\*\*\*\*\*\\r\\n"$)")) << err;
    EXPECT_TRUE(Has(lines, R"(console received ".*Login: ")")) << err;
    EXPECT_TRUE(Has(lines, R"(console received ".*www\.)")) << err;
    EXPECT_TRUE(Has(lines, R"(console sent "arp view\\r\\n"$)")) << err;
    // The password itself appears nowhere, nor does the community.
    EXPECT_EQ(err.find(Password), std::string::npos) << err;
    for (const QString& line : lines) {
        EXPECT_FALSE(line.contains(QLatin1String("public"))) << line.toStdString();
    }
    // The dialogue comes in order.
    const auto at = [&](const QString& pattern) {
        const QRegularExpression wanted(pattern);
        for (qsizetype i = 0; i < lines.size(); ++i) {
            if (wanted.match(lines[i]).hasMatch()) {
                return i;
            }
        }
        ADD_FAILURE() << "no line matches " << pattern.toStdString();
        return qsizetype{-1};
    };
    EXPECT_LT(at(R"(SNMP Get .*3942\.1\.1\.3\.6\.0)"), at(R"(console sent "1\\r\\n")"));
    EXPECT_LT(at(R"(console sent "admin)"), at(R"(console sent "\*{8})"));
}

// A login name that is the password's text is masked too while the
// dialogue runs.
class TracedRunLoginIsPassword : public TracedRun {
  protected:
    TracedRunLoginIsPassword() : TracedRun(Password) {}
};

TEST_F(TracedRunLoginIsPassword, TheLoginNameIsMaskedAsWell) {
    const std::string err = RunLoggedIn("1");
    const QStringList lines = TraceLines(err);
    EXPECT_EQ(err.find(Password), std::string::npos) << err;
    // "1", then the login name and the password: both masked.
    EXPECT_EQ(lines.filter(QRegularExpression(R"(console sent "\*{8}\\r\\n"$)")).size(), 2) << err;
    EXPECT_TRUE(Has(lines, R"(console sent "arp view\\r\\n"$)")) << err;
}

TEST_F(TracedRun, NoTraceUnlessAskedFor) {
    const std::string err = RunLoggedIn(QString());
    EXPECT_TRUE(TraceLines(err).isEmpty()) << err;
    EXPECT_EQ(err.find("SNMP Get"), std::string::npos) << err;
    EXPECT_EQ(err.find("console sent"), std::string::npos) << err;
}

}  // namespace
}  // namespace tessel
