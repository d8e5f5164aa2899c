// The destination box's recent routers: the settings file read with
// suspicion, the list offered under the box, a choice filling the login name
// and the community but not the password, and clearing the list.

#include "app/form1.hpp"
#include "app/recent_routers_box.hpp"
#include "scripted_messages.hpp"

#include <QAbstractItemView>
#include <QApplication>
#include <QCompleter>
#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

namespace tessel {
namespace {

QByteArray FileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void WriteFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
}

QByteArray Entry(int index, const QByteArray& destination, const QByteArray& login = "admin",
                 const QByteArray& community = "public") {
    const QByteArray key = QByteArray::number(index) + "\\";
    return key + "destination=" + destination + "\n" + key + "login=" + login + "\n" + key +
           "community=" + community + "\n";
}

TEST(RecentRoutersFile, GarbageGivesAValidListAndIsNeverWrittenBack) {
    QTemporaryDir folder;
    const QString path = folder.filePath("recent-routers.ini");
    EXPECT_TRUE(LoadRecentRouters(path).empty());           // missing
    EXPECT_TRUE(LoadRecentRouters(folder.path()).empty());  // a folder, not a file

    QByteArray junk;
    for (int i = 0; i < 4096; ++i) {
        junk.append(static_cast<char>((i * 37 + 11) % 256));
    }
    QByteArray fifty = "[routers]\nsize=50\n";
    for (int i = 1; i <= 50; ++i) {
        fifty += Entry(i, "10.0.0." + QByteArray::number(i));
    }
    const QByteArray mixed = "[routers]\nsize=999999999\n" +
                             Entry(1, "\"bad\\x1b[31m\"") +  // control char
                             Entry(2, "a, list") +           // a list, not a text
                             Entry(3, "@Variant(\\0\\0\\0\\x2\\0\\0\\0\\x5)") +  // an int
                             Entry(4, "@ByteArray(10.0.0.4)") +                  // bytes
                             Entry(5, "\"\"") +                                  // empty
                             Entry(6, QByteArray(300, 'h')) +                    // too long
                             Entry(7, "router.lab", "oper", "\"my community\"") +
                             "junk line without equals\n\x01\x02\x03\n";

    struct Case {
        const char* name;
        QByteArray bytes;
        std::vector<std::string> destinations;
    };
    std::vector<std::string> firstTen;
    for (int i = 1; i <= 10; ++i) {
        firstTen.push_back("10.0.0." + std::to_string(i));
    }
    const std::vector<Case> cases{
        {"binary junk", junk, {}},
        {"fifty entries", fifty, firstTen},
        {"wrong types and control chars", mixed, {"router.lab"}},
        {"empty", "", {}},
    };
    for (const Case& c : cases) {
        WriteFile(path, c.bytes);
        std::vector<std::string> destinations;
        for (const RecentRouter& entry : LoadRecentRouters(path)) {
            destinations.push_back(entry.destination);
        }
        EXPECT_EQ(destinations, c.destinations) << c.name;

        // The box reads it, offers only the valid entries, and leaves the
        // file as it found it.
        {
            QLineEdit destination, login, community;
            RecentRoutersBox box(&destination, &login, &community, path);
            EXPECT_EQ(box.Completer()->model()->rowCount(), static_cast<int>(c.destinations.size()))
                << c.name;
        }
        EXPECT_EQ(FileBytes(path), c.bytes) << c.name;
    }

    // The next login writes the valid list alone, and it reads back so.
    const RecentRouter extra{"10.0.0.77", "oper", "private"};
    WriteFile(path, mixed);
    {
        QLineEdit destination, login, community;
        RecentRoutersBox box(&destination, &login, &community, path);
        box.Record(extra);
    }
    const RecentRouters stored = LoadRecentRouters(path);
    EXPECT_EQ(stored, (RecentRouters{extra, {"router.lab", "oper", "my community"}}));
    const QByteArray rewritten = FileBytes(path);
    EXPECT_FALSE(rewritten.contains("junk")) << rewritten.toStdString();
    EXPECT_FALSE(rewritten.contains("bad")) << rewritten.toStdString();
    EXPECT_FALSE(rewritten.contains("\x01")) << rewritten.toStdString();
}

class RecentRoutersWindow : public ::testing::Test {
  protected:
    RecentRoutersWindow() {
        // Earlier tests of this process may have left entries behind.
        QFile::remove(RecentRoutersPath());
        form = std::make_unique<TForm1>(SnmpTransport{
            [this](const std::string&, const std::string&, const std::string&, std::string&) {
                ++probes;
                return false;
            },
            {}});
        form->FormCreate("tessel-manager");
        form->show();
        box = form->RecentRouterList();
        box->Record({"10.0.0.1", "admin", "public"});
        box->Record({"10.0.0.2", "oper", "lab community"});
    }

