// The controls of the "BS" tab and where they stand.

#include "core/router/cpe_commands.hpp"
#include "viewkit/controls.hpp"
#include "viewkit/page_host.hpp"
#include "viewkit/text_bridge.hpp"
#include "views/bs/bs_page.hpp"
#include "widgets/grid_view.hpp"
#include "widgets/spin_editor.hpp"

#include <QCheckBox>
#include <QFont>
#include <QGroupBox>
#include <QHeaderView>
#include <QToolButton>

namespace tessel {

namespace {

// Pixel widths of the CPE grid's columns; a level bar needs room for its 16
// marks.
constexpr std::array<int, 14> CpeColumnWidths = {24, 22, 104, 86, 22, 56, 22,
                                                 56, 90, 32,  32, 36, 48, 22};

}  // namespace

void BsPage::BuildTable() {
    QLabel* caption = MakeCaption(this, QStringLiteral("CPE table:"), 8, 4);
    cpeTableGrid_ = Named(new GridView(this), "GridView2");
    NameAfterCaption(caption, cpeTableGrid_);
    cpeTableGrid_->setGeometry(8, 22, 686, 186);
    cpeTableGrid_->SetColumns(ReportGridColumns(CpeGridColumns(), CpeColumnWidths));
    cpeTableGrid_->verticalHeader()->setDefaultSectionSize(16);
}

void BsPage::BuildConfiguration() {
    auto* group = Named(new QGroupBox(QStringLiteral("Configuration"), this), "GroupBox2");
    group->setGeometry(8, 214, 264, 188);

    constexpr int captionX = 8;
    constexpr int fieldX = 124;
    constexpr int fieldWidth = 114;
    constexpr int helpX = 242;
    QLabel* radio = MakeCaption(group, QStringLiteral("Radiointerface:"), captionX, 24, 116);
    cpeRadioCombo_ = MakeSelector(group, "ComboBox5", fieldX, 22, fieldWidth);
    NameAfterCaption(radio, cpeRadioCombo_);
    QLabel* name = MakeCaption(group, QStringLiteral("CPE name:"), captionX, 50, 116);
    cpeNameEdit_ = MakeEdit(group, "Edit7", fieldX, 48, fieldWidth);
    NameAfterCaption(name, cpeNameEdit_);
    QLabel* mac = MakeCaption(group, QStringLiteral("CPE MAC-address:"), captionX, 76, 116);
    cpeMacEdit_ = MakeEdit(group, "Edit8", fieldX, 74, fieldWidth);
    NameAfterCaption(mac, cpeMacEdit_);
    QLabel* address = MakeCaption(group, QStringLiteral("IP-address (BS):"), captionX, 102, 116);
    cpeIpAddressEdit_ = MakeEdit(group, "Edit9", fieldX, 100, fieldWidth);
    NameAfterCaption(address, cpeIpAddressEdit_);
    cpeEnabledCheckBox_ = Named(new QCheckBox(QStringLiteral("Enabled"), group), "CheckBox9");
    cpeEnabledCheckBox_->setGeometry(fieldX, 126, fieldWidth, 21);
    cpeEnabledCheckBox_->setChecked(true);

    const char* helpNames[] = {"SpeedButton30", "SpeedButton31", "SpeedButton32", "SpeedButton33",
                               "SpeedButton34"};
    for (int i = 0; i < 5; ++i) {
        host_.MakeHelpButton(group, QLatin1String(helpNames[i]))->move(helpX, 24 + i * 26);
    }

    newCpeButton_ = MakeButton(group, "Button5", QStringLiteral("New"), 8, 154, 56);
    updateCpeButton_ = MakeButton(group, "Button6", QStringLiteral("Update"), 67, 154, 56);
    deleteCpeButton_ = MakeButton(group, "Button7", QStringLiteral("Delete"), 126, 154, 56);
    clearCpeFormButton_ = MakeButton(group, "Button36", QStringLiteral("Clear form"), 185, 154, 72);

    setTabOrder(cpeRadioCombo_, cpeNameEdit_);
    setTabOrder(cpeNameEdit_, cpeMacEdit_);
    setTabOrder(cpeMacEdit_, cpeIpAddressEdit_);
    setTabOrder(cpeIpAddressEdit_, cpeEnabledCheckBox_);
    setTabOrder(cpeEnabledCheckBox_, newCpeButton_);
    setTabOrder(newCpeButton_, updateCpeButton_);
    setTabOrder(updateCpeButton_, deleteCpeButton_);
    setTabOrder(deleteCpeButton_, clearCpeFormButton_);
}

void BsPage::BuildRefreshControls() {
    constexpr int x = 280;
    constexpr int width = 136;
    QLabel* radio = MakeCaption(this, QStringLiteral("Show for this radio:"), x, 220, width + 4);
    cpeTableRadioCombo_ = MakeSelector(this, "ComboBox8", x, 238, width);
    NameAfterCaption(radio, cpeTableRadioCombo_);
    updateCpeTableButton_ =
        MakeButton(this, "Button4", QStringLiteral("Update table"), x, 268, width);
    QLabel* period = MakeCaption(this, QStringLiteral("Table refresh period:"), x, 304, width + 4);
    cpeTablePeriodSpin_ = Named(new SpinEditor(this), "SpinEditor4");
    NameAfterCaption(period, cpeTablePeriodSpin_);
    cpeTablePeriodSpin_->AcceptDecimals();  // 3.6 s gives 4000 ms
    cpeTablePeriodSpin_->setGeometry(x, 322, 64, 21);
    cpeTablePeriodSpin_->setMinimum(3);
    cpeTablePeriodSpin_->setMaximum(86400);
    cpeTablePeriodSpin_->setSingleStep(1);
    cpeTablePeriodSpin_->SetText(QStringLiteral("5"));
    // The auto-update controller gives it its caption.
    cpeTableAutoUpdateButton_ = MakeButton(this, "Button24", QString(), x, 352, width);
}

void BsPage::BuildLegend() {
    auto* group = Named(new QGroupBox(QStringLiteral("Displayed parameters"), this), "GroupBox4");
    group->setGeometry(424, 214, 270, 188);
    // The longest line must fit the group's width.
    QFont legendFont = group->font();
    legendFont.setPixelSize(10);
    int y = 22;
    for (const std::string_view line : CpeLegendLines) {
        auto* label = new QLabel(ToQString(std::string(line)), group);
        label->setFont(legendFont);
        label->setGeometry(8, y, 258, 18);
        y += 22;
    }
}

}  // namespace tessel
