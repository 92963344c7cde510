#pragma once
#include <QString>
#include <QTemporaryDir>

namespace zep::test {

// Path of a file below tests/data.
QString dataPath(const QString& name);

// The program folder the build laid out (bin/ with 커서, 이미지, WORK).
QString buildHome();

// Pins the Windows font names to fixed Nanum faces so metrics do not depend on
// which other fonts the machine has.
void pinFonts();

} // namespace zep::test

#include <ostream>
// Readable QString values in test failures.
inline void PrintTo(const QString& s, std::ostream* os) {
    *os << '"' << s.toStdString() << '"';
}
