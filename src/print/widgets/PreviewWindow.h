#pragma once
// frm미리보기: the drawn page on a scrolling surface with its zoom modes,
// printer setup, print and close. Not modal; a snapshot of the document.
#include "print/Printing.h"

#include <QAbstractScrollArea>
#include <QWidget>

class QComboBox;
class QLabel;
class QFrame;
class QToolButton;

namespace zep {

class Editor;

// vsd미리보기: paints the drawn page through the page renderer at the zoom,
// only the part that is exposed, so a page of many objects stays quick.
class PreviewSurface : public QAbstractScrollArea {
    Q_OBJECT
public:
    explicit PreviewSurface(QWidget* parent = nullptr);

    void setPage(DrawnPage page);
    const DrawnPage& page() const { return page_; }

    int zoomMode() const { return mode_; }
    void setZoomMode(int mode);
    // The zoom in percent; in the fitting modes the one the fit chose, and
    // setting it changes nothing there. Clamped to kMin/kMaxPreviewZoom.
    double zoom() const { return zoomX_; }
    void setZoom(double percent);

    // The page's size on the screen, in pixels, and where it is drawn.
    QSizeF drawnSize() const;
    QRectF pageRect() const;

    static constexpr int kGap = 12; // grey around the paper

signals:
    // A fitting mode chose another zoom (the mode changed or the window resized).
    void zoomChanged(double percent);

protected:
    void paintEvent(QPaintEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    void scrollContentsBy(int dx, int dy) override;

private:
    DrawnPage page_;
    int mode_ = ZoomPercentage;
    double zoomX_ = 100, zoomY_ = 100;

    QSizeF pageTwips() const;
    double pixelsPerTwip() const;
    void refit();
    void updateScrollBars();
};

class PreviewWindow : public QWidget {
    Q_OBJECT
public:
    PreviewWindow(Editor& editor, DrawnPage page, QWidget* parent = nullptr);

    double mvLastZoom = 0;

    PreviewSurface* surface() const { return vsd미리보기; }
    QComboBox* zoomModeBox() const { return cboZoomMode; }
    QComboBox* percentBox() const { return cboPercent; }
    QToolButton* zoomButton(int i) const { return cmd확대축소[i]; }
    QToolButton* button(int i) const { return cmdButton[i]; }

    // First activation: the two lists, 100 % then the whole page. Runs once,
    // from the first show; callable earlier.
    void prepare();

    void zoomButtonClicked(int i); // 0 in, 1 out
    void buttonClicked(int i);     // 0 프린터설정, 1 인쇄, 2 종료

protected:
    void showEvent(QShowEvent* e) override;

private:
    Editor& editor_;
    bool prepared_ = false;

    PreviewSurface* vsd미리보기;
    QFrame* sspnl메뉴;
    QComboBox* cboZoomMode;
    QComboBox* cboPercent;
    QLabel* Label2;
    QToolButton* cmd확대축소[2];
    QFrame* Label1;
    QToolButton* cmdButton[3];

    void percentTyped(const QString& text);
    void percentChosen(int index);
    void modeChosen(int index);
    void percentEditingFinished();
    void surfaceZoomChanged(double percent);
    void applyZoom(double percent);
};

} // namespace zep
