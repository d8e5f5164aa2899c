#include "views/cpe_page.hpp"

#include "app/form1.hpp"
#include "app/message_service.hpp"
#include "core/pages/bs_list_read.hpp"
#include "core/pages/bs_registration_read.hpp"
#include "core/router/auto_update.hpp"
#include "core/router/radio_rules.hpp"
#include "viewkit/controls.hpp"
#include "viewkit/text_bridge.hpp"
#include "widgets/application_title.hpp"
#include "widgets/grid_view.hpp"
#include "widgets/spin_editor.hpp"

#include <QComboBox>
#include <QHideEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QShowEvent>
#include <QTimer>

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

QString FromView(std::string_view text) {
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

TCpePage::TCpePage(TForm1& form, QTimer* timer3, QWidget* parent)
    : QWidget(parent), form_(form), timer3_(timer3) {
    setObjectName(QStringLiteral("TabSheet4"));
    BuildList();
    BuildRegistration();
    BuildRefreshControls();
    BuildConfiguration();

    connect(timer3_, &QTimer::timeout, this, &TCpePage::Timer3Timer);
    // activated: the operator's choice only, not the radio page filling the lists.
    connect(ComboBox7, &QComboBox::activated, this, &TCpePage::ComboBox7Change);
    connect(ComboBox10, &QComboBox::activated, this, &TCpePage::ComboBox10Change);
    connect(GridView3, &TGridView::CellClicked, this,
            [this](int row, int) { GridView3CellClick(row); });
    connect(Button8, &QPushButton::clicked, this, &TCpePage::Button8Click);
    connect(SpinEditor5, &TSpinEditor::Changed, this, &TCpePage::SpinEditor5Change);
    connect(Button25, &QPushButton::clicked, this, &TCpePage::Button25Click);
    connect(Button12, &QPushButton::clicked, this, &TCpePage::Button12Click);
    connect(Button13, &QPushButton::clicked, this, &TCpePage::Button13Click);
    connect(ListBox1, &QListWidget::itemDoubleClicked, this, &TCpePage::ListBox1DblClick);
    connect(ListBox2, &QListWidget::itemDoubleClicked, this, &TCpePage::ListBox2DblClick);
    connect(Button15, &QPushButton::clicked, this, &TCpePage::Button15Click);
    connect(Button16, &QPushButton::clicked, this, &TCpePage::Button16Click);
    connect(Button17, &QPushButton::clicked, this, &TCpePage::Button17Click);
    for (QPushButton* button : {Button15, Button16}) {
        form_.AddConsoleButton(button);
    }
}

void TCpePage::SetRadioPageSelection(std::function<std::string()> selectedRadio) {
    selectedRadio_ = std::move(selectedRadio);
}

void TCpePage::ReadBsList() {
    Session& session = form_.CurrentSession();
    const std::string radioPageRadio = selectedRadio_ ? selectedRadio_() : std::string();
    const BsList list = tessel::ReadBsList(session, RadioNumberOf(ComboBox7),
                                           session.InterfaceNames, radioPageRadio);
    ListBox1->clear();
    ListBox1->addItems(ToQStrings(list.rfFrequencies));
    GridView3->Clear();
    if (!list.hasRows) {
        // The record count stays for the timer; the grid has nothing to mark.
        gridRows_.clear();
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
    if (!list.error.empty()) {
        Messages().Inform(this, ToQString(list.error), QStringLiteral("Error"));
        return;
    }
    ReadBsRegistration();
}

void TCpePage::ReadBsRegistration() {
    Session& session = form_.CurrentSession();
    const int position = ComboBox10->currentIndex();
    const BsRegistration registration =
        tessel::ReadBsRegistration(session, RadioNumberOf(ComboBox10),
                                   BandAt(session.RadioBand, position).value_or(0), gridRows_);
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
        form_.ReplyAbandoned(reply::BsDeleteBeforeAdd);
        RefuseWithoutRadio();
        return;
    }
    ShowAndSend(*command);
}

void TCpePage::RefuseWithoutRadio() {
    Messages().Inform(this, FromView(kNoRadioInterface), FromView(BsFormErrorCaption));
}

void TCpePage::ShowAndSend(const ConsoleCommand& command) {
    Messages().Inform(this, ToQString(command.line), ApplicationTitle());
    form_.SendCommand(command);
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
    SpinEditor5->setValue(timer3_->interval() / 1000);
}

void TCpePage::ResetAfterLoad() {
    detector_ = RegistrationDetector{};
    BsListAutoUpdate = 1;
}

void TCpePage::Button8Click() {
    ReadBsList();
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

void TCpePage::SpinEditor5Change() {
    if (const auto interval =
            RefreshIntervalMs(SpinEditor5->value(), form_.CurrentSession().SessionLoaded)) {
        timer3_->setInterval(*interval);
    }
}

void TCpePage::Button25Click() {
    const AutoUpdateState next = ToggleAutoUpdate(ToBytes(Button25->text()));
    Button25->setText(FromView(next.caption));
    if (next.timerEnabled) {
        timer3_->start();
    } else {
        timer3_->stop();
    }
    BsListAutoUpdate = next.flag;
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
    const int row = ListBox2->currentRow();
    if (row >= 0) {
        delete ListBox2->takeItem(row);
    }
}

void TCpePage::ListBox1DblClick() {
    Button12Click();
}

void TCpePage::ListBox2DblClick() {
    Button13Click();
}

void TCpePage::Button15Click() {
    const std::string sid = ToBytes(Edit10->text());
    const std::string speed = ToBytes(Edit11->text());
    const int band =
        BandAt(form_.CurrentSession().RadioBand, ComboBox10->currentIndex()).value_or(0);
    const std::string radio = ToBytes(ComboBox7->currentText());
    const std::string errors = BsFormErrorText(radio, FormFrequencies(), sid, speed, band);
    if (!errors.empty()) {
        Messages().Inform(this, ToQString(errors), FromView(BsFormErrorCaption));
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
    form_.SendCommand(*command);
}

void TCpePage::Button17Click() {
    ListBox2->clear();
    Edit10->clear();
    Edit11->clear();
}

void TCpePage::TabSheet4Show() {
    repaint();
    if (BsListAutoUpdate == 1) {
        timer3_->start();
    }
}

void TCpePage::TabSheet4Hide() {
    timer3_->stop();
}

// Tab switches show and hide the page; minimising the window does not count.
void TCpePage::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!event->spontaneous()) {
        TabSheet4Show();
    }
}

void TCpePage::hideEvent(QHideEvent* event) {
    QWidget::hideEvent(event);
    if (!event->spontaneous()) {
        TabSheet4Hide();
    }
}

void TCpePage::Read(ReadStep step) {
    if (step == ReadStep::BsList) {
        ReadBsList();
    }
}

void TCpePage::ConsoleReply(ReplyAction action, const std::string& /*chunk*/) {
    if (action == ReplyAction::SendAddBsRecord) {
        SendAddBsRecord();
    }
}

}  // namespace tessel
