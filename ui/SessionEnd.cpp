#include "SessionEnd.h"

#include <QSocketNotifier>
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <unistd.h>

namespace ui {

namespace {

constexpr int kSignals[] = {SIGTERM, SIGHUP, SIGINT};

// A handler may do next to nothing: it tells the event loop through a pipe.
int wakeUp[2] = {-1, -1};

void noteSignal(int) {
    const int saved = errno;
    const char byte = 1;
    (void)!::write(wakeUp[1], &byte, 1); // a full pipe has a wake-up pending already
    errno = saved;
}

} // namespace

SessionEnd::SessionEnd(std::function<void()> close, QObject* parent)
    : QObject(parent), close_(std::move(close)) {
    if (::pipe2(wakeUp, O_CLOEXEC | O_NONBLOCK) != 0) {
        return; // the signals keep their default: the reader ends as it always did
    }
    notifier_ = new QSocketNotifier(wakeUp[0], QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, [this] { received(); });
    struct sigaction action {};
    action.sa_handler = noteSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (const int signal : kSignals) {
        ::sigaction(signal, &action, nullptr);
    }
}

SessionEnd::~SessionEnd() {
    if (!notifier_) {
        return;
    }
    for (const int signal : kSignals) {
        std::signal(signal, SIG_DFL);
    }
    delete notifier_;
    ::close(wakeUp[0]);
    ::close(wakeUp[1]);
    wakeUp[0] = wakeUp[1] = -1;
}

void SessionEnd::received() {
    char bytes[64];
    while (::read(wakeUp[0], bytes, sizeof bytes) > 0) {
    }
    close_();
}

} // namespace ui
