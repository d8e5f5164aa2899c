#include "views/qos/qos_table_page.hpp"

#include "core/pages/qos_table_read.hpp"
#include "core/router/auto_update.hpp"
#include "core/session/session.hpp"
#include "viewkit/auto_update.hpp"
#include "viewkit/column_mapper.hpp"
#include "viewkit/controls.hpp"
#include "viewkit/named.hpp"
#include "viewkit/page_host.hpp"
#include "viewkit/text_bridge.hpp"
#include "widgets/grid_view.hpp"
#include "widgets/spin_editor.hpp"

#include <QLabel>
#include <QPushButton>
#include <QTimer>

#include <array>

namespace tessel {

namespace {

// The core leaves these widths to the page: room for the counters, which
// run to ten digits.
constexpr int QosColumnWidths[] = {30, 30, 72, 100, 48, 52, 52, 50, 72, 64, 80, 64};

// Off until the operator starts it, and off again after each post-login
// load. Hiding the tab pauses the timer only while auto-update is on, the
// tab is repainted after the timer is started, and the load leaves the
// interval editor as the operator set it.
const AutoUpdatePolicy QosTableRefresh{.timerName = QStringLiteral("Timer12"),
                                       .startIntervalMs = 3000,
                                       .initialCaption = StartAutoUpdateCaption,
                                       .repaintBeforeStart = false,
                                       .stopTimerOnHideOnlyWhenOn = true,
                                       .editorFromTimerBeforeLoad = false,
                                       .onAfterLoad = false};

}  // namespace

TQosPage::TQosPage(Session& session, PageHost& host, QWidget* parent)
    : QWidget(parent),
      GridView10(Named(new TGridView(this), "GridView10")),
      Button41(Named(new QPushButton(QStringLiteral("Update table"), this), "Button41")),
      Button42(Named(new QPushButton(this), "Button42")),
      IntervalLabel(Named(new QLabel(QStringLiteral("Interval:"), this), "QosIntervalLabel")),
      SpinEditor18(Named(new TSpinEditor(this), "SpinEditor18")),
      session_(session) {
    setObjectName(QStringLiteral("TabSheet15"));

    ApplyReportColumns(*GridView10, QosGridColumns());
    for (int c = 0; c < static_cast<int>(std::size(QosColumnWidths)); ++c) {
        GridView10->setColumnWidth(c, QosColumnWidths[c]);
    }
    GridView10->setGeometry(4, 4, 691, 352);
    Button41->setGeometry(4, 364, 100, 25);
    Button42->setGeometry(112, 364, 120, 25);
    IntervalLabel->setGeometry(248, 366, 52, 22);
    NameAfterCaption(IntervalLabel, SpinEditor18);
    SpinEditor18->setGeometry(304, 366, 64, 22);
    SpinEditor18->AcceptDecimals();  // 3.6 s gives 4000 ms
    SpinEditor18->setRange(3, 3600);
    SpinEditor18->setSingleStep(1);
    SpinEditor18->setValue(3);
    autoUpdate_ = new AutoUpdateController(this, host, Button42, SpinEditor18, QosTableRefresh);

    connect(Button41, &QPushButton::clicked, this, &TQosPage::Button41Click);
    host.AddReadTimer(autoUpdate_->Timer(), [this] { Timer12Timer(); });
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

void TQosPage::ResetAfterLoad() {
    autoUpdate_->ResetAfterLoad();
}

int TQosPage::QosAutoUpdate() const {
    return autoUpdate_->Flag();
}

void TQosPage::Timer12Timer() {
    ReadQosTable();
}

void TQosPage::Read(ReadStep step) {
    if (step == ReadStep::QosTable) {
        ReadQosTable();
    }
}

std::span<const ReadStep> TQosPage::Steps() const {
    static constexpr std::array Owned{ReadStep::QosTable};
    return Owned;
}

}  // namespace tessel
