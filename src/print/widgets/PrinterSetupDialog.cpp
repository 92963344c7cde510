#include "print/widgets/PrinterSetupDialog.h"

#include "canvas/Editor.h"
#include "print/SheetPicture.h"
#include "print/widgets/DialogParts.h"
#include "shell/Numbers.h"

#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QImageReader>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QScreen>
#include <QTimer>

namespace zep {

namespace {

int px(int twips) {
    return (twips + 7) / 15;
}
QRect rectTw(int left, int top, int width, int height) {
    return QRect(px(left), px(top), px(width), px(height));
}

QLabel* caption(QWidget* parent, const QString& text, int x, int y) {
    auto* l = new QLabel(text, parent);
    l->move(px(x), px(y));
    l->adjustSize();
    return l;
}

// The largest image of an icon file up to maxSide pixels (an .ico holds several).
QPixmap largestImage(const QString& path, int maxSide) {
    QImageReader reader(path);
    QImage best;
    do {
        const QImage img = reader.read();
        if (!img.isNull() && img.width() <= maxSide && img.width() > best.width()) best = img;
    } while (reader.jumpToNextImage());
    return QPixmap::fromImage(best);
}

bool runSystemPrintDialog(QPrinter& printer, QWidget* parent) {
    QPrintDialog dlg(&printer, parent);
    dlg.setWindowTitle(QStringLiteral("프린터 설정"));
    // The print-setup variant: printer, paper, orientation and copies only.
    dlg.setOptions(QAbstractPrintDialog::PrintShowPageSize);
    return dlg.exec() == QDialog::Accepted;
}

} // namespace

PrinterSetupDialog::PrinterSetupDialog(Editor& editor, PrintSettings& settings, QWidget* parent)
    : QDialog(parent), editor_(editor), settings_(settings) {
    setObjectName(QStringLiteral("frmPrinterSelect"));
    setWindowTitle(QStringLiteral("프린터 설정"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    setWindowFlag(Qt::WindowMinMaxButtonsHint, false);
    systemSetup = runSystemPrintDialog;
    buildControls();
    // Load: centred on the screen.
    const QScreen* s = parentWidget() ? parentWidget()->screen() : QGuiApplication::primaryScreen();
    const QRect g = s ? s->geometry() : QRect(0, 0, 800, 600);
    move(g.x() + (g.width() - width()) / 2, g.y() + (g.height() - height()) / 2);
}

PrinterSetupDialog::~PrinterSetupDialog() = default;

void PrinterSetupDialog::buildControls() {
    const QString frameCaptions[4] = {QStringLiteral("프린터"), QStringLiteral("용지"),
                                      QStringLiteral("용지방향"), QStringLiteral("인쇄매수")};
    const QRect frameRects[4] = {rectTw(120, 120, 5295, 735), rectTw(120, 960, 2655, 1695),
                                 rectTw(2880, 960, 2535, 975), rectTw(2880, 2040, 2535, 615)};
    for (int i = 0; i < 4; ++i) {
        Frame[i] = new QGroupBox(frameCaptions[i], this);
        Frame[i]->setObjectName(QStringLiteral("Frame%1").arg(i + 1));
        Frame[i]->setGeometry(frameRects[i]);
    }

    // Printer.
    lbl기본프린터 = new QLabel(Frame[0]);
    lbl기본프린터->setObjectName(QStringLiteral("lbl기본프린터"));
    lbl기본프린터->move(px(240), px(330));
    cmdButton1 = new QPushButton(QStringLiteral("변경"), Frame[0]);
    cmdButton1->setObjectName(QStringLiteral("cmdButton10"));
    cmdButton1->setGeometry(rectTw(4080, 240, 1095, 375));
    cmdButton1->setAutoDefault(false);
    connect(cmdButton1, &QPushButton::clicked, this, &PrinterSetupDialog::changePrinter);
    tmrlblPrinter = new QTimer(this);
    tmrlblPrinter->setObjectName(QStringLiteral("tmrlblPrinter"));
    tmrlblPrinter->setInterval(200);
    connect(tmrlblPrinter, &QTimer::timeout, this, &PrinterSetupDialog::refreshPrinter);

    // Paper.
    caption(Frame[1], QStringLiteral("크기 :"), 120, 345);
    cbo용지 = new QComboBox(Frame[1]);
    cbo용지->setObjectName(QStringLiteral("cbo용지"));
    cbo용지->setEditable(true);
    cbo용지->setInsertPolicy(QComboBox::NoInsert);
    cbo용지->setCompleter(nullptr); // the text is what was typed
    cbo용지->setGeometry(rectTw(630, 300, 1950, 330));
    cbo용지->setEditText(QStringLiteral("용지종류"));
    connect(cbo용지, &QComboBox::activated, this, [this](int i) { choosePaper(i); });
    const QString sizeCaptions[2] = {QStringLiteral("가로 : "), QStringLiteral("세로 : ")};
    for (int i = 0; i < 2; ++i) {
        caption(Frame[1], sizeCaptions[i], 120, 825 + i * 420);
        txt용지Size[i] = new NumberBox(kPaperSizeMaxLength, true, Frame[1]);
        txt용지Size[i]->setObjectName(QStringLiteral("txt용지Size%1").arg(i));
        txt용지Size[i]->setGeometry(rectTw(720, 780 + i * 420, 1095, 330));
        sspnl용지Size[i] = new ClickLabel(Frame[1]);
        sspnl용지Size[i]->setObjectName(QStringLiteral("sspnl용지Size%1").arg(i));
        sspnl용지Size[i]->setText(QStringLiteral("mm"));
        sspnl용지Size[i]->setAlignment(Qt::AlignCenter);
        sspnl용지Size[i]->setFrameStyle(QFrame::Panel | QFrame::Raised);
        sspnl용지Size[i]->setGeometry(rectTw(1860, 780 + i * 420, 495, 330));
        sspnl용지Size[i]->clicked = [this, i] { txt용지Size[i]->setFocus(Qt::MouseFocusReason); };
    }

    // Orientation, display only.
    lbl인쇄방향 = new QLabel(Frame[2]);
    lbl인쇄방향->setObjectName(QStringLiteral("lbl인쇄방향"));
    lbl인쇄방향->setGeometry(rectTw(360, 420, 900, 315));
    img인쇄방향 = new QLabel(Frame[2]);
    img인쇄방향->setObjectName(QStringLiteral("img인쇄방향"));
    img인쇄방향->setAlignment(Qt::AlignCenter);
    img인쇄방향->setGeometry(rectTw(1440, 240, 600, 600));

    // Copies.
    txt매수 = new NumberBox(kCopiesMaxLength, false, Frame[3]);
    txt매수->setObjectName(QStringLiteral("txt매수"));
    txt매수->setGeometry(rectTw(600, 225, 1215, 330));

    cmdButton[0] = nullptr;
    const QString buttonCaptions[2] = {QStringLiteral("확인"), QStringLiteral("취소")};
    for (int i = 1; i <= 2; ++i) {
        cmdButton[i] = new QPushButton(buttonCaptions[i - 1], this);
        cmdButton[i]->setObjectName(QStringLiteral("cmdButton%1").arg(i));
        cmdButton[i]->setGeometry(rectTw(1440 * i, 2760, 1335, 375));
        cmdButton[i]->setAutoDefault(false);
    }
    connect(cmdButton[1], &QPushButton::clicked, this, &PrinterSetupDialog::confirm);
    connect(cmdButton[2], &QPushButton::clicked, this, &PrinterSetupDialog::reject);

    // Fixed border, 5535 x 3360 twips with its frame.
    setFixedSize(px(5535), px(3240));
}

QString PrinterSetupDialog::noPrinterText() {
    return QStringLiteral("설치된 프린터가 없습니다.");
}

void PrinterSetupDialog::refreshPrinter() {
    const QString name = effectivePrinterName(settings_);
    QPalette pal = lbl기본프린터->palette();
    if (name.isEmpty()) {
        lbl기본프린터->setText(noPrinterText());
        lbl기본프린터->setToolTip(QStringLiteral("CUPS에 등록된 프린터가 없어 인쇄할 수 없습니다. "
                                                 "프린터를 추가한 뒤 다시 여십시오."));
        pal.setColor(QPalette::WindowText, QColor(200, 0, 0));
    } else {
        lbl기본프린터->setText(name);
        lbl기본프린터->setToolTip(QStringLiteral("프린터: ") +
                                  QPrinterInfo::availablePrinterNames().join(QStringLiteral(", ")));
        pal.setColor(QPalette::WindowText, palette().color(QPalette::WindowText));
    }
    lbl기본프린터->setPalette(pal);
    lbl기본프린터->adjustSize();
}

void PrinterSetupDialog::prepare() {
    if (prepared_) return;
    prepared_ = true;
    state_ = openPrinterSetup(editor_.doc, editor_.module.gAppPath, settings_);
    lbl인쇄방향->setText(state_.orientationCaption);
    QPixmap picture = largestImage(state_.orientationPicture, 32);
    if (picture.isNull())
        picture = QPixmap::fromImage(sheetPicture(state_.orientation == OrientationLandscape, 32));
    img인쇄방향->setPixmap(picture);
    {
        const QSignalBlocker b(cbo용지);
        cbo용지->clear();
        cbo용지->addItems(state_.entries);
    }
    choosePaper(state_.entry);
    txt매수->setText(state_.copies);
    refreshPrinter();
    tmrlblPrinter->start();
}

void PrinterSetupDialog::choosePaper(int entry) {
    if (entry < 0 || entry >= state_.entries.size()) return;
    zep::choosePaper(state_, entry);
    {
        const QSignalBlocker b(cbo용지);
        cbo용지->setCurrentIndex(entry);
        cbo용지->lineEdit()->setCursorPosition(0); // the entry's start in the narrow box
    }
    if (!state_.sizeEnabled) {
        txt용지Size[0]->setText(state_.size[0]);
        txt용지Size[1]->setText(state_.size[1]);
    }
    for (int i = 0; i < 2; ++i) {
        txt용지Size[i]->setEnabled(state_.sizeEnabled);
        sspnl용지Size[i]->setEnabled(state_.sizeEnabled);
    }
    if (state_.sizeEnabled) txt용지Size[0]->setFocus(Qt::OtherFocusReason);
}

void PrinterSetupDialog::showEvent(QShowEvent* e) {
    prepare();
    // Every activation shows the normal pointer, over a busy one the caller set.
    pointer_.take();
    QDialog::showEvent(e);
}

void PrinterSetupDialog::hideEvent(QHideEvent* e) {
    tmrlblPrinter->stop();
    pointer_.release();
    QDialog::hideEvent(e);
}

void PrinterSetupDialog::readControls() {
    state_.paperText = cbo용지->currentText();
    for (int i = 0; i < 2; ++i)
        state_.size[i] = txt용지Size[i]->text();
    state_.copies = txt매수->text();
}

void PrinterSetupDialog::changePrinter() {
    if (!printer_) printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
    const QString name = effectivePrinterName(settings_);
    if (!name.isEmpty()) printer_->setPrinterName(name);
    const auto orientation = [](int o) {
        return o == OrientationLandscape ? QPageLayout::Landscape : QPageLayout::Portrait;
    };
    settings_.orientation = state_.orientation;
    printer_->setPageOrientation(orientation(state_.orientation));
    printer_->setCopyCount(
        std::max(1, static_cast<int>(roundHalfEven(leadingNumber(txt매수->text())))));
    const bool confirmed = systemSetup && systemSetup(*printer_, this);
    if (confirmed) {
        state_.orientation = printer_->pageLayout().orientation() == QPageLayout::Landscape
                                 ? OrientationLandscape
                                 : OrientationPortrait;
        settings_.orientation = state_.orientation;
        txt매수->setText(QString::number(printer_->copyCount()));
        // The printer chosen there is the one the program prints on from now on.
        if (printer_->outputFormat() == QPrinter::NativeFormat &&
            !printer_->printerName().isEmpty())
            settings_.printerName = printer_->printerName();
        refreshPrinter();
    } else {
        printer_->setPageOrientation(orientation(state_.orientation));
        settings_.orientation = state_.orientation;
    }
}

void PrinterSetupDialog::confirm() {
    readControls();
    lastResult_ =
        confirmPrinterSetup(state_, editor_.module, settings_, [](const PrintSettings& s) {
            QPrinter probe;
            return applyPrintSettings(probe, s);
        });
    if (lastResult_ == PrinterSetupResult::Accepted) accept();
}

void PrinterSetupDialog::reject() {
    editor_.module.gPrintCancelled = true;
    QDialog::reject();
}

bool runPrinterSetup(QWidget* parent, Editor& editor, PrintSettings& settings) {
    editor.module.gPrintCancelled = true;
    PrinterSetupDialog dlg(editor, settings, parent);
    dlg.exec();
    return !editor.module.gPrintCancelled;
}

bool runPrinterSetup(QWidget* parent, Editor& editor, PrintSettings& settings,
                     const std::function<void(PrinterSetupDialog&)>& driver) {
    if (!driver) return runPrinterSetup(parent, editor, settings);
    editor.module.gPrintCancelled = true;
    PrinterSetupDialog dlg(editor, settings, parent);
    dlg.systemSetup = [](QPrinter&, QWidget*) { return false; };
    dlg.show();
    dlg.prepare();
    driver(dlg);
    if (dlg.isVisible()) dlg.reject();
    returnActivation(parent);
    return !editor.module.gPrintCancelled;
}

} // namespace zep
