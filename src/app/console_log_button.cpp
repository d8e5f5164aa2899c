#include "app/console_log_button.hpp"

#include "app/console_log_window.hpp"

#include <QKeySequence>
#include <QShortcut>

namespace tessel {

ConsoleLogButton::ConsoleLogButton(ConsoleLogWindow& window, QWidget* parent)
    : QPushButton(QStringLiteral("Console log"), parent) {
    setObjectName(QStringLiteral("ConsoleLogButton"));
    // Not the button's own shortcut, which every caption change resets.
    auto* shortcut = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_L), this);
    connect(shortcut, &QShortcut::activated, &window, &ConsoleLogWindow::Open);
    setToolTip(QStringLiteral("What went to the router and what it answered (Ctrl+L)"));
    connect(this, &QPushButton::clicked, &window, &ConsoleLogWindow::Open);
    connect(&window, &ConsoleLogWindow::UnreadChanged, this, &ConsoleLogButton::ShowUnread);
}

void ConsoleLogButton::ShowUnread(int unread) {
    setText(unread > 0 ? QStringLiteral("Console log (%1)").arg(unread)
                       : QStringLiteral("Console log"));
    QFont bold = font();
    bold.setBold(unread > 0);
    setFont(bold);
}

}  // namespace tessel
