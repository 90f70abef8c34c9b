#pragma once

#include "UiTestSupport.h"

#include <QVariant>
#include <QWebEnginePage>
#include <QWebEngineView>
#include <gtest/gtest.h>
#include <memory>

// The result of a script run in the page `view` shows, as text; waits for it. A script
// sent to a renderer that dies is answered only when its page goes, so the answer lands in
// state of its own rather than in this call's, which is gone by then.
inline QString evaluate(QWebEngineView* view, const QString& script, int milliseconds = 30000) {
    struct Answer {
        QString text;
        bool done = false;
    };
    auto answer = std::make_shared<Answer>();
    view->page()->runJavaScript(script, [answer](const QVariant& value) {
        answer->text = value.toString();
        answer->done = true;
    });
    EXPECT_TRUE(waitUntil([&] { return answer->done; }, milliseconds)) << script.toStdString();
    return answer->text;
}
