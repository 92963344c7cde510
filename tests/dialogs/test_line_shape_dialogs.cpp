#include "colour/widgets/ColourSwatch.h"
#include "dialogs/LineDialog.h"
#include "dialogs/ObjectDialogFixture.h"
#include "dialogs/ShapeDialog.h"
#include "dialogs/SizeDialog.h"

#include <QCheckBox>
#include <QGuiApplication>
#include <QScreen>
#include <memory>

using namespace zep;
using zep::test::ObjectDialogTest;

namespace {

const QColor kRed(255, 0, 0);
const QColor kBlack(0, 0, 0);

// A colour window that answers with a fixed colour and remembers its titles.
struct FakeColourWindow {
    ColourValue answer = 0x00FF00;
    bool ok = true;
    QStringList titles;
    ColourChooser chooser() {
        return [this](QWidget*, const QString& title, ColourValue& c) {
            titles << title;
            if (ok) c = answer;
            return ok;
        };
    }
};

class LineDialogTest : public ObjectDialogTest {
protected:
    std::unique_ptr<LineDialog> dlg;
    FakeColourWindow colours;

    LineDialog& open(int n) {
        dlg = std::make_unique<LineDialog>(editor);
        dlg->mv선Object = n;
        dlg->chooseColour = colours.chooser();
        dlg->show();
        return *dlg;
    }
    QLineEdit* widthBox() { return child<QLineEdit>(dlg.get(), "txt선"); }
};

class ShapeDialogTest : public ObjectDialogTest {
protected:
    std::unique_ptr<ShapeDialog> dlg;
    FakeColourWindow colours;

    ShapeDialog& open(int n) {
        dlg = std::make_unique<ShapeDialog>(editor);
        dlg->mv도형Object = n;
        dlg->chooseColour = colours.chooser();
        dlg->show();
        return *dlg;
    }
    QCheckBox* rounded() { return child<QCheckBox>(dlg.get(), "chk모서리둥글게"); }
    QCheckBox* transparent() { return child<QCheckBox>(dlg.get(), "chk투명"); }
};

TEST_F(ObjectDialogTest, DialogsOpenModalAtTheirPlace) {
    const int line = addLine(100, 100, 900, 100);
    const int shape = addShape(100, 100, 900, 600);
    select(ObjectKind::Shape, shape);
    LineDialog lineDialog(editor);
    lineDialog.mv선Object = line;
    ShapeDialog shapeDialog(editor);
    shapeDialog.mv도형Object = shape;
    SizeDialog sizeDialog(editor);
    sizeDialog.mvObject = {ObjectKind::Shape, shape};
    const struct {
        QDialog* dialog;
        const char *name, *title;
    } cases[] = {{&lineDialog, "frm선그리기", "선그리기"},
                 {&shapeDialog, "frm도형그리기", "도형그리기"},
                 {&sizeDialog, "frm크기조절", "Size조절"}};
    const int screenWidth = QGuiApplication::primaryScreen()->geometry().width();
    for (const auto& c : cases) {
        c.dialog->show();
        EXPECT_EQ(c.dialog->objectName(), QString::fromUtf8(c.name));
        EXPECT_EQ(c.dialog->windowTitle(), QString::fromUtf8(c.title));
        EXPECT_TRUE(c.dialog->isModal()) << c.name;
        EXPECT_EQ(c.dialog->pos(), QPoint(qRound((screenWidth - c.dialog->width()) / 1.1), 160))
            << c.name;
        EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr) << c.name << ": busy pointer left on";
        c.dialog->close();
    }
}

TEST_F(LineDialogTest, OpensWithTheRecordWidthNotTheZoomedOne) {
    reset(200);
    const int n = addLine(100, 100, 900, 100, 2);
    ASSERT_EQ(editor.doc.lin그리기[n].BorderWidth, 4);
    open(n);
    EXPECT_EQ(widthBox()->text(), QStringLiteral("2"));
    EXPECT_EQ(dlg->preview().width, 2);
    EXPECT_EQ(child<ColourSwatch>(dlg.get(), "picForeColor")->colour(), 0x102030);
}

