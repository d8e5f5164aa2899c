#pragma once

// The "RMA Test" page of the "Utilities" tab: runs the router's RMA link
// test towards one remote unit and shows each result line as a grid row.

#include "utilities/stream_utility.hpp"

#include "viewkit/page.hpp"

#include <QStringList>
#include <QWidget>

#include <string>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace tessel {

class PageHost;
class ReportChartWindow;
class Session;
class TGridView;
class TSpinEditor;

class TRmaTestPage : public QWidget, public Page {
    Q_OBJECT
  public:
    // Page
    std::span<const ReadStep> Steps() const override;
    std::span<const ReplyAction> Replies() const override;
    void Read(ReadStep) override {}
    void ConsoleReply(ReplyAction action, const std::string& chunk) override;
    TRmaTestPage(Session& session, PageHost& host, QWidget* parent = nullptr);

    void Button39Click();  // "Start"
    void Button40Click();  // "Stop"

    // Console reports: the first chunk after "Start" clears the grid, every
    // later one may add a row.
    void ClearRmaTest();
    void RmaTestRow(const std::string& chunk);

    QLabel* InterfaceLabel;  // "Choose interface:"
    QComboBox* ComboBox15;
    QPushButton* Button39;
    QPushButton* Button40;
    QLabel* MacLabel;  // "MAC-address:"
    QLineEdit* Edit16;
    QLabel* LengthLabel;  // "Packet length:"
    TSpinEditor* SpinEditor8;
    QCheckBox* CheckBox17;
    TGridView* GridView9;
    QPushButton* ChartButton = nullptr;  // "Chart", the run's live chart

  public slots:
    // The radio-interface list: the interfaces whose names contain "rf", as
    // the radio group reads them.
    void SetRadioNames(const QStringList& radios, int selected);
    // The console's report ended without "Stop" (ConsoleChannel::ReportEnded).
    void ReportEnded(ReplyCode code);

  private:
    PageHost& host_;
    StreamUtility run_;
    ReportChartWindow* chart_ = nullptr;
};

}  // namespace tessel
