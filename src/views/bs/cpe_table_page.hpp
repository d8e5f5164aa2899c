#pragma once

// The "BS" tab: a base station's table of client units (CPE) for one radio,
// refreshed on demand or on Timer2 while the tab is shown, and the
// "Configuration" form that adds, updates and deletes CPE entries with
// "rma ab " lines.

#include "viewkit/page.hpp"

#include <QWidget>

#include <array>
#include <cstddef>
#include <functional>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;
class QTimer;
class QToolButton;

namespace tessel {

class TForm1;
class TGridView;
class TSpinEditor;
struct CpeForm;

class TBsPage : public QWidget, public Page {
    Q_OBJECT
  public:
    // Page
    void Read(ReadStep step) override;
    // timer2 is the window's Timer2; the page starts and stops it.
    TBsPage(TForm1& form, QTimer* timer2, QWidget* parent = nullptr);

    // Cross-page wiring, set once by the window: the radio page's
    // "Pwrctl mode" box is enabled only while this radio has no CPE.
    void SetPwrctlEnabler(std::function<void(bool enabled)> enable);
    // The two radio selectors the radio page fills ("Radiointerface:" and
    // "Show for this radio:").
    std::array<QComboBox*, 2> RadioSelectors() const { return {ComboBox5, ComboBox8}; }

    void ReadCpeTable();

    // Post-login load: before its reads, and after them.
    void PrepareLoad() override;
    void ResetAfterLoad() override;

    void Button4Click();
    void ComboBox8Change();
    void Timer2Timer();
    void SpinEditor4Change();
    void Button24Click();
    void GridView2CellClick(int row);
    void Button5Click();
    void Button6Click();
    void Button7Click();
    void Button36Click();
    void TabSheet3Show();
    void TabSheet3Hide();

    int CpeTableAutoUpdate = 0;
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

  protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

  private:
    void BuildTable();
    void BuildConfiguration();
    void BuildRefreshControls();
    void BuildLegend();
    CpeForm FormValues() const;
    // The New procedure, shared with Update: checks, question, command.
    void CreateCpe();

    TForm1& form_;
    QTimer* timer2_;
    std::function<void(bool)> enablePwrctl_;
    std::size_t rowCount_ = 0;
};

}  // namespace tessel
