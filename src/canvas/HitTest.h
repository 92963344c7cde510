#pragma once
#include "document/Document.h"

namespace zep {

// Whether a press at (X, Y) on the page hits a line (one-pixel box, then the
// slope tolerances: wide for lines up to 15 mm wide on the page, narrow otherwise).
bool lineHit(const LineElement& l, float X, float Y, int zoom, double pixel = 15.0);

// Whether an element contains the point (rectangles inclusive of their right
// and bottom edge; shapes by their bounding box).
bool elementHit(const Document& doc, const ElementRef& e, float X, float Y, double pixel = 15.0);

// The front-most object under the point, or none.
ElementRef frontmostAt(const Document& doc, float X, float Y, double pixel = 15.0);

} // namespace zep
