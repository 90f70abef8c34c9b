#pragma once

#include "WebBrowser.h"

#include <QString>

// The view factory of the real engine: loads the engine module at `modulePath` the first
// time a view is asked for; its pages may read only the `allowed` local files.
WebBrowser::ViewFactory engineModuleViewFactory(const QString& modulePath,
                                                const LocalFiles& allowed);

// The book folder and the blank page of a reader in `programFolder`.
LocalFiles pagesAllowedBeside(const QString& programFolder);

// Where the engine module lies beside the program.
QString engineModulePathBeside(const QString& programFolder);
