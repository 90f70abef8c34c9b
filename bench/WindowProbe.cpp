// window-probe: times programs from the outside, the same way for the reader and for the
// reference programs it is compared with.
//
//   window-probe run -- COMMAND [ARG...]
//       Wall time of one whole run of COMMAND, fork to exit: run_ms=...
//   window-probe window [OPTIONS] -- COMMAND [ARG...]
//       Starts COMMAND on the X display and watches its windows.
//
// A program that replaces its first window has started only when the replacement is on the
// screen, so the times of a start are those of the last main window mapped (dialogs, which
// name the window they belong to, and override-redirect menus aside), and the probe says how
// many main windows were mapped: main_windows=1 for a program that keeps its window.
//
// Run it on an X server of its own with no window manager: every top-level window created
// after the start is taken for COMMAND's. A window's MapNotify says when it is shown; the
// DAMAGE extension reports every drawing into it, raw rectangle by rectangle, so the probe
// knows the first drawing and the last one before a quiet spell ("settled"). Clicks are
// made with XTest, so their moment is known exactly, and the time from a double click to
// the last drawing that follows it covers everything the program does in between: the
// event's delivery, its handler, the page load, the layout, the scroll to the anchor and the
// final paint. Memory is PSS summed over the process tree (helpers included); the probe is a
// child subreaper, so helpers whose parent exits stay in the tree.
#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>
#include <X11/extensions/Xdamage.h>

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <dirent.h>
#include <fcntl.h>
#include <map>
#include <poll.h>
#include <string>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

double nowMs() {
    timespec now{};
    ::clock_gettime(CLOCK_MONOTONIC, &now);
    return double(now.tv_sec) * 1e3 + double(now.tv_nsec) / 1e6;
}

[[noreturn]] void usage() {
    std::fprintf(stderr,
                 "usage: window-probe run -- COMMAND [ARG...]\n"
                 "       window-probe window [OPTIONS] -- COMMAND [ARG...]\n"
                 "  --quiet MS          settled after MS without drawing (default 1000)\n"
                 "  --ready-procs N     and only with at least N processes in the tree\n"
                 "  --timeout S         give up a wait after S seconds (default 60)\n"
                 "  --double-click X,Y  once settled, double click at X,Y of the window and\n"
                 "                      time it until settled again\n"
                 "  --openings N        open N entries in a row (needs --items and --back)\n"
                 "  --items X,Y[:X,Y]   window points of the entries, taken in turn\n"
                 "  --back X,Y          window point that shows the entries again\n"
                 "  --sample-every K    memory after every K openings (default 10)\n"
                 "  --open-quiet MS     settled after an opening (default 500)\n"
                 "  --steps STEPS       once settled, do each step and wait until settled\n"
                 "                      again; STEPS is a space-separated list of\n"
                 "                      click:X,Y  double-click:X,Y  key:KEYSYM\n"
                 "  --scroll X,Y        once settled (and after --double-click), turn the wheel\n"
                 "                      over X,Y one step every --scroll-every MS until the\n"
                 "                      view stops moving, and count the frames drawn\n"
                 "  --scroll-every MS   (default 20)\n"
                 "  --output FILE       COMMAND's output (default /dev/null)\n"
                 "  --verbose           every map and drawing on stderr\n");
    std::exit(2);
}

struct Point {
    int x = 0;
    int y = 0;
};

Point parsePoint(const std::string& text) {
    Point point;
    if (std::sscanf(text.c_str(), "%d,%d", &point.x, &point.y) != 2) {
        usage();
    }
    return point;
}

std::vector<Point> parsePoints(const std::string& text) {
    std::vector<Point> points;
    size_t start = 0;
    while (start <= text.size()) {
        const size_t end = std::min(text.find(':', start), text.size());
        points.push_back(parsePoint(text.substr(start, end - start)));
        start = end + 1;
    }
    return points;
}

