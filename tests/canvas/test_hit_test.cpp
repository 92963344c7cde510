#include "canvas/HitTest.h"
#include "canvas/WindowDriver.h"

#include <gtest/gtest.h>

using namespace zep;
using zep::test::WindowDriver;

namespace {
LineElement line(float x1, float y1, float x2, float y2) {
    LineElement l;
    l.X1 = x1;
    l.Y1 = y1;
    l.X2 = x2;
    l.Y2 = y2;
    return l;
}
} // namespace

TEST(HitTest, LineToleranceByDirectionLengthAndZoom) {
    struct Case {
        const char* what;
        LineElement l;
        float x, y;
        int zoom;
        bool hit;
    };
    const Case cases[] = {
        {"horizontal, 14 below", line(1000, 2000, 4000, 2000), 2500, 2014, 100, true},
        {"horizontal, 20 below", line(1000, 2000, 4000, 2000), 2500, 2020, 100, false},
        {"horizontal, a pixel before its start", line(1000, 2000, 4000, 2000), 985, 2000, 100,
         true},
        {"horizontal, past that pixel", line(1000, 2000, 4000, 2000), 984, 2000, 100, false},
        {"vertical, 15 beside", line(3000, 1000, 3000, 4000), 2985, 2500, 100, true},
        {"vertical, 16 beside", line(3000, 1000, 3000, 4000), 2984, 2500, 100, false},
        {"long diagonal, 10 off", line(1000, 1000, 2000, 2000), 1500, 1510, 100, true},
        {"long diagonal, 20 off", line(1000, 1000, 2000, 2000), 1500, 1520, 100, false},
        {"the same line is short at 200 %", line(1000, 1000, 2000, 2000), 1500, 1520, 200, true},
        {"reversed ends, 10 off", line(2000, 2000, 1000, 1000), 1500, 1510, 100, true},
        {"reversed ends, 20 off", line(2000, 2000, 1000, 1000), 1500, 1520, 100, false},
        {"850 wide is short", line(1000, 1000, 1850, 1850), 1500, 1520, 100, true},
        {"851 wide is long", line(1000, 1000, 1851, 1851), 1500, 1520, 100, false},
        {"425 wide is short at 50 %", line(1000, 1000, 1425, 1425), 1200, 1220, 50, true},
        {"426 wide is long at 50 %", line(1000, 1000, 1426, 1426), 1200, 1220, 50, false},
        {"steep line, straight above its first end", line(1000, 1000, 1100, 3000), 1000, 2000, 100,
         true},
        {"steep line, beside it", line(1000, 1000, 1100, 3000), 1020, 2000, 100, false},
        {"zero length, a pixel off", line(1000, 1000, 1000, 1000), 1015, 985, 100, true},
        {"zero length, past a pixel", line(1000, 1000, 1000, 1000), 1016, 1000, 100, false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(lineHit(c.l, c.x, c.y, c.zoom), c.hit) << c.what;
}

TEST(HitTest, BoxesIncludeTheirRightAndBottomEdge) {
    Document d;
    d.gZoom = 100;
    const int t = d.loadElement(ObjectKind::Text);
    const int p = d.loadElement(ObjectKind::Picture);
    const int s = d.loadElement(ObjectKind::Shape);
    d.txt그리기[t].Left = d.img그리기[p].Left = d.shp그리기[s].Left = 1000;
    d.txt그리기[t].Top = d.img그리기[p].Top = d.shp그리기[s].Top = 2000;
    d.txt그리기[t].Width = d.img그리기[p].Width = d.shp그리기[s].Width = 500;
    d.txt그리기[t].Height = d.img그리기[p].Height = d.shp그리기[s].Height = 300;
    struct Case {
        float x, y;
        bool hit;
    };
    const Case cases[] = {{1000, 2000, true},  {1500, 2300, true}, {1501, 2300, false},
                          {1500, 2301, false}, {999, 2150, false}, {1250, 1999, false}};
    for (const ElementRef e : {ElementRef{ObjectKind::Text, t}, ElementRef{ObjectKind::Picture, p},
                               ElementRef{ObjectKind::Shape, s}})
        for (const Case& c : cases)
            EXPECT_EQ(elementHit(d, e, c.x, c.y), c.hit)
                << kindName(e.kind).toStdString() << " " << c.x << "," << c.y;
}

// Through the window: a press selects the front-most object under the pointer,
// whether it is a control of its own (picture, text) or drawn on the page.
TEST(HitTestWindow, FrontMostUnderThePointerIsSelected) {
    WindowDriver w(100);
    const int pic = w.addPicture(1500, 1500, 1500, 1500);
    const int shp = w.addShape(2400, 2400, 1500, 1500, ShapeOval);
    w.addLine(1500, 4500, 4500, 4500);
    struct Case {
        double x, y;
        ElementRef want;
    };
    const Case cases[] = {
        {1800, 1800, {ObjectKind::Picture, pic}},
        {2700, 2700, {ObjectKind::Shape, shp}},   // the shape lies over the picture
        {3900, 3900, {ObjectKind::Shape, shp}},   // the corner of the oval's box
        {3000, 1500, {ObjectKind::Picture, pic}}, // the picture's top-right corner
        {3000, 4515, {ObjectKind::Line, 1}},
        {3000, 4530, {}},
        {4500, 1500, {}},
    };
    for (const Case& c : cases) {
        w.click(c.x, c.y);
        EXPECT_EQ(w.ed().gSelObject, c.want) << c.x << "," << c.y;
        EXPECT_EQ(w.ed().gSelName, kindName(c.want.kind)) << c.x << "," << c.y;
    }
}

// A press on the last pixel column of a picture selects and drags it like any
// other point of it.
TEST(HitTestWindow, PictureRightEdgeActsLikeItsInside) {
    WindowDriver w(100);
    w.addPicture(1500, 1500, 1500, 1500);
    w.press(3000, 2250);
    w.drag(3300, 2250);
    EXPECT_FALSE(w.doc().img그리기[1].Visible);
    w.release(3300, 2250);
    EXPECT_FLOAT_EQ(w.doc().img그리기[1].Left, 1800);
    EXPECT_EQ(w.ed().gSelName, kPictureName);
    EXPECT_TRUE(w.ed().marks.grip(Grip::NWSE1).Visible);
    EXPECT_TRUE(w.ed().marks.lin테두리[1].Visible);
}
