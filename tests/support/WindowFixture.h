#pragma once
// A real main window started as the program starts it, with prompts and file
// dialogs answered by the test.
#include "shell/widgets/MainWindow.h"
#include "support/TestSupport.h"

#include <QStringList>
#include <QTemporaryDir>
#include <deque>
#include <memory>

namespace zep::test {

struct WindowFixture {
    QTemporaryDir home;
    std::unique_ptr<MainWindow> w;
    std::deque<int> answers;         // prompt answers, in order; OK when empty
    QList<PromptRequest> prompts;    // what was asked
    std::deque<QString> fileAnswers; // file dialog results ("" = cancel)
    QStringList fileTitles;

    WindowFixture();
    Editor& ed() { return w->editor; }
    QString path(const QString& name) const { return home.filePath(name); }
};

} // namespace zep::test
