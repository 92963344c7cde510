#include "shell/ZepModule.h"

namespace zep {

int ZepModule::AskUser() {
    if (!prompter) return gMsgButtons == ButtonsOK ? AnswerOK : AnswerCancel;
    return prompter(PromptRequest{gMsgTitle, gMsgText, gMsgIcon, gMsgButtons, gMsgDefault});
}

int ZepModule::ask(const QString& title, const QString& text, int icon, int buttons,
                   int defaultButton) {
    gMsgTitle = title;
    gMsgText = text;
    gMsgIcon = icon;
    gMsgButtons = buttons;
    gMsgDefault = defaultButton;
    return AskUser();
}

} // namespace zep
