// The "CPE" tab against the lab router in client-unit mode: the configured
// base stations grouped into records, the registration with its "R" mark and
// "N/A" state, the configuration form's checks and command lines, and the
// registration auto-update.

#include "fire_timer.hpp"
#include "logged_in_window.hpp"
#include "views/cpe/cpe_page.hpp"
#include "widgets/application_title.hpp"
#include "widgets/grid_view.hpp"
#include "widgets/spin_editor.hpp"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>

namespace tessel {
namespace {

using test::LoggedInWindow;

enum Column { Sid = 1, Speed = 2, Frequencies = 3, R = 4, Position = 5 };

class CpePageTest : public LoggedInWindow {
  protected:
    CpePageTest() : LoggedInWindow({.data = "client-unit.json"}) {}
    void SetUp() override {
        LoggedInWindow::SetUp();
        page = Find<CpePage>("TabSheet4");
        ASSERT_NE(page, nullptr);
        grid = page->configuredBsGrid_;
    }

    int RowOf(const QString& sid, const QString& speed) const {
        for (int row = 0; row < grid->RowCount(); ++row) {
            if (grid->Cell(row, Sid) == sid && grid->Cell(row, Speed) == speed) {
                return row;
            }
        }
        return -1;
    }

    QStringList Items(const QListWidget* list) const {
        QStringList items;
        for (int i = 0; i < list->count(); ++i) {
            items << list->item(i)->text();
        }
        return items;
    }

    void SelectRfFrequency(const QString& frequency) {
        const auto found = page->rfFrequenciesList_->findItems(frequency, Qt::MatchExactly);
        ASSERT_EQ(found.size(), 1);
        page->rfFrequenciesList_->setCurrentItem(found.front());
    }

