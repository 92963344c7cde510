#pragma once
#include "colour/ColourValue.h"

#include <QPoint>

class QImage;

namespace zep {

// The colour the user sees at a screen point (in global coordinates). When
// the pixel cannot be read directly, the grab is copied into scratch (as
// large as scratch, clipped) and its top-left pixel is returned.
ColourValue PickScreenColorAt(QPoint globalPos, QImage* scratch = nullptr);

// The colour under the mouse pointer.
ColourValue PickScreenColor(QImage* scratch = nullptr);

} // namespace zep
