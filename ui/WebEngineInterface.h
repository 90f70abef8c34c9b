#pragma once

#include <QtPlugin>

class QUrl;
class QWidget;

// One page view of the web engine. The engine lives in a module of its own that the
// reader loads after its window is on the screen, so start-up never waits for it.
class WebPageView {
public:
    virtual ~WebPageView() = default;
    virtual QWidget* widget() = 0;
    // Starts loading; returns at once.
    virtual void load(const QUrl& url) = 0;
};

// What the engine module offers.
class WebEngineModule {
public:
    virtual ~WebEngineModule() = default;
    virtual WebPageView* createView(QWidget* parent) = 0;
};

#define VarnelWebEngineModule_iid "example.varnel.WebEngineModule/1.0"
Q_DECLARE_INTERFACE(WebEngineModule, VarnelWebEngineModule_iid)
