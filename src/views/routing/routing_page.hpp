#pragma once

// The "Routing/ARP tables" tab: the router's IP routing table, read over
// SNMP, above the ARP table group.

#include "viewkit/page.hpp"

#include <QWidget>

class QGroupBox;
class QLabel;
class QPushButton;

namespace tessel {

class PageHost;
class Session;
class ArpGroup;
class GridView;

class RoutingPage : public QWidget, public Page {
    Q_OBJECT
  public:
    // Page
    std::span<const ReadStep> Steps() const override;
    std::span<const ReplyAction> Replies() const override;
    void Read(ReadStep step) override;
    void ConsoleReply(ReplyAction action, const std::string& chunk) override;
    RoutingPage(Session& session, PageHost& host, QWidget* parent = nullptr);

    // The whole table again, in the router's order; the interface names are
    // those of the last interfaces read.
    void ReadRoutingTable();
    void OnRefreshRoutingTable();  // "Refresh table"

    ArpGroup* ArpTableGroup() const { return arp_; }

    QGroupBox* routingTableGroup_;
    GridView* routingTableGrid_;
    QPushButton* refreshRoutingTableButton_;
    QLabel* routingNoteLabel_;

  private:
    Session& session_;
    PageHost& host_;
    ArpGroup* arp_;
};

}  // namespace tessel