TEST_F(LineDialogTest, TypedWidthsAndWhatOkWritesAtEachZoom) {
    // Typed text, zoom → preview and record width, element width.
    const struct {
        const char* typed;
        int zoom, record, element;
    } cases[] = {
        {"5", 150, 5, 8}, // 7.5 + 0.5
        {"2.5", 100, 2, 2},
        {"3.5", 100, 4, 4}, // halves to even
        {"1", 25, 1, 1},    // 0.25 + 0.9
        {"3", 50, 3, 2},
        {"7px", 100, 7, 7},
        // Not taken: the width stays 2.
        {"0", 100, 2, 2},
        {"-2", 100, 2, 2},
        {"0.4", 100, 2, 2},
        {"굵게", 100, 2, 2},
        {"9000", 100, 900, 900}, // key by key: 9000 is too wide, 900 was taken
    };
    for (const auto& c : cases) {
        reset(c.zoom);
        const int n = addLine(100, 200, 900, 700, 2);
        const LineElement before = editor.doc.lin그리기[n];
        open(n);
        retype(dlg.get(), "txt선", QString::fromUtf8(c.typed));
        EXPECT_EQ(dlg->preview().width, c.record) << c.typed;
        click(dlg.get(), "cmdButton0");
        EXPECT_FALSE(dlg->isVisible());
        EXPECT_EQ(dlg->result(), QDialog::Accepted);
        const LineElement& l = editor.doc.lin그리기[n];
        EXPECT_EQ(l.BorderWidth, c.element) << c.typed << " at " << c.zoom;
        EXPECT_EQ(editor.doc.gLineBase[n].BorderWidth, c.record) << c.typed;
        EXPECT_EQ(l.BorderColor, before.BorderColor);
        EXPECT_TRUE(editor.doc.mv내용수정);
        // The end points and their record stay.
        EXPECT_EQ(std::tie(l.X1, l.Y1, l.X2, l.Y2),
                  std::tie(before.X1, before.Y1, before.X2, before.Y2));
        EXPECT_EQ(editor.doc.gLineBase[n].X2, 900);
    }
}

TEST_F(LineDialogTest, ColourAndStyleReachTheLineAndSurviveDeselect) {
    reset(150);
    const int n = addLine(100, 200, 900, 200, 1);
    editor.doc.lin그리기[n].BorderStyle = 2;
    select(ObjectKind::Line, n);
    open(n);
    click(dlg.get(), "picForeColor");
    EXPECT_EQ(colours.titles, QStringList{QStringLiteral("선색 선택")});
    EXPECT_EQ(dlg->preview().colour, 0x00FF00);
    retype(dlg.get(), "txt선", QStringLiteral("3"));
    click(dlg.get(), "cmdButton0");
    // Deselect lays the line out again from its record.
    editor.Deselect();
    const LineElement& l = editor.doc.lin그리기[n];
    EXPECT_EQ(l.BorderColor, 0x00FF00);
    EXPECT_EQ(l.BorderStyle, 2);
    EXPECT_EQ(l.BorderWidth, 5); // 4.5 + 0.5
}

TEST_F(LineDialogTest, CancelChangesNothing) {
    const std::pair<const char*, std::function<void()>> ways[] = {
        {"취소", [this] { click(dlg.get(), "cmdButton1"); }},
        {"Escape", [this] { QTest::keyClick(widthBox(), Qt::Key_Escape); }},
        {"close box", [this] { dlg->close(); }},
    };
    for (const auto& [way, cancel] : ways) {
        reset(100);
        const int n = addLine(100, 200, 900, 200, 2);
        open(n);
        click(dlg.get(), "picForeColor");
        retype(dlg.get(), "txt선", QStringLiteral("6"));
        cancel();
        EXPECT_FALSE(dlg->isVisible()) << way;
        EXPECT_EQ(editor.doc.lin그리기[n].BorderColor, 0x102030) << way;
        EXPECT_EQ(editor.doc.lin그리기[n].BorderWidth, 2) << way;
        EXPECT_EQ(editor.doc.gLineBase[n].BorderWidth, 2) << way;
        EXPECT_FALSE(editor.doc.mv내용수정) << way;
    }
}

