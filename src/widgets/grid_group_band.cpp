#include "widgets/grid_group_band.hpp"

#include "widgets/grid_view.hpp"

#include <QFrame>
#include <QHeaderView>
#include <QLabel>
#include <QScrollBar>

namespace tessel {

GridGroupBand::GridGroupBand(GridView* grid, std::vector<ColumnGroup> groups, int height)
    : QWidget(grid->parentWidget()), grid_(grid) {
    setGeometry(grid->x(), grid->y() - height, grid->width(), height);
    for (ColumnGroup& group : groups) {
        auto* label = new QLabel(group.label, this);
        label->setObjectName(QStringLiteral("GroupLabel") + group.label);
        label->setAlignment(Qt::AlignCenter);
        auto* line = new QFrame(this);
        line->setFrameShape(QFrame::HLine);
        line->setFrameShadow(QFrame::Sunken);
        pieces_.push_back({std::move(group), label, line});
    }
    QHeaderView* header = grid_->horizontalHeader();
    connect(header, &QHeaderView::sectionResized, this, &GridGroupBand::Arrange);
    connect(header, &QHeaderView::geometriesChanged, this, &GridGroupBand::Arrange);
    connect(grid_->horizontalScrollBar(), &QScrollBar::valueChanged, this, &GridGroupBand::Arrange);
    Arrange();
}

std::vector<QLabel*> GridGroupBand::Labels() const {
    std::vector<QLabel*> labels;
    for (const Piece& piece : pieces_) {
        labels.push_back(piece.label);
    }
    return labels;
}

void GridGroupBand::Arrange() {
    const QHeaderView* header = grid_->horizontalHeader();
    // Header positions are relative to the grid's viewport, which sits
    // inside the grid's frame; the band starts where the grid does.
    const int offset = grid_->viewport()->geometry().x();
    const int lineY = height() - 4;
    for (const Piece& piece : pieces_) {
        const int left = offset + header->sectionViewportPosition(piece.group.first);
        const int right = offset + header->sectionViewportPosition(piece.group.last) +
                          header->sectionSize(piece.group.last);
        const int width = std::max(0, right - left - 4);
        piece.label->setGeometry(left + 2, 0, width, lineY);
        piece.line->setGeometry(left + 2, lineY, width, 3);
    }
}

}  // namespace tessel
