#pragma once

// A tab page whose own class has not joined the window yet: named, empty.

#include <QWidget>

namespace tessel {

class TPlaceholderPage : public QWidget {
    Q_OBJECT
  public:
    explicit TPlaceholderPage(const QString& name, QWidget* parent = nullptr);
};

}  // namespace tessel
