#pragma once

// The "BS" tab: a base station's table of client units (CPE) for one radio,
// refreshed on demand or on Timer2 while the tab is shown, and the
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
class TGridView;
class TSpinEditor;
struct CpeForm;

class TBsPage : public QWidget, public Page {
    Q_OBJECT
  public:
    // Page
    std::span<const ReadStep> Steps() const override;
    void Read(ReadStep step) override;
    TBsPage(Session& session, PageHost& host, QWidget* parent = nullptr);

    void ReadCpeTable();

    // Post-login load: before its reads, and after them.
    void PrepareLoad() override;
    void ResetAfterLoad() override;

    void Button4Click();
    void ComboBox8Change();
    void Timer2Timer();
    void GridView2CellClick(int row);
    void Button5Click();
    void Button6Click();
    void Button7Click();
    void Button36Click();

    // 1 while the operator wants the table refreshed on Timer2, else 0.
    int CpeTableAutoUpdate() const;
    // Rows found by the last read; the timer refreshes only a table with rows.
    std::size_t CpeRowCount() const { return rowCount_; }

    TGridView* GridView2;
    QComboBox* ComboBox5;
    QLineEdit* Edit7;
    QLineEdit* Edit8;
    QLineEdit* Edit9;
    QCheckBox* CheckBox9;
    QPushButton* Button5;
    QPushButton* Button6;
    QPushButton* Button7;
    QPushButton* Button36;
    QComboBox* ComboBox8;
    QPushButton* Button4;
    TSpinEditor* SpinEditor4;
    QPushButton* Button24;

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
