#include "chrome/FrameDrag.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

using chrome::FrameDrag;

// A window at (100, 100) that logs every assignment, raising sizes below 640 x 560 as a
// real window does.
class RecordingWindow : public chrome::WindowGeometry {
public:
    int left = 100, top = 100, width = 750, height = 573;
    std::vector<std::string> log;

    int Left() const override { return left; }
    int Top() const override { return top; }
    int Width() const override { return width; }
    int Height() const override { return height; }
    int MinWidth() const override { return 640; }
    int MinHeight() const override { return 560; }
    void setLeft(int value) override { record("Left", left = value); }
    void setTop(int value) override { record("Top", top = value); }
    void setWidth(int value) override { record("Width", width = std::max(value, 640)); }
    void setHeight(int value) override { record("Height", height = std::max(value, 560)); }

private:
    void record(const char* name, int value) {
        log.push_back(std::string(name) + "=" + std::to_string(value));
    }
};

struct Handlers {
    void (FrameDrag::*down)(int, int);
    void (FrameDrag::*move)(int, int);
    void (FrameDrag::*up)();
};

const Handlers title{&FrameDrag::Image2MouseDown, &FrameDrag::Image2MouseMove,
                     &FrameDrag::Image2MouseUp};
const Handlers leftEdge{&FrameDrag::Image4MouseDown, &FrameDrag::Image4MouseMove,
                        &FrameDrag::Image4MouseUp};
const Handlers rightEdge{&FrameDrag::Image5MouseDown, &FrameDrag::Image5MouseMove,
                         &FrameDrag::Image5MouseUp};
const Handlers topEdge{&FrameDrag::PaintBox5MouseDown, &FrameDrag::PaintBox5MouseMove,
                       &FrameDrag::PaintBox5MouseUp};
const Handlers bottomEdge{&FrameDrag::Image7MouseDown, &FrameDrag::Image7MouseMove,
                          &FrameDrag::Image7MouseUp};
const Handlers bottomLeft{&FrameDrag::PaintBox2MouseDown, &FrameDrag::PaintBox2MouseMove,
                          &FrameDrag::PaintBox2MouseUp};
const Handlers topLeft{&FrameDrag::PaintBox6MouseDown, &FrameDrag::PaintBox6MouseMove,
                       &FrameDrag::PaintBox6MouseUp};
const Handlers topRight{&FrameDrag::PaintBox7MouseDown, &FrameDrag::PaintBox7MouseMove,
                        &FrameDrag::PaintBox7MouseUp};
const Handlers bottomRight{&FrameDrag::PaintBox3MouseDown, &FrameDrag::PaintBox3MouseMove,
                           &FrameDrag::PaintBox3MouseUp};

struct StepCase {
    const char* name;
    Handlers handlers;
    int width, height;            // at the start
    int dx, dy;                   // of the move from the press point (10, 8)
    std::vector<std::string> log; // the assignments, in order
};

std::ostream& operator<<(std::ostream& out, const StepCase& c) {
    return out << c.name;
}

// The order of the assignments (each one its own geometry change) and the guards' finer
// points; the window-level tests drive the other guard cases through the real zones.
class OneStep : public ::testing::TestWithParam<StepCase> {};

