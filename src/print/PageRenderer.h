#pragma once
// Paints a page onto any QPainter: the canvas, the preview, the printer and
// the exports all go through here, so what prints is what the screen shows.
#include "document/Document.h"

#include <QRectF>

class QPainter;

namespace zep {

struct RenderOptions {
    // Screen: border widths as the elements show them at the zoom (pixels),
    // the margin box outline, and a shape's border one pixel inside its edges.
    // Otherwise: widths from the records at 15 twips per pixel, no margin box.
    bool screen = false;
    // Only objects meeting this rectangle (page twips at 100 %) are drawn; null draws all.
    QRectF clip;
};

// The painter's units must be page twips at 100 % with (0, 0) at the paper's
// corner; on-page values are divided by the document's zoom.
void renderPage(QPainter& p, const Document& doc, const RenderOptions& options = {});

// One object, the same way (used by the page and by drag previews).
void renderObject(QPainter& p, const Document& doc, const ElementRef& e,
                  const RenderOptions& options);

// Pen style for a border style; Qt::NoPen for 0.
Qt::PenStyle penStyleFor(int borderStyle);

// The text a text object draws, one entry per row.
QStringList textRows(const TextElement& t);

} // namespace zep
