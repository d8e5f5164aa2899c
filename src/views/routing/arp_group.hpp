#pragma once

// The "ARP Table" group of the "Routing/ARP tables" tab: the router's ARP
// cache, asked for with "arp view" on the console and parsed into a grid.

#include <QGroupBox>

#include <string>

class QLabel;
class QPushButton;

namespace tessel {

class PageHost;
class Session;
class GridView;

class ArpGroup : public QGroupBox {
    Q_OBJECT
  public:
    // Its "Refresh table" joins the window's console buttons.
    ArpGroup(Session& session, PageHost& host, QWidget* parent = nullptr);

    void OnRefreshArpTable();  // "Refresh table"

    // A chunk received while the table is awaited. A chunk too short to be
    // the table leaves the grid as it is.
    void ArpTableReply(const std::string& chunk);

    GridView* arpTableGrid_;
    QPushButton* refreshArpTableButton_;
    QLabel* NoteLabel;

  private:
    PageHost& host_;
};

}  // namespace tessel
