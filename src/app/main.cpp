// Program entry: the application title, the main window in its login layout
// (logged in at once when the command line names everything), the event loop.

#include "app/form1.hpp"
#include "app/startup_probe.hpp"
#include "core/session/command_line.hpp"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QApplication::setApplicationDisplayName(QStringLiteral("Quellor Wireless Router Manager"));
    QApplication::setQuitOnLastWindowClosed(false);

    tessel::TForm1 form(tessel::SnmpTransport::Client());
    QObject::connect(&form, &tessel::TForm1::Closed, &application, &QApplication::quit);
    form.FormCreate(tessel::JoinCommandLine(argc, argv));
    tessel::WatchFirstPaint(form);
    form.show();
    return QApplication::exec();
}
