#pragma once
// frm색상선택: one colour for a swatch, picked from a colour field and a grey
// ramp or set with red, green and blue bars and boxes. The opener passes the
// swatch's colour in and gets the choice back on OK.
#include "colour/RgbControls.h"

#include <QDialog>
#include <QImage>
#include <array>
#include <functional>

class QLabel;
class QLineEdit;
class QPushButton;
class QScrollBar;

namespace zep {

class Editor;

// picColor: a picture painted once whose press reports the colour under it.
class ColourField : public QWidget {
public:
    ColourField(QImage picture, QWidget* parent);
    ColourValue colourAt(QPoint pos) const;
    std::function<void(ColourValue)> picked;

protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent* e) override;

private:
    QImage picture_;
};

class ColourDialog : public QDialog {
    Q_OBJECT
public:
    explicit ColourDialog(QWidget* parent = nullptr, const QString& appPath = {});

    void setTitle(const QString& title); // Label1_0
    // The swatch's colour, shown in the preview only: bars and boxes start at
    // 0 and empty.
    void setColour(ColourValue c);
    ColourValue colour() const { return preview_; }

    RgbControls rgb;

public slots:
    void confirm(); // 확인
    void pick(ColourValue c);

private:
    ColourValue preview_ = 0;

    QLabel* Label1_0;
    ColourField* picColor[2];
    QWidget* picPreview;
    std::array<QScrollBar*, 3> vsbColor;
    std::array<QLineEdit*, 3> txtColor;
    QPushButton* cmdButton[2];

    void build(const QString& appPath);
    void showPreview(ColourValue c);
    void showControls();
    bool eventFilter(QObject* watched, QEvent* e) override;
};

// Runs the dialog modally with a title ("전경색 선택", "글자색 선택" …) on
// the colour inOut; true and the chosen colour in inOut after OK, inOut
// untouched after Cancel.
bool runColourDialog(QWidget* parent, Editor& editor, const QString& title, ColourValue& inOut);

} // namespace zep
