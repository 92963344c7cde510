#include "document/ZepFile.h"

#include "document/Cp949.h"
#include "document/Page.h"
#include "document/TextLayout.h"
#include "shell/Numbers.h"
#include "shell/Units.h"

#include <QFileInfo>
#include <QSaveFile>
#include <QSet>
#include <QStringDecoder>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>

namespace zep {

namespace {

const QString kSaveCaption = QStringLiteral("ZEP파일 저장...");
const QString kOpenCaption = QStringLiteral("ZEP파일 열기...");
const QString kIndent = QStringLiteral("      ");
const QString kCrLf = QStringLiteral("\r\n");
const QByteArray kUtf8Bom("\xEF\xBB\xBF");

// Longer captions are cut: measuring one takes time in proportion to its
// length (per character when written vertically), and no sign needs more.
constexpr qsizetype kMaxCaption = 32767;

QString formatNumber(double v, int digits) {
    if (!std::isfinite(v)) return QStringLiteral("0");
    if (v == 0) return QStringLiteral("0"); // also turns -0 into 0
    // to_chars ignores the C locale, which Qt sets from the environment.
    char buf[64];
    const auto r = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::general, digits);
    QString s = QString::fromLatin1(buf, r.ptr - buf);
    s.replace(QLatin1Char('e'), QLatin1Char('E'));
    return s;
}

QString trimBlanks(const QString& s) {
    qsizetype b = 0, e = s.size();
    while (b < e && s[b] == QLatin1Char(' '))
        ++b;
    while (e > b && s[e - 1] == QLatin1Char(' '))
        --e;
    return s.mid(b, e - b);
}

QString boolText(bool b) {
    return b ? QStringLiteral("True") : QStringLiteral("False");
}

// Every line of the file ends CR LF, so a lone CR or LF in a caption becomes one.
QString normaliseBreaks(const QString& s) {
    QString out;
    out.reserve(s.size());
    for (qsizetype i = 0; i < s.size(); ++i) {
        const QChar c = s[i];
        if (c == QLatin1Char('\r')) {
            out += kCrLf;
            if (i + 1 < s.size() && s[i + 1] == QLatin1Char('\n')) ++i;
        } else if (c == QLatin1Char('\n')) {
            out += kCrLf;
        } else {
            out += c;
        }
    }
    return out;
}

QString normalisedAppPath(const QString& appPath) {
    QString a = appPath;
    while (a.size() > 1 && a.endsWith(QLatin1Char('/')))
        a.chop(1);
    return a;
}

class Writer {
public:
    Writer(const Document& doc, const QString& appPath) : doc_(doc), appPath_(appPath) {
        // A fresh document has no zoom yet; its values are then the 100 % ones.
        z_ = doc.gZoom > 0 ? doc.z() : 1.0;
    }

    QString text(const ProgressFn& progress) {
        pageBlock();
        const int count = doc_.mvObjectCount();
        if (progress) progress(kSaveCaption, count + 1, 1);
        for (int k = 1; k <= count; ++k) {
            const ObjectRef& ref = doc_.mvObjects[k];
            objectBlock(ref);
            if (progress) progress(kSaveCaption, count + 1, k + 1);
        }
        return out_;
    }

private:
    void line(const QString& s) {
        out_ += s;
        out_ += kCrLf;
    }
    void key(const char* k, const QString& v) {
        out_ += kIndent;
        out_ += QLatin1String(k);
        out_ += QLatin1Char('=');
        out_ += v;
        out_ += kCrLf;
    }
    void keyScaled(const char* k, double onPage) { key(k, formatDouble(onPage / z_)); }
    void keyInt(const char* k, qint64 v) { key(k, QString::number(v)); }

    void pageBlock() {
        line(QStringLiteral("BEGIN picLayer"));
        key("Picture", relativePicturePath(doc_.mvBackPicturePath, appPath_));
        key("MarginTop", formatSingle(doc_.gMarginTop));
        key("MarginBottom", formatSingle(doc_.gMarginBottom));
        key("MarginLeft", formatSingle(doc_.gMarginLeft));
        key("MarginRight", formatSingle(doc_.gMarginRight));
        key("Width", formatSingle(doc_.gPageWidth));
        key("Height", formatSingle(doc_.gPageHeight));
        key("Landscape", boolText(doc_.gLandscape));
        line(QStringLiteral("END"));
    }

