#pragma once
#include <QString>
#include <cmath>
#include <cstdint>

namespace zep {

// The leading decimal number of a text, 0 when there is none. Blanks before
// the number are skipped; a sign, a decimal point and an exponent are read.
double leadingNumber(const QString& text);

// Round to nearest, ties to even.
inline double roundHalfEven(double v) {
    return std::nearbyint(v);
}

// Truncation toward zero.
inline double fix(double v) {
    return std::trunc(v);
}

// whole(): round to the nearest whole number, halves to the even neighbour,
// written without leading blanks.
QString wholeText(double v);

} // namespace zep
