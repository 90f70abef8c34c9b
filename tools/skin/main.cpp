// varnel-skin: writes the window's skin pictures, or checks that stored ones are up to date.
#include "SkinPictures.h"

#include <QDir>
#include <QFile>

#include <cstdio>
#include <cstring>

namespace {

int usage() {
    std::fprintf(stderr, "usage: varnel-skin write FOLDER\n"
                         "       varnel-skin check FOLDER\n");
    return 2;
}

int write(const QDir& folder) {
    if (!folder.mkpath(QStringLiteral("."))) {
        std::fprintf(stderr, "cannot make %s\n", qPrintable(folder.path()));
        return 1;
    }
    for (const auto& picture : skin::skinPictures()) {
        QFile file(folder.filePath(picture.fileName));
        if (!file.open(QIODevice::WriteOnly) || file.write(skin::bmpBytes(picture.image)) < 0) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(file.fileName()));
            return 1;
        }
    }
    return 0;
}

int check(const QDir& folder) {
    int stale = 0;
    for (const auto& picture : skin::skinPictures()) {
        QFile file(folder.filePath(picture.fileName));
        if (!file.open(QIODevice::ReadOnly) || file.readAll() != skin::bmpBytes(picture.image)) {
            std::fprintf(stderr, "%s is missing or differs from the generator\n",
                         qPrintable(file.fileName()));
            ++stale;
        }
    }
    return stale == 0 ? 0 : 1;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        return usage();
    }
    const QDir folder(QFile::decodeName(argv[2]));
    if (std::strcmp(argv[1], "write") == 0) {
        return write(folder);
    }
    if (std::strcmp(argv[1], "check") == 0) {
        return check(folder);
    }
    return usage();
}
