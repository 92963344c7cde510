#include "document/Document.h"

#include "shell/Units.h"

#include <algorithm>

namespace zep {

ObjectKind kindFromName(const QString& name) {
    if (name == kTextName) return ObjectKind::Text;
    if (name == kPictureName) return ObjectKind::Picture;
    if (name == kShapeName) return ObjectKind::Shape;
    if (name == kLineName) return ObjectKind::Line;
    return ObjectKind::None;
}

QString kindName(ObjectKind kind) {
    switch (kind) {
    case ObjectKind::Text:
        return kTextName;
    case ObjectKind::Picture:
        return kPictureName;
    case ObjectKind::Shape:
        return kShapeName;
    case ObjectKind::Line:
        return kLineName;
    case ObjectKind::None:
        break;
    }
    return {};
}

Document::Document() {
    clear();
}

void Document::clear() {
    mvObjects.assign(1, ObjectRef{});
    mv내용수정 = false;
    img배경 = Picture();
    mvBackPicturePath.clear();
    gZoom = 0;
    gImageBase.assign(2, ImageBase{});
    gShapeBase.assign(2, ShapeBase{});
    gLineBase.assign(2, LineBase{});
    gTextBase.assign(2, TextBase{});
    // Templates: the defaults of every new element.
    txt그리기.assign(1, TextElement{});
    img그리기.assign(1, PictureElement{});
    ShapeElement shapeTemplate;
    shapeTemplate.BorderColor = 0;
    shp그리기.assign(1, shapeTemplate);
    lin그리기.assign(1, LineElement{});
}

int Document::count(ObjectKind kind) const {
    switch (kind) {
    case ObjectKind::Text:
        return static_cast<int>(txt그리기.size()) - 1;
    case ObjectKind::Picture:
        return static_cast<int>(img그리기.size()) - 1;
    case ObjectKind::Shape:
        return static_cast<int>(shp그리기.size()) - 1;
    case ObjectKind::Line:
        return static_cast<int>(lin그리기.size()) - 1;
    case ObjectKind::None:
        break;
    }
    return 0;
}

bool Document::canCreate(ObjectKind kind) const {
    return kind != ObjectKind::None && count(kind) < kMaxObjects && mvObjectCount() < kMaxObjects;
}

int Document::loadElement(ObjectKind kind) {
    if (!canCreate(kind)) return -1;
    const int n = count(kind) + 1;
    switch (kind) {
    case ObjectKind::Text:
        txt그리기.push_back(txt그리기[0]);
        break;
    case ObjectKind::Picture:
        img그리기.push_back(img그리기[0]);
        break;
    case ObjectKind::Shape:
        shp그리기.push_back(shp그리기[0]);
        break;
    case ObjectKind::Line:
        lin그리기.push_back(lin그리기[0]);
        break;
    case ObjectKind::None:
        return -1;
    }
    return n;
}

void Document::growTable(ObjectKind kind, int n) {
    const size_t need = static_cast<size_t>(n) + 1;
    switch (kind) {
    case ObjectKind::Text:
        if (gTextBase.size() < need) gTextBase.resize(need);
        break;
    case ObjectKind::Picture:
        if (gImageBase.size() < need) gImageBase.resize(need);
        break;
    case ObjectKind::Shape:
        if (gShapeBase.size() < need) gShapeBase.resize(need);
        break;
    case ObjectKind::Line:
        if (gLineBase.size() < need) gLineBase.resize(need);
        break;
    case ObjectKind::None:
        break;
    }
}

void Document::appendToList(ObjectKind kind, int n) {
    mvObjects.push_back(ObjectRef{kindName(kind), static_cast<std::int16_t>(n)});
}

void Document::unloadLast(ObjectKind kind) {
    if (count(kind) < 1) return;
    switch (kind) {
    case ObjectKind::Text:
        txt그리기.pop_back();
        break;
    case ObjectKind::Picture:
        img그리기.pop_back();
        break;
    case ObjectKind::Shape:
        shp그리기.pop_back();
        break;
    case ObjectKind::Line:
        lin그리기.pop_back();
        break;
    case ObjectKind::None:
        break;
    }
}

namespace {
template <typename V> void eraseShift(V& v, int index) {
    if (index >= 1 && index < static_cast<int>(v.size())) v.erase(v.begin() + index);
}
template <typename T> void eraseTable(std::vector<T>& t, int index) {
    if (index >= 1 && index < static_cast<int>(t.size())) {
        t.erase(t.begin() + index);
        if (t.size() < 2) t.resize(2);
    }
}
} // namespace

void Document::removeElement(ObjectKind kind, int index) {
    if (index < 1 || index > count(kind)) return;
    switch (kind) {
    case ObjectKind::Text:
        eraseShift(txt그리기, index);
        eraseTable(gTextBase, index);
        break;
    case ObjectKind::Picture:
        eraseShift(img그리기, index);
        eraseTable(gImageBase, index);
        break;
    case ObjectKind::Shape:
        eraseShift(shp그리기, index);
        eraseTable(gShapeBase, index);
        break;
    case ObjectKind::Line:
        eraseShift(lin그리기, index);
        eraseTable(gLineBase, index);
        break;
    case ObjectKind::None:
        return;
    }
    const QString name = kindName(kind);
    std::vector<ObjectRef> list;
    list.reserve(mvObjects.size());
    list.push_back(ObjectRef{});
    for (size_t k = 1; k < mvObjects.size(); ++k) {
        ObjectRef r = mvObjects[k];
        if (r.Name == name) {
            if (r.Index == index) continue;
            if (r.Index > index) --r.Index;
        }
        list.push_back(r);
    }
    mvObjects.swap(list);
}

int Document::listPosition(ObjectKind kind, int index) const {
    const QString name = kindName(kind);
    for (int k = 1; k <= mvObjectCount(); ++k) {
        if (mvObjects[k].Name == name && mvObjects[k].Index == index) return k;
    }
    return 0;
}

ElementRef Document::elementOf(int listEntry) const {
    if (listEntry < 1 || listEntry > mvObjectCount()) return {};
    const ObjectRef& r = mvObjects[listEntry];
    ElementRef e{kindFromName(r.Name), r.Index};
    return exists(e) ? e : ElementRef{};
}

bool Document::exists(const ElementRef& e) const {
    return e.kind != ObjectKind::None && e.index >= 1 && e.index <= count(e.kind);
}

bool Document::isVisible(const ElementRef& e) const {
    if (!exists(e)) return false;
    switch (e.kind) {
    case ObjectKind::Text:
        return txt그리기[e.index].Visible;
    case ObjectKind::Picture:
        return img그리기[e.index].Visible;
    case ObjectKind::Shape:
        return shp그리기[e.index].Visible;
    case ObjectKind::Line:
        return lin그리기[e.index].Visible;
    case ObjectKind::None:
        break;
    }
    return false;
}

void Document::setVisible(const ElementRef& e, bool visible) {
    if (!exists(e)) return;
    switch (e.kind) {
    case ObjectKind::Text:
        txt그리기[e.index].Visible = visible;
        break;
    case ObjectKind::Picture:
        img그리기[e.index].Visible = visible;
        break;
    case ObjectKind::Shape:
        shp그리기[e.index].Visible = visible;
        break;
    case ObjectKind::Line:
        lin그리기[e.index].Visible = visible;
        break;
    case ObjectKind::None:
        break;
    }
}

QRectF Document::bounds(const ElementRef& e) const {
    if (!exists(e)) return {};
    switch (e.kind) {
    case ObjectKind::Text: {
        const auto& t = txt그리기[e.index];
        return QRectF(t.Left, t.Top, t.Width, t.Height);
    }
    case ObjectKind::Picture: {
        const auto& p = img그리기[e.index];
        return QRectF(p.Left, p.Top, p.Width, p.Height);
    }
    case ObjectKind::Shape: {
        const auto& s = shp그리기[e.index];
        return QRectF(s.Left, s.Top, s.Width, s.Height);
    }
    case ObjectKind::Line: {
        const auto& l = lin그리기[e.index];
        return QRectF(QPointF(std::min(l.X1, l.X2), std::min(l.Y1, l.Y2)),
                      QPointF(std::max(l.X1, l.X2), std::max(l.Y1, l.Y2)));
    }
    case ObjectKind::None:
        break;
    }
    return {};
}

QRectF Document::marginBox() const {
    const double zz = z();
    const double w = zz * gPageWidth, h = zz * gPageHeight;
    return QRectF(QPointF(zz * gMarginLeft, zz * gMarginTop),
                  QPointF(w - zz * gMarginRight, h - zz * gMarginBottom));
}

} // namespace zep
