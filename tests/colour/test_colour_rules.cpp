#include "canvas/Editor.h"
#include "colour/ColourStripLogic.h"
#include "colour/RgbControls.h"
#include "support/TestSupport.h"
#include "view/Zoom.h"

#include <array>
#include <gtest/gtest.h>
#include <vector>

using namespace zep;

namespace {

constexpr ColourValue kRed = 0x0000FF, kGreen = 0x00FF00, kBlue = 0xFF0000;
constexpr ColourValue kWhite = 0xFFFFFF;

// One object of each kind on a page at 50 %, none selected.
class ColourRules : public ::testing::Test {
protected:
    Editor ed;
    int text = 0, picture = 0, shape = 0, line = 0;

    void SetUp() override {
        Document& d = ed.doc;
        d.clear();
        ed.gSelObject = {};
        ed.gSelName.clear();
        d.gZoom = 50;
        text = add(ObjectKind::Text);
        d.gTextBase[text] = {36, 1000, 1000};
        picture = add(ObjectKind::Picture);
        d.gImageBase[picture] = {QStringLiteral("a.bmp"), 0, 0, 600, 600};
        shape = add(ObjectKind::Shape);
        d.gShapeBase[shape] = {2, 3000, 3000, 900, 600};
        line = add(ObjectKind::Line);
        d.gLineBase[line] = {1, 0, 0, 1500, 1500};
        ApplyZoomToObjects(d);
        d.mv내용수정 = false;
    }

    int add(ObjectKind kind) {
        const int n = ed.doc.loadElement(kind);
        ed.doc.growTable(kind, n);
        ed.doc.appendToList(kind, n);
        ed.doc.setVisible({kind, n}, true);
        return n;
    }

    void select(ObjectKind kind, int n) {
        ed.gSelObject = {kind, n};
        ed.gSelName = kindName(kind);
        ed.gSelIndex = n;
    }

    // Every colour property of the page, to see which one changed.
    std::array<ColourValue, 4> colours() const {
        const Document& d = ed.doc;
        return {d.txt그리기[text].ForeColor, d.shp그리기[shape].BorderColor,
                d.shp그리기[shape].BackColor, d.lin그리기[line].BorderColor};
    }
};

} // namespace

TEST_F(ColourRules, EachKindTakesItsSideAndOnlyAChangeMarksTheDocument) {
    enum Slot { TextFore, ShapeBorder, ShapeFill, LineBorder, Nothing };
    const struct {
        ObjectKind kind;
        ColourSide side;
        Slot changes;
    } cases[] = {
        {ObjectKind::Text, ColourSide::Fore, TextFore},
        {ObjectKind::Text, ColourSide::Back, Nothing}, // labels are transparent
        {ObjectKind::Shape, ColourSide::Fore, ShapeBorder},
        {ObjectKind::Shape, ColourSide::Back, ShapeFill},
        {ObjectKind::Line, ColourSide::Fore, LineBorder},
        {ObjectKind::Line, ColourSide::Back, Nothing},
        {ObjectKind::Picture, ColourSide::Fore, Nothing},
        {ObjectKind::Picture, ColourSide::Back, Nothing},
    };
    const int index[] = {0, text, picture, shape, line};
    for (const auto& c : cases) {
        SetUp();
        select(c.kind, index[static_cast<int>(c.kind)]);
        const auto before = colours();
        const bool changed = ApplyColorToSelection(ed, c.side, RGBValue(10, 20, 30));
        auto expected = before;
        if (c.changes != Nothing) expected[c.changes] = RGBValue(10, 20, 30);
        const std::string label =
            kindName(c.kind).toStdString() + (c.side == ColourSide::Fore ? " fore" : " back");
        EXPECT_EQ(colours(), expected) << label;
        EXPECT_EQ(changed, c.changes != Nothing) << label;
        EXPECT_EQ(ed.doc.mv내용수정, c.changes != Nothing) << label;

        // The same colour again is no change.
        ed.doc.mv내용수정 = false;
        EXPECT_FALSE(ApplyColorToSelection(ed, c.side, RGBValue(10, 20, 30))) << label;
        EXPECT_FALSE(ed.doc.mv내용수정) << label;
    }

    // Colours are not part of the zoom's records: rezooming keeps them.
    select(ObjectKind::Shape, shape);
    ApplyColorToSelection(ed, ColourSide::Back, kGreen);
    ed.doc.gZoom = 150;
    ApplyZoomToObjects(ed.doc);
    EXPECT_EQ(ed.doc.shp그리기[shape].BackColor, kGreen);
}

