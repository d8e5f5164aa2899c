// The post-login load, "Refresh all" and "Save all": the reads every page
// takes part in, in the order core gives.

#include "app/form1.hpp"

#include "app/console_channel.hpp"
#include "app/status_panels.hpp"
#include "core/session/window_caption.hpp"
#include "core/snmp/oids.hpp"
#include "viewkit/text_bridge.hpp"

#include <QLineEdit>
#include <QProgressBar>
#include <QStatusBar>
#include <QTimer>

namespace tessel {

void TForm1::PostLoginLoad() {
    session_.SessionLoaded = false;
    session_.RouterHost = ToBytes(Edit5->text());
    statusPanels_->Timer8->start();
    session_.Accounting().Reset();
    for (Page* page : pages_) {
        page->PrepareLoad();
    }

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

    console_->Send({"arp view", reply::ArpTable});
    ProgressBar3->setValue(100);
    for (Page* page : pages_) {
        page->ResetAfterLoad();
    }

    SetLoginBlockVisible(false);
    SetWindowSize(707, 564);
    ShowSessionControls(true);
    managed_ = true;
    statusPanels_->Timer1->start();

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
    console_->SendLine("co save");
}

}  // namespace tessel
