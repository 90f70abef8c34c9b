#pragma once

#include <QObject>
#include <functional>

class QSocketNotifier;

namespace ui {

// The session's end is a close: SIGTERM (a desktop logging out), SIGHUP (the terminal gone)
// and SIGINT (Ctrl+C) run `close` from the event loop, where the window's own close removes
// the working page, instead of ending the reader with the page left behind. One at a time;
// the default dispositions come back when it goes.
class SessionEnd : public QObject {
public:
    explicit SessionEnd(std::function<void()> close, QObject* parent = nullptr);
    ~SessionEnd() override;

private:
    void received();

    std::function<void()> close_;
    QSocketNotifier* notifier_ = nullptr;
};

} // namespace ui
