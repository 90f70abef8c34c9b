#include "SharedGlContext.h"

#include <QOpenGLContext>
#include <QtGui/private/qopenglcontext_p.h>

void ensureGlobalShareContext() {
    // The web engine needs a global shared context, which Qt makes only when
    // Qt::AA_ShareOpenGLContexts is set before the application starts - and that makes
    // every start pay for an OpenGL context. The engine is loaded late, so the reader
    // makes the context itself just before; this needs Qt's private setter.
    if (qt_gl_global_share_context()) {
        return;
    }
    auto* context = new QOpenGLContext; // lives for the whole run, as Qt's own would
    context->create();
    qt_gl_set_global_share_context(context);
}
