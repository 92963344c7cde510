#include "shell/Progress.h"

#include <QRandomGenerator>
#include <algorithm>

namespace zep {

void ProgressStrip::ShowProgress(const QString& caption, double total, double current) {
    if (current <= 1) {
        barShown_ = true;
        auto draw = [] {
            return static_cast<int>(QRandomGenerator::global()->generateDouble() * 200);
        };
        colour_ = QColor(draw(), draw(), draw());
    }
    const double t = total >= 1 ? total : 1;
    percent_ = static_cast<int>(std::clamp(100.0 * current / t, -32768.0, 32767.0));
    text_ = caption + QStringLiteral(" (") + QString::number(percent_) + QStringLiteral("%)");
    ++barsDrawn_;
    if (repaint) repaint();
    if (percent_ > 99) {
        barShown_ = false;
        text_.clear();
        if (repaint) repaint();
    }
}

} // namespace zep