    template <typename T> static const T& record(const std::vector<T>& table, int n) {
        static const T empty{};
        return n >= 0 && static_cast<size_t>(n) < table.size() ? table[n] : empty;
    }

    void objectBlock(const ObjectRef& ref) {
        const ObjectKind kind = kindFromName(ref.Name);
        const int n = ref.Index;
        if (!doc_.exists(ElementRef{kind, n})) return;
        line(QStringLiteral("BEGIN ") + ref.Name + QLatin1Char('(') + QString::number(n) +
             QLatin1Char(')'));
        switch (kind) {
        case ObjectKind::Text: {
            const TextElement& t = doc_.txt그리기[n];
            key("Text", normaliseBreaks(t.Caption));
            key("FontName", t.FontName);
            keyScaled("FontSize", t.FontSize);
            key("FontBold", boolText(t.FontBold));
            key("FontUnderline", boolText(t.FontUnderline));
            key("FontItalic", boolText(t.FontItalic));
            keyInt("ForeColor", t.ForeColor);
            key("AutoSize", boolText(t.AutoSize));
            keyScaled("Left", t.Left);
            keyScaled("Top", t.Top);
            break;
        }
        case ObjectKind::Picture: {
            const PictureElement& p = doc_.img그리기[n];
            key("Picture", relativePicturePath(record(doc_.gImageBase, n).PicturePath, appPath_));
            keyScaled("Left", p.Left);
            keyScaled("Top", p.Top);
            keyScaled("Width", p.Width);
            keyScaled("Height", p.Height);
            break;
        }
        case ObjectKind::Shape: {
            const ShapeElement& s = doc_.shp그리기[n];
            keyInt("BorderStyle", s.BorderStyle);
            keyInt("BorderColor", s.BorderColor);
            keyInt("BorderWidth", record(doc_.gShapeBase, n).BorderWidth);
            keyInt("BackStyle", s.BackStyle);
            keyInt("BackColor", s.BackColor);
            keyScaled("Left", s.Left);
            keyScaled("Top", s.Top);
            keyScaled("Width", s.Width);
            keyScaled("Height", s.Height);
            keyInt("Shape", s.Shape);
            break;
        }
        case ObjectKind::Line: {
            const LineElement& l = doc_.lin그리기[n];
            keyInt("BorderStyle", l.BorderStyle);
            keyInt("BorderColor", l.BorderColor);
            keyInt("BorderWidth", record(doc_.gLineBase, n).BorderWidth);
            keyScaled("X1", l.X1);
            keyScaled("Y1", l.Y1);
            keyScaled("X2", l.X2);
            keyScaled("Y2", l.Y2);
            break;
        }
        case ObjectKind::None:
            break;
        }
        line(QStringLiteral("END"));
    }

    const Document& doc_;
    QString appPath_;
    double z_ = 1.0;
    QString out_;
};

QByteArray encodeFileText(const QString& text) {
    QByteArray bytes;
    if (encodeCp949(text, &bytes)) return bytes;
    // Characters CP949 lacks would be lost; UTF-8 keeps them all.
    return kUtf8Bom + text.toUtf8();
}

QString fileLabel(const QString& path) {
    const QString name = QFileInfo(path).fileName();
    return QLatin1Char('\'') + (name.isEmpty() ? path : name) + QLatin1Char('\'');
}

// Integer variables of the reader: out-of-range values leave them as they are.
template <typename T> void setInteger(T& var, double v) {
    const double r = roundHalfEven(v);
    if (r >= static_cast<double>(std::numeric_limits<T>::min()) &&
        r <= static_cast<double>(std::numeric_limits<T>::max()))
        var = static_cast<T>(r);
}

void setSingle(float& var, double v) {
    constexpr double kMax = std::numeric_limits<float>::max();
    // Beyond FLT_MAX but below the halfway point to the next power of two a
    // double still rounds to FLT_MAX (a float written in the 15-digit form).
    constexpr double kOverflow = 3.4028235677973366e+38;
    const double a = std::fabs(v);
    if (a <= kMax)
        var = static_cast<float>(v);
    else if (a < kOverflow)
        var = static_cast<float>(std::copysign(kMax, v));
}

class Reader {
public:
    Reader(Document& doc, const QString& appPath, ReadReport* report)
        : doc_(doc), appPath_(appPath), report_(report) {}