TEST_F(LineDialogTest, DoubleClickPathRunsTheDialogOnTheSelection) {
    struct Host : EditorHost {
        void runTextDialog(Editor&, int, bool) override {}
        QString runPictureChooser(const QString&) override { return {}; }
        void showMessage(const QString&, const QString&) override {}
        QString openFileDialog(const QString&, const QString&, const QString&) override {
            return {};
        }
        QString saveFileDialog(const QString&, const QString&, const QString&) override {
            return {};
        }
        void runLineDialog(Editor& e, int index) override { zep::runLineDialog(nullptr, e, index); }
    } host;
    editor.setHost(&host);
    addLine(100, 100, 900, 100);
    const int n = addLine(100, 300, 900, 300);
    select(ObjectKind::Line, n);
    const bool saw = whileModal([this] { editor.pageDoubleClick(); }, "frm선그리기",
                                [](QWidget* w) {
                                    retype(w, "txt선", QStringLiteral("4"));
                                    click(w, "cmdButton0");
                                });
    editor.setHost(nullptr);
    EXPECT_TRUE(saw);
    EXPECT_EQ(editor.doc.gLineBase[n].BorderWidth, 4);
    EXPECT_EQ(editor.doc.gLineBase[1].BorderWidth, 1) << "another line was edited";
    EXPECT_TRUE(editor.marks.lin테두리[0].Visible) << "the selection marks did not come back";
}

TEST_F(ShapeDialogTest, CornersBoxByShapeAndWhatOkMakesOfIt) {
    const struct {
        int shape;
        bool shown, ticked;
        bool click;
        int after;
    } cases[] = {
        {ShapeRectangle, true, false, true, ShapeRoundedRectangle},
        {ShapeRoundedRectangle, true, true, true, ShapeRectangle},
        {ShapeRoundedRectangle, true, true, false, ShapeRoundedRectangle},
        {ShapeOval, false, false, false, ShapeOval},
        {ShapeCircle, false, false, false, ShapeCircle},
        {ShapeRoundedSquare, false, false, false, ShapeRoundedSquare},
    };
    for (const auto& c : cases) {
        reset(100);
        const int n = addShape(300, 300, 1500, 900, c.shape);
        open(n);
        EXPECT_EQ(rounded()->isVisible(), c.shown) << c.shape;
        EXPECT_EQ(rounded()->isChecked(), c.ticked) << c.shape;
        if (c.shown) {
            EXPECT_EQ(captionColour(rounded()), c.ticked ? kRed : kBlack) << c.shape;
        }
        if (c.click) {
            click(dlg.get(), "chk모서리둥글게");
            EXPECT_EQ(captionColour(rounded()), c.ticked ? kBlack : kRed) << c.shape;
            EXPECT_EQ(dlg->preview().shape, c.after);
        }
        click(dlg.get(), "cmdButton0");
        EXPECT_EQ(editor.doc.shp그리기[n].Shape, c.after) << c.shape;
    }
}

TEST_F(ShapeDialogTest, TransparentFillKeepsTheFillColour) {
    const int n = addShape(300, 300, 1500, 900);
    open(n);
    EXPECT_FALSE(transparent()->isChecked());
    EXPECT_EQ(captionColour(transparent()), kBlack);
    click(dlg.get(), "chk투명");
    EXPECT_EQ(captionColour(transparent()), kRed);
    click(dlg.get(), "cmdButton0");
    EXPECT_EQ(editor.doc.shp그리기[n].BackStyle, 0);
    EXPECT_EQ(editor.doc.shp그리기[n].BackColor, 0x00C0FF);

    // Opened again it shows the fill as transparent; unticking makes it opaque.
    open(n);
    EXPECT_TRUE(transparent()->isChecked());
    EXPECT_EQ(captionColour(transparent()), kRed);
    click(dlg.get(), "chk투명");
    click(dlg.get(), "cmdButton0");
    EXPECT_EQ(editor.doc.shp그리기[n].BackStyle, 1);
}

