#pragma once
// Colours are stored as red + 256 * green + 65536 * blue, as in the files.
#include <QColor>
#include <cstdint>

namespace zep {

using ColourValue = std::int32_t;

struct RGBBytes {
    std::uint8_t red = 0, green = 0, blue = 0;
    bool operator==(const RGBBytes&) const = default;
};

// Keeps only the three low bytes; any 32-bit value is accepted.
inline RGBBytes SplitRGB(std::int64_t colour) {
    auto floorDiv = [](std::int64_t a, std::int64_t b) {
        std::int64_t q = a / b;
        if ((a % b != 0) && ((a < 0) != (b < 0))) --q;
        return q;
    };
    return {static_cast<std::uint8_t>(colour & 255),
            static_cast<std::uint8_t>(floorDiv(colour, 256) & 255),
            static_cast<std::uint8_t>(floorDiv(colour, 65536) & 255)};
}

inline ColourValue RGBValue(int r, int g, int b) {
    return r + 256 * g + 65536 * b;
}

inline QColor toQColor(ColourValue c) {
    const RGBBytes b = SplitRGB(c);
    return QColor(b.red, b.green, b.blue);
}

inline ColourValue fromQColor(const QColor& c) {
    return RGBValue(c.red(), c.green(), c.blue());
}

} // namespace zep
