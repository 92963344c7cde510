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
    w->resize(1000, 800);
    w->show();
    w->activateWindow();
    if (!QTest::qWaitForWindowActive(w.get())) qWarning("main window did not become active");
    w->firstActivation();
}

} // namespace zep::test
