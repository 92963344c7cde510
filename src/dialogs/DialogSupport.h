#pragma once
// Pieces the object dialogs share: their place on the screen, red captions,
// value boxes that select their text on focus and the colour chooser hook.
#include "colour/ColourValue.h"

#include <QColor>
#include <QLineEdit>
#include <QString>
#include <functional>

class QDialog;

namespace zep {

// Asks for a colour under a title; inOut is the start and, on true, the
// choice. The colour window of the program replaces the default.
using ColourChooser =
    std::function<bool(QWidget* parent, const QString& title, ColourValue& inOut)>;
ColourChooser defaultColourChooser(); // QColorDialog

// Left = (screen width - dialog width) / 1.1, top = 2400 twips.
void placeObjectDialog(QDialog* dialog);

inline const QColor kCaptionOn(255, 0, 0);
inline const QColor kCaptionOff(0, 0, 0);
void setCaptionColour(QWidget* w, const QColor& c);

// A text box that selects its whole text when it gets the focus.
class SelectingLineEdit : public QLineEdit {
    Q_OBJECT
public:
    using QLineEdit::QLineEdit;

signals:
    void focused();

protected:
    void focusInEvent(QFocusEvent* e) override;
};

} // namespace zep
