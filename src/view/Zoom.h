#pragma once
#include "document/Document.h"

#include <QString>
#include <optional>

namespace zep {

inline constexpr int kMinZoom = 10;
inline constexpr int kMaxZoom = 200;

// A border width stored at 100 % as shown at zoom z (the rule every caller shares).
int ScaledBorderWidth(double z, int width);

// Rebuilds every element's on-page geometry, border widths and font sizes
// from the side tables at the document's gZoom (pictures, shapes, lines, texts).
void ApplyZoomToObjects(Document& doc);

// The zoom box: what a typed (or programmatic) text, a list choice and the two
// buttons do. They return the new zoom, or nothing when the zoom stays.
std::optional<int> zoomForTypedText(const QString& text, int currentZoom);
std::optional<int> zoomForListChoice(const QString& text, int currentZoom);
// The text the box gets from the zoom-in (0) and zoom-out (1) buttons; nothing
// when the text stays as it is.
std::optional<QString> zoomButtonText(int button, const QString& boxText);

// The zoom list's items.
QStringList zoomListItems();

} // namespace zep
