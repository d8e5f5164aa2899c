#include "app/message_service.hpp"

#include <QMessageBox>

namespace tessel {

namespace {

MessageService& RealBoxes() {
    static MessageService real;
    return real;
}

MessageService* installed = nullptr;

}  // namespace

void MessageService::Inform(QWidget* parent, const QString& text, const QString& caption) {
    QMessageBox::information(parent, caption, text, QMessageBox::Ok);
}

bool MessageService::AskYesNo(QWidget* parent, const QString& text, const QString& caption) {
    return QMessageBox::question(parent, caption, text, QMessageBox::Yes | QMessageBox::No) ==
           QMessageBox::Yes;
}

MessageService& Messages() {
    return installed != nullptr ? *installed : RealBoxes();
}

void SetMessageService(MessageService* service) {
    installed = service;
}

}  // namespace tessel
