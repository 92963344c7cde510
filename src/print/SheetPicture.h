#pragma once
// The small sheet pictures of the orientation choices: a page with a folded
// corner and a few lines of text, upright or lying. Drawn, not loaded, so the
// dialogs need no picture files (the program folder's landscap.ico and
// portrait.ico are written from the same drawing).
#include <QImage>

namespace zep {

// A transparent square image of side pixels with the sheet centred in it.
QImage sheetPicture(bool landscape, int side);

} // namespace zep
