#pragma once

// Draws a Bars cell as a row of up to 16 small bars; an empty cell draws
// nothing but the selection background.

#include <QStyledItemDelegate>

namespace tessel {

class GridBarDelegate : public QStyledItemDelegate {
    Q_OBJECT
  public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
};

}  // namespace tessel
