#pragma once
// The rules of the line and shape dialogs without their widgets: what the
// width box accepts, what the preview starts from and what OK writes.
#include "colour/ColourValue.h"

#include <QString>
#include <optional>

namespace zep {

class Document;

// Border widths in pixels a line or shape takes; others are refused.
inline constexpr int kMinBorderWidth = 1;
inline constexpr int kMaxBorderWidth = 8192;

// A width typed into the width box that applies to the preview: the leading
// number rounded half to even, when it is positive and a width is taken.
std::optional<int> typedBorderWidth(const QString& text);

// The preview of the line dialog; width in pixels at 100 %.
struct LineLook {
    ColourValue colour = 0;
    int style = 1;
    int width = 1;
};

// The preview of the shape dialog; width in pixels at 100 %.
struct ShapeLook {
    ColourValue borderColour = 0;
    ColourValue backColour = 0xFFFFFF;
    int borderStyle = 1;
    int backStyle = 1; // 0 transparent, 1 opaque
    int width = 1;
    int shape = 0;
};

// What the dialog opens with: colours and style from the element, the width
// from its record (not the zoomed width), 1 when the record holds none.
LineLook lineLookFrom(const Document& doc, int index);
ShapeLook shapeLookFrom(const Document& doc, int index);

// Only rectangles and rounded rectangles can switch their corners.
bool offersRoundedCorners(int shape);

// OK: the look goes to the element (its width zoomed) and the width to its
// record; the dirty flag is set. Geometry is not touched. A missing element
// changes nothing.
void confirmLine(Document& doc, int index, const LineLook& look);
void confirmShape(Document& doc, int index, const ShapeLook& look);

} // namespace zep
