#pragma once

// The rows of a settings group: a caption left of the field, the field, its
// "Click to change" button and its help button, all in columns the group's
// rows share. The caption is the field's buddy, so tools that read the
// screen name the field by its caption instead of by the group's title; the
// rows chain the tab order field, change button, next field.

#include <QWidget>

class QToolButton;

namespace tessel {

class PageHost;

// Where a group's rows stand: the caption from labelX, the field from fieldX;
// the change and help buttons follow the field.
struct FieldColumns {
    int labelX;
    int fieldX;
    int fieldWidth;

    constexpr int ChangeX() const { return fieldX + fieldWidth + 4; }
    constexpr int HelpX() const { return ChangeX() + 30; }
};

struct FieldRow {
    // nullptr: a check box, which carries its own caption and takes the
    // caption's place too.
    const char* caption;
    QWidget* field;
    // The change button's object name; nullptr: the row has none.
    const char* change;
    const char* help;
};

struct PlacedRow {
    QToolButton* change;  // nullptr when the row has none
    QToolButton* help;
};

class FieldRowBuilder {
  public:
    FieldRowBuilder(QWidget* group, PageHost& host, FieldColumns columns);

    // Places row one row high at y and appends its field and change button
    // to the tab chain.
    PlacedRow Place(const FieldRow& row, int y);
    // Appends widget (a button under the rows) to the tab chain.
    void ChainTab(QWidget* widget);

  private:
    QWidget* group_;
    PageHost& host_;
    FieldColumns columns_;
    QWidget* lastTab_ = nullptr;
};

}  // namespace tessel
