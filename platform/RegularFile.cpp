#include "platform/RegularFile.h"

#include <QFile>

#include <algorithm>
#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

QString SystemError(int code)
{
    return QString::fromLocal8Bit(std::strerror(code));
}

class TFd {
public:
    explicit TFd(int fd)
        : fd_(fd)
    {
    }
    ~TFd()
    {
        if (fd_ >= 0)
            ::close(fd_);
    }
    TFd(const TFd&) = delete;
    TFd& operator=(const TFd&) = delete;
    int get() const { return fd_; }

private:
    int fd_;
};

} // namespace

TRegularFileRead ReadRegularFile(const QString& path, qint64 limit)
{
    TRegularFileRead r;
    // O_NONBLOCK: opening a named pipe without a writer, or a device that
    // waits for a carrier, returns at once; the type check below refuses it.
    const TFd fd(::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY));
    if (fd.get() < 0) {
        const int openError = errno;
        // A socket cannot be opened at all; say what it is rather than
        // "No such device or address".
        struct stat st { };
        const bool special = ::stat(QFile::encodeName(path).constData(), &st) == 0 && !S_ISREG(st.st_mode);
        r.status = special ? TRegularFileRead::NotRegular : TRegularFileRead::OpenFailed;
        r.error = SystemError(openError);
        return r;
    }
    struct stat st { };
    if (::fstat(fd.get(), &st) != 0) {
        r.status = TRegularFileRead::ReadFailed;
        r.error = SystemError(errno);
        return r;
    }
    if (!S_ISREG(st.st_mode)) {
        r.status = TRegularFileRead::NotRegular;
        return r;
    }
    r.size = st.st_size;
    if (st.st_size > limit) {
        r.status = TRegularFileRead::TooLarge;
        return r;
    }
    // The size is a hint: the file may grow or shrink while it is read.
    // Read until the end, but never more than limit + 1 bytes.
    const qint64 cap = limit + 1;
    QByteArray data;
    data.resize(qsizetype(std::min<qint64>(std::max<qint64>(st.st_size, 0) + 1, cap)));
    qint64 got = 0;
    for (;;) {
        if (got == data.size()) {
            if (got >= cap)
                break;
            data.resize(qsizetype(std::min<qint64>(std::max<qint64>(got * 2, 4096), cap)));
        }
        const ssize_t n = ::read(fd.get(), data.data() + got, std::size_t(data.size() - got));
        if (n < 0) {
            if (errno == EINTR)
                continue;
            r.status = TRegularFileRead::ReadFailed;
            r.error = SystemError(errno);
            return r;
        }
        if (n == 0)
            break;
        got += n;
    }
    if (got > limit) {
        r.status = TRegularFileRead::TooLarge;
        r.size = got;
        return r;
    }
    data.resize(qsizetype(got));
    r.data = std::move(data);
    r.size = got;
    return r;
}

QString RegularFileReadError(const TRegularFileRead& read, qint64 limit, const QString& what)
{
    constexpr qint64 kMB = 1024 * 1024;
    switch (read.status) {
    case TRegularFileRead::Ok: return {};
    case TRegularFileRead::OpenFailed:
    case TRegularFileRead::ReadFailed: return read.error;
    case TRegularFileRead::NotRegular:
        return QStringLiteral("It is not a regular file (a device, a pipe, a socket or a folder).");
    case TRegularFileRead::TooLarge:
        if (read.size > limit + 1)
            return QStringLiteral("It is too large for %1 (%2 MB; at most %3 MB).")
                .arg(what)
                .arg(read.size / kMB)
                .arg(limit / kMB);
        return QStringLiteral("It is too large for %1 (more than %2 MB).").arg(what).arg(limit / kMB);
    }
    return {};
}

bool IsRegularFile(const QString& path)
{
    struct stat st { };
    return ::stat(QFile::encodeName(path).constData(), &st) == 0 && S_ISREG(st.st_mode);
}