// Every process below this one.
std::vector<pid_t> processTree() {
    std::map<pid_t, std::vector<pid_t>> children;
    DIR* proc = ::opendir("/proc");
    if (!proc) {
        return {};
    }
    while (const dirent* entry = ::readdir(proc)) {
        const pid_t pid = static_cast<pid_t>(std::atoi(entry->d_name));
        if (pid <= 0) {
            continue;
        }
        char path[64];
        std::snprintf(path, sizeof path, "/proc/%d/stat", pid);
        FILE* stat = std::fopen(path, "r");
        if (!stat) {
            continue;
        }
        char line[1024];
        const bool got = std::fgets(line, sizeof line, stat) != nullptr;
        std::fclose(stat);
        // The command name may hold blanks and brackets; the fields after its last ')' do not.
        const char* after = got ? std::strrchr(line, ')') : nullptr;
        int parent = 0;
        if (after && std::sscanf(after + 1, " %*c %d", &parent) == 1) {
            children[parent].push_back(pid);
        }
    }
    ::closedir(proc);
    std::vector<pid_t> tree;
    std::vector<pid_t> pending{::getpid()};
    while (!pending.empty()) {
        const pid_t pid = pending.back();
        pending.pop_back();
        for (pid_t child : children[pid]) {
            tree.push_back(child);
            pending.push_back(child);
        }
    }
    return tree;
}

long pssKilobytes(pid_t pid) {
    char path[64];
    std::snprintf(path, sizeof path, "/proc/%d/smaps_rollup", pid);
    FILE* rollup = std::fopen(path, "r");
    if (!rollup) {
        return 0;
    }
    long kilobytes = 0;
    char line[256];
    while (std::fgets(line, sizeof line, rollup)) {
        if (std::strncmp(line, "Pss:", 4) == 0) {
            kilobytes = std::atol(line + 4);
            break;
        }
    }
    std::fclose(rollup);
    return kilobytes;
}

// PSS of the whole tree: shared pages are split between the processes that map them, so
// the libraries every helper maps count once.
double pssMegabytes() {
    long kilobytes = 0;
    for (pid_t pid : processTree()) {
        kilobytes += pssKilobytes(pid);
    }
    return double(kilobytes) / 1024.0;
}

pid_t startCommand(char** command, const char* output, int closeDescriptor) {
    const pid_t child = ::fork();
    if (child < 0) {
        std::perror("fork");
        std::exit(2);
    }
    if (child == 0) {
        ::setpgid(0, 0);
        const int descriptor = ::open(output, O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0644);
        if (descriptor >= 0) {
            ::dup2(descriptor, 1);
            ::dup2(descriptor, 2);
        }
        if (closeDescriptor >= 0) {
            ::close(closeDescriptor);
        }
        ::execvp(command[0], command);
        std::perror(command[0]);
        ::_exit(127);
    }
    ::setpgid(child, child);
    return child;
}

void reapAll() {
    int status = 0;
    while (::waitpid(-1, &status, WNOHANG) > 0) {
    }
}

// Ends the command and every helper it started; only processes below the probe are touched.
void endTree(pid_t child) {
    ::kill(-child, SIGTERM);
    for (pid_t pid : processTree()) {
        ::kill(pid, SIGTERM);
    }
    const double start = nowMs();
    while (nowMs() - start < 3000) {
        reapAll();
        if (processTree().empty()) {
            return;
        }
        ::usleep(20000);
    }
    for (pid_t pid : processTree()) {
        ::kill(pid, SIGKILL);
    }
    ::usleep(100000);
    reapAll();
}

int runTimed(char** command) {
    const double start = nowMs();
    const pid_t child = startCommand(command, "/dev/stderr", -1);
    int status = 0;
    while (::waitpid(child, &status, 0) < 0 && errno == EINTR) {
    }
    const double elapsed = nowMs() - start;
    const int code = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    std::printf("run_ms=%.3f exit=%d\n", elapsed, code);
    return code;
}

int ignoreXErrors(Display*, XErrorEvent*) {
    return 0; // windows may go away before the probe asks about them
}

