#include "app/interface_info_window.hpp"

#include <QPlainTextEdit>
#include <QPushButton>

namespace tessel {

InterfaceInfoWindow::InterfaceInfoWindow(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      interfaceInfoMemo_(new QPlainTextEdit(this)),
      interfaceInfoCloseButton_(new QPushButton(QStringLiteral("Close"), this)) {
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(QStringLiteral("Interface information view"));
    setFixedSize(437, 284);
    interfaceInfoMemo_->setObjectName(QStringLiteral("Memo1"));
    interfaceInfoMemo_->setReadOnly(true);
    interfaceInfoMemo_->setLineWrapMode(QPlainTextEdit::NoWrap);
    interfaceInfoMemo_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    interfaceInfoMemo_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    interfaceInfoMemo_->setGeometry(16, 16, 409, 233);
    interfaceInfoCloseButton_->setObjectName(QStringLiteral("Button1"));
    interfaceInfoCloseButton_->setGeometry(184, 256, 75, 25);
    connect(interfaceInfoCloseButton_, &QPushButton::clicked, this,
            &InterfaceInfoWindow::OnCloseInterfaceInfo);
}

void InterfaceInfoWindow::ShowInformation(const QString& text) {
    interfaceInfoMemo_->clear();
    interfaceInfoMemo_->setPlainText(text);
    show();
    raise();
    activateWindow();
}

QString InterfaceInfoWindow::Information() const {
    return interfaceInfoMemo_->toPlainText();
}

void InterfaceInfoWindow::OnCloseInterfaceInfo() {
    hide();
}

}  // namespace tessel
