#include "print/widgets/PreviewWindow.h"

#include "canvas/Editor.h"
#include "print/PageRenderer.h"
#include "print/widgets/Preview.h"
#include "shell/Numbers.h"

#include <QComboBox>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>
#include <QShortcut>
#include <QToolButton>
#include <QVBoxLayout>
#include <cmath>

namespace zep {

namespace {

const QColor kDesk(128, 128, 128);

// A magnifier with a plus (in) or a minus (out).
QIcon magnifierIcon(bool in) {
    QPixmap pm(32, 32);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(40, 40, 40), 3));
    p.setBrush(QColor(220, 235, 255));
    p.drawEllipse(QPointF(13, 13), 9, 9);
    p.setPen(QPen(QColor(40, 40, 40), 4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(20, 20), QPointF(28, 28));
    p.setPen(QPen(QColor(20, 20, 120), 2));
    p.drawLine(QPointF(8, 13), QPointF(18, 13));
    if (in) p.drawLine(QPointF(13, 8), QPointF(13, 18));
    return QIcon(pm);
}

} // namespace

// ---- vsd미리보기 ----

PreviewSurface::PreviewSurface(QWidget* parent) : QAbstractScrollArea(parent) {
    setObjectName(QStringLiteral("vsd미리보기"));
    horizontalScrollBar()->setSingleStep(20);
    verticalScrollBar()->setSingleStep(20);
}

void PreviewSurface::setPage(DrawnPage page) {
    page_ = std::move(page);
    refit();
    updateScrollBars();
    viewport()->update();
}

QSizeF PreviewSurface::pageTwips() const {
    if (!page_ || page_->gPageWidth <= 0 || page_->gPageHeight <= 0) return {};
    return QSizeF(page_->gPageWidth, page_->gPageHeight);
}

double PreviewSurface::pixelsPerTwip() const {
    return logicalDpiX() / 1440.0;
}

void PreviewSurface::setZoomMode(int mode) {
    mode_ = mode;
    // Leaving a fit keeps its scale, uniform, so the page does not jump.
    if (mode_ == ZoomPercentage) zoomY_ = zoomX_;
    refit();
    updateScrollBars();
    viewport()->update();
}

void PreviewSurface::setZoom(double percent) {
    if (mode_ != ZoomPercentage || !std::isfinite(percent)) return;
    zoomX_ = zoomY_ = std::clamp(percent, kMinPreviewZoom, kMaxPreviewZoom);
    updateScrollBars();
    viewport()->update();
}

QSizeF PreviewSurface::drawnSize() const {
    const QSizeF t = pageTwips();
    const double k = pixelsPerTwip();
    return QSizeF(t.width() * k * zoomX_ / 100, t.height() * k * zoomY_ / 100);
}

QRectF PreviewSurface::pageRect() const {
    const QSizeF s = drawnSize();
    const QSize vp = viewport()->size();
    // Centred while it fits, else scrolled with a gap at both ends.
    auto place = [](double drawn, int view, int scroll) {
        return drawn + 2 * kGap <= view ? (view - drawn) / 2 : kGap - scroll;
    };
    return QRectF(place(s.width(), vp.width(), horizontalScrollBar()->value()),
                  place(s.height(), vp.height(), verticalScrollBar()->value()), s.width(),
                  s.height());
}

void PreviewSurface::refit() {
    if (mode_ == ZoomPercentage) return;
    const QSizeF t = pageTwips();
    const double dpi = logicalDpiX();
    const QSize full = maximumViewportSize();
    QSizeF avail(full.width() - 2 * kGap, full.height() - 2 * kGap);
    FitZoom f = fitPreviewZoom(mode_, t, avail, dpi);
    // The page width usually needs the vertical bar: fit beside it.
    if (mode_ == ZoomPageWidth && !t.isEmpty() &&
        t.height() * pixelsPerTwip() * f.y / 100 + 2 * kGap > full.height()) {
        avail.rwidth() -= style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this);
        f = fitPreviewZoom(mode_, t, avail, dpi);
    }
    if (f.x == zoomX_ && f.y == zoomY_) return;
    zoomX_ = f.x;
    zoomY_ = f.y;
    emit zoomChanged(zoomX_);
}

void PreviewSurface::updateScrollBars() {
    const QSizeF s = drawnSize();
    const QSize vp = viewport()->size();
    auto set = [](QScrollBar* bar, double drawn, int view) {
        bar->setPageStep(view);
        bar->setRange(0, std::max(0, static_cast<int>(std::ceil(drawn)) + 2 * kGap - view));
    };
    set(horizontalScrollBar(), s.width(), vp.width());
    set(verticalScrollBar(), s.height(), vp.height());
}

