#pragma once

// The save dialogs of grids, the console log and the charts answer from a
// script while it lives; failure boxes are recorded.

#include "widgets/grid_file_dialogs.hpp"

#include <QStringList>

namespace tessel::test {

class ScriptedFileDialogs : public GridFileDialogs {
  public:
    ScriptedFileDialogs() { SetGridDialogs(this); }
    ~ScriptedFileDialogs() override { SetGridDialogs(nullptr); }
    ScriptedFileDialogs(const ScriptedFileDialogs&) = delete;
    ScriptedFileDialogs& operator=(const ScriptedFileDialogs&) = delete;

    QString AskSavePath(QWidget*, const QString&, const QString&) override {
        ++asked;
        return path;
    }
    void ReportSaveFailure(QWidget*, const QString& text, const QString& caption) override {
        failures.append(caption + "|" + text);
    }

    // The file the operator chooses; empty to cancel.
    QString path;
    int asked = 0;
    QStringList failures;
};

}  // namespace tessel::test
