// "tessel-manager --snapshot" shows what the logged-in window shows for the
// same router: the system name (with bytes beyond ASCII), the CPE table of
// the chosen radio and the first route.

#include "logged_in_window.hpp"
#include "support/run_program.hpp"
#include "views/bs/bs_page.hpp"
#include "views/system/system_page.hpp"
#include "widgets/grid_view.hpp"

#include <QComboBox>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QToolButton>

namespace tessel {
namespace {

using test::LoggedInWindow;
using test::WaitFor;

class SnapshotBesideWindow : public LoggedInWindow {
  protected:
    // The snapshot of the window's router, standard output alone.
    QJsonObject Snapshot() const {
        const test::ProgramResult run = test::RunProgram(
            {"env", "TESSEL_SNMP_PORT=" + SnmpPort(), "sh", "-c", "exec \"$0\" \"$@\" 2>/dev/null",
             TESSEL_MANAGER_PATH, "--snapshot", "--host=127.0.0.1", "--community=public"},
            std::chrono::seconds(60));
        EXPECT_EQ(run.exitCode, 0);
        QJsonParseError error{};
        const QJsonDocument document = QJsonDocument::fromJson(
            QByteArray(run.output.data(), static_cast<qsizetype>(run.output.size())), &error);
        EXPECT_EQ(error.error, QJsonParseError::NoError) << error.errorString().toStdString();
        return document.object();
    }
};

TEST_F(SnapshotBesideWindow, SystemNameCpeTableAndFirstRouteMatchTheWindow) {
    // A name with Latin-1 letters, set through the window so that the router
    // holds those bytes.
    auto* system = Find<SystemPage>("system");
    ASSERT_NE(system, nullptr);
    const QString name = QStringLiteral("Caf\u00e9 \u00ff-north");
    system->systemNameEdit_->setText(name);
    system->SystemChangeButtons[0]->click();
    ASSERT_TRUE(WaitFor([&] {
        return !system->SystemChangeButtons[0]->isEnabled() &&
               form->Console().Code() == ReplyCode::Idle && system->systemNameEdit_->text() == name;
    })) << system->systemNameEdit_->text().toStdString();

    const QJsonObject snapshot = Snapshot();
    EXPECT_EQ(snapshot["system"]["name"].toString(), name);
    EXPECT_EQ(snapshot["system"]["name"].toString(), system->systemNameEdit_->text());

    auto* bs = Find<BsPage>("TabSheet3");
    ASSERT_NE(bs, nullptr);
    const QString radio = bs->cpeTableRadioCombo_->currentText();
    ASSERT_FALSE(radio.isEmpty());
    QJsonArray cpe;
    for (const QJsonValue& row : snapshot["cpe"].toArray()) {
        if (row["radio"].toString() == radio) {
            cpe.append(row);
        }
    }
    ASSERT_GT(bs->cpeTableGrid_->RowCount(), 0);
    ASSERT_EQ(cpe.size(), bs->cpeTableGrid_->RowCount());
    for (int row = 0; row < cpe.size(); ++row) {
        EXPECT_EQ(cpe.at(row)["mac"].toString(), bs->cpeTableGrid_->Cell(row, 2)) << row;
        EXPECT_EQ(cpe.at(row)["name"].toString(), bs->cpeTableGrid_->Cell(row, 8)) << row;
    }

    auto* routes = Find<GridView>("GridView6");
    ASSERT_NE(routes, nullptr);
    ASSERT_GT(routes->RowCount(), 0);
    const QJsonArray snapshotRoutes = snapshot["routes"].toArray();
    ASSERT_EQ(snapshotRoutes.size(), routes->RowCount());
    const QJsonValue first = snapshotRoutes.first();
    int column = 1;
    for (const char* field :
         {"destination", "interface", "metric", "nextHop", "protocol", "mask"}) {
        EXPECT_EQ(first[QLatin1String(field)].toString(), routes->Cell(0, column++)) << field;
    }
}

}  // namespace
}  // namespace tessel