void PreviewSurface::resizeEvent(QResizeEvent* e) {
    QAbstractScrollArea::resizeEvent(e);
    refit();
    updateScrollBars();
}

void PreviewSurface::scrollContentsBy(int, int) {
    viewport()->update();
}

void PreviewSurface::paintEvent(QPaintEvent* e) {
    QPainter p(viewport());
    p.fillRect(e->rect(), kDesk);
    const QSizeF t = pageTwips();
    if (t.isEmpty()) return;
    const QRectF r = pageRect();
    p.fillRect(r.translated(4, 4), QColor(70, 70, 70));
    p.fillRect(r, Qt::white);
    const QRectF exposed = QRectF(e->rect()).intersected(r);
    if (exposed.isEmpty()) return;
    // Nothing leaves the paper, as on the printer.
    p.setClipRect(exposed);
    p.translate(r.topLeft());
    p.scale(r.width() / t.width(), r.height() / t.height());
    RenderOptions o;
    o.clip = p.transform().inverted().mapRect(exposed);
    renderPage(p, *page_, o);
}

// ---- frm미리보기 ----

PreviewWindow::PreviewWindow(Editor& editor, DrawnPage page, QWidget* parent)
    : QWidget(parent, Qt::Window), editor_(editor) {
    setObjectName(QStringLiteral("frm미리보기"));
    setWindowTitle(QStringLiteral("미리보기"));
    setAttribute(Qt::WA_DeleteOnClose);

    sspnl메뉴 = new QFrame(this);
    sspnl메뉴->setObjectName(QStringLiteral("sspnl메뉴"));
    sspnl메뉴->setFrameStyle(QFrame::Panel | QFrame::Raised);
    sspnl메뉴->setMinimumSize(459, 46);
    auto* row = new QHBoxLayout(sspnl메뉴);
    row->setContentsMargins(4, 2, 4, 2);
    row->setSpacing(2);

    cboZoomMode = new QComboBox(sspnl메뉴);
    cboZoomMode->setObjectName(QStringLiteral("cboZoomMode"));
    cboZoomMode->setMinimumWidth(132);
    row->addWidget(cboZoomMode);

    cboPercent = new QComboBox(sspnl메뉴);
    cboPercent->setObjectName(QStringLiteral("cboPercent"));
    cboPercent->setEditable(true);
    // The box must see exactly what was typed, never a completion of it.
    cboPercent->setInsertPolicy(QComboBox::NoInsert);
    cboPercent->setCompleter(nullptr);
    cboPercent->setMinimumWidth(70);
    row->addWidget(cboPercent);

    Label2 = new QLabel(QStringLiteral("%"), sspnl메뉴);
    Label2->setObjectName(QStringLiteral("Label2"));
    row->addWidget(Label2);

    for (int i = 0; i < 2; ++i) {
        cmd확대축소[i] = new QToolButton(sspnl메뉴);
        cmd확대축소[i]->setObjectName(QStringLiteral("cmd확대축소%1").arg(i));
        cmd확대축소[i]->setIcon(magnifierIcon(i == 0));
        cmd확대축소[i]->setIconSize(QSize(32, 32));
        cmd확대축소[i]->setFixedSize(41, 41);
        cmd확대축소[i]->setToolTip(i == 0 ? QStringLiteral("확대") : QStringLiteral("축소"));
        connect(cmd확대축소[i], &QToolButton::clicked, this, [this, i] { zoomButtonClicked(i); });
        row->addWidget(cmd확대축소[i]);
    }

    // Label1: the area behind the three buttons.
    Label1 = new QFrame(sspnl메뉴);
    Label1->setObjectName(QStringLiteral("Label1"));
    auto* buttons = new QHBoxLayout(Label1);
    buttons->setContentsMargins(6, 0, 0, 0);
    buttons->setSpacing(0);
    const QString captions[3] = {QStringLiteral("프린터설정"), QStringLiteral("인쇄"),
                                 QStringLiteral("종료")};
    for (int i = 0; i < 3; ++i) {
        cmdButton[i] = new QToolButton(Label1);
        cmdButton[i]->setObjectName(QStringLiteral("cmdButton%1").arg(i));
        cmdButton[i]->setText(captions[i]);
        cmdButton[i]->setAutoRaise(true); // the raised look follows the pointer
        cmdButton[i]->setMinimumSize(50, 37);
        connect(cmdButton[i], &QToolButton::clicked, this, [this, i] { buttonClicked(i); });
        buttons->addWidget(cmdButton[i]);
    }
    row->addWidget(Label1);

    vsd미리보기 = new PreviewSurface(this);

    auto* top = new QHBoxLayout;
    top->setContentsMargins(0, 0, 0, 0);
    top->addStretch(1);
    top->addWidget(sspnl메뉴);
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(1, 0, 1, 1);
    column->setSpacing(0);
    column->addLayout(top);
    column->addWidget(vsd미리보기, 1);

    connect(cboPercent, &QComboBox::editTextChanged, this, &PreviewWindow::percentTyped);
    connect(cboPercent, &QComboBox::activated, this, &PreviewWindow::percentChosen);
    connect(cboPercent->lineEdit(), &QLineEdit::editingFinished, this,
            &PreviewWindow::percentEditingFinished);
    connect(cboZoomMode, &QComboBox::currentIndexChanged, this, &PreviewWindow::modeChosen);
    connect(vsd미리보기, &PreviewSurface::zoomChanged, this, &PreviewWindow::surfaceZoomChanged);
    connect(new QShortcut(QKeySequence(Qt::Key_Escape), this), &QShortcut::activated, this,
            &QWidget::close);

    vsd미리보기->setZoomMode(ZoomPercentage);
    vsd미리보기->setZoom(100);
    vsd미리보기->setPage(std::move(page));
    move(0, 0);
}

