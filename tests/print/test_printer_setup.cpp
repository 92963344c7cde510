// The printer setup dialog frmPrinterSelect and the settings it hands on.
// Nothing here needs a running cupsd; the one real CUPS test starts its own
// and is skipped when cupsd or lpadmin is missing.
#include "canvas/Editor.h"
#include "document/Page.h"
#include "print/PrinterSetupLogic.h"
#include "print/widgets/PrinterSetupDialog.h"
#include "support/WindowFixture.h"

#include <QAbstractSpinBox>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <dlfcn.h>
#include <gtest/gtest.h>

using namespace zep;

namespace {

struct PrinterSetupTest : ::testing::Test {
    Editor editor;
    PrintSettings settings;
    QList<PromptRequest> prompts;
    std::unique_ptr<PrinterSetupDialog> dlg;

    void SetUp() override {
        editor.module.gAppPath = zep::test::buildHome();
        editor.doc.gZoom = 100;
        ApplyPageSize(editor.doc, 210, 297);
        editor.module.prompter = [this](const PromptRequest& r) {
            prompts << r;
            return int(AnswerOK);
        };
    }

    // As the print command opens it.
    PrinterSetupDialog& open() {
        editor.module.gPrintCancelled = true;
        dlg = std::make_unique<PrinterSetupDialog>(editor, settings);
        dlg->systemSetup = [](QPrinter&, QWidget*) { return false; };
        dlg->show();
        return *dlg;
    }

    template <typename T> T* child(const QString& name) {
        T* c = dlg->findChild<T*>(name);
        if (!c) ADD_FAILURE() << "no control " << name.toStdString();
        return c;
    }
    QComboBox* paper() { return child<QComboBox>("cbo용지"); }
    QAbstractSpinBox* box(const QString& name) { return child<QAbstractSpinBox>(name); }
    QLineEdit* edit(const QString& name) { return box(name)->findChild<QLineEdit*>(); }
    void click(const QString& name) { QTest::mouseClick(child<QPushButton>(name), Qt::LeftButton); }
};

} // namespace

TEST_F(PrinterSetupTest, AnA4PortraitPageOpensWithA4AndTheCopies) {
    settings.copies = 0; // a printer without copies: 1
    open();
    EXPECT_EQ(dlg->windowTitle(), "프린터 설정");
    EXPECT_EQ(paper()->count(), 6);
    EXPECT_EQ(paper()->currentText(), "A4 (210X297mm)");
    EXPECT_EQ(box("txt용지Size0")->text(), "210");
    EXPECT_EQ(box("txt용지Size1")->text(), "297");
    EXPECT_FALSE(box("txt용지Size0")->isEnabled());
    EXPECT_FALSE(child<QLabel>("sspnl용지Size1")->isEnabled());
    EXPECT_EQ(child<QLabel>("lbl인쇄방향")->text(), "세로");
    EXPECT_EQ(dlg->state().orientationPicture, zep::test::buildHome() + "/커서/portrait.ico");
    EXPECT_FALSE(child<QLabel>("img인쇄방향")->pixmap().isNull());
    EXPECT_EQ(box("txt매수")->text(), "1");
    dlg->reject();

    settings.copies = 3;
    open();
    EXPECT_EQ(box("txt매수")->text(), "3");
}

TEST_F(PrinterSetupTest, LandscapeA5AndCustomPages) {
    ApplyPageSize(editor.doc, 210, 148);
    editor.doc.gLandscape = true;
    open();
    EXPECT_EQ(paper()->currentText(), "A5 (148X210mm)");
    EXPECT_EQ(box("txt용지Size0")->text(), "148"); // always upright
    EXPECT_EQ(box("txt용지Size1")->text(), "210");
    EXPECT_EQ(child<QLabel>("lbl인쇄방향")->text(), "가로");
    EXPECT_EQ(dlg->state().orientation, OrientationLandscape);
    EXPECT_TRUE(dlg->state().orientationPicture.endsWith("/커서/landscap.ico"));
    dlg->reject();

    ApplyPageSize(editor.doc, 100, 150);
    open();
    EXPECT_EQ(paper()->currentText(), "CS (사용자정의)");
    EXPECT_TRUE(box("txt용지Size0")->isEnabled());
    EXPECT_TRUE(child<QLabel>("sspnl용지Size0")->isEnabled());
    EXPECT_EQ(box("txt용지Size0")->text(), ""); // enabled but not filled
    EXPECT_EQ(box("txt용지Size1")->text(), "");
    EXPECT_EQ(dlg->focusWidget(), box("txt용지Size0"));

    // An A1 page has no entry of its own: the custom entry.
    dlg->reject();
    ApplyPageSize(editor.doc, 594, 840);
    open();
    EXPECT_EQ(paper()->currentText(), "CS (사용자정의)");
}

