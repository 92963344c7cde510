#include "canvas/LineShapeDialogLogic.h"

#include "document/Document.h"
#include "shell/Numbers.h"
#include "view/Zoom.h"

namespace zep {

namespace {

bool takesWidth(double w) {
    return w >= kMinBorderWidth && w <= kMaxBorderWidth;
}

int recordWidth(int stored) {
    return takesWidth(stored) ? stored : kMinBorderWidth;
}

} // namespace

std::optional<int> typedBorderWidth(const QString& text) {
    const double v = leadingNumber(text);
    if (!(v > 0)) return std::nullopt;
    const double w = roundHalfEven(v);
    if (!takesWidth(w)) return std::nullopt;
    return static_cast<int>(w);
}

LineLook lineLookFrom(const Document& doc, int index) {
    LineLook look;
    if (!doc.exists({ObjectKind::Line, index})) return look;
    const LineElement& l = doc.lin그리기[index];
    look.colour = l.BorderColor;
    look.style = l.BorderStyle;
    if (index < static_cast<int>(doc.gLineBase.size()))
        look.width = recordWidth(doc.gLineBase[index].BorderWidth);
    return look;
}

ShapeLook shapeLookFrom(const Document& doc, int index) {
    ShapeLook look;
    if (!doc.exists({ObjectKind::Shape, index})) return look;
    const ShapeElement& s = doc.shp그리기[index];
    look.borderColour = s.BorderColor;
    look.backColour = s.BackColor;
    look.borderStyle = s.BorderStyle;
    look.backStyle = s.BackStyle;
    look.shape = s.Shape;
    if (index < static_cast<int>(doc.gShapeBase.size()))
        look.width = recordWidth(doc.gShapeBase[index].BorderWidth);
    return look;
}

bool offersRoundedCorners(int shape) {
    return shape == ShapeRectangle || shape == ShapeRoundedRectangle;
}

void confirmLine(Document& doc, int index, const LineLook& look) {
    if (!doc.exists({ObjectKind::Line, index})) return;
    LineElement& l = doc.lin그리기[index];
    l.BorderColor = look.colour;
    l.BorderStyle = look.style;
    l.BorderWidth = ScaledBorderWidth(doc.z(), look.width);
    doc.growTable(ObjectKind::Line, index);
    doc.gLineBase[index].BorderWidth = static_cast<std::int16_t>(look.width);
    doc.mv내용수정 = true;
}

void confirmShape(Document& doc, int index, const ShapeLook& look) {
    if (!doc.exists({ObjectKind::Shape, index})) return;
    ShapeElement& s = doc.shp그리기[index];
    s.BorderColor = look.borderColour;
    s.BackStyle = look.backStyle;
    s.BackColor = look.backColour;
    s.BorderStyle = look.borderStyle;
    s.BorderWidth = ScaledBorderWidth(doc.z(), look.width);
    s.Shape = look.shape;
    doc.growTable(ObjectKind::Shape, index);
    doc.gShapeBase[index].BorderWidth = static_cast<std::int16_t>(look.width);
    doc.mv내용수정 = true;
}

} // namespace zep
