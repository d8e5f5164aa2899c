#include "widgets/grid_file_dialogs.hpp"

#include <QByteArray>
#include <QFileDialog>
#include <QMessageBox>
#include <QSaveFile>

namespace tessel {

namespace {

GridFileDialogs* installed = nullptr;

}  // namespace

QString GridFileDialogs::AskSavePath(QWidget* parent, const QString& caption,
                                     const QString& filter) {
    return QFileDialog::getSaveFileName(parent, caption, QString(), filter);
}

void GridFileDialogs::ReportSaveFailure(QWidget* parent, const QString& text,
                                        const QString& caption) {
    QMessageBox::warning(parent, caption, text);
}

GridFileDialogs& GridDialogs() {
    static GridFileDialogs real;
    return installed != nullptr ? *installed : real;
}

void SetGridDialogs(GridFileDialogs* dialogs) {
    installed = dialogs;
}

bool WriteWholeFile(const QString& path, const QByteArray& bytes, QString& error) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        error = file.errorString();
        return false;
    }
    return true;
}

bool SaveThroughDialog(QWidget* parent, const QString& caption, const QString& filter,
                       const SaveToPath& save) {
    const QString path = GridDialogs().AskSavePath(parent, caption, filter);
    if (path.isEmpty()) {
        return false;
    }
    QString error;
    if (!save(path, error)) {
        GridDialogs().ReportSaveFailure(parent,
                                        QStringLiteral("Could not save %1: %2").arg(path, error),
                                        QStringLiteral("Error"));
        return false;
    }
    return true;
}

}  // namespace tessel
