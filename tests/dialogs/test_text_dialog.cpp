#include "canvas/Editor.h"
#include "colour/widgets/ColourSwatch.h"
#include "dialogs/TextDialog.h"
#include "document/TextLayout.h"
#include "shell/Fonts.h"
#include "shell/Numbers.h"
#include "support/TestSupport.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

using namespace zep;

namespace {

const QColor kRed(255, 0, 0);
const QColor kBlack(0, 0, 0);

// Key events carrying text; QTest::keyClicks only sends Latin-1.
void typeKeys(QWidget* w, const QString& s) {
    for (QChar c : s)
        QTest::sendKeyEvent(QTest::Click, w, Qt::Key_unknown, QString(c), Qt::NoModifier);
}
// The whole text in one event, as a paste or an input method commit arrives.
void typeAtOnce(QWidget* w, const QString& s) {
    QTest::sendKeyEvent(QTest::Click, w, Qt::Key_unknown, s, Qt::NoModifier);
}

QColor captionColour(QWidget* w) {
    return w->palette().color(QPalette::WindowText);
}

class TextDialogTest : public ::testing::Test {
protected:
    Editor editor;
    std::unique_ptr<TextDialog> dlg;

    void SetUp() override {
        zep::test::pinFonts();
        resetDocument(100);
        editor.module.gFontNames = {QStringLiteral("굴림체"), QStringLiteral("돋움"),
                                    QStringLiteral(" 평붓 ")};
    }

    void resetDocument(int zoom) {
        dlg.reset();
        editor.doc.clear();
        editor.doc.gZoom = zoom;
        editor.gSelObject = {};
        editor.gSelName.clear();
    }

    TextElement& element(int n) { return editor.doc.txt그리기[n]; }

    // An element on the page and in the object list.
    int addText(const QString& caption, const QString& tag = QStringLiteral("72")) {
        Document& d = editor.doc;
        const int n = d.loadElement(ObjectKind::Text);
        TextElement& t = d.txt그리기[n];
        t.Caption = caption;
        t.Tag = tag;
        t.FontSize = leadingNumber(tag) * d.z();
        t.Left = 1500;
        t.Top = 2500;
        t.Visible = true;
        autoSizeText(t);
        d.appendToList(ObjectKind::Text, n);
        d.growTable(ObjectKind::Text, n);
        d.gTextBase[n] = {static_cast<float>(leadingNumber(tag)), 1500, 2500};
        return n;
    }

    // As a double click leaves it before the dialog opens.
    void select(int n) {
        editor.gSelObject = {ObjectKind::Text, n};
        editor.gSelName = kTextName;
        editor.gSelIndex = n;
    }

    // As the text tool makes one: the last element, not yet in the list.
    int newText() {
        const int n = editor.doc.loadElement(ObjectKind::Text);
        TextElement& t = element(n);
        t.Caption.clear();
        t.Tag = QStringLiteral("72");
        t.FontSize = 72 * editor.doc.z();
        t.Visible = true;
        return n;
    }

    TextDialog& open(int index, bool isNew) {
        dlg = std::make_unique<TextDialog>(editor);
        dlg->mvNewObject = isNew;
        dlg->mv문자Object = index;
        dlg->show();
        return *dlg;
    }

    template <typename T> T* child(const char* name) {
        T* w = dlg->findChild<T*>(QString::fromUtf8(name));
        if (!w) ADD_FAILURE() << "no control " << name;
        return w;
    }
    QLineEdit* text() { return child<QLineEdit>("txt문자"); }
    QComboBox* fontBox() { return child<QComboBox>("cbo문자0"); }
    QComboBox* sizeBox() { return child<QComboBox>("cbo문자1"); }
    QFont preview() { return text()->font(); }

