#pragma once
// The rules of the size dialog without its widgets: the six units, the two
// value rows with their ratio lock, and what OK does to the element.
#include "document/Document.h"

#include <QString>
#include <QStringList>
#include <array>

namespace zep {

enum SizeUnit : int {
    UnitTwip = 0,
    UnitPoint = 1,
    UnitPixel = 2,
    UnitInch = 3,
    UnitCentimetre = 4,
    UnitMillimetre = 5
};
inline constexpr int kSizeUnitCount = 6;

// The unit list in list order.
QStringList sizeUnitNames();
// Twips in one unit; 0 for a position outside the list.
double twipsPerUnit(int unit);
// A length in twips as the value boxes show it in a unit (inches and
// centimetres cut to 0.01, millimetres to 0.1), without the unit.
QString sizeText(double twips, int unit);
// The leading number of a value box in twips (0 when there is none).
double textTwips(const QString& text, int unit);

// Sizes OK applies, in twips at 100 %; others leave the element as it was.
inline constexpr double kMinSizeTwips = 1;
inline constexpr double kMaxSizeTwips = 1e6; // far beyond any paper

// The form's state: row 0 is the width (or a line's length), row 1 the height.
class SizeForm {
public:
    struct Row {
        QString text;
        int unit = UnitCentimetre;        // selected in the unit list
        int writtenUnit = UnitCentimetre; // the text was last written in it
        double base = 0;                  // extent at opening, twips at 100 %
        bool armed = false;               // a change in the other row may rewrite this one
        bool enabled = false;
        // What the program last wrote, exactly: a row the user has not typed
        // in keeps its full value instead of the cut display.
        double exact = 0;
        QString exactText;
    };

    ElementRef object;
    std::array<Row, 2> rows;
    bool locked = false; // chk비율제한

    // The first activation: texts in centimetres from the element at 100 %.
    void open(const Document& doc, const ElementRef& e);
    // The unit list of row i chose a position.
    void unitChosen(int i, int unit);
    // Row i got the focus.
    void focused(int i);
    // Row i's text changed (typed or written by the program).
    void textChanged(int i, const QString& text);
    void setLocked(bool on) { locked = on; }

    // A row's value in twips at 100 % in its selected unit.
    double rowTwips(int i) const;

    // OK: sizes the element and its record together and sets the dirty flag.
    void apply(Document& doc) const;

private:
    void write(int i, double twips, const QString& text);
};

} // namespace zep
