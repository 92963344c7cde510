#pragma once
// Three number boxes that drive three bars (red, green, blue, 0..255): the
// rule the colour strip and the colour dialog share.
#include "colour/ColourValue.h"

#include <QString>
#include <array>
#include <functional>

namespace zep {

class RgbControls {
public:
    // Runs after a bar has moved, with the bar's index.
    std::function<void(int bar)> barMoved;

    const QString& text(int i) const { return text_[i]; }
    int bar(int i) const { return bar_[i]; }
    // red + 256 * green + 65536 * blue of the bars.
    ColourValue mix() const { return RGBValue(bar_[0], bar_[1], bar_[2]); }

    // Box i's text changed (typed, or written by the program). The leading
    // number moves the bar; out-of-range numbers are corrected in place. What
    // the user typed stays as typed otherwise.
    void setText(int i, const QString& text);

    // Bar i moved to value (clamped); its box then shows the value.
    void setBar(int i, int value);

    // Writes the colour's three components into the boxes, one after another.
    void showColour(ColourValue c);

    // Bars and boxes show c without any notification.
    void setQuietly(ColourValue c);

private:
    std::array<QString, 3> text_;
    std::array<int, 3> bar_{0, 0, 0};

    void moveBar(int i, int value, bool fromBox);
};

} // namespace zep
