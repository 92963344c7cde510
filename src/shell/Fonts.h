#pragma once
#include <QFont>
#include <QString>
#include <QStringList>

namespace zep {

// Documents carry Windows font names. They are drawn with a Korean face from
// the Nanum families while the object keeps the name it was given.
struct FontAlias {
    const char* windowsName;
    const char* nanumFamily;
};
const std::initializer_list<FontAlias>& fontAliases();

// Registers the aliases with Qt's font substitution table. Idempotent.
void installFontSubstitutions();

// A QFont for a document font name at a size in points (may be fractional).
QFont documentFont(const QString& name, double pointSize, bool bold, bool italic, bool underline);

// The installed font names offered to the user: the Windows names whose face
// is there, then every family Qt knows, each once, in the font database order.
QStringList installedFontNames();

} // namespace zep
