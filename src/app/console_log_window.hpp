#pragma once

// The "Console log" window: what went to the router and what it answered,
// one row per line with its time, the lines the router said beside a
// command's echo marked, a filter box, "Save log…" and "Clear". A view over
// the session's ConsoleLog; whoever feeds the log calls EntriesAdded. Not
// modal; its size and place are kept between runs.

#include <QString>
#include <QWidget>

#include <string>

class QLineEdit;
class QPushButton;
class QTimer;
class QTreeView;

namespace tessel {

class ConsoleLog;
class ConsoleLogFilterModel;
class ConsoleLogModel;

// The file that keeps the window's size and place: windows.ini in the
// application's configuration directory, beside the recent routers.
QString ConsoleLogSettingsPath();

class ConsoleLogWindow : public QWidget {
    Q_OBJECT
  public:
    explicit ConsoleLogWindow(ConsoleLog& log, QWidget* parent = nullptr,
                              QString settingsPath = ConsoleLogSettingsPath());
    ~ConsoleLogWindow() override;

    // The log has new entries (and may have dropped its oldest): the rows
    // follow, the view stays at the newest line if it was there, and what
    // the window shows counts as seen.
    void EntriesAdded();
    // Shows the window in front; the marked lines count as seen.
    void Open();

    // The whole log as UTF-8 text, written whole or not at all.
    bool SaveTo(const QString& path, QString& error) const;
    void SaveLog();  // "Save log…"
    void Clear();    // "Clear"

    QLineEdit* FilterBox;
    QTreeView* View;
    QPushButton* SaveButton;
    QPushButton* ClearButton;
    ConsoleLogFilterModel* Rows() const { return filter_; }

  signals:
    // The number of marked lines not yet seen.
    void UnreadChanged(int unread);

  protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

  private:
    void BuildLayout();
    void MarkSeen();
    // Open and not minimised: what it shows counts as seen.
    bool Shown() const;
    bool AtNewestLine() const;
    void SaveGeometry() const;

    ConsoleLog& log_;
    QString settingsPath_;
    ConsoleLogModel* model_;
    ConsoleLogFilterModel* filter_;
    // Scrolls to the newest line once per turn of the event loop, however
    // many times entries came.
    QTimer* follow_;
};

}  // namespace tessel
