#include "app/status_popup.hpp"

#include <QEvent>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QTimer>

namespace tessel {

StatusPopup::StatusPopup(QWidget* area)
    : QObject(area), Memo3(new QPlainTextEdit(area)), Timer10(new QTimer(this)) {
    Memo3->setObjectName(QStringLiteral("Memo3"));
    Memo3->setGeometry(8, 440, 321, 67);
    Memo3->setReadOnly(true);
    Memo3->setFrameShape(QFrame::NoFrame);
    Memo3->setBackgroundRole(QPalette::Window);
    Memo3->viewport()->setBackgroundRole(QPalette::Window);
    Memo3->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Memo3->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    QFont popupFont(QStringLiteral("Verdana"));
    popupFont.setPixelSize(10);
    Memo3->setFont(popupFont);
    Memo3->viewport()->installEventFilter(this);
    Memo3->hide();

    Timer10->setObjectName(QStringLiteral("Timer10"));
    Timer10->setInterval(1000);
    Timer10->setSingleShot(true);
    connect(Timer10, &QTimer::timeout, this, &StatusPopup::Timer10Timer);
}

void StatusPopup::Show(const QString& text) {
    Memo3->clear();
    Memo3->setPlainText(text);
    Memo3->show();
    Timer10->stop();
    Timer10->setInterval(static_cast<int>(text.size()) * 300);
    Timer10->start();
}

void StatusPopup::Timer10Timer() {
    Memo3->hide();
    Timer10->stop();
}

void StatusPopup::Memo3MouseDown(Qt::MouseButton button) {
    if (button == Qt::LeftButton) {
        Memo3->hide();
    }
}

bool StatusPopup::eventFilter(QObject* watched, QEvent* event) {
    if (watched == Memo3->viewport() && event->type() == QEvent::MouseButtonPress) {
        Memo3MouseDown(static_cast<QMouseEvent*>(event)->button());
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace tessel
