#include "print/SheetPicture.h"

#include <QPainter>
#include <QPainterPath>

namespace zep {

QImage sheetPicture(bool landscape, int side) {
    QImage img(side, side, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    // A sheet of about 1 : 1.41, its long side 7/8 of the picture.
    const qreal longSide = side * 0.875;
    const qreal shortSide = longSide / 1.414;
    const qreal w = landscape ? longSide : shortSide;
    const qreal h = landscape ? shortSide : longSide;
    const QRectF sheet((side - w) / 2, (side - h) / 2, w, h);
    const qreal fold = shortSide * 0.28;

    QPainterPath outline;
    outline.moveTo(sheet.topLeft());
    outline.lineTo(sheet.right() - fold, sheet.top());
    outline.lineTo(sheet.right(), sheet.top() + fold);
    outline.lineTo(sheet.bottomRight());
    outline.lineTo(sheet.bottomLeft());
    outline.closeSubpath();
    const qreal pen = std::max<qreal>(1.0, side / 32.0);
    p.setPen(QPen(QColor(40, 40, 40), pen));
    p.setBrush(Qt::white);
    p.drawPath(outline);

    QPainterPath corner;
    corner.moveTo(sheet.right() - fold, sheet.top());
    corner.lineTo(sheet.right() - fold, sheet.top() + fold);
    corner.lineTo(sheet.right(), sheet.top() + fold);
    p.setBrush(QColor(210, 210, 210));
    p.drawPath(corner);

    // Lines of text across the sheet, below the fold.
    p.setPen(QPen(QColor(30, 70, 170), pen));
    const qreal margin = shortSide * 0.18;
    const qreal step = std::max<qreal>(2.0 * pen, h / 7.0);
    for (qreal y = sheet.top() + fold + step * 0.8; y < sheet.bottom() - margin * 0.7; y += step)
        p.drawLine(QPointF(sheet.left() + margin, y), QPointF(sheet.right() - margin, y));
    return img;
}

} // namespace zep
