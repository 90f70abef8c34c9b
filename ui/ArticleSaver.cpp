#include "ArticleSaver.h"

#include "ErrorDisplay.h"

#include <QFile>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace {

QString systemText(int error) {
    return QString::fromLocal8Bit(std::strerror(error));
}

// Why a file could not be made or written at the target.
QString targetReason(int error) {
    switch (error) {
    case EEXIST:
        return QStringLiteral("the file already exists");
    case EACCES:
    case EPERM:
        return QStringLiteral("the folder cannot be written");
    case EROFS:
        return QStringLiteral("the disk is read-only");
    case ENOENT:
    case ENOTDIR:
        return QStringLiteral("the folder does not exist");
    case ENOSPC:
    case EDQUOT:
        return QStringLiteral("the disk is full");
    case ENAMETOOLONG:
        return QStringLiteral("the name is too long");
    default:
        return QStringLiteral("writing failed: %1").arg(systemText(error));
    }
}

QString sourceReason(int error, const QByteArray& source) {
    const QString page = QFile::decodeName(source);
    if (error == ENOENT) {
        return QStringLiteral("the page to save, %1, is missing").arg(page);
    }
    return QStringLiteral("the page to save, %1, cannot be read: %2").arg(page, systemText(error));
}

[[noreturn]] void fail(const QByteArray& target, const QString& reason) {
    throw WindowError(
        QStringLiteral("Cannot save to %1: %2").arg(QFile::decodeName(target), reason));
}

// Closes a descriptor on every way out of the copy.
class Descriptor {
public:
    explicit Descriptor(int descriptor) : descriptor_(descriptor) {}
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    ~Descriptor() {
        if (descriptor_ >= 0) {
            ::close(descriptor_);
        }
    }
    int get() const { return descriptor_; }
    // Closes now; the result tells whether the last writes reached the file.
    int close() {
        const int result = ::close(descriptor_);
        descriptor_ = -1;
        return result;
    }

private:
    int descriptor_;
};

bool writeAll(int descriptor, const char* bytes, size_t count) {
    while (count > 0) {
        const ssize_t written = ::write(descriptor, bytes, count);
        if (written < 0) {
            if (errno == EINTR) {
                continue;
            }
            return false;
        }
        bytes += written;
        count -= static_cast<size_t>(written);
    }
    return true;
}

// The target is ours once created, so a failure may remove it.
[[noreturn]] void abandon(Descriptor& out, const QByteArray& target, const QString& reason) {
    out.close();
    ::unlink(target.constData());
    fail(target, reason);
}

} // namespace

void copyToNewFile(const QByteArray& source, const QByteArray& target) {
    Descriptor in(::open(source.constData(), O_RDONLY | O_CLOEXEC));
    if (in.get() < 0) {
        fail(target, sourceReason(errno, source));
    }
    // O_EXCL: the check for an existing file and the creation are one step.
    Descriptor out(::open(target.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666));
    if (out.get() < 0) {
        fail(target, targetReason(errno));
    }

    char block[64 * 1024];
    for (;;) {
        const ssize_t got = ::read(in.get(), block, sizeof block);
        if (got < 0) {
            if (errno == EINTR) {
                continue;
            }
            abandon(out, target, sourceReason(errno, source));
        }
        if (got == 0) {
            break;
        }
        if (!writeAll(out.get(), block, static_cast<size_t>(got))) {
            abandon(out, target, targetReason(errno));
        }
    }
    if (out.close() != 0) {
        const int error = errno;
        ::unlink(target.constData());
        fail(target, targetReason(error));
    }
}
