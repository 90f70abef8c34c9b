#pragma once

class QUrl;

namespace browser {

// Hands `url` to the desktop (QDesktopServices::openUrl) with the environment put back, for
// that while, to the one the reader was started with: the program started (xdg-open, the
// browser it starts) gets none of what the reader, its web engine and the engine's module set
// for themselves.
bool openWithTheDesktop(const QUrl& url);

} // namespace browser
