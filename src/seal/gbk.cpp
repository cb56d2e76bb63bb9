#include "seal/gbk.h"

#include <iconv.h>

#include <cerrno>
#include <mutex>

namespace qm::Gbk {
namespace {

// One converter per direction, guarded: iconv descriptors carry shift state and are not
// safe to share between threads.
struct Converter {
    Converter(const char *to, const char *from) : cd(iconv_open(to, from)) {}
    ~Converter()
    {
        if (cd != reinterpret_cast<iconv_t>(-1))
            iconv_close(cd);
    }
    iconv_t cd;
    std::mutex lock;
};

Converter &decoder()
{
    static Converter c("UTF-16LE", "CP936");
    return c;
}

Converter &encoder()
{
    static Converter c("CP936", "UTF-16LE");
    return c;
}

// Converts as much as possible; on an invalid sequence emits `replacement` and skips
// `skipUnit` input bytes, then goes on.
QByteArray convert(Converter &conv, const QByteArray &in, const QByteArray &replacement, size_t skipUnit)
{
    QByteArray out;
    if (in.isEmpty() || conv.cd == reinterpret_cast<iconv_t>(-1))
        return out;
    std::lock_guard guard(conv.lock);
    iconv(conv.cd, nullptr, nullptr, nullptr, nullptr);
    char *src = const_cast<char *>(in.constData());
    size_t srcLeft = static_cast<size_t>(in.size());
    char buffer[1024];
    while (srcLeft > 0) {
        char *dst = buffer;
        size_t dstLeft = sizeof buffer;
        const size_t r = iconv(conv.cd, &src, &srcLeft, &dst, &dstLeft);
        out.append(buffer, static_cast<qsizetype>(dst - buffer));
        if (r != static_cast<size_t>(-1))
            break;
        if (errno == E2BIG)
            continue;
        // EILSEQ or EINVAL (truncated tail): replace and skip.
        out.append(replacement);
        const size_t skip = std::min(skipUnit, srcLeft);
        src += skip;
        srcLeft -= skip;
        iconv(conv.cd, nullptr, nullptr, nullptr, nullptr);
    }
    char *dst = buffer;
    size_t dstLeft = sizeof buffer;
    iconv(conv.cd, nullptr, nullptr, &dst, &dstLeft);
    out.append(buffer, static_cast<qsizetype>(dst - buffer));
    return out;
}

} // namespace

QString toUnicode(const QByteArray &gbk)
{
    static const QByteArray replacement("\xFD\xFF", 2); // U+FFFD little-endian
    const QByteArray utf16 = convert(decoder(), gbk, replacement, 1);
    return QString(reinterpret_cast<const QChar *>(utf16.constData()), utf16.size() / 2);
}

QByteArray fromUnicode(const QString &text)
{
    const QByteArray utf16(reinterpret_cast<const char *>(text.utf16()), text.size() * 2);
    return convert(encoder(), utf16, QByteArray("?"), 2);
}

bool isDoubleByte(QChar c)
{
    if (c.unicode() < 0x80)
        return false;
    return fromUnicode(QString(c)).size() > 1;
}

} // namespace qm::Gbk
