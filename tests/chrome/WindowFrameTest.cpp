#include "FramedWindow.h"

#include <QApplication>
#include <QStyleHints>

#include <vector>

namespace {

struct ZoneDrag {
    const char* name;
    QSize start;               // window size before the drag
    QPoint press;              // in the window, at the start size
    std::vector<QPoint> moves; // pointer positions on the screen, relative to the press
    QRect expected;            // left and top relative to the start, width, height
    Qt::MouseButton button = Qt::LeftButton;
};

std::ostream& operator<<(std::ostream& out, const ZoneDrag& c) {
    return out << c.name;
}

class DragThroughZones : public FramedWindow, public ::testing::WithParamInterface<ZoneDrag> {};

TEST_P(DragThroughZones, EndsAtExpectedGeometry) {
    const ZoneDrag& c = GetParam();
    window->resize(c.start);
    press(c.press, c.button);
    QPoint at;
    for (const QPoint& to : c.moves) {
        moveBy(to - at);
        at = to;
    }
    release(c.button);
    EXPECT_EQ(geometry(), c.expected.translated(origin));
}

const QSize design(750, 573);

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Table, DragThroughZones,
    ::testing::Values(
        // Title strip and title label move the window.
        ZoneDrag{"TitleStrip", design, {600, 10}, {{10, 0}, {30, -10}}, {30, -10, 750, 573}},
        ZoneDrag{"TitleLabel", design, {100, 8}, {{30, -10}}, {30, -10, 750, 573}},
        ZoneDrag{"TitleLabelRowAboveTopEdge", design, {40, 3}, {{5, 5}}, {5, 5, 750, 573}},
        ZoneDrag{"FarOffTheScreen", design, {600, 10}, {{-900, -700}}, {-900, -700, 750, 573}},
        ZoneDrag{"TitleWithSecondaryButton", design, {600, 10}, {{30, 5}}, {30, 5, 750, 573},
                 Qt::RightButton},
        // Edges.
        ZoneDrag{"LeftEdge", {700, 573}, {2, 300}, {{50, 0}}, {50, 0, 650, 573}},
        ZoneDrag{"LeftEdgeCrossesMinimumThenHoldsThenWidens", {645, 573}, {2, 300},
                 {{20, 0}, {50, 0}, {-10, 0}}, {-10, 0, 670, 573}},
        ZoneDrag{"RightEdgeGrows", design, {748, 300}, {{40, 0}, {60, 0}}, {0, 0, 810, 573}},
        ZoneDrag{"RightEdgeHeldAtMinimum", design, {748, 300}, {{-200, 0}}, {0, 0, 640, 573}},
        ZoneDrag{"TopEdgeAtMinimumDownward", {750, 560}, {300, 1}, {{0, 5}}, {0, 0, 750, 560}},
        ZoneDrag{"TopEdgeAtMinimumUpward", {750, 560}, {300, 1}, {{0, -10}}, {0, -10, 750, 570}},
        ZoneDrag{"TopEdgeBesideTheLabel", design, {40, 2}, {{0, -10}}, {0, -10, 750, 583}},
        ZoneDrag{"TopEdgeOverTopRightCorner", design, {725, 1}, {{10, -10}}, {0, -10, 750, 583}},
        ZoneDrag{"TopEdgeOverTopLeftCorner", design, {17, 2}, {{-10, -10}}, {0, -10, 750, 583}},
        ZoneDrag{"BottomEdge", design, {300, 569}, {{0, 30}}, {0, 0, 750, 603}},
        ZoneDrag{"BottomEdgeHeldAtMinimum", design, {300, 569}, {{0, -50}}, {0, 0, 750, 560}},
        // Corners, each through both of its zones.
        ZoneDrag{"BottomLeftAtMinimumWidth", {640, 573}, {2, 560}, {{0, 20}}, {0, 0, 640, 573}},
        ZoneDrag{"BottomLeftOverLeftEdge", {700, 573}, {2, 560}, {{0, 20}}, {0, 0, 700, 593}},
        ZoneDrag{"BottomLeftLowerZone", design, {10, 569}, {{-20, 10}}, {-20, 0, 770, 583}},
        ZoneDrag{"TopLeftAtMinimumWidth", {640, 600}, {10, 1}, {{10, -20}}, {0, 0, 640, 600}},
        ZoneDrag{"TopLeft", design, {10, 1}, {{-10, -10}}, {-10, -10, 760, 583}},
        ZoneDrag{"TopLeftOverLeftEdge", design, {2, 12}, {{-10, -10}}, {-10, -10, 760, 583}},
        ZoneDrag{"TopRightAtMinimumHeight", {750, 560}, {735, 1}, {{10, 0}}, {0, 0, 750, 560}},
        ZoneDrag{"TopRight", design, {735, 1}, {{10, -10}}, {0, -10, 760, 583}},
        ZoneDrag{"TopRightOverRightEdge", design, {748, 10}, {{10, -10}}, {0, -10, 760, 583}},
        ZoneDrag{"BottomRight", design, {740, 569}, {{20, 20}}, {0, 0, 770, 593}},
        ZoneDrag{"BottomRightOverRightEdge", design, {748, 555}, {{20, 20}}, {0, 0, 770, 593}},
        ZoneDrag{"BottomRightHeldAtMinimum", design, {740, 569}, {{-200, -100}}, {0, 0, 640, 560}},
        // Corner pieces do nothing.
        ZoneDrag{"TopLeftPiece", design, {30, 10}, {{20, 20}}, {0, 0, 750, 573}},
        ZoneDrag{"BottomRightPiece", design, {735, 565}, {{20, 20}}, {0, 0, 750, 573}},
        // After growing, the zones are found on the moved edges.
        ZoneDrag{"TopRightAt900x700", {900, 700}, {885, 1}, {{10, -10}}, {0, -10, 910, 710}},
        ZoneDrag{"RightEdgeAt900x700", {900, 700}, {898, 400}, {{20, 0}}, {0, 0, 920, 700}},
        ZoneDrag{"BottomLeftAt900x700", {900, 700}, {10, 696}, {{-10, 10}}, {-10, 0, 910, 710}}),
    [](const auto& info) { return info.param.name; });
