#include "widgets/spin_editor.hpp"

#include <QSignalSpy>

#include <gtest/gtest.h>

namespace tessel {
namespace {

TEST(SpinEditor, KeepsTheTypedTextAndRoundsOnRequest) {
    TSpinEditor editor;
    editor.setRange(3, 3600);
    editor.setSingleStep(1);
    editor.SetText("5");
    EXPECT_EQ(editor.Text(), "5");
    EXPECT_EQ(editor.RoundedValue(), 5);

    TSpinEditor fine;
    fine.setDecimals(1);
    fine.setRange(0, 100);
    fine.SetText("2.6");
    EXPECT_EQ(fine.Text(), "2.6");
    EXPECT_EQ(fine.RoundedValue(), 3);
    fine.SetText("2.4");
    EXPECT_EQ(fine.RoundedValue(), 2);
}

TEST(SpinEditor, StepsWithinItsRangeAndReportsEveryChange) {
    TSpinEditor editor;
    editor.setRange(3, 10);
    editor.setSingleStep(2);
    QSignalSpy changed(&editor, &TSpinEditor::Changed);
    editor.setValue(9);
    editor.stepBy(1);
    EXPECT_EQ(editor.RoundedValue(), 10);
    editor.stepBy(-5);
    EXPECT_EQ(editor.RoundedValue(), 3);
    EXPECT_GE(changed.count(), 3);
    editor.SetText("50");
    EXPECT_LE(editor.value(), 10);
}

}  // namespace
}  // namespace tessel
