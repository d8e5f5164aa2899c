#pragma once

// The "CPE" tab: a client unit's configured base stations grouped into
// records, the base station it is registered with and the link's quality
// (refreshed on Timer3 while the tab is shown), and the "Base Station
// Configuration" form that creates, replaces and deletes records with
// "rma bs " lines.

#include "core/router/bs_records.hpp"

#include "viewkit/page.hpp"

#include <QWidget>

#include <array>
#include <functional>
#include <string>
#include <vector>

class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QProgressBar;
class QPushButton;
class QTimer;

namespace tessel {

class TForm1;
class TGridView;
class TSpinEditor;

class TCpePage : public QWidget, public Page {
    Q_OBJECT
  public:
    // Page
    void Read(ReadStep step) override;
    void ConsoleReply(ReplyAction action, const std::string& chunk) override;
    // timer3 is the window's Timer3; the page starts and stops it.
    TCpePage(TForm1& form, QTimer* timer3, QWidget* parent = nullptr);

    // Cross-page wiring, set once by the window: the radio interface chosen
    // on the radio page, whose usable frequencies fill "RF frequencies:".
    void SetRadioPageSelection(std::function<std::string()> selectedRadio);
    // The two radio selectors the radio page fills ("Radio interface:" of the
    // form and "Select radio interface:" of the registration).
    std::array<QComboBox*, 2> RadioSelectors() const { return {ComboBox7, ComboBox10}; }

    void ReadBsList();
    void ReadBsRegistration();
    void SendAddBsRecord();

    // Post-login load: before its reads, and after them.
    void PrepareLoad() override;
    void ResetAfterLoad() override;

    void Button8Click();
    void ComboBox7Change();
    void ComboBox10Change();
    void Timer3Timer();
    void SpinEditor5Change();
    void Button25Click();
    void GridView3CellClick(int row);
    void Button12Click();
    void Button13Click();
    void ListBox1DblClick();
    void ListBox2DblClick();
    void Button15Click();
    void Button16Click();
    void Button17Click();
    void TabSheet4Show();
    void TabSheet4Hide();

    int BsListAutoUpdate = 0;
    const std::vector<BsRecord>& Records() const { return records_; }
    const RegistrationDetector& Detector() const { return detector_; }

    TGridView* GridView3;
    QComboBox* ComboBox10;
    QLabel* Label33;
    QLabel* Label34;
    QLabel* Label35;
    QLabel* Label41;
    QLabel* Label37;
    QProgressBar* ProgressBar1;
    QLabel* Label27;
    QProgressBar* ProgressBar2;
    QLabel* Label39;
    QLabel* Label40;
    QPushButton* Button8;
    QPushButton* Button25;
    TSpinEditor* SpinEditor5;
    QListWidget* ListBox1;
    QListWidget* ListBox2;
    QPushButton* Button12;
    QPushButton* Button13;
    QComboBox* ComboBox7;
    QLineEdit* Edit10;
    QLineEdit* Edit11;
    QPushButton* Button15;
    QPushButton* Button16;
    QPushButton* Button17;

  signals:
    // The registered base station changed: the router changed the radio's
    // values with it.
    void RegistrationChanged();

  protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

  private:
    void BuildList();
    void BuildRegistration();
    void BuildRefreshControls();
    void BuildConfiguration();
    std::vector<std::string> FormFrequencies() const;
    // Shows a command line in a plain box, then sends it under its code; the
    // code is set before the box, as the console may answer meanwhile.
    void ShowAndSend(const ConsoleCommand& command);
    // The "Error" box of a record command that would name no radio.
    void RefuseWithoutRadio();

    TForm1& form_;
    QTimer* timer3_;
    std::function<std::string()> selectedRadio_;
    std::vector<BsRecord> records_;
    std::vector<BsGridRow> gridRows_;
    RegistrationDetector detector_;
};

}  // namespace tessel
