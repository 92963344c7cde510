#pragma once
// The four object kinds. Each element keeps its on-page values (already
// multiplied by the zoom); the side-table records keep the same values at
// 100 %, which the zoom rebuilds the elements from.
#include "colour/ColourValue.h"
#include "document/Picture.h"

#include <QString>
#include <cstdint>

namespace zep {

enum class ObjectKind { None, Text, Picture, Shape, Line };

// The kind names used in the object list, the selection and the file.
inline const QString kTextName = QStringLiteral("txt그리기");
inline const QString kPictureName = QStringLiteral("img그리기");
inline const QString kShapeName = QStringLiteral("shp그리기");
inline const QString kLineName = QStringLiteral("lin그리기");

ObjectKind kindFromName(const QString& name); // exact match; None otherwise
QString kindName(ObjectKind kind);

// Pointer codes of mvMousePointer.
enum MousePointer : int { PointerArrow = 1, PointerCross = 2, PointerText = 3, PointerCustom = 99 };

// Shape codes.
enum ShapeCode : int {
    ShapeRectangle = 0,
    ShapeSquare = 1,
    ShapeOval = 2,
    ShapeCircle = 3,
    ShapeRoundedRectangle = 4,
    ShapeRoundedSquare = 5
};

struct TextElement {
    QString Caption = QStringLiteral("문자");
    QString FontName = QStringLiteral("굴림체");
    double FontSize = 9.75; // points on the page (z * base size, not rounded)
    bool FontBold = false;
    bool FontItalic = false;
    bool FontUnderline = false;
    ColourValue ForeColor = 0;
    bool AutoSize = true; // false: vertical writing
    bool WordWrap = false;
    float Left = 0, Top = 0, Width = 0, Height = 0;
    QString Tag; // the font size at 100 %, as decimal text
    bool Visible = false;
    int MousePointer = PointerArrow;
};

struct PictureElement {
    Picture picture;
    bool Stretch = false;
    float Left = 0, Top = 0, Width = 0, Height = 0;
    bool Visible = false;
    int MousePointer = PointerArrow;
};

struct ShapeElement {
    int Shape = ShapeRectangle;
    int BorderStyle =
        1; // 0 none, 1 solid, 2 dash, 3 dot, 4 dash-dot, 5 dash-dot-dot, 6 inside solid
    ColourValue BorderColor = 0;
    int BorderWidth = 1; // pixels at the current zoom
    int BackStyle = 0;   // 0 transparent, 1 opaque
    ColourValue BackColor = 0xFFFFFF;
    float Left = 0, Top = 0, Width = 0, Height = 0;
    bool Visible = false;
};

struct LineElement {
    int BorderStyle = 1;
    ColourValue BorderColor = 0;
    int BorderWidth = 1;
    float X1 = 0, Y1 = 0, X2 = 0, Y2 = 0;
    bool Visible = false;
};

// Side-table records (twips at 100 %).
struct ShapeBase {
    std::int16_t BorderWidth = 0;
    float Left = 0, Top = 0, Width = 0, Height = 0;
};
struct ImageBase {
    QString PicturePath;
    float Left = 0, Top = 0, Width = 0, Height = 0;
};
struct LineBase {
    std::int16_t BorderWidth = 0;
    float X1 = 0, Y1 = 0, X2 = 0, Y2 = 0;
};
struct TextBase {
    float FontSize = 0;
    float Left = 0, Top = 0;
};

struct ObjectRef {
    QString Name;
    std::int16_t Index = 0;
    bool operator==(const ObjectRef&) const = default;
};

} // namespace zep