TEST_F(PrinterSetupTest, NumberBoxesFilterKeysAndStepWithinTheirLimits) {
    ApplyPageSize(editor.doc, 100, 150);
    open();
    QLineEdit* width = edit("txt용지Size0");
    QTest::keyClicks(box("txt용지Size0"), "1x2a.5n");
    EXPECT_EQ(width->text(), "12.5n"); // letters other than n do nothing
    width->clear();                    // emptied: 1, caret at the end
    EXPECT_EQ(width->text(), "1");
    EXPECT_EQ(width->cursorPosition(), 1);

    QAbstractSpinBox* copies = box("txt매수");
    QTest::keyClicks(copies, "n");
    EXPECT_EQ(copies->text(), "1"); // the copies box does not take n
    copies->stepBy(-1);
    EXPECT_EQ(copies->text(), "1"); // the down arrow stops at 1
    edit("txt매수")->setText("9998");
    copies->stepBy(1);
    EXPECT_EQ(copies->text(), "9999");
    EXPECT_EQ(edit("txt매수")->selectedText(), "9999");
    copies->stepBy(1);
    EXPECT_EQ(copies->text(), "9999"); // the up arrow stops at 9999
    edit("txt매수")->setText("0");
    EXPECT_EQ(copies->text(), "1");

    // Enter moves on; a click on the mm panel focuses its box.
    box("txt용지Size0")->setFocus();
    QTest::keyClick(box("txt용지Size0"), Qt::Key_Return);
    EXPECT_NE(dlg->focusWidget(), box("txt용지Size0"));
    QTest::mouseClick(child<QLabel>("sspnl용지Size1"), Qt::LeftButton);
    EXPECT_EQ(dlg->focusWidget(), box("txt용지Size1"));

    // The rules themselves.
    EXPECT_EQ(stepNumberBox("9999999", 1, 7), std::nullopt);
    EXPECT_EQ(stepNumberBox("210.5", 1, 7), "211.5");
    EXPECT_EQ(stepNumberBox("2", -1, 4), "1");
    EXPECT_TRUE(numberBoxAccepts('\b', false));
    EXPECT_FALSE(numberBoxAccepts('-', true));
}

TEST_F(PrinterSetupTest, OkWritesTheSettingsAndClearsPrintCancelled) {
    ApplyPageSize(editor.doc, 420, 297);
    editor.doc.gLandscape = true;
    open();
    paper()->setCurrentIndex(4);
    emit paper()->activated(4); // B5
    edit("txt매수")->setText("2.5");
    click("cmdButton1");
    EXPECT_FALSE(dlg->isVisible());
    EXPECT_FALSE(editor.module.gPrintCancelled);
    EXPECT_EQ(dlg->state().paperCode, 13);
    EXPECT_EQ(settings.paperCode, 13);
    EXPECT_EQ(settings.copies, 2); // rounded, halves to even
    EXPECT_EQ(settings.orientation, OrientationLandscape);
    EXPECT_EQ(settings.pageSize().size(QPageSize::Millimeter), QSizeF(182, 257));

    // A custom size goes in twips, rounded.
    ApplyPageSize(editor.doc, 100, 150);
    editor.doc.gLandscape = false;
    open();
    QTest::keyClicks(box("txt용지Size0"), "100.5");
    QTest::keyClicks(box("txt용지Size1"), "150");
    click("cmdButton1");
    EXPECT_FALSE(editor.module.gPrintCancelled);
    EXPECT_EQ(settings.paperCode, 256);
    EXPECT_EQ(settings.customWidthTwips, 5698); // 100.5 x 56.7 = 5698.35
    EXPECT_EQ(settings.customHeightTwips, 8505);
    EXPECT_EQ(settings.orientation, OrientationPortrait);
    EXPECT_TRUE(prompts.isEmpty());
}

