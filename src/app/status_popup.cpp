#include "app/status_popup.hpp"

#include <QEvent>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QTimer>

namespace tessel {

StatusPopup::StatusPopup(QWidget* area)
    : QObject(area),
      statusPopupMemo_(new QPlainTextEdit(area)),
      statusPopupTimer_(new QTimer(this)) {
    statusPopupMemo_->setObjectName(QStringLiteral("Memo3"));
    statusPopupMemo_->setGeometry(8, 440, 321, 67);
    statusPopupMemo_->setReadOnly(true);
    statusPopupMemo_->setFrameShape(QFrame::NoFrame);
    statusPopupMemo_->setBackgroundRole(QPalette::Window);
    statusPopupMemo_->viewport()->setBackgroundRole(QPalette::Window);
    statusPopupMemo_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    statusPopupMemo_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    QFont popupFont(QStringLiteral("Verdana"));
    popupFont.setPixelSize(10);
    statusPopupMemo_->setFont(popupFont);
    statusPopupMemo_->viewport()->installEventFilter(this);
    statusPopupMemo_->hide();

    statusPopupTimer_->setObjectName(QStringLiteral("Timer10"));
    statusPopupTimer_->setInterval(1000);
    statusPopupTimer_->setSingleShot(true);
    connect(statusPopupTimer_, &QTimer::timeout, this, &StatusPopup::OnStatusPopupTimeout);
}

void StatusPopup::Show(const QString& text) {
    statusPopupMemo_->clear();
    statusPopupMemo_->setPlainText(text);
    statusPopupMemo_->show();
    statusPopupTimer_->stop();
    statusPopupTimer_->setInterval(static_cast<int>(text.size()) * 300);
    statusPopupTimer_->start();
}

void StatusPopup::OnStatusPopupTimeout() {
    statusPopupMemo_->hide();
    statusPopupTimer_->stop();
}

void StatusPopup::OnStatusPopupPressed(Qt::MouseButton button) {
    if (button == Qt::LeftButton) {
        statusPopupMemo_->hide();
    }
}

bool StatusPopup::eventFilter(QObject* watched, QEvent* event) {
    if (watched == statusPopupMemo_->viewport() && event->type() == QEvent::MouseButtonPress) {
        OnStatusPopupPressed(static_cast<QMouseEvent*>(event)->button());
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace tessel
