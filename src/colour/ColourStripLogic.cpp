#include "colour/ColourStripLogic.h"

#include "canvas/Editor.h"
#include "colour/ScreenColour.h"

#include <QCursor>
#include <QImage>

namespace zep {

bool ApplyColorToSelection(Editor& editor, ColourSide side, ColourValue colour) {
    const ObjectKind kind = kindFromName(editor.gSelName.trimmed());
    const ElementRef e = editor.gSelObject;
    if (kind == ObjectKind::None || e.kind != kind || !editor.doc.exists(e)) return false;
    ColourValue* target = nullptr;
    const bool fore = side == ColourSide::Fore;
    switch (kind) {
    case ObjectKind::Line:
        if (fore) target = &editor.doc.lin그리기[e.index].BorderColor;
        break;
    case ObjectKind::Shape:
        target = fore ? &editor.doc.shp그리기[e.index].BorderColor
                      : &editor.doc.shp그리기[e.index].BackColor;
        break;
    case ObjectKind::Text:
        if (fore) target = &editor.doc.txt그리기[e.index].ForeColor;
        break;
    default:
        break;
    }
    colour &= 0xFFFFFF;
    if (!target || *target == colour) return false;
    *target = colour;
    // Otherwise New or Exit would drop a recoloured sign without asking.
    editor.doc.mv내용수정 = true;
    return true;
}

ColourSide activeSide(const Editor& editor) {
    return editor.mvColorMode == QLatin1String("FORE") ? ColourSide::Fore : ColourSide::Back;
}

ColourValue& swatchColour(Editor& editor, ColourSide side) {
    return side == ColourSide::Fore ? editor.foreColour : editor.backColour;
}

void toggleEyedropper(Editor& editor) {
    if (editor.mvEyedropper) {
        editor.mvEyedropper = false;
        editor.toolButtonClicked(ToolSelect);
        return;
    }
    editor.mvEyedropper = true;
    editor.activeTool = ToolNone;
    editor.mvMousePointer = PointerCustom;
    editor.ApplyToolPointer(ToolNone); // texts and pictures take the pointer too
}

void sampleColourAt(Editor& editor, QPoint globalPos) {
    QImage scratch(25, 25, QImage::Format_RGB32); // a swatch's size
    scratch.fill(Qt::black);
    takeColourSample(editor, PickScreenColorAt(globalPos, &scratch));
}

void takeColourSample(Editor& editor, ColourValue c) {
    c &= 0xFFFFFF;
    const ColourSide side = activeSide(editor);
    ColourValue& swatch = swatchColour(editor, side);
    const bool swatchChanged = swatch != c;
    swatch = c;
    if (ApplyColorToSelection(editor, side, c) || swatchChanged) editor.notifyPage();
}

void sampleColour(Editor& editor) {
    sampleColourAt(editor, QCursor::pos());
}

ColourStripLogic::ColourStripLogic(Editor& editor) : ed_(editor) {
    rgb.barMoved = [this](int) { barMoved(); };
}

void ColourStripLogic::apply(ColourSide side, ColourValue c) {
    if (ApplyColorToSelection(ed_, side, c) && objectChanged) objectChanged();
}

void ColourStripLogic::barMoved() {
    const ColourSide side = activeSide(ed_);
    swatchColour(ed_, side) = rgb.mix();
    apply(side, rgb.mix());
}

void ColourStripLogic::showInBoxes(ColourValue c) {
    rgb.showColour(c);
    // The bars may already have shown c while the swatch held another colour;
    // the swatch must still end on c.
    const ColourSide side = activeSide(ed_);
    if (swatchColour(ed_, side) != c) {
        swatchColour(ed_, side) = c;
        apply(side, c);
    }
}

void ColourStripLogic::swatchClicked(ColourSide side) {
    ed_.mvColorMode = side == ColourSide::Fore ? QStringLiteral("FORE") : QStringLiteral("BACK");
    showInBoxes(swatchColour(ed_, side));
}

void ColourStripLogic::swap() {
    const ColourSide side = activeSide(ed_);
    const ColourSide other = side == ColourSide::Fore ? ColourSide::Back : ColourSide::Fore;
    const ColourValue saved = swatchColour(ed_, other);
    swatchColour(ed_, other) = swatchColour(ed_, side);
    showInBoxes(saved);
    apply(ColourSide::Fore, ed_.foreColour);
    apply(ColourSide::Back, ed_.backColour);
}

void ColourStripLogic::reset() {
    ed_.foreColour = 0;
    ed_.backColour = 0xFFFFFF;
    const QString v =
        activeSide(ed_) == ColourSide::Fore ? QStringLiteral("0") : QStringLiteral("255");
    for (int i = 0; i < 3; ++i)
        rgb.setText(i, v);
    apply(ColourSide::Fore, 0);
    apply(ColourSide::Back, 0xFFFFFF);
}

void ColourStripLogic::dialogClosed(ColourSide side, bool accepted) {
    // The boxes follow the chosen colour, so the next bar move starts from it.
    if (accepted && activeSide(ed_) == side) showInBoxes(swatchColour(ed_, side));
    apply(side, swatchColour(ed_, side));
}

void ColourStripLogic::sync() {
    const ColourValue c = swatchColour(ed_, activeSide(ed_));
    if (rgb.mix() != c) rgb.setQuietly(c);
}

} // namespace zep
