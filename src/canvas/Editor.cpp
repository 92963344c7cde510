#include "canvas/Editor.h"

#include "canvas/HitTest.h"
#include "canvas/TextDialogLogic.h"
#include "document/Page.h"
#include "document/TextLayout.h"
#include "editing/ObjectCommands.h"
#include "shell/Fonts.h"
#include "shell/Numbers.h"
#include "shell/Units.h"
#include "view/Zoom.h"

#include <cmath>

namespace zep {

namespace {
constexpr float kPixel = static_cast<float>(kTwipsPerPixel);
constexpr float kHalfGrip = static_cast<float>(kGripSize / 2);

QString trimmed(const QString& s) {
    return s.trimmed();
}
} // namespace

bool isCheckTool(int tool) {
    return tool == ToolSelect || tool == ToolBackground || tool == ToolPicture ||
           tool == ToolText || (tool >= ToolLine && tool <= ToolOval);
}

Editor::Editor(EditorHost* host) : host_(host) {}

void Editor::notifyPage() {
    if (host_) host_->pageChanged();
}

void Editor::status() {
    if (host_) host_->statusChanged();
}

void Editor::refuseCreation() {
    if (host_)
        host_->showMessage(
            QStringLiteral("Zephyra"),
            QStringLiteral("객체를 더 만들 수 없습니다. 한 문서에는 %1개까지 둘 수 있습니다.")
                .arg(kMaxObjects));
}

// ---------------------------------------------------------------- document

void Editor::ResetDocument() {
    mvColorDrag = false;
    mvColorMode = QStringLiteral("FORE");
    pasteEnabled = false;
    clip.clear();
    if (host_) host_->pasteStateChanged();
    mvMousePointer = PointerArrow;
    gSelObject = {};
    gSelName.clear();
    gSelIndex = 0;
    doc.clear(); // list, dirty flag, background, zoom 0, tables, elements
    HideSelectionMarks();
    mvDrawing = mvDragging = mvResizing = false;
    captured_ = false;
    notifyPage();
}

void Editor::ApplyZoom(int zoom) {
    doc.gZoom = zoom;
    ApplyZoomToObjects(doc);
    if (host_) host_->layoutChanged();
    if (!trimmed(gSelName).isEmpty()) mf객체선택(gSelName);
    notifyPage();
}

void Editor::setZoomTo75() {
    if (leadingNumber(zoomBoxText) == 75)
        zoomBoxEdited(zoomBoxText);
    else
        setZoomBoxText(QStringLiteral("75"));
}

void Editor::setZoomBoxText(const QString& text) {
    if (text == zoomBoxText) return; // an unchanged text raises no change
    zoomBoxText = text;
    if (host_) host_->zoomBoxChanged();
    zoomBoxEdited(text);
}

void Editor::zoomBoxEdited(const QString& text) {
    zoomBoxText = text;
    const auto z = zoomForTypedText(text, doc.gZoom);
    if (!z) return;
    if (*z > doc.gZoom) pageVisible = false;
    ApplyZoom(*z);
    pageVisible = true;
    notifyPage();
}

void Editor::zoomListChosen(const QString& text) {
    const auto z = zoomForListChoice(text, doc.gZoom);
    if (!z) return;
    zoomBoxText = text;
    if (*z > doc.gZoom) pageVisible = false;
    ApplyZoom(*z);
    pageVisible = true;
    notifyPage();
}

void Editor::zoomButtonClicked(int button) {
    const auto t = zoomButtonText(button, zoomBoxText);
    if (t) setZoomBoxText(*t);
}

// ---------------------------------------------------------------- selection

void Editor::mf객체찾기(float X, float Y) {
    const ElementRef hit = frontmostAt(doc, X, Y, kTwipsPerPixel);
    if (!hit.isNone()) {
        gSelObject = hit;
        gSelName = kindName(hit.kind);
        gSelIndex = hit.index;
    }
    mf객체선택(gSelName);
}

void Editor::setOutlineRect(float left, float top, float right, float bottom) {
    auto& o = marks.lin테두리;
    o[0] = {left, top, right, top, true};
    o[1] = {right, top, right, bottom, true};
    o[2] = {left, bottom, right, bottom, true};
    o[3] = {left, top, left, bottom, true};
}

void Editor::mf객체선택(const QString& ActiveObjectName) {
    const QString n = trimmed(ActiveObjectName);
    const ObjectKind kind = kindFromName(n);
    if (kind == ObjectKind::None || !doc.exists(gSelObject) || gSelObject.kind != kind) return;
    const int i = gSelObject.index;
    const double z = doc.z() > 0 ? doc.z() : 1.0;
    switch (kind) {
    case ObjectKind::Text:
    case ObjectKind::Picture: {
        const QRectF b = doc.bounds(gSelObject);
        const float L = static_cast<float>(b.left()), T = static_cast<float>(b.top());
        const float W = static_cast<float>(b.width()), H = static_cast<float>(b.height());
        setOutlineRect(L, T, L + W, T + H);
        if (kind == ObjectKind::Picture) ShowSizeGrips(n);
        break;
    }
    case ObjectKind::Line: {
        const LineElement& l = doc.lin그리기[i];
        marks.lin테두리[0] = {l.X1, l.Y1, l.X2, l.Y2, true};
        ShowSizeGrips(n);
        break;
    }
    case ObjectKind::Shape: {
        const ShapeElement& s = doc.shp그리기[i];
        setOutlineRect(s.Left, s.Top, s.Left + s.Width - kPixel, s.Top + s.Height - kPixel);
        ShowSizeGrips(n);
        break;
    }
    case ObjectKind::None:
        break;
    }
    if (!trimmed(gSelName).isEmpty()) {
        if (kind == ObjectKind::Line) {
            const LineElement& l = doc.lin그리기[i];
            lbl좌표[0] = wholeText(l.X1 / z) + ", " + wholeText(l.Y1 / z);
            lbl좌표[1] = wholeText(std::fabs(l.X2 - l.X1) / z) + " x " +
                         wholeText(std::fabs(l.Y2 - l.Y1) / z);
        } else {
            const QRectF b = doc.bounds(gSelObject);
            lbl좌표[0] = wholeText(b.left() / z) + ", " + wholeText(b.top() / z);
            lbl좌표[1] = wholeText(b.width() / z) + " x " + wholeText(b.height() / z);
        }
        status();
    }
    notifyPage();
}

void Editor::HideSelectionMarks() {
    marks.hideAll();
    notifyPage();
}

void Editor::ShowSizeGrips(const QString& name) {
    const QString n = trimmed(name);
    auto place = [&](Grip g, float x, float y) {
        GripMark& m = marks.grip(g);
        m.Left = x - kHalfGrip;
        m.Top = y - kHalfGrip;
        m.Visible = true;
    };
    const auto& o = marks.lin테두리;
    if (n == kLineName) {
        place(Grip::NWSE0, o[0].X1, o[0].Y1);
        place(Grip::NWSE1, o[0].X2, o[0].Y2);
    } else if (n == kPictureName || n == kTextName || n == kShapeName) {
        place(Grip::NWSE0, o[0].X1, o[0].Y1);
        place(Grip::NWSE1, o[2].X2, o[2].Y2);
        place(Grip::NESW0, o[2].X1, o[2].Y1);
        place(Grip::NESW1, o[0].X2, o[0].Y2);
        place(Grip::WE0, o[3].X1, o[3].Y1 + (o[3].Y2 - o[3].Y1) / 2);
        place(Grip::WE1, o[1].X1, o[1].Y1 + (o[1].Y2 - o[1].Y1) / 2);
        place(Grip::NS0, o[0].X1 + (o[0].X2 - o[0].X1) / 2, o[0].Y1);
        place(Grip::NS1, o[2].X1 + (o[2].X2 - o[2].X1) / 2, o[2].Y1);
    }
    notifyPage();
}

void Editor::Deselect() {
    HideSelectionMarks();
    const double z = doc.z();
    const int k = gSelIndex;
    const QString n = trimmed(gSelName);
    if (n == kLineName && k >= 1 && k <= doc.count(ObjectKind::Line) &&
        k < static_cast<int>(doc.gLineBase.size())) {
        LineElement& l = doc.lin그리기[k];
        const LineBase& b = doc.gLineBase[k];
        l.BorderWidth = ScaledBorderWidth(z, b.BorderWidth);
        l.X1 = static_cast<float>(b.X1 * z);
        l.Y1 = static_cast<float>(b.Y1 * z);
        l.X2 = static_cast<float>(b.X2 * z);
        l.Y2 = static_cast<float>(b.Y2 * z);
    } else if (n == kShapeName && k >= 1 && k <= doc.count(ObjectKind::Shape) &&
               k < static_cast<int>(doc.gShapeBase.size())) {
        ShapeElement& s = doc.shp그리기[k];
        const ShapeBase& b = doc.gShapeBase[k];
        s.BorderWidth = ScaledBorderWidth(z, b.BorderWidth);
        s.Left = static_cast<float>(b.Left * z);
        s.Top = static_cast<float>(b.Top * z);
        s.Width = static_cast<float>(b.Width * z);
        s.Height = static_cast<float>(b.Height * z);
    }
    gSelObject = {};
    gSelName.clear();
    notifyPage();
}

int Editor::selectionListPosition() const {
    if (trimmed(gSelName).isEmpty()) return 0;
    return doc.listPosition(kindFromName(gSelName), gSelIndex);
}

void Editor::selectNew(ObjectKind kind, int index) {
    Deselect();
    gSelObject = {kind, index};
    gSelName = kindName(kind);
    gSelIndex = index;
    mf객체선택(gSelName);
}

void Editor::mnu지우기_Click() {
    if (trimmed(gSelName).isEmpty() || !doc.exists(gSelObject)) return;
    const ElementRef e = gSelObject;
    HideSelectionMarks();
    doc.removeElement(e.kind, e.index);
    gSelObject = {};
    gSelName.clear();
    gSelIndex = 0;
    doc.mv내용수정 = true;
    notifyPage();
}

// ---------------------------------------------------------------- tools

void Editor::ApplyToolPointer(int tool) {
    if (tool == ToolSelect)
        mvMousePointer = PointerArrow;
    else if (tool == ToolBackground || tool == ToolPicture ||
             (tool >= ToolLine && tool <= ToolOval))
        mvMousePointer = PointerCross;
    else if (tool == ToolText)
        mvMousePointer = PointerText;
    for (int i = 1; i <= doc.count(ObjectKind::Text); ++i)
        doc.txt그리기[i].MousePointer = mvMousePointer;
    for (int i = 1; i <= doc.count(ObjectKind::Picture); ++i)
        doc.img그리기[i].MousePointer = mvMousePointer;
    if (host_) host_->toolChanged();
}

void Editor::pressToolSelect() {
    activeTool = ToolSelect;
    ApplyToolPointer(ToolSelect);
}

void Editor::toolButtonClicked(int tool) {
    if (tool == ToolBringForward || tool == ToolSendBackward) {
        const int p = selectionListPosition();
        if (p < 1) return;
        ObjectCommands commands(*this);
        if (tool == ToolBringForward && p != doc.mvObjectCount()) commands.BringForward(p);
        if (tool == ToolSendBackward && p != 1) commands.SendBackward(p);
        return;
    }
    if (!isCheckTool(tool)) return;
    if (activeTool != tool) {
        mvEyedropper = false;
        activeTool = tool;
        ApplyToolPointer(tool);
        if (tool == ToolBackground || tool == ToolPicture) insertPictureOrBackground(tool);
    } else {
        mvEyedropper = false;
        pressToolSelect();
    }
}

void Editor::ensureFontNames() {
    fillFontNames(module);
}

int Editor::createText(float x, float y) {
    const int n = doc.loadElement(ObjectKind::Text);
    if (n < 0) {
        refuseCreation();
        pressToolSelect();
        return -1;
    }
    const double z = doc.z();
    TextElement& t = doc.txt그리기[n];
    t.Caption.clear();
    t.ForeColor = foreColour;
    ensureFontNames();
    bool brush = false;
    for (const QString& f : module.gFontNames)
        if (f.trimmed() == QStringLiteral("평붓")) brush = true;
    t.FontName = brush ? QStringLiteral("평붓") : QStringLiteral("굴림체");
    t.FontSize = 72 * z;
    t.Tag = QStringLiteral("72");
    t.Left = x;
    t.Top = y;
    t.Visible = true;
    autoSizeText(t);
    if (host_) host_->runTextDialog(*this, n, true);
    pressToolSelect();
    if (doc.count(ObjectKind::Text) == n) {
        doc.mv내용수정 = true;
        doc.appendToList(ObjectKind::Text, n);
        doc.growTable(ObjectKind::Text, n);
        TextElement& made = doc.txt그리기[n];
        doc.gTextBase[n] = {static_cast<float>(leadingNumber(made.Tag)),
                            static_cast<float>(made.Left / z), static_cast<float>(made.Top / z)};
        selectNew(ObjectKind::Text, n);
        return n;
    }
    Deselect();
    return -1;
}

void Editor::insertPictureOrBackground(int tool) {
    mvPictureName.clear();
    const QString start = (tool == ToolBackground && !doc.mvBackPicturePath.trimmed().isEmpty())
                              ? doc.mvBackPicturePath
                              : mvPictureFolder;
    const Picture pic = choosePicture(start, QStringLiteral("그림"));
    if (!mvPictureName.trimmed().isEmpty()) {
        // Nothing is added and the tool stays down, as after any failed step.
        if (pic.isNull()) return;
        doc.mv내용수정 = true; // the chooser's choice marks the document changed
        const double z = doc.z();
        if (tool == ToolPicture) {
            const int n = doc.loadElement(ObjectKind::Picture);
            if (n < 0) {
                refuseCreation();
                pressToolSelect();
                return;
            }
            PictureElement& p = doc.img그리기[n];
            p.Stretch = false;
            p.picture = pic;
            const double W0 = std::trunc(pic.naturalSizeTwips().width());
            const double H0 = std::trunc(pic.naturalSizeTwips().height());
            p.Left = static_cast<float>(doc.gMarginLeft * z + 100);
            p.Top = static_cast<float>(doc.gMarginTop * z + 100);
            p.Stretch = true;
            const double PW = z * doc.gPageWidth, PH = z * doc.gPageHeight;
            if (W0 * z <= PW / 2 && H0 * z <= PH / 2) {
                p.Width = static_cast<float>(W0 * z);
                p.Height = static_cast<float>(H0 * z);
            } else if (PW >= PH) {
                const double h = (PH - (doc.gMarginTop + doc.gMarginBottom) * z) / 4;
                p.Height = static_cast<float>(h);
                p.Width = static_cast<float>(H0 > 0 ? h / H0 * W0 : 0);
            } else {
                const double w = (PW - (doc.gMarginLeft + doc.gMarginRight) * z) / 4;
                p.Width = static_cast<float>(w);
                p.Height = static_cast<float>(W0 > 0 ? w / W0 * H0 : 0);
            }
            p.Visible = true;
            doc.appendToList(ObjectKind::Picture, n);
            doc.growTable(ObjectKind::Picture, n);
            doc.gImageBase[n] = {mvPictureName, static_cast<float>(p.Left / z),
                                 static_cast<float>(p.Top / z), static_cast<float>(p.Width / z),
                                 static_cast<float>(p.Height / z)};
            selectNew(ObjectKind::Picture, n);
        } else {
            doc.img배경 = pic;
            doc.mvBackPicturePath = mvPictureName;
        }
        rememberPictureFolder();
    }
    pressToolSelect();
    notifyPage();
}

Picture Editor::choosePicture(const QString& start, const QString& title) {
    mvPictureName = host_ ? host_->runPictureChooser(start) : QString();
    if (mvPictureName.trimmed().isEmpty()) return {};
    QString error;
    const Picture pic = Picture::load(mvPictureName, &error);
    if (pic.isNull() && host_)
        host_->showMessage(
            title, QStringLiteral("'%1' 그림을 열 수 없습니다: %2").arg(mvPictureName, error));
    return pic;
}

void Editor::rememberPictureFolder() {
    const int slash = std::max(mvPictureName.lastIndexOf('/'), mvPictureName.lastIndexOf('\\'));
    mvPictureFolder = mvPictureName.left(slash + 1);
    mvPictureName = mvPictureName.mid(slash + 1);
}

// ---------------------------------------------------------------- drawing

void Editor::drawLinePress(float x, float y) {
    Deselect();
    const int n = doc.loadElement(ObjectKind::Line);
    if (n < 0) {
        refuseCreation();
        return;
    }
    mvDrawing = true;
    LineElement& l = doc.lin그리기[n];
    l.BorderColor = foreColour;
    l.BorderWidth = 1;
    l.BorderStyle = 3;
    l.X1 = l.X2 = x;
    l.Y1 = l.Y2 = y;
    l.Visible = true;
    mvDrawStartX = x;
    mvDrawStartY = y;
    notifyPage();
}

void Editor::drawLineMove(float x, float y, int shift) {
    const int n = doc.count(ObjectKind::Line);
    if (n < 1) return;
    LineElement& l = doc.lin그리기[n];
    if (shift == ShiftShift) {
        if (std::fabs(y - l.Y1) >= std::fabs(x - l.X1)) {
            l.X2 = l.X1;
            l.Y2 = y;
        } else {
            l.X2 = x;
            l.Y2 = l.Y1;
        }
    } else {
        l.X2 = x;
        l.Y2 = y;
    }
    notifyPage();
}

void Editor::drawLineRelease() {
    const int n = doc.count(ObjectKind::Line);
    if (!mvDrawing || n < 1) {
        mvDrawing = false;
        return;
    }
    const double z = doc.z();
    doc.mv내용수정 = true;
    LineElement& l = doc.lin그리기[n];
    l.BorderStyle = 1;
    l.BorderWidth = 1;
    doc.growTable(ObjectKind::Line, n);
    doc.gLineBase[n] = {1, static_cast<float>(l.X1 / z), static_cast<float>(l.Y1 / z),
                        static_cast<float>(l.X2 / z), static_cast<float>(l.Y2 / z)};
    doc.appendToList(ObjectKind::Line, n);
    mvDrawing = false;
    pressToolSelect();
    selectNew(ObjectKind::Line, n);
}

void Editor::drawShapePress(float x, float y) {
    Deselect();
    const int n = doc.loadElement(ObjectKind::Shape);
    if (n < 0) {
        refuseCreation();
        return;
    }
    mvDrawing = true;
    ShapeElement& s = doc.shp그리기[n];
    s.BorderWidth = 1;
    s.BorderStyle = 3;
    s.BorderColor = foreColour;
    s.BackStyle = 1;
    s.BackColor = backColour;
    s.Shape = activeTool == ToolCircle ? ShapeCircle
              : activeTool == ToolOval ? ShapeOval
                                       : ShapeRectangle;
    s.Left = x;
    s.Top = y;
    s.Width = s.Height = 0;
    s.Visible = true;
    mvDrawStartX = x;
    mvDrawStartY = y;
    notifyPage();
}

void Editor::drawShapeMove(float x, float y) {
    const int n = doc.count(ObjectKind::Shape);
    if (n < 1) return;
    ShapeElement& s = doc.shp그리기[n];
    s.Left = x - mvDrawStartX >= 0 ? mvDrawStartX : x;
    s.Top = y - mvDrawStartY >= 0 ? mvDrawStartY : y;
    s.Width = std::fabs(x - mvDrawStartX);
    s.Height = std::fabs(y - mvDrawStartY);
    notifyPage();
}

void Editor::drawShapeRelease() {
    const int n = doc.count(ObjectKind::Shape);
    if (!mvDrawing || n < 1) {
        mvDrawing = false;
        return;
    }
    const double z = doc.z();
    doc.mv내용수정 = true;
    ShapeElement& s = doc.shp그리기[n];
    s.BorderStyle = 1;
    s.BorderWidth = 1;
    doc.growTable(ObjectKind::Shape, n);
    doc.gShapeBase[n] = {1, static_cast<float>(s.Left / z), static_cast<float>(s.Top / z),
                         static_cast<float>(s.Width / z), static_cast<float>(s.Height / z)};
    doc.appendToList(ObjectKind::Shape, n);
    mvDrawing = false;
    pressToolSelect();
    selectNew(ObjectKind::Shape, n);
}

ElementRef Editor::beingDrawn() const {
    if (!mvDrawing) return {};
    const ObjectKind kind = activeTool == ToolLine ? ObjectKind::Line
                            : activeTool >= ToolRectangle && activeTool <= ToolOval
                                ? ObjectKind::Shape
                                : ObjectKind::None;
    const int n = doc.count(kind);
    if (kind == ObjectKind::None || n < 1 || doc.listPosition(kind, n) != 0) return {};
    return {kind, n};
}

// ---------------------------------------------------------------- page handlers

void Editor::openObjectMenu(bool isText, int k) {
    ContextMenuState st;
    const int last = doc.mvObjectCount();
    const ObjectKind kind = isText ? ObjectKind::Text : gSelObject.kind;
    const int index = isText ? k : gSelIndex;
    const int pos = doc.listPosition(kind, index);
    st.sizeEditVisible = !isText;
    st.upEnabled = pos != last;
    st.downEnabled = pos != 1;
    if (host_) host_->showContextMenu(*this, ContextMenu::Object, st);
}

void Editor::openBackgroundMenu() {
    ContextMenuState st;
    const bool none = doc.mvBackPicturePath.isEmpty();
    st.layerChangeCaption = none ? QStringLiteral("배경넣기") : QStringLiteral("배경바꾸기");
    st.layerDeleteVisible = !none;
    st.pasteVisible = pasteEnabled;
    if (host_) host_->showContextMenu(*this, ContextMenu::Background, st);
}

void Editor::pagePress(float x, float y, int button, int shift) {
    (void)shift;
    if (activeTool == ToolLine) return drawLinePress(x, y);
    if (activeTool >= ToolRectangle && activeTool <= ToolOval) return drawShapePress(x, y);
    if (mvEyedropper) {
        mvColorDrag = true;
        return;
    }
    if (activeTool == ToolBackground || activeTool == ToolPicture || activeTool == ToolText) return;
    if (activeTool != ToolSelect) return;
    Deselect();
    mf객체찾기(x, y);
    const QString n = trimmed(gSelName);
    if (button == ButtonLeft && mvMousePointer == PointerArrow) {
        mvDragging = true;
        mvGrabX = x;
        mvGrabY = y;
        HideSelectionMarks();
        if (n == kLineName && doc.exists(gSelObject)) {
            doc.lin그리기[gSelIndex].Visible = false;
            marks.lin테두리[0].Visible = true;
        } else if (n == kShapeName && doc.exists(gSelObject)) {
            doc.shp그리기[gSelIndex].Visible = false;
            for (auto& o : marks.lin테두리)
                o.Visible = true;
        }
        notifyPage();
        return;
    }
    if (button == ButtonRight) {
        if (n == kLineName || n == kShapeName)
            openObjectMenu(false, gSelIndex);
        else
            openBackgroundMenu();
    }
}

void Editor::pageMove(float x, float y, int shift) {
    const double z = doc.z() > 0 ? doc.z() : 1.0;
    lbl좌표[0] = wholeText(x / z) + ", " + wholeText(y / z);
    status();
    if (mvDrawing) {
        if (activeTool == ToolLine)
            drawLineMove(x, y, shift);
        else if (activeTool >= ToolRectangle && activeTool <= ToolOval)
            drawShapeMove(x, y);
        return;
    }
    if (!mvDragging || !doc.exists(gSelObject)) return;
    const float dx = x - mvGrabX, dy = y - mvGrabY;
    if (gSelObject.kind == ObjectKind::Line) {
        const LineElement& l = doc.lin그리기[gSelIndex];
        marks.lin테두리[0] = {l.X1 + dx, l.Y1 + dy, l.X2 + dx, l.Y2 + dy, true};
    } else if (gSelObject.kind == ObjectKind::Shape) {
        const ShapeElement& s = doc.shp그리기[gSelIndex];
        setOutlineRect(s.Left + dx, s.Top + dy, s.Left + s.Width - kPixel + dx,
                       s.Top + s.Height - kPixel + dy);
    }
    notifyPage();
}

void Editor::pageRelease(float x, float y, int button) {
    (void)button;
    mvColorDrag = false;
    if (activeTool == ToolText) {
        createText(x, y);
        return;
    }
    if (activeTool == ToolLine) return drawLineRelease();
    if (activeTool >= ToolRectangle && activeTool <= ToolOval) return drawShapeRelease();
    if (!mvDragging) return;
    doc.mv내용수정 = true;
    mvDragging = false;
    const int k = gSelIndex;
    if (doc.exists(gSelObject) && gSelObject.kind == ObjectKind::Line) {
        LineElement& l = doc.lin그리기[k];
        const OutlineLine& o = marks.lin테두리[0];
        l.X1 = o.X1;
        l.X2 = o.X2;
        l.Y1 = o.Y1;
        l.Y2 = o.Y2;
        storeLine(k);
        l.Visible = true;
        ShowSizeGrips(kLineName);
    } else if (doc.exists(gSelObject) && gSelObject.kind == ObjectKind::Shape) {
        moveTo(gSelObject, marks.lin테두리[0].X1, marks.lin테두리[0].Y1); // size unchanged
        doc.setVisible(gSelObject, true);
        ShowSizeGrips(kShapeName);
    }
    notifyPage();
}

// ---------------------------------------------------------------- objects

void Editor::textPress(int k, float x, float y, int button, int shift) {
    const TextElement& L = doc.txt그리기[k];
    const float px = L.Left + x, py = L.Top + y;
    if (activeTool == ToolSelect) {
        Deselect();
        mf객체찾기(px, py);
        if (trimmed(gSelName) == kTextName) {
            if (button == ButtonLeft && L.MousePointer == PointerArrow) {
                mvDragging = true;
                mvGrabX = x;
                mvGrabY = y;
                doc.txt그리기[gSelIndex].Visible = false;
                notifyPage();
            } else if (button == ButtonRight) {
                openObjectMenu(true, k);
            }
            return;
        }
    }
    pagePress(px, py, button, shift);
}

void Editor::textMove(int k, float x, float y, int shift) {
    const TextElement& L = doc.txt그리기[k];
    if (!dragOutline(ObjectKind::Text, x, y)) pageMove(L.Left + x, L.Top + y, shift);
}

void Editor::textRelease(int k, float x, float y, int button) {
    const TextElement& L = doc.txt그리기[k];
    // Text objects have no grips; only the outline stays.
    if (!finishObjectMove(ObjectKind::Text)) pageRelease(L.Left + x, L.Top + y, button);
}

void Editor::picturePress(int k, float x, float y, int button, int shift) {
    const PictureElement& P = doc.img그리기[k];
    const float px = P.Left + x, py = P.Top + y;
    if (activeTool == ToolSelect) {
        Deselect();
        mf객체찾기(px, py);
        if (trimmed(gSelName) == kPictureName) {
            if (button == ButtonLeft && P.MousePointer == PointerArrow) {
                mvDragging = true;
                mvGrabX = x;
                mvGrabY = y;
                doc.img그리기[gSelIndex].Visible = false;
                HideSelectionMarks();
                for (auto& o : marks.lin테두리)
                    o.Visible = true;
                notifyPage();
            } else if (button == ButtonRight) {
                ContextMenuState st;
                const int pos = doc.listPosition(ObjectKind::Picture, k);
                st.upEnabled = pos != doc.mvObjectCount();
                st.downEnabled = pos != 1;
                if (host_) host_->showContextMenu(*this, ContextMenu::Picture, st);
            }
            return;
        }
    }
    pagePress(px, py, button, shift);
}

void Editor::pictureMove(int k, float x, float y, int shift) {
    const PictureElement& P = doc.img그리기[k];
    if (!dragOutline(ObjectKind::Picture, x, y)) pageMove(P.Left + x, P.Top + y, shift);
}

void Editor::pictureRelease(int k, float x, float y, int button) {
    const PictureElement& P = doc.img그리기[k];
    if (finishObjectMove(ObjectKind::Picture))
        ShowSizeGrips(kPictureName);
    else
        pageRelease(P.Left + x, P.Top + y, button);
}

bool Editor::dragOutline(ObjectKind kind, float x, float y) {
    if (!mvDragging || trimmed(gSelName) != kindName(kind) || !doc.exists(gSelObject)) return false;
    const float dx = x - mvGrabX, dy = y - mvGrabY;
    const QRectF b = doc.bounds(gSelObject);
    const float L = static_cast<float>(b.left()), T = static_cast<float>(b.top());
    setOutlineRect(L + dx, T + dy, L + static_cast<float>(b.width()) + dx,
                   T + static_cast<float>(b.height()) + dy);
    notifyPage();
    return true;
}

bool Editor::finishObjectMove(ObjectKind kind) {
    if (!mvDragging || trimmed(gSelName) != kindName(kind) || !doc.exists(gSelObject)) return false;
    doc.mv내용수정 = true;
    mvDragging = false;
    moveTo(gSelObject, marks.lin테두리[0].X1, marks.lin테두리[0].Y1);
    doc.setVisible(gSelObject, true);
    notifyPage();
    return true;
}

void Editor::storeLine(int k) {
    const double z = doc.z();
    const LineElement& l = doc.lin그리기[k];
    LineBase& b = doc.gLineBase[k];
    b.X1 = static_cast<float>(l.X1 / z);
    b.X2 = static_cast<float>(l.X2 / z);
    b.Y1 = static_cast<float>(l.Y1 / z);
    b.Y2 = static_cast<float>(l.Y2 / z);
}

void Editor::moveTo(const ElementRef& e, float left, float top) {
    const double z = doc.z();
    const float l100 = static_cast<float>(left / z), t100 = static_cast<float>(top / z);
    switch (e.kind) {
    case ObjectKind::Text:
        doc.txt그리기[e.index].Left = left, doc.txt그리기[e.index].Top = top;
        doc.gTextBase[e.index].Left = l100, doc.gTextBase[e.index].Top = t100;
        break;
    case ObjectKind::Picture:
        doc.img그리기[e.index].Left = left, doc.img그리기[e.index].Top = top;
        doc.gImageBase[e.index].Left = l100, doc.gImageBase[e.index].Top = t100;
        break;
    case ObjectKind::Shape:
        doc.shp그리기[e.index].Left = left, doc.shp그리기[e.index].Top = top;
        doc.gShapeBase[e.index].Left = l100, doc.gShapeBase[e.index].Top = t100;
        break;
    case ObjectKind::Line:
    case ObjectKind::None:
        break;
    }
}

void Editor::pageDoubleClick() {
    if (activeTool != ToolSelect) return;
    const QString n = trimmed(gSelName);
    if (n == kLineName || n == kShapeName) {
        HideSelectionMarks();
        if (host_) {
            if (n == kLineName)
                host_->runLineDialog(*this, gSelIndex);
            else
                host_->runShapeDialog(*this, gSelIndex);
        }
        mf객체선택(gSelName);
    }
}

void Editor::textDoubleClick(int k) {
    if (activeTool != ToolSelect) return;
    if (trimmed(gSelName) != kTextName) return pageDoubleClick();
    HideSelectionMarks();
    if (host_) host_->runTextDialog(*this, k, false);
    // The dialog may have deleted the object (an empty text).
    if (trimmed(gSelName) == kTextName && doc.exists(gSelObject)) {
        doc.gTextBase[gSelIndex].FontSize =
            static_cast<float>(leadingNumber(doc.txt그리기[gSelIndex].Tag));
        mf객체선택(kTextName);
    }
    notifyPage();
}

void Editor::pictureDoubleClick(int k) {
    (void)k;
    if (activeTool != ToolSelect) return;
    if (trimmed(gSelName) != kPictureName) return pageDoubleClick();
    ObjectCommands(*this).changePicture();
}

bool Editor::keyPress(int keyCode, int shift) {
    if (keyCode == 112) {
        if (host_) host_->showHelp();
        return true;
    }
    if ((shift != ShiftNone && shift != ShiftShift) || activeTool != ToolSelect) return false;
    if (keyCode < 37 || keyCode > 40) return false;
    if (!doc.exists(gSelObject) || trimmed(gSelName).isEmpty()) return false;
    const float d = static_cast<float>(shift == ShiftNone ? kTwipsPerMm : kTwipsPerMm / 10);
    const float dx = keyCode == 37 ? -d : keyCode == 39 ? d : 0;
    const float dy = keyCode == 38 ? -d : keyCode == 40 ? d : 0;
    if (gSelObject.kind == ObjectKind::Line) {
        LineElement& l = doc.lin그리기[gSelIndex];
        l.Y1 += dy;
        l.Y2 += dy;
        l.X1 += dx;
        l.X2 += dx;
        storeLine(gSelIndex);
    } else {
        const QRectF b = doc.bounds(gSelObject);
        moveTo(gSelObject, static_cast<float>(b.left()) + dx, static_cast<float>(b.top()) + dy);
    }
    mf객체선택(gSelName);
    return true;
}

// ---------------------------------------------------------------- resize grips

void Editor::BeginResize(Grip g) {
    mvResizing = true;
    resizeGrip = g;
    mvGrabX = 0;
    mvGrabY = 0;
    for (auto& m : marks.grips)
        m.Visible = false;
    doc.setVisible(gSelObject, false);
    notifyPage();
}

void Editor::gripMove(Grip g, float x, float y) {
    if (!mvResizing || !doc.exists(gSelObject)) return;
    const float dx = x - mvGrabX, dy = y - mvGrabY;
    auto& o = marks.lin테두리;
    if (gSelObject.kind == ObjectKind::Line) {
        const LineElement& l = doc.lin그리기[gSelIndex];
        if (g == Grip::NWSE0) {
            o[0].X1 = l.X1 + dx;
            o[0].Y1 = l.Y1 + dy;
        } else if (g == Grip::NWSE1) {
            o[0].X2 = l.X2 + dx;
            o[0].Y2 = l.Y2 + dy;
        }
        notifyPage();
        return;
    }
    if (gSelObject.kind != ObjectKind::Picture && gSelObject.kind != ObjectKind::Shape) return;
    const QRectF b = doc.bounds(gSelObject);
    const float L = static_cast<float>(b.left()), T = static_cast<float>(b.top());
    const float R = L + static_cast<float>(b.width()), B = T + static_cast<float>(b.height());
    const float newTop = T + dy, newBottom = B + dy, newLeft = L + dx, newRight = R + dx;
    const bool topOk = !(newTop >= B - kPixel), bottomOk = !(newBottom <= T + kPixel);
    const bool leftOk = !(newLeft >= R - kPixel), rightOk = !(newRight <= L + kPixel);
    bool top = false, bottom = false, left = false, right = false, ok = false;
    switch (g) {
    case Grip::NS0:
        top = true;
        ok = topOk;
        break;
    case Grip::NS1:
        bottom = true;
        ok = bottomOk;
        break;
    case Grip::WE0:
        left = true;
        ok = leftOk;
        break;
    case Grip::WE1:
        right = true;
        ok = rightOk;
        break;
    case Grip::NWSE0:
        top = left = true;
        ok = topOk && leftOk;
        break;
    case Grip::NWSE1:
        bottom = right = true;
        ok = bottomOk && rightOk;
        break;
    case Grip::NESW0:
        left = bottom = true;
        ok = leftOk && bottomOk;
        break;
    case Grip::NESW1:
        right = top = true;
        ok = rightOk && topOk;
        break;
    }
    if (ok) {
        if (top) {
            o[0].Y1 = o[0].Y2 = newTop;
            o[1].Y1 = o[3].Y1 = newTop;
        }
        if (bottom) {
            o[2].Y1 = o[2].Y2 = newBottom;
            o[1].Y2 = o[3].Y2 = newBottom;
        }
        if (left) {
            o[3].X1 = o[3].X2 = newLeft;
            o[0].X1 = o[2].X1 = newLeft;
        }
        if (right) {
            o[1].X1 = o[1].X2 = newRight;
            o[0].X2 = o[2].X2 = newRight;
        }
    }
    for (auto& line : o)
        line.Visible = true;
    notifyPage();
}

void Editor::EndResize() {
    if (!mvResizing) return;
    mvResizing = false;
    doc.mv내용수정 = true;
    const double z = doc.z();
    const int k = gSelIndex;
    const auto& o = marks.lin테두리;
    if (doc.exists(gSelObject)) {
        switch (gSelObject.kind) {
        case ObjectKind::Line: {
            LineElement& l = doc.lin그리기[k];
            l.X1 = o[0].X1;
            l.X2 = o[0].X2;
            l.Y1 = o[0].Y1;
            l.Y2 = o[0].Y2;
            storeLine(k);
            break;
        }
        case ObjectKind::Picture: {
            PictureElement& p = doc.img그리기[k];
            p.Left = o[0].X1;
            p.Top = o[0].Y1;
            p.Width = o[0].X2 - o[0].X1;
            p.Height = o[1].Y2 - o[1].Y1;
            doc.gImageBase[k].Left = static_cast<float>(p.Left / z);
            doc.gImageBase[k].Top = static_cast<float>(p.Top / z);
            doc.gImageBase[k].Width = static_cast<float>(p.Width / z);
            doc.gImageBase[k].Height = static_cast<float>(p.Height / z);
            break;
        }
        case ObjectKind::Shape: {
            ShapeElement& s = doc.shp그리기[k];
            s.Left = o[0].X1;
            s.Top = o[0].Y1;
            s.Width = o[0].X2 - o[0].X1 + kPixel;
            s.Height = o[1].Y2 - o[1].Y1 + kPixel;
            doc.gShapeBase[k].Left = static_cast<float>(s.Left / z);
            doc.gShapeBase[k].Top = static_cast<float>(s.Top / z);
            doc.gShapeBase[k].Width = static_cast<float>(s.Width / z);
            doc.gShapeBase[k].Height = static_cast<float>(s.Height / z);
            break;
        }
        default:
            break;
        }
    }
    ShowSizeGrips(gSelName);
    doc.setVisible(gSelObject, true);
    notifyPage();
}

// ---------------------------------------------------------------- routing

PressTarget Editor::targetAt(QPointF pt) const {
    for (int g = kGripCount - 1; g >= 0; --g) {
        const GripMark& m = marks.grips[g];
        if (m.Visible && QRectF(m.Left, m.Top, kGripSize, kGripSize).contains(pt))
            return {PressTarget::GripTarget, 0, static_cast<Grip>(g)};
    }
    // Text and picture objects are controls of their own; shapes and lines are not.
    for (int k = doc.mvObjectCount(); k >= 1; --k) {
        const ObjectRef& r = doc.mvObjects[k];
        const ObjectKind kind = kindFromName(r.Name);
        if (kind != ObjectKind::Text && kind != ObjectKind::Picture) continue;
        const ElementRef e{kind, r.Index};
        if (!doc.exists(e)) continue;
        const bool vis = kind == ObjectKind::Text ? doc.txt그리기[e.index].Visible
                                                  : doc.img그리기[e.index].Visible;
        if (!vis) continue;
        // The same edges as selection, or a press on the last pixel column would
        // select the object through the page without dragging it.
        if (elementHit(doc, e, static_cast<float>(pt.x()), static_cast<float>(pt.y()),
                       kTwipsPerPixel))
            return {kind == ObjectKind::Text ? PressTarget::Text : PressTarget::Picture, e.index,
                    Grip::NWSE0};
    }
    return {};
}

void Editor::pointerPress(QPointF pt, int button, int shift) {
    if (captured_) return; // a second button while one is held
    capture_ = targetAt(pt);
    captured_ = true;
    const float x = static_cast<float>(pt.x()), y = static_cast<float>(pt.y());
    switch (capture_.kind) {
    case PressTarget::GripTarget: {
        const GripMark& m = marks.grip(capture_.grip);
        gripOrigin_ = QPointF(m.Left, m.Top);
        BeginResize(capture_.grip);
        break;
    }
    case PressTarget::Text: {
        const TextElement& t = doc.txt그리기[capture_.index];
        textPress(capture_.index, x - t.Left, y - t.Top, button, shift);
        break;
    }
    case PressTarget::Picture: {
        const PictureElement& p = doc.img그리기[capture_.index];
        picturePress(capture_.index, x - p.Left, y - p.Top, button, shift);
        break;
    }
    case PressTarget::Page:
        pagePress(x, y, button, shift);
        break;
    }
}

void Editor::pointerMove(QPointF pt, int shift) {
    const float x = static_cast<float>(pt.x()), y = static_cast<float>(pt.y());
    if (!captured_) return pageMove(x, y, shift);
    switch (capture_.kind) {
    case PressTarget::GripTarget:
        gripMove(capture_.grip, static_cast<float>(x - gripOrigin_.x()),
                 static_cast<float>(y - gripOrigin_.y()));
        break;
    case PressTarget::Text:
        if (doc.exists({ObjectKind::Text, capture_.index})) {
            const TextElement& t = doc.txt그리기[capture_.index];
            textMove(capture_.index, x - t.Left, y - t.Top, shift);
        }
        break;
    case PressTarget::Picture:
        if (doc.exists({ObjectKind::Picture, capture_.index})) {
            const PictureElement& p = doc.img그리기[capture_.index];
            pictureMove(capture_.index, x - p.Left, y - p.Top, shift);
        }
        break;
    case PressTarget::Page:
        pageMove(x, y, shift);
        break;
    }
}

void Editor::pointerRelease(QPointF pt, int button) {
    if (!captured_) return;
    captured_ = false;
    const float x = static_cast<float>(pt.x()), y = static_cast<float>(pt.y());
    switch (capture_.kind) {
    case PressTarget::GripTarget:
        EndResize();
        break;
    case PressTarget::Text:
        if (doc.exists({ObjectKind::Text, capture_.index})) {
            const TextElement& t = doc.txt그리기[capture_.index];
            textRelease(capture_.index, x - t.Left, y - t.Top, button);
        }
        break;
    case PressTarget::Picture:
        if (doc.exists({ObjectKind::Picture, capture_.index})) {
            const PictureElement& p = doc.img그리기[capture_.index];
            pictureRelease(capture_.index, x - p.Left, y - p.Top, button);
        }
        break;
    case PressTarget::Page:
        pageRelease(x, y, button);
        break;
    }
}

void Editor::pointerDoubleClick(QPointF pt) {
    const PressTarget t = targetAt(pt);
    if (t.kind == PressTarget::Text)
        textDoubleClick(t.index);
    else if (t.kind == PressTarget::Picture)
        pictureDoubleClick(t.index);
    else if (t.kind == PressTarget::Page)
        pageDoubleClick();
}

} // namespace zep
