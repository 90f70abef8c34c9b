// How many geometry changes per second the frame's drag handlers sustain on a real window
// with the frame installed. Every change is followed by the anchors placing the frame again.
// Runs on the offscreen platform unless QT_QPA_PLATFORM says otherwise.
#include "chrome/Anchors.h"
#include "chrome/WindowFrame.h"

#include <QApplication>
#include <QLabel>
#include <QTest>
#include <QWidget>
#include <QWindow>
#include <benchmark/benchmark.h>

#include <memory>

namespace {

using chrome::FrameDrag;

// A borderless window like the reader's, with a title label and the frame.
struct FramedWindow {
    FramedWindow() : window(nullptr, Qt::Window | Qt::FramelessWindowHint) {
        window.setMinimumSize(640, 560);
        window.resize(750, 573);
        window.move(100, 100);
        window.setAutoFillBackground(true);
        auto* anchors = new chrome::Anchors(&window);
        auto* title = new QLabel(QStringLiteral("Varnel -"), &window);
        title->setGeometry(36, 3, 508, 13);
        anchors->add(title, chrome::AnchorLeft | chrome::AnchorTop | chrome::AnchorRight);
        frame = new chrome::WindowFrame(&window, anchors, title);
        window.show();
        QApplication::processEvents();
    }
    QWidget window;
    chrome::WindowFrame* frame = nullptr;
};

struct HandlerSet {
    void (FrameDrag::*down)(int, int);
    void (FrameDrag::*move)(int, int);
    int changesPerStep; // assignments one move makes
};

const HandlerSet handlerSets[] = {
    {&FrameDrag::Image2MouseDown, &FrameDrag::Image2MouseMove, 2},       // title
    {&FrameDrag::Image4MouseDown, &FrameDrag::Image4MouseMove, 2},       // left edge
    {&FrameDrag::Image5MouseDown, &FrameDrag::Image5MouseMove, 1},       // right edge
    {&FrameDrag::PaintBox3MouseDown, &FrameDrag::PaintBox3MouseMove, 2}, // bottom-right
    {&FrameDrag::PaintBox6MouseDown, &FrameDrag::PaintBox6MouseMove, 4}, // top-left
};

enum class AfterStep { EventLoopTurn, FullRepaint };

// One step is one move handler call, one pixel one way and then one pixel back, so the
// window stays near its design size and no guard skips a step.
void handlerSteps(benchmark::State& state, AfterStep after) {
    FramedWindow framed;
    const HandlerSet& set = handlerSets[state.range(0)];
    FrameDrag& drag = framed.frame->drag();
    (drag.*set.down)(100, 100);
    int offset = -1;
    int64_t steps = 0;
    for (auto _ : state) {
        offset = -offset;
        (drag.*set.move)(100 + offset, 100 + offset);
        if (after == AfterStep::FullRepaint) {
            framed.window.repaint();
        }
        // Queued window-system geometry events and due paints, as the event loop would.
        QApplication::processEvents();
        ++steps;
    }
    state.counters["steps/s"] = benchmark::Counter(double(steps), benchmark::Counter::kIsRate);
    state.counters["changes/s"] =
        benchmark::Counter(double(steps * set.changesPerStep), benchmark::Counter::kIsRate);
}

void BM_HandlerStep(benchmark::State& state) {
    handlerSteps(state, AfterStep::EventLoopTurn);
}

void BM_HandlerStepWithFullRepaint(benchmark::State& state) {
    handlerSteps(state, AfterStep::FullRepaint);
}

// The whole way from a pointer event: Qt's delivery, the frame's routing, the handler.
void BM_PointerDragOfBottomRightCorner(benchmark::State& state) {
    FramedWindow framed;
    QWindow* handle = framed.window.windowHandle();
    const QPoint press = framed.window.pos() + QPoint(740, 569);
    QTest::mousePress(handle, Qt::LeftButton, {}, QPoint(740, 569));
    bool out = false;
    int64_t steps = 0;
    for (auto _ : state) {
        // One pixel out, then back to where the press was: the corner follows each time.
        out = !out;
        const QPoint pointer = press + (out ? QPoint(1, 1) : QPoint(0, 0));
        QTest::mouseMove(handle, pointer - framed.window.pos());
        ++steps;
    }
    QTest::mouseRelease(handle, Qt::LeftButton, {}, press - framed.window.pos());
    state.counters["steps/s"] = benchmark::Counter(double(steps), benchmark::Counter::kIsRate);
    state.counters["changes/s"] =
        benchmark::Counter(double(steps * 2), benchmark::Counter::kIsRate);
}

void handlerSetNames(benchmark::internal::Benchmark* benchmark) {
    benchmark->ArgName("set");
    for (int set = 0; set < int(std::size(handlerSets)); ++set) {
        benchmark->Arg(set);
    }
}

BENCHMARK(BM_HandlerStep)->Apply(handlerSetNames)->UseRealTime();
BENCHMARK(BM_HandlerStepWithFullRepaint)->Apply(handlerSetNames)->UseRealTime();
BENCHMARK(BM_PointerDragOfBottomRightCorner)->UseRealTime();

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
