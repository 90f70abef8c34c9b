#include "ArticleSaver.h"

#include "ErrorDisplay.h"

#include "fileio/FileDescriptor.h"

#include <QFile>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace ui {

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
    if (error == EISDIR || error == EINVAL) {
        return QStringLiteral("the page to save, %1, is not a regular file").arg(page);
    }
    return QStringLiteral("the page to save, %1, cannot be read: %2").arg(page, systemText(error));
}

[[noreturn]] void fail(const QByteArray& target, const QString& reason) {
    throw WindowError(
        QStringLiteral("Cannot save to %1: %2").arg(QFile::decodeName(target), reason));
}

// The target is ours once created, so a failure may remove it.
[[noreturn]] void abandon(fileio::FileDescriptor& out, const QByteArray& target,
                          const QString& reason) {
    out.closeNow();
    ::unlink(target.constData());
    fail(target, reason);
}

} // namespace

void copyToNewFile(const QByteArray& source, const QByteArray& target) {
    copyToNewFile(book::FileInFolder::atPath(source.toStdString()), target);
}

void copyToNewFile(const book::FileInFolder& sourceFile, const QByteArray& target) {
    const QByteArray source = QByteArray::fromStdString(sourceFile.path);
    fileio::FileDescriptor in(
        fileio::openRegularFileForReadingAt(sourceFile.folder, sourceFile.name.c_str()));
    if (in.get() < 0) {
        fail(target, sourceReason(errno, source));
    }
    // O_EXCL: the check for an existing file and the creation are one step.
    fileio::FileDescriptor out(
        ::open(target.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666));
    if (out.get() < 0) {
        fail(target, targetReason(errno));
    }

    const fileio::CopyResult copied = fileio::copyAll(in.get(), out.get());
    if (copied.step == fileio::CopyResult::Reading) {
        abandon(out, target, sourceReason(copied.error, source));
    }
    if (copied.step == fileio::CopyResult::Writing) {
        abandon(out, target, targetReason(copied.error));
    }
    if (out.closeNow() != 0) {
        const int error = errno;
        ::unlink(target.constData());
        fail(target, targetReason(error));
    }
}

} // namespace ui
