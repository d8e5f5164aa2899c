#include "utilities/arp_group.hpp"

#include "core/console/reply_dispatch.hpp"
#include "core/router/arp_parse.hpp"
#include "core/session/session.hpp"
#include "viewkit/column_mapper.hpp"
#include "viewkit/named.hpp"
#include "viewkit/text_bridge.hpp"
#include "widgets/grid_view.hpp"

#include <QLabel>
#include <QPushButton>

namespace tessel {

TArpGroup::TArpGroup(Session& session, UtilityConsole console, QWidget* parent)
    : QGroupBox(QStringLiteral("ARP Table"), parent),
      GridView7(Named(new TGridView(this), "GridView7")),
      Button38(Named(new QPushButton(QStringLiteral("Refresh table"), this), "Button38")),
      NoteLabel(
          new QLabel(QStringLiteral("ARP protocol is configured \nusing \"arp\" command."), this)),
      session_(session),
      console_(std::move(console)) {
    setObjectName(QStringLiteral("ArpGroup"));
    NoteLabel->setObjectName(QStringLiteral("ArpNoteLabel"));

    ApplyReportColumns(*GridView7, ArpGridColumns());
    // Row number, interface, address and MAC, with room for the scroll bar.
    GridView7->setGeometry(8, 20, 378, 160);
    Button38->setGeometry(400, 20, 100, 25);
    NoteLabel->setGeometry(400, 56, 270, 34);
    NoteLabel->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    connect(Button38, &QPushButton::clicked, this, &TArpGroup::Button38Click);
}

void TArpGroup::Button38Click() {
    if (console_.SendCommand) {
        console_.SendCommand({"arp view", reply::ArpTable});
    }
}

void TArpGroup::ArpTableReply(const std::string& chunk) {
    const auto rows = ParseArpChunk(chunk);
    if (!rows) {
        return;
    }
    std::vector<QStringList> cells;
    cells.reserve(rows->size());
    for (const ArpRow& row : *rows) {
        cells.push_back({QString(), ToQString(row.interfaceName), ToQString(row.ipAddress),
                         ToQString(row.macAddress)});
    }
    GridView7->Clear();
    GridView7->AppendRows(cells);
}

}  // namespace tessel