TEST_F(PrinterSetupTest, CancelAndRefusalsLeavePrintCancelledSet) {
    open();
    click("cmdButton2");
    EXPECT_FALSE(dlg->isVisible());
    EXPECT_TRUE(editor.module.gPrintCancelled);

    // A custom side over 32767 twips.
    const PrintSettings before = settings;
    open();
    paper()->setCurrentIndex(5);
    emit paper()->activated(5);
    edit("txt용지Size0")->setText("600");
    click("cmdButton1");
    EXPECT_TRUE(dlg->isVisible());
    EXPECT_TRUE(editor.module.gPrintCancelled);
    EXPECT_EQ(dlg->lastResult(), PrinterSetupResult::Refused);
    ASSERT_EQ(prompts.size(), 1);
    EXPECT_EQ(prompts[0].title, "용지설정");
    EXPECT_EQ(prompts[0].text, "인쇄할 수 없는 용지Size입니다.");
    EXPECT_EQ(prompts[0].buttons, ButtonsOKCancel);

    // A typed paper that is none of the entries: the dialog stays, no message.
    paper()->setEditText("Letter");
    click("cmdButton1");
    EXPECT_TRUE(dlg->isVisible());
    EXPECT_EQ(dlg->lastResult(), PrinterSetupResult::Failed);
    EXPECT_EQ(prompts.size(), 1);
    EXPECT_TRUE(editor.module.gPrintCancelled);
    EXPECT_EQ(settings.paperCode, before.paperCode);
    dlg->reject();
    EXPECT_TRUE(editor.module.gPrintCancelled);
}

TEST_F(PrinterSetupTest, ChangeRunsTheSystemSetupAndKeepsTheDisplay) {
    open();
    // Cancelled: the dialog stays open, the orientation as it was.
    int runs = 0;
    dlg->systemSetup = [&](QPrinter& p, QWidget*) {
        ++runs;
        EXPECT_EQ(p.pageLayout().orientation(), QPageLayout::Portrait);
        p.setPageOrientation(QPageLayout::Landscape);
        return false;
    };
    click("cmdButton10");
    EXPECT_EQ(runs, 1);
    EXPECT_TRUE(dlg->isVisible());
    EXPECT_EQ(dlg->state().orientation, OrientationPortrait);
    EXPECT_EQ(settings.orientation, OrientationPortrait);

    // Confirmed: orientation and copies taken over; the display stays.
    dlg->systemSetup = [&](QPrinter& p, QWidget*) {
        EXPECT_EQ(p.copyCount(), 1);
        p.setPageOrientation(QPageLayout::Landscape);
        p.setCopyCount(3);
        return true;
    };
    click("cmdButton10");
    EXPECT_EQ(dlg->state().orientation, OrientationLandscape);
    EXPECT_EQ(box("txt매수")->text(), "3");
    EXPECT_EQ(child<QLabel>("lbl인쇄방향")->text(), "세로");
    click("cmdButton1");
    EXPECT_FALSE(editor.module.gPrintCancelled);
    EXPECT_EQ(settings.orientation, OrientationLandscape);
    EXPECT_EQ(settings.copies, 3);
}

