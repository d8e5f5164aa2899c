#pragma once

// The "Interfaces" tab: the radio interface group, the IP address table with
// its alias form, and the interfaces table with MTU, state and the interface
// information command.

#include "core/session/session.hpp"
#include "viewkit/page.hpp"

#include <QStringList>
#include <QWidget>

#include <string_view>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLineEdit;
class QPushButton;
class QToolButton;

namespace tessel {

class EntryButtons;
class PageHost;
class TGridView;
class TRadioGroup;
class TSpinEditor;

class TInterfacesPage : public QWidget, public Page {
    Q_OBJECT
  public:
    // Page
    std::span<const ReadStep> Steps() const override;
    void Read(ReadStep step) override;
    TInterfacesPage(Session& session, PageHost& host, QWidget* parent = nullptr);

    // Rebuilds the host's interface names, the "Interface:" list, the IP
    // table and the interfaces table; then InterfaceNamesChanged.
    void ReadInterfaces();

    // The radio group, built with this page's session and host.
    TRadioGroup* RadioGroup() const { return radio_; }

    void GridView1SelectCell(int row);
    void Button22Click();
    void Button21Click();
    void GridView4SelectCell(int row);
    void Button20Click();
    void Button33Click();

  signals:
    // Every interface name, in interface order, and the entry the load
    // meter's "Choose interface:" shows first (-1 for none).
    void InterfaceNamesChanged(const QStringList& names, int selected);

  public:
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
    QToolButton* Help(QWidget* parent, const char* name, int x, int y);
    // The "Error" box of the alias commands; nothing is sent.
    void Refuse(std::string_view why);

    Session& session_;
    PageHost& host_;
    TRadioGroup* radio_;
    EntryButtons* aliasButtons_ = nullptr;
    EntryButtons* updateButtons_ = nullptr;
};

}  // namespace tessel
