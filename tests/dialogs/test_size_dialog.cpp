#include "dialogs/ObjectDialogFixture.h"
#include "dialogs/SizeDialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <memory>

using namespace zep;
using zep::test::ObjectDialogTest;

namespace {

class SizeDialogTest : public ObjectDialogTest {
protected:
    std::unique_ptr<SizeDialog> dlg;

    SizeDialog& open(ObjectKind kind, int n) {
        dlg = std::make_unique<SizeDialog>(editor);
        dlg->mvObject = {kind, n};
        dlg->show();
        return *dlg;
    }
    QLineEdit* box(int i) { return child<QLineEdit>(dlg.get(), i ? "txt크기1" : "txt크기0"); }
    QComboBox* units(int i) { return child<QComboBox>(dlg.get(), i ? "cbo크기1" : "cbo크기0"); }
    QCheckBox* lock() { return child<QCheckBox>(dlg.get(), "chk비율제한"); }
    void type(int i, const QString& text) { retype(dlg.get(), i ? "txt크기1" : "txt크기0", text); }
    // The focus arrives as a click brings it.
    void focus(int i) {
        dlg->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(dlg.get()));
        QTest::mouseClick(box(i), Qt::LeftButton);
        ASSERT_TRUE(box(i)->hasFocus());
    }
    void ok() { click(dlg.get(), "cmdButton0"); }
};

TEST_F(SizeDialogTest, UnitsOfARowConvertItsValue) {
    // Each case starts from a fresh dialog: the shape's row at opening, then
    // the units chosen in turn, with the text each shows.
    const struct {
        float width;
        std::vector<std::pair<int, const char*>> steps;
    } cases[] = {
        {1701, {{UnitMillimetre, "30"}}},
        {1701, {{UnitInch, "1.18"}}},
        {1701, {{UnitPoint, "85.05"}}},
        {1701, {{UnitTwip, "1701"}}},
        {1701, {{UnitPixel, "113.4"}}},
        // Cut, not rounded, and the cut value does not drift back.
        {2000, {{UnitInch, "1.38"}, {UnitCentimetre, "3.52"}, {UnitTwip, "2000"}}},
        // 164.43 twips / 56.7 lands a rounding error below 29.
        {164.43f, {{UnitMillimetre, "2.9"}}},
    };
    for (const auto& c : cases) {
        reset(100);
        const int n = addShape(0, 0, c.width, 1134);
        open(ObjectKind::Shape, n);
        QString trail;
        for (const auto& [unit, text] : c.steps) {
            units(0)->setCurrentIndex(unit);
            trail += QStringLiteral(" → ") + units(0)->currentText();
            EXPECT_EQ(box(0)->text(), QString::fromUtf8(text)) << c.width << trail.toStdString();
        }
        EXPECT_EQ(box(1)->text(), QStringLiteral("2cm")) << "the other row moved";
    }
}

TEST_F(SizeDialogTest, OpensInCentimetresAtAnyZoomAndOkWritesElementAndRecord) {
    const struct {
        int zoom, unit;
        const char *width, *height; // typed; no height: the row stays as opened
        float onPage, record, recordHeight;
    } cases[] = {
        {75, UnitCentimetre, "3", "2", 1275.75f, 1701, 1134},
        {200, UnitTwip, "1000", nullptr, 2000, 1000, 1134},
        {50, UnitCentimetre, "4.5", "1", 1275.75f, 2551.5f, 567},
    };
    for (const auto& c : cases) {
        reset(c.zoom);
        const int n = addShape(300, 400, 1701, 1134);
        open(ObjectKind::Shape, n);
        EXPECT_EQ(box(0)->text(), QStringLiteral("3cm")) << c.zoom;
        EXPECT_EQ(box(1)->text(), QStringLiteral("2cm")) << c.zoom;
        EXPECT_EQ(units(0)->currentText(), QStringLiteral("센티미터"));
        EXPECT_EQ(units(0)->count(), 6);
        units(0)->setCurrentIndex(c.unit);
        type(0, QString::fromUtf8(c.width));
        if (c.height) type(1, QString::fromUtf8(c.height));
        ok();
        const ShapeElement& s = editor.doc.shp그리기[n];
        const ShapeBase& b = editor.doc.gShapeBase[n];
        EXPECT_FLOAT_EQ(s.Width, c.onPage) << c.zoom;
        EXPECT_FLOAT_EQ(b.Width, c.record) << c.zoom;
        EXPECT_FLOAT_EQ(b.Height, c.recordHeight) << c.zoom;
        EXPECT_FLOAT_EQ(s.Height, static_cast<float>(c.recordHeight * z())) << c.zoom;
        EXPECT_FLOAT_EQ(b.Left, 300);
        EXPECT_FLOAT_EQ(s.Top, static_cast<float>(400 * z()));
        EXPECT_TRUE(editor.doc.mv내용수정);
    }
}

