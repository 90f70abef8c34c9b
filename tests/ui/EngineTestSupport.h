#pragma once

#include "UiTestSupport.h"

#include <QVariant>
#include <QWebEnginePage>
#include <QWebEngineView>
#include <gtest/gtest.h>

// The result of a script run in the page `view` shows, as text; waits for it.
inline QString evaluate(QWebEngineView* view, const QString& script) {
    QString result;
    bool done = false;
    view->page()->runJavaScript(script, [&](const QVariant& value) {
        result = value.toString();
        done = true;
    });
    EXPECT_TRUE(waitUntil([&] { return done; }, 30000)) << script.toStdString();
    return result;
}
