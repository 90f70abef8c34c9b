#include "SharedGlContext.h"

#include <QOpenGLContext>
#include <QtGui/private/qopenglcontext_p.h>

namespace browser {

void ensureGlobalShareContext() {
    // The web engine reads the format of a global shared context while it starts, and
    // crashes without one, even though its views draw with the software scene graph. Qt
    // makes that context only when Qt::AA_ShareOpenGLContexts is set before the
    // application starts, and then every start pays for it (about 45 ms here, more than
    // a bare window takes to appear). The engine is loaded late, so the reader makes the
    // context itself just before; this needs Qt's private setter.
    if (qt_gl_global_share_context()) {
        return;
    }
    auto* context = new QOpenGLContext; // lives for the whole run, as Qt's own would
    context->create();
    qt_gl_set_global_share_context(context);
}

} // namespace browser