    QStringList Offered() const {
        QStringList rows;
        QAbstractItemModel* model = box->Completer()->completionModel();
        for (int row = 0; row < model->rowCount(); ++row) {
            rows.append(model->index(row, 0).data().toString());
        }
        return rows;
    }

    testing::ScriptedMessages messages;
    int probes = 0;
    std::unique_ptr<TForm1> form;
    RecentRoutersBox* box = nullptr;
};

TEST_F(RecentRoutersWindow, ChoosingARouterFillsLoginAndCommunityButNotThePassword) {
    EXPECT_TRUE(form->Edit15->text().isEmpty());  // nothing filled in at start
    form->Edit13->setText("typed");
    // The box takes up its list only while it has the focus.
    form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    form->Edit5->setFocus();
    // Down in the empty box drops the whole list, newest first.
    QTest::keyClick(form->Edit5, Qt::Key_Down);
    QAbstractItemView* popup = box->Completer()->popup();
    ASSERT_TRUE(popup->isVisible());
    EXPECT_EQ(Offered(), (QStringList{"10.0.0.2", "10.0.0.1"}));

    // Enter in the list takes the entry and does not log in.
    QTest::keyClick(popup, Qt::Key_Down);
    QTest::keyClick(popup, Qt::Key_Down);
    QTest::keyClick(popup, Qt::Key_Return);
    EXPECT_FALSE(popup->isVisible());
    EXPECT_EQ(form->Edit5->text(), "10.0.0.1");
    EXPECT_EQ(form->Edit12->text(), "admin");
    EXPECT_EQ(form->Edit15->text(), "public");
    EXPECT_EQ(form->Edit13->text(), "typed");
    EXPECT_EQ(probes, 0);
    EXPECT_TRUE(messages.boxes.empty());

    // Typing narrows the list; the other entry brings its own values.
    form->Edit5->clear();
    QTest::keyClicks(form->Edit5, "10.0.0.2");
    ASSERT_TRUE(popup->isVisible());
    EXPECT_EQ(Offered(), (QStringList{"10.0.0.2"}));
    popup->setCurrentIndex(box->Completer()->completionModel()->index(0, 0));
    QTest::keyClick(popup, Qt::Key_Return);
    EXPECT_EQ(form->Edit12->text(), "oper");
    EXPECT_EQ(form->Edit15->text(), "lab community");
    EXPECT_EQ(form->Edit13->text(), "typed");
}

TEST_F(RecentRoutersWindow, TheBoxMenuClearsTheListAndItsFile) {
    std::unique_ptr<QMenu> menu(box->CreateContextMenu());
    QAction* clear = nullptr;
    for (QAction* action : menu->actions()) {
        if (action->text() == "Clear recent routers") {
            clear = action;
        }
    }
    ASSERT_NE(clear, nullptr);
    // The line edit's own entries stay.
    EXPECT_GT(menu->actions().size(), 3);
    ASSERT_TRUE(clear->isEnabled());
    clear->trigger();
    EXPECT_TRUE(box->Entries().empty());
    EXPECT_TRUE(LoadRecentRouters(RecentRoutersPath()).empty());
    EXPECT_EQ(box->Completer()->model()->rowCount(), 0);
    std::unique_ptr<QMenu> again(box->CreateContextMenu());
    EXPECT_FALSE(again->actions().back()->isEnabled());

    // A new window starts with the empty list.
    QLineEdit destination, login, community;
    EXPECT_TRUE(RecentRoutersBox(&destination, &login, &community).Entries().empty());
}

}  // namespace
}  // namespace tessel