class WindowWatch {
public:
    WindowWatch(Display* display, bool verbose) : display_(display), verbose_(verbose) {
        root_ = DefaultRootWindow(display_);
        int errorBase = 0;
        int major = 0;
        int minor = 0;
        if (!XDamageQueryExtension(display_, &damageEvent_, &errorBase) ||
            !XDamageQueryVersion(display_, &major, &minor) ||
            !XTestQueryExtension(display_, &errorBase, &errorBase, &major, &minor)) {
            std::fprintf(stderr, "window-probe: the X server lacks DAMAGE or XTEST\n");
            std::exit(2);
        }
        XSelectInput(display_, root_, SubstructureNotifyMask);
        XSync(display_, False);
    }

    void begin(pid_t child) {
        child_ = child;
        start_ = nowMs();
    }

    double sinceStart(double at) const { return at < 0 ? -1 : at - start_; }
    double lastDrawing() const { return lastDrawing_; }
    bool exited() const { return exited_; }

    // The main window that is on the screen now: the last one mapped.
    double mainMap() const { return mains_.empty() ? -1 : mains_.back().mappedAt; }
    double mainFirstDrawing() const { return mains_.empty() ? -1 : mains_.back().firstDrawing; }
    size_t mainWindowCount() const { return mains_.size(); }
    bool mainWindowOnScreen() { return !mains_.empty() && mainWindow() == mains_.back().window; }
    int dialogCount() const { return dialogs_; }

    // Drawings since `since`, gathered into frames: rectangles that come within 2 ms of
    // each other belong to one frame.
    int framesSince(double since) const {
        int frames = 0;
        double previous = -1;
        for (auto at = std::lower_bound(drawings_.begin(), drawings_.end(), since);
             at != drawings_.end(); ++at) {
            if (previous < 0 || *at - previous > 2) {
                ++frames;
            }
            previous = *at;
        }
        return frames;
    }

    // Handles what has arrived, waiting at most `ms` for something to.
    void wait(double ms) { pump(ms); }

    // The first drawing at or after `since`.
    double firstDrawingSince(double since) const {
        const auto found = std::lower_bound(drawings_.begin(), drawings_.end(), since);
        return found == drawings_.end() ? -1 : *found;
    }

    // Handles events until nothing was drawn or mapped for `quietMs` and the tree has at
    // least `procs` processes. False when the command ended or the deadline passed.
    bool settle(double quietMs, int procs, double deadline) {
        const double since = nowMs();
        double nextCount = 0;
        for (;;) {
            const double now = nowMs();
            // Scanning /proc costs the machine some time, so only while it is waited for.
            if (processes_ < procs && now >= nextCount) {
                processes_ = static_cast<int>(processTree().size());
                nextCount = now + 50;
            }
            if (exited_ || now > deadline) {
                return false;
            }
            const double lastActivity = std::max({since, lastDrawing_, lastMap_});
            if (firstMap_ >= 0 && processes_ >= procs && now - lastActivity >= quietMs) {
                return true;
            }
            pump(std::min(10.0, quietMs - (now - lastActivity)));
        }
    }

    void movePointer(Point at) {
        const Point onScreen = toScreen(at);
        XTestFakeMotionEvent(display_, DefaultScreen(display_), onScreen.x, onScreen.y,
                             CurrentTime);
        XSync(display_, False);
    }

    // Turns the wheel one step down where the pointer is.
    void wheelDown() {
        XTestFakeButtonEvent(display_, 5, True, CurrentTime);
        XTestFakeButtonEvent(display_, 5, False, CurrentTime);
        XFlush(display_);
    }

    // Presses and releases a key, named as X names it ("Return", "Escape").
    bool key(const std::string& name) {
        const KeySym symbol = XStringToKeysym(name.c_str());
        const KeyCode code = symbol == NoSymbol ? 0 : XKeysymToKeycode(display_, symbol);
        if (code == 0) {
            return false;
        }
        XTestFakeKeyEvent(display_, code, True, CurrentTime);
        XTestFakeKeyEvent(display_, code, False, CurrentTime);
        XSync(display_, False);
        return true;
    }

