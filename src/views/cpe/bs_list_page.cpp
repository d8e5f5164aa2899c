#include "views/cpe/bs_list_page.hpp"

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

TCpePage::TCpePage(Session& session, PageHost& host, QWidget* parent)
    : QWidget(parent), session_(session), host_(host) {
    setObjectName(QStringLiteral("TabSheet4"));
    BuildList();
    BuildRegistration();
    BuildRefreshControls();
    BuildConfiguration();
    autoUpdate_ = new AutoUpdateController(this, host_, Button25, SpinEditor5, RegistrationRefresh);
    // A record is known by its SID and speed wherever a re-read puts its row.
    GridView3->SetKeyColumns({bs_column::Sid, bs_column::Speed});
    entryButtons_ = new EntryButtons(GridView3, {Button15}, {Button16}, this);

    host_.AddReadTimer(autoUpdate_->Timer(), [this] { Timer3Timer(); });
    // activated: the operator's choice only, not the radio page filling the lists.
    connect(ComboBox7, &QComboBox::activated, this, &TCpePage::ComboBox7Change);
    connect(ComboBox10, &QComboBox::activated, this, &TCpePage::ComboBox10Change);
    // Any way the operator picks a row fills the form, so that the form and
    // the highlighted row show the same record.
    connect(GridView3, &TGridView::RowChosen, this, &TCpePage::GridView3CellClick);
    connect(Button8, &QPushButton::clicked, this, &TCpePage::Button8Click);
    connect(Button12, &QPushButton::clicked, this, &TCpePage::Button12Click);
    connect(Button13, &QPushButton::clicked, this, &TCpePage::Button13Click);
    connect(ListBox1, &QListWidget::itemDoubleClicked, this, &TCpePage::ListBox1DblClick);
    connect(ListBox2, &QListWidget::itemDoubleClicked, this, &TCpePage::ListBox2DblClick);
    connect(Button15, &QPushButton::clicked, this, &TCpePage::Button15Click);
    connect(Button16, &QPushButton::clicked, this, &TCpePage::Button16Click);
    connect(Button17, &QPushButton::clicked, this, &TCpePage::Button17Click);
    for (QPushButton* button : {Button15, Button16}) {
        host_.AddConsoleButton(button);
    }
}

void TCpePage::SetRadioNames(const QStringList& radios, int selected) {
    FillSelector(ComboBox7, radios, selected);
    FillSelector(ComboBox10, radios, selected);
}

void TCpePage::SetRadioPageSelection(const QString& radio) {
    radioPageRadio_ = ToBytes(radio);
}

int TCpePage::BsListAutoUpdate() const {
    return autoUpdate_->Flag();
}

void TCpePage::ReadBsList() {
    const BsList list = tessel::ReadBsList(session_, RadioNumberOf(ComboBox7),
                                           host_.Router().InterfaceNames, radioPageRadio_);
    ListBox1->clear();
    ListBox1->addItems(ToQStrings(list.rfFrequencies));
    GridView3->Clear();
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
    GridView3->AppendRows(rows);
    entryButtons_->Follow();
    if (!list.error.empty()) {
        host_.Error(ToQString(list.error));
        return;
    }
    ReadBsRegistration();
}

void TCpePage::ReadBsRegistration() {
    const int position = ComboBox10->currentIndex();
    const BsRegistration registration = tessel::ReadBsRegistration(
        session_, RadioNumberOf(ComboBox10), BandAt(host_.Router().RadioBand, position).value_or(0),
        gridRows_);
    Label33->setText(ToQString(registration.frequency));
    Label34->setText(ToQString(registration.bitrate));
    Label35->setText(ToQString(registration.sid));
    Label37->setText(ToQString(registration.amplitudeFrom));
    ProgressBar1->setValue(registration.amplitudeFromBar);
    Label27->setText(ToQString(registration.amplitudeTo));
    ProgressBar2->setValue(registration.amplitudeToBar);
    Label41->setText(ToQString(registration.ipAddress));
    Label39->setText(ToQString(registration.transmitSpeed));
    Label40->setText(ToQString(registration.receiveSpeed));
    const int rows = std::min(GridView3->RowCount(), static_cast<int>(registration.marks.size()));
    for (int k = 0; k < rows; ++k) {
        const auto& mark = registration.marks[static_cast<std::size_t>(k)];
        gridRows_[static_cast<std::size_t>(k)].registered = mark;
        GridView3->SetCell(k, bs_column::Registered, ToQString(mark));
    }
    // The router changes the radio's values with the registration.
    if (detector_.Update(registration.registered)) {
        emit RegistrationChanged();
    }
}

void TCpePage::SendAddBsRecord() {
    const auto command = BsAddCommand(ToBytes(ComboBox7->currentText()), ToBytes(Edit10->text()),
                                      ToBytes(Edit11->text()), FormFrequencies());
    if (!command) {
        // Called on the reply to a delete, the radio list may have been read
        // again meanwhile; the code that waited for the add must not stay.
        host_.ReplyAbandoned(reply::BsDeleteBeforeAdd);
        entryButtons_->Answered();
        RefuseWithoutRadio();
        return;
    }
    ShowAndSend(*command);
}

