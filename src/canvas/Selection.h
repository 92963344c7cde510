#pragma once
// The selection marks: a dotted outline of four lines and eight grips.
#include <array>

namespace zep {

// The eight grip places. For a selected line only the two NWSE grips are
// used, on its first and second end point.
enum class Grip { NWSE0, NWSE1, NESW0, NESW1, WE0, WE1, NS0, NS1 };
inline constexpr int kGripCount = 8;

struct OutlineLine {
    float X1 = 0, Y1 = 0, X2 = 0, Y2 = 0;
    bool Visible = false;
};

struct GripMark {
    float Left = 0, Top = 0; // 90 x 90 twips, centred on its target point
    bool Visible = false;
};

struct SelectionMarks {
    std::array<OutlineLine, 4> lin테두리; // (0) top, (1) right, (2) bottom, (3) left
    std::array<GripMark, kGripCount> grips;

    GripMark& grip(Grip g) { return grips[static_cast<int>(g)]; }
    const GripMark& grip(Grip g) const { return grips[static_cast<int>(g)]; }
    void hideAll() {
        for (auto& l : lin테두리)
            l.Visible = false;
        for (auto& g : grips)
            g.Visible = false;
    }
};

} // namespace zep
