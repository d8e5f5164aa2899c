// The session proper: the post-login load, the live counters, the request
// accounting's error limit, the status popup and the all-page buttons.

#include "app/form1.hpp"

#include "app/message_service.hpp"
#include "core/console/reply_dispatch.hpp"
#include "core/pages/system_read.hpp"
#include "core/session/status_texts.hpp"
#include "core/snmp/oids.hpp"
#include "viewkit/text_bridge.hpp"

#include <QEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QStatusBar>
#include <QTabWidget>
#include <QTimer>

namespace tessel {

void TForm1::PostLoginLoad() {
    session_.SessionLoaded = false;
    session_.RouterHost = ToBytes(Edit5->text());
    Timer(8)->start();
    session_.Accounting().Reset();
    for (Page* page : pages_) {
        page->PrepareLoad();
    }
    session_.ReplyState = reply::Idle;

    ProgressBar3->setRange(0, 100);
    for (const LoadStep& load : PostLoginLoadOrder()) {
        ReadAll(load.step);
        // "Yes" at the error limit ends the session inside one of these
        // reads: the window is then back in its login layout with the console
        // closed, and the rest of the load must not bring the managed layout
        // back.
        if (session_.Accounting().Suspended()) {
            return;
        }
        if (load.progress > 0) {
            ProgressBar3->setValue(load.progress);
        }
        if (load.step == ReadStep::RadioParameters) {
            statusBar()->show();
        }
    }

    SendConsoleLine("arp view", "ARP table");
    session_.ReplyState = reply::ArpTable;
    ProgressBar3->setValue(100);
    for (Page* page : pages_) {
        page->ResetAfterLoad();
    }

    SetLoginBlockVisible(false);
    SetWindowSize(707, 564);
    ShowSessionControls(true);
    managed_ = true;
    Timer(1)->start();

    std::string name;
    session_.GetCounted(oids::SysName, name);
    SetTitle(ToQString(RouterWindowCaption(name, session_.RouterHost)));
    session_.SessionLoaded = true;
}

void TForm1::ReadAll(ReadStep step) {
    const auto read = [this, step] {
        for (Page* page : pages_) {
            page->Read(step);
        }
        // The interfaces page still keeps the names it reads in the session;
        // the routing page reads them from the router model.
        if (step == ReadStep::Interfaces) {
            router_.InterfaceNames = session_.InterfaceNames;
        }
    };
    if (readAround_) {
        readAround_(step, read);
    } else {
        read();
    }
}

void TForm1::Button10Click() {
    for (const ReadStep step : RefreshAllOrder()) {
        ReadAll(step);
    }
}

void TForm1::Button11Click() {
    SendConsoleLine("co save", "Save all");
}

void TForm1::Timer1Timer() {
    std::string ticks;
    session_.GetCounted(oids::SysUpTime, ticks);
    panels_[0]->setText(ToQString(UptimeText(ticks)));
}

void TForm1::Timer8Timer() {
    std::string load;
    session_.GetCounted(oids::CpuLoad, load);
    panels_[1]->setText(ToQString(CpuLoadText(load)));
}

void TForm1::RequestCountsChanged(long sent, long errors, long row) {
    requestCounts_ = {sent, errors, row};
    if (!requestCountsTimer_->isActive()) {
        requestCountsTimer_->start();
    }
}

void TForm1::ShowRequestCounts() {
    requestCountsTimer_->stop();
    panels_[2]->setText(RequestCountsQText());
}

bool TForm1::ErrorLimitReached() {
    // Only the timers that were running go again if the operator carries on:
    // an auto-update the operator switched off stays off.
    std::vector<QTimer*> running;
    for (QTimer* timer : Timers) {
        if (timer->isActive()) {
            running.push_back(timer);
        }
        timer->stop();
    }
    const bool quit = Messages().AskYesNo(this, QStringLiteral("Too many errors in a row. Quit?"),
                                          QStringLiteral("Warning"));
    if (quit) {
        for (QTimer* timer : Timers) {
            timer->stop();
        }
        ResetToLoginLayout();
        return true;
    }
    for (QTimer* timer : running) {
        timer->start();
    }
    return false;
}

void TForm1::ShowStatusPopup(const QString& text) {
    Memo3->clear();
    Memo3->setPlainText(text);
    Memo3->show();
    Timer(10)->stop();
    Timer(10)->setInterval(static_cast<int>(text.size()) * 300);
    Timer(10)->start();
}

void TForm1::Timer10Timer() {
    Memo3->hide();
    Timer(10)->stop();
}

void TForm1::Memo3MouseDown(Qt::MouseButton button) {
    if (button == Qt::LeftButton) {
        Memo3->hide();
    }
}

bool TForm1::eventFilter(QObject* watched, QEvent* event) {
    if (watched == Memo3->viewport() && event->type() == QEvent::MouseButtonPress) {
        Memo3MouseDown(static_cast<QMouseEvent*>(event)->button());
    }
    return QMainWindow::eventFilter(watched, event);
}

}  // namespace tessel
