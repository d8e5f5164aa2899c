#pragma once

// The "Interfaces" tab: the radio interface group, the IP address table with
// its alias form, and the interfaces table with MTU, state and the interface
// information command.

#include "core/session/session.hpp"
#include "views/view_services.hpp"

#include "viewkit/page.hpp"

#include <QWidget>

#include <string_view>
#include <vector>

class QAbstractButton;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLineEdit;
class QPushButton;
class QToolButton;

namespace tessel {

class TGridView;
class TRadioGroup;
class TSpinEditor;

class TInterfacesPage : public QWidget, public Page {
    Q_OBJECT
  public:
    // Page
    void Read(ReadStep step) override;
    TInterfacesPage(Session& session, ViewServices services, QWidget* parent = nullptr);

    // Rebuilds InterfaceNames, the "Interface:" list and the load meter's
    // list, the IP table and the interfaces table.
    void ReadInterfaces();

    // The load meter's "Choose interface:" list, filled by every
    // ReadInterfaces (and at once from the names already known).
    void SetLoadMeterSelector(QComboBox* selector);

    TRadioGroup* RadioGroup() const { return radio_; }

    // The buttons the window disables while a utility runs, in its order:
    // radio "Refresh", "Create", "Delete", "Update", "Info show".
    std::vector<QAbstractButton*> ConsoleButtons() const;

    void GridView1SelectCell(int row);
    void Button22Click();
    void Button21Click();
    void GridView4SelectCell(int row);
    void Button20Click();
    void Button33Click();

    QGroupBox* GroupBox1;
    TGridView* GridView1;
    QComboBox* ComboBox6;
    QLineEdit* Edit3;
    QLineEdit* Edit4;
    QPushButton* Button22;
    QPushButton* Button21;

    QGroupBox* GroupBox8;
    TGridView* GridView4;
    TSpinEditor* SpinEditor3;
    QCheckBox* CheckBox12;
    QPushButton* Button20;
    QPushButton* Button33;

  private:
    void BuildIpTableGroup();
    void BuildInterfacesGroup();
    void FillLoadMeterSelector(int selected);
    QToolButton* Help(QWidget* parent, const char* name, int x, int y);
    // The "Error" box of the alias commands; nothing is sent.
    void Refuse(std::string_view why);

    Session& session_;
    ViewServices services_;
    TRadioGroup* radio_;
    QComboBox* loadMeter_ = nullptr;
};

}  // namespace tessel
