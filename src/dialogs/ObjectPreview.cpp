#include "dialogs/ObjectPreview.h"

#include "print/PageRenderer.h"
#include "shell/Units.h"

#include <QPainter>
#include <algorithm>

namespace zep {

namespace {

// A painter in page twips over the widget, as the page surface paints at 100 %.
void twipsPainter(QPainter& p) {
    p.setRenderHint(QPainter::Antialiasing, false);
    p.scale(1 / kTwipsPerPixel, 1 / kTwipsPerPixel);
}

RenderOptions screenOptions() {
    RenderOptions o;
    o.screen = true;
    return o;
}

} // namespace

LinePreview::LinePreview(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("lin미리보기"));
    doc_.gZoom = 100;
    const int n = doc_.loadElement(ObjectKind::Line);
    doc_.growTable(ObjectKind::Line, n);
    doc_.lin그리기[n].Visible = true;
}

void LinePreview::setLook(const LineLook& look) {
    look_ = look;
    update();
}

void LinePreview::paintEvent(QPaintEvent*) {
    LineElement& l = doc_.lin그리기[1];
    l.BorderColor = look_.colour;
    l.BorderStyle = look_.style;
    l.BorderWidth = look_.width;
    doc_.gLineBase[1].BorderWidth = static_cast<std::int16_t>(look_.width);
    const float y = static_cast<float>(height() * kTwipsPerPixel / 2);
    l.X1 = 0;
    l.X2 = static_cast<float>(width() * kTwipsPerPixel);
    l.Y1 = l.Y2 = y;
    QPainter p(this);
    twipsPainter(p);
    renderObject(p, doc_, {ObjectKind::Line, 1}, screenOptions());
}

ShapePreview::ShapePreview(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("shp미리보기"));
    doc_.gZoom = 100;
    const int n = doc_.loadElement(ObjectKind::Shape);
    doc_.growTable(ObjectKind::Shape, n);
    doc_.shp그리기[n].Visible = true;
}

void ShapePreview::setLook(const ShapeLook& look) {
    look_ = look;
    update();
}

void ShapePreview::paintEvent(QPaintEvent*) {
    ShapeElement& s = doc_.shp그리기[1];
    s.BorderColor = look_.borderColour;
    s.BackColor = look_.backColour;
    s.BorderStyle = look_.borderStyle;
    s.BackStyle = look_.backStyle;
    s.Shape = look_.shape;
    s.BorderWidth = look_.width;
    doc_.gShapeBase[1].BorderWidth = static_cast<std::int16_t>(look_.width);
    // Keep a wide border inside the box.
    const double inset = std::min(look_.width * kTwipsPerPixel / 2,
                                  std::min(width(), height()) * kTwipsPerPixel / 4);
    s.Left = s.Top = static_cast<float>(inset);
    s.Width = static_cast<float>(width() * kTwipsPerPixel - 2 * inset);
    s.Height = static_cast<float>(height() * kTwipsPerPixel - 2 * inset);
    QPainter p(this);
    twipsPainter(p);
    renderObject(p, doc_, {ObjectKind::Shape, 1}, screenOptions());
}

} // namespace zep
