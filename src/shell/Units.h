#pragma once
// Page geometry is in twips, origin at the paper's top-left corner.

namespace zep {

inline constexpr double kTwipsPerMm = 56.7;      // the program's factor, both ways
inline constexpr double kRulerThickness = 283.5; // also the extra scroll margin
inline constexpr double kTwipsPerPixel = 15.0;   // the screen at 96 dpi
inline constexpr double kGripSize = 90.0;

// The program's limit for element indices and the object count.
inline constexpr int kMaxObjects = 32767;

} // namespace zep
