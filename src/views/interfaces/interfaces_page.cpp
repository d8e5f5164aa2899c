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

TGridView* MakeGrid(QWidget* parent, const char* name, std::vector<GridColumn> columns) {
    auto* grid = Named(new TGridView(parent), name);
    grid->setGeometry(8, 20, GroupWidth - 16, GridHeight);
    grid->SetColumns(std::move(columns));
    return grid;
}

}  // namespace

TInterfacesPage::TInterfacesPage(Session& session, PageHost& host, QWidget* parent)
    : QWidget(parent), session_(session), host_(host) {
    setObjectName(QStringLiteral("TabSheet2"));
    radio_ = new TRadioGroup(session_, host_, this);
    radio_->move(8, 8);
    BuildIpTableGroup();
    BuildInterfacesGroup();
    // After the radio group's "Refresh", which the group adds itself.
    for (QPushButton* button : {Button22, Button21, Button20, Button33}) {
        host_.AddConsoleButton(button);
    }
    // An alias is known by its address, an interface by its name, wherever
    // a re-read puts their rows.
    GridView1->SetKeyColumns({IpAddress});
    GridView4->SetKeyColumns({IfName});
    aliasButtons_ = new EntryButtons(GridView1, {Button22}, {Button21}, this);
    updateButtons_ = new EntryButtons(GridView4, {}, {Button20}, this);
}

QToolButton* TInterfacesPage::Help(QWidget* parent, const char* name, int x, int y) {
    QToolButton* help = host_.MakeHelpButton(parent, QLatin1String(name));
    help->move(x, y + 2);
    return help;
}

void TInterfacesPage::BuildIpTableGroup() {
    GroupBox1 = Named(new QGroupBox(QStringLiteral("Interfaces IP-table"), this), "GroupBox1");
    GridView1 = MakeGrid(GroupBox1, "GridView1",
                         {Column({}, GridColumnKind::RowNumber, 24),
                          Column(QStringLiteral("Interface"), GridColumnKind::Text, 60),
                          Column(QStringLiteral("IP-address"), GridColumnKind::Text, 100),
                          Column(QStringLiteral("Mask"), GridColumnKind::Text, 112),
                          Column({}, GridColumnKind::Number, 40, true, QStringLiteral("0"))});

    constexpr int FieldX = 132;
    constexpr int FieldWidth = 100;
    const int y0 = 20 + GridHeight + 6;
    QLabel* interfaceLabel = MakeRowLabel(GroupBox1, "Interface:", 8, y0, FieldX - 12);
    ComboBox6 = Named(new QComboBox(GroupBox1), "ComboBox6");
    NameAfterCaption(interfaceLabel, ComboBox6);
    ComboBox6->setGeometry(FieldX, y0, FieldWidth, 22);
    Help(GroupBox1, "SpeedButton25", FieldX + FieldWidth + 4, y0);
    QLabel* addressLabel = MakeRowLabel(GroupBox1, "IP-address:", 8, y0 + 26, FieldX - 12);
    Edit3 = Named(new QLineEdit(GroupBox1), "Edit3");
    NameAfterCaption(addressLabel, Edit3);
    Edit3->setGeometry(FieldX, y0 + 26, FieldWidth, 22);
    Help(GroupBox1, "SpeedButton26", FieldX + FieldWidth + 4, y0 + 26);
    QLabel* maskLabel = MakeRowLabel(GroupBox1, "Mask (auto if blank):", 8, y0 + 52, FieldX - 12);
    Edit4 = Named(new QLineEdit(GroupBox1), "Edit4");
    NameAfterCaption(maskLabel, Edit4);
    Edit4->setGeometry(FieldX, y0 + 52, FieldWidth, 22);
    Help(GroupBox1, "SpeedButton27", FieldX + FieldWidth + 4, y0 + 52);

    Button22 = Named(new QPushButton(QStringLiteral("Create"), GroupBox1), "Button22");
    Button22->setGeometry(GroupWidth - 83, y0, 75, 25);
    Button21 = Named(new QPushButton(QStringLiteral("Delete"), GroupBox1), "Button21");
    Button21->setGeometry(GroupWidth - 83, y0 + 30, 75, 25);
    GroupBox1->setGeometry(GroupX, 8, GroupWidth, y0 + 52 + 30);

    setTabOrder(GridView1, ComboBox6);
    setTabOrder(ComboBox6, Edit3);
    setTabOrder(Edit3, Edit4);
    setTabOrder(Edit4, Button22);
    setTabOrder(Button22, Button21);

    // Also a press on the row already selected: it brings back what the
    // operator typed over.
    connect(GridView1, &TGridView::RowChosen, this, &TInterfacesPage::GridView1SelectCell);
    connect(Button22, &QPushButton::clicked, this, &TInterfacesPage::Button22Click);
    connect(Button21, &QPushButton::clicked, this, &TInterfacesPage::Button21Click);
}

