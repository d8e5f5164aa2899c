// Program entry: "--help" and "--version" answered without a window; otherwise
// the application title, the main window in its login layout (logged in at
// once when the command line names everything), the event loop.

#include "app/form1.hpp"
#include "app/snapshot_main.hpp"
#include "app/startup_probe.hpp"
#include "core/session/command_line.hpp"
#include "core/session/program_request.hpp"
#include "core/session/runtime_config.hpp"
#include "core/version.hpp"
#include "viewkit/text_bridge.hpp"
#include "widgets/application_title.hpp"

#include <QApplication>
#include <QIcon>

#include <cstdio>
#include <string>

namespace {

// A full disk or a closed pipe must not pass for a printed answer.
int PrintText(const std::string& text) {
    std::fwrite(text.data(), 1, text.size(), stdout);
    return std::fflush(stdout) == 0 && std::ferror(stdout) == 0 ? 0 : 1;
}

}  // namespace

int main(int argc, char* argv[]) {
    // The environment is read here once; nothing later goes back to it.
    const tessel::RuntimeConfig config = tessel::ReadProcessRuntimeConfig();
    // "--snapshot" reads the router without a window or a display.
    if (const auto status = tessel::RunSnapshotIfAsked(argc, argv, config)) {
        return *status;
    }
    // Before QApplication, which needs a display and takes its own options
    // out of argv.
    switch (tessel::RecognizeProgramRequest(argc, argv)) {
        case tessel::ProgramRequest::Help:
            return PrintText(tessel::ManagerUsageText());
        case tessel::ProgramRequest::Version:
            return PrintText(tessel::ManagerVersionText());
        case tessel::ProgramRequest::Run:
            break;
    }

    QApplication application(argc, argv);
    tessel::SetApplicationTitle(QStringLiteral("Quellor Wireless Router Manager"));
    QApplication::setApplicationVersion(tessel::ToQString(tessel::ProgramVersion));
    // Lets the desktop match the window to the installed launcher and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("test.tessel_lab.TesselManager"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/tessel-manager.png")));
    QApplication::setQuitOnLastWindowClosed(false);

    tessel::MainWindow form(tessel::SnmpTransport::Client(config.snmpPort), config);
    QObject::connect(&form, &tessel::MainWindow::Closed, &application, &QApplication::quit);
    form.FormCreate(tessel::JoinCommandLine(argc, argv));
    tessel::WatchFirstPaint(form);
    form.show();
    return QApplication::exec();
}
