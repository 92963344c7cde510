#pragma once
// The colour strip's rules without its widgets: the two swatches (kept in the
// editor), the RGB boxes and bars that edit the active one, swap, reset, the
// eyedropper toggle and the sampler, and how a colour reaches the selection.
#include "colour/ColourValue.h"
#include "colour/RgbControls.h"

#include <QPoint>
#include <functional>

namespace zep {

class Editor;

enum class ColourSide { Fore, Back };

// The one way a colour reaches the selected object: a line's or shape's
// border and a text's colour take the foreground; a shape's fill takes the
// background. Text labels are transparent and pictures have no colour, so
// the rest is left alone. Returns whether the object changed; a change marks
// the document changed.
bool ApplyColorToSelection(Editor& editor, ColourSide side, ColourValue colour);

// The swatch the RGB controls edit (mvColorMode "FORE", else the background).
ColourSide activeSide(const Editor& editor);
ColourValue& swatchColour(Editor& editor, ColourSide side);

// cmd스포이드: on releases every tool and gives the page the eyedropper
// pointer; off lands on the select tool.
void toggleEyedropper(Editor& editor);

// mf색상가져오기: the screen pixel at a global point (or under the pointer)
// into the active swatch and the selection. Tells the host when something
// changed, so the strip shows the colour in its boxes on its refresh.
void sampleColourAt(Editor& editor, QPoint globalPos);
void sampleColour(Editor& editor);
// The same with the colour already read.
void takeColourSample(Editor& editor, ColourValue c);

class ColourStripLogic {
public:
    explicit ColourStripLogic(Editor& editor);

    // The boxes txtColor 0..2 and bars hsbColor 0..2.
    RgbControls rgb;
    // Runs after the selected object was recoloured (the page needs a repaint).
    std::function<void()> objectChanged;

    void swatchClicked(ColourSide side); // picForeColor / picBackColor click
    void swap();                         // img바꾸기
    void reset();                        // img초기화
    // After the colour dialog opened by a double click on a swatch closed.
    void dialogClosed(ColourSide side, bool accepted);
    // Brings the bars and boxes back to the active swatch after a change made
    // elsewhere (sampling, a new document switching to the foreground).
    void sync();

private:
    Editor& ed_;
    void barMoved();
    void apply(ColourSide side, ColourValue c);
    void showInBoxes(ColourValue c);
};

} // namespace zep
