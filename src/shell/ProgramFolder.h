#pragma once
#include <QString>
#include <QStringList>

namespace zep {

// The program folder, without a trailing separator: the ZEPHYRA_HOME
// variable, else the first install record that names an existing folder,
// else the folder of the executable.
QString findProgramFolder(const QString& envValue, const QStringList& recordFiles,
                          const QString& exeDir);

// The install records looked at, most specific first.
QStringList installRecordFiles();

// Registers every file of the folder 커서 below the program folder as an
// application font for the run; non-fonts are refused quietly.
class FontRegistry {
public:
    void registerFolder(const QString& programFolder);
    void withdrawAll();
    int registeredCount() const { return static_cast<int>(ids_.size()); }
    ~FontRegistry() = default;

private:
    QList<int> ids_;
};

} // namespace zep