TEST_F(ColourRules, NothingOrAStaleSelectionIsLeftAlone) {
    EXPECT_FALSE(ApplyColorToSelection(ed, ColourSide::Fore, kRed));
    // The selection names an element that is gone (deleted elsewhere).
    select(ObjectKind::Line, line);
    ed.doc.removeElement(ObjectKind::Line, line);
    EXPECT_FALSE(ApplyColorToSelection(ed, ColourSide::Fore, kRed));
    // Name and element disagree.
    ed.gSelObject = {ObjectKind::Shape, shape};
    ed.gSelName = kTextName;
    EXPECT_FALSE(ApplyColorToSelection(ed, ColourSide::Fore, kRed));
    EXPECT_EQ(ed.doc.txt그리기[text].ForeColor, 0);
    EXPECT_FALSE(ed.doc.mv내용수정);
}

TEST(RgbBoxes, TypedTextMovesTheBarAndOutOfRangeIsCorrected) {
    const struct {
        const char* typed;
        const char* shown;
        int bar;
    } cases[] = {
        {"300", "255", 255}, {"-1", "0", 0},      {"2.5", "2.5", 2}, {"3.5", "3.5", 4},
        {"ab", "ab", 0},     {"12a", "12a", 12},  {" 7", " 7", 7},   {"", "", 0},
        {"1e2", "1e2", 100}, {"999", "255", 255},
    };
    for (const auto& c : cases) {
        RgbControls rgb;
        rgb.setBar(1, 100);
        rgb.setText(1, QString::fromLatin1(c.typed));
        EXPECT_EQ(rgb.text(1), QString::fromLatin1(c.shown)) << c.typed;
        EXPECT_EQ(rgb.bar(1), c.bar) << c.typed;
        EXPECT_EQ(rgb.mix(), RGBValue(0, c.bar, 0)) << c.typed;
    }
}

TEST(RgbBoxes, BarsNotifyOnlyOnChangeAndWriteTheirBox) {
    RgbControls rgb;
    std::vector<int> moved;
    rgb.barMoved = [&](int i) { moved.push_back(i); };
    rgb.setBar(2, 400);
    EXPECT_EQ(rgb.bar(2), 255);
    EXPECT_EQ(rgb.text(2), "255");
    rgb.setBar(2, 255);
    rgb.setText(2, QStringLiteral("255"));
    EXPECT_EQ(moved, std::vector<int>{2});

    // Showing a colour moves the bars one after another.
    moved.clear();
    rgb.showColour(RGBValue(1, 0, 3));
    EXPECT_EQ(moved, (std::vector<int>{0, 2}));
    EXPECT_EQ(rgb.text(0), "1");
    EXPECT_EQ(rgb.text(1), "0");
    EXPECT_EQ(rgb.text(2), "3");
}

TEST_F(ColourRules, BarsEditTheActiveSwatchAndItsSideOnly) {
    ColourStripLogic strip(ed);
    int repaints = 0;
    strip.objectChanged = [&] { ++repaints; };
    select(ObjectKind::Line, line);

    strip.swatchClicked(ColourSide::Back);
    EXPECT_EQ(ed.mvColorMode, "BACK");
    EXPECT_EQ(strip.rgb.text(0), "255"); // the white background swatch
    strip.rgb.setBar(1, 10);
    EXPECT_EQ(ed.backColour, RGBValue(255, 10, 255));
    EXPECT_EQ(ed.foreColour, 0);
    EXPECT_EQ(ed.doc.lin그리기[line].BorderColor, 0); // a line has no background
    EXPECT_EQ(repaints, 0);
    EXPECT_FALSE(ed.doc.mv내용수정);

    // Back on the foreground, whose colour differs from the bars: the line
    // takes the swatch's colour.
    ed.foreColour = kBlue;
    strip.swatchClicked(ColourSide::Fore);
    EXPECT_EQ(ed.doc.lin그리기[line].BorderColor, kBlue);
    EXPECT_EQ(strip.rgb.mix(), kBlue);
    strip.rgb.setText(0, QStringLiteral("128"));
    EXPECT_EQ(ed.doc.lin그리기[line].BorderColor, RGBValue(128, 0, 255));
    EXPECT_GT(repaints, 0);
    EXPECT_TRUE(ed.doc.mv내용수정);
}