    CpePage* page = nullptr;
    GridView* grid = nullptr;
};

TEST_F(CpePageTest, GroupsTheConfiguredBaseStationsAndMarksTheRegistration) {
    // Rows (6699, 11000, 2412), (6699, 11000, 2437), (20, 11000, 2462) and
    // (6699, 5500, 2412) make three records; SID 6699 shows as 1A2B.
    ASSERT_EQ(grid->RowCount(), 3);
    const int both = RowOf(QStringLiteral("1A2B"), QStringLiteral("11000"));
    const int single = RowOf(QStringLiteral("14"), QStringLiteral("11000"));
    const int slow = RowOf(QStringLiteral("1A2B"), QStringLiteral("5500"));
    ASSERT_GE(both, 0);
    ASSERT_GE(single, 0);
    ASSERT_GE(slow, 0);
    EXPECT_EQ(grid->Cell(both, Frequencies), QStringLiteral("2412,2437"));
    EXPECT_EQ(grid->Cell(single, Frequencies), QStringLiteral("2462"));
    EXPECT_EQ(grid->Cell(slow, Frequencies), QStringLiteral("2412"));
    EXPECT_TRUE(grid->isColumnHidden(Position));

    // Registered on 2437 at 11000 with SID 1A2B: only that record is marked.
    EXPECT_EQ(grid->Cell(both, R), QStringLiteral("true"));
    EXPECT_EQ(grid->Cell(single, R), QStringLiteral("false"));
    EXPECT_EQ(grid->Cell(slow, R), QStringLiteral("false"));

    EXPECT_EQ(page->registrationFrequencyLabel_->text(), QStringLiteral("2437"));
    EXPECT_EQ(page->registrationBitrateLabel_->text(), QStringLiteral("11000"));
    EXPECT_EQ(page->registrationSidLabel_->text(), QStringLiteral("1A2B"));
    EXPECT_EQ(page->registrationIpAddressLabel_->text(), QStringLiteral("10.20.0.5"));
    EXPECT_EQ(page->registrationAmplitudeFromLabel_->text(), QStringLiteral("11"));
    EXPECT_EQ(page->registrationAmplitudeFromBar_->value(), 11);
    EXPECT_EQ(page->registrationAmplitudeToLabel_->text(), QStringLiteral("12"));
    EXPECT_EQ(page->registrationAmplitudeToBar_->value(), 12);
    // Rate codes 4 and 3 on a radio of the 2.4 GHz band.
    EXPECT_EQ(page->registrationTransmitSpeedLabel_->text(), QStringLiteral("11 Mbps"));
    EXPECT_EQ(page->registrationReceiveSpeedLabel_->text(), QStringLiteral("5.5 Mbps"));

    // The radio's usable frequencies fill "RF frequencies:".
    EXPECT_EQ(
        Items(page->rfFrequenciesList_),
        QStringList({QStringLiteral("2412"), QStringLiteral("2437"), QStringLiteral("2462")}));
    SaveScreenshot(page, "tab-cpe.png");
}

TEST_F(CpePageTest, ClickFillsTheFormAndFrequenciesMoveOnce) {
    const int both = RowOf(QStringLiteral("1A2B"), QStringLiteral("11000"));
    ASSERT_GE(both, 0);
    page->OnBsRowChosen(both);
    EXPECT_EQ(Items(page->bsFrequenciesList_),
              QStringList({QStringLiteral("2412"), QStringLiteral("2437")}));
    EXPECT_EQ(page->bsSidEdit_->text(), QStringLiteral("1A2B"));
    EXPECT_EQ(page->bsRequestedSpeedEdit_->text(), QStringLiteral("11000"));

    // ">" twice on the same frequency adds it once; "<" removes the selected one.
    SelectRfFrequency(QStringLiteral("2462"));
    page->addBsFrequencyButton_->click();
    page->addBsFrequencyButton_->click();
    EXPECT_EQ(
        Items(page->bsFrequenciesList_),
        QStringList({QStringLiteral("2412"), QStringLiteral("2437"), QStringLiteral("2462")}));
    page->bsFrequenciesList_->setCurrentRow(0);
    page->removeBsFrequencyButton_->click();
    EXPECT_EQ(Items(page->bsFrequenciesList_),
              QStringList({QStringLiteral("2437"), QStringLiteral("2462")}));
    // Pressed again: nothing is highlighted any more, so nothing goes.
    page->removeBsFrequencyButton_->click();
    EXPECT_EQ(Items(page->bsFrequenciesList_),
              QStringList({QStringLiteral("2437"), QStringLiteral("2462")}));

    page->clearBsFormButton_->click();
    EXPECT_EQ(page->bsFrequenciesList_->count(), 0);
    EXPECT_TRUE(page->bsSidEdit_->text().isEmpty());
    EXPECT_TRUE(page->bsRequestedSpeedEdit_->text().isEmpty());
}

TEST_F(CpePageTest, CreateUpdateCollectsItsErrorsInOneBox) {
    page->bsRequestedSpeedEdit_->setText(
        QStringLiteral("6000"));  // a band 1 speed on a 2.4 GHz radio
    page->createOrUpdateBsRecordButton_->click();
    ASSERT_EQ(messages.boxes.size(), 1u);
    EXPECT_EQ(messages.boxes[0].caption, QStringLiteral("Error"));
    EXPECT_EQ(messages.boxes[0].text,
              QStringLiteral("List of frequencies is empty\r\nSID field is empty\r\n"
                             "Speed value is not correct"));
    QTest::qWait(200);
    for (const auto& line : ConsoleLines()) {
        EXPECT_NE(line.rfind("rma bs", 0), 0u) << line;
    }
}

TEST_F(CpePageTest, CreateForANewRecordSendsTheAddLine) {
    SelectRfFrequency(QStringLiteral("2462"));
    page->OnRfFrequencyDoubleClicked();
    page->bsSidEdit_->setText(QStringLiteral("2C"));
    page->bsRequestedSpeedEdit_->setText(QStringLiteral("5500"));
    page->createOrUpdateBsRecordButton_->click();
    // The line is shown in a plain box before it goes out.
    ASSERT_EQ(messages.boxes.size(), 1u);
    EXPECT_EQ(messages.boxes[0].text, QStringLiteral("rma bs rf4.0 2C/5500 2462"));
    // Its caption is the application title, which follows the window caption.
    EXPECT_EQ(messages.boxes[0].caption, form->windowTitle());
    EXPECT_EQ(messages.boxes[0].caption, ApplicationTitle());
    ASSERT_TRUE(Received("rma bs rf4.0 2C/5500 2462"));
    ASSERT_TRUE(QTest::qWaitFor(
        [&] { return RowOf(QStringLiteral("2C"), QStringLiteral("5500")) >= 0; }, 10000));
    EXPECT_EQ(grid->RowCount(), 4);
}

TEST_F(CpePageTest, UpdateOfAnExistingRecordDeletesFirstAndAddsAfterTheReply) {
    const int both = RowOf(QStringLiteral("1A2B"), QStringLiteral("11000"));
    ASSERT_GE(both, 0);
    page->OnBsRowChosen(both);
    SelectRfFrequency(QStringLiteral("2462"));
    page->addBsFrequencyButton_->click();
    page->bsSidEdit_->setText(QStringLiteral("1a2b"));  // the SID matches ignoring case
    page->createOrUpdateBsRecordButton_->click();

    ASSERT_TRUE(Received("rma bs rf4.0 1a2b/11000 2412,2437 -del"));
    ASSERT_TRUE(Received("rma bs rf4.0 1a2b/11000 2412,2437,2462"));
    const auto lines = ConsoleLines();
    const auto del =
        std::find(lines.begin(), lines.end(), "rma bs rf4.0 1a2b/11000 2412,2437 -del");
    const auto add =
        std::find(lines.begin(), lines.end(), "rma bs rf4.0 1a2b/11000 2412,2437,2462");
    EXPECT_LT(del, add);
    ASSERT_EQ(messages.boxes.size(), 2u);
    EXPECT_EQ(messages.boxes[0].text, QStringLiteral("rma bs rf4.0 1a2b/11000 2412,2437 -del"));
    EXPECT_EQ(messages.boxes[1].text, QStringLiteral("rma bs rf4.0 1a2b/11000 2412,2437,2462"));
    ASSERT_TRUE(QTest::qWaitFor(
        [&] {
            const int row = RowOf(QStringLiteral("1A2B"), QStringLiteral("11000"));
            return row >= 0 && grid->Cell(row, Frequencies) == QStringLiteral("2412,2437,2462");
        },
        10000));
}

TEST_F(CpePageTest, AChunkArrivingWhileTheDeleteIsShownWaitsForItsLine) {
    const int both = RowOf(QStringLiteral("1A2B"), QStringLiteral("11000"));
    ASSERT_GE(both, 0);
    page->OnBsRowChosen(both);
    SelectRfFrequency(QStringLiteral("2462"));
    page->addBsFrequencyButton_->click();
    // Boxes stay up a while as real ones do, and the router's answer to a
    // line sent just before arrives while the delete's box is up, under the
    // code that adds on any reply.
    messages.openMs = 300;
    form->SendLine("co save");
    page->createOrUpdateBsRecordButton_->click();

    ASSERT_TRUE(Received("rma bs rf4.0 1A2B/11000 2412,2437 -del"));
    ASSERT_TRUE(Received("rma bs rf4.0 1A2B/11000 2412,2437,2462"));
    const auto lines = ConsoleLines();
    const auto del =
        std::find(lines.begin(), lines.end(), "rma bs rf4.0 1A2B/11000 2412,2437 -del");
    const auto add =
        std::find(lines.begin(), lines.end(), "rma bs rf4.0 1A2B/11000 2412,2437,2462");
    EXPECT_LT(del, add);
    ASSERT_TRUE(QTest::qWaitFor(
        [&] {
            const int row = RowOf(QStringLiteral("1A2B"), QStringLiteral("11000"));
            return row >= 0 && grid->Cell(row, Frequencies) == QStringLiteral("2412,2437,2462");
        },
        10000));
}

TEST_F(CpePageTest, DeleteNamesTheChosenRadioAndLosesTheRegistration) {
    const int both = RowOf(QStringLiteral("1A2B"), QStringLiteral("11000"));
    ASSERT_GE(both, 0);
    grid->selectRow(both);
    page->deleteBsRecordButton_->click();
    EXPECT_TRUE(messages.boxes.empty());
    ASSERT_TRUE(Received("rma bs rf4.0 1A2B/11000 2412,2437 -del"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return grid->RowCount() == 2; }, 10000));
    EXPECT_LT(RowOf(QStringLiteral("1A2B"), QStringLiteral("11000")), 0);
    for (int row = 0; row < grid->RowCount(); ++row) {
        EXPECT_EQ(grid->Cell(row, R), QStringLiteral("false"));
    }
}

// Operators double-click, and re-reads move rows under the highlight: Delete
// removes the record the form shows, once, and nothing after it is gone.
TEST_F(CpePageTest, DeleteActsOnceAndOnlyOnTheRecordTheFormShows) {
    ShowPage(page);
    ClickRow(grid, RowOf(QStringLiteral("14"), QStringLiteral("11000")));
    ASSERT_EQ(page->bsSidEdit_->text(), QStringLiteral("14"));
    // Another hand removes the record above it; the re-read moves its row up.
    ASSERT_TRUE(SendAndWaitIdle({"rma bs rf4.0 1A2B/11000 2412,2437 -del", ReplyCode::BsList}));
    EXPECT_EQ(grid->Cell(grid->SelectedRow(), Sid), page->bsSidEdit_->text());

    const std::size_t before = ConsoleLines().size();
    DoubleClick(page->deleteBsRecordButton_);
    ASSERT_TRUE(WaitIdle());
    EXPECT_EQ(grid->RowCount(), 1);
    EXPECT_EQ(grid->SelectedRow(), -1);
    page->deleteBsRecordButton_->click();
    EXPECT_EQ(LinesThroughMarker(before),
              (std::vector<std::string>{"rma bs rf4.0 14/11000 2462 -del", "co save"}));
}

// A router without radios leaves "Radio interface:" empty, and
// "rma bs  1A2B/11000 ..." would name none: Create/Update, Delete and the add
// that waits for a delete's reply all refuse with a box and send nothing.
TEST_F(CpePageTest, RecordCommandsWithoutARadioSendNothingAndSayWhy) {
    const QString why =
        QStringLiteral("The router has no radio interface to apply this setting to.");
    const int both = RowOf(QStringLiteral("1A2B"), QStringLiteral("11000"));
    ASSERT_GE(both, 0);
    page->OnBsRowChosen(both);
    // The radio list goes while the delete's box is up: the add due on its
    // reply has no radio left to name.
    messages.openMs = 300;
    QTimer::singleShot(100, page, [this] { page->bsRadioCombo_->clear(); });
    page->createOrUpdateBsRecordButton_->click();
    ASSERT_TRUE(Received("rma bs rf4.0 1A2B/11000 2412,2437 -del"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return messages.boxes.size() == 2u; }, 10000));
    EXPECT_EQ(messages.boxes[1].text, why);
    EXPECT_EQ(messages.boxes[1].caption, QStringLiteral("Error"));
    EXPECT_EQ(form->Console().Code(), ReplyCode::Idle);

