#pragma once
// The previews of the line and shape dialogs, drawn by the page renderer
// from a one-object document at 100 %, so they look as the page will.
#include "canvas/LineShapeDialogLogic.h"
#include "document/Document.h"

#include <QWidget>

namespace zep {

class LinePreview : public QWidget {
    Q_OBJECT
public:
    explicit LinePreview(QWidget* parent = nullptr);
    void setLook(const LineLook& look);
    const LineLook& look() const { return look_; }

protected:
    void paintEvent(QPaintEvent*) override;

private:
    LineLook look_;
    Document doc_;
};

class ShapePreview : public QWidget {
    Q_OBJECT
public:
    explicit ShapePreview(QWidget* parent = nullptr);
    void setLook(const ShapeLook& look);
    const ShapeLook& look() const { return look_; }

protected:
    void paintEvent(QPaintEvent*) override;

private:
    ShapeLook look_;
    Document doc_;
};

} // namespace zep