TEST_F(SizeDialogTest, OkWithoutTypingKeepsTheExactSize) {
    // The boxes show 3.52cm for 2000 twips; an untouched row must not cut it.
    const int n = addPicture(100, 100, 2000, 1000);
    const int line = addLine(1000, 500, 3000, 1500);
    open(ObjectKind::Picture, n);
    units(1)->setCurrentIndex(UnitInch);
    units(1)->setCurrentIndex(UnitMillimetre);
    ok();
    EXPECT_FLOAT_EQ(editor.doc.img그리기[n].Width, 2000);
    EXPECT_FLOAT_EQ(editor.doc.img그리기[n].Height, 1000);
    EXPECT_FLOAT_EQ(editor.doc.gImageBase[n].Width, 2000);
    open(ObjectKind::Line, line);
    ok();
    const LineElement& l = editor.doc.lin그리기[line];
    EXPECT_EQ(std::tie(l.X1, l.Y1, l.X2, l.Y2), std::make_tuple(1000.f, 500.f, 3000.f, 1500.f));
}

TEST_F(SizeDialogTest, RatioLockKeepsBothRowsInProportion) {
    const int n = addShape(0, 0, 1701, 1134);
    open(ObjectKind::Shape, n);
    auto* picture = child<QLabel>(dlg.get(), "img비율제한");

    // Not ticked: one row never touches the other.
    focus(0);
    type(0, QStringLiteral("6"));
    EXPECT_EQ(box(1)->text(), QStringLiteral("2cm"));
    EXPECT_FALSE(picture->isVisible());

    // A click into a box selects its whole text.
    focus(1);
    QCoreApplication::processEvents();
    EXPECT_EQ(box(1)->selectedText(), QStringLiteral("2cm"));

    click(dlg.get(), "chk비율제한");
    EXPECT_TRUE(lock()->isChecked());
    EXPECT_EQ(captionColour(lock()), QColor(255, 0, 0));
    EXPECT_TRUE(picture->isVisible());
    focus(0);
    type(0, QStringLiteral("6"));
    EXPECT_EQ(box(1)->text(), QStringLiteral("4"));
    // Both ways, and in the other row's own unit.
    units(0)->setCurrentIndex(UnitMillimetre);
    EXPECT_EQ(box(0)->text(), QStringLiteral("60"));
    EXPECT_EQ(box(1)->text(), QStringLiteral("4"));
    focus(1);
    type(1, QStringLiteral("1"));
    EXPECT_EQ(box(0)->text(), QStringLiteral("15"));
    ok();
    EXPECT_FLOAT_EQ(editor.doc.shp그리기[n].Width, 850.5f);
    EXPECT_FLOAT_EQ(editor.doc.shp그리기[n].Height, 567);
}

TEST_F(SizeDialogTest, UntickingTheLockStopsTheSync) {
    const int n = addShape(0, 0, 1701, 1134);
    open(ObjectKind::Shape, n);
    click(dlg.get(), "chk비율제한");
    click(dlg.get(), "chk비율제한");
    EXPECT_EQ(captionColour(lock()), QColor(0, 0, 0));
    EXPECT_FALSE(child<QLabel>(dlg.get(), "img비율제한")->isVisible());
    focus(0);
    type(0, QStringLiteral("9"));
    EXPECT_EQ(box(1)->text(), QStringLiteral("2cm"));
}

TEST_F(SizeDialogTest, LinesTakeOneLengthKeepingTheirUpperLeftEnd) {
    const struct {
        const char* name;
        float x1, y1, x2, y2;
        const char* shown;
        const char* typed; // centimetres
        float nx1, ny1, nx2, ny2;
    } cases[] = {
        {"horizontal", 1000, 500, 3000, 500, "3.52cm", "5", 1000, 500, 3835, 500},
        {"drawn right to left", 3000, 500, 1000, 500, "3.52cm", "5", 3835, 500, 1000, 500},
        {"vertical", 800, 2000, 800, 1000, "1.76cm", "2", 800, 2134, 800, 1000},
        {"slanted keeps its direction", 0, 0, 1134, 567, "2cm", "4", 0, 0, 2268, 1134},
        {"slanted, drawn upwards", 0, 1134, 1134, 0, "2cm", "1", 0, 567, 567, 0},
    };
    for (const auto& c : cases) {
        reset(100);
        const int n = addLine(c.x1, c.y1, c.x2, c.y2);
        open(ObjectKind::Line, n);
        EXPECT_EQ(box(0)->text(), QString::fromUtf8(c.shown)) << c.name;
        EXPECT_FALSE(box(1)->isEnabled()) << c.name;
        EXPECT_FALSE(units(1)->isEnabled()) << c.name;
        EXPECT_FALSE(lock()->isEnabled()) << c.name;
        type(0, QString::fromUtf8(c.typed));
        ok();
        const LineElement& l = editor.doc.lin그리기[n];
        const LineBase& b = editor.doc.gLineBase[n];
        EXPECT_EQ(std::tie(l.X1, l.Y1, l.X2, l.Y2), std::tie(c.nx1, c.ny1, c.nx2, c.ny2)) << c.name;
        EXPECT_EQ(std::tie(b.X1, b.Y1, b.X2, b.Y2), std::tie(c.nx1, c.ny1, c.nx2, c.ny2)) << c.name;
    }

    // At a zoom the new length is on the page times z, the record at 100 %.
    reset(150);
    const int n = addLine(1000, 500, 3000, 500);
    open(ObjectKind::Line, n);
    EXPECT_EQ(box(0)->text(), QStringLiteral("3.52cm"));
    type(0, QStringLiteral("5"));
    ok();
    EXPECT_FLOAT_EQ(editor.doc.lin그리기[n].X2, 1.5f * 3835);
    EXPECT_FLOAT_EQ(editor.doc.gLineBase[n].X2, 3835);
}

