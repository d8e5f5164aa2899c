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
class GridView;
class RadioGroup;
class SpinEditor;

class InterfacesPage : public QWidget, public Page {
    Q_OBJECT
  public:
    // Page
    std::span<const ReadStep> Steps() const override;
    void Read(ReadStep step) override;
    InterfacesPage(Session& session, PageHost& host, QWidget* parent = nullptr);

    // Rebuilds the host's interface names, the "Interface:" list, the IP
    // table and the interfaces table; then InterfaceNamesChanged.
    void ReadInterfaces();

    // The radio group, built with this page's session and host.
    RadioGroup* RadioSettings() const { return radio_; }

    void OnIpTableRowChosen(int row);
    void OnCreateAlias();
    void OnDeleteAlias();
    void OnInterfaceRowChosen(int row);
    void OnUpdateInterface();
    void OnShowInterfaceInfo();

  signals:
    // Every interface name, in interface order, and the entry the load
    // meter's "Choose interface:" shows first (-1 for none).
    void InterfaceNamesChanged(const QStringList& names, int selected);

  public:
    QGroupBox* ipTableGroup_;
    GridView* ipTableGrid_;
    QComboBox* aliasInterfaceCombo_;
    QLineEdit* aliasAddressEdit_;
    QLineEdit* aliasMaskEdit_;
    QPushButton* createAliasButton_;
    QPushButton* deleteAliasButton_;

    QGroupBox* interfacesGroup_;
    GridView* interfacesGrid_;
    SpinEditor* mtuSpin_;
    QCheckBox* enableInterfaceCheck_;
    QPushButton* updateInterfaceButton_;
    QPushButton* infoShowButton_;

  private:
    void BuildIpTableGroup();
    void BuildInterfacesGroup();
    QToolButton* Help(QWidget* parent, const char* name, int x, int y);
    // The "Error" box of the alias commands; nothing is sent.
    void Refuse(std::string_view why);

    Session& session_;
    PageHost& host_;
    RadioGroup* radio_;
    EntryButtons* aliasButtons_ = nullptr;
    EntryButtons* updateButtons_ = nullptr;
};

}  // namespace tessel
