#pragma once
#include "shell/ZepModule.h"

class QWidget;

namespace zep {

// The message box for a prompt: icon, buttons and default as requested, on
// top of every window; returns 1 OK, 2 Cancel, 6 Yes or 7 No.
int showPrompt(QWidget* parent, const PromptRequest& r);

} // namespace zep