    void run(const QString& s, const ProgressFn& progress) {
        const qsizetype lines = s.count(QLatin1Char('\n')) + 1;
        const double total = static_cast<double>(lines) + 1;
        if (progress) progress(kOpenCaption, total, 1);
        int lastPercent = 0;
        qsizetype start = 0, k = 0;
        while (start < s.size()) {
            qsizetype end = s.indexOf(QLatin1Char('\n'), start);
            const qsizetype next = end < 0 ? s.size() : end + 1;
            if (end < 0) end = s.size();
            qsizetype len = end - start;
            if (end > start && s[end - 1] == QLatin1Char('\r')) --len;
            handleLine(s.mid(start, len));
            start = next;
            ++k;
            const int percent = static_cast<int>(100.0 * (k + 1) / total);
            if (progress && percent > lastPercent && k + 1 < total) {
                lastPercent = percent;
                progress(kOpenCaption, total, static_cast<double>(k + 1));
            }
        }
        if (progress) progress(kOpenCaption, total, total);
        if (skipped_ > 0)
            warn(QStringLiteral("개체가 %1개를 넘어 나머지 %2개는 열지 않았습니다.")
                     .arg(kMaxObjects)
                     .arg(skipped_));
    }

    void warn(const QString& w) {
        if (report_ && !report_->warnings.contains(w)) report_->warnings << w;
    }

private:
    void handleLine(const QString& line) {
        const QString head = trimBlanks(line.left(5));
        if (head == QLatin1String("BEGIN")) {
            QString rest = line.mid(5);
            const qsizetype paren = rest.indexOf(QLatin1Char('('));
            if (paren >= 0) rest.truncate(paren);
            blockName_ = trimBlanks(rest);
            inText_ = false;
        } else if (head == QLatin1String("END")) {
            finishBlock();
            blockName_.clear();
        } else if (inText_ && (line.left(6) != kIndent || !line.contains(QLatin1Char('=')))) {
            text_ += kCrLf;
            text_ += line;
        } else {
            keyLine(line);
        }
    }

    void keyLine(const QString& line) {
        const qsizetype eq = line.indexOf(QLatin1Char('='), 5);
        if (eq < 0) return;
        const QString key = trimBlanks(line.mid(5, eq - 5)).toUpper();
        const QString value = line.mid(eq + 1);
        auto number = [&value] { return leadingNumber(value); };
        auto flag = [&value] { return value == QLatin1String("True"); };

        if (key == QLatin1String("PICTURE"))
            picturePath_ = value;
        else if (key == QLatin1String("LANDSCAPE"))
            landscape_ = flag();
        else if (key == QLatin1String("MARGINTOP"))
            setInteger(marginTop_, number());
        else if (key == QLatin1String("MARGINBOTTOM"))
            setInteger(marginBottom_, number());
        else if (key == QLatin1String("MARGINLEFT"))
            setInteger(marginLeft_, number());
        else if (key == QLatin1String("MARGINRIGHT"))
            setInteger(marginRight_, number());
        else if (key == QLatin1String("LEFT"))
            setSingle(left_, number());
        else if (key == QLatin1String("TOP"))
            setSingle(top_, number());
        else if (key == QLatin1String("WIDTH"))
            setSingle(width_, number());
        else if (key == QLatin1String("HEIGHT"))
            setSingle(height_, number());
        else if (key == QLatin1String("TEXT")) {
            inText_ = true;
            text_ = trimBlanks(value);
        } else if (key == QLatin1String("FONTNAME")) {
            inText_ = false;
            fontName_ = trimBlanks(value);
        } else if (key == QLatin1String("FONTSIZE"))
            setInteger(fontSize_, number());
        else if (key == QLatin1String("FONTBOLD"))
            bold_ = flag();
        else if (key == QLatin1String("FONTUNDERLINE"))
            underline_ = flag();
        else if (key == QLatin1String("FONTITALIC"))
            italic_ = flag();
        else if (key == QLatin1String("AUTOSIZE"))
            autoSize_ = flag();
        else if (key == QLatin1String("FORECOLOR") || key == QLatin1String("BORDERCOLOR"))
            setInteger(colour_, number());
        else if (key == QLatin1String("BACKCOLOR"))
            setInteger(backColour_, number());
        else if (key == QLatin1String("BORDERSTYLE"))
            setInteger(borderStyle_, number());
        else if (key == QLatin1String("BORDERWIDTH"))
            setInteger(borderWidth_, number());
        else if (key == QLatin1String("BACKSTYLE"))
            setInteger(backStyle_, number());
        else if (key == QLatin1String("SHAPE"))
            setInteger(shape_, number());
        else if (key == QLatin1String("X1"))
            setSingle(x1_, number());
        else if (key == QLatin1String("Y1"))
            setSingle(y1_, number());
        else if (key == QLatin1String("X2"))
            setSingle(x2_, number());
        else if (key == QLatin1String("Y2"))
            setSingle(y2_, number());
    }

