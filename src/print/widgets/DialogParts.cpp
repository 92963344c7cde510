#include "print/widgets/DialogParts.h"

#include "print/PrinterSetupLogic.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPointer>
#include <QTimer>

namespace zep {

void ClickLabel::mousePressEvent(QMouseEvent* e) {
    if (e->button() == Qt::LeftButton && clicked) {
        clicked();
        e->accept();
        return;
    }
    QLabel::mousePressEvent(e);
}

void selectAllSoon(QLineEdit* edit) {
    edit->selectAll();
    QPointer<QLineEdit> guard(edit);
    QTimer::singleShot(0, edit, [guard] {
        if (guard && guard->hasFocus()) guard->selectAll();
    });
}

void NormalPointer::take() {
    if (pushed_ || !QApplication::overrideCursor()) return;
    QApplication::setOverrideCursor(Qt::ArrowCursor);
    pushed_ = true;
}

void NormalPointer::release() {
    if (!pushed_) return;
    QApplication::restoreOverrideCursor();
    pushed_ = false;
}

void returnActivation(QWidget* parent) {
    if (!parent) return;
    QWidget* w = parent->window();
    if (w->isVisible() && !w->isActiveWindow()) w->activateWindow();
}

NumberBox::NumberBox(int maxLength, bool sizeBox, QWidget* parent)
    : QAbstractSpinBox(parent), maxLength_(maxLength), sizeBox_(sizeBox) {
    lineEdit()->setMaxLength(maxLength);
    setAlignment(Qt::AlignLeft);
    setAccelerated(false);
    setKeyboardTracking(true);
    setCorrectionMode(QAbstractSpinBox::CorrectToPreviousValue);
    // The change rule: a value not above 0 (an emptied box too) becomes "1".
    connect(lineEdit(), &QLineEdit::textChanged, this, [this](const QString& t) {
        if (const auto r = numberBoxChanged(t)) {
            lineEdit()->setText(*r);
            lineEdit()->end(false);
        }
    });
}

void NumberBox::setText(const QString& text) {
    lineEdit()->setText(text);
}

void NumberBox::stepBy(int steps) {
    bool moved = false;
    for (int i = 0; i < std::abs(steps); ++i) {
        const auto next = stepNumberBox(text(), steps, maxLength_);
        if (!next) break;
        lineEdit()->setText(*next);
        moved = true;
    }
    if (!moved) return;
    lineEdit()->selectAll();
    setFocus();
}

QAbstractSpinBox::StepEnabled NumberBox::stepEnabled() const {
    StepEnabled e = StepNone;
    if (stepNumberBox(text(), 1, maxLength_)) e |= StepUpEnabled;
    if (stepNumberBox(text(), -1, maxLength_)) e |= StepDownEnabled;
    return e;
}

void NumberBox::keyPressEvent(QKeyEvent* e) {
    if (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) {
        focusNextChild();
        e->accept();
        return;
    }
    const QString t = e->text();
    if (!(e->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) &&
        !t.isEmpty()) {
        const QChar c = t[0];
        const bool printable = c.unicode() >= 0x20 && c.unicode() != 0x7f;
        if (printable) {
            // Every character of a composed text must pass, else the key is dropped.
            for (QChar ch : t)
                if (!numberBoxAccepts(ch, sizeBox_)) {
                    e->accept();
                    return;
                }
        }
    }
    QAbstractSpinBox::keyPressEvent(e);
}

void NumberBox::focusInEvent(QFocusEvent* e) {
    QAbstractSpinBox::focusInEvent(e);
    selectAllSoon(lineEdit());
}

} // namespace zep
