#include "document/csvtable.h"

#include <iconv.h>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace qm {
namespace {

constexpr int End = -1;

// Validates UTF-8 a byte at a time, so that a file can be checked in pieces: no overlong forms,
// no surrogates, nothing beyond U+10FFFF.
class Utf8Check
{
public:
    bool add(unsigned char b)
    {
        if (m_need == 0) {
            if (b < 0x80)
                return true;
            if (b >= 0xC2 && b <= 0xDF)
                return expect(1, 0x80, 0xBF);
            if (b == 0xE0)
                return expect(2, 0xA0, 0xBF);
            if (b == 0xED)
                return expect(2, 0x80, 0x9F);
            if (b >= 0xE1 && b <= 0xEF)
                return expect(2, 0x80, 0xBF);
            if (b == 0xF0)
                return expect(3, 0x90, 0xBF);
            if (b >= 0xF1 && b <= 0xF3)
                return expect(3, 0x80, 0xBF);
            if (b == 0xF4)
                return expect(3, 0x80, 0x8F);
            return false;
        }
        if (b < m_low || b > m_high)
            return false;
        return expect(m_need - 1, 0x80, 0xBF);
    }
    bool complete() const { return m_need == 0; }

private:
    bool expect(int need, unsigned char low, unsigned char high)
    {
        m_need = need;
        m_low = low;
        m_high = high;
        return true;
    }
    int m_need = 0;
    unsigned char m_low = 0x80;
    unsigned char m_high = 0xBF;
};

bool isUtf8(const QByteArray &bytes)
{
    Utf8Check check;
    for (char c : bytes)
        if (!check.add(static_cast<unsigned char>(c)))
            return false;
    return check.complete();
}

bool isUtf8Name(const QString &name)
{
    return name.compare(u"UTF-8"_s, Qt::CaseInsensitive) == 0 || name.compare(u"UTF8"_s, Qt::CaseInsensitive) == 0;
}

const iconv_t NoConverter = reinterpret_cast<iconv_t>(-1);

} // namespace

TableFile openTableFile(const QString &path)
{
    TableFile table;
    const auto fail = [&](FileReadError error, int code) {
        table.error = error;
        if (code != 0)
            table.reason = QString::fromLocal8Bit(std::strerror(code));
        return std::move(table);
    };
    if (path.isEmpty())
        return fail(FileReadError::Missing, ENOENT);
    int fd;
    do
        fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    while (fd < 0 && errno == EINTR);
    if (fd < 0) {
        const int code = errno;
        return fail(code == ENOENT || code == ENOTDIR ? FileReadError::Missing : FileReadError::Unreadable, code);
    }
    struct stat st = {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        const int code = S_ISREG(st.st_mode) ? errno : 0;
        ::close(fd);
        return fail(code ? FileReadError::Unreadable : FileReadError::NotRegular, code);
    }
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    table.file = std::make_unique<QFile>();
    if (!table.file->open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        table.file.reset();
        table.error = FileReadError::Unreadable;
        table.reason = u"cannot open"_s;
    }
    return table;
}

CsvReader::CsvReader(QIODevice *device, qint64 maxRecordBytes) : m_device(device), m_maxRecordBytes(maxRecordBytes)
{
}

bool CsvReader::fill()
{
    if (m_ended)
        return false;
    m_buffer = m_device->read(1 << 16);
    m_pos = 0;
    if (m_buffer.isEmpty()) {
        m_ended = true;
        const auto *file = qobject_cast<QFileDevice *>(m_device);
        if (file && file->error() != QFileDevice::NoError)
            m_error = u"cannot read the table: %1"_s.arg(file->errorString());
        return false;
    }
    return true;
}

int CsvReader::peek()
{
    if (m_pos >= m_buffer.size() && !fill())
        return End;
    return static_cast<unsigned char>(m_buffer.at(m_pos));
}

int CsvReader::take()
{
    const int c = peek();
    if (c != End)
        ++m_pos;
    return c;
}

