#pragma once
// A document with lines, shapes and pictures placed as the editor leaves
// them (element at the zoom, record at 100 %), and ways to drive a dialog.
#include "canvas/Editor.h"
#include "support/TestSupport.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>

namespace zep::test {

class ObjectDialogTest : public ::testing::Test {
protected:
    Editor editor;

    void SetUp() override { reset(100); }

    void reset(int zoom) {
        editor.doc.clear();
        editor.doc.gZoom = zoom;
        editor.gSelObject = {};
        editor.gSelName.clear();
        editor.gSelIndex = 0;
    }
    double z() const { return editor.doc.z(); }

    // Geometry at 100 %; the element gets it times the zoom.
    int addLine(float x1, float y1, float x2, float y2, int width = 1) {
        Document& d = editor.doc;
        const int n = d.loadElement(ObjectKind::Line);
        LineElement& l = d.lin그리기[n];
        l.X1 = static_cast<float>(x1 * z()), l.Y1 = static_cast<float>(y1 * z());
        l.X2 = static_cast<float>(x2 * z()), l.Y2 = static_cast<float>(y2 * z());
        l.BorderWidth = static_cast<int>(width * z() + 0.5);
        l.BorderColor = 0x102030;
        l.BorderStyle = 1;
        l.Visible = true;
        d.growTable(ObjectKind::Line, n);
        d.gLineBase[n] = {static_cast<std::int16_t>(width), x1, y1, x2, y2};
        d.appendToList(ObjectKind::Line, n);
        return n;
    }

    int addShape(float left, float top, float width, float height, int shape = ShapeRectangle,
                 int borderWidth = 1) {
        Document& d = editor.doc;
        const int n = d.loadElement(ObjectKind::Shape);
        ShapeElement& s = d.shp그리기[n];
        s.Left = static_cast<float>(left * z()), s.Top = static_cast<float>(top * z());
        s.Width = static_cast<float>(width * z()), s.Height = static_cast<float>(height * z());
        s.Shape = shape;
        s.BorderWidth = static_cast<int>(borderWidth * z() + 0.5);
        s.BorderColor = 0x000080;
        s.BackColor = 0x00C0FF;
        s.BackStyle = 1;
        s.Visible = true;
        d.growTable(ObjectKind::Shape, n);
        d.gShapeBase[n] = {static_cast<std::int16_t>(borderWidth), left, top, width, height};
        d.appendToList(ObjectKind::Shape, n);
        return n;
    }

    int addPicture(float left, float top, float width, float height) {
        Document& d = editor.doc;
        const int n = d.loadElement(ObjectKind::Picture);
        PictureElement& p = d.img그리기[n];
        p.Left = static_cast<float>(left * z()), p.Top = static_cast<float>(top * z());
        p.Width = static_cast<float>(width * z()), p.Height = static_cast<float>(height * z());
        p.Stretch = true;
        p.Visible = true;
        d.growTable(ObjectKind::Picture, n);
        d.gImageBase[n] = {QString(), left, top, width, height};
        d.appendToList(ObjectKind::Picture, n);
        return n;
    }

    void select(ObjectKind kind, int n) {
        editor.gSelObject = {kind, n};
        editor.gSelName = kindName(kind);
        editor.gSelIndex = n;
        editor.mf객체선택(editor.gSelName);
    }

    template <typename T> static T* child(QWidget* dlg, const char* name) {
        T* w = dlg->findChild<T*>(QString::fromUtf8(name));
        if (!w) ADD_FAILURE() << "no control " << name;
        return w;
    }
    static void click(QWidget* dlg, const char* name) {
        auto* b = child<QWidget>(dlg, name);
        QTest::mouseClick(b, Qt::LeftButton, {}, QPoint(6, b->height() / 2));
    }
    // Replaces a box's text by typing, as a user does after the box selected it.
    static void retype(QWidget* dlg, const char* name, const QString& text) {
        auto* e = child<QLineEdit>(dlg, name);
        e->selectAll();
        QTest::keyClick(e, Qt::Key_Delete);
        // Key events carrying their text: keyClicks knows Latin-1 only.
        for (QChar c : text)
            QTest::sendKeyEvent(QTest::Click, e, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
    static QColor captionColour(QWidget* w) { return w->palette().color(QPalette::WindowText); }

    // Runs a modal dialog function, acting on the dialog once it is up.
    static bool whileModal(const std::function<void()>& run, const char* expectedName,
                           const std::function<void(QWidget*)>& act) {
        bool saw = false;
        QTimer::singleShot(0, [&] {
            QWidget* w = QApplication::activeModalWidget();
            saw = w && w->objectName() == QString::fromUtf8(expectedName);
            if (w) act(w);
            if (w && w->isVisible()) w->close();
        });
        run();
        return saw;
    }
};

} // namespace zep::test
