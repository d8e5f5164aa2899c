#include "views/interfaces/interfaces_page.hpp"

#include "core/pages/interfaces_read.hpp"
#include "core/router/interface_commands.hpp"
#include "core/router/interface_rules.hpp"
#include "core/session/router_model.hpp"
#include "viewkit/controls.hpp"
#include "viewkit/entry_buttons.hpp"
#include "viewkit/operator_text.hpp"
#include "viewkit/page_host.hpp"
#include "viewkit/text_bridge.hpp"
#include "views/interfaces/radio_group.hpp"
#include "widgets/grid_view.hpp"
#include "widgets/spin_editor.hpp"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>

#include <array>

namespace tessel {

namespace {

// Columns of the IP table and of the interfaces table.
enum IpColumn { IpRow, IpInterface, IpAddress, IpMask, IpIndex };
enum InterfaceColumn { IfRow, IfName, IfMtu, IfState, IfSpare };

constexpr int GroupX = 353;
constexpr int GroupWidth = 340;
constexpr int GridHeight = 88;

GridColumn Column(const QString& caption, GridColumnKind kind, int width, bool hidden = false,
                  const QString& defaultText = {}) {
    GridColumn column;
    column.caption = caption;
    column.kind = kind;
    column.width = width;
    column.hidden = hidden;
    column.defaultText = defaultText;
    return column;
}

GridView* MakeGrid(QWidget* parent, const char* name, std::vector<GridColumn> columns) {
    auto* grid = Named(new GridView(parent), name);
    grid->setGeometry(8, 20, GroupWidth - 16, GridHeight);
    grid->SetColumns(std::move(columns));
    return grid;
}

}  // namespace

InterfacesPage::InterfacesPage(Session& session, PageHost& host, QWidget* parent)
    : QWidget(parent), session_(session), host_(host) {
    setObjectName(QStringLiteral("TabSheet2"));
    radio_ = new RadioGroup(session_, host_, this);
    radio_->move(8, 8);
    BuildIpTableGroup();
    BuildInterfacesGroup();
    // After the radio group's "Refresh", which the group adds itself.
    for (QPushButton* button :
         {createAliasButton_, deleteAliasButton_, updateInterfaceButton_, infoShowButton_}) {
        host_.AddConsoleButton(button);
    }
    // An alias is known by its address, an interface by its name, wherever
    // a re-read puts their rows.
    ipTableGrid_->SetKeyColumns({IpAddress});
    interfacesGrid_->SetKeyColumns({IfName});
    aliasButtons_ =
        new EntryButtons(ipTableGrid_, {createAliasButton_}, {deleteAliasButton_}, this);
    updateButtons_ = new EntryButtons(interfacesGrid_, {}, {updateInterfaceButton_}, this);
}

QToolButton* InterfacesPage::Help(QWidget* parent, const char* name, int x, int y) {
    QToolButton* help = host_.MakeHelpButton(parent, QLatin1String(name));
    help->move(x, y + 2);
    return help;
}

void InterfacesPage::BuildIpTableGroup() {
    ipTableGroup_ = Named(new QGroupBox(QStringLiteral("Interfaces IP-table"), this), "GroupBox1");
    ipTableGrid_ = MakeGrid(ipTableGroup_, "GridView1",
                            {Column({}, GridColumnKind::RowNumber, 24),
                             Column(QStringLiteral("Interface"), GridColumnKind::Text, 60),
                             Column(QStringLiteral("IP-address"), GridColumnKind::Text, 100),
                             Column(QStringLiteral("Mask"), GridColumnKind::Text, 112),
                             Column({}, GridColumnKind::Number, 40, true, QStringLiteral("0"))});

    constexpr int FieldX = 132;
    constexpr int FieldWidth = 100;
    const int y0 = 20 + GridHeight + 6;
    QLabel* interfaceLabel = MakeRowLabel(ipTableGroup_, "Interface:", 8, y0, FieldX - 12);
    aliasInterfaceCombo_ = Named(new QComboBox(ipTableGroup_), "ComboBox6");
    NameAfterCaption(interfaceLabel, aliasInterfaceCombo_);
    aliasInterfaceCombo_->setGeometry(FieldX, y0, FieldWidth, 22);
    Help(ipTableGroup_, "SpeedButton25", FieldX + FieldWidth + 4, y0);
    QLabel* addressLabel = MakeRowLabel(ipTableGroup_, "IP-address:", 8, y0 + 26, FieldX - 12);
    aliasAddressEdit_ = Named(new QLineEdit(ipTableGroup_), "Edit3");
    NameAfterCaption(addressLabel, aliasAddressEdit_);
    aliasAddressEdit_->setGeometry(FieldX, y0 + 26, FieldWidth, 22);
    Help(ipTableGroup_, "SpeedButton26", FieldX + FieldWidth + 4, y0 + 26);
    QLabel* maskLabel =
        MakeRowLabel(ipTableGroup_, "Mask (auto if blank):", 8, y0 + 52, FieldX - 12);
    aliasMaskEdit_ = Named(new QLineEdit(ipTableGroup_), "Edit4");
    NameAfterCaption(maskLabel, aliasMaskEdit_);
    aliasMaskEdit_->setGeometry(FieldX, y0 + 52, FieldWidth, 22);
    Help(ipTableGroup_, "SpeedButton27", FieldX + FieldWidth + 4, y0 + 52);

    createAliasButton_ =
        Named(new QPushButton(QStringLiteral("Create"), ipTableGroup_), "Button22");
    createAliasButton_->setGeometry(GroupWidth - 83, y0, 75, 25);
    deleteAliasButton_ =
        Named(new QPushButton(QStringLiteral("Delete"), ipTableGroup_), "Button21");
    deleteAliasButton_->setGeometry(GroupWidth - 83, y0 + 30, 75, 25);
    ipTableGroup_->setGeometry(GroupX, 8, GroupWidth, y0 + 52 + 30);

    setTabOrder(ipTableGrid_, aliasInterfaceCombo_);
    setTabOrder(aliasInterfaceCombo_, aliasAddressEdit_);
    setTabOrder(aliasAddressEdit_, aliasMaskEdit_);
    setTabOrder(aliasMaskEdit_, createAliasButton_);
    setTabOrder(createAliasButton_, deleteAliasButton_);

    // Also a press on the row already selected: it brings back what the
    // operator typed over.
    connect(ipTableGrid_, &GridView::RowChosen, this, &InterfacesPage::OnIpTableRowChosen);
    connect(createAliasButton_, &QPushButton::clicked, this, &InterfacesPage::OnCreateAlias);
    connect(deleteAliasButton_, &QPushButton::clicked, this, &InterfacesPage::OnDeleteAlias);
}

void InterfacesPage::BuildInterfacesGroup() {
    interfacesGroup_ = Named(new QGroupBox(QStringLiteral("Interfaces"), this), "GroupBox8");
    interfacesGrid_ = MakeGrid(interfacesGroup_, "GridView4",
                               {Column({}, GridColumnKind::RowNumber, 24),
                                Column(QStringLiteral("Name"), GridColumnKind::Text, 120),
                                Column(QStringLiteral("MTU"), GridColumnKind::Text, 70),
                                Column(QStringLiteral("State"), GridColumnKind::Text, 70),
                                Column({}, GridColumnKind::Text, 40, true)});

    const int y0 = 20 + GridHeight + 6;
    QLabel* mtuLabel = MakeRowLabel(interfacesGroup_, "MTU:", 8, y0, 40);
    mtuSpin_ = Named(new SpinEditor(interfacesGroup_), "SpinEditor3");
    NameAfterCaption(mtuLabel, mtuSpin_);
    mtuSpin_->setRange(0, 1580);
    mtuSpin_->setValue(0);
    mtuSpin_->setGeometry(48, y0, 72, 22);
    Help(interfacesGroup_, "SpeedButton28", 124, y0);
    enableInterfaceCheck_ =
        Named(new QCheckBox(QStringLiteral("Enable interface"), interfacesGroup_), "CheckBox12");
    enableInterfaceCheck_->setGeometry(156, y0, 120, 22);
    Help(interfacesGroup_, "SpeedButton29", 280, y0);

    updateInterfaceButton_ =
        Named(new QPushButton(QStringLiteral("Update"), interfacesGroup_), "Button20");
    updateInterfaceButton_->setGeometry(48, y0 + 30, 75, 25);
    infoShowButton_ =
        Named(new QPushButton(QStringLiteral("Info show"), interfacesGroup_), "Button33");
    infoShowButton_->setGeometry(156, y0 + 30, 75, 25);
    interfacesGroup_->setGeometry(GroupX, ipTableGroup_->geometry().bottom() + 6, GroupWidth,
                                  y0 + 30 + 33);

    setTabOrder(interfacesGrid_, mtuSpin_);
    setTabOrder(mtuSpin_, enableInterfaceCheck_);
    setTabOrder(enableInterfaceCheck_, updateInterfaceButton_);
    setTabOrder(updateInterfaceButton_, infoShowButton_);

    connect(interfacesGrid_, &GridView::RowChosen, this, &InterfacesPage::OnInterfaceRowChosen);
    connect(updateInterfaceButton_, &QPushButton::clicked, this,
            &InterfacesPage::OnUpdateInterface);
    connect(infoShowButton_, &QPushButton::clicked, this, &InterfacesPage::OnShowInterfaceInfo);
}

void InterfacesPage::ReadInterfaces() {
    ipTableGrid_->Clear();
    const InterfacesReading page = tessel::ReadInterfaces(session_);
    host_.Router().InterfaceNames = page.interfaceNames;

    aliasInterfaceCombo_->clear();
    for (const std::string& name : page.aliasChoices) {
        aliasInterfaceCombo_->addItem(ToQString(name));
    }
    aliasInterfaceCombo_->setCurrentIndex(page.aliasChoice);
    QStringList names;
    for (const std::string& name : page.interfaceNames) {
        names.append(ToQString(name));
    }
    emit InterfaceNamesChanged(names, page.loadMeterChoice);

    std::vector<QStringList> ipRows;
    for (const IpTableRow& row : page.ipTable) {
        ipRows.push_back({QString(), ToQString(row.interfaceName), ToQString(row.address),
                          ToQString(row.mask), ToQString(row.interfaceIndex)});
    }
    ipTableGrid_->AppendRows(ipRows);

    interfacesGrid_->Clear();
    std::vector<QStringList> interfaceRows;
    for (const InterfaceRow& row : page.interfaces) {
        interfaceRows.push_back(
            {QString(), ToQString(row.name), ToQString(row.mtu), ToQString(row.state)});
    }
    interfacesGrid_->AppendRows(interfaceRows);
    aliasButtons_->Follow();
    updateButtons_->Follow();
}

void InterfacesPage::OnIpTableRowChosen(int row) {
    aliasAddressEdit_->setText(ipTableGrid_->Cell(row, IpAddress));
    aliasMaskEdit_->setText(ipTableGrid_->Cell(row, IpMask));
    std::vector<std::string> choices;
    for (int i = 0; i < aliasInterfaceCombo_->count(); ++i) {
        choices.push_back(ToBytes(aliasInterfaceCombo_->itemText(i)));
    }
    if (const auto choice =
            AliasChoiceForRow(ToBytes(ipTableGrid_->Cell(row, IpInterface)), choices)) {
        aliasInterfaceCombo_->setCurrentIndex(*choice);
    }
}

void InterfacesPage::Refuse(std::string_view why) {
    host_.Inform(ToQString(std::string(why)), ToQString(std::string(kAliasInputErrorCaption)));
}

void InterfacesPage::OnCreateAlias() {
    if (RefuseUncarriable(host_, {aliasAddressEdit_->text(), aliasMaskEdit_->text()})) {
        return;
    }
    const std::string name = ToBytes(aliasInterfaceCombo_->currentText());
    const std::string address = ToBytes(aliasAddressEdit_->text());
    const std::string mask = ToBytes(aliasMaskEdit_->text());
    const auto command = CreateAliasCommand(name, address, mask);
    if (!command) {
        Refuse(AliasFormError(name, address, mask));
        return;
    }
    if (host_.SendCommand(*command)) {
        aliasButtons_->Sent();
    }
}

void InterfacesPage::OnDeleteAlias() {
    const int row = ipTableGrid_->SelectedRow();
    if (row < 0 || ipTableGrid_->Cell(row, IpAddress).isEmpty()) {
        return;
    }
    const auto command = DeleteAliasCommand(ToBytes(ipTableGrid_->Cell(row, IpInterface)),
                                            ToBytes(ipTableGrid_->Cell(row, IpAddress)),
                                            ToBytes(ipTableGrid_->Cell(row, IpMask)));
    if (!command) {
        Refuse(kNoInterfaceName);
        return;
    }
    if (host_.SendCommand(*command)) {
        aliasButtons_->Sent();
    }
}

void InterfacesPage::OnInterfaceRowChosen(int row) {
    mtuSpin_->SetText(interfacesGrid_->Cell(row, IfMtu));
    enableInterfaceCheck_->setChecked(interfacesGrid_->Cell(row, IfState) == QLatin1String("up"));
}

void InterfacesPage::OnUpdateInterface() {
    const QString name = interfacesGrid_->Cell(interfacesGrid_->SelectedRow(), IfName);
    const auto command = UpdateInterfaceCommand(ToBytes(name), ToBytes(mtuSpin_->Text()),
                                                enableInterfaceCheck_->isChecked());
    if (command && host_.SendCommand(*command)) {
        updateButtons_->Sent();
    }
}

void InterfacesPage::OnShowInterfaceInfo() {
    // With no row the line is "ifc " alone, which only asks the router.
    const QString name = interfacesGrid_->Cell(interfacesGrid_->SelectedRow(), IfName);
    host_.SendCommand(InterfaceInfoCommand(ToBytes(name)));
}

void InterfacesPage::Read(ReadStep step) {
    if (step == ReadStep::Interfaces) {
        ReadInterfaces();
        aliasButtons_->Answered();
        updateButtons_->Answered();
    } else if (step == ReadStep::RadioInterfaceList) {
        radio_->ReadRadioInterfaceList();
    } else if (step == ReadStep::RadioParameters) {
        radio_->ReadRadioParameters();
    }
}

std::span<const ReadStep> InterfacesPage::Steps() const {
    static constexpr std::array Owned{ReadStep::Interfaces, ReadStep::RadioInterfaceList,
                                      ReadStep::RadioParameters};
    return Owned;
}

}  // namespace tessel
