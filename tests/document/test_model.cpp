#include "canvas/Editor.h"
#include "canvas/HitTest.h"
#include "document/Page.h"
#include "document/TextLayout.h"
#include "shell/Units.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

using namespace zep;

TEST(Page, A4FiguresAndOrientationReset) {
    Document d;
    d.gLandscape = true;
    ApplyPageSize(d, 210, 297);
    EXPECT_FLOAT_EQ(d.gPageWidth, 11907.0f);
    EXPECT_FLOAT_EQ(d.gPageHeight, 16839.9f);
    EXPECT_FALSE(d.gLandscape);
    d.gZoom = 100;
    const QSizeF area = scrollableArea(d);
    EXPECT_NEAR(area.width(), 12190.5, 1e-3);
    EXPECT_NEAR(area.height(), 17123.4, 1e-2);
}

TEST(Model, ResetLeavesOnlyTemplatesAndEmptyTables) {
    Editor ed;
    ed.doc.gZoom = 100;
    ed.doc.loadElement(ObjectKind::Shape);
    ed.doc.appendToList(ObjectKind::Shape, 1);
    ed.doc.growTable(ObjectKind::Shape, 5);
    ed.doc.mvBackPicturePath = "/x/sky.jpg";
    ed.doc.mv내용수정 = true;
    ed.pasteEnabled = true;
    ed.gSelObject = {ObjectKind::Shape, 1};
    ed.gSelName = kShapeName;
    ed.gSelIndex = 1;
    ed.mvMousePointer = PointerCross;
    ed.marks.lin테두리[0].Visible = true;

    ed.ResetDocument();
    const Document& d = ed.doc;
    EXPECT_EQ(d.mvObjectCount(), 0);
    EXPECT_EQ(d.mvObjects.size(), 1u);
    for (auto k : {ObjectKind::Text, ObjectKind::Picture, ObjectKind::Shape, ObjectKind::Line})
        EXPECT_EQ(d.count(k), 0);
    EXPECT_EQ(d.gShapeBase.size(), 2u);
    EXPECT_EQ(d.gShapeBase[1].Width, 0.0f);
    EXPECT_EQ(d.gTextBase.size(), 2u);
    EXPECT_TRUE(d.mvBackPicturePath.isEmpty());
    EXPECT_TRUE(d.img배경.isNull());
    EXPECT_FALSE(d.mv내용수정);
    EXPECT_EQ(d.gZoom, 0);
    EXPECT_FALSE(ed.pasteEnabled);
    EXPECT_TRUE(ed.gSelObject.isNone());
    EXPECT_TRUE(ed.gSelName.isEmpty());
    EXPECT_EQ(ed.gSelIndex, 0);
    EXPECT_EQ(ed.mvMousePointer, PointerArrow);
    EXPECT_FALSE(ed.marks.lin테두리[0].Visible);
}

namespace {
// Creates an object by the protocol: element, table entry, list entry.
int addShape(Document& d, float l, float t, float w, float h) {
    const int n = d.loadElement(ObjectKind::Shape);
    auto& s = d.shp그리기[n];
    s.Left = l, s.Top = t, s.Width = w, s.Height = h, s.Visible = true;
    d.growTable(ObjectKind::Shape, n);
    d.gShapeBase[n] = {1, l, t, w, h};
    d.appendToList(ObjectKind::Shape, n);
    return n;
}
} // namespace

