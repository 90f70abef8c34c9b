#pragma once

#include "chrome/Anchors.h"
#include "chrome/CompositorGeometry.h"
#include "chrome/TfcImageBtn.h"
#include "chrome/TfcImager.h"
#include "chrome/WindowFrame.h"

#include <QLabel>
#include <QTest>
#include <QWidget>
#include <QWindow>
#include <gtest/gtest.h>

#include <memory>

// A plain borderless window standing in for the reader's main window: minimum size, button
// face background, an empty title label, the frame installed and its window at (200, 150).
class FramedWindow : public ::testing::Test {
protected:
    static constexpr QPoint origin{200, 150};

    void SetUp() override {
        quietAboutPointerOutside();
        window = std::make_unique<QWidget>(nullptr, Qt::Window | Qt::FramelessWindowHint);
        window->setMinimumSize(640, 560);
        window->resize(750, 573);
        window->move(origin);
        window->setAutoFillBackground(true);
        QPalette palette = window->palette();
        palette.setColor(QPalette::Button, buttonFace);
        palette.setColor(QPalette::Window, buttonFace);
        window->setPalette(palette);
        anchors = new chrome::Anchors(window.get());
        titleLabel = new QLabel(window.get());
        titleLabel->setGeometry(36, 3, 508, 13);
        anchors->add(titleLabel, chrome::AnchorLeft | chrome::AnchorTop | chrome::AnchorRight);
        frame = new chrome::WindowFrame(window.get(), anchors, titleLabel, frameGeometry());
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
        // Qt drops a move to where the pointer already is (the last test may have left it
        // here); one of two distinct moves reaches the new window, so enter and leave work.
        QTest::mouseMove(handle(), QPoint(400, 300));
        QTest::mouseMove(handle(), QPoint(401, 300));
    }

    void TearDown() override {
        // No button stays held for the next test.
        for (Qt::MouseButton button : {Qt::LeftButton, Qt::RightButton}) {
            if (held_ & button) {
                release(button);
            }
        }
    }

    // What the frame drags: the running platform's geometry unless a test stands in for it.
    virtual std::unique_ptr<chrome::WindowGeometry> frameGeometry() {
        return chrome::platformGeometry(window.get());
    }

    QWindow* handle() const { return window->windowHandle(); }
    QRect geometry() const { return window->geometry(); }

    // The pointer lives on the screen: the window moves under it.
    void press(const QPoint& inWindow, Qt::MouseButton button = Qt::LeftButton) {
        pointer_ = window->pos() + inWindow;
        held_ |= button;
        QTest::mousePress(handle(), button, {}, inWindow);
    }
    void moveTo(const QPoint& inWindow) {
        pointer_ = window->pos() + inWindow;
        QTest::mouseMove(handle(), inWindow);
    }
    void moveBy(const QPoint& offset) {
        pointer_ += offset;
        QTest::mouseMove(handle(), pointer_ - window->pos());
    }
    void release(Qt::MouseButton button = Qt::LeftButton) {
        held_ &= ~button;
        QTest::mouseRelease(handle(), button, {}, pointer_ - window->pos());
    }

    QColor pixel(int x, int y) const { return window->grab().toImage().pixelColor(x, y); }

    const QColor buttonFace{0xD4, 0xD0, 0xC8};
    std::unique_ptr<QWidget> window;
    chrome::Anchors* anchors = nullptr;
    QLabel* titleLabel = nullptr;
    chrome::WindowFrame* frame = nullptr;

private:
    // A drag runs the pointer ahead of the window, which QTest warns about on every event.
    static void quietAboutPointerOutside() {
        static const QtMessageHandler previous = qInstallMessageHandler(
            [](QtMsgType type, const QMessageLogContext& context, const QString& message) {
                if (!message.startsWith(QLatin1String("Mouse event at "))) {
                    previous(type, context, message);
                }
            });
    }

    QPoint pointer_;
    Qt::MouseButtons held_;
};
