#pragma once
// Drives the real main window with mouse and key events on the page widget.
// Positions are on-page twips; they are sent as pixels (twips / 15), so
// fixtures use multiples of 15 where exact values matter.
#include "canvas/Editor.h"
#include "shell/ZepModule.h"
#include "shell/widgets/MainWindow.h"
#include "support/TestSupport.h"
#include "view/Zoom.h"
#include "view/widgets/PageView.h"

#include <QApplication>
#include <QImage>
#include <QMouseEvent>
#include <QScrollBar>
#include <QTest>
#include <QToolBar>
#include <QToolButton>
#include <memory>

namespace zep::test {

class WindowDriver {
public:
    explicit WindowDriver(int zoom = 100) {
        pinFonts();
        win = std::make_unique<MainWindow>(buildHome());
        win->promptOverride = [this](const PromptRequest& r) {
            prompts << r.text;
            return AnswerYes;
        };
        win->showMenus = false;
        win->pageSetupOverride = [](Editor&) {}; // New's page setup: as if cancelled
        win->resize(780, 760);
        win->show();
        win->firstActivation();
        if (zoom != 75) ed().setZoomBoxText(QString::number(zoom));
        win->activateWindow();
        (void)QTest::qWaitForWindowActive(win.get());
    }

    Editor& ed() { return win->editor; }
    Document& doc() { return win->editor.doc; }
    PageSurface* page() { return win->pageView()->surface(); }

    static QPoint px(double x, double y) {
        return QPoint(static_cast<int>(std::lround(x / 15)), static_cast<int>(std::lround(y / 15)));
    }

    void press(double x, double y, Qt::MouseButton b = Qt::LeftButton,
               Qt::KeyboardModifiers m = {}) {
        held_ = b;
        send(QEvent::MouseButtonPress, x, y, b, b, m);
    }
    // A move with the pressed button held (QTest::mouseMove carries no buttons).
    void drag(double x, double y, Qt::KeyboardModifiers m = {}) {
        send(QEvent::MouseMove, x, y, Qt::NoButton, held_, m);
    }
    void release(double x, double y, Qt::KeyboardModifiers m = {}) {
        const Qt::MouseButton b = held_;
        held_ = Qt::NoButton;
        send(QEvent::MouseButtonRelease, x, y, b, Qt::NoButton, m);
    }
    void click(double x, double y, Qt::MouseButton b = Qt::LeftButton) {
        press(x, y, b);
        release(x, y);
    }
    void dragFromTo(double x0, double y0, double x1, double y1, Qt::KeyboardModifiers m = {}) {
        press(x0, y0, Qt::LeftButton, m);
        drag((x0 + x1) / 2, (y0 + y1) / 2, m);
        drag(x1, y1, m);
        release(x1, y1, m);
    }
    // As a widget gets a double click: press, release, the double click in
    // place of the second press, release (QTest::mouseDClick sends only the third).
    void doubleClick(double x, double y) {
        click(x, y);
        held_ = Qt::LeftButton;
        send(QEvent::MouseButtonDblClick, x, y, Qt::LeftButton, Qt::LeftButton, {});
        release(x, y);
    }

    // Clicks the palette's button for a tool.
    void clickTool(int tool) {
        QWidget* b = win->toolPalette()->widgetForAction(win->toolButton(tool));
        QTest::mouseClick(b, Qt::LeftButton);
    }
    int checkedTool() const {
        int down = 0;
        for (int t = 1; t <= 12; ++t)
            if (QAction* a = win->toolButton(t); a && a->isChecked()) down = down ? -1 : t;
        return down; // -1 when more than one is down
    }

    // Context menus: forget the last one, then ask whether one was shown since.
    void lastMenuReset() {
        win->lastMenuState = {};
        win->lastMenuState.layerChangeCaption = QStringLiteral("(none)");
    }
    bool menuShown() const {
        return win->lastMenuState.layerChangeCaption != QStringLiteral("(none)");
    }

    // Objects as a loaded document has them: records at 100 %, elements at the zoom.
    int addPicture(float l, float t, float w, float h) {
        const int n = doc().loadElement(ObjectKind::Picture);
        doc().img그리기[n].picture = Picture::placeholder(QStringLiteral("fixture.bmp"));
        doc().img그리기[n].Stretch = true;
        doc().img그리기[n].Visible = true;
        doc().growTable(ObjectKind::Picture, n);
        doc().gImageBase[n] = {QStringLiteral("fixture.bmp"), l, t, w, h};
        return finish(ObjectKind::Picture, n);
    }
    int addShape(float l, float t, float w, float h, int shape = ShapeRectangle) {
        const int n = doc().loadElement(ObjectKind::Shape);
        doc().shp그리기[n].Shape = shape;
        doc().shp그리기[n].Visible = true;
        doc().growTable(ObjectKind::Shape, n);
        doc().gShapeBase[n] = {1, l, t, w, h};
        return finish(ObjectKind::Shape, n);
    }
    int addLine(float x1, float y1, float x2, float y2, int width = 1) {
        const int n = doc().loadElement(ObjectKind::Line);
        doc().lin그리기[n].Visible = true;
        doc().growTable(ObjectKind::Line, n);
        doc().gLineBase[n] = {static_cast<std::int16_t>(width), x1, y1, x2, y2};
        return finish(ObjectKind::Line, n);
    }
    int addText(float l, float t, const QString& caption = QStringLiteral("SALE")) {
        const int n = doc().loadElement(ObjectKind::Text);
        TextElement& e = doc().txt그리기[n];
        e.Caption = caption;
        e.FontName = QStringLiteral("굴림체");
        e.Tag = QStringLiteral("36");
        e.Visible = true;
        doc().growTable(ObjectKind::Text, n);
        doc().gTextBase[n] = {36, l, t};
        return finish(ObjectKind::Text, n);
    }

    // A raster picture file of w x h pixels in the test's folder.
    QString pictureFile(int w, int h, const QString& name = QStringLiteral("pic.bmp")) {
        QImage img(w, h, QImage::Format_RGB32);
        img.fill(Qt::red);
        const QString path = dir.filePath(name);
        img.save(path, "BMP");
        return path;
    }

    bool pixelIsInk(double x, double y) {
        const QImage img = page()->grab().toImage();
        const QColor c = img.pixelColor(px(x, y));
        return c.lightness() < 128;
    }

    std::unique_ptr<MainWindow> win;
    QTemporaryDir dir;
    QStringList prompts;

private:
    Qt::MouseButton held_ = Qt::NoButton;

    int finish(ObjectKind kind, int n) {
        doc().appendToList(kind, n);
        ApplyZoomToObjects(doc());
        ed().notifyPage();
        return n;
    }
    void send(QEvent::Type type, double x, double y, Qt::MouseButton b, Qt::MouseButtons held,
              Qt::KeyboardModifiers m) {
        const QPointF local = px(x, y);
        QMouseEvent e(type, local, page()->mapToGlobal(local), b, held, m);
        QApplication::sendEvent(page(), &e);
    }
};

} // namespace zep::test
