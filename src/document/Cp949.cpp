#include "document/Cp949.h"

#include <cerrno>
#include <iconv.h>

namespace zep {

namespace {

class Converter {
public:
    Converter(const char* to, const char* from) : cd_(iconv_open(to, from)) {}
    ~Converter() {
        if (ok()) iconv_close(cd_);
    }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;
    bool ok() const { return cd_ != reinterpret_cast<iconv_t>(-1); }
    iconv_t get() const { return cd_; }

private:
    iconv_t cd_;
};

// Runs iconv over the whole input. onBad is called for an invalid or
// truncated sequence at *in; it returns false to give up, true after skipping.
template <typename OnBad>
bool convert(iconv_t cd, const QByteArray& input, QByteArray* out, OnBad onBad) {
    out->clear();
    out->resize(input.size() * 2 + 16);
    char* in = const_cast<char*>(input.constData());
    size_t inLeft = static_cast<size_t>(input.size());
    size_t used = 0;
    while (inLeft > 0) {
        char* dst = out->data() + used;
        size_t dstLeft = static_cast<size_t>(out->size()) - used;
        const size_t r = iconv(cd, &in, &inLeft, &dst, &dstLeft);
        used = static_cast<size_t>(out->size()) - dstLeft;
        if (r != static_cast<size_t>(-1)) break;
        if (errno == E2BIG) {
            out->resize(out->size() * 2);
            continue;
        }
        if (errno != EILSEQ && errno != EINVAL) return false;
        out->resize(static_cast<qsizetype>(used));
        if (!onBad(&in, &inLeft, out)) return false;
        used = static_cast<size_t>(out->size());
        out->resize(out->size() + static_cast<qsizetype>(inLeft) * 2 + 16);
        iconv(cd, nullptr, nullptr, nullptr, nullptr); // back to the initial state
    }
    out->resize(static_cast<qsizetype>(used));
    return true;
}

} // namespace

bool encodeCp949(const QString& text, QByteArray* out) {
    out->clear();
    Converter cv("CP949", "UTF-8");
    if (!cv.ok()) return false;
    QByteArray result;
    const bool ok = convert(cv.get(), text.toUtf8(), &result,
                            [](char**, size_t*, QByteArray*) { return false; });
    if (ok) *out = result;
    return ok;
}

QString decodeCp949(const QByteArray& bytes, qsizetype* invalid) {
    if (invalid) *invalid = 0;
    Converter cv("UTF-8", "CP949");
    if (!cv.ok()) return QString(bytes.size(), QChar::ReplacementCharacter);
    QByteArray utf8;
    qsizetype bad = 0;
    // Skip one byte only: the byte after a bad lead may start a valid character.
    convert(cv.get(), bytes, &utf8, [&bad](char** in, size_t* inLeft, QByteArray* out) {
        out->append("\xEF\xBF\xBD");
        ++*in;
        --*inLeft;
        ++bad;
        return true;
    });
    if (invalid) *invalid = bad;
    return QString::fromUtf8(utf8);
}

} // namespace zep
