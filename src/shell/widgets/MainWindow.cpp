#include "shell/widgets/MainWindow.h"

#include "colour/widgets/ColourDialog.h"
#include "colour/widgets/ColourStrip.h"
#include "dialogs/LineDialog.h"
#include "dialogs/PictureChooser.h"
#include "dialogs/ShapeDialog.h"
#include "dialogs/SizeDialog.h"
#include "dialogs/TextDialog.h"
#include "document/TextLayout.h"
#include "print/widgets/PageSetupDialog.h"
#include "print/widgets/Preview.h"
#include "print/widgets/PrinterSetupDialog.h"
#include "shell/Units.h"
#include "shell/widgets/AboutBox.h"
#include "shell/widgets/HelpWindow.h"
#include "shell/widgets/Icons.h"
#include "shell/widgets/Prompt.h"
#include "shell/widgets/StatusStrip.h"
#include "view/Zoom.h"
#include "view/widgets/PageView.h"

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

namespace zep {

namespace {} // namespace

MainWindow::MainWindow(const QString& appPath, QWidget* parent) : QMainWindow(parent) {
    setObjectName(QStringLiteral("frmZEP"));
    setWindowTitle(QStringLiteral("Zephyra1.2"));
    QFont f(QStringLiteral("굴림"));
    f.setPointSizeF(9.75);
    setFont(f);
    editor.setHost(this);
    editor.module.gAppPath = appPath;
    editor.module.prompter = [this](const PromptRequest& r) {
        return promptOverride ? promptOverride(r) : showPrompt(this, r);
    };

    buildMenus();
    buildCommandBar();
    buildToolPalette();

    auto* central = new QWidget(this);
    auto* column = new QVBoxLayout(central);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    view_ = new PageView(editor, central);
    column->addWidget(view_, 1);
    buildColourPanel();
    column->addWidget(colourStrip_);
    setCentralWidget(central);
    buildContextMenus();
    connectObjectCommands();

    editor.module.progress.repaint = [this] {
        if (status_) status_->repaint();
    };
    // Printing asks for the printer through our printer setup; restored when
    // the window goes, so the hook never outlives it.
    previousPrinterSetup_ = printHooks().printerSetup;
    printHooks().printerSetup = [this](QWidget*, Editor&, QPrinter& printer) {
        if (!runPrinterSetup()) return false;
        applyPrintSettings(printer, printSettings);
        return true;
    };
    qApp->installEventFilter(this);
    if (QScreen* s = screen())
        connect(s, &QScreen::availableGeometryChanged, this, [this] { FitToWorkArea(); });
    mvScreenWidth = 0;
    FitToWorkArea();
    mvStarted = false;
}

MainWindow::~MainWindow() {
    qApp->removeEventFilter(this);
    printHooks().printerSetup = previousPrinterSetup_;
}

QAction* MainWindow::action(const QString& name) const {
    return actions_.value(name);
}
QMenu* MainWindow::menu(const QString& name) const {
    return menus_.value(name);
}

QMenu* MainWindow::addMenu(QMenu* parent, const QString& name, const QString& caption) {
    QMenu* m = parent ? parent->addMenu(caption) : menuBar()->addMenu(caption);
    m->setObjectName(name);
    m->menuAction()->setObjectName(name);
    menus_[name] = m;
    return m;
}

QAction* MainWindow::addItem(QMenu* m, const QString& name, const QString& caption,
                             const QKeySequence& key) {
    QAction* a = caption == "-" ? m->addSeparator() : m->addAction(caption);
    a->setObjectName(name);
    if (!key.isEmpty()) {
        a->setShortcut(key);
        a->setShortcutContext(Qt::WindowShortcut);
    }
    actions_[name] = a;
    return a;
}

void MainWindow::buildMenus() {
    QMenu* file = addMenu(nullptr, QStringLiteral("mnu파일"), QStringLiteral("파일(&F)"));
    connect(addItem(file, "mnu새파일", "새파일(&N)"), &QAction::triggered, this,
            [this] { files.NewDocument(); });
    connect(addItem(file, "mnu파일열기", "열기(&O)...", QKeySequence(Qt::CTRL | Qt::Key_O)),
            &QAction::triggered, this, [this] { files.OpenDocument(); });
    addItem(file, "mnuFHipen1", "-");
    connect(addItem(file, "mnu저장", "저장(&S)", QKeySequence(Qt::CTRL | Qt::Key_S)),
            &QAction::triggered, this, [this] { files.SaveDocument(); });
    connect(addItem(file, "mnu다른이름저장", QStringLiteral("다른이름으로 저장(&A)...          ")),
            &QAction::triggered, this, [this] { files.SaveDocumentAs(); });
    addItem(file, "mnuFHipen2", "-");
    connect(addItem(file, "mnu용지설정", "용지설정(&G)..."), &QAction::triggered, this,
            [this] { runPageSetup(editor); });
    connect(addItem(file, "mnu인쇄", "인쇄(&P)"), &QAction::triggered, this,
            [this] { PrintDocument(this, editor); });
    connect(addItem(file, "mnu미리보기", "미리보기(&V)"), &QAction::triggered, this,
            [this] { ShowPreview(this, editor); });
    addItem(file, "mnuFHipen3", "-");
    connect(addItem(file, "mnu종료", "종료(&X)"), &QAction::triggered, this, [this] { close(); });

    QMenu* edit = addMenu(nullptr, QStringLiteral("mnu편집"), QStringLiteral("편집(&E)"));
    addItem(edit, "mnu실행취소", QStringLiteral("실행취소(&U)          "),
            QKeySequence(Qt::CTRL | Qt::Key_Z))
        ->setVisible(false);
    addItem(edit, "mnu재실행", "재실행(&R)", QKeySequence(Qt::CTRL | Qt::Key_Y))->setVisible(false);
    addItem(edit, "mnuEHipen1", "-")->setVisible(false);
    connect(addItem(edit, "mnu잘라내기", "잘라내기", QKeySequence(Qt::CTRL | Qt::Key_X)),
            &QAction::triggered, this, [this] { objects.CutCommand(); });
    connect(addItem(edit, "mnu복사", "복사하기", QKeySequence(Qt::CTRL | Qt::Key_C)),
            &QAction::triggered, this, [this] { objects.CopyCommand(); });
    addItem(edit, "mnu붙이기", "붙여넣기", QKeySequence(Qt::CTRL | Qt::Key_V))->setEnabled(false);
    connect(addItem(edit, "mnu지우기", "지우기", QKeySequence(Qt::Key_Delete)), &QAction::triggered,
            this, [this] { editor.mnu지우기_Click(); });
    connect(addItem(edit, "mnu틀지우기", "틀 지우기", QKeySequence(Qt::SHIFT | Qt::Key_Delete)),
            &QAction::triggered, this, [this] { RunToolbarButton(11); });

    QMenu* help = addMenu(nullptr, QStringLiteral("mnu도움말"), QStringLiteral("도움말(&H)"));
    // F1 reaches the window's key handler first; the menu only shows it.
    QAction* usage = addItem(help, "mnu사용법", "사용법...");
    usage->setShortcut(QKeySequence(Qt::Key_F1));
    usage->setShortcutContext(Qt::WidgetShortcut);
    connect(usage, &QAction::triggered, this, [this] { runShowHelp(); });
    addItem(help, "mnuHHipen1", "-");
    connect(addItem(help, "mnuAbout", "Zephyra 정보(&A)..."), &QAction::triggered, this,
            [this] { ShowAbout(this); });
    // Hidden floating menus, never shown in the bar.
    QMenu* size = addMenu(help, QStringLiteral("mnuSize"), QStringLiteral("Size메뉴"));
    size->menuAction()->setVisible(false);
    connect(addItem(size, "mnuOrginalSize", "실제크기"), &QAction::triggered, this,
            [this] { editor.setZoomBoxText(QStringLiteral("100")); });
    addItem(size, "mnuSHipen1", "-");
    connect(addItem(size, "mnuExtension", "확대"), &QAction::triggered, this,
            [this] { editor.setZoomBoxText(QString::number(editor.doc.gZoom + 10)); });
    connect(addItem(size, "mnuReduction", "축소"), &QAction::triggered, this, [this] {
        const int z = editor.doc.gZoom - 10 < 0 ? editor.doc.gZoom : editor.doc.gZoom - 10;
        editor.setZoomBoxText(QString::number(z));
    });
}

void MainWindow::buildContextMenus() {
    QMenu* help = menus_.value(QStringLiteral("mnu도움말"));
    QMenu* obj = addMenu(help, QStringLiteral("mnuObjectEdit"), QStringLiteral("객체편집"));
    obj->menuAction()->setVisible(false);
    addItem(obj, "mnuEdit", "편집");
    addItem(obj, "mnuOEHipen1", "-");
    addItem(obj, "mnuObjectSizeEdit", "Size조절");
    addItem(obj, "mnuOEHipen2", "-");
    addItem(obj, "mnuOUp", "앞으로 가져오기");
    addItem(obj, "mnuODown", "뒤로 보내기");
    addItem(obj, "mnuOPageUp", "맨앞으로 가져오기");
    addItem(obj, "mnuOPageDown", "맨뒤로 보내기");
    addItem(obj, "mnuOEHipen3", "-");
    addItem(obj, "mnuOECopy", "복사하기");
    addItem(obj, "mnuOECut", "잘라내기");

    QMenu* img = addMenu(help, QStringLiteral("mnuImage편집"), QStringLiteral("그림편집"));
    img->menuAction()->setVisible(false);
    addItem(img, "mnu원래크기", "원래크기로...");
    addItem(img, "mnuImageChange", "그림바꾸기");
    addItem(img, "mnuIHipen1", "-");
    addItem(img, "mnuImageSizeEdit", "Size조절");
    addItem(img, "mnuIHipen2", "-");
    addItem(img, "mnuIUp", "앞으로 가져오기");
    addItem(img, "mnuIDown", "뒤로 보내기");
    addItem(img, "mnuIPageUp", "맨앞으로 가져오기");
    addItem(img, "mnuIPageDown", "맨뒤로 보내기");
    addItem(img, "mnuIHipen3", "-");
    addItem(img, "mnuIECopy", "복사하기");
    addItem(img, "mnuIECut", "잘라내기");

    QMenu* layer = addMenu(help, QStringLiteral("mnuLayer"), QStringLiteral("배경그림"));
    layer->menuAction()->setVisible(false);
    addItem(layer, "mnuLayerChange", "배경넣기/바꾸기");
    connect(addItem(layer, "mnuLayerDelete", "배경삭제"), &QAction::triggered, this,
            [this] { RunToolbarButton(11); });
    addItem(layer, "mnuLHipen1", "-");
    addItem(layer, "mnuLPost", "붙여넣기");
}

void MainWindow::connectObjectCommands() {
    const std::initializer_list<std::pair<const char*, std::function<void()>>> commands = {
        {"mnu붙이기", [this] { objects.PasteCommand(); }},
        {"mnuEdit", [this] { objects.edit(); }},
        {"mnuObjectSizeEdit", [this] { objects.sizeEdit(); }},
        {"mnuOUp", [this] { objects.up(); }},
        {"mnuODown", [this] { objects.down(); }},
        {"mnuOPageUp", [this] { objects.toFront(); }},
        {"mnuOPageDown", [this] { objects.toBack(); }},
        {"mnuOECopy", [this] { objects.CopyCommand(); }},
        {"mnuOECut", [this] { objects.CutCommand(); }},
        {"mnu원래크기", [this] { objects.RestorePictureSize(); }},
        {"mnuImageChange", [this] { objects.changePicture(); }},
        {"mnuImageSizeEdit", [this] { objects.sizeEdit(); }},
        {"mnuIUp", [this] { objects.up(); }},
        {"mnuIDown", [this] { objects.down(); }},
        {"mnuIPageUp", [this] { objects.toFront(); }},
        {"mnuIPageDown", [this] { objects.toBack(); }},
        {"mnuIECopy", [this] { objects.CopyCommand(); }},
        {"mnuIECut", [this] { objects.CutCommand(); }},
        {"mnuLayerChange", [this] { objects.changeBackground(); }},
        {"mnuLPost", [this] { objects.PasteCommand(); }},
    };
    for (const auto& [name, run] : commands)
        connect(action(QString::fromUtf8(name)), &QAction::triggered, this, run);
}

void MainWindow::buildCommandBar() {
    tlb메뉴_ = addToolBar(QStringLiteral("tlb메뉴"));
    tlb메뉴_->setObjectName(QStringLiteral("tlb메뉴"));
    tlb메뉴_->setMovable(false);
    tlb메뉴_->setIconSize(QSize(24, 24));
    const QMap<int, QString> tips = {
        {1, "새파일"},    {2, "열기"},      {3, "저장"},      {5, "실행취소"}, {6, "재실행"},
        {7, "복사하기"},  {8, "잘라내기"},  {9, "붙여넣기"},  {10, "지우기"},  {11, "틀 지우기"},
        {13, "용지설정"}, {14, "미리보기"}, {15, "인쇄하기"}, {17, "도움말"},  {18, "종료"}};
    for (int b = 1; b <= 18; ++b) {
        if (b == 4 || b == 12 || b == 16) {
            auto* gap = new QWidget(tlb메뉴_);
            gap->setFixedWidth(20); // 300 twips
            QAction* a = tlb메뉴_->addWidget(gap);
            a->setObjectName(QStringLiteral("tlb메뉴_%1").arg(b));
            commandButtons_[b] = a;
            continue;
        }
        QAction* a = tlb메뉴_->addAction(commandIcon(b), tips.value(b));
        a->setObjectName(QStringLiteral("tlb메뉴_%1").arg(b));
        a->setToolTip(tips.value(b));
        commandButtons_[b] = a;
        connect(a, &QAction::triggered, this, [this, b] { RunToolbarButton(b); });
    }
    commandButtons_[9]->setEnabled(false);

    auto* spacer = new QWidget(tlb메뉴_);
    spacer->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    tlb메뉴_->addWidget(spacer);
    status_ = new StatusStrip(editor, tlb메뉴_);
    tlb메뉴_->addWidget(status_);

    auto* panel = new QFrame(tlb메뉴_);
    panel->setObjectName(QStringLiteral("sspnl좌표"));
    panel->setFrameShape(QFrame::StyledPanel);
    auto* row = new QHBoxLayout(panel);
    row->setContentsMargins(4, 2, 4, 2);
    const char* labels[2] = {"+", "−"};
    for (int k = 0; k < 2; ++k) {
        cmd확대축소_[k] = new QToolButton(panel);
        cmd확대축소_[k]->setObjectName(QStringLiteral("cmd확대축소%1").arg(k));
        cmd확대축소_[k]->setText(QString::fromUtf8(labels[k]));
        cmd확대축소_[k]->setAutoRaise(true); // the highlight follows the pointer
        cmd확대축소_[k]->setToolTip(k == 0 ? QStringLiteral("확대") : QStringLiteral("축소"));
        connect(cmd확대축소_[k], &QToolButton::clicked, this, [this, k] {
            cbo확대축소_->setFocus();
            editor.zoomButtonClicked(k);
        });
    }
    cbo확대축소_ = new QComboBox(panel);
    cbo확대축소_->setObjectName(QStringLiteral("cbo확대축소"));
    cbo확대축소_->setEditable(true);
    cbo확대축소_->setInsertPolicy(QComboBox::NoInsert);
    cbo확대축소_->setMinimumWidth(64);
    connect(cbo확대축소_, &QComboBox::editTextChanged, this,
            [this](const QString& t) { editor.zoomBoxEdited(t); });
    connect(cbo확대축소_, &QComboBox::activated, this,
            [this](int i) { editor.zoomListChosen(cbo확대축소_->itemText(i)); });
    row->addWidget(cmd확대축소_[0]);
    row->addWidget(cmd확대축소_[1]);
    row->addWidget(cbo확대축소_);
    row->addWidget(new QLabel(QStringLiteral("%"), panel));
    tlb메뉴_->addWidget(panel);
}

void MainWindow::buildToolPalette() {
    tlb편집메뉴_ = new QToolBar(QStringLiteral("tlb편집메뉴"), this);
    tlb편집메뉴_->setObjectName(QStringLiteral("tlb편집메뉴"));
    tlb편집메뉴_->setMovable(false);
    tlb편집메뉴_->setOrientation(Qt::Vertical);
    tlb편집메뉴_->setIconSize(QSize(24, 24));
    addToolBar(Qt::LeftToolBarArea, tlb편집메뉴_);
    const QMap<int, QString> tips = {{1, "이동도구"},   {2, "앞으로가져오기"}, {3, "뒤로보내기"},
                                     {5, "틀"},         {6, "도안"},           {7, "문자입력"},
                                     {9, "선그리기"},   {10, "사각그리기"},    {11, "원그리기"},
                                     {12, "타원그리기"}};
    for (int b = 1; b <= 12; ++b) {
        if (b == 4 || b == 8) {
            auto* gap = new QWidget(tlb편집메뉴_);
            gap->setFixedHeight(20);
            tlb편집메뉴_->addWidget(gap);
            continue;
        }
        QAction* a = tlb편집메뉴_->addAction(toolIcon(b), tips.value(b));
        a->setObjectName(QStringLiteral("tlb편집메뉴_%1").arg(b));
        a->setToolTip(tips.value(b));
        a->setCheckable(isCheckTool(b));
        toolButtons_[b] = a;
        connect(a, &QAction::triggered, this, [this, b] {
            editor.toolButtonClicked(b);
            toolChanged();
        });
    }
    toolChanged();
}

void MainWindow::buildColourPanel() {
    colourStrip_ = new ColourStrip(editor, this);
    colourStrip_->requestRepaint = [this] { pageChanged(); };
}

// ---------------------------------------------------------------- commands

void MainWindow::RunToolbarButton(int button) {
    switch (button) {
    case 1:
        files.NewDocument();
        break;
    case 2:
        files.OpenDocument();
        break;
    case 3:
        if (nameFromTitle(editor.title) == kUntitled)
            files.SaveDocumentAs();
        else
            files.SaveDocument();
        break;
    case 10:
        editor.mnu지우기_Click();
        break;
    case 7:
        objects.CopyCommand();
        break;
    case 8:
        objects.CutCommand();
        break;
    case 9:
        objects.PasteCommand();
        break;
    case 11:
        objects.ClearBackground();
        break;
    case 14:
        ShowPreview(this, editor);
        break;
    case 15:
        PrintDocument(this, editor);
        break;
    case 13:
        runPageSetup(editor);
        break;
    case 17:
        runShowHelp();
        break;
    case 18:
        close();
        break;
    default:
        break; // commands that come with later work
    }
}

void MainWindow::runShowHelp() {
    ShowHelp(editor.module.gAppPath, this);
}

void MainWindow::firstActivation() {
    if (mvStarted) return;
    mvStarted = true;
    editor.module.gFontNames.clear();
    {
        const QSignalBlocker block(cbo확대축소_);
        cbo확대축소_->clear();
        cbo확대축소_->addItems(zoomListItems());
        cbo확대축소_->setEditText(QString());
    }
    editor.zoomBoxText.clear();
    files.NewDocument();
    if (!startFile.isEmpty()) files.OpenPath(startFile);
    startFileOpened_ = true;
}

void MainWindow::FitToWorkArea() {
    const QScreen* s = screen();
    if (!s) return;
    // Only a change of the work area's width refits; the layouts do the rest.
    const int w = s->availableGeometry().width();
    if (w == mvScreenWidth) return;
    mvScreenWidth = w;
}

bool MainWindow::event(QEvent* e) {
    // Without a window manager there may be no activation; the first show counts too.
    if ((e->type() == QEvent::WindowActivate || e->type() == QEvent::Show) && !mvStarted) {
        // After the window is up, so the page setup and prompts have a parent on screen.
        QMetaObject::invokeMethod(
            this, [this] { firstActivation(); }, Qt::QueuedConnection);
    }
    return QMainWindow::event(e);
}

bool MainWindow::eventFilter(QObject* o, QEvent* e) {
    if (e->type() == QEvent::KeyPress && isActiveWindow() && !QApplication::activeModalWidget()) {
        auto* k = static_cast<QKeyEvent*>(e);
        // The window sees keys before its controls.
        int code = 0;
        switch (k->key()) {
        case Qt::Key_Left:
            code = 37;
            break;
        case Qt::Key_Up:
            code = 38;
            break;
        case Qt::Key_Right:
            code = 39;
            break;
        case Qt::Key_Down:
            code = 40;
            break;
        case Qt::Key_F1:
            code = 112;
            break;
        default:
            break;
        }
        if (code && o->isWidgetType() && static_cast<QWidget*>(o)->window() == this) {
            const bool done = editor.keyPress(code, shiftStateCode(k->modifiers()));
            // An ignored key goes on to the parents, which pass through this
            // filter again (moving once more) and scroll the view: stop it here,
            // except in a text field, which takes the key itself.
            if (done &&
                (code == 112 || !(qobject_cast<QLineEdit*>(o) || qobject_cast<QComboBox*>(o))))
                return true;
        }
    }
    return QMainWindow::eventFilter(o, e);
}

void MainWindow::closeEvent(QCloseEvent* e) {
    if (closing_) return e->accept();
    if (!editor.doc.mv내용수정) {
        const int a = editor.module.ask(QStringLiteral("종료"),
                                        QStringLiteral("프로그램을 종료하시겠습니까?"),
                                        IconQuestion, ButtonsYesNo, DefaultSecond);
        if (a == AnswerNo) return e->ignore();
    } else {
        const int a =
            editor.module.ask(QStringLiteral("종료"), QStringLiteral("내용을 저장하시겠습니까?"),
                              IconQuestion, ButtonsYesNoCancel, DefaultFirst);
        if (a == AnswerCancel) return e->ignore();
        // A save that does not happen keeps the program running: nothing is lost.
        if (a == AnswerYes && (!files.SaveDocument() || editor.doc.mv내용수정)) return e->ignore();
    }
    closing_ = true;
    if (fonts) fonts->withdrawAll();
    e->accept();
    qApp->closeAllWindows();
}

// ---------------------------------------------------------------- host

void MainWindow::runTextDialog(Editor& ed, int index, bool isNew) {
    if (textDialogOverride) return textDialogOverride(ed, index, isNew);
    zep::runTextDialog(this, ed, index, isNew);
}

void MainWindow::runLineDialog(Editor& ed, int index) {
    zep::runLineDialog(this, ed, index);
}
void MainWindow::runShapeDialog(Editor& ed, int index) {
    zep::runShapeDialog(this, ed, index);
}
void MainWindow::runSizeDialog(Editor& ed) {
    zep::runSizeDialog(this, ed);
}
void MainWindow::runPageSetup(Editor& ed) {
    if (pageSetupOverride) return pageSetupOverride(ed);
    // A document named on the command line replaces the first page at once;
    // asking for that page's paper would only be in the way.
    if (!startFile.isEmpty() && !startFileOpened_) return;
    zep::runPageSetup(this, ed);
}

bool MainWindow::runPrinterSetup() {
    editor.module.gPrintCancelled = true;
    if (printerSetupOverride)
        printerSetupOverride(editor, printSettings);
    else
        zep::runPrinterSetup(this, editor, printSettings);
    return !editor.module.gPrintCancelled;
}

QString MainWindow::runPictureChooser(const QString& start) {
    if (pictureChooserOverride) return pictureChooserOverride(start);
    return zep::runPictureChooser(this, editor, start);
}

void MainWindow::showContextMenu(Editor&, ContextMenu which, const ContextMenuState& st) {
    lastMenu = which;
    lastMenuState = st;
    QMenu* m = nullptr;
    auto set = [this](const char* name, bool visible, bool enabled = true) {
        if (QAction* a = action(QString::fromUtf8(name))) {
            a->setVisible(visible);
            a->setEnabled(enabled);
        }
    };
    switch (which) {
    case ContextMenu::Object:
        m = menu(QStringLiteral("mnuObjectEdit"));
        set("mnuOEHipen1", st.sizeEditVisible);
        set("mnuObjectSizeEdit", st.sizeEditVisible);
        set("mnuOUp", true, st.upEnabled);
        set("mnuOPageUp", true, st.upEnabled);
        set("mnuODown", true, st.downEnabled);
        set("mnuOPageDown", true, st.downEnabled);
        break;
    case ContextMenu::Picture:
        m = menu(QStringLiteral("mnuImage편집"));
        set("mnuIUp", true, st.upEnabled);
        set("mnuIPageUp", true, st.upEnabled);
        set("mnuIDown", true, st.downEnabled);
        set("mnuIPageDown", true, st.downEnabled);
        break;
    case ContextMenu::Background:
        m = menu(QStringLiteral("mnuLayer"));
        action(QStringLiteral("mnuLayerChange"))->setText(st.layerChangeCaption);
        set("mnuLayerDelete", st.layerDeleteVisible);
        set("mnuLHipen1", st.pasteVisible);
        set("mnuLPost", st.pasteVisible);
        break;
    }
    if (m && showMenus) m->exec(QCursor::pos());
}

void MainWindow::showMessage(const QString& title, const QString& text) {
    editor.module.ask(title, text, IconExclamation, ButtonsOK, DefaultFirst);
}

QString MainWindow::openFileDialog(const QString& title, const QString& folder,
                                   const QString& name) {
    if (fileDialogOverride) return fileDialogOverride(false, title);
    QFileDialog dlg(this, title, folder, QStringLiteral("ZEP파일(zep) (*.zep)"));
    dlg.setAcceptMode(QFileDialog::AcceptOpen);
    dlg.selectFile(name);
    return dlg.exec() == QDialog::Accepted && !dlg.selectedFiles().isEmpty()
               ? dlg.selectedFiles().first()
               : QString();
}

QString MainWindow::saveFileDialog(const QString& title, const QString& folder,
                                   const QString& name) {
    if (fileDialogOverride) return fileDialogOverride(true, title);
    QFileDialog dlg(this, title, folder, QStringLiteral("ZEP파일(zep) (*.zep)"));
    dlg.setAcceptMode(QFileDialog::AcceptSave);
    dlg.setOption(QFileDialog::DontConfirmOverwrite, false);
    dlg.selectFile(name);
    return dlg.exec() == QDialog::Accepted && !dlg.selectedFiles().isEmpty()
               ? dlg.selectedFiles().first()
               : QString();
}

void MainWindow::setBusy(bool busy) {
    if (busy) {
        if (busyDepth_++ == 0) QApplication::setOverrideCursor(Qt::WaitCursor);
    } else if (busyDepth_ > 0 && --busyDepth_ == 0) {
        QApplication::restoreOverrideCursor();
    }
}

void MainWindow::pageChanged() {
    if (view_) view_->surface()->update();
    if (colourStrip_) colourStrip_->refresh();
}

void MainWindow::layoutChanged() {
    if (view_) view_->relayout();
}

void MainWindow::statusChanged() {
    if (status_) status_->update();
}

void MainWindow::titleChanged() {
    setWindowTitle(editor.title);
}

void MainWindow::toolChanged() {
    for (auto it = toolButtons_.begin(); it != toolButtons_.end(); ++it)
        if (it.value()->isCheckable()) it.value()->setChecked(it.key() == editor.activeTool);
    if (colourStrip_) colourStrip_->refresh();
    if (view_ && editor.mvMousePointer == PointerCustom)
        view_->surface()->setCursor(eyedropperCursor(editor.module.gAppPath));
    else if (view_)
        view_->surface()->setCursor(editor.mvMousePointer == PointerCross  ? Qt::CrossCursor
                                    : editor.mvMousePointer == PointerText ? Qt::IBeamCursor
                                                                           : Qt::ArrowCursor);
}

void MainWindow::zoomBoxChanged() {
    const QSignalBlocker block(cbo확대축소_);
    cbo확대축소_->setEditText(editor.zoomBoxText);
}

void MainWindow::pasteStateChanged() {
    action(QStringLiteral("mnu붙이기"))->setEnabled(editor.pasteEnabled);
    commandButtons_[9]->setEnabled(editor.pasteEnabled);
}

} // namespace zep
