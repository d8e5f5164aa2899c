#include "app/placeholder_page.hpp"

namespace tessel {

TPlaceholderPage::TPlaceholderPage(const QString& name, QWidget* parent) : QWidget(parent) {
    setObjectName(name);
}

}  // namespace tessel
