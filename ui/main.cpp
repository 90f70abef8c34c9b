// Varnel: a reader for one book of articles on programming algorithms.
#include "Accessibility.h"
#include "Dialogs.h"
#include "EngineLoader.h"
#include "TForm1.h"

#include "book/Folders.h"

#include <QApplication>
#include <QFile>
#include <QIcon>
#include <unistd.h>

int main(int argc, char** argv) {
    // The web engine will not start its sandbox for root; without this it would not start.
    if (::geteuid() == 0) {
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    }
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("varnel"));
    QApplication::setApplicationDisplayName(QStringLiteral("Varnel"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/varnel/icon.png")));
    accessibility::installReaderFactory();

    const std::string programFolder = book::GetProgramFolder();
    QtDialogs dialogs;
    TForm1 form(dialogs,
                engineModuleViewFactory(engineModulePathBeside(
                    QFile::decodeName(QByteArray::fromStdString(programFolder)))),
                programFolder);
    form.show();
    return QApplication::exec();
}
