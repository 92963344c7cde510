#pragma once
// Code page 949 (Unified Hangul Code) through glibc iconv. Qt's own codecs by
// that name use other tables or let bad bytes through, so they are not used.
#include <QByteArray>
#include <QString>

namespace zep {

// Encodes text as CP949. Returns false (and leaves *out empty) when a
// character has no CP949 form.
bool encodeCp949(const QString& text, QByteArray* out);

// Decodes CP949 bytes. Bytes that do not form a valid sequence become U+FFFD,
// one per offending byte; *invalid (when given) receives how many there were.
QString decodeCp949(const QByteArray& bytes, qsizetype* invalid = nullptr);

} // namespace zep
