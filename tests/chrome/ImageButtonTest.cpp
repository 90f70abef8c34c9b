#include "FramedWindow.h"

namespace {

// The caption buttons with their clicks counted; no hover tint, so the pictures stay white.
class CaptionButtons : public FramedWindow {
protected:
    void SetUp() override {
        FramedWindow::SetUp();
        QObject::connect(frame->closeButton(), &chrome::TfcImageBtn::clicked,
                         [this] { ++closeClicks; });
        QObject::connect(frame->minimiseButton(), &chrome::TfcImageBtn::clicked,
                         [this] { ++minimiseClicks; });
    }
    QImage closeFace() const { return window->grab(QRect(3, 3, 25, 12)).toImage(); }
    QImage minimiseFace() const { return window->grab(QRect(730, 3, 15, 12)).toImage(); }
    // Corner pixels that tell the pictures apart: white highlight or dark sunken line at the
    // top left, grey or near white at the bottom right.
    bool closeLooksPressed() const {
        const QImage face = closeFace();
        const bool pressed = face.pixel(1, 1) == qRgb(0xAA, 0xAC, 0xA9) &&
                             face.pixel(24, 11) == qRgb(0xFF, 0xFF, 0xFF);
        const bool normal = face.pixel(1, 1) == qRgb(0xFF, 0xFF, 0xFF) &&
                            face.pixel(24, 11) == qRgb(0xF3, 0xF3, 0xF3);
        EXPECT_NE(pressed, normal);
        return pressed;
    }

    const QPoint onClose{15, 8};
    const QPoint onMinimise{737, 8};
    const QPoint away{300, 300};
    int closeClicks = 0;
    int minimiseClicks = 0;
};

TEST_F(CaptionButtons, PressedPictureOnlyWhilePointerInside) {
    EXPECT_FALSE(closeLooksPressed());
    press(onClose);
    EXPECT_TRUE(closeLooksPressed());
    moveTo(away);
    EXPECT_FALSE(closeLooksPressed());
    moveTo(onClose + QPoint(5, 1));
    EXPECT_TRUE(closeLooksPressed());
    release();
    EXPECT_FALSE(closeLooksPressed());
    EXPECT_EQ(closeClicks, 1);
}

TEST_F(CaptionButtons, ReleaseOutsideDoesNothing) {
    press(onClose);
    moveTo(away);
    release();
    EXPECT_EQ(closeClicks, 0);
    EXPECT_FALSE(closeLooksPressed());
    EXPECT_EQ(window->geometry(), QRect(origin, QSize(750, 573)));
}

TEST_F(CaptionButtons, SecondaryButtonNeitherPressesNorClicks) {
    const QImage before = closeFace();
    press(onClose, Qt::RightButton);
    EXPECT_EQ(closeFace(), before);
    release(Qt::RightButton);
    EXPECT_EQ(closeClicks, 0);
}

TEST_F(CaptionButtons, MinimiseLooksTheSamePressedAndClicks) {
    const QImage before = minimiseFace();
    press(onMinimise);
    EXPECT_EQ(minimiseFace(), before);
    release();
    EXPECT_EQ(minimiseClicks, 1);
    EXPECT_EQ(closeClicks, 0);
}

// As after a box was answered, or on a screen without a window manager: the first click
// counts, before the window has become active.
TEST_F(CaptionButtons, ClickCountsBeforeTheWindowIsActive) {
    QWidget other;
    other.show();
    other.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
    press(onClose);
    release();
    EXPECT_EQ(closeClicks, 1);
}

} // namespace
