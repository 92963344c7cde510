#include "support/TestSupport.h"

#include "shell/Fonts.h"

namespace zep::test {

QString dataPath(const QString& name) {
    return QStringLiteral(ZEPHYRA_TEST_DATA "/") + name;
}

QString buildHome() {
    return QStringLiteral(ZEPHYRA_HOME_BUILD);
}

void pinFonts() {
    installFontSubstitutions();
}

} // namespace zep::test
