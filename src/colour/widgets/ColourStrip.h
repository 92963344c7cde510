#pragma once
// sspnl색상표: the colour strip along the bottom of the main window. The
// eyedropper toggle, the foreground and background swatches with the frame on
// the active one, swap and reset, the R/G/B bars and boxes and the palette.
// The rules live in ColourStripLogic; this only shows them.
#include "colour/ColourStripLogic.h"

#include <QCursor>
#include <QFrame>
#include <QImage>
#include <array>
#include <functional>

class QLineEdit;
class QScrollBar;
class QToolButton;

namespace zep {

class ColourSwatch;
class Editor;

// img색상표: hues from red round to red, left to right, fading from white at
// the top to black at the bottom. Pressing samples the screen, and the colour
// follows the pointer wherever it is dragged until the release.
class PalettePicture : public QWidget {
public:
    explicit PalettePicture(QWidget* parent = nullptr);
    // The colour shown at a point of the widget.
    ColourValue colourAt(QPoint pos) const;

    std::function<void(QPoint global)> pressed, moved;
    std::function<void()> released;

protected:
    void paintEvent(QPaintEvent*) override;
    void resizeEvent(QResizeEvent*) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;

private:
    QImage picture_;
};

class ColourStrip : public QFrame {
    Q_OBJECT
public:
    explicit ColourStrip(Editor& editor, QWidget* parent = nullptr);

    // Shows the editor's colour state again: after a selection change, a new
    // document, a tool change, or a sample taken on the page.
    void refresh();

    // Asks the main window to repaint the page after the selection was recoloured.
    std::function<void()> requestRepaint;
    // The colour dialog for a swatch double click; runColourDialog by default.
    std::function<bool(QWidget* parent, const QString& title, ColourValue& inOut)> chooseColour;

    ColourStripLogic& logic() { return logic_; }

private:
    Editor& editor_;
    ColourStripLogic logic_;

    QToolButton* cmd스포이드;
    ColourSwatch* picForeColor;
    ColourSwatch* picBackColor;
    QFrame* lblForeColorSelectLine;
    QFrame* lblBackColorSelectLine;
    QToolButton* img바꾸기;
    QToolButton* img초기화;
    std::array<QScrollBar*, 3> hsbColor;
    std::array<QLineEdit*, 3> txtColor;
    PalettePicture* img색상표;

    void build();
    void swatchDoubleClicked(ColourSide side);
    void sampleAt(QPoint global);
    bool eventFilter(QObject* watched, QEvent* e) override;
};

// The page's pointer while the eyedropper is on: the program folder's
// "커서/색상가져오기.ico" when it loads, else a drawn eyedropper, its tip the
// hot spot.
QCursor eyedropperCursor(const QString& appPath);

} // namespace zep
