#pragma once
#include "document/Objects.h"

#include <QFont>
#include <QSizeF>

namespace zep {

// The label's font as set on the element.
QFont elementFont(const TextElement& t);

// Size in twips that an auto-sizing label takes for a caption in a font
// (one row per line of the caption).
QSizeF measureCaption(const QString& caption, const QFont& font);

// While AutoSize is on the label's width and height follow its caption and
// font; call after changing either.
void autoSizeText(TextElement& t);

// Vertical writing: one character per line, as wide as the widest character
// and as tall as the sum of their heights. Line breaks in the text are dropped.
void MakeVerticalText(TextElement& t);

// The caption of a vertical text joined back into one line (line breaks out).
QString joinVerticalCaption(const QString& caption);

// Lines of a caption split at CR LF (a lone CR or LF also breaks).
QStringList captionLines(const QString& caption);

} // namespace zep
