#pragma once

namespace browser {

// Makes the application-wide shared OpenGL context if there is none yet.
void ensureGlobalShareContext();

} // namespace browser
