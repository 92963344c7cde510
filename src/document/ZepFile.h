#pragma once
// The .zep document file: text lines ending CR LF, in code page 949 (or UTF-8
// with a byte-order mark when the document holds characters CP949 lacks).
// Geometry in the file is at 100 % zoom.
#include "document/Document.h"
#include "shell/Progress.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace zep {

struct ReadReport {
    QStringList missingPictures; // resolved paths kept as placeholders
    QStringList warnings;        // anything else the user should hear about once
};

// Writes doc to path atomically (the old file stays if anything fails);
// appPath is the program folder for relative picture paths. On success clears
// mv내용수정; mvFileName is the caller's business.
bool WriteDocument(Document& doc, const QString& appPath, const QString& path, QString* error,
                   const ProgressFn& progress = {});

// The bytes WriteDocument writes.
QByteArray serializeDocument(const Document& doc, const QString& appPath);

// Replaces doc with the file's content at gZoom 100. Returns false with a
// message naming the file when it cannot be read; doc is then empty. Setting
// mvFileName is the caller's business, as for the writer.
bool ReadDocument(Document& doc, const QString& appPath, const QString& path, QString* error,
                  ReadReport* report = nullptr, const ProgressFn& progress = {});

// Replaces doc with the content of file bytes (never fails: whatever parses is kept).
bool parseDocument(Document& doc, const QString& appPath, const QByteArray& bytes,
                   ReadReport* report = nullptr, const ProgressFn& progress = {});

// Number forms of the file: at most 7 (single) or 15 (double) significant
// digits, no trailing zeros, exponent form (1E+20, 1E-07) outside the plain range.
QString formatSingle(float v);
QString formatDouble(double v);

// A picture path as stored: below appPath it becomes "\dir\file" (the form
// the Windows program writes), otherwise the full path.
QString relativePicturePath(const QString& path, const QString& appPath);
// The reverse: "\dir\file" is taken below appPath, anything else as is.
QString resolvePicturePath(const QString& stored, const QString& appPath);

// Files larger than this are refused unread.
inline constexpr qint64 kMaxZepFileSize = 64 * 1024 * 1024;

} // namespace zep