    messages.openMs = 0;
    page->createOrUpdateBsRecordButton_->click();
    grid->selectRow(both);
    page->deleteBsRecordButton_->click();
    ASSERT_EQ(messages.boxes.size(), 4u);
    EXPECT_EQ(messages.boxes[2].text, why);
    EXPECT_EQ(messages.boxes[3].text, why);
    EXPECT_EQ(messages.boxes[3].caption, QStringLiteral("Error"));
    // A line sent after them arrives after anything they would have sent.
    form->SendLine("co save");
    ASSERT_TRUE(Received("co save"));
    std::vector<std::string> recordLines;
    for (const auto& line : ConsoleLines()) {
        if (line.rfind("rma bs", 0) == 0) {
            recordLines.push_back(line);
        }
    }
    EXPECT_EQ(recordLines, std::vector<std::string>{"rma bs rf4.0 1A2B/11000 2412,2437 -del"});
}

TEST_F(CpePageTest, AutoUpdateStartsOnAndRunsOnlyWhileTheTabIsShown) {
    QTimer* timer3 = form->findChild<QTimer*>(QStringLiteral("Timer3"));
    ASSERT_NE(timer3, nullptr);
    EXPECT_EQ(page->bsRegistrationAutoUpdateButton_->text(), QStringLiteral("Stop autoupdate"));
    EXPECT_EQ(page->BsListAutoUpdate(), 1);
    EXPECT_EQ(page->bsRegistrationPeriodSpin_->value(), 5);
    EXPECT_FALSE(timer3->isActive());

    ShowPage(page);
    EXPECT_TRUE(timer3->isActive());
    ShowPage(form->pageTabs_->widget(0));
    EXPECT_FALSE(timer3->isActive());
    ShowPage(page);

    // A tick reads the registration (not the whole list).
    const std::string registration = "1.3.6.1.4.1.3942.1.1.1.5.";
    const std::string list = "1.3.6.1.4.1.3942.1.1.1.4.";
    const std::size_t registrationBefore = SnmpRequestsFor(registration);
    const std::size_t listBefore = SnmpRequestsFor(list);
    ASSERT_TRUE(test::FireTimer(timer3));
    ASSERT_TRUE(
        QTest::qWaitFor([&] { return SnmpRequestsFor(registration) > registrationBefore; }, 5000));
    EXPECT_EQ(SnmpRequestsFor(list), listBefore);

    page->bsRegistrationAutoUpdateButton_->click();
    EXPECT_EQ(page->bsRegistrationAutoUpdateButton_->text(), QStringLiteral("Start autoupdate"));
    EXPECT_FALSE(timer3->isActive());
    EXPECT_EQ(page->BsListAutoUpdate(), 0);
    page->bsRegistrationPeriodSpin_->setValue(9);
    EXPECT_EQ(timer3->interval(), 9000);
}

