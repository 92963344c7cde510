#include "canvas/TextDialogLogic.h"

#include "canvas/Editor.h"
#include "document/TextLayout.h"
#include "shell/Fonts.h"
#include "shell/Numbers.h"
#include "shell/ZepModule.h"

#include <cmath>

namespace zep {

const std::array<int, kTextSizeCount>& textSizes() {
    static const std::array<int, kTextSizeCount> sizes = [] {
        std::array<int, kTextSizeCount> a{};
        int k = 0;
        auto run = [&](int from, int to, int step) {
            for (int v = from; v <= to; v += step)
                a[k++] = v;
        };
        run(8, 30, 1);
        run(32, 40, 2);
        run(44, 72, 4);
        run(80, 200, 8);
        run(210, 400, 10);
        run(450, 800, 50);
        return a;
    }();
    return sizes;
}

int textSizeEntry(double size) {
    const double whole = std::trunc(size);
    const auto& sizes = textSizes();
    for (int i = 0; i < kTextSizeCount; ++i)
        if (sizes[i] >= whole) return i;
    return kTextSizeCount - 1;
}

std::optional<double> typedTextSize(const QString& text) {
    const double v = leadingNumber(text);
    if (v >= 8 && v <= 800) return v;
    return std::nullopt;
}

ColourValue previewBackground(ColourValue fore) {
    const ColourValue rgb = fore & 0xFFFFFF;
    if (rgb != 0xFFFFFF && rgb != 0) return 0xFFFFFF;
    const RGBBytes b = SplitRGB(rgb);
    return RGBValue(255 - b.red, 255 - b.green, 255 - b.blue);
}

QString textSizeTag(double size) {
    return QString::number(size, 'g', 15);
}

double zoomedTextSize(double z, double size) {
    const double s = fix(z * size);
    return s == 0 ? 1 : s;
}

QString trimBlanks(const QString& s) {
    qsizetype b = 0, e = s.size();
    while (b < e && s[b] == ' ')
        ++b;
    while (e > b && s[e - 1] == ' ')
        --e;
    return s.mid(b, e - b);
}

void fillFontNames(ZepModule& module) {
    if (!module.gFontNames.isEmpty()) return;
    const QStringList names = installedFontNames();
    const int n = static_cast<int>(names.size());
    for (int i = 1; i <= n; ++i) {
        module.ShowProgress(QStringLiteral("Font를 읽는중입니다......"), n, i);
        module.gFontNames << names[i - 1];
    }
}

TextChoice textChoiceFrom(const TextElement& t) {
    TextChoice c;
    c.vertical = !t.AutoSize;
    c.text = t.AutoSize ? t.Caption : joinVerticalCaption(t.Caption);
    c.fontName = t.FontName;
    c.size = leadingNumber(t.Tag);
    c.bold = t.FontBold;
    c.underline = t.FontUnderline;
    c.italic = t.FontItalic;
    c.colour = t.ForeColor;
    return c;
}

void confirmText(Editor& editor, int index, bool isNew, const TextChoice& c) {
    Document& doc = editor.doc;
    const QString text = trimBlanks(c.text);
    if (text.isEmpty()) {
        // A new element is not in the object list yet and is always the last.
        if (isNew)
            doc.unloadLast(ObjectKind::Text);
        else
            editor.mnu지우기_Click();
    } else if (index >= 1 && index <= doc.count(ObjectKind::Text)) {
        TextElement& t = doc.txt그리기[index];
        t.Visible = false;
        t.WordWrap = false;
        t.AutoSize = true;
        t.ForeColor = c.colour;
        t.FontName = c.fontName;
        t.Tag = textSizeTag(c.size);
        t.FontSize = zoomedTextSize(doc.z(), c.size);
        t.FontBold = c.bold;
        t.FontUnderline = c.underline;
        t.FontItalic = c.italic;
        t.Caption = text;
        if (c.vertical)
            MakeVerticalText(t);
        else
            autoSizeText(t);
        t.Visible = true;
    }
    doc.mv내용수정 = true;
}

void cancelText(Editor& editor, bool isNew) {
    if (isNew) editor.doc.unloadLast(ObjectKind::Text);
}

} // namespace zep
