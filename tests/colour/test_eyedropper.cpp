#include "canvas/WindowDriver.h"
#include "colour/ColourStripLogic.h"

#include <gtest/gtest.h>

using namespace zep;
using zep::test::WindowDriver;

// The real main window: the tool palette's state, and a sample taken from the
// page while the eyedropper is on.
TEST(Eyedropper, ReleasesTheToolsAndSamplesThePageIntoTheSelection) {
    WindowDriver w(100);
    const int fill = w.addShape(3000, 3000, 1500, 1500);
    w.doc().shp그리기[fill].BackStyle = 1;
    w.doc().shp그리기[fill].BackColor = RGBValue(200, 40, 10);
    w.addText(1500, 4500);
    w.addLine(1500, 1500, 3000, 1500);
    w.click(2250, 1500); // selects the line
    ASSERT_EQ(w.ed().gSelName, kLineName);

    toggleEyedropper(w.ed());
    EXPECT_EQ(w.checkedTool(), ToolNone);
    EXPECT_EQ(w.ed().mvMousePointer, PointerCustom);

    // A press on the text object samples; it neither selects nor moves it.
    w.press(1600, 4600);
    EXPECT_TRUE(w.ed().mvColorDrag);
    EXPECT_EQ(w.ed().gSelName, kLineName);
    QTest::qWait(30);
    sampleColourAt(w.ed(), w.page()->mapToGlobal(WindowDriver::px(3750, 3750)));
    EXPECT_EQ(SplitRGB(w.doc().lin그리기[1].BorderColor), (RGBBytes{200, 40, 10}));
    EXPECT_EQ(SplitRGB(w.ed().foreColour), (RGBBytes{200, 40, 10}));
    EXPECT_TRUE(w.doc().mv내용수정);
    w.release(1600, 4600);
    EXPECT_FALSE(w.ed().mvColorDrag);
    EXPECT_FLOAT_EQ(w.doc().gTextBase[1].Left, 1500);

    // Choosing a tool turns the eyedropper off and that tool stays down.
    w.clickTool(ToolRectangle);
    EXPECT_FALSE(w.ed().mvEyedropper);
    EXPECT_EQ(w.checkedTool(), ToolRectangle);

    // Off by its own button: the first tool.
    toggleEyedropper(w.ed());
    toggleEyedropper(w.ed());
    EXPECT_EQ(w.checkedTool(), ToolSelect);
    EXPECT_EQ(w.ed().mvMousePointer, PointerArrow);
}
