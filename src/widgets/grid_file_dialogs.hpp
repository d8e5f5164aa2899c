#pragma once

// The file dialog and the failure box behind a grid's "Save as CSV…" go
// through one service so that tests can choose the file and read what the
// operator would have been told.

#include <QString>

#include <functional>

class QByteArray;
class QWidget;

namespace tessel {

class GridFileDialogs {
  public:
    virtual ~GridFileDialogs() = default;
    // The file to save to; empty when the operator cancelled.
    virtual QString AskSavePath(QWidget* parent, const QString& caption, const QString& filter);
    // An OK box telling that the file could not be written.
    virtual void ReportSaveFailure(QWidget* parent, const QString& text, const QString& caption);
};

// The service in use; the real dialogs unless a test installed its own.
GridFileDialogs& GridDialogs();

// Installs a service (not owned); nullptr restores the real dialogs.
void SetGridDialogs(GridFileDialogs* dialogs);

// Writes bytes to path whole or not at all: a failed or interrupted save
// leaves an earlier file as it was. error: why it failed.
bool WriteWholeFile(const QString& path, const QByteArray& bytes, QString& error);

// Asks for a file through the service in use and lets save write it; a
// failure is reported as "Could not save PATH: WHY" under "Error". False
// when the operator cancelled or the file could not be written.
using SaveToPath = std::function<bool(const QString& path, QString& error)>;
bool SaveThroughDialog(QWidget* parent, const QString& caption, const QString& filter,
                       const SaveToPath& save);

}  // namespace tessel