    void click(const char* name) {
        auto* b = child<QAbstractButton>(name);
        QTest::mouseClick(b, Qt::LeftButton, {}, QPoint(8, b->height() / 2));
    }
    void setText(const QString& s) {
        text()->selectAll();
        QTest::keyClick(text(), Qt::Key_Delete);
        typeKeys(text(), s);
    }
    void typeSizeAtOnce(const QString& s) {
        sizeBox()->lineEdit()->selectAll();
        typeAtOnce(sizeBox(), s);
    }
};

TEST_F(TextDialogTest, OpensAsModalTextDialogAtItsPlace) {
    const int n = addText(QStringLiteral("글"));
    open(n, false);
    EXPECT_EQ(dlg->objectName(), QStringLiteral("frm문자입력"));
    EXPECT_EQ(dlg->windowTitle(), QStringLiteral("문자입력"));
    EXPECT_TRUE(dlg->isModal());
    const int screenWidth = QGuiApplication::primaryScreen()->geometry().width();
    EXPECT_EQ(dlg->pos(), QPoint(qRound((screenWidth - dlg->width()) / 1.1), 160));
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr) << "busy pointer left on";

    // A second showing does not fill the controls again.
    setText(QStringLiteral("고침"));
    dlg->hide();
    dlg->show();
    EXPECT_EQ(text()->text(), QStringLiteral("고침"));
    EXPECT_EQ(sizeBox()->count(), kTextSizeCount);
    EXPECT_EQ(fontBox()->count(), 3);
}

TEST_F(TextDialogTest, NewTextConfirmedBlankIsUnloaded) {
    addText(QStringLiteral("앞"));
    const int n = newText();
    open(n, true);
    setText(QStringLiteral("   "));
    click("cmdButton0");
    EXPECT_FALSE(dlg->isVisible());
    EXPECT_EQ(editor.doc.count(ObjectKind::Text), 1);
    EXPECT_EQ(element(1).Caption, QStringLiteral("앞"));
    EXPECT_TRUE(editor.doc.mv내용수정);
}

TEST_F(TextDialogTest, CancellingNewTextUnloadsItOnceAndLeavesDirtyFlag) {
    const std::pair<const char*, std::function<void()>> ways[] = {
        {"취소", [this] { click("cmdButton1"); }},
        {"close box", [this] { dlg->close(); }},
        {"Escape", [this] { QTest::keyClick(text(), Qt::Key_Escape); }},
    };
    for (const auto& [way, cancel] : ways) {
        resetDocument(100);
        addText(QStringLiteral("앞"));
        const int n = newText();
        open(n, true);
        setText(QStringLiteral("버릴 글"));
        cancel();
        cancel(); // a second close must not unload another element
        EXPECT_FALSE(dlg->isVisible()) << way;
        EXPECT_EQ(dlg->result(), QDialog::Rejected) << way;
        EXPECT_EQ(editor.doc.count(ObjectKind::Text), 1) << way;
        EXPECT_EQ(element(1).Caption, QStringLiteral("앞")) << way;
        EXPECT_FALSE(editor.doc.mv내용수정) << way;
    }
}

TEST_F(TextDialogTest, CancellingExistingTextChangesNothing) {
    const int n = addText(QStringLiteral("원래"));
    select(n);
    open(n, false);
    setText(QStringLiteral("바뀜"));
    click("chk문자0");
    typeSizeAtOnce(QStringLiteral("20"));
    click("cmdButton1");
    EXPECT_EQ(editor.doc.count(ObjectKind::Text), 1);
    EXPECT_EQ(element(n).Caption, QStringLiteral("원래"));
    EXPECT_FALSE(element(n).FontBold);
    EXPECT_EQ(element(n).Tag, QStringLiteral("72"));
    EXPECT_FALSE(editor.doc.mv내용수정);
}

