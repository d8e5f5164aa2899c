#pragma once

// Labels standing above runs of a grid's columns, each with a line under it
// that spans its columns. The band follows the grid's header, so the labels
// stay over their columns when a column is resized or the grid scrolls.

#include "widgets/grid_column.hpp"

#include <QWidget>

#include <vector>

class QFrame;
class QLabel;

namespace tessel {

class GridView;

class GridGroupBand : public QWidget {
    Q_OBJECT
  public:
    // The band takes its place right above grid (already placed, in the same
    // parent), as wide as the grid and height pixels high.
    GridGroupBand(GridView* grid, std::vector<ColumnGroup> groups, int height);

    // The label of each group, in column order.
    std::vector<QLabel*> Labels() const;

  private:
    void Arrange();

    struct Piece {
        ColumnGroup group;
        QLabel* label;
        QFrame* line;
    };
    GridView* grid_;
    std::vector<Piece> pieces_;
};

}  // namespace tessel