void TCpePage::RefuseWithoutRadio() {
    host_.Inform(ToQString(kNoRadioInterface), ToQString(BsFormErrorCaption));
}

void TCpePage::ShowAndSend(const ConsoleCommand& command) {
    host_.Inform(ToQString(command.line), host_.Title());
    if (host_.SendCommand(command)) {
        entryButtons_->Sent();
    }
}

std::vector<std::string> TCpePage::FormFrequencies() const {
    std::vector<std::string> frequencies;
    frequencies.reserve(static_cast<std::size_t>(ListBox2->count()));
    for (int i = 0; i < ListBox2->count(); ++i) {
        frequencies.push_back(ToBytes(ListBox2->item(i)->text()));
    }
    return frequencies;
}

void TCpePage::PrepareLoad() {
    autoUpdate_->PrepareLoad();
}

void TCpePage::ResetAfterLoad() {
    detector_ = RegistrationDetector{};
    autoUpdate_->ResetAfterLoad();
}

void TCpePage::Button8Click() {
    // The operator's own look at the router also ends a wait for an answer
    // that never came.
    ReadBsList();
    entryButtons_->Answered();
}

void TCpePage::ComboBox7Change() {
    ReadBsList();
}

void TCpePage::ComboBox10Change() {
    ReadBsRegistration();
}

void TCpePage::Timer3Timer() {
    if (!records_.empty()) {
        ReadBsRegistration();
    }
}

void TCpePage::GridView3CellClick(int row) {
    if (row < 0 || row >= GridView3->RowCount()) {
        return;
    }
    // A row drawn before the records were read again may name none: the
    // form is then left as it is.
    const BsRecord* record =
        BsRecordAt(records_, ToBytes(GridView3->Cell(row, bs_column::Position)));
    if (record == nullptr) {
        return;
    }
    ListBox2->clear();
    ListBox2->addItems(ToQStrings(record->frequencies));
    Edit10->setText(GridView3->Cell(row, bs_column::Sid));
    Edit11->setText(GridView3->Cell(row, bs_column::Speed));
}

void TCpePage::Button12Click() {
    const QListWidgetItem* chosen = ListBox1->currentItem();
    if (chosen != nullptr &&
        ListBox2->findItems(chosen->text(), Qt::MatchExactly | Qt::MatchCaseSensitive).isEmpty()) {
        ListBox2->addItem(chosen->text());
    }
}

void TCpePage::Button13Click() {
    // Only the highlighted frequency, and only once: the list would move its
    // current row on to a neighbour, which a second press must not take too.
    const QList<QListWidgetItem*> chosen = ListBox2->selectedItems();
    if (chosen.isEmpty()) {
        return;
    }
    delete ListBox2->takeItem(ListBox2->row(chosen.front()));
    ListBox2->setCurrentItem(nullptr);
    ListBox2->clearSelection();
}

void TCpePage::ListBox1DblClick() {
    Button12Click();
}

void TCpePage::ListBox2DblClick() {
    Button13Click();
}

void TCpePage::Button15Click() {
    if (RefuseUncarriable(host_, {Edit10->text(), Edit11->text()})) {
        return;
    }
    const std::string sid = ToBytes(Edit10->text());
    const std::string speed = ToBytes(Edit11->text());
    const int band = BandAt(host_.Router().RadioBand, ComboBox10->currentIndex()).value_or(0);
    const std::string radio = ToBytes(ComboBox7->currentText());
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

void TCpePage::Button16Click() {
    const int row = GridView3->SelectedRow();
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
    const auto command = BsDeleteCommand(ToBytes(ComboBox7->currentText()), selected);
    if (!command) {
        RefuseWithoutRadio();
        return;
    }
    if (host_.SendCommand(*command)) {
        entryButtons_->Sent();
    }
}

void TCpePage::Button17Click() {
    ListBox2->clear();
    Edit10->clear();
    Edit11->clear();
    // The form shows no record now, so no row may stay highlighted for Delete.
    GridView3->Unselect();
}

void TCpePage::Read(ReadStep step) {
    if (step == ReadStep::BsList) {
        ReadBsList();
        entryButtons_->Answered();
    }
}

void TCpePage::ConsoleReply(ReplyAction action, const std::string& /*chunk*/) {
    if (action == ReplyAction::SendAddBsRecord) {
        SendAddBsRecord();
    }
}

std::span<const ReadStep> TCpePage::Steps() const {
    static constexpr std::array Owned{ReadStep::BsList};
    return Owned;
}

std::span<const ReplyAction> TCpePage::Replies() const {
    static constexpr std::array Owned{ReplyAction::SendAddBsRecord};
    return Owned;
}

}  // namespace tessel