TEST_F(TextDialogTest, ExistingTextConfirmedEmptyIsDeletedLikeTheDeleteCommand) {
    const int first = addText(QStringLiteral("첫째"));
    addText(QStringLiteral("둘째"));
    select(first);
    open(first, false);
    setText(QString());
    click("cmdButton0");
    ASSERT_EQ(editor.doc.count(ObjectKind::Text), 1);
    EXPECT_EQ(element(1).Caption, QStringLiteral("둘째"));
    ASSERT_EQ(editor.doc.mvObjectCount(), 1);
    EXPECT_EQ(editor.doc.mvObjects[1], (ObjectRef{kTextName, 1}));
    EXPECT_TRUE(editor.gSelObject.isNone());
    EXPECT_TRUE(editor.gSelName.isEmpty());
    EXPECT_TRUE(editor.doc.mv내용수정);
}

TEST_F(TextDialogTest, FractionalSizeSnapsToTheListEntryBelowIt) {
    resetDocument(75);
    const int n = addText(QStringLiteral("글"), QStringLiteral("9.75"));
    open(n, false);
    EXPECT_EQ(sizeBox()->currentText(), QStringLiteral("9"));
    EXPECT_EQ(sizeBox()->currentIndex(), 1);
    EXPECT_EQ(preview().pointSizeF(), 9);
    click("cmdButton0");
    EXPECT_EQ(element(n).Tag, QStringLiteral("9"));
    EXPECT_EQ(element(n).FontSize, 6); // fix(0.75 * 9)
}

TEST_F(TextDialogTest, OnPageSizeIsZoomedTruncatedAndNeverZero) {
    const std::tuple<int, const char*, double> cases[] = {
        {25, "8", 2}, {25, "12", 3}, {10, "8", 1}, {10, "9", 1}, {10, "25", 2}};
    for (auto [zoom, size, want] : cases) {
        resetDocument(zoom);
        const int n = addText(QStringLiteral("글"));
        open(n, false);
        typeSizeAtOnce(QString::fromUtf8(size));
        click("cmdButton0");
        EXPECT_EQ(element(n).Tag, QString::fromUtf8(size)) << zoom << " " << size;
        EXPECT_EQ(element(n).FontSize, want) << zoom << " " << size;
    }
}

TEST_F(TextDialogTest, VerticalTextRoundTrip) {
    const int n = newText();
    open(n, true);
    setText(QStringLiteral("가나 다"));
    click("opt방향1");
    click("cmdButton0");
    EXPECT_EQ(element(n).Caption, QStringLiteral("가\r\n나\r\n \r\n다"));
    EXPECT_FALSE(element(n).AutoSize);
    EXPECT_TRUE(element(n).Visible);

    open(n, false);
    EXPECT_EQ(text()->text(), QStringLiteral("가나 다"));
    EXPECT_TRUE(child<QRadioButton>("opt방향1")->isChecked());
    EXPECT_EQ(captionColour(child<QRadioButton>("opt방향1")), kRed);
    EXPECT_EQ(captionColour(child<QRadioButton>("opt방향0")), kBlack);
    EXPECT_EQ(dlg->focusWidget(), text());

    text()->clearFocus();
    click("opt방향0");
    EXPECT_EQ(dlg->focusWidget(), text());
    EXPECT_EQ(captionColour(child<QRadioButton>("opt방향0")), kRed);
    EXPECT_EQ(captionColour(child<QRadioButton>("opt방향1")), kBlack);
    click("cmdButton0");
    const TextElement& t = element(n);
    EXPECT_EQ(t.Caption, QStringLiteral("가나 다"));
    EXPECT_TRUE(t.AutoSize);
    EXPECT_FALSE(t.WordWrap);
    const QSizeF one = measureCaption(t.Caption, elementFont(t));
    EXPECT_EQ(t.Width, one.width());
    EXPECT_EQ(t.Height, one.height());
}

TEST_F(TextDialogTest, TypedSizeAppliesAtOnceOnlyBetween8And800) {
    const int n = addText(QStringLiteral("글"));
    open(n, false);
    sizeBox()->lineEdit()->selectAll();
    typeKeys(sizeBox(), QStringLiteral("1"));
    EXPECT_EQ(preview().pointSizeF(), 72) << "1 is below the range";
    typeKeys(sizeBox(), QStringLiteral("2"));
    EXPECT_EQ(preview().pointSizeF(), 12);

    for (const char* ignored : {"900", "7", "800.5", "abc"}) {
        typeSizeAtOnce(QString::fromUtf8(ignored));
        EXPECT_EQ(preview().pointSizeF(), 12) << ignored;
    }
    typeSizeAtOnce(QStringLiteral("12.5"));
    EXPECT_EQ(preview().pointSizeF(), 12.5);
    click("cmdButton0");
    EXPECT_EQ(element(n).Tag, QStringLiteral("12.5"));
}

