#include "widgets/grid_file_dialogs.hpp"

#include <QFileDialog>
#include <QMessageBox>

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

}  // namespace tessel
