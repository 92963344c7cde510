#pragma once
// The editor's own one-object copy buffer, separate from the system
// clipboard. Geometry and border widths are kept at 100 %.
#include "document/Objects.h"

namespace zep {

struct ClipBuffer {
    QString mvClipKind; // empty while the buffer is empty
    TextElement txtCopyObject;
    PictureElement imgCopyObject;
    ShapeElement shpCopyObject;
    LineElement linCopyObject;
    QString mvClipPicturePath;

    bool empty() const { return mvClipKind.isEmpty(); }
    void clear() { *this = ClipBuffer{}; }
};

} // namespace zep
