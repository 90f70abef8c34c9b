#include "ReaderStart.h"

#include "BookText.h"
#include "ErrorDisplay.h"

#include "browser/WebBrowser.h"

#include "book/Folders.h"
#include "book/ReplacementFile.h"

#include <QFile>
#include <QStringDecoder>
#include <unistd.h>

namespace ui {

namespace {

// Qt names files in UTF-8; a folder name that is not would reach the web view as another
// name, and neither the engine module nor any page would be found.
void requireUtf8Name(const std::string& folder) {
    QStringDecoder utf8(QStringDecoder::Utf8, QStringConverter::Flag::Stateless);
    const QString name = utf8.decode(QByteArrayView(folder.data(), qsizetype(folder.size())));
    if (utf8.hasError()) {
        throw WindowError(QStringLiteral("The reader cannot show its pages from the folder "
                                         "\"%1\": the folder's name is not valid UTF-8. Rename "
                                         "the folder or move the reader to another one")
                              .arg(name));
    }
}

} // namespace

std::optional<ReaderStart> prepareReaderStart(Dialogs& dialogs,
                                              const std::function<std::string()>& findFolder,
                                              const book::UserFolders& user) {
    std::optional<ReaderStart> start;
    runGuarded(dialogs, [&] {
        ReaderStart ready;
        ready.programFolder = findFolder();
        requireUtf8Name(ready.programFolder);
        std::shared_ptr<const book::WorkingFolder> folder = book::workingFolderFor(
            book::bookFolderOf(ready.programFolder), user, book::layoutOf(ready.programFolder));
        ready.workingFolder = folder->path();
        // The page is shown from there too.
        requireUtf8Name(ready.workingFolder);
        ready.bookLock = std::make_unique<book::SingleReaderLock>(*folder);
        if (ready.bookLock->locked()) {
            // The book is ours alone now: what a reader killed while writing, or one that
            // lost its display, left is litter.
            const book::FileInFolder page{folder->at(), folder->nameOf(book::kWorkingPageName),
                                          ready.workingFolder + book::kWorkingPageName};
            book::removeAbandonedReplacements(page);
            ::unlinkat(page.folder, page.name.c_str(), 0);
        }
        ready.folder = std::move(folder);
        start = std::move(ready);
    });
    return start;
}

browser::BookPages bookPagesBeside(const QString& programFolder, const QString& workingFolder) {
    const std::string bookFolder = book::bookFolderOf(nativePath(programFolder));
    const QString working = workingFolder.isEmpty() ? pathFromNative(bookFolder) : workingFolder;
    return {{pathFromNative(bookFolder), browser::blankPageBeside(programFolder),
             working + QString::fromLatin1(book::kWorkingPageName)},
            kBookCodePage};
}

} // namespace ui
