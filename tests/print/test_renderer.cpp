#include "document/Page.h"
#include "document/TextLayout.h"
#include "print/Export.h"
#include "print/PageRenderer.h"
#include "support/TestSupport.h"

#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>

using namespace zep;

namespace {

// A 2 x 2 inch page at 96 dpi: one pixel is 15 twips.
Document page() {
    Document d;
    d.gZoom = 100;
    ApplyPageSize(d, 2 * 25.4, 2 * 25.4);
    return d;
}

void addShape(Document& d, int code, float l, float t, float w, float h) {
    const int n = d.loadElement(ObjectKind::Shape);
    auto& s = d.shp그리기[n];
    s.Shape = code, s.BackStyle = 1, s.BackColor = 0, s.BorderColor = 0;
    s.Left = l, s.Top = t, s.Width = w, s.Height = h, s.Visible = true;
    d.growTable(ObjectKind::Shape, n);
    d.gShapeBase[n] = {1, l, t, w, h};
    d.appendToList(ObjectKind::Shape, n);
}

QImage render(const Document& d) {
    QImage img(192, 192, QImage::Format_RGB32);
    img.fill(Qt::white);
    QPainter p(&img);
    paintPageAt(p, d, 96);
    return img;
}

bool dark(const QImage& img, int x, int y) {
    return qGray(img.pixel(x, y)) < 100;
}

} // namespace

TEST(Renderer, SquareShapesSitCentredInAWideBox) {
    // A 1500 x 600 twip box: squares of side 600 in its middle.
    for (int code : {ShapeSquare, ShapeRoundedSquare, ShapeCircle}) {
        Document d = page();
        addShape(d, code, 0, 0, 1500, 600);
        const QImage img = render(d);
        EXPECT_TRUE(dark(img, 50, 20)) << code;  // centre of the square
        EXPECT_FALSE(dark(img, 5, 20)) << code;  // left of it
        EXPECT_FALSE(dark(img, 95, 20)) << code; // right of it
    }
    Document d = page();
    addShape(d, ShapeRectangle, 0, 0, 1500, 600);
    EXPECT_TRUE(dark(render(d), 5, 20));
}

TEST(Renderer, LineOfBorderStyleZeroDrawsNothing) {
    Document d = page();
    const int n = d.loadElement(ObjectKind::Line);
    auto& l = d.lin그리기[n];
    l.BorderStyle = 0, l.X1 = 0, l.Y1 = 750, l.X2 = 2880, l.Y2 = 750, l.Visible = true;
    d.growTable(ObjectKind::Line, n);
    d.gLineBase[n] = {3, 0, 750, 2880, 750};
    d.appendToList(ObjectKind::Line, n);
    EXPECT_FALSE(dark(render(d), 96, 50));
    d.lin그리기[n].BorderStyle = 1;
    EXPECT_TRUE(dark(render(d), 96, 50));
}

TEST(Renderer, VerticalTextStacksOneCharacterPerRowWithoutGaps) {
    test::pinFonts();
    TextElement t;
    t.Caption = "가나다";
    t.FontSize = 12;
    MakeVerticalText(t);
    EXPECT_EQ(textRows(t), (QStringList{"가", "나", "다"}));
    // At any zoom the page draws the same: at 50 % the element holds half sizes.
    Document a = page(), b = page();
    for (Document* d : {&a, &b}) {
        const int n = d->loadElement(ObjectKind::Text);
        d->txt그리기[n] = t;
        d->txt그리기[n].Visible = true;
        d->growTable(ObjectKind::Text, n);
        d->gTextBase[n] = {12, 150, 150};
        d->appendToList(ObjectKind::Text, n);
    }
    b.gZoom = 50;
    b.txt그리기[1].FontSize = 6;
    b.txt그리기[1].Left = b.txt그리기[1].Top = 75;
    a.txt그리기[1].Left = a.txt그리기[1].Top = 150;
    EXPECT_EQ(render(a), render(b));
}
