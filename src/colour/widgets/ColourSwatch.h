#pragma once
// A small framed patch of one colour that reports clicks.
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

protected:
    void mouseReleaseEvent(QMouseEvent* e) override;

private:
    ColourValue colour_ = 0;
};

} // namespace zep
