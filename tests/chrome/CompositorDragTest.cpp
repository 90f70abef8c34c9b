#include "FramedWindow.h"

#include <vector>

namespace {

// Stands in for a compositor that moves and resizes the window itself: remembers what the
// frame asked of it.
class CompositorStandIn : public chrome::WidgetGeometry {
public:
    CompositorStandIn(QWidget* window, std::vector<Qt::Edges>& requests, bool takesDrags)
        : WidgetGeometry(window), requests_(requests), takesDrags_(takesDrags) {}

    bool startSystemDrag(Qt::Edges edges) override {
        requests_.push_back(edges);
        return takesDrags_;
    }

private:
    std::vector<Qt::Edges>& requests_;
    bool takesDrags_;
};

class CompositorDrag : public FramedWindow {
protected:
    void SetUp() override {
        FramedWindow::SetUp();
        titleLabel->setObjectName(QStringLiteral("Label2"));
    }
    std::unique_ptr<chrome::WindowGeometry> frameGeometry() override {
        return std::make_unique<CompositorStandIn>(window.get(), requests, takesDrags);
    }
    bool anyDragFlag() {
        const chrome::FrameDrag& drag = frame->drag();
        return drag.MoveActive || drag.EdgeResizeActive || drag.CornerResizeActive;
    }

    bool takesDrags = true;
    std::vector<Qt::Edges> requests;
};

struct ZonePress {
    const char* zone;
    QPoint at; // in the window at its design size
    Qt::Edges edges;
};

std::ostream& operator<<(std::ostream& out, const ZonePress& c) {
    return out << c.zone;
}

class EveryZone : public CompositorDrag, public ::testing::WithParamInterface<ZonePress> {};

TEST_P(EveryZone, PrimaryPressHandsTheDragToTheCompositor) {
    const ZonePress& c = GetParam();
    QWidget* under = window->childAt(c.at);
    ASSERT_NE(under, nullptr);
    ASSERT_EQ(under->objectName().toStdString(), c.zone);
    press(c.at);
    moveBy({20, 20});
    moveBy({-45, -35});
    release();
    ASSERT_EQ(requests.size(), 1u);
    EXPECT_EQ(requests[0], c.edges);
    // The compositor drags the window; the frame's own handlers leave it where it was.
    EXPECT_EQ(geometry(), QRect(origin, QSize(750, 573)));
    EXPECT_FALSE(anyDragFlag());
}

const Qt::Edges moveWindow{};
const Qt::Edges topLeft = Qt::TopEdge | Qt::LeftEdge;
const Qt::Edges topRight = Qt::TopEdge | Qt::RightEdge;
const Qt::Edges bottomLeft = Qt::BottomEdge | Qt::LeftEdge;
const Qt::Edges bottomRight = Qt::BottomEdge | Qt::RightEdge;

INSTANTIATE_TEST_SUITE_P(Table, EveryZone,
                         ::testing::Values(ZonePress{"Image2", {600, 10}, moveWindow},
                                           ZonePress{"Label2", {100, 8}, moveWindow},
                                           ZonePress{"Image4", {2, 300}, Qt::LeftEdge},
                                           ZonePress{"Image5", {748, 300}, Qt::RightEdge},
                                           ZonePress{"PaintBox5", {300, 1}, Qt::TopEdge},
                                           ZonePress{"Image7", {300, 569}, Qt::BottomEdge},
                                           ZonePress{"PaintBox2", {2, 560}, bottomLeft},
                                           ZonePress{"PaintBox4", {10, 569}, bottomLeft},
                                           ZonePress{"PaintBox6", {10, 1}, topLeft},
                                           ZonePress{"PaintBox8", {2, 12}, topLeft},
                                           ZonePress{"PaintBox7", {735, 1}, topRight},
                                           ZonePress{"PaintBox9", {748, 10}, topRight},
                                           ZonePress{"PaintBox3", {740, 569}, bottomRight},
                                           ZonePress{"PaintBox1", {748, 555}, bottomRight}),
                         [](const auto& info) { return info.param.zone; });

TEST_F(CompositorDrag, InertCornerPiecesAskNothing) {
    press({30, 10});
    release();
    EXPECT_TRUE(requests.empty());
}

// The compositor's grab swallows the release; the pointer passing over the edge afterwards
// must not go on dragging it from the handed-over press.
TEST_F(CompositorDrag, SwallowedReleaseLeavesNoDragBehind) {
    press({748, 300});
    moveTo({749, 300});
    moveTo({746, 310});
    EXPECT_FALSE(anyDragFlag());
    EXPECT_EQ(geometry(), QRect(origin, QSize(750, 573)));
}

TEST_F(CompositorDrag, SecondaryButtonKeepsTheFramesOwnDrag) {
    press({600, 10}, Qt::RightButton);
    moveBy({30, 5});
    release(Qt::RightButton);
    EXPECT_TRUE(requests.empty());
    EXPECT_EQ(geometry(), QRect(origin + QPoint(30, 5), QSize(750, 573)));
}

class RefusingCompositor : public CompositorDrag {
protected:
    void SetUp() override {
        takesDrags = false;
        CompositorDrag::SetUp();
    }
};

TEST_F(RefusingCompositor, FrameDragsTheWindowItself) {
    press({748, 300});
    moveBy({40, 0});
    release();
    ASSERT_EQ(requests.size(), 1u);
    EXPECT_EQ(geometry().size(), QSize(790, 573));
}

} // namespace
