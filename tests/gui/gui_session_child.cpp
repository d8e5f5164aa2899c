// The manager as a child process for tests whose outcome is the end of the
// process: the real window and the real exit, with message boxes printed on
// standard output ("caption|text") instead of waiting for a click.

#include "app/form1.hpp"
#include "app/message_service.hpp"
#include "core/session/command_line.hpp"

#include <QApplication>

#include <cstdio>

namespace {

class PrintedMessages : public tessel::MessageService {
  public:
    void Inform(QWidget*, const QString& text, const QString& caption) override {
        std::printf("%s|%s\n", qPrintable(caption), qPrintable(text));
        std::fflush(stdout);
    }
    bool AskYesNo(QWidget* parent, const QString& text, const QString& caption) override {
        Inform(parent, text, caption);
        return false;
    }
};

}  // namespace

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    PrintedMessages messages;
    tessel::SetMessageService(&messages);
    tessel::MainWindow form(tessel::SnmpTransport::Client());
    QObject::connect(&form, &tessel::MainWindow::Closed, &application, &QApplication::quit);
    form.FormCreate(tessel::JoinCommandLine(argc, argv));
    form.show();
    return QApplication::exec();
}
