#include "views/routing/arp_table_group.hpp"

#include "core/console/reply_dispatch.hpp"
#include "core/router/arp_parse.hpp"
#include "core/router/console_text.hpp"
#include "viewkit/append_rows.hpp"
#include "viewkit/column_mapper.hpp"
#include "viewkit/named.hpp"
#include "viewkit/page_host.hpp"
#include "widgets/grid_view.hpp"

#include <QLabel>
#include <QPushButton>

namespace tessel {

TArpGroup::TArpGroup(Session& /*session*/, PageHost& host, QWidget* parent)
    : QGroupBox(QStringLiteral("ARP Table"), parent),
      GridView7(Named(new TGridView(this), "GridView7")),
      Button38(Named(new QPushButton(QStringLiteral("Refresh table"), this), "Button38")),
      NoteLabel(
          new QLabel(QStringLiteral("ARP protocol is configured \nusing \"arp\" command."), this)),
      host_(host) {
    setObjectName(QStringLiteral("ArpGroup"));
    NoteLabel->setObjectName(QStringLiteral("ArpNoteLabel"));

    ApplyReportColumns(*GridView7, ArpGridColumns());
    // Row number, interface, address and MAC, with room for the scroll bar.
    GridView7->setGeometry(8, 20, 378, 160);
    Button38->setGeometry(400, 20, 100, 25);
    NoteLabel->setGeometry(400, 56, 270, 34);
    NoteLabel->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    connect(Button38, &QPushButton::clicked, this, &TArpGroup::Button38Click);
    host_.AddConsoleButton(Button38);
}

void TArpGroup::Button38Click() {
    host_.SendCommand({"arp view", reply::ArpTable});
}

void TArpGroup::ArpTableReply(const std::string& chunk) {
    const auto rows = ParseArpChunk(chunk);
    if (!rows) {
        return;
    }
    GridView7->Clear();
    AppendRows(*GridView7, *rows, [](const ArpRow& row) {
        return Cells{{}, row.interfaceName, row.ipAddress, row.macAddress};
    });
}

}  // namespace tessel
