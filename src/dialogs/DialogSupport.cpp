#include "dialogs/DialogSupport.h"

#include "shell/Units.h"

#include <QColorDialog>
#include <QDialog>
#include <QFocusEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QTimer>

namespace zep {

ColourChooser defaultColourChooser() {
    return [](QWidget* parent, const QString& title, ColourValue& inOut) {
        const QColor c = QColorDialog::getColor(toQColor(inOut), parent, title);
        if (!c.isValid()) return false;
        inOut = fromQColor(c);
        return true;
    };
}

void placeObjectDialog(QDialog* dialog) {
    dialog->adjustSize();
    const QWidget* parent = dialog->parentWidget();
    const QScreen* s = parent ? parent->screen() : QGuiApplication::primaryScreen();
    const QRect g = s ? s->geometry() : QRect(0, 0, 800, 600);
    dialog->move(g.x() + qRound((g.width() - dialog->width()) / 1.1),
                 g.y() + qRound(2400 / kTwipsPerPixel));
}

void setCaptionColour(QWidget* w, const QColor& c) {
    QPalette p = w->palette();
    p.setColor(QPalette::WindowText, c);
    w->setPalette(p);
}

void SelectingLineEdit::focusInEvent(QFocusEvent* e) {
    QLineEdit::focusInEvent(e);
    selectAll();
    // The click that brought the focus would clear it again; select once more after it.
    QTimer::singleShot(0, this, [this] {
        if (hasFocus()) selectAll();
    });
    emit focused();
}

} // namespace zep