TEST_F(CpePageTest, HelpButtonsShowTheirTexts) {
    auto* help = page->findChild<QToolButton*>(QStringLiteral("SpeedButton38"));
    ASSERT_NE(help, nullptr);
    help->click();
    EXPECT_EQ(form->statusPopupMemo_->toPlainText(), QStringLiteral("The SID of the Base Station"));
    for (const char* name : {"SpeedButton35", "SpeedButton36", "SpeedButton37", "SpeedButton39"}) {
        EXPECT_NE(page->findChild<QToolButton*>(QLatin1String(name)), nullptr) << name;
    }
}

// A base station is registered with nobody: every value reads "N/A".
class CpePageOnBaseStation : public LoggedInWindow {
  protected:
    CpePageOnBaseStation() : LoggedInWindow({.data = "base-station.json"}) {}
};

TEST_F(CpePageOnBaseStation, RegistrationIsNotAvailable) {
    auto* page = Find<CpePage>("TabSheet4");
    ASSERT_NE(page, nullptr);
    page->ReadBsRegistration();
    for (QLabel* label :
         {page->registrationFrequencyLabel_, page->registrationBitrateLabel_,
          page->registrationSidLabel_, page->registrationAmplitudeToLabel_,
          page->registrationAmplitudeFromLabel_, page->registrationTransmitSpeedLabel_,
          page->registrationReceiveSpeedLabel_, page->registrationIpAddressLabel_}) {
        EXPECT_EQ(label->text(), QStringLiteral("N/A")) << label->objectName().toStdString();
    }
    EXPECT_EQ(page->registrationAmplitudeFromBar_->value(), 0);
    EXPECT_EQ(page->registrationAmplitudeToBar_->value(), 0);
}

}  // namespace
}  // namespace tessel
