// The controls of the "CPE" tab and where they stand.

#include "core/router/bs_records.hpp"
#include "viewkit/controls.hpp"
#include "viewkit/page_host.hpp"
#include "views/cpe/bs_list_page.hpp"
#include "widgets/grid_view.hpp"
#include "widgets/spin_editor.hpp"

#include <QGroupBox>
#include <QListWidget>
#include <QProgressBar>
#include <QToolButton>

namespace tessel {

namespace {

// Pixel widths of "Configured Base Stations"; the last column (the record's
// position) is not shown.
constexpr std::array<int, 6> BsColumnWidths = {24, 70, 60, 156, 22, 24};

QLabel* MakeValue(QWidget* parent, const char* name, int x, int y) {
    auto* label = Named(new QLabel(parent), name);
    label->setGeometry(x, y, 96, 17);
    return label;
}

QProgressBar* MakeLevelBar(QWidget* parent, const char* name, int x, int y) {
    auto* bar = Named(new QProgressBar(parent), name);
    bar->setGeometry(x, y, 100, 15);
    bar->setRange(0, 16);
    bar->setValue(0);
    bar->setTextVisible(false);
    return bar;
}

}  // namespace

void TCpePage::BuildList() {
    QLabel* caption = MakeCaption(this, QStringLiteral("Configured Base Stations"), 8, 4, 200);
    GridView3 = Named(new TGridView(this), "GridView3");
    NameAfterCaption(caption, GridView3);
    GridView3->setGeometry(8, 22, 358, 150);
    GridView3->SetColumns(ReportGridColumns(BsGridColumns(), BsColumnWidths));
}

void TCpePage::BuildRegistration() {
    QLabel* radio = MakeCaption(this, QStringLiteral("Select radio interface:"), 372, 4, 140);
    ComboBox10 = MakeSelector(this, "ComboBox10", 516, 2, 110);
    NameAfterCaption(radio, ComboBox10);

    auto* group =
        Named(new QGroupBox(QStringLiteral("Base Station Registration"), this), "GroupBox3");
    group->setGeometry(372, 28, 322, 172);
    constexpr int captionX = 10;
    constexpr int valueX = 116;
    constexpr int barX = 212;
    const QString captions[] = {QStringLiteral("Frequency:"),
                                QStringLiteral("Bitrate:"),
                                QStringLiteral("SID:"),
                                QStringLiteral("IP-address:"),
                                QStringLiteral("Amplitude from:"),
                                QStringLiteral("Amplitude to:"),
                                QStringLiteral("Transmit speed:"),
                                QStringLiteral("Receive speed:")};
    for (int i = 0; i < 8; ++i) {
        MakeCaption(group, captions[i], captionX, 22 + i * 18, 104);
    }
    Label33 = MakeValue(group, "Label33", valueX, 22);
    Label34 = MakeValue(group, "Label34", valueX, 40);
    Label35 = MakeValue(group, "Label35", valueX, 58);
    Label41 = MakeValue(group, "Label41", valueX, 76);
    Label37 = MakeValue(group, "Label37", valueX, 94);
    ProgressBar1 = MakeLevelBar(group, "ProgressBar1", barX, 95);
    Label27 = MakeValue(group, "Label27", valueX, 112);
    ProgressBar2 = MakeLevelBar(group, "ProgressBar2", barX, 113);
    Label39 = MakeValue(group, "Label39", valueX, 130);
    Label40 = MakeValue(group, "Label40", valueX, 148);
}

void TCpePage::BuildRefreshControls() {
    Button8 = MakeButton(this, "Button8", QStringLiteral("Update table"), 8, 178, 84);
    // The auto-update controller gives it its caption.
    Button25 = MakeButton(this, "Button25", QString(), 96, 178, 104);
    QLabel* period = MakeCaption(this, QStringLiteral("Table refresh time:"), 206, 182, 114);
    SpinEditor5 = Named(new TSpinEditor(this), "SpinEditor5");
    NameAfterCaption(period, SpinEditor5);
    SpinEditor5->AcceptDecimals();  // 3.6 s gives 4000 ms
    SpinEditor5->setGeometry(324, 178, 44, 21);
    SpinEditor5->setMinimum(3);
    SpinEditor5->setMaximum(86400);
    SpinEditor5->setSingleStep(1);
    SpinEditor5->SetText(QStringLiteral("5"));
}

void TCpePage::BuildConfiguration() {
    auto* group =
        Named(new QGroupBox(QStringLiteral("Base Station Configuration"), this), "GroupBox5");
    group->setGeometry(8, 206, 686, 196);

    QLabel* rf = MakeCaption(group, QStringLiteral("RF frequencies:"), 10, 20, 100);
    ListBox1 = Named(new QListWidget(group), "ListBox1");
    NameAfterCaption(rf, ListBox1);
    ListBox1->setGeometry(10, 38, 100, 148);
    host_.MakeHelpButton(group, QStringLiteral("SpeedButton35"))->move(114, 38);

    Button12 = MakeButton(group, "Button12", QStringLiteral(">"), 142, 80, 32);
    Button13 = MakeButton(group, "Button13", QStringLiteral("<"), 142, 116, 32);
    // Arrows are read out as "greater than" and "less than".
    Button12->setAccessibleName(QStringLiteral("Add to BS frequencies"));
    Button13->setAccessibleName(QStringLiteral("Remove from BS frequencies"));

    QLabel* bs = MakeCaption(group, QStringLiteral("BS frequencies:"), 182, 20, 100);
    ListBox2 = Named(new QListWidget(group), "ListBox2");
    NameAfterCaption(bs, ListBox2);
    ListBox2->setGeometry(182, 38, 100, 148);
    host_.MakeHelpButton(group, QStringLiteral("SpeedButton36"))->move(286, 38);

    constexpr int captionX = 320;
    constexpr int fieldX = 450;
    constexpr int fieldWidth = 120;
    constexpr int helpX = 576;
    QLabel* radio = MakeCaption(group, QStringLiteral("Radio interface:"), captionX, 40, 126);
    ComboBox7 = MakeSelector(group, "ComboBox7", fieldX, 38, fieldWidth);
    NameAfterCaption(radio, ComboBox7);
    host_.MakeHelpButton(group, QStringLiteral("SpeedButton37"))->move(helpX, 40);
    QLabel* sid = MakeCaption(group, QStringLiteral("BS SID:"), captionX, 68, 126);
    Edit10 = MakeEdit(group, "Edit10", fieldX, 66, fieldWidth);
    NameAfterCaption(sid, Edit10);
    host_.MakeHelpButton(group, QStringLiteral("SpeedButton38"))->move(helpX, 68);
    QLabel* speed = MakeCaption(group, QStringLiteral("BS requested speed:"), captionX, 96, 126);
    Edit11 = MakeEdit(group, "Edit11", fieldX, 94, fieldWidth);
    NameAfterCaption(speed, Edit11);
    host_.MakeHelpButton(group, QStringLiteral("SpeedButton39"))->move(helpX, 96);

    Button15 = MakeButton(group, "Button15", QStringLiteral("Create/Update"), captionX, 150, 104);
    Button16 = MakeButton(group, "Button16", QStringLiteral("Delete"), captionX + 110, 150, 80);
    Button17 = MakeButton(group, "Button17", QStringLiteral("Clear form"), captionX + 196, 150, 80);

    setTabOrder(ListBox1, Button12);
    setTabOrder(Button12, Button13);
    setTabOrder(Button13, ListBox2);
    setTabOrder(ListBox2, ComboBox7);
    setTabOrder(ComboBox7, Edit10);
    setTabOrder(Edit10, Edit11);
    setTabOrder(Edit11, Button15);
    setTabOrder(Button15, Button16);
    setTabOrder(Button16, Button17);
}

}  // namespace tessel
