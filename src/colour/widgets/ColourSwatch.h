#pragma once
// A small framed patch of one colour that reports clicks and double clicks.
#include "colour/ColourValue.h"

#include <QFrame>

namespace zep {

class ColourSwatch : public QFrame {
    Q_OBJECT
public:
    explicit ColourSwatch(QWidget* parent = nullptr);

    ColourValue colour() const { return colour_; }
    void setColour(ColourValue c);

signals:
    void clicked();
    void doubleClicked();

protected:
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;

private:
    ColourValue colour_ = 0;
    bool afterDoubleClick_ = false;
};

} // namespace zep
