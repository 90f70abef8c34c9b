// window-probe: times programs from the outside, the same way for the reader and for the
// reference programs it is compared with.
//
//   window-probe run -- COMMAND [ARG...]
//       Wall time of one whole run of COMMAND, fork to exit: run_ms=...
//   window-probe window [OPTIONS] -- COMMAND [ARG...]
//       Starts COMMAND on the X display and watches its windows.
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
    double firstMap() const { return firstMap_; }
    double firstDrawing() const { return firstDrawing_; }
    double lastDrawing() const { return lastDrawing_; }
    bool exited() const { return exited_; }

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
    // The window shown last that is still on the screen.
    Window mainWindow() {
        for (auto window = shown_.rbegin(); window != shown_.rend(); ++window) {
            XWindowAttributes attributes{};
            if (XGetWindowAttributes(display_, *window, &attributes) &&
                attributes.map_state == IsViewable) {
                return *window;
            }
        }
        return None;
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

    void watch(Window window) {
        // Raw rectangles: an event for every drawing, with no round trip to re-arm.
        XDamageCreate(display_, window, XDamageReportRawRectangles);
        XSelectInput(display_, window, SubstructureNotifyMask);
        watched_.push_back(window);
    }

    bool isWatched(Window window) const {
        return std::find(watched_.begin(), watched_.end(), window) != watched_.end();
    }

    void handle(const XEvent& event, double at) {
        if (event.type == CreateNotify) {
            const XCreateWindowEvent& created = event.xcreatewindow;
            // Top-level windows of the command, and the windows inside them; menus and
            // tooltips (override-redirect) do not make a window shown.
            if ((created.parent == root_ && !created.override_redirect) ||
                isWatched(created.parent)) {
                watch(created.window);
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
            shown_.push_back(mapped.window);
            log(at, "map 0x%lx %dx%d", mapped.window, attributes.width, attributes.height);
        } else if (event.type == damageEvent_ + XDamageNotify) {
            const auto& damage = reinterpret_cast<const XDamageNotifyEvent&>(event);
            if (firstMap_ < 0) {
                return; // drawing into a window not yet on the screen is not seen
            }
            if (firstDrawing_ < 0) {
                firstDrawing_ = at;
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
    double firstDrawing_ = -1;
    double lastDrawing_ = -1;
    int processes_ = 0;
    bool exited_ = false;
    std::vector<Window> watched_;
    std::vector<Window> shown_;
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
    std::string output = "/dev/null";
    bool verbose = false;
};

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
                watch.sinceStart(watch.firstMap()), watch.sinceStart(watch.firstDrawing()),
                watch.sinceStart(watch.lastDrawing()), pssMegabytes(),
                static_cast<int>(processTree().size()));
    if (!settled) {
        std::printf(" failed=%s\n", watch.exited() ? "exited" : "timeout");
        result = 1;
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