void PreviewWindow::showEvent(QShowEvent* e) {
    QWidget::showEvent(e);
    prepare();
}

void PreviewWindow::prepare() {
    if (prepared_) return;
    prepared_ = true;
    {
        // Filling a list selects its first entry; only the chosen ones count.
        const QSignalBlocker a(cboPercent), b(cboZoomMode);
        cboPercent->addItems(previewPercentItems());
        cboZoomMode->addItems(previewZoomModeItems());
    }
    cboPercent->setEditText(QStringLiteral("100"));
    cboZoomMode->setCurrentIndex(1);
}

void PreviewWindow::applyZoom(double percent) {
    vsd미리보기->setZoom(percent);
    mvLastZoom = vsd미리보기->zoom();
}

void PreviewWindow::percentTyped(const QString& text) {
    if (const auto z = zoomForTypedPercent(text, mvLastZoom)) applyZoom(*z);
}

void PreviewWindow::percentChosen(int index) {
    if (const auto z = zoomForChosenPercent(cboPercent->itemText(index), mvLastZoom)) applyZoom(*z);
}

void PreviewWindow::percentEditingFinished() {
    // A value the page was not shown at (too small, too large) gives way to
    // the zoom it is shown at.
    if (cboPercent->isEnabled() && leadingNumber(cboPercent->currentText()) != mvLastZoom &&
        mvLastZoom > 0)
        cboPercent->setEditText(previewZoomText(mvLastZoom));
}

void PreviewWindow::modeChosen(int index) {
    if (index < 0) return;
    const int mode = static_cast<int>(leadingNumber(cboZoomMode->itemText(index)));
    if (mode == ZoomPercentage) {
        vsd미리보기->setZoomMode(ZoomPercentage);
        cboPercent->setEnabled(true);
        if (const auto z = zoomForChosenPercent(cboPercent->currentText(), mvLastZoom))
            applyZoom(*z);
        return;
    }
    cboPercent->setEnabled(false);
    vsd미리보기->setZoomMode(mode);
    cboPercent->setEditText(previewZoomText(vsd미리보기->zoom()));
}

void PreviewWindow::surfaceZoomChanged(double percent) {
    // A fit follows the window's size; the box shows what it chose.
    if (vsd미리보기->zoomMode() != ZoomPercentage)
        cboPercent->setEditText(previewZoomText(percent));
}

void PreviewWindow::zoomButtonClicked(int i) {
    cboZoomMode->setCurrentIndex(0);
    const QString text = percentAfterZoomButton(i, cboPercent->currentText());
    cboPercent->setEditText(text);
    // The box's rule waits on 10 and below; the button means it, so the page
    // follows and box and page agree.
    if (const auto z = zoomForChosenPercent(text, mvLastZoom)) applyZoom(*z);
    if (leadingNumber(cboPercent->currentText()) != mvLastZoom)
        cboPercent->setEditText(previewZoomText(mvLastZoom));
}

void PreviewWindow::buttonClicked(int i) {
    cboZoomMode->setFocus();
    switch (i) {
    case 0:
        if (printHooks().systemPrinterDialog)
            printHooks().systemPrinterDialog(this, programPrinter());
        break;
    case 1:
        if (vsd미리보기->page() && confirmPrinter(this, editor_))
            PrintDrawnPage(editor_.module, programPrinter(), *vsd미리보기->page());
        break;
    case 2:
        close();
        break;
    default:
        break;
    }
}

} // namespace zep
