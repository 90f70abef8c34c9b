// Varnel: a reader for one book of articles on programming algorithms.
#include "BookText.h"
#include "Dialogs.h"
#include "ReaderStart.h"
#include "SessionEnd.h"
#include "TForm1.h"
#include "accessibility/Accessibility.h"

#include "browser/EngineLoader.h"

#include "book/Folders.h"
#include "book/WorkingFolder.h"
#include "fileio/FileDescriptor.h"

#include <QApplication>
#include <QIcon>
#include <unistd.h>

int main(int argc, char** argv) {
    // A file size limit would otherwise end the reader in the middle of writing a page.
    fileio::reportOversizedWritesAsErrors();
    // The web engine will not start its sandbox for root; without this it would not start.
    if (::geteuid() == 0) {
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    }
    QApplication application(argc, argv);
    // At the session's end every window closes as by its close button, dialogs included.
    const ui::SessionEnd sessionEnd([] {
        QApplication::closeAllWindows();
        QApplication::exit(0);
    });
    QApplication::setApplicationName(QStringLiteral("varnel"));
    QApplication::setApplicationDisplayName(QStringLiteral("Varnel"));
    // Desktops match the window to its desktop entry, and so to its icon, by this name.
    QGuiApplication::setDesktopFileName(QStringLiteral(VARNEL_APP_ID));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/varnel/icon.png")));
    ui::accessibility::installReaderFactory();

    ui::QtDialogs dialogs;
    const std::optional<ui::ReaderStart> start = ui::prepareReaderStart(
        dialogs, book::GetProgramFolder, book::UserFolders::fromEnvironment());
    if (!start) {
        return 1;
    }
    const QString programFolder = ui::pathFromNative(start->programFolder);
    ui::TForm1 form(
        dialogs,
        browser::engineModuleViewFactory(
            browser::engineModulePathBeside(programFolder),
            ui::bookPagesBeside(programFolder, ui::pathFromNative(start->workingFolder))),
        start->programFolder, start->folder);
    form.show();
    return QApplication::exec();
}
