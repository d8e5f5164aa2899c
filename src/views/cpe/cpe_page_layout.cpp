// The controls of the "CPE" tab and where they stand.

#include "core/router/bs_records.hpp"
#include "viewkit/controls.hpp"
#include "viewkit/page_host.hpp"
#include "views/cpe/cpe_page.hpp"
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

void CpePage::BuildList() {
    QLabel* caption = MakeCaption(this, QStringLiteral("Configured Base Stations"), 8, 4, 200);
    configuredBsGrid_ = Named(new GridView(this), "GridView3");
    NameAfterCaption(caption, configuredBsGrid_);
    configuredBsGrid_->setGeometry(8, 22, 358, 150);
    configuredBsGrid_->SetColumns(ReportGridColumns(BsGridColumns(), BsColumnWidths));
}

void CpePage::BuildRegistration() {
    QLabel* radio = MakeCaption(this, QStringLiteral("Select radio interface:"), 372, 4, 140);
    bsRegistrationRadioCombo_ = MakeSelector(this, "ComboBox10", 516, 2, 110);
    NameAfterCaption(radio, bsRegistrationRadioCombo_);

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
    registrationFrequencyLabel_ = MakeValue(group, "Label33", valueX, 22);
    registrationBitrateLabel_ = MakeValue(group, "Label34", valueX, 40);
    registrationSidLabel_ = MakeValue(group, "Label35", valueX, 58);
    registrationIpAddressLabel_ = MakeValue(group, "Label41", valueX, 76);
    registrationAmplitudeFromLabel_ = MakeValue(group, "Label37", valueX, 94);
    registrationAmplitudeFromBar_ = MakeLevelBar(group, "ProgressBar1", barX, 95);
    registrationAmplitudeToLabel_ = MakeValue(group, "Label27", valueX, 112);
    registrationAmplitudeToBar_ = MakeLevelBar(group, "ProgressBar2", barX, 113);
    registrationTransmitSpeedLabel_ = MakeValue(group, "Label39", valueX, 130);
    registrationReceiveSpeedLabel_ = MakeValue(group, "Label40", valueX, 148);
}

void CpePage::BuildRefreshControls() {
    updateBsListButton_ = MakeButton(this, "Button8", QStringLiteral("Update table"), 8, 178, 84);
    // The auto-update controller gives it its caption.
    bsRegistrationAutoUpdateButton_ = MakeButton(this, "Button25", QString(), 96, 178, 104);
    QLabel* period = MakeCaption(this, QStringLiteral("Table refresh time:"), 206, 182, 114);
    bsRegistrationPeriodSpin_ = Named(new SpinEditor(this), "SpinEditor5");
    NameAfterCaption(period, bsRegistrationPeriodSpin_);
    bsRegistrationPeriodSpin_->AcceptDecimals();  // 3.6 s gives 4000 ms
    bsRegistrationPeriodSpin_->setGeometry(324, 178, 44, 21);
    bsRegistrationPeriodSpin_->setMinimum(3);
    bsRegistrationPeriodSpin_->setMaximum(86400);
    bsRegistrationPeriodSpin_->setSingleStep(1);
    bsRegistrationPeriodSpin_->SetText(QStringLiteral("5"));
}

void CpePage::BuildConfiguration() {
    auto* group =
        Named(new QGroupBox(QStringLiteral("Base Station Configuration"), this), "GroupBox5");
    group->setGeometry(8, 206, 686, 196);

    QLabel* rf = MakeCaption(group, QStringLiteral("RF frequencies:"), 10, 20, 100);
    rfFrequenciesList_ = Named(new QListWidget(group), "ListBox1");
    NameAfterCaption(rf, rfFrequenciesList_);
    rfFrequenciesList_->setGeometry(10, 38, 100, 148);
    host_.MakeHelpButton(group, QStringLiteral("SpeedButton35"))->move(114, 38);

    addBsFrequencyButton_ = MakeButton(group, "Button12", QStringLiteral(">"), 142, 80, 32);
    removeBsFrequencyButton_ = MakeButton(group, "Button13", QStringLiteral("<"), 142, 116, 32);
    // Arrows are read out as "greater than" and "less than".
    addBsFrequencyButton_->setAccessibleName(QStringLiteral("Add to BS frequencies"));
    removeBsFrequencyButton_->setAccessibleName(QStringLiteral("Remove from BS frequencies"));

    QLabel* bs = MakeCaption(group, QStringLiteral("BS frequencies:"), 182, 20, 100);
    bsFrequenciesList_ = Named(new QListWidget(group), "ListBox2");
    NameAfterCaption(bs, bsFrequenciesList_);
    bsFrequenciesList_->setGeometry(182, 38, 100, 148);
    host_.MakeHelpButton(group, QStringLiteral("SpeedButton36"))->move(286, 38);

    constexpr int captionX = 320;
    constexpr int fieldX = 450;
    constexpr int fieldWidth = 120;
    constexpr int helpX = 576;
    QLabel* radio = MakeCaption(group, QStringLiteral("Radio interface:"), captionX, 40, 126);
    bsRadioCombo_ = MakeSelector(group, "ComboBox7", fieldX, 38, fieldWidth);
    NameAfterCaption(radio, bsRadioCombo_);
    host_.MakeHelpButton(group, QStringLiteral("SpeedButton37"))->move(helpX, 40);
    QLabel* sid = MakeCaption(group, QStringLiteral("BS SID:"), captionX, 68, 126);
    bsSidEdit_ = MakeEdit(group, "Edit10", fieldX, 66, fieldWidth);
    NameAfterCaption(sid, bsSidEdit_);
    host_.MakeHelpButton(group, QStringLiteral("SpeedButton38"))->move(helpX, 68);
    QLabel* speed = MakeCaption(group, QStringLiteral("BS requested speed:"), captionX, 96, 126);
    bsRequestedSpeedEdit_ = MakeEdit(group, "Edit11", fieldX, 94, fieldWidth);
    NameAfterCaption(speed, bsRequestedSpeedEdit_);
    host_.MakeHelpButton(group, QStringLiteral("SpeedButton39"))->move(helpX, 96);

    createOrUpdateBsRecordButton_ =
        MakeButton(group, "Button15", QStringLiteral("Create/Update"), captionX, 150, 104);
    deleteBsRecordButton_ =
        MakeButton(group, "Button16", QStringLiteral("Delete"), captionX + 110, 150, 80);
    clearBsFormButton_ =
        MakeButton(group, "Button17", QStringLiteral("Clear form"), captionX + 196, 150, 80);

    setTabOrder(rfFrequenciesList_, addBsFrequencyButton_);
    setTabOrder(addBsFrequencyButton_, removeBsFrequencyButton_);
    setTabOrder(removeBsFrequencyButton_, bsFrequenciesList_);
    setTabOrder(bsFrequenciesList_, bsRadioCombo_);
    setTabOrder(bsRadioCombo_, bsSidEdit_);
    setTabOrder(bsSidEdit_, bsRequestedSpeedEdit_);
    setTabOrder(bsRequestedSpeedEdit_, createOrUpdateBsRecordButton_);
    setTabOrder(createOrUpdateBsRecordButton_, deleteBsRecordButton_);
    setTabOrder(deleteBsRecordButton_, clearBsFormButton_);
}

}  // namespace tessel