    void finishBlock() {
        if (blockName_ == QLatin1String("picLayer"))
            pageBlock();
        else if (blockName_ == kPictureName)
            pictureBlock();
        else if (blockName_ == kTextName)
            textBlock();
        else if (blockName_ == kLineName)
            lineBlock();
        else if (blockName_ == kShapeName)
            shapeBlock();
    }

    // The picture at a resolved path, a placeholder when the file is not there
    // or cannot be read, so the object and its path survive the next save.
    Picture loadPicture(const QString& path) {
        if (path.isEmpty()) return Picture::placeholder(path);
        if (!QFileInfo(path).isFile()) {
            if (!missingSeen_.contains(path)) {
                missingSeen_.insert(path);
                if (report_) report_->missingPictures << path;
            }
            return Picture::placeholder(path);
        }
        QString error;
        Picture p = Picture::load(path, &error);
        if (!p.isNull()) return p;
        warn(QStringLiteral("그림 '%1'을(를) 읽을 수 없습니다: %2").arg(path, error));
        return Picture::placeholder(path);
    }

    int newElement(ObjectKind kind) {
        if (skipped_ > 0) {
            ++skipped_;
            return -1;
        }
        const int n = doc_.loadElement(kind);
        if (n < 0) ++skipped_;
        return n;
    }

    void pageBlock() {
        doc_.gMarginTop = marginTop_;
        doc_.gMarginBottom = marginBottom_;
        doc_.gMarginLeft = marginLeft_;
        doc_.gMarginRight = marginRight_;
        doc_.mvBackPicturePath = resolvePicturePath(picturePath_, appPath_);
        doc_.img배경 =
            doc_.mvBackPicturePath.isEmpty() ? Picture() : loadPicture(doc_.mvBackPicturePath);
        ApplyPageSize(doc_, width_ / kTwipsPerMm, height_ / kTwipsPerMm);
        doc_.gLandscape = landscape_;
    }

    void pictureBlock() {
        const QString path = resolvePicturePath(picturePath_, appPath_);
        if (path.isEmpty()) warn(QStringLiteral("파일 이름이 없는 그림이 있습니다."));
        const int n = newElement(ObjectKind::Picture);
        if (n < 0) return;
        PictureElement& e = doc_.img그리기[n];
        e.picture = loadPicture(path);
        e.Stretch = false;
        e.Left = left_;
        e.Top = top_;
        e.Width = width_;
        e.Height = height_;
        e.Stretch = true;
        e.Visible = true;
        e.MousePointer = PointerArrow;
        doc_.growTable(ObjectKind::Picture, n);
        doc_.gImageBase[n] = ImageBase{path, left_, top_, width_, height_};
        doc_.appendToList(ObjectKind::Picture, n);
    }

    void textBlock() {
        const int n = newElement(ObjectKind::Text);
        if (n < 0) return;
        TextElement& t = doc_.txt그리기[n];
        t.Caption = text_;
        if (t.Caption.size() > kMaxCaption) {
            t.Caption.truncate(kMaxCaption);
            if (t.Caption.back().isHighSurrogate()) t.Caption.chop(1);
            warn(QStringLiteral("글자 개체 %1의 내용이 너무 길어 %2자까지만 열었습니다.")
                     .arg(n)
                     .arg(t.Caption.size()));
        }
        t.ForeColor = colour_;
        t.Left = left_;
        t.Top = top_;
        t.WordWrap = false;
        t.AutoSize = autoSize_;
        t.FontName = fontName_;
        t.FontSize = fontSize_;
        t.Tag = QString::number(fontSize_);
        t.FontBold = bold_;
        t.FontUnderline = underline_;
        t.FontItalic = italic_;
        if (t.AutoSize)
            autoSizeText(t);
        else
            MakeVerticalText(t);
        t.Visible = true;
        doc_.growTable(ObjectKind::Text, n);
        doc_.gTextBase[n] = TextBase{static_cast<float>(fontSize_), left_, top_};
        doc_.appendToList(ObjectKind::Text, n);
    }

