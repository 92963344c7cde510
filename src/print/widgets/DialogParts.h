#pragma once
// Small controls shared by the page setup and printer setup dialogs.
#include <QAbstractSpinBox>
#include <QLabel>
#include <functional>

class QLineEdit;

namespace zep {

// A label (a picture or a 3-D panel's caption) that reports a left click.
class ClickLabel : public QLabel {
public:
    explicit ClickLabel(QWidget* parent = nullptr) : QLabel(parent) {}
    std::function<void()> clicked;

protected:
    void mousePressEvent(QMouseEvent* e) override;
};

// A number text box with up/down arrows (the text box and UpDown pair of the
// printer setup): typed characters are filtered (digits, ".", and "n" in a
// size box), a value not above 0 becomes "1", the arrows step by 1 while the
// value stays above 0 and the text fits maxLength characters, Enter moves to
// the next control, and entering the box selects its text.
class NumberBox : public QAbstractSpinBox {
public:
    NumberBox(int maxLength, bool sizeBox, QWidget* parent = nullptr);
    void setText(const QString& text);
    QLineEdit* edit() const { return lineEdit(); }
    void stepBy(int steps) override;

protected:
    void keyPressEvent(QKeyEvent* e) override;
    void focusInEvent(QFocusEvent* e) override;
    StepEnabled stepEnabled() const override;

private:
    int maxLength_;
    bool sizeBox_;
};

// Selects a line edit's whole text once the focus has arrived (after the
// click that brought it has placed the caret).
void selectAllSoon(QLineEdit* edit);

// The normal pointer over a dialog while the caller shows the busy one: an
// arrow is pushed over the application's override pointer while the dialog
// is shown, and taken off again when it hides or goes away.
class NormalPointer {
public:
    ~NormalPointer() { release(); }
    void take();    // when shown
    void release(); // when hidden
private:
    bool pushed_ = false;
};

// After a dialog shown without exec() closes: gives the activation back to
// the parent's window, as the window manager does when a modal dialog ends
// (the offscreen platform leaves no window active).
void returnActivation(QWidget* parent);

} // namespace zep
