#include "views/routing/routing_page.hpp"

#include "core/pages/routing_table_read.hpp"
#include "core/session/router_model.hpp"
#include "core/session/session.hpp"
#include "viewkit/append_rows.hpp"
#include "viewkit/column_mapper.hpp"
#include "viewkit/named.hpp"
#include "viewkit/page_host.hpp"
#include "views/routing/arp_group.hpp"
#include "widgets/grid_view.hpp"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

#include <array>

namespace tessel {

namespace {

// The core leaves these widths to the page: the routing grid has room for
// a full dotted quad in each address column.
constexpr int RoutingColumnWidths[] = {28, 94, 56, 40, 96, 66, 106};

}  // namespace

RoutingPage::RoutingPage(Session& session, PageHost& host, QWidget* parent)
    : QWidget(parent),
      routingTableGroup_(Named(new QGroupBox(QStringLiteral("Routing table"), this), "GroupBox10")),
      routingTableGrid_(Named(new GridView(routingTableGroup_), "GridView6")),
      refreshRoutingTableButton_(
          Named(new QPushButton(QStringLiteral("Refresh table"), routingTableGroup_), "Button37")),
      routingNoteLabel_(Named(new QLabel(routingTableGroup_), "Label91")),
      session_(session),
      host_(host),
      arp_(new ArpGroup(session, host, this)) {
    setObjectName(QStringLiteral("TabSheet13"));

    routingTableGroup_->setGeometry(4, 2, 691, 210);
    ApplyReportColumns(*routingTableGrid_, RoutingGridColumns());
    for (int c = 0; c < static_cast<int>(std::size(RoutingColumnWidths)); ++c) {
        routingTableGrid_->setColumnWidth(c, RoutingColumnWidths[c]);
    }
    routingTableGrid_->setGeometry(8, 20, 505, 180);
    refreshRoutingTableButton_->setGeometry(524, 20, 100, 25);
    routingNoteLabel_->setGeometry(524, 54, 160, 146);
    routingNoteLabel_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    routingNoteLabel_->setText(
        QStringLiteral("Static routes are\n"
                       "configured with the\n"
                       "\"route add\" command,\n"
                       "dynamic routing with\n"
                       "the \"rip\" command.\n"
                       "RIP v1 and v2 supported."));

    arp_->setGeometry(4, 214, 691, 188);

    connect(refreshRoutingTableButton_, &QPushButton::clicked, this,
            &RoutingPage::OnRefreshRoutingTable);
}

void RoutingPage::ReadRoutingTable() {
    routingTableGrid_->Clear();
    const std::vector<RouteRow> routes =
        tessel::ReadRoutingTable(session_, host_.Router().InterfaceNames);
    AppendRows(*routingTableGrid_, routes, [](const RouteRow& route) {
        return Cells{{},           route.destination, route.interfaceName,
                     route.metric, route.nextHop,     route.protocol,
                     route.mask};
    });
}

void RoutingPage::OnRefreshRoutingTable() {
    ReadRoutingTable();
}

void RoutingPage::Read(ReadStep step) {
    if (step == ReadStep::RoutingTable) {
        ReadRoutingTable();
    }
}

void RoutingPage::ConsoleReply(ReplyAction action, const std::string& chunk) {
    if (action == ReplyAction::ArpTable) {
        arp_->ArpTableReply(chunk);
    }
}

std::span<const ReadStep> RoutingPage::Steps() const {
    static constexpr std::array Owned{ReadStep::RoutingTable};
    return Owned;
}

std::span<const ReplyAction> RoutingPage::Replies() const {
    static constexpr std::array Owned{ReplyAction::ArpTable};
    return Owned;
}

}  // namespace tessel