    void lineBlock() {
        const int n = newElement(ObjectKind::Line);
        if (n < 0) return;
        LineElement& l = doc_.lin그리기[n];
        l.BorderStyle = borderStyle_;
        l.BorderColor = colour_;
        l.BorderWidth = borderWidth_;
        l.X1 = x1_;
        l.Y1 = y1_;
        l.X2 = x2_;
        l.Y2 = y2_;
        l.Visible = true;
        doc_.growTable(ObjectKind::Line, n);
        doc_.gLineBase[n] = LineBase{borderWidth_, x1_, y1_, x2_, y2_};
        doc_.appendToList(ObjectKind::Line, n);
    }

    void shapeBlock() {
        const int n = newElement(ObjectKind::Shape);
        if (n < 0) return;
        ShapeElement& s = doc_.shp그리기[n];
        s.BorderStyle = borderStyle_;
        s.BorderColor = colour_;
        s.BorderWidth = borderWidth_;
        s.BackStyle = backStyle_;
        s.BackColor = backColour_;
        s.Left = left_;
        s.Top = top_;
        s.Width = width_;
        s.Height = height_;
        s.Shape = shape_;
        s.Visible = true;
        doc_.growTable(ObjectKind::Shape, n);
        doc_.gShapeBase[n] = ShapeBase{borderWidth_, left_, top_, width_, height_};
        doc_.appendToList(ObjectKind::Shape, n);
    }

    Document& doc_;
    QString appPath_;
    ReadReport* report_;
    QSet<QString> missingSeen_;
    qint64 skipped_ = 0;

