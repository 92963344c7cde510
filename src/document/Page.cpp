#include "document/Page.h"

#include "shell/Units.h"

namespace zep {

void ApplyPageSize(Document& doc, double widthMm, double heightMm) {
    doc.gPageWidth = static_cast<float>(widthMm * kTwipsPerMm);
    doc.gPageHeight = static_cast<float>(heightMm * kTwipsPerMm);
    doc.gLandscape = false;
}

QSizeF scrollableArea(const Document& doc) {
    const double zz = doc.gZoom > 0 ? doc.z() : 1.0;
    return QSizeF(zz * doc.gPageWidth + kRulerThickness, zz * doc.gPageHeight + kRulerThickness);
}

} // namespace zep
