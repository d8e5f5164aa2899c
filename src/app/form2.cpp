#include "app/form2.hpp"

#include <QPlainTextEdit>
#include <QPushButton>

namespace tessel {

TForm2::TForm2(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      Memo1(new QPlainTextEdit(this)),
      Button1(new QPushButton(QStringLiteral("Close"), this)) {
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(QStringLiteral("Interface information view"));
    setFixedSize(437, 284);
    Memo1->setObjectName(QStringLiteral("Memo1"));
    Memo1->setReadOnly(true);
    Memo1->setLineWrapMode(QPlainTextEdit::NoWrap);
    Memo1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Memo1->setGeometry(16, 16, 409, 233);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setGeometry(184, 256, 75, 25);
    connect(Button1, &QPushButton::clicked, this, &TForm2::Button1Click);
}

void TForm2::ShowInformation(const QString& text) {
    Memo1->clear();
    Memo1->setPlainText(text);
    show();
    raise();
    activateWindow();
}

QString TForm2::Information() const {
    return Memo1->toPlainText();
}

void TForm2::Button1Click() {
    hide();
}

}  // namespace tessel
