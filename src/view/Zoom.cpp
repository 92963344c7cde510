#include "view/Zoom.h"

#include "document/TextLayout.h"
#include "shell/Numbers.h"

namespace zep {

int ScaledBorderWidth(double z, int width) {
    const double s = z * width;
    return static_cast<int>(s < 1 ? fix(s + 0.9) : fix(s + 0.5));
}

void ApplyZoomToObjects(Document& doc) {
    const double z = doc.z();
    for (int i = 1; i <= doc.count(ObjectKind::Picture); ++i) {
        auto& p = doc.img그리기[i];
        const ImageBase& b = doc.gImageBase[i];
        p.Left = static_cast<float>(z * b.Left);
        p.Top = static_cast<float>(z * b.Top);
        p.Width = static_cast<float>(z * b.Width);
        p.Height = static_cast<float>(z * b.Height);
    }
    for (int i = 1; i <= doc.count(ObjectKind::Shape); ++i) {
        auto& s = doc.shp그리기[i];
        const ShapeBase& b = doc.gShapeBase[i];
        s.BorderWidth = ScaledBorderWidth(z, b.BorderWidth);
        s.Left = static_cast<float>(z * b.Left);
        s.Top = static_cast<float>(z * b.Top);
        s.Width = static_cast<float>(z * b.Width);
        s.Height = static_cast<float>(z * b.Height);
    }
    for (int i = 1; i <= doc.count(ObjectKind::Line); ++i) {
        auto& l = doc.lin그리기[i];
        const LineBase& b = doc.gLineBase[i];
        l.BorderWidth = ScaledBorderWidth(z, b.BorderWidth);
        l.X1 = static_cast<float>(z * b.X1);
        l.Y1 = static_cast<float>(z * b.Y1);
        l.X2 = static_cast<float>(z * b.X2);
        l.Y2 = static_cast<float>(z * b.Y2);
    }
    for (int i = 1; i <= doc.count(ObjectKind::Text); ++i) {
        auto& t = doc.txt그리기[i];
        const TextBase& b = doc.gTextBase[i];
        t.FontSize = z * b.FontSize;
        t.Left = static_cast<float>(z * b.Left);
        t.Top = static_cast<float>(z * b.Top);
        if (t.AutoSize)
            autoSizeText(t);
        else
            MakeVerticalText(t);
    }
}

std::optional<int> zoomForTypedText(const QString& text, int currentZoom) {
    const double v = leadingNumber(text);
    if (v == currentZoom) return std::nullopt;
    if (v < kMinZoom || v > kMaxZoom) return std::nullopt;
    return static_cast<int>(std::floor(v));
}

std::optional<int> zoomForListChoice(const QString& text, int currentZoom) {
    const double v = leadingNumber(text);
    if (v == currentZoom) return std::nullopt;
    return static_cast<int>(roundHalfEven(v));
}

std::optional<QString> zoomButtonText(int button, const QString& boxText) {
    const double v = leadingNumber(boxText);
    if (button == 0) {
        if (v >= kMaxZoom) return std::nullopt;
        return QString::number(static_cast<long long>(fix(v)) + 10);
    }
    if (v - 10 > 10) return QString::number(static_cast<long long>(fix(v - 10)));
    return QStringLiteral("10");
}

QStringList zoomListItems() {
    return {"25", "50", "75", "100", "150", "200"};
}

} // namespace zep
