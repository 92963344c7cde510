#include "support/WindowFixture.h"

#include "support/TestSupport.h"

#include <QDir>
#include <QTest>

namespace zep::test {

WindowFixture::WindowFixture() {
    pinFonts();
    QDir(home.path()).mkpath("WORK");
    QDir(home.path()).mkpath("이미지");
    w = std::make_unique<MainWindow>(home.path());
    w->showMenus = false;
    w->promptOverride = [this](const PromptRequest& r) {
        prompts << r;
        if (answers.empty()) return r.buttons == ButtonsOK ? int(AnswerOK) : int(AnswerCancel);
        const int a = answers.front();
        answers.pop_front();
        return a;
    };
    w->fileDialogOverride = [this](bool, const QString& title) {
        fileTitles << title;
        if (fileAnswers.empty()) return QString();
        const QString a = fileAnswers.front();
        fileAnswers.pop_front();
        return a;
    };
    w->pageSetupOverride = [this](Editor& e) {
        ++pageSetupRuns;
        std::function<void(PageSetupDialog&)> drive = [](PageSetupDialog& d) { d.reject(); };
        if (!pageSetupDrivers.empty()) {
            drive = pageSetupDrivers.front();
            pageSetupDrivers.pop_front();
        }
        runPageSetup(w.get(), e, drive);
    };
    w->printerSetupOverride = [this](Editor& e, PrintSettings& settings) {
        ++printerSetupRuns;
        std::function<void(PrinterSetupDialog&)> drive = [](PrinterSetupDialog& d) { d.reject(); };
        if (!printerSetupDrivers.empty()) {
            drive = printerSetupDrivers.front();
            printerSetupDrivers.pop_front();
        }
        runPrinterSetup(w.get(), e, settings, drive);
    };
    w->resize(1000, 800);
    w->show();
    w->activateWindow();
    if (!QTest::qWaitForWindowActive(w.get())) qWarning("main window did not become active");
    w->firstActivation();
}

} // namespace zep::test