// clang-format on

TEST_F(FramedWindow, ZonesFollowTheirEdgesAt900x700) {
    window->resize(900, 700);
    const std::pair<QWidget*, QRect> expected[] = {
        {frame->image(1), {0, 0, 33, 18}},           {frame->image(2), {33, 0, 843, 18}},
        {frame->image(3), {876, 0, 24, 18}},         {frame->image(4), {0, 8, 4, 684}},
        {frame->image(5), {896, 9, 4, 683}},         {frame->image(6), {0, 692, 21, 8}},
        {frame->image(7), {21, 692, 857, 8}},        {frame->image(8), {878, 692, 22, 8}},
        {frame->paintBox(1), {896, 678, 4, 21}},     {frame->paintBox(2), {0, 680, 5, 18}},
        {frame->paintBox(3), {878, 693, 21, 6}},     {frame->paintBox(4), {5, 693, 15, 7}},
        {frame->paintBox(5), {17, 0, 861, 4}},       {frame->paintBox(6), {5, 0, 13, 5}},
        {frame->paintBox(7), {873, 0, 19, 4}},       {frame->paintBox(8), {1, 2, 4, 16}},
        {frame->paintBox(9), {896, 0, 5, 16}},       {frame->closeButton(), {3, 3, 25, 12}},
        {frame->minimiseButton(), {880, 3, 15, 12}},
    };
    for (const auto& [zone, bounds] : expected) {
        EXPECT_EQ(zone->geometry(), bounds) << zone->objectName().toStdString();
    }
}

// After a secondary-button press, moves go to the zone under the pointer, not the pressed one.
struct Routing {
    const char* name;
    Qt::MouseButton button;
    QRect expected;
};

std::ostream& operator<<(std::ostream& out, const Routing& c) {
    return out << c.name;
}

class PressedZone : public FramedWindow, public ::testing::WithParamInterface<Routing> {};

TEST_P(PressedZone, KeepsThePointerOnlyForThePrimaryButton) {
    press({748, 300}, GetParam().button);
    // Over the title strip, whose group is not dragging.
    moveTo({600, 10});
    moveTo({610, 12});
    EXPECT_EQ(geometry(), GetParam().expected.translated(origin));
}

INSTANTIATE_TEST_SUITE_P(Table, PressedZone,
                         ::testing::Values(Routing{"Primary", Qt::LeftButton, {0, 0, 640, 573}},
                                           Routing{"Secondary", Qt::RightButton, {0, 0, 750, 573}}),
                         [](const auto& info) { return info.param.name; });

TEST_F(FramedWindow, SecondaryDragGoesOnUntilReleasedOnItsGroup) {
    press({748, 300}, Qt::RightButton);
    moveTo({400, 300});
    release(Qt::RightButton); // over no zone: the right edge still drags
    moveTo({749, 300});
    EXPECT_EQ(geometry(), QRect(origin, QSize(751, 573)));
    press({749, 300}, Qt::RightButton);
    release(Qt::RightButton);
    moveTo({750, 300});
    EXPECT_EQ(geometry().size(), QSize(751, 573));
}

TEST_F(FramedWindow, PointerShapeFollowsZonesOnlyWithoutCapture) {
    press({748, 300}, Qt::RightButton);
    moveTo({740, 569});
    EXPECT_EQ(handle()->cursor().shape(), Qt::SizeFDiagCursor);
    moveTo({600, 10});
    EXPECT_EQ(handle()->cursor().shape(), Qt::ArrowCursor);
    release(Qt::RightButton);
    press({748, 300});
    const Qt::CursorShape before = handle()->cursor().shape();
    moveTo({740, 569});
    EXPECT_EQ(handle()->cursor().shape(), before);
}

// Sends raw window-system events so the second press lands within the double-click time.
class DoubleClick : public FramedWindow {
protected:
    void send(QEvent::Type type, const QPoint& at, Qt::MouseButtons buttons) {
        // Shares QTest's clock, so that the clicks of later tests are not double clicks.
        QTest::lastMouseTimestamp += 10;
        const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
        qt_handleMouseEvent(handle(), at, handle()->mapToGlobal(at), buttons, button, type, {},
                            QTest::lastMouseTimestamp);
        QApplication::processEvents();
    }
    void doubleClick(const QPoint& first, const QPoint& second) {
        send(QEvent::MouseButtonPress, first, Qt::LeftButton);
        send(QEvent::MouseButtonRelease, first, Qt::NoButton);
        send(QEvent::MouseButtonPress, second, Qt::LeftButton);
    }
    void TearDown() override { QTest::lastMouseTimestamp += QTest::mouseDoubleClickInterval; }
};

TEST_F(DoubleClick, SecondPressStartsItsOwnDrag) {
    ASSERT_GE(QGuiApplication::styleHints()->mouseDoubleClickDistance(), 2);
    doubleClick({600, 10}, {602, 10});
    send(QEvent::MouseMove, {632, 20}, Qt::LeftButton);
    // The window has moved under the pointer.
    send(QEvent::MouseButtonRelease, {602, 10}, Qt::NoButton);
    EXPECT_EQ(geometry().topLeft(), origin + QPoint(30, 10));
}

} // namespace
