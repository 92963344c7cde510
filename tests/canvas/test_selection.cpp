#include "canvas/WindowDriver.h"

#include <gtest/gtest.h>

using namespace zep;
using zep::test::WindowDriver;

namespace {
// The grip's centre, which is where it points.
QPointF gripCentre(const Editor& ed, Grip g) {
    const GripMark& m = ed.marks.grip(g);
    return {m.Left + 45.0, m.Top + 45.0};
}
int visibleGrips(const Editor& ed) {
    int n = 0;
    for (const GripMark& g : ed.marks.grips)
        n += g.Visible;
    return n;
}
} // namespace

TEST(Selection, PictureGetsOutlineAndEightGripsOnItsEdges) {
    WindowDriver w(100);
    w.addPicture(1500, 1200, 1800, 900);
    w.click(2100, 1500);
    const Editor& ed = w.ed();
    ASSERT_EQ(ed.gSelName, kPictureName);
    for (const OutlineLine& l : ed.marks.lin테두리)
        EXPECT_TRUE(l.Visible);
    EXPECT_FLOAT_EQ(ed.marks.lin테두리[1].X1, 3300);
    EXPECT_FLOAT_EQ(ed.marks.lin테두리[2].Y1, 2100);
    EXPECT_EQ(visibleGrips(ed), 8);
    struct Case {
        Grip g;
        QPointF at;
    };
    for (const Case& c : {Case{Grip::NWSE0, {1500, 1200}}, Case{Grip::NWSE1, {3300, 2100}},
                          Case{Grip::NESW0, {1500, 2100}}, Case{Grip::NESW1, {3300, 1200}},
                          Case{Grip::WE0, {1500, 1650}}, Case{Grip::WE1, {3300, 1650}},
                          Case{Grip::NS0, {2400, 1200}}, Case{Grip::NS1, {2400, 2100}}})
        EXPECT_EQ(gripCentre(ed, c.g), c.at) << static_cast<int>(c.g);
    EXPECT_EQ(ed.lbl좌표[0], "1500, 1200");
    EXPECT_EQ(ed.lbl좌표[1], "1800 x 900");
}

TEST(Selection, TextHasOutlineButNoGripsAndLineHasItsEndsOnly) {
    WindowDriver w(100);
    w.addPicture(4500, 4500, 900, 900);
    const int t = w.addText(1500, 1500);
    w.addLine(1500, 3000, 3000, 3600);

    w.click(4800, 4800); // grips of an earlier selection must not linger
    w.click(1500 + w.doc().txt그리기[t].Width / 2, 1500 + w.doc().txt그리기[t].Height / 2);
    ASSERT_EQ(w.ed().gSelName, kTextName);
    for (const OutlineLine& l : w.ed().marks.lin테두리)
        EXPECT_TRUE(l.Visible);
    EXPECT_EQ(visibleGrips(w.ed()), 0);

    w.click(2250, 3300);
    ASSERT_EQ(w.ed().gSelName, kLineName);
    const auto& o = w.ed().marks.lin테두리;
    EXPECT_TRUE(o[0].Visible);
    EXPECT_FALSE(o[1].Visible || o[2].Visible || o[3].Visible);
    EXPECT_EQ(QPointF(o[0].X1, o[0].Y1), QPointF(1500, 3000));
    EXPECT_EQ(QPointF(o[0].X2, o[0].Y2), QPointF(3000, 3600));
    EXPECT_EQ(visibleGrips(w.ed()), 2);
    EXPECT_EQ(gripCentre(w.ed(), Grip::NWSE0), QPointF(1500, 3000));
    EXPECT_EQ(gripCentre(w.ed(), Grip::NWSE1), QPointF(3000, 3600));
    EXPECT_EQ(w.ed().lbl좌표[1], "1500 x 600");
}

TEST(Selection, EmptyNameChangesNothing) {
    WindowDriver w(100);
    w.addShape(1500, 1500, 900, 900);
    w.click(1800, 1800);
    const SelectionMarks before = w.ed().marks;
    const auto labels = w.ed().lbl좌표;
    w.ed().mf객체선택(QString());
    w.ed().mf객체선택(QStringLiteral("  "));
    EXPECT_EQ(w.ed().gSelName, kShapeName);
    EXPECT_EQ(w.ed().lbl좌표, labels);
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(w.ed().marks.lin테두리[i].Visible, before.lin테두리[i].Visible);
    EXPECT_EQ(visibleGrips(w.ed()), 8);
}

// Status labels show the 100 % values, whatever the zoom, rounded half to even.
TEST(Selection, StatusShowsRecordValuesAtHalfZoom) {
    const struct {
        float l, t, w, h;
        const char *at, *size;
    } cases[] = {{1440, 720, 2880, 1440, "1440, 720", "2880 x 1440"},
                 {1442.5f, 721.5f, 2880.5f, 1441.5f, "1442, 722", "2880 x 1442"}};
    for (const auto& c : cases) {
        WindowDriver w(50);
        w.addPicture(c.l, c.t, c.w, c.h);
        EXPECT_FLOAT_EQ(w.doc().img그리기[1].Left, c.l / 2);
        w.click(1200, 600);
        ASSERT_EQ(w.ed().gSelName, kPictureName);
        EXPECT_EQ(w.ed().lbl좌표[0], c.at);
        EXPECT_EQ(w.ed().lbl좌표[1], c.size);
    }
}

// A line's width follows the zoom rule again once it is deselected.
TEST(Selection, DeselectedLineGetsItsZoomedWidthBack) {
    const struct {
        int zoom, width;
    } cases[] = {{25, 1}, {50, 1}, {75, 1}, {100, 1}, {150, 2}, {200, 2}};
    for (const auto& c : cases) {
        WindowDriver w(c.zoom);
        w.addLine(3000, 3000, 6000, 3000);
        const double z = c.zoom / 100.0;
        w.click(4500 * z, 3000 * z);
        ASSERT_EQ(w.ed().gSelName, kLineName) << c.zoom;
        w.doc().lin그리기[1].BorderWidth = 7; // as a preview could leave it
        w.click(4500 * z, 6000 * z);
        EXPECT_EQ(w.ed().gSelName, QString()) << c.zoom;
        EXPECT_EQ(w.doc().lin그리기[1].BorderWidth, c.width) << c.zoom;
    }
}
