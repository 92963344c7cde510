#include "document/FileCommands.h"

#include "canvas/Editor.h"
#include "document/Page.h"

namespace zep {

QString titleFor(const QString& fileName) { return kProductTitle + "[" + fileName + "]"; }

QString nameFromTitle(const QString& title) {
    const int open = title.indexOf('[');
    if (open < 0 || title.size() < open + 2) return {};
    return title.mid(open + 1, title.size() - open - 2);
}

namespace {
struct Busy {
    EditorHost& h;
    explicit Busy(EditorHost& host) : h(host) { h.setBusy(true); }
    ~Busy() { h.setBusy(false); }
};
} // namespace

bool FileCommands::confirmDiscard(const QString& title) {
    if (!ed_.doc.mv내용수정) return true;
    const int a = ed_.module.ask(title, QStringLiteral("내용을 저장하시겠습니까?"), IconQuestion, ButtonsYesNoCancel,
                                 DefaultFirst);
    if (a == AnswerCancel) return false;
    if (a == AnswerYes) return SaveDocument() && !ed_.doc.mv내용수정;
    return true;
}

bool FileCommands::NewDocument() {
    Busy busy(host_);
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

bool FileCommands::OpenDocument() { return false; }
bool FileCommands::OpenPath(const QString&) { return false; }
bool FileCommands::SaveDocument() { return false; }
bool FileCommands::SaveDocumentAs() { return false; }
bool FileCommands::write(const QString&) { return false; }

} // namespace zep
