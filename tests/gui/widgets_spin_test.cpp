#include "widgets/spin_editor.hpp"

#include <QSignalSpy>

#include <gtest/gtest.h>

#include <limits>

namespace tessel {
namespace {

TEST(SpinEditor, KeepsTheTypedTextAndRoundsOnRequest) {
    SpinEditor editor;
    editor.setRange(3, 3600);
    editor.setSingleStep(1);
    editor.SetText("5");
    EXPECT_EQ(editor.Text(), "5");
    EXPECT_EQ(editor.RoundedValue(), 5);

    SpinEditor fine;
    fine.setDecimals(1);
    fine.setRange(0, 100);
    fine.SetText("2.6");
    EXPECT_EQ(fine.Text(), "2.6");
    EXPECT_EQ(fine.RoundedValue(), 3);
    fine.SetText("2.4");
    EXPECT_EQ(fine.RoundedValue(), 2);
}

TEST(SpinEditor, StepsWithinItsRangeAndReportsEveryChange) {
    SpinEditor editor;
    editor.setRange(3, 10);
    editor.setSingleStep(2);
    QSignalSpy changed(&editor, &SpinEditor::Changed);
    editor.setValue(9);
    editor.stepBy(1);
    EXPECT_EQ(editor.RoundedValue(), 10);
    editor.stepBy(-5);
    EXPECT_EQ(editor.RoundedValue(), 3);
    EXPECT_GE(changed.count(), 3);
    editor.SetText("50");
    EXPECT_LE(editor.value(), 10);
}

// The router's value is shown as read, even where the editor's own range or
// a failed read (the empty text) could not be a value: 0 would be sent back
// as a setting of its own ("ifc lo0 mtu 0", an ICMP limit of 0 = no limit).
TEST(SpinEditor, ShowsTheRoutersTextEvenOutsideItsRange) {
    SpinEditor mtu;
    mtu.setRange(0, 1580);
    mtu.SetText("1500");
    mtu.SetText("16384");
    EXPECT_EQ(mtu.Text(), "16384");
    // Taken in (focus leaving, the page shown again): still as read.
    mtu.interpretText();
    mtu.show();
    EXPECT_EQ(mtu.Text(), "16384");
    // A step starts from the nearest bound.
    mtu.stepBy(-1);
    EXPECT_EQ(mtu.Text(), "1579");
    mtu.SetText("");
    EXPECT_EQ(mtu.Text(), "");
    mtu.setValue(1500);
    EXPECT_EQ(mtu.Text(), "1500");

    SpinEditor icmp;
    icmp.setRange(std::numeric_limits<int>::min(), std::numeric_limits<int>::max());
    icmp.SetText("50");
    icmp.SetText("");
    icmp.interpretText();
    EXPECT_EQ(icmp.Text(), "");
    EXPECT_EQ(icmp.RoundedValue(), 50);
}

}  // namespace
}  // namespace tessel
