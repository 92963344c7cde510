#include "document/FileCommands.h"

#include "canvas/Editor.h"
#include "document/Page.h"
#include "document/ZepFile.h"

#include <QFileInfo>

namespace zep {

QString titleFor(const QString& fileName) {
    return kProductTitle + "[" + fileName + "]";
}

QString nameFromTitle(const QString& title) {
    const int open = title.indexOf('[');
    if (open < 0 || title.size() < open + 2) return {};
    return title.mid(open + 1, title.size() - open - 2);
}

bool FileCommands::confirmDiscard(const QString& title) {
    if (!ed_.doc.mv내용수정) return true;
    const int a = ed_.module.ask(title, QStringLiteral("내용을 저장하시겠습니까?"), IconQuestion,
                                 ButtonsYesNoCancel, DefaultFirst);
    if (a == AnswerCancel) return false;
    if (a == AnswerYes) return SaveDocument() && !ed_.doc.mv내용수정;
    return true;
}

bool FileCommands::NewDocument() {
    BusyScope busy(&host_);
    if (!confirmDiscard(QStringLiteral("새파일"))) return false;
    ed_.title = titleFor(kUntitled);
    host_.titleChanged();
    ed_.pageVisible = false;
    ed_.ResetDocument();
    Document& d = ed_.doc;
    d.gMarginTop = d.gMarginBottom = d.gMarginLeft = d.gMarginRight = 737.1f;
    d.gZoom = 100;
    d.img배경 = Picture();
    d.mvBackPicturePath.clear();
    ApplyPageSize(d, 210, 297);
    host_.runPageSetup(ed_);
    ed_.activeTool = ToolSelect;
    ed_.ApplyToolPointer(ToolSelect);
    ed_.setZoomTo75();
    ed_.pageVisible = true;
    ed_.notifyPage();
    return true;
}

bool FileCommands::OpenDocument() {
    BusyScope busy(&host_);
    if (!confirmDiscard(QStringLiteral("파일열기"))) return false;
    const QString path = host_.openFileDialog(QStringLiteral("ZEP파일 읽기"),
                                              ed_.module.gAppPath + QStringLiteral("/WORK"),
                                              QStringLiteral("ZEP파일"));
    if (path.isEmpty()) return false;
    // Only names ending in ZEP (a dot is not required) that exist are taken.
    if (path.right(3).toUpper() != QStringLiteral("ZEP") || !QFileInfo(path).isFile()) return false;
    return OpenPath(path);
}

bool FileCommands::OpenPath(const QString& path) {
    BusyScope busy(&host_);
    ed_.pageVisible = false;
    ed_.ResetDocument();
    QString error;
    ReadReport report;
    const bool ok = ReadDocument(
        ed_.doc, ed_.module.gAppPath, path, &error, &report,
        [this](const QString& c, double t, double n) { ed_.module.ShowProgress(c, t, n); });
    if (!ok) {
        // An unreadable file leaves an empty, untitled page rather than a
        // document bound to a file it could overwrite.
        ed_.ResetDocument();
        Document& d = ed_.doc;
        d.gMarginTop = d.gMarginBottom = d.gMarginLeft = d.gMarginRight = 737.1f;
        d.gZoom = 100;
        ApplyPageSize(d, 210, 297);
        ed_.title = titleFor(kUntitled);
    } else {
        ed_.doc.mvFileName = path;
        ed_.title = titleFor(path);
    }
    ed_.activeTool = ToolSelect;
    ed_.ApplyToolPointer(ToolSelect);
    ed_.setZoomTo75();
    ed_.doc.mv내용수정 = false;
    ed_.pageVisible = true;
    host_.layoutChanged();
    ed_.notifyPage();
    host_.titleChanged();
    if (!ok) {
        host_.showMessage(QStringLiteral("파일열기"), error);
        return false;
    }
    QStringList notes;
    if (!report.missingPictures.isEmpty())
        notes << QStringLiteral("다음 그림 파일을 찾을 수 없습니다. 자리는 그대로 두었으니 파일을 "
                                "되돌려 놓으면 다시 보입니다:\n") +
                     report.missingPictures.join('\n');
    notes << report.warnings;
    if (!notes.isEmpty())
        host_.showMessage(QStringLiteral("파일열기"), notes.join(QStringLiteral("\n\n")));
    return true;
}

bool FileCommands::SaveDocument() {
    BusyScope busy(&host_);
    if (nameFromTitle(ed_.title) == kUntitled) return SaveDocumentAs();
    return write(ed_.doc.mvFileName);
}

bool FileCommands::SaveDocumentAs() {
    BusyScope busy(&host_);
    QString path = host_.saveFileDialog(QStringLiteral("ZEP파일 저장"),
                                        ed_.module.gAppPath + QStringLiteral("/WORK"), kUntitled);
    if (path.isEmpty()) return false;
    if (path.right(4).toUpper() != QStringLiteral(".ZEP")) path += QStringLiteral(".ZEP");
    if (!write(path)) return false;
    ed_.doc.mvFileName = path;
    ed_.title = titleFor(path);
    host_.titleChanged();
    return true;
}

bool FileCommands::write(const QString& path) {
    QString error;
    const bool ok = WriteDocument(
        ed_.doc, ed_.module.gAppPath, path, &error,
        [this](const QString& c, double t, double n) { ed_.module.ShowProgress(c, t, n); });
    if (!ok) host_.showMessage(QStringLiteral("저장"), error);
    return ok;
}

} // namespace zep
