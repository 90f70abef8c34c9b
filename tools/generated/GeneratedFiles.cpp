#include "GeneratedFiles.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryFile>
#include <cerrno>
#include <cstdio>
#include <cstring>

namespace generated {

namespace {

int usage(const char* program) {
    std::fprintf(stderr, "usage: %s write FOLDER\n       %s check FOLDER\n", program, program);
    return 2;
}

int write(const QDir& folder, const char* program, const std::vector<GeneratedFile>& files) {
    if (!folder.mkpath(QStringLiteral("."))) {
        std::fprintf(stderr, "%s: cannot make %s\n", program, qPrintable(folder.path()));
        return 1;
    }
    for (const auto& [name, bytes] : files) {
        // Written whole under a new name, then renamed over the old file: a link there is
        // replaced, never written through.
        const QString target = folder.filePath(name);
        QTemporaryFile file(folder.filePath(QStringLiteral(".%1.XXXXXX").arg(name)));
        if (!file.open() || file.write(bytes) != bytes.size() || !file.flush()) {
            std::fprintf(stderr, "%s: cannot write %s: %s\n", program, qPrintable(target),
                         qPrintable(file.errorString()));
            return 1;
        }
        file.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup |
                            QFile::ReadOther);
        if (std::rename(QFile::encodeName(file.fileName()).constData(),
                        QFile::encodeName(target).constData()) != 0) {
            std::fprintf(stderr, "%s: cannot write %s: %s\n", program, qPrintable(target),
                         std::strerror(errno));
            return 1;
        }
        file.setAutoRemove(false);
    }
    return 0;
}

// A PNG is the same when its pixels are: another version of the encoder may compress the
// same picture into other bytes.
bool sameContent(const QString& name, const QByteArray& stored, const QByteArray& drawn) {
    if (stored == drawn) {
        return true;
    }
    if (!name.endsWith(QStringLiteral(".png"))) {
        return false;
    }
    const QImage storedImage = QImage::fromData(stored, "PNG");
    const QImage drawnImage = QImage::fromData(drawn, "PNG");
    // The palette is part of what is stored: a picture of 256 colours must stay one.
    return !storedImage.isNull() && !drawnImage.isNull() &&
           storedImage.format() == drawnImage.format() &&
           storedImage.convertToFormat(QImage::Format_ARGB32) ==
               drawnImage.convertToFormat(QImage::Format_ARGB32);
}

int check(const QDir& folder, const std::vector<GeneratedFile>& files) {
    int stale = 0;
    for (const auto& [name, bytes] : files) {
        QFile file(folder.filePath(name));
        if (!file.open(QIODevice::ReadOnly) || !sameContent(name, file.readAll(), bytes)) {
            std::fprintf(stderr, "%s is missing or differs from the generator\n",
                         qPrintable(file.fileName()));
            ++stale;
        }
    }
    return stale == 0 ? 0 : 1;
}

} // namespace

int runGenerator(int argc, char** argv, const char* program, const Drawing& draw) {
    if (argc != 3) {
        return usage(program);
    }
    const QDir folder(QFile::decodeName(argv[2]));
    if (std::strcmp(argv[1], "write") == 0) {
        return write(folder, program, draw());
    }
    if (std::strcmp(argv[1], "check") == 0) {
        return check(folder, draw());
    }
    return usage(program);
}

} // namespace generated
