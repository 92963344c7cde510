#pragma once
#include "document/Document.h"

namespace zep {

// Applies a paper size in millimetres without touching the objects; the
// orientation flag is reset (callers of a landscape page set it afterwards).
void ApplyPageSize(Document& doc, double widthMm, double heightMm);

// The scrollable area the view needs for the page at the current zoom.
QSizeF scrollableArea(const Document& doc);

} // namespace zep