TEST_F(ColourRules, SwapAndReset) {
    ColourStripLogic strip(ed);
    select(ObjectKind::Shape, shape);
    ed.foreColour = kRed;
    ed.backColour = kGreen;
    strip.swatchClicked(ColourSide::Fore);

    strip.swap();
    EXPECT_EQ(ed.foreColour, kGreen);
    EXPECT_EQ(ed.backColour, kRed);
    EXPECT_EQ(ed.doc.shp그리기[shape].BorderColor, kGreen);
    EXPECT_EQ(ed.doc.shp그리기[shape].BackColor, kRed);
    EXPECT_EQ(ed.mvColorMode, "FORE");
    EXPECT_EQ(strip.rgb.mix(), kGreen);

    // The same from the background side.
    strip.swatchClicked(ColourSide::Back);
    strip.swap();
    EXPECT_EQ(ed.foreColour, kRed);
    EXPECT_EQ(ed.backColour, kGreen);
    EXPECT_EQ(strip.rgb.mix(), kGreen);
    EXPECT_EQ(ed.mvColorMode, "BACK");

    // Bars that already show the colour being swapped in must not stop it.
    strip.swatchClicked(ColourSide::Fore); // bars show red
    ed.backColour = kRed;
    ed.foreColour = kBlue; // changed behind the bars' back
    strip.swap();
    EXPECT_EQ(ed.foreColour, kRed);
    EXPECT_EQ(ed.backColour, kBlue);

    // Reset: black on white, boxes by the mode.
    select(ObjectKind::Text, text);
    ed.doc.txt그리기[text].ForeColor = kRed;
    strip.reset();
    EXPECT_EQ(ed.foreColour, 0);
    EXPECT_EQ(ed.backColour, kWhite);
    EXPECT_EQ(ed.doc.txt그리기[text].ForeColor, 0);
    EXPECT_EQ(strip.rgb.text(1), "0");
    strip.swatchClicked(ColourSide::Back);
    strip.reset();
    EXPECT_EQ(strip.rgb.text(1), "255");
    EXPECT_EQ(ed.mvColorMode, "BACK");
}

TEST_F(ColourRules, AfterTheDialogTheBoxesShowTheChoice) {
    ColourStripLogic strip(ed);
    select(ObjectKind::Shape, shape);
    strip.swatchClicked(ColourSide::Back);
    ed.backColour = RGBValue(1, 2, 3); // what the dialog chose
    strip.dialogClosed(ColourSide::Back, true);
    EXPECT_EQ(ed.doc.shp그리기[shape].BackColor, RGBValue(1, 2, 3));
    EXPECT_EQ(strip.rgb.text(2), "3");

    // Cancel leaves everything as it was.
    ed.doc.mv내용수정 = false;
    strip.dialogClosed(ColourSide::Back, false);
    EXPECT_EQ(ed.doc.shp그리기[shape].BackColor, RGBValue(1, 2, 3));
    EXPECT_FALSE(ed.doc.mv내용수정);
}

TEST_F(ColourRules, ANewDocumentSwitchesTheControlsToTheForeground) {
    ColourStripLogic strip(ed);
    ed.foreColour = kRed;
    strip.swatchClicked(ColourSide::Back);
    ed.ResetDocument();
    strip.sync();
    EXPECT_EQ(ed.mvColorMode, "FORE");
    EXPECT_EQ(strip.rgb.mix(), kRed);
    strip.rgb.setBar(1, 255);
    EXPECT_EQ(ed.foreColour, RGBValue(255, 255, 0));
    EXPECT_EQ(ed.backColour, kWhite);
}

TEST_F(ColourRules, EyedropperToggleReleasesTheToolsAndLandsOnSelect) {
    ed.activeTool = ToolText;
    ed.ApplyToolPointer(ToolText);
    toggleEyedropper(ed);
    EXPECT_TRUE(ed.mvEyedropper);
    EXPECT_EQ(ed.activeTool, ToolNone);
    EXPECT_EQ(ed.mvMousePointer, PointerCustom);
    EXPECT_EQ(ed.doc.txt그리기[text].MousePointer, PointerCustom);
    EXPECT_EQ(ed.doc.img그리기[picture].MousePointer, PointerCustom);

    toggleEyedropper(ed);
    EXPECT_FALSE(ed.mvEyedropper);
    EXPECT_EQ(ed.activeTool, ToolSelect);
    EXPECT_EQ(ed.mvMousePointer, PointerArrow);
    EXPECT_EQ(ed.doc.txt그리기[text].MousePointer, PointerArrow);
}

TEST_F(ColourRules, ASampleGoesToTheActiveSwatchAndItsSide) {
    select(ObjectKind::Line, line);
    ed.mvColorMode = QStringLiteral("BACK");
    takeColourSample(ed, kRed);
    EXPECT_EQ(ed.backColour, kRed);
    EXPECT_EQ(ed.doc.lin그리기[line].BorderColor, 0);
    ed.mvColorMode = QStringLiteral("FORE");
    takeColourSample(ed, kGreen);
    EXPECT_EQ(ed.foreColour, kGreen);
    EXPECT_EQ(ed.doc.lin그리기[line].BorderColor, kGreen);
}
