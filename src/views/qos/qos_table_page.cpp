#include "views/qos_page.hpp"

#include "core/pages/qos_table_read.hpp"
#include "core/router/auto_update.hpp"
#include "core/session/session.hpp"
#include "viewkit/column_mapper.hpp"
#include "viewkit/named.hpp"
#include "viewkit/text_bridge.hpp"
#include "widgets/grid_view.hpp"
#include "widgets/spin_editor.hpp"

#include <QHideEvent>
#include <QLabel>
#include <QPushButton>
#include <QShowEvent>
#include <QTimer>

namespace tessel {

namespace {

// The core leaves these widths to the page: room for the counters, which
// run to ten digits.
constexpr int QosColumnWidths[] = {30, 30, 72, 100, 48, 52, 52, 50, 72, 64, 80, 64};

}  // namespace

TQosPage::TQosPage(Session& session, QTimer* timer12, QWidget* parent)
    : QWidget(parent),
      GridView10(Named(new TGridView(this), "GridView10")),
      Button41(Named(new QPushButton(QStringLiteral("Update table"), this), "Button41")),
      Button42(
          Named(new QPushButton(QString::fromLatin1(StartAutoUpdateCaption), this), "Button42")),
      IntervalLabel(Named(new QLabel(QStringLiteral("Interval:"), this), "QosIntervalLabel")),
      SpinEditor18(Named(new TSpinEditor(this), "SpinEditor18")),
      session_(session),
      timer12_(timer12) {
    setObjectName(QStringLiteral("TabSheet15"));

    ApplyReportColumns(*GridView10, QosGridColumns());
    for (int c = 0; c < static_cast<int>(std::size(QosColumnWidths)); ++c) {
        GridView10->setColumnWidth(c, QosColumnWidths[c]);
    }
    GridView10->setGeometry(4, 4, 691, 352);
    Button41->setGeometry(4, 364, 100, 25);
    Button42->setGeometry(112, 364, 120, 25);
    IntervalLabel->setGeometry(248, 366, 52, 22);
    SpinEditor18->setGeometry(304, 366, 64, 22);
    SpinEditor18->setRange(3, 3600);
    SpinEditor18->setSingleStep(1);
    SpinEditor18->setValue(3);

    connect(Button41, &QPushButton::clicked, this, &TQosPage::Button41Click);
    connect(Button42, &QPushButton::clicked, this, &TQosPage::Button42Click);
    // Typing and stepping both change the text; the action is the same.
    connect(SpinEditor18, &TSpinEditor::Changed, this, &TQosPage::SpinEditor18Change);
    connect(timer12_, &QTimer::timeout, this, &TQosPage::Timer12Timer);
}

void TQosPage::ReadQosTable() {
    GridView10->Clear();
    const std::vector<QosRow> table = tessel::ReadQosTable(session_);
    std::vector<QStringList> rows;
    rows.reserve(table.size());
    for (const QosRow& row : table) {
        QStringList& cells = rows.emplace_back();
        for (const std::string& cell : row) {
            cells.append(ToQString(cell));
        }
    }
    GridView10->AppendRows(rows);
    // At most 64 rows: fitting the columns to the counters costs nothing.
    GridView10->resizeColumnsToContents();
}

void TQosPage::Button41Click() {
    ReadQosTable();
}

void TQosPage::Button42Click() {
    const AutoUpdateState next = ToggleAutoUpdate(ToBytes(Button42->text()));
    Button42->setText(QString::fromLatin1(next.caption));
    if (next.timerEnabled) {
        timer12_->start();
    } else {
        timer12_->stop();
    }
    QosAutoUpdate = next.flag;
}

void TQosPage::Timer12Timer() {
    ReadQosTable();
}

void TQosPage::SpinEditor18Change() {
    if (const auto interval = RefreshIntervalMs(SpinEditor18->value(), session_.SessionLoaded)) {
        timer12_->setInterval(*interval);
    }
}

void TQosPage::TabSheet15Show() {
    if (QosAutoUpdate == 1) {
        timer12_->start();
    }
    repaint();
}

void TQosPage::TabSheet15Hide() {
    if (QosAutoUpdate == 1) {
        timer12_->stop();
    }
}

void TQosPage::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    // A window coming back from the task bar is not the tab being shown.
    if (!event->spontaneous()) {
        TabSheet15Show();
    }
}

void TQosPage::hideEvent(QHideEvent* event) {
    QWidget::hideEvent(event);
    if (!event->spontaneous()) {
        TabSheet15Hide();
    }
}

void TQosPage::Read(ReadStep step) {
    if (step == ReadStep::QosTable) {
        ReadQosTable();
    }
}

}  // namespace tessel
