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
class TGridView;

class TArpGroup : public QGroupBox {
    Q_OBJECT
  public:
    // Its "Refresh table" joins the window's console buttons.
    TArpGroup(Session& session, PageHost& host, QWidget* parent = nullptr);

    void Button38Click();  // "Refresh table"

    // A chunk received while the table is awaited. A chunk too short to be
    // the table leaves the grid as it is.
    void ArpTableReply(const std::string& chunk);

    TGridView* GridView7;
    QPushButton* Button38;
    QLabel* NoteLabel;

  private:
    PageHost& host_;
};

}  // namespace tessel
