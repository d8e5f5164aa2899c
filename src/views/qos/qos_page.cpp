#include "views/qos/qos_page.hpp"

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

QosPage::QosPage(Session& session, PageHost& host, QWidget* parent)
    : QWidget(parent),
      qosTableGrid_(Named(new GridView(this), "GridView10")),
      updateQosTableButton_(
          Named(new QPushButton(QStringLiteral("Update table"), this), "Button41")),
      qosAutoUpdateButton_(Named(new QPushButton(this), "Button42")),
      IntervalLabel(Named(new QLabel(QStringLiteral("Interval:"), this), "QosIntervalLabel")),
      qosIntervalSpin_(Named(new SpinEditor(this), "SpinEditor18")),
      session_(session) {
    setObjectName(QStringLiteral("TabSheet15"));

    ApplyReportColumns(*qosTableGrid_, QosGridColumns());
    for (int c = 0; c < static_cast<int>(std::size(QosColumnWidths)); ++c) {
        qosTableGrid_->setColumnWidth(c, QosColumnWidths[c]);
    }
    qosTableGrid_->setGeometry(4, 4, 691, 352);
    updateQosTableButton_->setGeometry(4, 364, 100, 25);
    qosAutoUpdateButton_->setGeometry(112, 364, 120, 25);
    IntervalLabel->setGeometry(248, 366, 52, 22);
    NameAfterCaption(IntervalLabel, qosIntervalSpin_);
    qosIntervalSpin_->setGeometry(304, 366, 64, 22);
    qosIntervalSpin_->AcceptDecimals();  // 3.6 s gives 4000 ms
    qosIntervalSpin_->setRange(3, 3600);
    qosIntervalSpin_->setSingleStep(1);
    qosIntervalSpin_->setValue(3);
    autoUpdate_ = new AutoUpdateController(this, host, qosAutoUpdateButton_, qosIntervalSpin_,
                                           QosTableRefresh);

    connect(updateQosTableButton_, &QPushButton::clicked, this, &QosPage::OnUpdateQosTable);
    host.AddReadTimer(autoUpdate_->Timer(), [this] { OnQosAutoUpdateTick(); });
}

void QosPage::ReadQosTable() {
    qosTableGrid_->Clear();
    const std::vector<QosRow> table = tessel::ReadQosTable(session_);
    std::vector<QStringList> rows;
    rows.reserve(table.size());
    for (const QosRow& row : table) {
        QStringList& cells = rows.emplace_back();
        for (const std::string& cell : row) {
            cells.append(ToQString(cell));
        }
    }
    qosTableGrid_->AppendRows(rows);
    // At most 64 rows: fitting the columns to the counters costs nothing.
    qosTableGrid_->resizeColumnsToContents();
}

void QosPage::OnUpdateQosTable() {
    ReadQosTable();
}

void QosPage::ResetAfterLoad() {
    autoUpdate_->ResetAfterLoad();
}

int QosPage::QosAutoUpdate() const {
    return autoUpdate_->Flag();
}

void QosPage::OnQosAutoUpdateTick() {
    ReadQosTable();
}

void QosPage::Read(ReadStep step) {
    if (step == ReadStep::QosTable) {
        ReadQosTable();
    }
}

std::span<const ReadStep> QosPage::Steps() const {
    static constexpr std::array Owned{ReadStep::QosTable};
    return Owned;
}

}  // namespace tessel
