#include "print/PageRenderer.h"

#include "document/TextLayout.h"
#include "shell/Units.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>

namespace zep {

Qt::PenStyle penStyleFor(int borderStyle) {
    switch (borderStyle) {
    case 1:
        return Qt::SolidLine;
    case 2:
        return Qt::DashLine;
    case 3:
        return Qt::DotLine;
    case 4:
        return Qt::DashDotLine;
    case 5:
        return Qt::DashDotDotLine;
    case 6:
        return Qt::SolidLine;
    default:
        return Qt::NoPen;
    }
}

QStringList textRows(const TextElement& t) {
    return captionLines(t.Caption);
}

namespace {

double zoomOf(const Document& doc) {
    return doc.gZoom > 0 ? doc.z() : 1.0;
}

QPen borderPen(int style, ColourValue colour, double widthTwips) {
    const Qt::PenStyle ps = penStyleFor(style);
    if (ps == Qt::NoPen) return QPen(Qt::NoPen);
    QPen pen(toQColor(colour));
    pen.setStyle(ps);
    pen.setWidthF(std::max(widthTwips, 0.0));
    pen.setCapStyle(Qt::FlatCap);
    pen.setJoinStyle(Qt::MiterJoin);
    return pen;
}

// Width in page twips: on screen the element's zoomed pixels, in print the record's.
double penWidth(int elementPixels, int recordPixels, double z, bool screen) {
    return screen ? elementPixels * kTwipsPerPixel / z : recordPixels * kTwipsPerPixel;
}

void drawLine(QPainter& p, const Document& doc, int i, const RenderOptions& o) {
    const LineElement& l = doc.lin그리기[i];
    const double z = zoomOf(doc);
    const int rec = i < static_cast<int>(doc.gLineBase.size()) ? doc.gLineBase[i].BorderWidth : 1;
    const QPen pen =
        borderPen(l.BorderStyle, l.BorderColor, penWidth(l.BorderWidth, rec, z, o.screen));
    if (pen.style() == Qt::NoPen) return;
    p.setPen(pen);
    p.drawLine(QPointF(l.X1 / z, l.Y1 / z), QPointF(l.X2 / z, l.Y2 / z));
}

void drawShape(QPainter& p, const Document& doc, int i, const RenderOptions& o) {
    const ShapeElement& s = doc.shp그리기[i];
    const double z = zoomOf(doc);
    const int rec = i < static_cast<int>(doc.gShapeBase.size()) ? doc.gShapeBase[i].BorderWidth : 1;
    const double w = penWidth(s.BorderWidth, rec, z, o.screen);
    p.setPen(borderPen(s.BorderStyle, s.BorderColor, w));
    p.setBrush(s.BackStyle == 1 ? QBrush(toQColor(s.BackColor)) : QBrush(Qt::NoBrush));
    QRectF box(s.Left / z, s.Top / z, s.Width / z, s.Height / z);
    // On screen the border runs one pixel inside the right and bottom edges.
    if (o.screen) box.adjust(0, 0, -kTwipsPerPixel / z, -kTwipsPerPixel / z);
    const double side = std::min(box.width(), box.height());
    const QRectF square(box.center().x() - side / 2, box.center().y() - side / 2, side, side);
    switch (s.Shape) {
    case ShapeRectangle:
        p.drawRect(box);
        break;
    case ShapeSquare:
        p.drawRect(square);
        break;
    case ShapeOval:
        p.drawEllipse(box);
        break;
    case ShapeCircle:
        p.drawEllipse(square);
        break;
    case ShapeRoundedRectangle: {
        const double r = 0.2 * side;
        p.drawRoundedRect(box, r, r);
        break;
    }
    case ShapeRoundedSquare: {
        const double r = 0.2 * side;
        p.drawRoundedRect(square, r, r);
        break;
    }
    default:
        break;
    }
    p.setBrush(Qt::NoBrush);
}

void drawText(QPainter& p, const Document& doc, int i) {
    const TextElement& t = doc.txt그리기[i];
    const double z = zoomOf(doc);
    // The font is sized in painter units: one em is the point size × 20 twips.
    QFont f = elementFont(t);
    const int px = std::max(1, static_cast<int>(std::lround(t.FontSize / z * 20.0)));
    f.setPixelSize(px);
    p.setFont(f);
    p.setPen(toQColor(t.ForeColor));
    const QFontMetricsF fm(f);
    double y = t.Top / z;
    const double x = t.Left / z;
    for (const QString& row : textRows(t)) {
        p.drawText(QPointF(x, y + fm.ascent()), row);
        y += fm.height();
    }
}

void drawPicture(QPainter& p, const Document& doc, int i) {
    const PictureElement& e = doc.img그리기[i];
    const double z = zoomOf(doc);
    e.picture.draw(p, QRectF(e.Left / z, e.Top / z, e.Width / z, e.Height / z));
}

} // namespace

void renderObject(QPainter& p, const Document& doc, const ElementRef& e, const RenderOptions& o) {
    if (!doc.exists(e)) return;
    switch (e.kind) {
    case ObjectKind::Line:
        drawLine(p, doc, e.index, o);
        break;
    case ObjectKind::Shape:
        drawShape(p, doc, e.index, o);
        break;
    case ObjectKind::Text:
        drawText(p, doc, e.index);
        break;
    case ObjectKind::Picture:
        drawPicture(p, doc, e.index);
        break;
    case ObjectKind::None:
        break;
    }
}

void renderPage(QPainter& p, const Document& doc, const RenderOptions& o) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing, !o.screen);
    p.setRenderHint(QPainter::TextAntialiasing, true);
    p.setRenderHint(QPainter::SmoothPixmapTransform, true);
    const QRectF margin(
        QPointF(doc.gMarginLeft, doc.gMarginTop),
        QPointF(doc.gPageWidth - doc.gMarginRight, doc.gPageHeight - doc.gMarginBottom));
    if (o.screen) {
        QPen pen(Qt::black);
        pen.setCosmetic(true);
        p.setPen(pen);
        p.setBrush(Qt::NoBrush);
        p.drawRect(margin);
    }
    if (!doc.img배경.isNull()) doc.img배경.draw(p, margin);

    const double z = zoomOf(doc);
    const QRectF clip = o.clip;
    for (int k = 1; k <= doc.mvObjectCount(); ++k) {
        const ElementRef e = doc.elementOf(k);
        if (e.isNone() || !doc.isVisible(e)) continue;
        if (!clip.isNull()) {
            const QRectF b = doc.bounds(e);
            const QRectF page(b.x() / z, b.y() / z, b.width() / z, b.height() / z);
            // Lines and borders reach a little past their box.
            if (!page.adjusted(-300, -300, 300, 300).intersects(clip)) continue;
        }
        renderObject(p, doc, e, o);
    }
    p.restore();
}

} // namespace zep
