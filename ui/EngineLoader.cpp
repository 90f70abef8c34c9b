#include "EngineLoader.h"

#include "BookText.h"
#include "ErrorDisplay.h"
#include "SharedGlContext.h"

#include "book/Folders.h"

#include <QPluginLoader>

namespace {

WebEngineModule* loadModule(const QString& modulePath, const LocalFiles& allowed) {
    // The loader stays alive for the whole run: the module is never unloaded.
    static QPluginLoader* loader = nullptr;
    if (!loader) {
        loader = new QPluginLoader(modulePath);
    }
    QObject* instance = loader->instance();
    auto* module = qobject_cast<WebEngineModule*>(instance);
    if (!module) {
        const QString reason =
            instance ? QStringLiteral("it is not a web engine module") : loader->errorString();
        delete loader;
        loader = nullptr;
        throw WindowError(QStringLiteral("The web view cannot be started: %1").arg(reason));
    }
    module->allowLocalFiles(allowed);
    return module;
}

} // namespace

WebBrowser::ViewFactory engineModuleViewFactory(const QString& modulePath,
                                                const LocalFiles& allowed) {
    return [modulePath, allowed](QWidget* parent) {
        ensureGlobalShareContext();
        return std::unique_ptr<WebPageView>(loadModule(modulePath, allowed)->createView(parent));
    };
}

LocalFiles pagesAllowedBeside(const QString& programFolder) {
    const std::string bookFolder = book::bookFolderOf(nativePath(programFolder));
    return {pathFromNative(bookFolder), programFolder + QStringLiteral("blank.htm")};
}

QString engineModulePathBeside(const QString& programFolder) {
    return programFolder + QStringLiteral("libvarnel-webengine.so");
}
