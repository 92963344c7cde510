#include "shell/Numbers.h"

#include <cfenv>

namespace zep {

double leadingNumber(const QString& text) {
    int i = 0;
    const int n = text.size();
    while (i < n && (text[i] == ' ' || text[i] == '\t'))
        ++i;
    QString num;
    if (i < n && (text[i] == '-' || text[i] == '+')) num += text[i++];
    bool digits = false;
    while (i < n && text[i].isDigit() && text[i].unicode() < 128) {
        num += text[i++];
        digits = true;
    }
    if (i < n && text[i] == '.') {
        num += text[i++];
        while (i < n && text[i].isDigit() && text[i].unicode() < 128) {
            num += text[i++];
            digits = true;
        }
    }
    if (!digits) return 0.0;
    if (i < n && (text[i] == 'e' || text[i] == 'E')) {
        int j = i + 1;
        QString exp = "e";
        if (j < n && (text[j] == '-' || text[j] == '+')) exp += text[j++];
        bool expDigits = false;
        while (j < n && text[j].isDigit() && text[j].unicode() < 128) {
            exp += text[j++];
            expDigits = true;
        }
        if (expDigits) num += exp;
    }
    bool ok = false;
    const double v = num.toDouble(&ok);
    if (!ok || !std::isfinite(v)) return 0.0;
    return v;
}

QString wholeText(double v) {
    const double r = roundHalfEven(v);
    if (!std::isfinite(r)) return QStringLiteral("0");
    return QString::number(static_cast<long long>(r));
}

} // namespace zep