TEST(Model, CreationOrderIsStackingOrder) {
    Document d;
    d.gZoom = 100;
    const int t = d.loadElement(ObjectKind::Text);
    d.txt그리기[t].Left = 0, d.txt그리기[t].Top = 0, d.txt그리기[t].Width = 1000,
    d.txt그리기[t].Height = 1000;
    d.appendToList(ObjectKind::Text, t);
    const int p = d.loadElement(ObjectKind::Picture);
    d.img그리기[p].Width = 1000, d.img그리기[p].Height = 1000;
    d.appendToList(ObjectKind::Picture, p);
    const int s = addShape(d, 0, 0, 1000, 1000);
    EXPECT_EQ(t, 1);
    EXPECT_EQ(p, 1);
    EXPECT_EQ(s, 1);
    ASSERT_EQ(d.mvObjectCount(), 3);
    EXPECT_EQ(d.mvObjects[1], (ObjectRef{kTextName, 1}));
    EXPECT_EQ(d.mvObjects[2], (ObjectRef{kPictureName, 1}));
    EXPECT_EQ(d.mvObjects[3], (ObjectRef{kShapeName, 1}));
    // The third covers the first two.
    EXPECT_EQ(frontmostAt(d, 500, 500).kind, ObjectKind::Shape);
}

TEST(Model, DeletingShiftsLaterElementsTheirRecordsAndEntries) {
    Document d;
    d.gZoom = 100;
    addShape(d, 0, 0, 10, 10);
    addShape(d, 500, 500, 20, 20);
    d.removeElement(ObjectKind::Shape, 1);
    ASSERT_EQ(d.count(ObjectKind::Shape), 1);
    EXPECT_EQ(d.shp그리기[1].Left, 500.0f);
    EXPECT_EQ(d.gShapeBase[1].Left, 500.0f);
    ASSERT_EQ(d.mvObjectCount(), 1);
    EXPECT_EQ(d.mvObjects[1], (ObjectRef{kShapeName, 1}));
}

TEST(Model, CountersStopAtTheLimitInsteadOfWrapping) {
    Document d;
    d.gZoom = 100;
    d.lin그리기.resize(kMaxObjects + 1);
    EXPECT_FALSE(d.canCreate(ObjectKind::Line));
    EXPECT_EQ(d.loadElement(ObjectKind::Line), -1);
    EXPECT_EQ(d.count(ObjectKind::Line), kMaxObjects);
    EXPECT_TRUE(d.canCreate(ObjectKind::Shape));
    d.mvObjects.resize(kMaxObjects + 1);
    EXPECT_EQ(d.loadElement(ObjectKind::Shape), -1);
}

TEST(TextLayout, VerticalTextIsOneCharacterPerLine) {
    test::pinFonts();
    TextElement t;
    t.FontName = "굴림체";
    t.FontSize = 20;
    t.Caption = QStringLiteral("가나 다");
    MakeVerticalText(t);
    EXPECT_EQ(t.Caption, QStringLiteral("가\r\n나\r\n \r\n다"));
    EXPECT_FALSE(t.AutoSize);
    EXPECT_TRUE(t.WordWrap);
    const QFont f = elementFont(t);
    const QSizeF ga = measureCaption("가", f);
    EXPECT_FLOAT_EQ(t.Height, static_cast<float>(4 * ga.height()));
    double widest = 0;
    for (QString c : {"가", "나", " ", "다"})
        widest = std::max(widest, measureCaption(c, f).width());
    EXPECT_FLOAT_EQ(t.Width, static_cast<float>(widest));

    TextElement broken = t;
    broken.Caption = QStringLiteral("가\r\n나");
    MakeVerticalText(broken);
    TextElement plain = t;
    plain.Caption = QStringLiteral("가나");
    MakeVerticalText(plain);
    EXPECT_EQ(broken.Caption, plain.Caption);
    EXPECT_EQ(broken.Height, plain.Height);

    TextElement blank = t;
    blank.Caption = QStringLiteral(" \r\n ");
    MakeVerticalText(blank); // nothing to lay out must not fail
    EXPECT_FALSE(blank.AutoSize);
}

TEST(Colour, SplitRGB) {
    struct Case {
        std::int64_t v;
        RGBBytes want;
    };
    for (const Case& c :
         {Case{255, {255, 0, 0}}, Case{65280, {0, 255, 0}}, Case{0xFFFFFF, {255, 255, 255}},
          Case{0x123456, {0x56, 0x34, 0x12}}, Case{-1, {255, 255, 255}}})
        EXPECT_EQ(SplitRGB(c.v), c.want) << c.v;
}