TEST_F(TextDialogTest, FontAndSizeApplyWhenPickedNotWhileTyped) {
    const int n = addText(QStringLiteral("글"));
    open(n, false);
    EXPECT_EQ(fontBox()->currentText(), QStringLiteral("굴림체"));
    fontBox()->lineEdit()->selectAll();
    typeKeys(fontBox(), QStringLiteral("돋움"));
    EXPECT_EQ(preview().family(), QStringLiteral("굴림체"));

    QTest::keyClick(fontBox(), Qt::Key_Down);
    EXPECT_EQ(preview().family(), QStringLiteral("돋움"));
    QTest::keyClick(fontBox(), Qt::Key_Down);
    EXPECT_EQ(preview().family(), QStringLiteral("평붓")) << "picked names are trimmed";

    QTest::keyClick(sizeBox(), Qt::Key_Down);
    EXPECT_EQ(sizeBox()->currentText(), QStringLiteral("80"));
    EXPECT_EQ(preview().pointSizeF(), 80);

    click("cmdButton0");
    EXPECT_EQ(element(n).FontName, QStringLiteral("평붓"));
    EXPECT_EQ(element(n).Tag, QStringLiteral("80"));
}

TEST_F(TextDialogTest, FontListIsFilledWhenEmptyAndKeepsAnUnlistedName) {
    editor.module.gFontNames.clear();
    const int n = addText(QStringLiteral("글"));
    element(n).FontName = QStringLiteral("없는글꼴");
    open(n, false);
    const QStringList installed = installedFontNames();
    EXPECT_EQ(editor.module.gFontNames, installed);
    ASSERT_EQ(fontBox()->count(), installed.size());
    for (int i = 0; i < fontBox()->count(); ++i)
        EXPECT_EQ(fontBox()->itemText(i), installed[i]);
    EXPECT_EQ(fontBox()->currentText(), QStringLiteral("없는글꼴"));
    click("cmdButton0");
    EXPECT_EQ(element(n).FontName, QStringLiteral("없는글꼴"));
}

TEST_F(TextDialogTest, WhiteAndBlackTextShowOnTheirOppositeOthersOnWhite) {
    const std::pair<ColourValue, QColor> cases[] = {{0xFFFFFF, Qt::black},
                                                    {0, Qt::white},
                                                    {RGBValue(255, 0, 0), Qt::white},
                                                    {0xFEFEFE, Qt::white}};
    for (auto [colour, background] : cases) {
        resetDocument(100);
        const int n = addText(QStringLiteral("글"));
        element(n).ForeColor = colour;
        open(n, false);
        EXPECT_EQ(child<ColourSwatch>("picForeColor")->colour(), colour);
        EXPECT_EQ(text()->palette().color(QPalette::Text), toQColor(colour)) << std::hex << colour;
        EXPECT_EQ(text()->palette().color(QPalette::Base), background) << std::hex << colour;
    }
}

