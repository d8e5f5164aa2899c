// The destination box's recent routers: the settings file read with
// suspicion, the list offered under the box, a choice filling the login name
// and the community but not the password, and clearing the list.

#include "app/form1.hpp"
#include "app/recent_routers_box.hpp"
#include "scripted_messages.hpp"

#include <QAbstractItemView>
#include <QCompleter>
#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <sys/stat.h>

namespace tessel {
namespace {

QByteArray FileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QByteArray Entry(int index, const QByteArray& destination, const QByteArray& community = "c") {
    const QByteArray key = QByteArray::number(index) + "\\";
    return key + "destination=" + destination + "\n" + key + "login=admin\n" + key +
           "community=" + community + "\n";
}

TEST(RecentRoutersFile, GarbageGivesAValidListAndIsNeverWrittenBack) {
    QTemporaryDir folder;
    const QString path = folder.filePath("recent-routers.ini");
    EXPECT_TRUE(LoadRecentRouters(path).empty());           // missing
    EXPECT_TRUE(LoadRecentRouters(folder.path()).empty());  // not a file

    QByteArray junk;
    for (int i = 0; i < 4096; ++i) {
        junk.append(static_cast<char>((i * 37 + 11) % 256));
    }
    QByteArray fifty = "[routers]\nsize=50\n";
    for (int i = 1; i <= 50; ++i) {
        fifty += Entry(i, "10.0.0." + QByteArray::number(i));
    }
    const QByteArray mixed = "[routers]\nsize=999999999\n" + Entry(1, "\"bad\\x1b[31m\"") +
                             Entry(2, "a, list") +
                             Entry(3, "@Variant(\\0\\0\\0\\x2\\0\\0\\0\\x5)") +
                             Entry(4, "@ByteArray(10.0.0.4)") + Entry(5, QByteArray(300, 'h')) +
                             Entry(6, "router.lab", "\"my community\"") + "junk\n\x01\x02\n";
    const std::vector<std::pair<QByteArray, std::size_t>> cases{
        {junk, 0}, {fifty, RecentRoutersLimit}, {mixed, 1}};
    for (const auto& [bytes, valid] : cases) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(bytes);
        file.close();
        EXPECT_EQ(LoadRecentRouters(path).size(), valid);
        {
            QLineEdit destination, login, community;
            RecentRoutersBox box(&destination, &login, &community, path);
            EXPECT_EQ(box.Completer()->model()->rowCount(), static_cast<int>(valid));
        }
        EXPECT_EQ(FileBytes(path), bytes);
    }

