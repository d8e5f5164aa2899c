#include "views/routing/arp_group.hpp"

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

ArpGroup::ArpGroup(Session& /*session*/, PageHost& host, QWidget* parent)
    : QGroupBox(QStringLiteral("ARP Table"), parent),
      arpTableGrid_(Named(new GridView(this), "GridView7")),
      refreshArpTableButton_(
          Named(new QPushButton(QStringLiteral("Refresh table"), this), "Button38")),
      NoteLabel(
          new QLabel(QStringLiteral("ARP protocol is configured \nusing \"arp\" command."), this)),
      host_(host) {
    setObjectName(QStringLiteral("ArpGroup"));
    NoteLabel->setObjectName(QStringLiteral("ArpNoteLabel"));

    ApplyReportColumns(*arpTableGrid_, ArpGridColumns());
    // Row number, interface, address and MAC, with room for the scroll bar.
    arpTableGrid_->setGeometry(8, 20, 378, 160);
    refreshArpTableButton_->setGeometry(400, 20, 100, 25);
    NoteLabel->setGeometry(400, 56, 270, 34);
    NoteLabel->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    connect(refreshArpTableButton_, &QPushButton::clicked, this, &ArpGroup::OnRefreshArpTable);
    host_.AddConsoleButton(refreshArpTableButton_);
}

void ArpGroup::OnRefreshArpTable() {
    host_.SendCommand({"arp view", ReplyCode::ArpTable});
}

void ArpGroup::ArpTableReply(const std::string& chunk) {
    const auto rows = ParseArpChunk(chunk);
    if (!rows) {
        return;
    }
    arpTableGrid_->Clear();
    AppendRows(*arpTableGrid_, *rows, [](const ArpRow& row) {
        return Cells{{}, row.interfaceName, row.ipAddress, row.macAddress};
    });
}

}  // namespace tessel