void TInterfacesPage::BuildInterfacesGroup() {
    GroupBox8 = Named(new QGroupBox(QStringLiteral("Interfaces"), this), "GroupBox8");
    GridView4 = MakeGrid(GroupBox8, "GridView4",
                         {Column({}, GridColumnKind::RowNumber, 24),
                          Column(QStringLiteral("Name"), GridColumnKind::Text, 120),
                          Column(QStringLiteral("MTU"), GridColumnKind::Text, 70),
                          Column(QStringLiteral("State"), GridColumnKind::Text, 70),
                          Column({}, GridColumnKind::Text, 40, true)});

    const int y0 = 20 + GridHeight + 6;
    QLabel* mtuLabel = MakeRowLabel(GroupBox8, "MTU:", 8, y0, 40);
    SpinEditor3 = Named(new TSpinEditor(GroupBox8), "SpinEditor3");
    NameAfterCaption(mtuLabel, SpinEditor3);
    SpinEditor3->setRange(0, 1580);
    SpinEditor3->setValue(0);
    SpinEditor3->setGeometry(48, y0, 72, 22);
    Help(GroupBox8, "SpeedButton28", 124, y0);
    CheckBox12 = Named(new QCheckBox(QStringLiteral("Enable interface"), GroupBox8), "CheckBox12");
    CheckBox12->setGeometry(156, y0, 120, 22);
    Help(GroupBox8, "SpeedButton29", 280, y0);

    Button20 = Named(new QPushButton(QStringLiteral("Update"), GroupBox8), "Button20");
    Button20->setGeometry(48, y0 + 30, 75, 25);
    Button33 = Named(new QPushButton(QStringLiteral("Info show"), GroupBox8), "Button33");
    Button33->setGeometry(156, y0 + 30, 75, 25);
    GroupBox8->setGeometry(GroupX, GroupBox1->geometry().bottom() + 6, GroupWidth, y0 + 30 + 33);

    setTabOrder(GridView4, SpinEditor3);
    setTabOrder(SpinEditor3, CheckBox12);
    setTabOrder(CheckBox12, Button20);
    setTabOrder(Button20, Button33);

    connect(GridView4, &TGridView::RowChosen, this, &TInterfacesPage::GridView4SelectCell);
    connect(Button20, &QPushButton::clicked, this, &TInterfacesPage::Button20Click);
    connect(Button33, &QPushButton::clicked, this, &TInterfacesPage::Button33Click);
}

void TInterfacesPage::ReadInterfaces() {
    GridView1->Clear();
    const InterfacesPage page = tessel::ReadInterfaces(session_);
    host_.Router().InterfaceNames = page.interfaceNames;

    ComboBox6->clear();
    for (const std::string& name : page.aliasChoices) {
        ComboBox6->addItem(ToQString(name));
    }
    ComboBox6->setCurrentIndex(page.aliasChoice);
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
    GridView1->AppendRows(ipRows);

    GridView4->Clear();
    std::vector<QStringList> interfaceRows;
    for (const InterfaceRow& row : page.interfaces) {
        interfaceRows.push_back(
            {QString(), ToQString(row.name), ToQString(row.mtu), ToQString(row.state)});
    }
    GridView4->AppendRows(interfaceRows);
    aliasButtons_->Follow();
    updateButtons_->Follow();
}

void TInterfacesPage::GridView1SelectCell(int row) {
    Edit3->setText(GridView1->Cell(row, IpAddress));
    Edit4->setText(GridView1->Cell(row, IpMask));
    std::vector<std::string> choices;
    for (int i = 0; i < ComboBox6->count(); ++i) {
        choices.push_back(ToBytes(ComboBox6->itemText(i)));
    }
    if (const auto choice =
            AliasChoiceForRow(ToBytes(GridView1->Cell(row, IpInterface)), choices)) {
        ComboBox6->setCurrentIndex(*choice);
    }
}

void TInterfacesPage::Refuse(std::string_view why) {
    host_.Inform(ToQString(std::string(why)), ToQString(std::string(kAliasInputErrorCaption)));
}

void TInterfacesPage::Button22Click() {
    if (RefuseUncarriable(host_, {Edit3->text(), Edit4->text()})) {
        return;
    }
    const std::string name = ToBytes(ComboBox6->currentText());
    const std::string address = ToBytes(Edit3->text());
    const std::string mask = ToBytes(Edit4->text());
    const auto command = CreateAliasCommand(name, address, mask);
    if (!command) {
        Refuse(AliasFormError(name, address, mask));
        return;
    }
    if (host_.SendCommand(*command)) {
        aliasButtons_->Sent();
    }
}

void TInterfacesPage::Button21Click() {
    const int row = GridView1->SelectedRow();
    if (row < 0 || GridView1->Cell(row, IpAddress).isEmpty()) {
        return;
    }
    const auto command = DeleteAliasCommand(ToBytes(GridView1->Cell(row, IpInterface)),
                                            ToBytes(GridView1->Cell(row, IpAddress)),
                                            ToBytes(GridView1->Cell(row, IpMask)));
    if (!command) {
        Refuse(kNoInterfaceName);
        return;
    }
    if (host_.SendCommand(*command)) {
        aliasButtons_->Sent();
    }
}

void TInterfacesPage::GridView4SelectCell(int row) {
    SpinEditor3->SetText(GridView4->Cell(row, IfMtu));
    CheckBox12->setChecked(GridView4->Cell(row, IfState) == QLatin1String("up"));
}

void TInterfacesPage::Button20Click() {
    const QString name = GridView4->Cell(GridView4->SelectedRow(), IfName);
    const auto command = UpdateInterfaceCommand(ToBytes(name), ToBytes(SpinEditor3->Text()),
                                                CheckBox12->isChecked());
    if (command && host_.SendCommand(*command)) {
        updateButtons_->Sent();
    }
}

void TInterfacesPage::Button33Click() {
    // With no row the line is "ifc " alone, which only asks the router.
    const QString name = GridView4->Cell(GridView4->SelectedRow(), IfName);
    host_.SendCommand(InterfaceInfoCommand(ToBytes(name)));
}

void TInterfacesPage::Read(ReadStep step) {
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

std::span<const ReadStep> TInterfacesPage::Steps() const {
    static constexpr std::array Owned{ReadStep::Interfaces, ReadStep::RadioInterfaceList,
                                      ReadStep::RadioParameters};
    return Owned;
}

}  // namespace tessel