    // The next login writes the valid list alone.
    {
        QLineEdit destination, login, community;
        RecentRoutersBox(&destination, &login, &community, path).Record({"10.0.0.77", "o", "p"});
    }
    EXPECT_EQ(LoadRecentRouters(path),
              (RecentRouters{{"10.0.0.77", "o", "p"}, {"router.lab", "admin", "my community"}}));
    const QByteArray rewritten = FileBytes(path);
    EXPECT_FALSE(rewritten.contains("bad") || rewritten.contains("junk") ||
                 rewritten.contains("ByteArray"))
        << rewritten.toStdString();
}

mode_t FileMode(const QString& path) {
    struct stat info {};
    return ::stat(QFile::encodeName(path).constData(), &info) == 0 ? info.st_mode & 07777 : 0;
}

// The file holds communities, which are credentials: others may not read it,
// and a mode the owner chose is never widened.
TEST(RecentRoutersFile, IsTheOwnersAloneAndNeverWidened) {
    QTemporaryDir folder;
    const QString path = folder.filePath("config/recent-routers.ini");
    const mode_t umaskBefore = ::umask(022);
    const RecentRouters list{{"10.0.0.1", "admin", "private"}};
    ASSERT_TRUE(SaveRecentRouters(path, list));
    EXPECT_EQ(FileMode(path), 0600u);
    ASSERT_TRUE(QFile::setPermissions(
        path, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther));
    ASSERT_TRUE(SaveRecentRouters(path, list));
    EXPECT_EQ(FileMode(path), 0600u) << "narrowed";

    ASSERT_TRUE(QFile::setPermissions(path, QFile::ReadOwner));
    EXPECT_FALSE(SaveRecentRouters(path, {}));
    EXPECT_EQ(FileMode(path), 0400u);
    EXPECT_EQ(LoadRecentRouters(path), list) << "a read-only file is not written";
    ::umask(umaskBefore);
}

class RecentRoutersWindow : public ::testing::Test {
  protected:
    RecentRoutersWindow() {
        // Earlier tests of this process may have left entries behind.
        QFile::remove(RecentRoutersPath());
        form.FormCreate("tessel-manager");
        form.show();
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

    test::ScriptedMessages messages;
    int probes = 0;
    MainWindow form{SnmpTransport{[this](const std::string&, const std::string&, const std::string&,
                                         std::string&) { return ++probes < 0; },
                                  {}}};
    RecentRoutersBox* box = form.RecentRouterList();
};

TEST_F(RecentRoutersWindow, ChoosingARouterFillsLoginAndCommunityButNotThePasswordAndClears) {
    EXPECT_TRUE(form.communityEdit_->text().isEmpty());  // nothing filled in at start
    form.passwordEdit_->setText("typed");
    // The box takes up its list only while it has the focus.
    form.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    form.destinationAddressEdit_->setFocus();
    // Down in the empty box drops the whole list, newest first.
    QTest::keyClick(form.destinationAddressEdit_, Qt::Key_Down);
    QAbstractItemView* popup = box->Completer()->popup();
    ASSERT_TRUE(popup->isVisible());
    EXPECT_EQ(Offered(), (QStringList{"10.0.0.2", "10.0.0.1"}));

    // Enter in the list takes the entry and does not log in.
    QTest::keyClick(popup, Qt::Key_Down);
    QTest::keyClick(popup, Qt::Key_Down);
    QTest::keyClick(popup, Qt::Key_Return);
    EXPECT_FALSE(popup->isVisible());
    EXPECT_EQ(form.destinationAddressEdit_->text(), "10.0.0.1");
    EXPECT_EQ(form.loginNameEdit_->text(), "admin");
    EXPECT_EQ(form.communityEdit_->text(), "public");
    EXPECT_EQ(form.passwordEdit_->text(), "typed");
    EXPECT_EQ(probes, 0);

    // Typing narrows the list; the other entry brings its own values.
    form.destinationAddressEdit_->clear();
    QTest::keyClicks(form.destinationAddressEdit_, "10.0.0.2");
    EXPECT_EQ(Offered(), (QStringList{"10.0.0.2"}));
    popup->setCurrentIndex(box->Completer()->completionModel()->index(0, 0));
    QTest::keyClick(popup, Qt::Key_Return);
    EXPECT_EQ(form.loginNameEdit_->text(), "oper");
    EXPECT_EQ(form.communityEdit_->text(), "lab community");
    EXPECT_EQ(form.passwordEdit_->text(), "typed");

    // The box's menu clears the list and its file.
    std::unique_ptr<QMenu> menu(box->CreateContextMenu());
    QAction* clear = menu->actions().back();
    EXPECT_EQ(clear->text(), "Clear recent routers");
    EXPECT_GT(menu->actions().size(), 3);  // the line edit's own entries stay
    ASSERT_TRUE(clear->isEnabled());
    clear->trigger();
    EXPECT_EQ(box->Completer()->model()->rowCount(), 0);
    EXPECT_TRUE(LoadRecentRouters(RecentRoutersPath()).empty());
    EXPECT_FALSE(std::unique_ptr<QMenu>(box->CreateContextMenu())->actions().back()->isEnabled());
}

}  // namespace
}  // namespace tessel
