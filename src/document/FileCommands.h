#pragma once
// New, Open, Save and Save As on the editor's one document, with the
// unsaved-changes prompts and the window title.
#include <QString>

namespace zep {

class Editor;
class EditorHost;

inline const QString kUntitled = QStringLiteral("제목없음");
inline const QString kProductTitle = QStringLiteral("Zephyra1.2");

QString titleFor(const QString& fileName); // "Zephyra1.2[" + name + "]"
// The document's name from a title: after the first "[" up to the last character.
QString nameFromTitle(const QString& title);

class FileCommands {
public:
    FileCommands(Editor& editor, EditorHost& host) : ed_(editor), host_(host) {}

    // Each returns false when it was cancelled or failed (nothing then changed).
    bool NewDocument();
    bool OpenDocument();
    bool OpenPath(const QString& path); // open without a dialog (command line)
    bool SaveDocument();
    bool SaveDocumentAs();

    // The unsaved-changes prompt of New, Open and exit: false means stop.
    // A Yes whose save does not happen also stops, so nothing is lost.
    bool confirmDiscard(const QString& title);

private:
    Editor& ed_;
    EditorHost& host_;
    bool write(const QString& path);
};

} // namespace zep
