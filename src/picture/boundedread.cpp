#include "picture/boundedread.h"

#include <QFile>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <limits>
#include <sys/stat.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace qm {
namespace {

FileReadResult failure(FileReadError error, int code = 0)
{
    FileReadResult r;
    r.error = error;
    if (code != 0)
        r.reason = QString::fromLocal8Bit(std::strerror(code));
    return r;
}

class Descriptor
{
public:
    explicit Descriptor(int fd) : m_fd(fd) {}
    ~Descriptor()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    Descriptor(const Descriptor &) = delete;
    Descriptor &operator=(const Descriptor &) = delete;
    int fd() const { return m_fd; }

private:
    int m_fd;
};

// Reads at most limit bytes; whole says whether a file longer than that is refused.
FileReadResult readBounded(const QString &path, qint64 limit, bool whole)
{
    if (path.isEmpty())
        return failure(FileReadError::Missing, ENOENT);
    const QByteArray name = QFile::encodeName(path);
    int fd;
    do
        fd = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    while (fd < 0 && errno == EINTR);
    if (fd < 0) {
        const int code = errno;
        return failure(code == ENOENT || code == ENOTDIR ? FileReadError::Missing : FileReadError::Unreadable, code);
    }
    const Descriptor file(fd);
    struct stat st = {};
    if (::fstat(fd, &st) != 0)
        return failure(FileReadError::Unreadable, errno);
    if (!S_ISREG(st.st_mode))
        return failure(FileReadError::NotRegular);
    limit = std::max<qint64>(limit, 0);
    if (whole && st.st_size > limit)
        return failure(FileReadError::TooLarge);

    // One byte beyond the limit tells a file that grew meanwhile from one that fits.
    const qint64 wanted = whole ? std::min<qint64>(limit, std::numeric_limits<qint64>::max() - 1) + 1 : limit;
    FileReadResult r;
    r.bytes.reserve(qsizetype(std::min<qint64>(std::min<qint64>(st.st_size, limit), 64LL << 20)));
    char chunk[65536];
    while (r.bytes.size() < wanted) {
        const size_t ask = size_t(std::min<qint64>(qint64(sizeof chunk), wanted - r.bytes.size()));
        const ssize_t n = ::read(fd, chunk, ask);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return failure(FileReadError::Unreadable, errno);
        }
        if (n == 0)
            break;
        r.bytes.append(chunk, qsizetype(n));
    }
    if (whole && r.bytes.size() > limit)
        return failure(FileReadError::TooLarge);
    return r;
}

} // namespace

FileReadResult readRegularFile(const QString &path, qint64 maxBytes)
{
    return readBounded(path, maxBytes, true);
}

FileReadResult readRegularFileStart(const QString &path, qint64 count)
{
    return readBounded(path, count, false);
}

QString fileReadRefusal(const QString &path, const FileReadResult &result, qint64 maxBytes)
{
    switch (result.error) {
    case FileReadError::None:
        return {};
    case FileReadError::Missing:
        return u"%1 does not exist"_s.arg(path);
    case FileReadError::NotRegular:
        return u"%1 is not a regular file"_s.arg(path);
    case FileReadError::TooLarge:
        return u"%1 is larger than %2 bytes"_s.arg(path).arg(maxBytes);
    case FileReadError::Unreadable:
        return u"cannot read %1: %2"_s.arg(path, result.reason);
    }
    return {};
}

} // namespace qm
