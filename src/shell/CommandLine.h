#pragma once
#include <QString>
#include <QStringList>

namespace zep {

struct CommandLine {
    enum Mode { Edit, Export, Help, Invalid } mode = Edit;
    QString file;   // the document to open (Edit) or to read (Export)
    QString output; // Export
    int dpi = 96;
    QString error; // Invalid
};

// zephyra [FILE.zep] | zephyra --export OUT IN.zep [--dpi N] | zephyra --help
CommandLine parseCommandLine(const QStringList& args);

QString usageText();

// Runs an export and writes messages to stderr; returns the exit code.
int runExport(const CommandLine& cl, const QString& appPath);

} // namespace zep
