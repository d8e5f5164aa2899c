#include "viewkit/field_row.hpp"

#include "viewkit/controls.hpp"
#include "viewkit/page_host.hpp"

#include <QLabel>
#include <QToolButton>

namespace tessel {

namespace {

constexpr int RowHeight = 22;

}  // namespace

FieldRowBuilder::FieldRowBuilder(QWidget* group, PageHost& host, FieldColumns columns)
    : group_(group), host_(host), columns_(columns) {}

PlacedRow FieldRowBuilder::Place(const FieldRow& row, int y) {
    const FieldColumns& c = columns_;
    if (row.caption != nullptr) {
        QLabel* caption = MakeRowLabel(group_, row.caption, c.labelX, y, c.fieldX - c.labelX - 4);
        NameAfterCaption(caption, row.field);
        row.field->setGeometry(c.fieldX, y, c.fieldWidth, RowHeight);
    } else {
        row.field->setGeometry(c.labelX, y, c.fieldX + c.fieldWidth - c.labelX, RowHeight);
    }
    PlacedRow placed{nullptr, host_.MakeHelpButton(group_, QLatin1String(row.help))};
    placed.help->move(c.HelpX(), y + 2);
    ChainTab(row.field);
    if (row.change != nullptr) {
        placed.change = MakeChangeButton(group_, row.change, c.ChangeX(), y);
        ChainTab(placed.change);
    }
    return placed;
}

void FieldRowBuilder::ChainTab(QWidget* widget) {
    if (lastTab_ != nullptr) {
        QWidget::setTabOrder(lastTab_, widget);
    }
    lastTab_ = widget;
}

}  // namespace tessel
