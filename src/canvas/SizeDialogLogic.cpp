#include "canvas/SizeDialogLogic.h"

#include "document/ZepFile.h"
#include "shell/Numbers.h"
#include "shell/Units.h"

#include <cmath>

namespace zep {

namespace {

// Cuts v to the given decimals; a value a rounding error below a step (0.29 cm
// arriving as 0.28999...) counts as that step.
double cutTo(double v, double steps) {
    double s = v * steps;
    const double r = std::round(s);
    if (std::fabs(s - r) < 1e-6 * std::max(1.0, std::fabs(s))) s = r;
    return fix(s) / steps;
}

bool takesSize(double twips) {
    return std::isfinite(twips) && twips >= kMinSizeTwips && twips <= kMaxSizeTwips;
}

double zoomOf(const Document& doc) {
    return doc.gZoom > 0 ? doc.z() : 1.0;
}

// New end points on one axis: the end with the smaller coordinate stays.
void resizeAxis(float& a, float& b, double extent) {
    if (b < a)
        a = static_cast<float>(b + extent);
    else if (b > a)
        b = static_cast<float>(a + extent);
}

} // namespace

QStringList sizeUnitNames() {
    return {QStringLiteral("트윕"), QStringLiteral("포인트"),   QStringLiteral("픽셀"),
            QStringLiteral("인치"), QStringLiteral("센티미터"), QStringLiteral("밀리미터")};
}

double twipsPerUnit(int unit) {
    switch (unit) {
    case UnitTwip:
        return 1;
    case UnitPoint:
        return 20;
    case UnitPixel:
        return kTwipsPerPixel;
    case UnitInch:
        return 1440;
    case UnitCentimetre:
        return 567;
    case UnitMillimetre:
        return kTwipsPerMm;
    default:
        return 0;
    }
}

QString sizeText(double twips, int unit) {
    const double per = twipsPerUnit(unit);
    if (per == 0) return {};
    const double v = twips / per;
    switch (unit) {
    case UnitInch:
        return formatSingle(static_cast<float>(cutTo(v, 100)));
    case UnitCentimetre:
        return formatDouble(cutTo(v, 100));
    case UnitMillimetre:
        return formatDouble(cutTo(v, 10));
    default:
        return formatSingle(static_cast<float>(v));
    }
}

double textTwips(const QString& text, int unit) {
    return leadingNumber(text) * twipsPerUnit(unit);
}

void SizeForm::write(int i, double twips, const QString& text) {
    rows[i].exact = twips;
    rows[i].exactText = text;
    rows[i].text = text;
}

void SizeForm::open(const Document& doc, const ElementRef& e) {
    object = e;
    rows = {};
    const double z = zoomOf(doc);
    auto show = [this](int i, double base) {
        rows[i].base = base;
        rows[i].enabled = true;
        write(i, base, sizeText(base, UnitCentimetre) + QStringLiteral("cm"));
    };
    if (!doc.exists(e)) return;
    switch (e.kind) {
    case ObjectKind::Line: {
        const LineElement& l = doc.lin그리기[e.index];
        // A vertical line is measured along y, not shown as 0.
        const double dx = std::fabs(l.X2 - l.X1);
        show(0, (dx != 0 ? dx : std::fabs(l.Y2 - l.Y1)) / z);
        break;
    }
    case ObjectKind::Picture:
    case ObjectKind::Shape: {
        const bool picture = e.kind == ObjectKind::Picture;
        show(0, (picture ? doc.img그리기[e.index].Width : doc.shp그리기[e.index].Width) / z);
        show(1, (picture ? doc.img그리기[e.index].Height : doc.shp그리기[e.index].Height) / z);
        break;
    }
    case ObjectKind::Text:
    case ObjectKind::None:
        break;
    }
}

double SizeForm::rowTwips(int i) const {
    const Row& r = rows[i];
    if (!r.exactText.isNull() && r.text == r.exactText && r.unit == r.writtenUnit) return r.exact;
    return textTwips(r.text, r.unit);
}

void SizeForm::unitChosen(int i, int unit) {
    if (unit < 0 || unit >= kSizeUnitCount || unit == rows[i].writtenUnit) return;
    const double t = rowTwips(i);
    rows[i].unit = unit;
    rows[i].writtenUnit = unit;
    const QString text = sizeText(t, unit);
    write(i, t, text);
    textChanged(i, text);
}

void SizeForm::focused(int i) {
    rows[i].armed = true;
    rows[1 - i].armed = locked;
}

void SizeForm::textChanged(int i, const QString& text) {
    rows[i].text = text;
    const int o = 1 - i;
    if (!locked || !rows[o].armed || !rows[o].enabled) return;
    // An extent of 0 has no ratio to keep.
    if (rows[i].base == 0) return;
    const double r = rowTwips(i) / rows[i].base;
    rows[0].armed = rows[1].armed = false;
    const double t = r * rows[o].base;
    write(o, t, sizeText(t, rows[o].unit));
    rows[0].armed = rows[1].armed = true;
}

void SizeForm::apply(Document& doc) const {
    if (!doc.exists(object)) return;
    const double z = zoomOf(doc);
    const int k = object.index;
    switch (object.kind) {
    case ObjectKind::Line: {
        const double L = rowTwips(0);
        LineElement& l = doc.lin그리기[k];
        const double dx = std::fabs(l.X2 - l.X1), dy = std::fabs(l.Y2 - l.Y1);
        const double along = dx != 0 ? dx : dy;
        if (takesSize(L) && along != 0) {
            // Both axes scale alike, so a slanted line keeps its direction.
            const double s = z * L / along;
            resizeAxis(l.X1, l.X2, dx * s);
            resizeAxis(l.Y1, l.Y2, dy * s);
        }
        doc.growTable(ObjectKind::Line, k);
        LineBase& b = doc.gLineBase[k];
        b.X1 = static_cast<float>(l.X1 / z);
        b.Y1 = static_cast<float>(l.Y1 / z);
        b.X2 = static_cast<float>(l.X2 / z);
        b.Y2 = static_cast<float>(l.Y2 / z);
        break;
    }
    case ObjectKind::Picture:
    case ObjectKind::Shape: {
        const double w = rowTwips(0), h = rowTwips(1);
        float *width, *height, *baseWidth, *baseHeight;
        if (object.kind == ObjectKind::Picture) {
            doc.growTable(ObjectKind::Picture, k);
            width = &doc.img그리기[k].Width;
            height = &doc.img그리기[k].Height;
            baseWidth = &doc.gImageBase[k].Width;
            baseHeight = &doc.gImageBase[k].Height;
        } else {
            doc.growTable(ObjectKind::Shape, k);
            width = &doc.shp그리기[k].Width;
            height = &doc.shp그리기[k].Height;
            baseWidth = &doc.gShapeBase[k].Width;
            baseHeight = &doc.gShapeBase[k].Height;
        }
        if (takesSize(w)) *width = static_cast<float>(z * w);
        if (takesSize(h)) *height = static_cast<float>(z * h);
        *baseWidth = static_cast<float>(*width / z);
        *baseHeight = static_cast<float>(*height / z);
        break;
    }
    case ObjectKind::Text:
    case ObjectKind::None:
        break;
    }
    doc.mv내용수정 = true;
}

} // namespace zep
