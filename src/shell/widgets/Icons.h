#pragma once
#include <QIcon>

namespace zep {

// Pictures of our own for the command tool bar (buttons 1..18) and the tool
// palette (buttons 1..12), drawn in code.
QIcon commandIcon(int button);
QIcon toolIcon(int button);

} // namespace zep
