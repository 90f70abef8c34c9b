#include "ReaderStart.h"

#include "BookText.h"
#include "ErrorDisplay.h"

#include "browser/WebBrowser.h"

#include "book/Folders.h"
#include "book/ReplacementFile.h"

#include <QFile>
#include <QStringDecoder>

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
                                              const std::function<std::string()>& findFolder) {
    std::optional<ReaderStart> start;
    runGuarded(dialogs, [&] {
        ReaderStart ready;
        ready.programFolder = findFolder();
        requireUtf8Name(ready.programFolder);
        ready.bookLock =
            std::make_unique<book::SingleReaderLock>(book::bookFolderOf(ready.programFolder));
        if (ready.bookLock->locked()) {
            // The book is ours alone now: what a reader killed while writing left is litter.
            book::removeAbandonedReplacements(book::bookFolderOf(ready.programFolder) +
                                              book::kWorkingPageName);
        }
        start = std::move(ready);
    });
    return start;
}

browser::BookPages bookPagesBeside(const QString& programFolder) {
    const std::string bookFolder = book::bookFolderOf(nativePath(programFolder));
    return {{pathFromNative(bookFolder), browser::blankPageBeside(programFolder)}, kBookCodePage};
}

} // namespace ui