TEST_F(ShapeDialogTest, WidthAndColoursGoToShapeAndRecordOnlyOnOk) {
    const struct {
        int zoom;
        const char* typed;
        int element, record;
    } cases[] = {
        {50, "3", 2, 3}, {25, "3", 1, 3}, {200, "3", 6, 3}, {100, "0", 1, 1}, {100, "-2", 1, 1}};
    for (const auto& c : cases) {
        reset(c.zoom);
        const int n = addShape(300, 300, 1500, 900);
        const ShapeElement before = editor.doc.shp그리기[n];
        const ShapeBase baseBefore = editor.doc.gShapeBase[n];
        open(n);
        retype(dlg.get(), "txt굵기", QString::fromUtf8(c.typed));
        colours.answer = 0x0000FF;
        click(dlg.get(), "picForeColor");
        colours.answer = 0x00FF00;
        click(dlg.get(), "picBackColor");
        EXPECT_EQ(colours.titles.mid(colours.titles.size() - 2),
                  (QStringList{QStringLiteral("선색 선택"), QStringLiteral("바탕색 선택")}));
        click(dlg.get(), "cmdButton0");
        const ShapeElement& s = editor.doc.shp그리기[n];
        EXPECT_EQ(s.BorderWidth, c.element) << c.typed << " at " << c.zoom;
        EXPECT_EQ(editor.doc.gShapeBase[n].BorderWidth, c.record) << c.typed << " at " << c.zoom;
        EXPECT_EQ(s.BorderColor, 0x0000FF);
        EXPECT_EQ(s.BackColor, 0x00FF00);
        EXPECT_EQ(std::tie(s.Left, s.Top, s.Width, s.Height),
                  std::tie(before.Left, before.Top, before.Width, before.Height));
        const ShapeBase& b = editor.doc.gShapeBase[n];
        EXPECT_EQ(std::tie(b.Left, b.Top, b.Width, b.Height),
                  std::tie(baseBefore.Left, baseBefore.Top, baseBefore.Width, baseBefore.Height));
        EXPECT_TRUE(editor.doc.mv내용수정);
    }
}

TEST_F(ShapeDialogTest, CancelOrAColourWindowCancelChangesNothing) {
    const int n = addShape(300, 300, 1500, 900, ShapeRectangle, 2);
    open(n);
    colours.ok = false;
    click(dlg.get(), "picBackColor");
    EXPECT_EQ(child<ColourSwatch>(dlg.get(), "picBackColor")->colour(), 0x00C0FF);
    EXPECT_EQ(dlg->preview().backColour, 0x00C0FF);
    colours.ok = true;
    click(dlg.get(), "picForeColor");
    click(dlg.get(), "picBackColor");
    click(dlg.get(), "chk투명");
    click(dlg.get(), "chk모서리둥글게");
    retype(dlg.get(), "txt굵기", QStringLiteral("9"));
    click(dlg.get(), "cmdButton1");
    const ShapeElement& s = editor.doc.shp그리기[n];
    EXPECT_EQ(s.BorderColor, 0x000080);
    EXPECT_EQ(s.BackColor, 0x00C0FF);
    EXPECT_EQ(s.BackStyle, 1);
    EXPECT_EQ(s.Shape, ShapeRectangle);
    EXPECT_EQ(s.BorderWidth, 2);
    EXPECT_EQ(editor.doc.gShapeBase[n].BorderWidth, 2);
    EXPECT_FALSE(editor.doc.mv내용수정);
}

} // namespace
