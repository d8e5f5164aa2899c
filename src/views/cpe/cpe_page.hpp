#pragma once

// The "CPE" tab: a client unit's configured base stations grouped into
// records, the base station it is registered with and the link's quality
// (refreshed on its auto-update timer ("Timer3") while the tab is shown), and the "Base Station
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
class GridView;
class SpinEditor;

class CpePage : public QWidget, public Page {
    Q_OBJECT
  public:
    // Page
    std::span<const ReadStep> Steps() const override;
    std::span<const ReplyAction> Replies() const override;
    void Read(ReadStep step) override;
    void ConsoleReply(ReplyAction action, const std::string& chunk) override;
    CpePage(Session& session, PageHost& host, QWidget* parent = nullptr);

    void ReadBsList();
    void ReadBsRegistration();
    void SendAddBsRecord();

    // Post-login load: before its reads, and after them.
    void PrepareLoad() override;
    void ResetAfterLoad() override;

    void OnUpdateBsList();
    void OnBsRadioChanged();
    void OnBsRegistrationRadioChanged();
    void OnBsRegistrationTick();
    void OnBsRowChosen(int row);
    void OnAddBsFrequency();
    void OnRemoveBsFrequency();
    void OnRfFrequencyDoubleClicked();
    void OnBsFrequencyDoubleClicked();
    void OnCreateOrUpdateBsRecord();
    void OnDeleteBsRecord();
    void OnClearBsForm();

    // 1 while the registration is to be refreshed on its auto-update timer ("Timer3"), else 0.
    int BsListAutoUpdate() const;
    const std::vector<BsRecord>& Records() const { return records_; }
    const RegistrationDetector& Detector() const { return detector_; }

    GridView* configuredBsGrid_;
    QComboBox* bsRegistrationRadioCombo_;
    QLabel* registrationFrequencyLabel_;
    QLabel* registrationBitrateLabel_;
    QLabel* registrationSidLabel_;
    QLabel* registrationIpAddressLabel_;
    QLabel* registrationAmplitudeFromLabel_;
    QProgressBar* registrationAmplitudeFromBar_;
    QLabel* registrationAmplitudeToLabel_;
    QProgressBar* registrationAmplitudeToBar_;
    QLabel* registrationTransmitSpeedLabel_;
    QLabel* registrationReceiveSpeedLabel_;
    QPushButton* updateBsListButton_;
    QPushButton* bsRegistrationAutoUpdateButton_;
    SpinEditor* bsRegistrationPeriodSpin_;
    QListWidget* rfFrequenciesList_;
    QListWidget* bsFrequenciesList_;
    QPushButton* addBsFrequencyButton_;
    QPushButton* removeBsFrequencyButton_;
    QComboBox* bsRadioCombo_;
    QLineEdit* bsSidEdit_;
    QLineEdit* bsRequestedSpeedEdit_;
    QPushButton* createOrUpdateBsRecordButton_;
    QPushButton* deleteBsRecordButton_;
    QPushButton* clearBsFormButton_;

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
