#pragma once
// The scrolling page view vsvLayer: both rulers and the page surface picLayer.
#include <QScrollArea>
#include <QWidget>

namespace zep {

class Editor;

// picLayer: paints the page through the renderer and the selection marks on
// top, and turns mouse events into the editor's pointer calls.
class PageSurface : public QWidget {
    Q_OBJECT
public:
    PageSurface(Editor& editor, QWidget* parent);
    void relayout(); // size from the page at the zoom
    static QPointF toTwips(QPointF px);

protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent*) override;
    void mouseMoveEvent(QMouseEvent*) override;
    void mouseReleaseEvent(QMouseEvent*) override;
    void mouseDoubleClickEvent(QMouseEvent*) override;

private:
    Editor& editor_;
    void updateCursor(QPointF twips);
};

class RulerWidget : public QWidget {
    Q_OBJECT
public:
    RulerWidget(Editor& editor, bool horizontal, QWidget* parent);
    void relayout();

protected:
    void paintEvent(QPaintEvent*) override;

private:
    Editor& editor_;
    bool horizontal_;
};

class PageView : public QScrollArea {
    Q_OBJECT
public:
    PageView(Editor& editor, QWidget* parent);
    PageSurface* surface() const { return surface_; }
    RulerWidget* ruler(int i) const { return rulers_[i]; }
    void relayout();

protected:
    bool eventFilter(QObject* o, QEvent* e) override;

private:
    Editor& editor_;
    QWidget* content_;
    PageSurface* surface_;
    RulerWidget* rulers_[2];
};

int mouseButtonCode(Qt::MouseButton b);
int shiftStateCode(Qt::KeyboardModifiers m);

} // namespace zep
