#pragma once

// Small builders shared by the base-station and CPE pages: every control is
// created with its parent (Qt owns it), its object name and its geometry.

#include "app/text_bridge.hpp"
#include "core/router/grid_columns.hpp"
#include "utilities/report_columns.hpp"
#include "widgets/grid_column.hpp"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QString>
#include <QStringList>

#include <span>
#include <string>
#include <vector>

namespace tessel::views {

template <typename Widget>
Widget* Named(Widget* widget, const char* name) {
    widget->setObjectName(QLatin1String(name));
    return widget;
}

inline QLabel* MakeCaption(QWidget* parent, const QString& text, int x, int y, int width = 120) {
    auto* label = new QLabel(text, parent);
    label->setGeometry(x, y, width, 17);
    return label;
}

inline QLineEdit* MakeEdit(QWidget* parent, const char* name, int x, int y, int width) {
    auto* edit = Named(new QLineEdit(parent), name);
    edit->setGeometry(x, y, width, 21);
    return edit;
}

inline QComboBox* MakeSelector(QWidget* parent, const char* name, int x, int y, int width) {
    auto* box = Named(new QComboBox(parent), name);
    box->setEditable(false);
    box->setGeometry(x, y, width, 21);
    return box;
}

inline QPushButton* MakeButton(QWidget* parent, const char* name, const QString& caption, int x,
                               int y, int width) {
    auto* button = Named(new QPushButton(caption, parent), name);
    button->setGeometry(x, y, width, 25);
    return button;
}

// A grid's columns from the page's column layout, with the page's pixel
// widths (one per column).
inline std::vector<GridColumn> GridColumnsOf(std::span<const ReportColumn> layout,
                                             std::span<const int> widths) {
    return ReportGridColumns(layout, widths);
}

// The radio number the router's tables use for a selector's position: the
// position counted from 1 (0 when nothing is selected, which names no radio).
inline int RadioNumberOf(const QComboBox* selector) {
    return selector->currentIndex() + 1;
}

}  // namespace tessel::views