TEST_F(SizeDialogTest, SizesAnElementCannotTakeLeaveItAsItWas) {
    const char* refused[] = {"0", "-3", "", "크게", "1e30"};
    for (const char* text : refused) {
        reset(100);
        const int shape = addShape(0, 0, 1701, 1134);
        const int line = addLine(1000, 500, 3000, 500);
        open(ObjectKind::Shape, shape);
        type(0, QString::fromUtf8(text));
        type(1, QStringLiteral("3")); // the other row still applies
        ok();
        EXPECT_FLOAT_EQ(editor.doc.shp그리기[shape].Width, 1701) << text;
        EXPECT_FLOAT_EQ(editor.doc.gShapeBase[shape].Width, 1701) << text;
        EXPECT_FLOAT_EQ(editor.doc.shp그리기[shape].Height, 1701) << text;
        open(ObjectKind::Line, line);
        type(0, QString::fromUtf8(text));
        ok();
        EXPECT_FLOAT_EQ(editor.doc.lin그리기[line].X2, 3000) << text;
    }
}

TEST_F(SizeDialogTest, TextObjectsShowNothingAndOkOnlyMarksTheDocument) {
    const int n = editor.doc.loadElement(ObjectKind::Text);
    editor.doc.txt그리기[n].Width = 900;
    editor.doc.growTable(ObjectKind::Text, n);
    editor.doc.appendToList(ObjectKind::Text, n);
    open(ObjectKind::Text, n);
    EXPECT_TRUE(box(0)->text().isEmpty());
    EXPECT_FALSE(box(0)->isEnabled());
    EXPECT_FALSE(lock()->isEnabled());
    ok();
    EXPECT_FLOAT_EQ(editor.doc.txt그리기[n].Width, 900);
    EXPECT_TRUE(editor.doc.mv내용수정);
}

TEST_F(SizeDialogTest, CancelChangesNothing) {
    const int n = addShape(0, 0, 1701, 1134);
    open(ObjectKind::Shape, n);
    type(0, QStringLiteral("9"));
    units(1)->setCurrentIndex(UnitTwip);
    type(1, QStringLiteral("50"));
    click(dlg.get(), "cmdButton1");
    EXPECT_FALSE(dlg->isVisible());
    EXPECT_FLOAT_EQ(editor.doc.shp그리기[n].Width, 1701);
    EXPECT_FLOAT_EQ(editor.doc.shp그리기[n].Height, 1134);
    EXPECT_FALSE(editor.doc.mv내용수정);
}

TEST_F(SizeDialogTest, MenuItemSizesTheSelectionAndRedrawsItsMarks) {
    reset(200);
    addShape(0, 0, 500, 500);
    const int n = addShape(300, 400, 1701, 1134);
    select(ObjectKind::Shape, n);
    const bool saw = whileModal([this] { runSizeDialog(nullptr, editor); }, "frm크기조절",
                                [](QWidget* w) {
                                    retype(w, "txt크기0", QStringLiteral("6"));
                                    click(w, "cmdButton0");
                                });
    EXPECT_TRUE(saw);
    EXPECT_FLOAT_EQ(editor.doc.gShapeBase[n].Width, 3402);
    EXPECT_FLOAT_EQ(editor.doc.gShapeBase[1].Width, 500) << "another shape was sized";
    // The outline's right edge follows the new width (one pixel inside).
    EXPECT_FLOAT_EQ(editor.marks.lin테두리[1].X1, 600 + 6804 - 15);
    EXPECT_TRUE(editor.marks.grip(Grip::NWSE1).Visible);
    // Deselect lays the shape out again from its record: the size holds.
    editor.Deselect();
    EXPECT_FLOAT_EQ(editor.doc.shp그리기[n].Width, 6804);

    // Nothing selected: no dialog.
    bool opened = false;
    QTimer::singleShot(0, [&] {
        if (QWidget* w = QApplication::activeModalWidget()) opened = true, w->close();
    });
    runSizeDialog(nullptr, editor);
    QCoreApplication::processEvents();
    EXPECT_FALSE(opened);
}

} // namespace
