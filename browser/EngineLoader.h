#pragma once

#include "WebBrowser.h"

#include <QString>

namespace browser {

// The view factory of the real engine: loads the engine module at `modulePath` the first
// time a view is asked for; its pages are read and kept to their files as `pages` says.
WebBrowser::ViewFactory engineModuleViewFactory(const QString& modulePath, const BookPages& pages);

// Where the engine module lies beside the program.
QString engineModulePathBeside(const QString& programFolder);

} // namespace browser
