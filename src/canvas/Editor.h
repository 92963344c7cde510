#pragma once
// The main window's logic without widgets: the one document, the selection,
// the tools, the mouse and keyboard handlers and the zoom. Windows turn their
// events into calls here and show the state; modal dialogs are reached
// through the host.
#include "canvas/Selection.h"
#include "document/Document.h"
#include "editing/ClipBuffer.h"
#include "shell/ZepModule.h"

#include <QPointF>
#include <QString>
#include <array>

namespace zep {

class Editor;

enum class ContextMenu { Object, Picture, Background };

// Items of the context menus as the press left them.
struct ContextMenuState {
    bool sizeEditVisible = false; // mnuOEHipen1, mnuObjectSizeEdit
    bool upEnabled = true;        // mnuOPageUp, mnuOUp (or the picture menu's)
    bool downEnabled = true;      // mnuOPageDown, mnuODown
    QString layerChangeCaption;   // mnuLayerChange
    bool layerDeleteVisible = false;
    bool pasteVisible = false; // mnuLHipen1, mnuLPost
};

// What the editor needs from the windows around it. Every call returns after
// the modal window it opens has closed.
class EditorHost {
public:
    virtual ~EditorHost() = default;
    // The text dialog on element index of txt그리기; on cancel of a new object
    // (or an empty text) it unloads the element.
    virtual void runTextDialog(Editor& editor, int index, bool isNew) = 0;
    // The picture chooser; returns the chosen file's full path or "" on cancel.
    virtual QString runPictureChooser(const QString& start) = 0;
    virtual void runLineDialog(Editor&, int /*index*/) {}
    virtual void runShapeDialog(Editor&, int /*index*/) {}
    virtual void runPageSetup(Editor&) {}
    // The size dialog on the selection.
    virtual void runSizeDialog(Editor&) {}
    virtual void showContextMenu(Editor&, ContextMenu, const ContextMenuState&) {}
    virtual void showHelp() {}
    // A message in the program's voice (title, text), OK only.
    virtual void showMessage(const QString& title, const QString& text) = 0;
    virtual QString openFileDialog(const QString& title, const QString& folder,
                                   const QString& name) = 0;
    virtual QString saveFileDialog(const QString& title, const QString& folder,
                                   const QString& name) = 0;
    virtual void setBusy(bool) {}

    // Notifications for repainting.
    virtual void pageChanged() {}   // objects, marks or background drawn anew
    virtual void layoutChanged() {} // surface size, rulers, scroll area
    virtual void statusChanged() {} // lbl좌표
    virtual void titleChanged() {}
    virtual void toolChanged() {}    // palette state, pointer
    virtual void zoomBoxChanged() {} // the zoom box's text was set by the program
    virtual void pasteStateChanged() {}
};

// The busy pointer for as long as a command runs, restored on every way out.
struct BusyScope {
    EditorHost* host;
    explicit BusyScope(EditorHost* h) : host(h) {
        if (host) host->setBusy(true);
    }
    ~BusyScope() {
        if (host) host->setBusy(false);
    }
    BusyScope(const BusyScope&) = delete;
    BusyScope& operator=(const BusyScope&) = delete;
};

// Buttons of the tool palette (index as the program uses it).
enum Tool : int {
    ToolNone = 0,
    ToolSelect = 1,
    ToolBringForward = 2,
    ToolSendBackward = 3,
    ToolBackground = 5,
    ToolPicture = 6,
    ToolText = 7,
    ToolLine = 9,
    ToolRectangle = 10,
    ToolCircle = 11,
    ToolOval = 12
};
bool isCheckTool(int tool);

enum MouseButton : int { ButtonLeft = 1, ButtonRight = 2, ButtonMiddle = 4 };
enum ShiftState : int { ShiftNone = 0, ShiftShift = 1, ShiftCtrl = 2, ShiftAlt = 4 };

// Who receives a press: the page, a text or picture object, or a grip.
struct PressTarget {
    enum Kind { Page, Text, Picture, GripTarget } kind = Page;
    int index = 0;
    Grip grip = Grip::NWSE0;
};

class Editor {
public:
    explicit Editor(EditorHost* host = nullptr);
    void setHost(EditorHost* host) { host_ = host; }
    EditorHost* host() const { return host_; }

    Document doc;
    ZepModule module;

    // Selection.
    ElementRef gSelObject;
    QString gSelName;
    int gSelIndex = 0;
    SelectionMarks marks;
    std::array<QString, 2> lbl좌표;

    // Tools and pointer.
    int activeTool = ToolSelect; // the check button that is down, 0 none
    int mvMousePointer = PointerArrow;

    // Mouse state.
    bool mvDrawing = false;
    float mvDrawStartX = 0, mvDrawStartY = 0;
    bool mvDragging = false;
    float mvGrabX = 0, mvGrabY = 0;
    bool mvResizing = false;
    Grip resizeGrip = Grip::NWSE0;

