// The controls of the "BS" tab and where they stand.

#include "core/router/cpe_commands.hpp"
#include "viewkit/controls.hpp"
#include "viewkit/page_host.hpp"
#include "viewkit/text_bridge.hpp"
#include "views/bs/cpe_table_page.hpp"
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

void TBsPage::BuildTable() {
    QLabel* caption = MakeCaption(this, QStringLiteral("CPE table:"), 8, 4);
    GridView2 = Named(new TGridView(this), "GridView2");
    NameAfterCaption(caption, GridView2);
    GridView2->setGeometry(8, 22, 686, 186);
    GridView2->SetColumns(ReportGridColumns(CpeGridColumns(), CpeColumnWidths));
    GridView2->verticalHeader()->setDefaultSectionSize(16);
}

void TBsPage::BuildConfiguration() {
    auto* group = Named(new QGroupBox(QStringLiteral("Configuration"), this), "GroupBox2");
    group->setGeometry(8, 214, 264, 188);

    constexpr int captionX = 8;
    constexpr int fieldX = 124;
    constexpr int fieldWidth = 114;
    constexpr int helpX = 242;
    QLabel* radio = MakeCaption(group, QStringLiteral("Radiointerface:"), captionX, 24, 116);
    ComboBox5 = MakeSelector(group, "ComboBox5", fieldX, 22, fieldWidth);
    NameAfterCaption(radio, ComboBox5);
    QLabel* name = MakeCaption(group, QStringLiteral("CPE name:"), captionX, 50, 116);
    Edit7 = MakeEdit(group, "Edit7", fieldX, 48, fieldWidth);
    NameAfterCaption(name, Edit7);
    QLabel* mac = MakeCaption(group, QStringLiteral("CPE MAC-address:"), captionX, 76, 116);
    Edit8 = MakeEdit(group, "Edit8", fieldX, 74, fieldWidth);
    NameAfterCaption(mac, Edit8);
    QLabel* address = MakeCaption(group, QStringLiteral("IP-address (BS):"), captionX, 102, 116);
    Edit9 = MakeEdit(group, "Edit9", fieldX, 100, fieldWidth);
    NameAfterCaption(address, Edit9);
    CheckBox9 = Named(new QCheckBox(QStringLiteral("Enabled"), group), "CheckBox9");
    CheckBox9->setGeometry(fieldX, 126, fieldWidth, 21);
    CheckBox9->setChecked(true);

    const char* helpNames[] = {"SpeedButton30", "SpeedButton31", "SpeedButton32", "SpeedButton33",
                               "SpeedButton34"};
    for (int i = 0; i < 5; ++i) {
        host_.MakeHelpButton(group, QLatin1String(helpNames[i]))->move(helpX, 24 + i * 26);
    }

    Button5 = MakeButton(group, "Button5", QStringLiteral("New"), 8, 154, 56);
    Button6 = MakeButton(group, "Button6", QStringLiteral("Update"), 67, 154, 56);
    Button7 = MakeButton(group, "Button7", QStringLiteral("Delete"), 126, 154, 56);
    Button36 = MakeButton(group, "Button36", QStringLiteral("Clear form"), 185, 154, 72);

    setTabOrder(ComboBox5, Edit7);
    setTabOrder(Edit7, Edit8);
    setTabOrder(Edit8, Edit9);
    setTabOrder(Edit9, CheckBox9);
    setTabOrder(CheckBox9, Button5);
    setTabOrder(Button5, Button6);
    setTabOrder(Button6, Button7);
    setTabOrder(Button7, Button36);
}

void TBsPage::BuildRefreshControls() {
    constexpr int x = 280;
    constexpr int width = 136;
    QLabel* radio = MakeCaption(this, QStringLiteral("Show for this radio:"), x, 220, width + 4);
    ComboBox8 = MakeSelector(this, "ComboBox8", x, 238, width);
    NameAfterCaption(radio, ComboBox8);
    Button4 = MakeButton(this, "Button4", QStringLiteral("Update table"), x, 268, width);
    QLabel* period = MakeCaption(this, QStringLiteral("Table refresh period:"), x, 304, width + 4);
    SpinEditor4 = Named(new TSpinEditor(this), "SpinEditor4");
    NameAfterCaption(period, SpinEditor4);
    SpinEditor4->AcceptDecimals();  // 3.6 s gives 4000 ms
    SpinEditor4->setGeometry(x, 322, 64, 21);
    SpinEditor4->setMinimum(3);
    SpinEditor4->setMaximum(86400);
    SpinEditor4->setSingleStep(1);
    SpinEditor4->SetText(QStringLiteral("5"));
    // The auto-update controller gives it its caption.
    Button24 = MakeButton(this, "Button24", QString(), x, 352, width);
}

void TBsPage::BuildLegend() {
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