TEST_F(PrinterSetupTest, WithoutPrintersItSaysSoAndPrintingFailsCleanly) {
    if (!QPrinterInfo::availablePrinterNames().isEmpty()) GTEST_SKIP() << "printers installed";
    open();
    QLabel* name = child<QLabel>("lbl기본프린터");
    EXPECT_EQ(name->text(), PrinterSetupDialog::noPrinterText());
    EXPECT_EQ(name->text(), "설치된 프린터가 없습니다.");
    // The 200 ms refresh keeps it so.
    QTest::qWait(450);
    EXPECT_EQ(name->text(), "설치된 프린터가 없습니다.");
    click("cmdButton1");
    EXPECT_FALSE(editor.module.gPrintCancelled);
    EXPECT_TRUE(effectivePrinterName(settings).isEmpty());

    // A printer set up from the settings does not start a job.
    QPrinter printer;
    applyPrintSettings(printer, settings);
    QPainter p;
    EXPECT_FALSE(p.begin(&printer));
}

TEST(PrinterSetupWindow, TheMainWindowRunsItOnItsSettings) {
    zep::test::WindowFixture f;
    EXPECT_FALSE(f.w->runPrinterSetup()); // no driver: cancelled
    EXPECT_TRUE(f.ed().module.gPrintCancelled);
    f.printerSetupDrivers.push_back([](PrinterSetupDialog& d) {
        EXPECT_EQ(d.state().paperText, "A4 (210X297mm)");
        d.confirm();
    });
    EXPECT_TRUE(f.w->runPrinterSetup());
    EXPECT_FALSE(f.ed().module.gPrintCancelled);
    EXPECT_EQ(f.w->printSettings.paperCode, 9);
    EXPECT_EQ(f.printerSetupRuns, 2);
    EXPECT_TRUE(f.w->isActiveWindow());
}

// ---------------------------------------------------------------- real CUPS

namespace {

// A private cupsd (its own configuration, spool and socket in a temporary
// folder, so the system's CUPS is not touched) with one cups-pdf queue, which
// this process reaches through CUPS_SERVER. The queue is deleted and the
// daemon stopped by its PID when done.
struct OwnCups {
    static constexpr const char* kQueue = "ZephyraTest";
    QTemporaryDir dir;
    QProcess cupsd;
    QString socket, lpadmin, why;
    bool ready = false, queue = false;

