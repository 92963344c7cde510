#include "canvas/HitTest.h"

#include "shell/Numbers.h"

#include <cmath>

namespace zep {

bool lineHit(const LineElement& l, float X, float Y, int zoom, double pixel) {
    const float p = static_cast<float>(pixel);
    if (!(fix(X + p) >= std::min(l.X1, l.X2) && fix(X - p) <= std::max(l.X1, l.X2) &&
          fix(Y + p) >= std::min(l.Y1, l.Y2) && fix(Y - p) <= std::max(l.Y1, l.Y2)))
        return false;
    if (l.X1 == l.X2 || l.Y1 == l.Y2 || X == l.X1 || X == l.X2) return true;
    const float sL = std::fabs(l.Y2 - l.Y1) / std::fabs(l.X2 - l.X1);
    const float sP = std::fabs(Y - l.Y1) / std::fabs(X - l.X1);
    const float wide = p / 50.0f, narrow = p / 500.0f;
    if (std::fabs(l.X2 - l.X1) <= 850.5 * zoom / 100.0 && sP - wide <= sL && sL <= sP + wide)
        return true;
    return sP - narrow <= sL && sL <= sP + narrow;
}

namespace {
bool rectHit(float left, float top, float width, float height, float X, float Y) {
    const float right = left + width, bottom = top + height; // single precision, as stored
    return left <= X && X <= right && top <= Y && Y <= bottom;
}
} // namespace

bool elementHit(const Document& doc, const ElementRef& e, float X, float Y, double pixel) {
    if (!doc.exists(e)) return false;
    switch (e.kind) {
    case ObjectKind::Text: {
        const auto& t = doc.txt그리기[e.index];
        return rectHit(t.Left, t.Top, t.Width, t.Height, X, Y);
    }
    case ObjectKind::Picture: {
        const auto& pe = doc.img그리기[e.index];
        return rectHit(pe.Left, pe.Top, pe.Width, pe.Height, X, Y);
    }
    case ObjectKind::Shape: {
        const auto& s = doc.shp그리기[e.index];
        return rectHit(s.Left, s.Top, s.Width, s.Height, X, Y);
    }
    case ObjectKind::Line:
        return lineHit(doc.lin그리기[e.index], X, Y, doc.gZoom, pixel);
    case ObjectKind::None:
        break;
    }
    return false;
}

ElementRef frontmostAt(const Document& doc, float X, float Y, double pixel) {
    for (int k = doc.mvObjectCount(); k >= 1; --k) {
        const ElementRef e = doc.elementOf(k);
        if (elementHit(doc, e, X, Y, pixel)) return e;
    }
    return {};
}

} // namespace zep