    // Presses and releases the first button `count` times where the pointer is. Returns the
    // moment the last press was on its way to the server.
    double click(int count) {
        double lastPress = 0;
        for (int i = 0; i < count; ++i) {
            lastPress = nowMs();
            XTestFakeButtonEvent(display_, 1, True, CurrentTime);
            XTestFakeButtonEvent(display_, 1, False, CurrentTime);
            XFlush(display_);
        }
        XSync(display_, False);
        return lastPress;
    }

private:
    struct MainWindow {
        Window window = None;
        double mappedAt = -1;
        double firstDrawing = -1;
    };

    // The main window shown last, if it is still on the screen.
    Window mainWindow() {
        for (auto main = mains_.rbegin(); main != mains_.rend(); ++main) {
            XWindowAttributes attributes{};
            if (XGetWindowAttributes(display_, main->window, &attributes) &&
                attributes.map_state == IsViewable) {
                return main->window;
            }
        }
        return None;
    }

    MainWindow* findMain(Window window) {
        for (MainWindow& main : mains_) {
            if (main.window == window) {
                return &main;
            }
        }
        return nullptr;
    }

    Point toScreen(Point at) {
        const Window window = mainWindow();
        if (window == None) {
            std::fprintf(stderr, "window-probe: no window to click in\n");
            return at;
        }
        int x = 0;
        int y = 0;
        Window child = None;
        XTranslateCoordinates(display_, window, root_, at.x, at.y, &x, &y, &child);
        return {x, y};
    }

    void watch(Window window, Window topLevel) {
        // Raw rectangles: an event for every drawing, with no round trip to re-arm.
        XDamageCreate(display_, window, XDamageReportRawRectangles);
        XSelectInput(display_, window, SubstructureNotifyMask);
        topLevelOf_[window] = topLevel;
    }

    bool isWatched(Window window) const { return topLevelOf_.count(window) != 0; }

    void handle(const XEvent& event, double at) {
        if (event.type == CreateNotify) {
            const XCreateWindowEvent& created = event.xcreatewindow;
            // Top-level windows of the command, and the windows inside them; menus and
            // tooltips (override-redirect) do not make a window shown.
            if (created.parent == root_ && !created.override_redirect) {
                watch(created.window, created.window);
            } else if (isWatched(created.parent)) {
                watch(created.window, topLevelOf_[created.parent]);
            }
        } else if (event.type == MapNotify) {
            const XMapEvent& mapped = event.xmap;
            if (mapped.event != root_ || mapped.override_redirect || !isWatched(mapped.window)) {
                return;
            }
            XWindowAttributes attributes{};
            if (!XGetWindowAttributes(display_, mapped.window, &attributes) ||
                attributes.width < 64 || attributes.height < 64) {
                return;
            }
            if (firstMap_ < 0) {
                firstMap_ = at;
            }
            lastMap_ = at;
            // A dialog names the window it belongs to; it is not a main window.
            Window owner = None;
            const bool dialog = XGetTransientForHint(display_, mapped.window, &owner) != 0;
            if (dialog) {
                ++dialogs_;
            } else if (!findMain(mapped.window)) {
                mains_.push_back({mapped.window, at, -1});
            }
            log(at, "map 0x%lx %dx%d%s", mapped.window, attributes.width, attributes.height,
                dialog ? " (dialog)" : "");
        } else if (event.type == damageEvent_ + XDamageNotify) {
            const auto& damage = reinterpret_cast<const XDamageNotifyEvent&>(event);
            if (firstMap_ < 0) {
                return; // drawing into a window not yet on the screen is not seen
            }
            const auto topLevel = topLevelOf_.find(damage.drawable);
            MainWindow* main = topLevel == topLevelOf_.end() ? nullptr : findMain(topLevel->second);
            if (main && main->firstDrawing < 0) {
                main->firstDrawing = at;
            }
            lastDrawing_ = at;
            drawings_.push_back(at);
            log(at, "drawing 0x%lx %dx%d+%d+%d", damage.drawable, damage.area.width,
                damage.area.height, damage.area.x, damage.area.y);
        }
    }