    OwnCups() {
        const QString daemon = QStandardPaths::findExecutable("cupsd", {"/usr/sbin", "/sbin"});
        lpadmin = QStandardPaths::findExecutable("lpadmin", {"/usr/sbin", "/usr/bin"});
        if (daemon.isEmpty() || lpadmin.isEmpty()) {
            why = "cupsd or lpadmin not installed";
            return;
        }
        if (!QFile::exists("/usr/lib/cups/backend/cups-pdf")) {
            why = "printer-driver-cups-pdf not installed";
            return;
        }
        const QString root = dir.path();
        for (const char* sub : {"etc/ppd", "spool/tmp", "cache", "state", "log"})
            QDir(root).mkpath(sub);
        for (const QString& d : {root, root + "/etc"})
            QFile::setPermissions(d, QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                         QFileDevice::ExeOwner | QFileDevice::ReadGroup |
                                         QFileDevice::ExeGroup | QFileDevice::ReadOther |
                                         QFileDevice::ExeOther);
        socket = root + "/cups.sock";
        write(root + "/etc/cupsd.conf",
              "Listen " + socket +
                  "\nLogLevel warn\nBrowsing No\nWebInterface No\nDefaultAuthType None\n"
                  "<Location />\n  Order allow,deny\n  Allow all\n</Location>\n"
                  "<Location /admin>\n  Order allow,deny\n  Allow all\n</Location>\n"
                  "<Policy default>\n  <Limit All>\n    Order allow,deny\n    Allow all\n"
                  "  </Limit>\n</Policy>\n");
        write(root + "/etc/cups-files.conf",
              "ServerRoot " + root + "/etc\nRequestRoot " + root + "/spool\nTempDir " + root +
                  "/spool/tmp\nCacheDir " + root + "/cache\nStateDir " + root +
                  "/state\nErrorLog " + root + "/log/error_log\nAccessLog " + root +
                  "/log/access_log\nPageLog " + root +
                  "/log/page_log\nServerBin /usr/lib/cups\nDataDir /usr/share/cups\n");
        cupsd.setStandardInputFile(QProcess::nullDevice());
        cupsd.start(daemon,
                    {"-f", "-c", root + "/etc/cupsd.conf", "-s", root + "/etc/cups-files.conf"});
        if (!cupsd.waitForStarted(3000)) {
            why = "cupsd did not start";
            return;
        }
        for (int i = 0; i < 50 && !QFile::exists(socket); ++i)
            QTest::qWait(100);
        if (run(lpadmin, {"-p", kQueue, "-v", "cups-pdf:/", "-E", "-m",
                          "lsb/usr/cups-pdf/CUPS-PDF_opt.ppd"}) != 0) {
            why = "cupsd not ready or lpadmin could not add the queue (needs root)";
            return;
        }
        queue = true;
        useServer(socket);
        ready = true;
    }
    ~OwnCups() {
        useServer({});
        if (queue) run(lpadmin, {"-x", kQueue});
        if (cupsd.state() != QProcess::NotRunning) {
            cupsd.terminate(); // this PID only
            if (!cupsd.waitForFinished(5000)) {
                cupsd.kill();
                cupsd.waitForFinished();
            }
        }
    }
    // CUPS_SERVER for this process; libcups caches its server, so it is
    // also told directly once the print support has loaded it.
    static void useServer(const QString& s) {
        if (s.isEmpty())
            qunsetenv("CUPS_SERVER");
        else
            qputenv("CUPS_SERVER", s.toLocal8Bit());
        (void)QPrinterInfo::availablePrinterNames(); // loads the CUPS plugin
        using SetServer = void (*)(const char*);
        // The plugin loads libcups privately: look it up by name.
        if (void* lib = dlopen("libcups.so.2", RTLD_NOW | RTLD_NOLOAD)) {
            if (auto set = reinterpret_cast<SetServer>(dlsym(lib, "cupsSetServer")))
                set(s.isEmpty() ? nullptr : s.toLocal8Bit().constData());
            dlclose(lib);
        }
    }
    static void write(const QString& path, const QString& text) {
        QFile f(path);
        if (f.open(QIODevice::WriteOnly)) f.write(text.toUtf8());
    }
    int run(const QString& program, const QStringList& args) const {
        QProcess p;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("CUPS_SERVER", socket);
        p.setProcessEnvironment(env);
        p.setStandardInputFile(QProcess::nullDevice());
        p.start(program, args);
        if (!p.waitForFinished(10000)) {
            p.kill();
            p.waitForFinished();
            return -1;
        }
        return p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    }
};

} // namespace

TEST(PrinterSetupCups, APrivateQueueIsShownAndPrintedTo) {
    OwnCups cups;
    if (!cups.ready) GTEST_SKIP() << cups.why.toStdString();
    bool listed = false;
    for (int i = 0; i < 50 && !listed; ++i) {
        listed = QPrinterInfo::availablePrinterNames().contains(OwnCups::kQueue);
        if (!listed) QTest::qWait(100);
    }
    ASSERT_TRUE(listed);

    Editor editor;
    editor.doc.gZoom = 100;
    ApplyPageSize(editor.doc, 210, 297);
    PrintSettings settings;
    settings.printerName = OwnCups::kQueue; // as "변경" leaves it
    const bool ok = runPrinterSetup(nullptr, editor, settings, [](PrinterSetupDialog& d) {
        EXPECT_EQ(d.findChild<QLabel*>("lbl기본프린터")->text(), OwnCups::kQueue);
        d.confirm();
    });
    EXPECT_TRUE(ok);
    QPrinter printer;
    EXPECT_TRUE(applyPrintSettings(printer, settings));
    EXPECT_EQ(printer.printerName(), OwnCups::kQueue);
    EXPECT_EQ(printer.outputFormat(), QPrinter::NativeFormat);
    EXPECT_EQ(printer.pageLayout().pageSize().id(), QPageSize::A4);
    // A painter starts on the real queue (the job is aborted, nothing prints).
    QPainter p;
    ASSERT_TRUE(p.begin(&printer));
    printer.abort();
    p.end();
}
