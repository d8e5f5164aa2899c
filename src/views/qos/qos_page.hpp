#pragma once

// The "QoS" tab: the router's QoS statistics table, read over SNMP after
// login, on request, and on Timer12 while auto-update is on and the tab is
// shown.

#include "viewkit/page.hpp"

#include <QWidget>

class QLabel;
class QPushButton;

namespace tessel {

class AutoUpdateController;
class PageHost;
class Session;
class GridView;
class SpinEditor;

class QosPage : public QWidget, public Page {
    Q_OBJECT
  public:
    // Page
    std::span<const ReadStep> Steps() const override;
    void Read(ReadStep step) override;
    QosPage(Session& session, PageHost& host, QWidget* parent = nullptr);

    void ReadQosTable();
    void OnUpdateQosTable();  // "Update table"
    void OnQosAutoUpdateTick();

    // The post-login load switches auto-update off; the button keeps its
    // caption and the timer its state.
    void ResetAfterLoad() override;

    // 1 while the table is to be re-read on Timer12, else 0.
    int QosAutoUpdate() const;

    GridView* qosTableGrid_;
    QPushButton* updateQosTableButton_;
    QPushButton* qosAutoUpdateButton_;
    QLabel* IntervalLabel;  // "Interval:"
    SpinEditor* qosIntervalSpin_;

  private:
    Session& session_;
    AutoUpdateController* autoUpdate_ = nullptr;
};

}  // namespace tessel