bool CsvReader::next(CsvRecord &record)
{
    record.fields.clear();
    if (!m_error.isEmpty())
        return false;
    if (!m_started) {
        m_started = true;
        if (peek() == 0xEF && m_buffer.mid(m_pos, 3) == "\xEF\xBB\xBF")
            m_pos += 3;
    }
    // Empty lines between records are no records.
    for (;;) {
        const int c = peek();
        if (c == End)
            return false;
        if (c != '\r' && c != '\n')
            break;
        take();
        if (c == '\r' && peek() == '\n')
            take();
        ++m_line;
    }
    record.line = m_line;
    qint64 bytes = 0;
    QByteArray field;
    const auto tooLong = [&] {
        m_error = u"line %1: a record longer than %2 bytes"_s.arg(record.line).arg(m_maxRecordBytes);
        return false;
    };
    const auto nul = [&] {
        m_error = u"line %1: a NUL byte; the table is no text"_s.arg(m_line);
        return false;
    };
    for (;;) {
        int c = peek();
        if (c == '"') {
            take();
            for (;;) {
                c = take();
                if (c == End) {
                    m_error = u"line %1: a quoted field is not closed"_s.arg(record.line);
                    return false;
                }
                if (c == '"') {
                    if (peek() != '"')
                        break;
                    take();
                } else if (c == '\n' || (c == '\r' && peek() != '\n')) {
                    ++m_line;
                } else if (c == 0) {
                    return nul();
                }
                field.append(char(c));
                if (++bytes > m_maxRecordBytes)
                    return tooLong();
            }
        }
        // Unquoted text, and anything after a closing quote, is taken as it stands.
        for (c = peek(); c != End && c != ',' && c != '\r' && c != '\n'; c = peek()) {
            if (c == 0)
                return nul();
            field.append(char(take()));
            if (++bytes > m_maxRecordBytes)
                return tooLong();
        }
        record.fields.append(field);
        field.clear();
        if (c == ',') {
            take();
            continue;
        }
        if (c == '\r') {
            take();
            if (peek() == '\n')
                take();
        } else if (c == '\n') {
            take();
        }
        ++m_line;
        return m_error.isEmpty();
    }
}

TableDecoder::TableDecoder(const QString &encoding)
    : m_encoding(encoding), m_utf8(isUtf8Name(encoding)), m_converter(NoConverter)
{
    if (!m_utf8 && !encoding.isEmpty())
        m_converter = iconv_open("UTF-16LE", encoding.toLatin1().constData());
}

TableDecoder::~TableDecoder()
{
    if (m_converter != NoConverter)
        iconv_close(static_cast<iconv_t>(m_converter));
}

bool TableDecoder::isValid() const
{
    return m_utf8 || m_converter != NoConverter;
}

bool TableDecoder::decode(const QByteArray &bytes, QString *text) const
{
    if (m_utf8) {
        if (!isUtf8(bytes))
            return false;
        *text = QString::fromUtf8(bytes);
        return true;
    }
    if (m_converter == NoConverter)
        return false;
    const iconv_t cd = static_cast<iconv_t>(m_converter);
    iconv(cd, nullptr, nullptr, nullptr, nullptr);
    // Four bytes of UTF-16 per byte of input are more than any encoding needs.
    QByteArray out(bytes.size() * 4 + 4, Qt::Uninitialized);
    char *src = const_cast<char *>(bytes.constData());
    size_t srcLeft = size_t(bytes.size());
    char *dst = out.data();
    size_t dstLeft = size_t(out.size());
    if (iconv(cd, &src, &srcLeft, &dst, &dstLeft) == size_t(-1) ||
        iconv(cd, nullptr, nullptr, &dst, &dstLeft) == size_t(-1))
        return false;
    const qsizetype written = out.size() - qsizetype(dstLeft);
    *text = QString(reinterpret_cast<const QChar *>(out.constData()), written / 2);
    return true;
}

QString TableDecoder::encodingOf(QIODevice &device)
{
    Utf8Check check;
    bool valid = true;
    char chunk[65536];
    for (;;) {
        const qint64 n = device.read(chunk, sizeof chunk);
        if (n <= 0)
            break;
        // A NUL ends the look: the reader refuses such a table at once, however long it is.
        for (qint64 i = 0; valid && i < n; ++i) {
            if (chunk[i] == 0) {
                device.seek(0);
                return u"UTF-8"_s;
            }
            valid = check.add(static_cast<unsigned char>(chunk[i]));
        }
        if (!valid)
            break;
    }
    device.seek(0);
    return valid && check.complete() ? u"UTF-8"_s : u"GB18030"_s;
}

} // namespace qm
