#pragma once

// The "QoS" tab: the router's QoS statistics table, read over SNMP after
// login, on request, and on Timer12 while auto-update is on and the tab is
// shown.

#include "viewkit/page.hpp"

#include <QWidget>

class QLabel;
class QPushButton;
class QTimer;

namespace tessel {

class Session;
class TGridView;
class TSpinEditor;

class TQosPage : public QWidget, public Page {
    Q_OBJECT
  public:
    // Page
    void Read(ReadStep step) override;
    // timer12: the window's Timer12, whose ticks re-read the table.
    TQosPage(Session& session, QTimer* timer12, QWidget* parent = nullptr);

    void ReadQosTable();
    void Button41Click();  // "Update table"
    void Button42Click();  // "Start autoupdate" / "Stop autoupdate"
    void Timer12Timer();
    void SpinEditor18Change();
    void TabSheet15Show();
    void TabSheet15Hide();

    // The post-login load switches auto-update off; the button keeps its
    // caption and the timer its state.
    void ResetAfterLoad() override { QosAutoUpdate = 0; }

    int QosAutoUpdate = 0;

    TGridView* GridView10;
    QPushButton* Button41;
    QPushButton* Button42;
    QLabel* IntervalLabel;  // "Interval:"
    TSpinEditor* SpinEditor18;

  protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

  private:
    Session& session_;
    QTimer* timer12_;
};

}  // namespace tessel
