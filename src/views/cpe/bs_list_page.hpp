#pragma once

// The "CPE" tab: a client unit's configured base stations grouped into
// records, the base station it is registered with and the link's quality
// (refreshed on Timer3 while the tab is shown), and the "Base Station
// Configuration" form that creates, replaces and deletes records with
// "rma bs " lines.

#include "core/router/bs_records.hpp"

#include "viewkit/page.hpp"

#include <QStringList>
#include <QWidget>

#include <string>
#include <vector>

class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QProgressBar;
class QPushButton;

namespace tessel {

class AutoUpdateController;
class EntryButtons;
class PageHost;
class Session;
class TGridView;
class TSpinEditor;

class TCpePage : public QWidget, public Page {
    Q_OBJECT
  public:
    // Page
    std::span<const ReadStep> Steps() const override;
    std::span<const ReplyAction> Replies() const override;
    void Read(ReadStep step) override;
    void ConsoleReply(ReplyAction action, const std::string& chunk) override;
    TCpePage(Session& session, PageHost& host, QWidget* parent = nullptr);

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
    void GridView3CellClick(int row);
    void Button12Click();
    void Button13Click();
    void ListBox1DblClick();
    void ListBox2DblClick();
    void Button15Click();
    void Button16Click();
    void Button17Click();

    // 1 while the registration is to be refreshed on Timer3, else 0.
    int BsListAutoUpdate() const;
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

  public slots:
    // The radio interfaces, for "Radio interface:" of the form and "Select
    // radio interface:" of the registration.
    void SetRadioNames(const QStringList& radios, int selected);
    // The radio interface chosen on the radio page, whose usable frequencies
    // fill "RF frequencies:".
    void SetRadioPageSelection(const QString& radio);

  signals:
    // The registered base station changed: the router changed the radio's
    // values with it.
    void RegistrationChanged();

  private:
    void BuildList();
    void BuildRegistration();
    void BuildRefreshControls();
    void BuildConfiguration();
    std::vector<std::string> FormFrequencies() const;
    // Shows a command line in a plain box, then sends it under its code. The
    // window holds back the console's replies while a box is open, so none
    // is judged by the code before its line has gone out.
    void ShowAndSend(const ConsoleCommand& command);
    // The "Error" box of a record command that would name no radio.
    void RefuseWithoutRadio();

    Session& session_;
    PageHost& host_;
    AutoUpdateController* autoUpdate_ = nullptr;
    EntryButtons* entryButtons_ = nullptr;
    std::string radioPageRadio_;
    std::vector<BsRecord> records_;
    std::vector<BsGridRow> gridRows_;
    RegistrationDetector detector_;
};

}  // namespace tessel
