#include "shell/Fonts.h"

#include <QFontDatabase>

namespace zep {

const std::initializer_list<FontAlias>& fontAliases() {
    static const std::initializer_list<FontAlias> aliases = {
        {"굴림", "NanumGothic"},        {"굴림체", "NanumGothicCoding"},
        {"돋움", "NanumGothic"},        {"돋움체", "NanumGothicCoding"},
        {"바탕", "NanumMyeongjo"},      {"바탕체", "NanumMyeongjo"},
        {"궁서", "Nanum Brush Script"}, {"평붓", "Nanum Brush Script"},
    };
    return aliases;
}

void installFontSubstitutions() {
    for (const auto& a : fontAliases()) {
        const QString win = QString::fromUtf8(a.windowsName);
        if (QFont::substitutes(win).isEmpty())
            QFont::insertSubstitution(win, QString::fromUtf8(a.nanumFamily));
    }
}

QFont documentFont(const QString& name, double pointSize, bool bold, bool italic, bool underline) {
    QFont f(name);
    f.setPointSizeF(pointSize > 0 ? pointSize : 1.0);
    f.setBold(bold);
    f.setItalic(italic);
    f.setUnderline(underline);
    return f;
}

QStringList installedFontNames() {
    QStringList out;
    const QStringList families = QFontDatabase::families();
    for (const auto& a : fontAliases()) {
        if (families.contains(QString::fromUtf8(a.nanumFamily)))
            out << QString::fromUtf8(a.windowsName);
    }
    for (const QString& f : families) {
        if (!out.contains(f)) out << f;
    }
    return out;
}

} // namespace zep
