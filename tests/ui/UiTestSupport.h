#pragma once

#include "browser/WebBrowser.h"
#include "ui/Dialogs.h"

#include <QElapsedTimer>
#include <QFileDialog>
#include <QTest>
#include <QUrl>
#include <QWidget>
#include <functional>
#include <memory>
#include <vector>

// The reader's and the web view's own names, unqualified as the window uses them.
using namespace browser;
using namespace ui;

// Remembers the boxes the window would have shown.
class RecordingDialogs : public Dialogs {
public:
    struct Message {
        QString text;
        Icon icon;
    };
    void showMessage(const QString& text, Icon icon) override { messages.push_back({text, icon}); }
    std::optional<QString> runSaveDialog(QFileDialog& dialog) override {
        dialogTitles.push_back(dialog.windowTitle());
        return saveAnswer;
    }

    std::vector<Message> messages;
    std::vector<QString> dialogTitles;
    std::optional<QString> saveAnswer;
};

// Stands in for the engine: remembers what it was asked to load.
struct ViewRecord {
    int viewsMade = 0;
    std::vector<QUrl> loads;
    bool failToStart = false;
};

class RecordingView : public WebPageView {
public:
    RecordingView(QWidget* parent, ViewRecord& record)
        : widget_(new QWidget(parent)), record_(record) {}
    QWidget* widget() override { return widget_; }
    void load(const QUrl& url) override { record_.loads.push_back(url); }

private:
    QWidget* widget_;
    ViewRecord& record_;
};

inline WebBrowser::ViewFactory recordingFactory(ViewRecord& record) {
    return [&record](QWidget* parent) -> std::unique_ptr<WebPageView> {
        if (record.failToStart) {
            throw std::runtime_error("The web view cannot be started: no engine here");
        }
        ++record.viewsMade;
        return std::make_unique<RecordingView>(parent, record);
    };
}

// Lets the event loop run until `condition` holds; false if it did not within `milliseconds`.
inline bool waitUntil(const std::function<bool()>& condition, int milliseconds) {
    QElapsedTimer timer;
    timer.start();
    while (!condition()) {
        if (timer.elapsed() > milliseconds) {
            return false;
        }
        QTest::qWait(20);
    }
    return true;
}
