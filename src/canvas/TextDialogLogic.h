#pragma once
// The rules of the text dialog without its widgets: what the size box offers,
// how the preview is coloured and what OK and Cancel do to the element.
#include "colour/ColourValue.h"
#include "document/Objects.h"

#include <QString>
#include <array>
#include <optional>

namespace zep {

class Editor;
struct ZepModule;

// The sizes of the size box, smallest first.
inline constexpr int kTextSizeCount = 80;
const std::array<int, kTextSizeCount>& textSizes();

// The size box entry shown for a font size: the first that is not below its
// whole part, the last when all are.
int textSizeEntry(double size);

// A size typed into the size box that applies at once; none outside 8..800.
std::optional<double> typedTextSize(const QString& text);

// Background of the preview: white and black text get the other one, every
// other colour is shown on white.
ColourValue previewBackground(ColourValue fore);

// The size at 100 % as kept in Tag ("72", "9.75").
QString textSizeTag(double size);

// The on-page font size of a size at zoom factor z, never 0.
double zoomedTextSize(double z, double size);

// Blanks (spaces) off both ends; other white space stays.
QString trimBlanks(const QString& s);

// Fills gFontNames with the installed names unless it has them, with the
// progress strip running meanwhile.
void fillFontNames(ZepModule& module);

// What the dialog edits, as its controls hold it.
struct TextChoice {
    QString text; // one line
    QString fontName;
    double size = 0; // points at 100 %
    bool bold = false, underline = false, italic = false;
    bool vertical = false;
    ColourValue colour = 0;
};

// The dialog's starting state for an element (before the size box snaps the
// size to one of its entries).
TextChoice textChoiceFrom(const TextElement& t);

// OK: an empty text unloads a new element or deletes the one being edited;
// otherwise the choice is applied to element index. Sets the dirty flag.
void confirmText(Editor& editor, int index, bool isNew, const TextChoice& c);

// Cancel: a new element is unloaded; nothing else changes.
void cancelText(Editor& editor, bool isNew);

} // namespace zep
