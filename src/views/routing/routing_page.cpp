#include "views/routing/routing_page.hpp"

#include "core/pages/routing_table_read.hpp"
#include "core/session/router_model.hpp"
#include "core/session/session.hpp"
#include "viewkit/append_rows.hpp"
#include "viewkit/column_mapper.hpp"
#include "viewkit/named.hpp"
#include "viewkit/page_host.hpp"
#include "views/routing/arp_table_group.hpp"
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

TRoutingPage::TRoutingPage(Session& session, PageHost& host, QWidget* parent)
    : QWidget(parent),
      GroupBox10(Named(new QGroupBox(QStringLiteral("Routing table"), this), "GroupBox10")),
      GridView6(Named(new TGridView(GroupBox10), "GridView6")),
      Button37(Named(new QPushButton(QStringLiteral("Refresh table"), GroupBox10), "Button37")),
      Label91(Named(new QLabel(GroupBox10), "Label91")),
      session_(session),
      host_(host),
      arp_(new TArpGroup(session, host, this)) {
    setObjectName(QStringLiteral("TabSheet13"));

    GroupBox10->setGeometry(4, 2, 691, 210);
    ApplyReportColumns(*GridView6, RoutingGridColumns());
    for (int c = 0; c < static_cast<int>(std::size(RoutingColumnWidths)); ++c) {
        GridView6->setColumnWidth(c, RoutingColumnWidths[c]);
    }
    GridView6->setGeometry(8, 20, 505, 180);
    Button37->setGeometry(524, 20, 100, 25);
    Label91->setGeometry(524, 54, 160, 146);
    Label91->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Label91->setText(
        QStringLiteral("Static routes are\n"
                       "configured with the\n"
                       "\"route add\" command,\n"
                       "dynamic routing with\n"
                       "the \"rip\" command.\n"
                       "RIP v1 and v2 supported."));

    arp_->setGeometry(4, 214, 691, 188);

    connect(Button37, &QPushButton::clicked, this, &TRoutingPage::Button37Click);
}

void TRoutingPage::ReadRoutingTable() {
    GridView6->Clear();
    const std::vector<RouteRow> routes =
        tessel::ReadRoutingTable(session_, host_.Router().InterfaceNames);
    AppendRows(*GridView6, routes, [](const RouteRow& route) {
        return Cells{{},           route.destination, route.interfaceName,
                     route.metric, route.nextHop,     route.protocol,
                     route.mask};
    });
}

void TRoutingPage::Button37Click() {
    ReadRoutingTable();
}

void TRoutingPage::Read(ReadStep step) {
    if (step == ReadStep::RoutingTable) {
        ReadRoutingTable();
    }
}

void TRoutingPage::ConsoleReply(ReplyAction action, const std::string& chunk) {
    if (action == ReplyAction::ArpTable) {
        arp_->ArpTableReply(chunk);
    }
}

std::span<const ReadStep> TRoutingPage::Steps() const {
    static constexpr std::array Owned{ReadStep::RoutingTable};
    return Owned;
}

std::span<const ReplyAction> TRoutingPage::Replies() const {
    static constexpr std::array Owned{ReplyAction::ArpTable};
    return Owned;
}

}  // namespace tessel