    void pump(double ms) {
        if (!XPending(display_)) {
            pollfd descriptor{ConnectionNumber(display_), POLLIN, 0};
            ::poll(&descriptor, 1, std::max(1, static_cast<int>(ms)));
        }
        while (XPending(display_)) {
            XEvent event;
            XNextEvent(display_, &event);
            handle(event, nowMs());
        }
        int status = 0;
        pid_t pid = 0;
        while ((pid = ::waitpid(-1, &status, WNOHANG)) > 0) {
            if (pid == child_) {
                exited_ = true;
            }
        }
    }

    template <typename... Values> void log(double at, const char* format, Values... values) {
        if (!verbose_) {
            return;
        }
        std::fprintf(stderr, "%9.1f ", at - start_);
        std::fprintf(stderr, format, values...);
        std::fputc('\n', stderr);
    }

    Display* display_;
    bool verbose_;
    Window root_ = None;
    int damageEvent_ = 0;
    pid_t child_ = -1;
    double start_ = 0;
    double firstMap_ = -1;
    double lastMap_ = -1;
    double lastDrawing_ = -1;
    int processes_ = 0;
    bool exited_ = false;
    std::map<Window, Window> topLevelOf_; // every watched window and its top-level window
    std::vector<MainWindow> mains_;       // in the order they were first mapped
    int dialogs_ = 0;
    std::vector<double> drawings_;
};

struct WindowOptions {
    double quietMs = 1000;
    int readyProcs = 1;
    double timeoutMs = 60000;
    bool doubleClick = false;
    Point clickAt;
    int openings = 0;
    std::vector<Point> items;
    Point back;
    bool haveBack = false;
    int sampleEvery = 10;
    double openQuietMs = 500;
    std::vector<std::string> steps;
    bool scroll = false;
    Point scrollAt;
    double scrollEveryMs = 20;
    std::string output = "/dev/null";
    bool verbose = false;
};

std::vector<std::string> splitWords(const std::string& text) {
    std::vector<std::string> words;
    size_t start = 0;
    while ((start = text.find_first_not_of(' ', start)) != std::string::npos) {
        const size_t end = std::min(text.find(' ', start), text.size());
        words.push_back(text.substr(start, end - start));
        start = end;
    }
    return words;
}

// Does the steps in turn, each followed by a wait until the program has settled. Prints
// the steps done; false when one could not be done or never settled.
bool runSteps(WindowWatch& watch, const WindowOptions& options,
              const std::vector<std::string>& steps) {
    int done = 0;
    for (const std::string& step : steps) {
        const size_t colon = step.find(':');
        const std::string what = step.substr(0, colon);
        const std::string argument = colon == std::string::npos ? "" : step.substr(colon + 1);
        const double deadline = nowMs() + options.timeoutMs;
        if (what == "click" || what == "double-click") {
            watch.movePointer(parsePoint(argument));
            watch.settle(150, options.readyProcs, deadline);
            watch.click(what == "click" ? 1 : 2);
        } else if (what == "key") {
            if (!watch.key(argument)) {
                std::printf(" failed=no-such-key:%s", argument.c_str());
                return false;
            }
        } else {
            usage();
        }
        if (!watch.settle(options.openQuietMs, options.readyProcs, deadline)) {
            std::printf(" steps_done=%d failed=step:%s", done, step.c_str());
            return false;
        }
        ++done;
    }
    std::printf(" steps_done=%d", done);
    return true;
}

