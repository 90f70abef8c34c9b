#include "EngineLoader.h"

#include "SharedGlContext.h"
#include "WindowError.h"

#include <QPluginLoader>

namespace browser {

namespace {

WebEngineModule* loadModule(const QString& modulePath, const BookPages& pages) {
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
    module->readBookPages(pages);
    return module;
}

} // namespace

WebBrowser::ViewFactory engineModuleViewFactory(const QString& modulePath, const BookPages& pages) {
    return [modulePath, pages](QWidget* parent) {
        ensureGlobalShareContext();
        return std::unique_ptr<WebPageView>(loadModule(modulePath, pages)->createView(parent));
    };
}

QString engineModulePathBeside(const QString& programFolder) {
    return programFolder + QStringLiteral("libvarnel-webengine.so");
}

} // namespace browser
