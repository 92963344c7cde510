#pragma once
// picProgress: the pointer's coordinates, or the progress bar of a long operation.
#include <QWidget>

namespace zep {

class Editor;

class StatusStrip : public QWidget {
    Q_OBJECT
public:
    StatusStrip(Editor& editor, QWidget* parent);
    QSize sizeHint() const override { return {259, 19}; } // 3885 x 285 twips

protected:
    void paintEvent(QPaintEvent*) override;

private:
    Editor& editor_;
};

} // namespace zep
