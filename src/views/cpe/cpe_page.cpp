#include "views/cpe/cpe_page.hpp"

#include "core/pages/bs_list_read.hpp"
#include "core/pages/bs_registration_read.hpp"
#include "core/router/auto_update.hpp"
#include "core/router/radio_rules.hpp"
#include "core/session/router_model.hpp"
#include "core/session/session.hpp"
#include "viewkit/auto_update.hpp"
#include "viewkit/controls.hpp"
#include "viewkit/entry_buttons.hpp"
#include "viewkit/operator_text.hpp"
#include "viewkit/page_host.hpp"
#include "viewkit/text_bridge.hpp"
#include "widgets/grid_view.hpp"
#include "widgets/spin_editor.hpp"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>

#include <array>

namespace tessel {

namespace {

// Grid columns the page writes or reads by position.
namespace bs_column {
constexpr int Sid = 1;
constexpr int Speed = 2;
constexpr int Frequencies = 3;
constexpr int Registered = 4;
constexpr int Position = 5;
}  // namespace bs_column

QStringList ToQStrings(const std::vector<std::string>& texts) {
    QStringList list;
    list.reserve(static_cast<qsizetype>(texts.size()));
    for (const auto& text : texts) {
        list.push_back(ToQString(text));
    }
    return list;
}

// The button reads "Stop autoupdate" from the start and the post-login load
// switches auto-update on, so the registration refreshes whenever the tab is
// shown; hiding the tab always stops the timer.
const AutoUpdatePolicy RegistrationRefresh{.timerName = QStringLiteral("Timer3"),
                                           .startIntervalMs = 5000,
                                           .initialCaption = StopAutoUpdateCaption,
                                           .repaintBeforeStart = true,
                                           .stopTimerOnHideOnlyWhenOn = false,
                                           .editorFromTimerBeforeLoad = true,
                                           .onAfterLoad = true};

}  // namespace

CpePage::CpePage(Session& session, PageHost& host, QWidget* parent)
    : QWidget(parent), session_(session), host_(host) {
    setObjectName(QStringLiteral("TabSheet4"));
    BuildList();
    BuildRegistration();
    BuildRefreshControls();
    BuildConfiguration();
    autoUpdate_ = new AutoUpdateController(this, host_, bsRegistrationAutoUpdateButton_,
                                           bsRegistrationPeriodSpin_, RegistrationRefresh);
    // A record is known by its SID and speed wherever a re-read puts its row.
    configuredBsGrid_->SetKeyColumns({bs_column::Sid, bs_column::Speed});
    entryButtons_ = new EntryButtons(configuredBsGrid_, {createOrUpdateBsRecordButton_},
                                     {deleteBsRecordButton_}, this);

    host_.AddReadTimer(autoUpdate_->Timer(), [this] { OnBsRegistrationTick(); });
    // activated: the operator's choice only, not the radio page filling the lists.
    connect(bsRadioCombo_, &QComboBox::activated, this, &CpePage::OnBsRadioChanged);
    connect(bsRegistrationRadioCombo_, &QComboBox::activated, this,
            &CpePage::OnBsRegistrationRadioChanged);
    // Any way the operator picks a row fills the form, so that the form and
    // the highlighted row show the same record.
    connect(configuredBsGrid_, &GridView::RowChosen, this, &CpePage::OnBsRowChosen);
    connect(updateBsListButton_, &QPushButton::clicked, this, &CpePage::OnUpdateBsList);
    connect(addBsFrequencyButton_, &QPushButton::clicked, this, &CpePage::OnAddBsFrequency);
    connect(removeBsFrequencyButton_, &QPushButton::clicked, this, &CpePage::OnRemoveBsFrequency);
    connect(rfFrequenciesList_, &QListWidget::itemDoubleClicked, this,
            &CpePage::OnRfFrequencyDoubleClicked);
    connect(bsFrequenciesList_, &QListWidget::itemDoubleClicked, this,
            &CpePage::OnBsFrequencyDoubleClicked);
    connect(createOrUpdateBsRecordButton_, &QPushButton::clicked, this,
            &CpePage::OnCreateOrUpdateBsRecord);
    connect(deleteBsRecordButton_, &QPushButton::clicked, this, &CpePage::OnDeleteBsRecord);
    connect(clearBsFormButton_, &QPushButton::clicked, this, &CpePage::OnClearBsForm);
    for (QPushButton* button : {createOrUpdateBsRecordButton_, deleteBsRecordButton_}) {
        host_.AddConsoleButton(button);
    }
}

void CpePage::SetRadioNames(const QStringList& radios, int selected) {
    FillSelector(bsRadioCombo_, radios, selected);
    FillSelector(bsRegistrationRadioCombo_, radios, selected);
}

void CpePage::SetRadioPageSelection(const QString& radio) {
    radioPageRadio_ = ToBytes(radio);
}

int CpePage::BsListAutoUpdate() const {
    return autoUpdate_->Flag();
}

void CpePage::ReadBsList() {
    const BsList list = tessel::ReadBsList(session_, RadioNumberOf(bsRadioCombo_),
                                           host_.Router().InterfaceNames, radioPageRadio_);
    rfFrequenciesList_->clear();
    rfFrequenciesList_->addItems(ToQStrings(list.rfFrequencies));
    configuredBsGrid_->Clear();
    if (!list.hasRows) {
        // The record count stays for the timer; the grid has nothing to mark.
        gridRows_.clear();
        entryButtons_->Follow();
        return;
    }
    records_ = list.records;
    gridRows_ = list.gridRows;
    std::vector<QStringList> rows;
    rows.reserve(gridRows_.size());
    for (const BsGridRow& row : gridRows_) {
        rows.push_back({QString(), ToQString(row.sid), ToQString(row.speed),
                        ToQString(row.frequencies), ToQString(row.registered),
                        ToQString(row.position)});
    }
    configuredBsGrid_->AppendRows(rows);
    entryButtons_->Follow();
    if (!list.error.empty()) {
        host_.Error(ToQString(list.error));
        return;
    }
    ReadBsRegistration();
}

void CpePage::ReadBsRegistration() {
    const int position = bsRegistrationRadioCombo_->currentIndex();
    const BsRegistration registration = tessel::ReadBsRegistration(
        session_, RadioNumberOf(bsRegistrationRadioCombo_),
        BandAt(host_.Router().RadioBand, position).value_or(0), gridRows_);
    registrationFrequencyLabel_->setText(ToQString(registration.frequency));
    registrationBitrateLabel_->setText(ToQString(registration.bitrate));
    registrationSidLabel_->setText(ToQString(registration.sid));
    registrationAmplitudeFromLabel_->setText(ToQString(registration.amplitudeFrom));
    registrationAmplitudeFromBar_->setValue(registration.amplitudeFromBar);
    registrationAmplitudeToLabel_->setText(ToQString(registration.amplitudeTo));
    registrationAmplitudeToBar_->setValue(registration.amplitudeToBar);
    registrationIpAddressLabel_->setText(ToQString(registration.ipAddress));
    registrationTransmitSpeedLabel_->setText(ToQString(registration.transmitSpeed));
    registrationReceiveSpeedLabel_->setText(ToQString(registration.receiveSpeed));
    const int rows =
        std::min(configuredBsGrid_->RowCount(), static_cast<int>(registration.marks.size()));
    for (int k = 0; k < rows; ++k) {
        const auto& mark = registration.marks[static_cast<std::size_t>(k)];
        gridRows_[static_cast<std::size_t>(k)].registered = mark;
        configuredBsGrid_->SetCell(k, bs_column::Registered, ToQString(mark));
    }
    // The router changes the radio's values with the registration.
    if (detector_.Update(registration.registered)) {
        emit RegistrationChanged();
    }
}

void CpePage::SendAddBsRecord() {
    const auto command =
        BsAddCommand(ToBytes(bsRadioCombo_->currentText()), ToBytes(bsSidEdit_->text()),
                     ToBytes(bsRequestedSpeedEdit_->text()), FormFrequencies());
    if (!command) {
        // Called on the reply to a delete, the radio list may have been read
        // again meanwhile; the code that waited for the add must not stay.
        host_.ReplyAbandoned(ReplyCode::BsDeleteBeforeAdd);
        entryButtons_->Answered();
        RefuseWithoutRadio();
        return;
    }
    ShowAndSend(*command);
}

void CpePage::RefuseWithoutRadio() {
    host_.Inform(ToQString(kNoRadioInterface), ToQString(BsFormErrorCaption));
}

void CpePage::ShowAndSend(const ConsoleCommand& command) {
    host_.Inform(ToQString(command.line), host_.Title());
    if (host_.SendCommand(command)) {
        entryButtons_->Sent();
    }
}

std::vector<std::string> CpePage::FormFrequencies() const {
    std::vector<std::string> frequencies;
    frequencies.reserve(static_cast<std::size_t>(bsFrequenciesList_->count()));
    for (int i = 0; i < bsFrequenciesList_->count(); ++i) {
        frequencies.push_back(ToBytes(bsFrequenciesList_->item(i)->text()));
    }
    return frequencies;
}

void CpePage::PrepareLoad() {
    autoUpdate_->PrepareLoad();
}

void CpePage::ResetAfterLoad() {
    detector_ = RegistrationDetector{};
    autoUpdate_->ResetAfterLoad();
}

void CpePage::OnUpdateBsList() {
    // The operator's own look at the router also ends a wait for an answer
    // that never came.
    ReadBsList();
    entryButtons_->Answered();
}

void CpePage::OnBsRadioChanged() {
    ReadBsList();
}

void CpePage::OnBsRegistrationRadioChanged() {
    ReadBsRegistration();
}

void CpePage::OnBsRegistrationTick() {
    if (!records_.empty()) {
        ReadBsRegistration();
    }
}

void CpePage::OnBsRowChosen(int row) {
    if (row < 0 || row >= configuredBsGrid_->RowCount()) {
        return;
    }
    // A row drawn before the records were read again may name none: the
    // form is then left as it is.
    const BsRecord* record =
        BsRecordAt(records_, ToBytes(configuredBsGrid_->Cell(row, bs_column::Position)));
    if (record == nullptr) {
        return;
    }
    bsFrequenciesList_->clear();
    bsFrequenciesList_->addItems(ToQStrings(record->frequencies));
    bsSidEdit_->setText(configuredBsGrid_->Cell(row, bs_column::Sid));
    bsRequestedSpeedEdit_->setText(configuredBsGrid_->Cell(row, bs_column::Speed));
}

void CpePage::OnAddBsFrequency() {
    const QListWidgetItem* chosen = rfFrequenciesList_->currentItem();
    if (chosen != nullptr &&
        bsFrequenciesList_->findItems(chosen->text(), Qt::MatchExactly | Qt::MatchCaseSensitive)
            .isEmpty()) {
        bsFrequenciesList_->addItem(chosen->text());
    }
}

void CpePage::OnRemoveBsFrequency() {
    // Only the highlighted frequency, and only once: the list would move its
    // current row on to a neighbour, which a second press must not take too.
    const QList<QListWidgetItem*> chosen = bsFrequenciesList_->selectedItems();
    if (chosen.isEmpty()) {
        return;
    }
    delete bsFrequenciesList_->takeItem(bsFrequenciesList_->row(chosen.front()));
    bsFrequenciesList_->setCurrentItem(nullptr);
    bsFrequenciesList_->clearSelection();
}

void CpePage::OnRfFrequencyDoubleClicked() {
    OnAddBsFrequency();
}

void CpePage::OnBsFrequencyDoubleClicked() {
    OnRemoveBsFrequency();
}

void CpePage::OnCreateOrUpdateBsRecord() {
    if (RefuseUncarriable(host_, {bsSidEdit_->text(), bsRequestedSpeedEdit_->text()})) {
        return;
    }
    const std::string sid = ToBytes(bsSidEdit_->text());
    const std::string speed = ToBytes(bsRequestedSpeedEdit_->text());
    const int band =
        BandAt(host_.Router().RadioBand, bsRegistrationRadioCombo_->currentIndex()).value_or(0);
    const std::string radio = ToBytes(bsRadioCombo_->currentText());
    const std::string errors = BsFormErrorText(radio, FormFrequencies(), sid, speed, band);
    if (!errors.empty()) {
        host_.Inform(ToQString(errors), ToQString(BsFormErrorCaption));
        return;
    }
    const auto deletes = BsReplaceCommands(gridRows_, radio, sid, speed);
    for (const ConsoleCommand& command : deletes) {
        ShowAndSend(command);
    }
    // With a delete sent, the console calls SendAddBsRecord on its reply.
    if (deletes.empty()) {
        SendAddBsRecord();
    }
}

void CpePage::OnDeleteBsRecord() {
    const int row = configuredBsGrid_->SelectedRow();
    if (row < 0 || static_cast<std::size_t>(row) >= gridRows_.size()) {
        return;
    }
    // The radio chosen in the form, as Create/Update names it: a fixed name
    // would delete on another radio, or on none, of a router whose radio is
    // called otherwise.
    const BsGridRow& selected = gridRows_[static_cast<std::size_t>(row)];
    if (selected.sid.empty()) {
        return;
    }
    const auto command = BsDeleteCommand(ToBytes(bsRadioCombo_->currentText()), selected);
    if (!command) {
        RefuseWithoutRadio();
        return;
    }
    if (host_.SendCommand(*command)) {
        entryButtons_->Sent();
    }
}

void CpePage::OnClearBsForm() {
    bsFrequenciesList_->clear();
    bsSidEdit_->clear();
    bsRequestedSpeedEdit_->clear();
    // The form shows no record now, so no row may stay highlighted for Delete.
    configuredBsGrid_->Unselect();
}

void CpePage::Read(ReadStep step) {
    if (step == ReadStep::BsList) {
        ReadBsList();
        entryButtons_->Answered();
    }
}

void CpePage::ConsoleReply(ReplyAction action, const std::string& /*chunk*/) {
    if (action == ReplyAction::SendAddBsRecord) {
        SendAddBsRecord();
    }
}

std::span<const ReadStep> CpePage::Steps() const {
    static constexpr std::array Owned{ReadStep::BsList};
    return Owned;
}

std::span<const ReplyAction> CpePage::Replies() const {
    static constexpr std::array Owned{ReplyAction::SendAddBsRecord};
    return Owned;
}

}  // namespace tessel
