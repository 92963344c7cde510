#include "canvas/Editor.h"
#include "document/Page.h"
#include "document/TextLayout.h"
#include "support/TestSupport.h"
#include "view/Rulers.h"
#include "view/Zoom.h"

#include <gtest/gtest.h>

using namespace zep;

TEST(Zoom, ScaledBorderWidthRule) {
    struct Case {
        double z;
        int w;
        int want;
    };
    for (const Case& c :
         {Case{0.75, 1, 1}, Case{0.75, 3, 2}, Case{0.5, 5, 3}, Case{0.25, 1, 1}, Case{1.5, 2, 3},
          Case{2.0, 3, 6}, Case{1.5, 1, 2}, Case{0.05, 1, 0}, Case{0.1, 1, 1}, Case{1, 0, 0}})
        EXPECT_EQ(ScaledBorderWidth(c.z, c.w), c.want) << c.z << " x " << c.w;
}

TEST(Zoom, BoxRules) {
    EXPECT_EQ(zoomForTypedText("33.9", 75), 33);
    EXPECT_EQ(zoomForTypedText("5", 75), std::nullopt);
    EXPECT_EQ(zoomForTypedText("250", 75), std::nullopt);
    EXPECT_EQ(zoomForTypedText("abc", 75), std::nullopt);
    EXPECT_EQ(zoomForTypedText("75", 75), std::nullopt);
    EXPECT_EQ(zoomForListChoice("150", 75), 150);
    EXPECT_EQ(zoomButtonText(1, "20"), QString("10"));
    EXPECT_EQ(zoomButtonText(1, "10"), QString("10"));
    EXPECT_EQ(zoomButtonText(1, "75"), QString("65"));
    EXPECT_EQ(zoomButtonText(0, "195"), QString("205")); // then ignored by the box
    EXPECT_EQ(zoomButtonText(0, "200"), std::nullopt);
}

namespace {
Editor editorWithOneOfEach() {
    test::pinFonts();
    Editor ed;
    Document& d = ed.doc;
    d.gZoom = 100;
    ApplyPageSize(d, 210, 297);
    int n = d.loadElement(ObjectKind::Picture);
    d.growTable(ObjectKind::Picture, n);
    d.gImageBase[n] = {"", 1000, 2000, 3000, 4000};
    d.appendToList(ObjectKind::Picture, n);
    n = d.loadElement(ObjectKind::Shape);
    d.growTable(ObjectKind::Shape, n);
    d.gShapeBase[n] = {1, 100, 200, 300, 400};
    d.appendToList(ObjectKind::Shape, n);
    n = d.loadElement(ObjectKind::Line);
    d.growTable(ObjectKind::Line, n);
    d.gLineBase[n] = {3, 10, 20, 30, 40};
    d.appendToList(ObjectKind::Line, n);
    n = d.loadElement(ObjectKind::Text);
    d.txt그리기[n].Caption = "SALE";
    d.txt그리기[n].Tag = "72";
    d.growTable(ObjectKind::Text, n);
    d.gTextBase[n] = {72, 1500, 2000};
    d.appendToList(ObjectKind::Text, n);
    n = d.loadElement(ObjectKind::Text);
    d.txt그리기[n].Caption = "가나";
    d.txt그리기[n].AutoSize = false;
    d.growTable(ObjectKind::Text, n);
    d.gTextBase[n] = {40, 0, 0};
    d.appendToList(ObjectKind::Text, n);
    return ed;
}
} // namespace

TEST(Zoom, ApplyZoomRebuildsEveryKindFromItsRecord) {
    Editor ed = editorWithOneOfEach();
    ed.ApplyZoom(200);
    const Document& d = ed.doc;
    EXPECT_FLOAT_EQ(d.img그리기[1].Left, 2000);
    EXPECT_FLOAT_EQ(d.img그리기[1].Height, 8000);
    EXPECT_FLOAT_EQ(d.shp그리기[1].Width, 600);
    EXPECT_EQ(d.shp그리기[1].BorderWidth, 2);
    EXPECT_EQ(d.lin그리기[1].BorderWidth, 6);
    EXPECT_FLOAT_EQ(d.lin그리기[1].X2, 60);
    ed.ApplyZoom(75);
    EXPECT_DOUBLE_EQ(d.txt그리기[1].FontSize, 54);
    EXPECT_EQ(d.txt그리기[1].Tag, "72");
    EXPECT_FLOAT_EQ(d.txt그리기[1].Left, 1125);
    EXPECT_EQ(d.shp그리기[1].BorderWidth, 1);
    // Vertical text is laid out again at the new size.
    TextElement check = d.txt그리기[2];
    check.Caption = "가나";
    MakeVerticalText(check);
    EXPECT_EQ(d.txt그리기[2].Height, check.Height);
    EXPECT_FALSE(d.mv내용수정);
}

TEST(Zoom, SelectionMarksFollowTheNewGeometry) {
    Editor ed = editorWithOneOfEach();
    ed.ApplyZoom(100);
    ed.mf객체찾기(1200, 5000); // the picture, clear of the text
    ASSERT_EQ(ed.gSelName, kPictureName);
    ed.ApplyZoom(50);
    EXPECT_FLOAT_EQ(ed.marks.lin테두리[0].X1, 500);
    EXPECT_FLOAT_EQ(ed.marks.grip(Grip::NWSE0).Left, 500 - 45);
}

TEST(Rulers, TickStepsAndFirstNumber) {
    struct Case {
        int zoom;
        int step;
        double font;
    };
    for (const Case& c : {Case{25, 14, 2}, Case{50, 28, 4}, Case{75, 43, 6}, Case{100, 57, 8},
                          Case{150, 85, 8}, Case{200, 113, 8}}) {
        EXPECT_EQ(rulerTickStep(c.zoom), c.step) << c.zoom;
        const RulerLayout h = horizontalRuler(c.zoom, 11907);
        EXPECT_DOUBLE_EQ(h.fontSize, c.font);
        ASSERT_GE(h.ticks.size(), 11u);
        EXPECT_DOUBLE_EQ(h.ticks[1].pos, c.step);
        EXPECT_DOUBLE_EQ(h.ticks[5].from, 141.75); // half centimetre
        EXPECT_DOUBLE_EQ(h.ticks[10].from, 0);     // centimetre
    }
    const RulerLayout h = horizontalRuler(100, 11907);
    EXPECT_EQ(h.labels[0].text, " 0");
    EXPECT_DOUBLE_EQ(h.labels[0].x, -39.69);
    // Ticks run while x <= width: 12190.5 rounds to 12190, last tick 213 * 57.
    EXPECT_DOUBLE_EQ(h.ticks.back().pos, 213 * 57);
    // Vertical numbers stack their digits: "10" at y = 5700 as "1" at x = 1, then "0" at x = 0
    // below.
    const RulerLayout v = verticalRuler(100, 16839.9);
    auto it = std::find_if(v.labels.begin(), v.labels.end(),
                           [](const RulerLabel& l) { return l.y == 5700; });
    ASSERT_NE(it, v.labels.end());
    EXPECT_EQ(it->text, "1");
    EXPECT_DOUBLE_EQ(it->x, 1);
    ASSERT_NE(it + 1, v.labels.end());
    EXPECT_EQ((it + 1)->text, "0");
    EXPECT_DOUBLE_EQ((it + 1)->x, 0);
    EXPECT_DOUBLE_EQ((it + 1)->y, 5700 + 129.6);
}
