#pragma once
// State every window shares for the whole run, apart from the document.
#include "shell/Progress.h"

#include <QString>
#include <QStringList>
#include <functional>

namespace zep {

// Answers of a prompt.
enum PromptAnswer : int { AnswerOK = 1, AnswerCancel = 2, AnswerYes = 6, AnswerNo = 7 };
enum PromptIcon : int { IconNone = 0, IconQuestion = 32, IconExclamation = 48 };
enum PromptButtons : int {
    ButtonsOK = 0,
    ButtonsOKCancel = 1,
    ButtonsYesNoCancel = 3,
    ButtonsYesNo = 4
};
enum PromptDefault : int { DefaultFirst = 0, DefaultSecond = 256 };

struct PromptRequest {
    QString title, text;
    int icon = IconNone, buttons = ButtonsOK, defaultButton = DefaultFirst;
};

// Who shows prompts: the message box in the program, a script in tests.
using Prompter = std::function<int(const PromptRequest&)>;

struct ZepModule {
    QString gAppPath;
    QStringList gFontNames; // empty: not yet filled
    bool gPrintCancelled = false;

    QString gMsgTitle, gMsgText;
    int gMsgIcon = IconNone, gMsgButtons = ButtonsOK, gMsgDefault = DefaultFirst;

    Prompter prompter;
    ProgressStrip progress;

    // Shows the prompt built from the gMsg fields; returns the button pressed.
    int AskUser();
    // Sets the five fields and asks.
    int ask(const QString& title, const QString& text, int icon, int buttons, int defaultButton);

    void ShowProgress(const QString& caption, double total, double current) {
        progress.ShowProgress(caption, total, current);
    }
};

} // namespace zep
