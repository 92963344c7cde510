#pragma once
// The two rulers in centimetres, laid out in twips of the ruler's own surface.
#include <QFont>
#include <QString>
#include <vector>

class QPainter;

namespace zep {

struct RulerTick {
    double pos;      // x on the horizontal ruler, y on the vertical one
    double from, to; // extent across the ruler
};

struct RulerLabel {
    QString text; // one character per entry on the vertical ruler
    double x, y;  // text cursor (top-left of the text)
};

struct RulerLayout {
    double width = 0, height = 0;
    double fontSize = 8;
    double baseline = 274.995; // the long line along the page edge
    std::vector<RulerTick> ticks;
    std::vector<RulerLabel> labels;
};

// Whole twips between ticks: z * 56.7 rounded half to even.
int rulerTickStep(int zoom);

RulerLayout horizontalRuler(int zoom, double pageWidth);
RulerLayout verticalRuler(int zoom, double pageHeight);

// Paints a ruler; the painter's units are twips of the ruler surface.
void paintRuler(QPainter& p, const RulerLayout& r, bool horizontal, const QColor& ink);

} // namespace zep
