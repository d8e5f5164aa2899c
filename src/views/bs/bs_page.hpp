#pragma once

// The "BS" tab: a base station's table of client units (CPE) for one radio,
// refreshed on demand or on its auto-update timer ("Timer2") while the tab is shown, and the
// "Configuration" form that adds, updates and deletes CPE entries with
// "rma ab " lines.

#include "viewkit/page.hpp"

#include <QStringList>
#include <QWidget>

#include <cstddef>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;

namespace tessel {

class AutoUpdateController;
class EntryButtons;
class PageHost;
class Session;
class GridView;
class SpinEditor;
struct CpeForm;

class BsPage : public QWidget, public Page {
    Q_OBJECT
  public:
    // Page
    std::span<const ReadStep> Steps() const override;
    void Read(ReadStep step) override;
    BsPage(Session& session, PageHost& host, QWidget* parent = nullptr);

    void ReadCpeTable();

    // Post-login load: before its reads, and after them.
    void PrepareLoad() override;
    void ResetAfterLoad() override;

    void OnUpdateCpeTable();
    void OnCpeTableRadioChanged();
    void OnCpeTableTick();
    void OnCpeRowChosen(int row);
    void OnNewCpe();
    void OnUpdateCpe();
    void OnDeleteCpe();
    void OnClearCpeForm();

    // 1 while the operator wants the table refreshed on its auto-update timer ("Timer2"), else 0.
    int CpeTableAutoUpdate() const;
    // Rows found by the last read; the timer refreshes only a table with rows.
    std::size_t CpeRowCount() const { return rowCount_; }

    GridView* cpeTableGrid_;
    QComboBox* cpeRadioCombo_;
    QLineEdit* cpeNameEdit_;
    QLineEdit* cpeMacEdit_;
    QLineEdit* cpeIpAddressEdit_;
    QCheckBox* cpeEnabledCheckBox_;
    QPushButton* newCpeButton_;
    QPushButton* updateCpeButton_;
    QPushButton* deleteCpeButton_;
    QPushButton* clearCpeFormButton_;
    QComboBox* cpeTableRadioCombo_;
    QPushButton* updateCpeTableButton_;
    SpinEditor* cpeTablePeriodSpin_;
    QPushButton* cpeTableAutoUpdateButton_;

  public slots:
    // The radio interfaces, for "Radiointerface:" and "Show for this radio:".
    void SetRadioNames(const QStringList& radios, int selected);

  signals:
    // The radio page's "Pwrctl mode" may be used only while the radio shown
    // here has no CPE.
    void PwrctlAllowedChanged(bool allowed);

  private:
    void BuildTable();
    void BuildConfiguration();
    void BuildRefreshControls();
    void BuildLegend();
    CpeForm FormValues() const;
    // True when the form holds text the router cannot take (the operator has
    // been told).
    bool FormRefused();
    // The New procedure, shared with Update: checks, question, command.
    void CreateCpe();
    void ClearForm();

    Session& session_;
    PageHost& host_;
    AutoUpdateController* autoUpdate_ = nullptr;
    EntryButtons* entryButtons_ = nullptr;
    std::size_t rowCount_ = 0;
};

}  // namespace tessel
