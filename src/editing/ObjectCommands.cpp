#include "editing/ObjectCommands.h"

#include "canvas/Editor.h"
#include "document/TextLayout.h"
#include "shell/Numbers.h"
#include "view/Zoom.h"

#include <algorithm>

namespace zep {

// ---------------------------------------------------------------- stacking
// Drawing follows the list, so re-stacking is a change of the list alone.

void ObjectCommands::run(void (ObjectCommands::*routine)(int)) {
    BusyScope busy(ed_.host());
    const int p = ed_.selectionListPosition();
    if (p >= 1) (this->*routine)(p);
}

void ObjectCommands::SendBackward(int p) {
    ed_.doc.mv내용수정 = true;
    auto& l = ed_.doc.mvObjects;
    if (p > 1 && p <= ed_.doc.mvObjectCount()) std::swap(l[p - 1], l[p]);
    ed_.notifyPage();
}

void ObjectCommands::BringForward(int p) {
    ed_.doc.mv내용수정 = true;
    auto& l = ed_.doc.mvObjects;
    if (p >= 1 && p < ed_.doc.mvObjectCount()) std::swap(l[p], l[p + 1]);
    ed_.notifyPage();
}

void ObjectCommands::SendToBack(int p) {
    ed_.doc.mv내용수정 = true;
    auto& l = ed_.doc.mvObjects;
    if (p > 1 && p <= ed_.doc.mvObjectCount())
        std::rotate(l.begin() + 1, l.begin() + p, l.begin() + p + 1);
    ed_.notifyPage();
}

void ObjectCommands::BringToFront(int p) {
    ed_.doc.mv내용수정 = true;
    auto& l = ed_.doc.mvObjects;
    if (p >= 1 && p < ed_.doc.mvObjectCount())
        std::rotate(l.begin() + p, l.begin() + p + 1, l.end());
    ed_.notifyPage();
}

// ---------------------------------------------------------------- copy buffer

void ObjectCommands::CopySelection() {
    Document& d = ed_.doc;
    if (!d.exists(ed_.gSelObject)) return;
    const double z = d.z();
    const int k = ed_.gSelIndex;
    ClipBuffer& c = ed_.clip;
    auto at100 = [z](float v) { return static_cast<float>(v / z); };
    switch (kindFromName(c.mvClipKind)) {
    case ObjectKind::Picture: {
        const PictureElement& o = d.img그리기[k];
        c.imgCopyObject = o;
        c.imgCopyObject.Left = at100(o.Left), c.imgCopyObject.Top = at100(o.Top);
        c.imgCopyObject.Width = at100(o.Width), c.imgCopyObject.Height = at100(o.Height);
        c.mvClipPicturePath = d.gImageBase[k].PicturePath;
        break;
    }
    case ObjectKind::Text: {
        const TextElement& o = d.txt그리기[k];
        c.txtCopyObject = o;
        c.txtCopyObject.Left = at100(o.Left), c.txtCopyObject.Top = at100(o.Top);
        c.txtCopyObject.Width = at100(o.Width), c.txtCopyObject.Height = at100(o.Height);
        c.txtCopyObject.FontSize = leadingNumber(o.Tag);
        break;
    }
    case ObjectKind::Shape: {
        const ShapeElement& o = d.shp그리기[k];
        c.shpCopyObject = o;
        c.shpCopyObject.Left = at100(o.Left), c.shpCopyObject.Top = at100(o.Top);
        c.shpCopyObject.Width = at100(o.Width), c.shpCopyObject.Height = at100(o.Height);
        c.shpCopyObject.BorderWidth = d.gShapeBase[k].BorderWidth;
        break;
    }
    case ObjectKind::Line: {
        const LineElement& o = d.lin그리기[k];
        c.linCopyObject = o;
        c.linCopyObject.X1 = at100(o.X1), c.linCopyObject.X2 = at100(o.X2);
        c.linCopyObject.Y1 = at100(o.Y1), c.linCopyObject.Y2 = at100(o.Y2);
        c.linCopyObject.BorderWidth = d.gLineBase[k].BorderWidth;
        break;
    }
    case ObjectKind::None:
        break;
    }
}

void ObjectCommands::CopyCommand() {
    BusyScope busy(ed_.host());
    if (ed_.gSelName.trimmed().isEmpty()) return;
    ed_.clip.mvClipKind = ed_.gSelName.trimmed();
    CopySelection();
    ed_.pasteEnabled = true;
    if (ed_.host()) ed_.host()->pasteStateChanged();
}

void ObjectCommands::CutCommand() {
    BusyScope busy(ed_.host());
    if (ed_.gSelName.trimmed().isEmpty()) return;
    ed_.clip.mvClipKind = ed_.gSelName.trimmed();
    CopySelection();
    ed_.mnu지우기_Click();
    ed_.pasteEnabled = true;
    if (ed_.host()) ed_.host()->pasteStateChanged();
}

void ObjectCommands::PasteCommand() {
    BusyScope busy(ed_.host());
    if (!ed_.clip.empty()) PasteClipboard();
}

void ObjectCommands::PasteClipboard() {
    Document& d = ed_.doc;
    const ObjectKind kind = kindFromName(ed_.clip.mvClipKind);
    const int n = d.loadElement(kind);
    if (n < 0) {
        ed_.refuseCreation();
        return;
    }
    d.mv내용수정 = true;
    const double z = d.z();
    const float X0 = static_cast<float>(z * d.gMarginLeft + 100),
                Y0 = static_cast<float>(z * d.gMarginTop + 100);
    auto scaled = [z](float v) { return static_cast<float>(z * v); };
    auto at100 = [z](float v) { return static_cast<float>(v / z); };
    const ClipBuffer& c = ed_.clip;
    d.growTable(kind, n);
    switch (kind) {
    case ObjectKind::Shape: {
        ShapeElement& s = d.shp그리기[n];
        s = c.shpCopyObject;
        s.Left = X0, s.Top = Y0, s.Width = scaled(c.shpCopyObject.Width),
        s.Height = scaled(c.shpCopyObject.Height);
        s.BorderWidth = ScaledBorderWidth(z, c.shpCopyObject.BorderWidth);
        s.Visible = true;
        d.gShapeBase[n] = {static_cast<std::int16_t>(c.shpCopyObject.BorderWidth), at100(s.Left),
                           at100(s.Top), at100(s.Width), at100(s.Height)};
        break;
    }
    case ObjectKind::Line: {
        LineElement& l = d.lin그리기[n];
        l = c.linCopyObject;
        l.X1 = X0, l.Y1 = Y0;
        l.X2 = X0 + scaled(c.linCopyObject.X2 - c.linCopyObject.X1);
        l.Y2 = Y0 + scaled(c.linCopyObject.Y2 - c.linCopyObject.Y1);
        l.BorderWidth = ScaledBorderWidth(z, c.linCopyObject.BorderWidth);
        l.Visible = true;
        d.gLineBase[n] = {static_cast<std::int16_t>(c.linCopyObject.BorderWidth), at100(l.X1),
                          at100(l.Y1), at100(l.X2), at100(l.Y2)};
        break;
    }
    case ObjectKind::Text: {
        TextElement& t = d.txt그리기[n];
        t = c.txtCopyObject;
        t.Left = X0, t.Top = Y0;
        t.FontSize = fix(leadingNumber(c.txtCopyObject.Tag) * z);
        if (t.FontSize <= 0) t.FontSize = 1;
        if (t.AutoSize)
            autoSizeText(t);
        else
            MakeVerticalText(t);
        t.Visible = true;
        d.gTextBase[n] = {static_cast<float>(t.FontSize / z), at100(t.Left), at100(t.Top)};
        break;
    }
    case ObjectKind::Picture: {
        PictureElement& p = d.img그리기[n];
        p = c.imgCopyObject;
        p.Left = X0, p.Top = Y0, p.Width = scaled(c.imgCopyObject.Width),
        p.Height = scaled(c.imgCopyObject.Height);
        p.Visible = true;
        d.gImageBase[n] = {c.mvClipPicturePath, at100(p.Left), at100(p.Top), at100(p.Width),
                           at100(p.Height)};
        break;
    }
    case ObjectKind::None:
        return;
    }
    d.appendToList(kind, n);
    ed_.Deselect();
    ed_.gSelObject = {kind, n};
    ed_.gSelName = kindName(kind);
    ed_.gSelIndex = n;
    ed_.mf객체선택(ed_.gSelName);
}

void ObjectCommands::ClearBackground() {
    BusyScope busy(ed_.host());
    ed_.doc.img배경 = Picture();
    ed_.doc.mvBackPicturePath.clear();
    ed_.notifyPage();
}

// ---------------------------------------------------------------- context menus

void ObjectCommands::edit() {
    BusyScope busy(ed_.host());
    if (ed_.activeTool != ToolSelect) return;
    if (ed_.gSelName.trimmed() == kTextName)
        ed_.textDoubleClick(ed_.gSelIndex);
    else
        ed_.pageDoubleClick();
}

void ObjectCommands::sizeEdit() {
    BusyScope busy(ed_.host());
    Document& d = ed_.doc;
    if (!d.exists(ed_.gSelObject)) return;
    ed_.HideSelectionMarks();
    if (ed_.host()) ed_.host()->runSizeDialog(ed_);
    if (!d.exists(ed_.gSelObject)) return;
    const double z = d.z();
    const int k = ed_.gSelIndex;
    switch (ed_.gSelObject.kind) {
    case ObjectKind::Line:
        ed_.storeLine(k);
        break;
    case ObjectKind::Shape:
        d.gShapeBase[k].Width = static_cast<float>(d.shp그리기[k].Width / z);
        d.gShapeBase[k].Height = static_cast<float>(d.shp그리기[k].Height / z);
        break;
    case ObjectKind::Picture:
        d.gImageBase[k].Width = static_cast<float>(d.img그리기[k].Width / z);
        d.gImageBase[k].Height = static_cast<float>(d.img그리기[k].Height / z);
        break;
    default:
        return;
    }
    ed_.mf객체선택(ed_.gSelName);
}

void ObjectCommands::RestorePictureSize() {
    BusyScope busy(ed_.host());
    Document& d = ed_.doc;
    if (!d.exists(ed_.gSelObject) || ed_.gSelObject.kind != ObjectKind::Picture) return;
    d.mv내용수정 = true;
    const double z = d.z();
    const int k = ed_.gSelIndex;
    PictureElement& p = d.img그리기[k];
    const QSizeF natural = p.picture.naturalSizeTwips();
    p.Width = static_cast<float>(std::trunc(natural.width()) * z);
    p.Height = static_cast<float>(std::trunc(natural.height()) * z);
    ImageBase& b = d.gImageBase[k];
    b.Left = static_cast<float>(p.Left / z), b.Top = static_cast<float>(p.Top / z);
    b.Width = static_cast<float>(p.Width / z), b.Height = static_cast<float>(p.Height / z);
    auto& o = ed_.marks.lin테두리;
    const float L = p.Left, T = p.Top, R = p.Left + p.Width, B = p.Top + p.Height;
    o[0] = {L, T, R, T, true};
    o[1] = {R, T, R, B, true};
    o[2] = {L, B, R, B, true};
    o[3] = {L, T, L, B, true};
    ed_.ShowSizeGrips(kPictureName);
}

void ObjectCommands::changePicture() {
    BusyScope busy(ed_.host());
    Document& d = ed_.doc;
    if (!d.exists(ed_.gSelObject) || ed_.gSelObject.kind != ObjectKind::Picture || !ed_.host())
        return;
    const int k = ed_.gSelIndex;
    const Picture pic =
        ed_.choosePicture(d.gImageBase[k].PicturePath, QStringLiteral("그림바꾸기"));
    if (pic.isNull()) return;
    d.mv내용수정 = true;
    d.img그리기[k].picture = pic; // keeps its rectangle, stretched into it
    d.gImageBase[k].PicturePath = ed_.mvPictureName;
    ed_.rememberPictureFolder();
    ed_.notifyPage();
}

void ObjectCommands::changeBackground() {
    BusyScope busy(ed_.host());
    if (!ed_.host()) return;
    Document& d = ed_.doc;
    const QString start =
        d.mvBackPicturePath.trimmed().isEmpty() ? ed_.mvPictureFolder : d.mvBackPicturePath;
    const Picture pic = ed_.choosePicture(start, QStringLiteral("배경그림"));
    if (pic.isNull()) return;
    d.mv내용수정 = true;
    d.img배경 = pic;
    d.mvBackPicturePath = ed_.mvPictureName;
    ed_.rememberPictureFolder();
    ed_.notifyPage();
}

} // namespace zep
