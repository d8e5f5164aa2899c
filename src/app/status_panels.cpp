#include "app/status_panels.hpp"

#include "core/session/status_texts.hpp"
#include "viewkit/text_bridge.hpp"

#include <QLabel>
#include <QStatusBar>
#include <QTimer>

namespace tessel {

StatusPanels::StatusPanels(QStatusBar* bar, QObject* parent)
    : QObject(parent), requestCountsTimer_(new QTimer(this)) {
    bar->setObjectName(QStringLiteral("StatusBar1"));
    bar->setSizeGripEnabled(false);
    for (std::size_t i = 0; i < panels_.size(); ++i) {
        panels_[i] = new QLabel(bar);
        panels_[i]->setObjectName(QStringLiteral("StatusBar1Panel%1").arg(i));
        panels_[i]->setFrameShape(QFrame::StyledPanel);
    }
    // Panels of 300, 200 and 300 pixels would overrun the 707-pixel window
    // and cut off the counts, whose row figure tells the operator how near
    // the error limit the session is. Each panel is sized by the widest text
    // it gets in a long session: an uptime just short of where the 32-bit
    // TimeTicks wrap (497 days), a full CPU load, ten million reads. The CPU
    // load takes exactly its share; the uptime and the counts share the
    // rest in proportion to theirs. Their widths do not follow their texts,
    // so the panels stay put while the numbers grow.
    const std::array<QString, 3> widest = {ToQString(UptimeTextFromTicks(4294079900)),
                                           ToQString(CpuLoadText("100")),
                                           ToQString(RequestCountsText(9999999, 999999, 21))};
    std::array<int, 3> needed{};
    for (std::size_t i = 0; i < panels_.size(); ++i) {
        panels_[i]->setText(widest[i]);
        needed[i] = panels_[i]->sizeHint().width();
        panels_[i]->clear();
    }
    panels_[1]->setFixedWidth(needed[1]);
    for (const std::size_t i : {std::size_t{0}, std::size_t{2}}) {
        panels_[i]->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
        panels_[i]->setMinimumWidth(0);
    }
    bar->addWidget(panels_[0], needed[0]);
    bar->addWidget(panels_[1]);
    bar->addWidget(panels_[2], needed[2]);
    bar->hide();

    requestCountsTimer_->setSingleShot(true);
    requestCountsTimer_->setInterval(0);
    connect(requestCountsTimer_, &QTimer::timeout, this, &StatusPanels::ShowRequestCounts);
}

void StatusPanels::SetText(int panel, const QString& text) {
    if (panel == 0 || panel == 1) {
        panels_[static_cast<std::size_t>(panel)]->setText(text);
    }
}

void StatusPanels::CountsChanged(long sent, long errors, long row) {
    requestCounts_ = {sent, errors, row};
    if (!requestCountsTimer_->isActive()) {
        requestCountsTimer_->start();
    }
}

void StatusPanels::ShowRequestCounts() {
    requestCountsTimer_->stop();
    panels_[2]->setText(RequestCountsQText());
}

QString StatusPanels::Text(int panel) const {
    if (panel < 0 || panel >= static_cast<int>(panels_.size())) {
        return {};
    }
    if (panel == 2 && requestCountsTimer_->isActive()) {
        return RequestCountsQText();
    }
    return panels_[static_cast<std::size_t>(panel)]->text();
}

QString StatusPanels::RequestCountsQText() const {
    return ToQString(RequestCountsText(requestCounts_[0], requestCounts_[1], requestCounts_[2]));
}

}  // namespace tessel