    QString mvPictureName, mvPictureFolder;

    // Colour state of the colour strip.
    bool mvColorDrag = false;
    QString mvColorMode = QStringLiteral("FORE");
    bool mvEyedropper = false;
    ColourValue foreColour = 0;        // picForeColor
    ColourValue backColour = 0xFFFFFF; // picBackColor

    bool pasteEnabled = false;
    ClipBuffer clip;
    QString title = QStringLiteral("Zephyra1.2");
    QString zoomBoxText;
    bool pageVisible = true;

    // Document-wide operations.
    void ResetDocument();
    void ApplyZoom(int zoom);
    void setZoomTo75(); // as New and Open do

    // Zoom box and buttons.
    void zoomBoxEdited(const QString& text);  // the change handler
    void zoomListChosen(const QString& text); // a list item was chosen
    void zoomButtonClicked(int button);       // 0 in, 1 out
    void setZoomBoxText(const QString& text); // program sets the text

    // Selection routines.
    void mf객체찾기(float X좌표, float Y좌표);
    void mf객체선택(const QString& ActiveObjectName);
    void HideSelectionMarks();
    void Deselect();
    void ShowSizeGrips(const QString& name);

    // Tools.
    void toolButtonClicked(int tool);
    void ApplyToolPointer(int tool);

    // Page and object handlers (page twips at the zoom; object handlers take
    // coordinates relative to the object).
    void pagePress(float x, float y, int button, int shift);
    void pageMove(float x, float y, int shift);
    void pageRelease(float x, float y, int button);
    void textPress(int k, float x, float y, int button, int shift);
    void textMove(int k, float x, float y, int shift);
    void textRelease(int k, float x, float y, int button);
    void picturePress(int k, float x, float y, int button, int shift);
    void pictureMove(int k, float x, float y, int shift);
    void pictureRelease(int k, float x, float y, int button);
    void pageDoubleClick();
    void textDoubleClick(int k);
    void pictureDoubleClick(int k);
    // Returns whether the key did something (help, or the selection moved).
    bool keyPress(int keyCode, int shift);

    // Resize grips.
    void BeginResize(Grip g);
    void gripMove(Grip g, float x, float y); // relative to the grip's top-left
    void EndResize();

    // Routing of pointer events on the page surface: the grips lie above
    // everything, text and picture objects take their own events, shapes and
    // lines reach the page. A press captures its target until the release.
    PressTarget targetAt(QPointF pt) const;
    void pointerPress(QPointF pt, int button, int shift);
    void pointerMove(QPointF pt, int shift);
    void pointerRelease(QPointF pt, int button);
    void pointerDoubleClick(QPointF pt);
    bool captured() const { return captured_; }

    // The selection's list entry (1-based), 0 when nothing is selected.
    int selectionListPosition() const;
    // Deletes the selection (the delete command).
    void mnu지우기_Click();

    // Creation helpers shared by tools, paste and tests.
    int createText(float x, float y); // runs the text dialog; returns the index or -1

    // The line or shape being dragged out with a drawing tool: not in the
    // object list until the release, so the page draws it on its own.
    ElementRef beingDrawn() const;

    // The current pointer shape name for the page (for the window).
    int pagePointer() const { return mvMousePointer; }

    void notifyPage();

    // The picture chooser, then the file loaded into mvPictureName's picture;
    // null when cancelled or unreadable (the user is told, under title).
    Picture choosePicture(const QString& start, const QString& title);
    // Splits mvPictureName into mvPictureFolder and the bare file name.
    void rememberPictureFolder();
    // Tells the user the object limit is reached.
    void refuseCreation();

private:
    EditorHost* host_ = nullptr;
    friend class ObjectCommands;
    bool captured_ = false;
    PressTarget capture_;
    QPointF gripOrigin_;

    void drawLinePress(float x, float y);
    void drawLineMove(float x, float y, int shift);
    void drawLineRelease();
    void drawShapePress(float x, float y);
    void drawShapeMove(float x, float y);
    void drawShapeRelease();
    void insertPictureOrBackground(int tool);
    void ensureFontNames();
    void selectNew(ObjectKind kind, int index);
    void setOutlineRect(float left, float top, float right, float bottom);
    void openObjectMenu(bool isText, int k);
    void openBackgroundMenu();
    bool dragOutline(ObjectKind kind, float x, float y);
    bool finishObjectMove(ObjectKind kind);
    // Left and Top of a text, picture or shape, and its record at 100 %.
    void moveTo(const ElementRef& e, float left, float top);
    // A line's record from its end points at the zoom.
    void storeLine(int k);
    void status();
    void pressToolSelect();
};

} // namespace zep
