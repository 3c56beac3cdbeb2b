#include "batch/BatchFile.h"

#include <QCoreApplication>
#include <QFile>

#include <algorithm>
#include <cerrno>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace BatchFile {

namespace {

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

QString tr(const char *text)
{
    return QCoreApplication::translate("BatchFile", text);
}

} // namespace

std::variant<QByteArray, QString> read(const QString &path)
{
    // Without O_NONBLOCK, opening a FIFO waits for a writer; the type is
    // checked on what was opened, so nothing can be swapped in between.
    const Descriptor file(::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY));
    if (file.fd() < 0)
        return qt_error_string(errno);
    struct stat status = {};
    if (::fstat(file.fd(), &status) != 0)
        return qt_error_string(errno);
    if (!S_ISREG(status.st_mode))
        return tr("Not a regular file");
    QByteArray bytes;
    bytes.reserve(std::min<qint64>(status.st_size, kMaxBytes) + 1);
    char chunk[64 * 1024];
    // One byte past the limit tells a file over it, whatever size it claims.
    while (bytes.size() <= kMaxBytes) {
        const qint64 wanted = std::min<qint64>(sizeof chunk, kMaxBytes + 1 - bytes.size());
        const ssize_t got = ::read(file.fd(), chunk, static_cast<size_t>(wanted));
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            return qt_error_string(errno);
        if (got == 0)
            return bytes;
        bytes.append(chunk, got);
    }
    return tr("Larger than %1 MiB").arg(kMaxBytes / (1024 * 1024));
}

} // namespace BatchFile