TEST_P(OneStep, AssignsInOrderOrSkipsWhole) {
    const StepCase& c = GetParam();
    RecordingWindow window;
    window.width = c.width;
    window.height = c.height;
    FrameDrag drag(window);
    (drag.*c.handlers.down)(10, 8);
    (drag.*c.handlers.move)(10 + c.dx, 8 + c.dy);
    EXPECT_EQ(window.log, c.log);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Table, OneStep,
    ::testing::Values(
        StepCase{"TitleMovesVerticallyFirst", title, 750, 573, 30, -10, {"Top=90", "Left=130"}},
        StepCase{"TitleAtPressPoint", title, 750, 573, 0, 0, {"Top=100", "Left=100"}},
        StepCase{"LeftEdgeWidthBeforeLeft", leftEdge, 700, 573, 50, 0, {"Width=650", "Left=150"}},
        StepCase{"LeftEdgeAtMinimumStill", leftEdge, 640, 573, 0, 5, {}},
        StepCase{"TopEdgeHeightBeforeTop", topEdge, 750, 560, 0, -10, {"Height=570", "Top=90"}},
        StepCase{"TopEdgeCrossesMinimum", topEdge, 750, 570, 0, 30, {"Height=560", "Top=130"}},
        StepCase{"BottomLeftSizeBeforeLeft", bottomLeft, 700, 573, 0, 20,
                 {"Width=700", "Height=593", "Left=100"}},
        StepCase{"TopLeftAtMinimumHeight", topLeft, 700, 560, -5, 0, {}},
        StepCase{"TopLeftSizeBeforePosition", topLeft, 640, 600, -10, -10,
                 {"Width=650", "Height=610", "Left=90", "Top=90"}},
        StepCase{"TopRightSizeBeforeTop", topRight, 750, 560, 10, -10,
                 {"Width=760", "Height=570", "Top=90"}}),
    [](const auto& info) { return info.param.name; });
// clang-format on

struct GroupCase {
    const char* name;
    Handlers handlers;
};

std::ostream& operator<<(std::ostream& out, const GroupCase& c) {
    return out << c.name;
}

class EveryHandlerSet : public ::testing::TestWithParam<GroupCase> {};

TEST_P(EveryHandlerSet, DragsOnlyBetweenPressAndRelease) {
    const Handlers& h = GetParam().handlers;
    RecordingWindow window;
    FrameDrag drag(window);
    (drag.*h.move)(-20, -20);
    EXPECT_TRUE(window.log.empty()) << "moved before any press";
    (drag.*h.down)(0, 0);
    (drag.*h.move)(-20, -20);
    EXPECT_FALSE(window.log.empty());
    (drag.*h.up)();
    window.log.clear();
    (drag.*h.move)(-40, -40);
    EXPECT_TRUE(window.log.empty()) << "moved after the release";
}

INSTANTIATE_TEST_SUITE_P(Table, EveryHandlerSet,
                         ::testing::Values(GroupCase{"Title", title}, GroupCase{"Left", leftEdge},
                                           GroupCase{"Right", rightEdge}, GroupCase{"Top", topEdge},
                                           GroupCase{"Bottom", bottomEdge},
                                           GroupCase{"BottomLeft", bottomLeft},
                                           GroupCase{"TopLeft", topLeft},
                                           GroupCase{"TopRight", topRight},
                                           GroupCase{"BottomRight", bottomRight}),
                         [](const auto& info) { return info.param.name; });

TEST(FrameDragFlags, EdgeZonesShareOneFlag) {
    RecordingWindow window;
    FrameDrag drag(window);
    drag.Image5MouseDown(2, 300);
    drag.Image4MouseUp();
    drag.Image5MouseMove(12, 300);
    EXPECT_TRUE(window.log.empty());
}

TEST(FrameDragFlags, ReleaseOnAnotherGroupLeavesTheDragOn) {
    RecordingWindow window;
    FrameDrag drag(window);
    drag.Image5MouseDown(2, 300);
    drag.PaintBox3MouseUp();
    drag.Image2MouseUp();
    drag.Image5MouseMove(12, 300);
    EXPECT_EQ(window.log, std::vector<std::string>{"Width=760"});
}

TEST(FrameDragFlags, EdgePressKeepsTheOtherCoordinate) {
    RecordingWindow window;
    FrameDrag drag(window);
    drag.PaintBox3MouseDown(10, 20);
    drag.Image5MouseDown(3, 99);
    // The corner drag now measures x from the edge's press and y from its own.
    drag.PaintBox3MouseMove(13, 25);
    EXPECT_EQ(window.log, (std::vector<std::string>{"Width=760", "Height=578"}));
}

} // namespace
