#include "view/Rulers.h"

#include "shell/Fonts.h"
#include "shell/Numbers.h"
#include "shell/Units.h"

#include <QPainter>

namespace zep {

int rulerTickStep(int zoom) {
    return static_cast<int>(roundHalfEven(zoom / 100.0 * kTwipsPerMm));
}

namespace {
double rulerFontSize(int zoom) {
    return zoom < 100 ? zoom / 100.0 * 8 : 8;
}

// Positive numbers print with a leading blank for the sign.
QString printedNumber(int n) {
    return (n >= 0 ? QStringLiteral(" ") : QString()) + QString::number(n);
}

template <typename Fn> void forEachTick(int zoom, double length, Fn fn) {
    const int s = std::max(1, rulerTickStep(zoom));
    const double limit = roundHalfEven(length);
    int k = 0;
    for (double x = 0; x <= limit; x += s, ++k)
        fn(x, k);
}
} // namespace

RulerLayout horizontalRuler(int zoom, double pageWidth) {
    RulerLayout r;
    const double z = zoom / 100.0;
    r.width = z * pageWidth + kRulerThickness;
    r.height = kRulerThickness;
    r.fontSize = rulerFontSize(zoom);
    forEachTick(zoom, r.width, [&](double x, int k) {
        if (k % 10 == 0) {
            r.labels.push_back({printedNumber(k / 10), x - 39.69, 0});
            r.ticks.push_back({x, 0, kRulerThickness});
        } else if (k % 5 == 0) {
            r.ticks.push_back({x, 141.75, kRulerThickness});
        } else {
            r.ticks.push_back({x, 212.625, kRulerThickness});
        }
    });
    return r;
}

RulerLayout verticalRuler(int zoom, double pageHeight) {
    RulerLayout r;
    const double z = zoom / 100.0;
    r.width = kRulerThickness;
    r.height = z * pageHeight + kRulerThickness;
    r.fontSize = rulerFontSize(zoom);
    const double d = zoom < 100 ? z * 8 * kTwipsPerMm / 3.5 : 453.6 / 3.5;
    forEachTick(zoom, r.height, [&](double y, int k) {
        if (k % 10 == 0) {
            const QString digits = QString::number(k / 10);
            for (int i = 0; i < digits.size(); ++i)
                r.labels.push_back({QString(digits[i]), i == 0 ? 1.0 : 0.0, y + i * d});
            r.ticks.push_back({y, 0, kRulerThickness});
        } else if (k % 5 == 0) {
            r.ticks.push_back({y, 141.75, kRulerThickness});
        } else {
            r.ticks.push_back({y, 212.625, kRulerThickness});
        }
    });
    return r;
}

void paintRuler(QPainter& p, const RulerLayout& r, bool horizontal, const QColor& ink) {
    QPen pen(ink);
    pen.setCosmetic(true);
    p.setPen(pen);
    if (horizontal)
        p.drawLine(QPointF(0, r.baseline), QPointF(r.width, r.baseline));
    else
        p.drawLine(QPointF(r.baseline, 0), QPointF(r.baseline, r.height));
    for (const RulerTick& t : r.ticks) {
        if (horizontal)
            p.drawLine(QPointF(t.pos, t.from), QPointF(t.pos, t.to));
        else
            p.drawLine(QPointF(t.from, t.pos), QPointF(t.to, t.pos));
    }
    QFont f = documentFont(QStringLiteral("굴림"), r.fontSize, false, false, false);
    f.setPixelSize(std::max(1, static_cast<int>(r.fontSize * 20)));
    p.setFont(f);
    const double ascent = QFontMetricsF(f).ascent();
    for (const RulerLabel& l : r.labels)
        p.drawText(QPointF(l.x, l.y + ascent), l.text);
}

} // namespace zep
