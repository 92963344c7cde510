#pragma once
// One printed page: paper, background, and the four control arrays of
// objects with their side tables and the object list in stacking order.
#include "document/Objects.h"

#include <QRectF>
#include <vector>

namespace zep {

// An element of one of the control arrays; kind None means no element.
struct ElementRef {
    ObjectKind kind = ObjectKind::None;
    int index = 0;
    bool isNone() const { return kind == ObjectKind::None; }
    bool operator==(const ElementRef&) const = default;
};

class Document {
public:
    Document();

    // Control arrays; element 0 of each is the hidden template.
    std::vector<TextElement> txt그리기;
    std::vector<PictureElement> img그리기;
    std::vector<ShapeElement> shp그리기;
    std::vector<LineElement> lin그리기;

    // Stacking order; entry 0 exists and is never used, entry 1 is back-most.
    std::vector<ObjectRef> mvObjects;
    int mvObjectCount() const { return static_cast<int>(mvObjects.size()) - 1; }

    // Zoom-independent data, indexed by element index (entry 0 unused).
    std::vector<ShapeBase> gShapeBase;
    std::vector<ImageBase> gImageBase;
    std::vector<LineBase> gLineBase;
    std::vector<TextBase> gTextBase;

    // Paper, unscaled twips.
    float gPageWidth = 0, gPageHeight = 0;
    float gMarginLeft = 0, gMarginTop = 0, gMarginRight = 0, gMarginBottom = 0;
    bool gLandscape = false;

    // Current zoom in percent; on-page values are z = gZoom / 100 times the tables.
    int gZoom = 0;
    double z() const { return gZoom / 100.0; }

    Picture img배경;
    QString mvBackPicturePath;

    bool mv내용수정 = false;
    QString mvFileName;

    // The document half of a reset: list, tables, elements, background, zoom, dirty flag.
    void clear();

    // Live elements of a kind (the array's size less the template).
    int count(ObjectKind kind) const;

    // Whether one more object of that kind fits the 16-bit limits.
    bool canCreate(ObjectKind kind) const;

    // Creation: a new element n copied from the template (hidden); -1 when the
    // limits are reached, in which case nothing changes.
    int loadElement(ObjectKind kind);
    // Grows the kind's side table to cover index n, keeping its entries.
    void growTable(ObjectKind kind, int n);
    // Appends (kind, n) to the object list, the new front-most entry.
    void appendToList(ObjectKind kind, int n);
    // Unloads the last element of a kind that is not (yet) in the list.
    void unloadLast(ObjectKind kind);

    // Deletes element index of a kind: later elements, their records and list
    // entries shift down so indices stay dense.
    void removeElement(ObjectKind kind, int index);

    // The list entry (1-based) naming an element, 0 when none.
    int listPosition(ObjectKind kind, int index) const;
    ElementRef elementOf(int listEntry) const;

    bool exists(const ElementRef& e) const;

    // An element's Visible flag; false for an element that does not exist.
    bool isVisible(const ElementRef& e) const;
    void setVisible(const ElementRef& e, bool visible);

    // On-page bounds of an element (for lines, the box of the end points).
    QRectF bounds(const ElementRef& e) const;

    // Paper size, margin box, background in on-page twips at the current zoom.
    QRectF marginBox() const;
};

} // namespace zep
