#include "app/message_service.hpp"

#include <QMessageBox>

namespace tessel {

namespace {

MessageService& RealBoxes() {
    static MessageService real;
    return real;
}

MessageService* installed = nullptr;
int openBoxes = 0;

}  // namespace

void MessageService::Inform(QWidget* parent, const QString& text, const QString& caption) {
    const OpenMessageBox open;
    QMessageBox::information(parent, caption, text, QMessageBox::Ok);
}

bool MessageService::AskYesNo(QWidget* parent, const QString& text, const QString& caption) {
    const OpenMessageBox open;
    return QMessageBox::question(parent, caption, text, QMessageBox::Yes | QMessageBox::No) ==
           QMessageBox::Yes;
}

MessageService& Messages() {
    return installed != nullptr ? *installed : RealBoxes();
}

void SetMessageService(MessageService* service) {
    installed = service;
}

OpenMessageBox::OpenMessageBox() {
    ++openBoxes;
}

OpenMessageBox::~OpenMessageBox() {
    --openBoxes;
}

bool MessageBoxOpen() {
    return openBoxes > 0;
}

}  // namespace tessel
