#pragma once

// The "ARP Table" group of the "Routing/ARP tables" tab: the router's ARP
// cache, asked for with "arp view" on the console and parsed into a grid.

#include "utilities/utility_console.hpp"

#include <QGroupBox>

#include <string>

class QLabel;
class QPushButton;

namespace tessel {

class Session;
class TGridView;

class TArpGroup : public QGroupBox {
    Q_OBJECT
  public:
    TArpGroup(Session& session, UtilityConsole console, QWidget* parent = nullptr);

    void Button38Click();  // "Refresh table"

    // A chunk received while the table is awaited. A chunk too short to be
    // the table leaves the grid as it is.
    void ArpTableReply(const std::string& chunk);

    TGridView* GridView7;
    QPushButton* Button38;
    QLabel* NoteLabel;

  private:
    Session& session_;
    UtilityConsole console_;
};

}  // namespace tessel