TEST_F(TextDialogTest, SwatchColourGoesToPreviewAndElement) {
    const int n = addText(QStringLiteral("글"));
    element(n).ForeColor = RGBValue(0, 0, 255);
    open(n, false);
    QColor answer = Qt::white;
    int asked = 0;
    dlg->chooseColour = [&](QWidget*, const QColor& initial) {
        ++asked;
        EXPECT_EQ(initial, QColor(0, 0, 255));
        return answer;
    };
    auto* swatch = child<ColourSwatch>("picForeColor");
    QTest::mouseClick(swatch, Qt::LeftButton);
    ASSERT_EQ(asked, 1);
    EXPECT_EQ(swatch->colour(), 0xFFFFFF);
    EXPECT_EQ(text()->palette().color(QPalette::Text), Qt::white);
    EXPECT_EQ(text()->palette().color(QPalette::Base), Qt::black);

    answer = QColor(); // the chooser cancelled
    dlg->chooseColour = [&](QWidget*, const QColor&) { return answer; };
    QTest::mouseClick(swatch, Qt::LeftButton);
    EXPECT_EQ(swatch->colour(), 0xFFFFFF);
    click("cmdButton0");
    EXPECT_EQ(element(n).ForeColor, 0xFFFFFF);
}

TEST_F(TextDialogTest, StyleBoxesRedWhenTickedAndApplied) {
    const int n = addText(QStringLiteral("글"));
    element(n).FontBold = true;
    open(n, false);
    auto* bold = child<QCheckBox>("chk문자0");
    auto* underline = child<QCheckBox>("chk문자1");
    auto* italic = child<QCheckBox>("chk문자2");
    EXPECT_EQ(bold->text(), QStringLiteral("굵게(&B)"));
    EXPECT_EQ(underline->text(), QStringLiteral("밑줄(&U)"));
    EXPECT_EQ(italic->text(), QStringLiteral("기울임(&I)"));
    EXPECT_TRUE(bold->isChecked());
    EXPECT_EQ(captionColour(bold), kRed);
    EXPECT_EQ(captionColour(underline), kBlack);
    EXPECT_EQ(captionColour(italic), kBlack);
    EXPECT_TRUE(preview().bold());

    click("chk문자0");
    click("chk문자1");
    click("chk문자2");
    EXPECT_EQ(captionColour(bold), kBlack);
    EXPECT_EQ(captionColour(underline), kRed);
    EXPECT_EQ(captionColour(italic), kRed);
    EXPECT_FALSE(preview().bold());
    EXPECT_TRUE(preview().underline());
    EXPECT_TRUE(preview().italic());

    click("cmdButton0");
    const TextElement& t = element(n);
    EXPECT_FALSE(t.FontBold);
    EXPECT_TRUE(t.FontUnderline);
    EXPECT_TRUE(t.FontItalic);
    // Position and the 100 % table are the caller's business.
    EXPECT_EQ(t.Left, 1500);
    EXPECT_EQ(t.Top, 2500);
    EXPECT_EQ(editor.doc.gTextBase[n].FontSize, 72);
}

TEST_F(TextDialogTest, EnterConfirmsOnlyInTheTextBox) {
    const int n = addText(QStringLiteral("글"));
    open(n, false);
    setText(QStringLiteral("  새 글 "));
    QTest::keyClick(sizeBox(), Qt::Key_Return);
    QTest::keyClick(fontBox(), Qt::Key_Return);
    ASSERT_TRUE(dlg->isVisible());
    QTest::keyClick(text(), Qt::Key_Return);
    EXPECT_FALSE(dlg->isVisible());
    EXPECT_EQ(dlg->result(), QDialog::Accepted);
    EXPECT_EQ(element(n).Caption, QStringLiteral("새 글"));
    EXPECT_TRUE(element(n).Visible);
    EXPECT_TRUE(editor.doc.mv내용수정);
}

TEST_F(TextDialogTest, RunTextDialogBlocksUntilClosed) {
    const int n = newText();
    bool sawDialog = false;
    QTimer::singleShot(0, [&] {
        QWidget* w = QApplication::activeModalWidget();
        sawDialog = w && w->objectName() == QStringLiteral("frm문자입력");
        if (auto* cancel = w ? w->findChild<QPushButton*>(QStringLiteral("cmdButton1")) : nullptr)
            cancel->click();
        else if (w)
            w->close();
    });
    runTextDialog(nullptr, editor, n, true);
    EXPECT_TRUE(sawDialog);
    EXPECT_EQ(editor.doc.count(ObjectKind::Text), 0);
}

} // namespace
