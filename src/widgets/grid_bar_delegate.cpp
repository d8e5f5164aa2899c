#include "widgets/grid_bar_delegate.hpp"

#include "widgets/grid_column.hpp"
#include "widgets/grid_model.hpp"

#include <QApplication>
#include <QPainter>

namespace tessel {

void GridBarDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                            const QModelIndex& index) const {
    QStyleOptionViewItem background = option;
    initStyleOption(&background, index);
    background.text.clear();
    QStyle* style = option.widget != nullptr ? option.widget->style() : QApplication::style();
    style->drawControl(QStyle::CE_ItemViewItem, &background, painter, option.widget);

    const int level = index.data(GridModel::BarsRole).toInt();
    if (!index.data(GridModel::BarsRole).isValid() || level < 0) {
        return;
    }
    const QRect area = option.rect.adjusted(2, 3, -2, -3);
    const int slot = std::max(1, area.width() / GridMaxBars);
    painter->save();
    for (int bar = 0; bar < GridMaxBars; ++bar) {
        const QRect cell(area.left() + bar * slot, area.top(), std::max(1, slot - 1),
                         area.height());
        if (bar < level) {
            painter->fillRect(cell, option.palette.color(QPalette::Highlight));
        } else {
            painter->fillRect(cell, option.palette.color(QPalette::Midlight));
        }
    }
    painter->restore();
}

}  // namespace tessel