// Turns the wheel over the page a step at a time, as a user spinning it would, until the
// view no longer draws anything: the page's end. Frames per second and the time from the
// first step to the last frame say how smoothly the view followed.
bool runScroll(WindowWatch& watch, const WindowOptions& options) {
    watch.movePointer(options.scrollAt);
    watch.settle(200, options.readyProcs, nowMs() + options.timeoutMs);
    const double started = nowMs();
    const double deadline = started + options.timeoutMs;
    int steps = 0;
    double nextStep = started;
    for (;;) {
        const double now = nowMs();
        if (watch.exited() || now > deadline) {
            std::printf(" failed=scroll");
            return false;
        }
        const double lastDrawing = std::max(watch.lastDrawing(), started);
        // Half a second of steps that drew nothing: the page is at its end.
        if (steps > 0 && now - lastDrawing > 500) {
            break;
        }
        if (now >= nextStep) {
            watch.wheelDown();
            ++steps;
            nextStep += options.scrollEveryMs;
        }
        watch.wait(std::max(1.0, nextStep - nowMs()));
    }
    const double last = watch.lastDrawing();
    const int frames = watch.framesSince(started);
    const double spanMs = last > started ? last - started : -1;
    std::printf(" scroll_steps=%d scroll_frames=%d scroll_last_frame_ms=%.1f scroll_fps=%.1f",
                steps, frames, spanMs, spanMs > 0 ? frames * 1000.0 / spanMs : -1.0);
    return true;
}

// Opens entries in a row as a user would: back to the list, double click on the next entry,
// wait for the page; memory every few openings.
void runOpenings(WindowWatch& watch, const WindowOptions& options, pid_t child) {
    std::printf("opening=0 pss_mb=%.1f main_pss_mb=%.1f\n", pssMegabytes(),
                double(pssKilobytes(child)) / 1024.0);
    std::fflush(stdout);
    for (int opening = 1; opening <= options.openings; ++opening) {
        const double deadline = nowMs() + options.timeoutMs;
        if (opening > 1) {
            watch.movePointer(options.back);
            watch.click(1);
            if (!watch.settle(300, options.readyProcs, deadline)) {
                std::printf("failed_at=%d\n", opening);
                return;
            }
        }
        const Point item = options.items[size_t(opening - 1) % options.items.size()];
        watch.movePointer(item);
        watch.settle(150, options.readyProcs, deadline);
        const double clicked = watch.click(2);
        if (!watch.settle(options.openQuietMs, options.readyProcs, deadline)) {
            std::printf("failed_at=%d\n", opening);
            return;
        }
        const double openMs = watch.lastDrawing() > clicked ? watch.lastDrawing() - clicked : -1;
        if (opening % options.sampleEvery == 0 || opening == options.openings) {
            std::printf("opening=%d pss_mb=%.1f main_pss_mb=%.1f open_ms=%.1f\n", opening,
                        pssMegabytes(), double(pssKilobytes(child)) / 1024.0, openMs);
        } else {
            std::printf("opening=%d open_ms=%.1f\n", opening, openMs);
        }
        std::fflush(stdout);
    }
}

