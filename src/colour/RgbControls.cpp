#include "colour/RgbControls.h"

#include "shell/Numbers.h"

#include <algorithm>

namespace zep {

void RgbControls::setText(int i, const QString& text) {
    text_[i] = text;
    const double v = leadingNumber(text);
    if (v < 0) return setText(i, QStringLiteral("0"));
    if (v > 255) return setText(i, QStringLiteral("255"));
    moveBar(i, static_cast<int>(roundHalfEven(v)), true);
}

void RgbControls::setBar(int i, int value) {
    moveBar(i, std::clamp(value, 0, 255), false);
}

void RgbControls::moveBar(int i, int value, bool fromBox) {
    if (bar_[i] == value) return; // a bar notifies only when its value changes
    bar_[i] = value;
    // Rewriting the box being typed in would turn "2." into "2" under the
    // cursor; the box keeps its text and the bar shows the number.
    if (!fromBox) text_[i] = QString::number(value);
    if (barMoved) barMoved(i);
}

void RgbControls::showColour(ColourValue c) {
    const RGBBytes b = SplitRGB(c);
    setText(0, QString::number(b.red));
    setText(1, QString::number(b.green));
    setText(2, QString::number(b.blue));
}

void RgbControls::setQuietly(ColourValue c) {
    const RGBBytes b = SplitRGB(c);
    bar_ = {b.red, b.green, b.blue};
    for (int i = 0; i < 3; ++i)
        text_[i] = QString::number(bar_[i]);
}

} // namespace zep