    // Reading variables: they carry over from block to block, as in the
    // program that wrote these files, so a block lacking a key repeats the
    // value read last.
    QString blockName_;
    bool inText_ = false;
    QString picturePath_, text_, fontName_;
    bool landscape_ = false, bold_ = false, underline_ = false, italic_ = false, autoSize_ = false;
    float left_ = 0, top_ = 0, width_ = 0, height_ = 0;
    float x1_ = 0, y1_ = 0, x2_ = 0, y2_ = 0;
    std::int32_t colour_ = 0, backColour_ = 0;
    std::int16_t marginTop_ = 0, marginBottom_ = 0, marginLeft_ = 0, marginRight_ = 0;
    std::int16_t fontSize_ = 0, borderStyle_ = 0, borderWidth_ = 0, backStyle_ = 0, shape_ = 0;
};

QString decodeFileText(const QByteArray& bytes, qsizetype* invalid) {
    if (bytes.startsWith(kUtf8Bom)) {
        QStringDecoder dec(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
        QString s = dec.decode(QByteArrayView(bytes).sliced(kUtf8Bom.size()));
        *invalid = dec.hasError() ? 1 : 0;
        return s;
    }
    return decodeCp949(bytes, invalid);
}

// A Korean reason with the system's own text after it.
QString ioReason(const QFileDevice& f) {
    QString what;
    switch (f.error()) {
    case QFileDevice::OpenError:
        what = QStringLiteral("파일을 열거나 만들 수 없습니다");
        break;
    case QFileDevice::ReadError:
        what = QStringLiteral("읽는 중 오류가 났습니다");
        break;
    case QFileDevice::WriteError:
        what = QStringLiteral("쓰는 중 오류가 났습니다");
        break;
    case QFileDevice::PermissionsError:
        what = QStringLiteral("권한이 없습니다");
        break;
    case QFileDevice::RenameError:
        what = QStringLiteral("새 파일로 바꿀 수 없습니다");
        break;
    default:
        what = QStringLiteral("알 수 없는 오류");
        break;
    }
    const QString system = f.errorString();
    return system.isEmpty() ? what : what + QStringLiteral(" (") + system + QLatin1Char(')');
}

QString sizeLimitText() {
    return QStringLiteral("파일이 너무 큽니다 (최대 %1MB)").arg(kMaxZepFileSize / (1024 * 1024));
}

} // namespace

QString formatSingle(float v) {
    return formatNumber(v, 7);
}
QString formatDouble(double v) {
    return formatNumber(v, 15);
}

QString relativePicturePath(const QString& path, const QString& appPath) {
    const QString app = normalisedAppPath(appPath);
    // Only a path inside the folder: "/opt/zep2/a.jpg" is not below "/opt/zep".
    // A remainder with its own backslashes would read back as other folders.
    if (!app.isEmpty() && app != QLatin1String("/") && path.size() > app.size() &&
        path.startsWith(app, Qt::CaseSensitive) && path[app.size()] == QLatin1Char('/')) {
        const QString rest = path.mid(app.size());
        if (!rest.contains(QLatin1Char('\\'))) {
            QString stored = rest;
            stored.replace(QLatin1Char('/'), QLatin1Char('\\'));
            return stored;
        }
    }
    return path;
}

QString resolvePicturePath(const QString& stored, const QString& appPath) {
    if (!stored.startsWith(QLatin1Char('\\'))) return stored;
    QString rest = stored;
    rest.replace(QLatin1Char('\\'), QLatin1Char('/'));
    return normalisedAppPath(appPath) + rest;
}

QByteArray serializeDocument(const Document& doc, const QString& appPath) {
    return encodeFileText(Writer(doc, appPath).text({}));
}

bool WriteDocument(Document& doc, const QString& appPath, const QString& path, QString* error,
                   const ProgressFn& progress) {
    const QByteArray bytes = encodeFileText(Writer(doc, appPath).text(progress));
    auto fail = [&](const QString& reason) {
        if (error)
            *error =
                QStringLiteral("%1 파일을 저장할 수 없습니다: %2").arg(fileLabel(path), reason);
        return false;
    };
    const QFileInfo info(path);
    if (info.isDir()) return fail(QStringLiteral("같은 이름의 폴더가 있습니다"));
    const QFileInfo dir(info.absolutePath());
    if (!dir.isDir()) return fail(QStringLiteral("저장할 폴더가 없습니다"));
    QSaveFile f(path);
    // Unbuffered: a buffered write that fails while flushing is not seen by
    // commit() in Qt 6.4, which then puts the cut-short file in place.
    if (!f.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) return fail(ioReason(f));
    if (f.write(bytes) != bytes.size() || !f.flush()) {
        const QString reason = ioReason(f);
        f.cancelWriting();
        return fail(reason);
    }
    if (!f.commit()) return fail(ioReason(f));
    doc.mv내용수정 = false;
    return true;
}

bool parseDocument(Document& doc, const QString& appPath, const QByteArray& bytes,
                   ReadReport* report, const ProgressFn& progress) {
    doc.clear();
    doc.gZoom = 100; // objects are made at 100 %; the caller zooms afterwards
    Reader reader(doc, appPath, report);
    if (bytes.size() > kMaxZepFileSize) {
        reader.warn(sizeLimitText());
        return false;
    }
    qsizetype invalid = 0;
    const QString text = decodeFileText(bytes, &invalid);
    if (invalid > 0) reader.warn(QStringLiteral("읽을 수 없는 글자를 �로 바꾸었습니다."));
    reader.run(text, progress);
    doc.mv내용수정 = false;
    return true;
}

bool ReadDocument(Document& doc, const QString& appPath, const QString& path, QString* error,
                  ReadReport* report, const ProgressFn& progress) {
    doc.clear();
    doc.gZoom = 100;
    auto fail = [&](const QString& reason) {
        if (error)
            *error = QStringLiteral("%1 파일을 열 수 없습니다: %2").arg(fileLabel(path), reason);
        return false;
    };
    const QFileInfo info(path);
    if (!info.exists()) return fail(QStringLiteral("파일이 없습니다"));
    if (info.isDir()) return fail(QStringLiteral("폴더입니다"));
    // A pipe or a device could block or never end.
    if (!info.isFile()) return fail(QStringLiteral("일반 파일이 아닙니다"));
    if (info.size() > kMaxZepFileSize) return fail(sizeLimitText());
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) return fail(ioReason(f));
    const QByteArray bytes = f.read(kMaxZepFileSize + 1);
    if (f.error() != QFileDevice::NoError) return fail(ioReason(f));
    if (bytes.size() > kMaxZepFileSize) return fail(sizeLimitText());
    return parseDocument(doc, appPath, bytes, report, progress);
}

} // namespace zep