int runWindow(const WindowOptions& options, char** command) {
    Display* display = XOpenDisplay(nullptr);
    if (!display) {
        std::fprintf(stderr, "window-probe: cannot open the display\n");
        return 2;
    }
    XSetErrorHandler(ignoreXErrors);
    ::prctl(PR_SET_CHILD_SUBREAPER, 1);
    WindowWatch watch(display, options.verbose);
    const pid_t child = startCommand(command, options.output.c_str(), ConnectionNumber(display));
    watch.begin(child);

    int result = 0;
    const bool settled =
        watch.settle(options.quietMs, options.readyProcs, nowMs() + options.timeoutMs);
    std::printf("map_ms=%.1f paint_ms=%.1f settled_ms=%.1f pss_mb=%.1f procs=%d",
                watch.sinceStart(watch.mainMap()), watch.sinceStart(watch.mainFirstDrawing()),
                watch.sinceStart(watch.lastDrawing()), pssMegabytes(),
                static_cast<int>(processTree().size()));
    if (!settled) {
        std::printf(" failed=%s\n", watch.exited() ? "exited" : "timeout");
        result = 1;
    } else if (!options.steps.empty() || options.scroll) {
        std::vector<std::string> steps = options.steps;
        if (options.doubleClick) {
            steps.insert(steps.begin(), "double-click:" + std::to_string(options.clickAt.x) + "," +
                                            std::to_string(options.clickAt.y));
        }
        bool done = runSteps(watch, options, steps);
        done = done && (!options.scroll || runScroll(watch, options));
        std::printf("\n");
        result = done ? 0 : 1;
    } else if (options.doubleClick) {
        watch.movePointer(options.clickAt);
        watch.settle(200, options.readyProcs, nowMs() + options.timeoutMs);
        const double clicked = watch.click(2);
        const bool clickSettled =
            watch.settle(options.quietMs, options.readyProcs, nowMs() + options.timeoutMs);
        const double first = watch.firstDrawingSince(clicked);
        const double last = watch.lastDrawing() > clicked ? watch.lastDrawing() : -1;
        std::printf(" click_paint_ms=%.1f click_settled_ms=%.1f click_pss_mb=%.1f%s\n",
                    first < 0 ? -1 : first - clicked, last < 0 ? -1 : last - clicked,
                    pssMegabytes(), clickSettled ? "" : " failed=click");
        result = clickSettled ? 0 : 1;
    } else if (options.openings > 0) {
        std::printf("\n");
        runOpenings(watch, options, child);
    } else {
        std::printf("\n");
    }
    // Read after everything the run did: a window replaced late counts too.
    std::printf("main_windows=%zu on_screen=%d dialogs=%d\n", watch.mainWindowCount(),
                watch.mainWindowOnScreen() ? 1 : 0, watch.dialogCount());
    std::fflush(stdout);
    endTree(child);
    XCloseDisplay(display);
    return result;
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        usage();
    }
    const std::string mode = argv[1];
    WindowOptions options;
    int next = 2;
    for (; next < argc && std::strcmp(argv[next], "--") != 0; ++next) {
        const std::string option = argv[next];
        const bool hasValue = next + 1 < argc;
        auto value = [&]() -> std::string {
            if (!hasValue) {
                usage();
            }
            return argv[++next];
        };
        if (option == "--quiet") {
            options.quietMs = std::atof(value().c_str());
        } else if (option == "--ready-procs") {
            options.readyProcs = std::atoi(value().c_str());
        } else if (option == "--timeout") {
            options.timeoutMs = std::atof(value().c_str()) * 1000;
        } else if (option == "--double-click") {
            options.doubleClick = true;
            options.clickAt = parsePoint(value());
        } else if (option == "--openings") {
            options.openings = std::atoi(value().c_str());
        } else if (option == "--items") {
            options.items = parsePoints(value());
        } else if (option == "--back") {
            options.back = parsePoint(value());
            options.haveBack = true;
        } else if (option == "--sample-every") {
            options.sampleEvery = std::max(1, std::atoi(value().c_str()));
        } else if (option == "--open-quiet") {
            options.openQuietMs = std::atof(value().c_str());
        } else if (option == "--steps") {
            options.steps = splitWords(value());
        } else if (option == "--scroll") {
            options.scroll = true;
            options.scrollAt = parsePoint(value());
        } else if (option == "--scroll-every") {
            options.scrollEveryMs = std::max(1.0, std::atof(value().c_str()));
        } else if (option == "--output") {
            options.output = value();
        } else if (option == "--verbose") {
            options.verbose = true;
        } else {
            usage();
        }
    }
    if (next + 1 >= argc) {
        usage();
    }
    char** command = argv + next + 1;
    if (mode == "run") {
        return runTimed(command);
    }
    if (mode == "window") {
        if (options.openings > 0 && (options.items.empty() || !options.haveBack)) {
            usage();
        }
        return runWindow(options, command);
    }
    usage();
}
