#include "FramedWindow.h"

#include "chrome/Skin.h"
#include "chrome/TfcImager.h"

#include <QApplication>

#include <vector>

namespace {

// Cross-sections of the strips: title and bottom rows from the top, left edge columns from
// the outside in, right edge columns from the inside out.
const std::vector<QRgb> titleRows = {0x000000, 0xFFFFFF, 0xDEDEDE, 0x425A7C, 0x6384AD, 0x5B7BAC,
                                     0x5B7BAE, 0x5A7BA4, 0x5973A4, 0x52739C, 0x52739E, 0x526B94,
                                     0x526B94, 0x496C8C, 0x4B628C, 0x4A638C, 0x52739C, 0x000000};
const std::vector<QRgb> bottomRows = {0x000000, 0xFFFFFF, 0xDEDEDE, 0xDEDEDE,
                                      0xDFDDDE, 0xDEDEDE, 0x696D6C, 0x000000};
const std::vector<QRgb> leftColumns = {0x000000, 0xFFFFFF, 0xDEDEDE, 0x000000};
const std::vector<QRgb> rightColumns = {0x000000, 0xDEDEDE, 0x6B6D6A, 0x000000};

QRgb rgbAt(const QImage& image, int x, int y) {
    return image.pixel(x, y) & 0xFFFFFF;
}

// The window's frame after its bottom-right corner was dragged to the given size.
class ResizedFrame : public FramedWindow, public ::testing::WithParamInterface<QSize> {
protected:
    QImage resizedShot() {
        press({740, 569});
        moveBy(QPoint(GetParam().width() - 750, GetParam().height() - 573));
        release();
        EXPECT_EQ(window->size(), GetParam());
        return window->grab().toImage();
    }
};

TEST_P(ResizedFrame, StripsKeepTheirProfiles) {
    const QImage shot = resizedShot();
    const int w = GetParam().width(), h = GetParam().height();
    struct Strip {
        const char* name;
        QRect bounds;
        bool alongX; // stretched horizontally: the profile runs down the rows
        const std::vector<QRgb>& profile;
    };
    // Where no corner piece lies over them.
    const Strip strips[] = {{"title", {33, 0, w - 57, 18}, true, titleRows},
                            {"bottom", {21, h - 8, w - 43, 8}, true, bottomRows},
                            {"left", {0, 18, 4, h - 26}, false, leftColumns},
                            {"right", {w - 4, 18, 4, h - 26}, false, rightColumns}};
    for (const Strip& strip : strips) {
        int wrong = 0;
        for (int y = strip.bounds.top(); y <= strip.bounds.bottom(); ++y) {
            for (int x = strip.bounds.left(); x <= strip.bounds.right(); ++x) {
                const size_t across =
                    strip.alongX ? y - strip.bounds.top() : x - strip.bounds.left();
                wrong += rgbAt(shot, x, y) != strip.profile[across];
            }
        }
        EXPECT_EQ(wrong, 0) << strip.name << " strip";
    }
}

TEST_P(ResizedFrame, CornerPiecesKeepTheirPictures) {
    const QImage shot = resizedShot();
    const int w = GetParam().width(), h = GetParam().height();
    struct Corner {
        const char* picture;
        QPoint at;
        QRect hidden; // under a caption button, or the key pixel
    };
    const Corner corners[] = {{"image1.bmp", {0, 0}, {3, 3, 25, 12}},
                              {"image3.bmp", {w - 24, 0}, {w - 20, 3, 15, 12}},
                              {"image6.bmp", {0, h - 8}, {}},
                              {"image8.bmp", {w - 22, h - 8}, {}}};
    for (const Corner& corner : corners) {
        const QImage picture = chrome::skinPicture(QString::fromLatin1(corner.picture));
        ASSERT_FALSE(picture.isNull()) << corner.picture;
        int wrong = 0;
        for (int y = 0; y < picture.height(); ++y) {
            for (int x = 0; x < picture.width(); ++x) {
                const QPoint at = corner.at + QPoint(x, y);
                if (!corner.hidden.contains(at) && at != QPoint(0, 0)) {
                    wrong += rgbAt(shot, at.x(), at.y()) != rgbAt(picture, x, y);
                }
            }
        }
        EXPECT_EQ(wrong, 0) << corner.picture;
    }
    // The one key pixel of the frame shows the window's button face.
    EXPECT_EQ(shot.pixelColor(0, 0), buttonFace);
    EXPECT_EQ(rgbAt(shot, 1, 0), 0x000000u);
}

INSTANTIATE_TEST_SUITE_P(Sizes, ResizedFrame,
                         ::testing::Values(QSize(750, 573), QSize(900, 700), QSize(640, 560)),
                         [](const auto& info) {
                             return std::to_string(info.param.width()) + "x" +
                                    std::to_string(info.param.height());
                         });

// Caption buttons tinted as the window does it: white, the hover colour under the pointer.
class CaptionButtonColours : public FramedWindow {
protected:
    void SetUp() override {
        FramedWindow::SetUp();
        for (chrome::TfcImageBtn* button : {frame->closeButton(), frame->minimiseButton()}) {
            QObject::connect(button, &chrome::TfcImageBtn::entered, button,
                             [button] { button->setColor(chrome::captionButtonHoverColor); });
            QObject::connect(button, &chrome::TfcImageBtn::left, button,
                             [button] { button->setColor(chrome::captionButtonColor); });
        }
    }
};

struct ButtonPixel {
    const char* name;
    QPoint at;    // in the window at 750 x 573
    QPoint hover; // where the pointer rests to hover the button
    QRgb normal;
    QRgb hovered;
};

std::ostream& operator<<(std::ostream& out, const ButtonPixel& c) {
    return out << c.name;
}

class ButtonPixels : public CaptionButtonColours,
                     public ::testing::WithParamInterface<ButtonPixel> {};

TEST_P(ButtonPixels, TintedWhiteThenHoverColour) {
    const ButtonPixel& c = GetParam();
    moveTo({300, 300});
    EXPECT_EQ(pixel(c.at.x(), c.at.y()).rgb() & 0xFFFFFF, c.normal);
    moveTo(c.hover);
    EXPECT_EQ(pixel(c.at.x(), c.at.y()).rgb() & 0xFFFFFF, c.hovered);
    moveTo({300, 300});
    EXPECT_EQ(pixel(c.at.x(), c.at.y()).rgb() & 0xFFFFFF, c.normal);
}

const QPoint overClose(15, 8), overMinimise(737, 8);

INSTANTIATE_TEST_SUITE_P(
    Table, ButtonPixels,
    ::testing::Values(
        ButtonPixel{"CloseCross", {12, 6}, overClose, 0x3F3F3F, 0x0C1323},
        ButtonPixel{"CloseGreyCorner", {27, 14}, overClose, 0xF3F3F3, 0xC0C7D7},
        ButtonPixel{"CloseBorder", {3, 3}, overClose, 0xAAACA9, 0x77808D},
        ButtonPixel{"CloseNearWhiteFace", {5, 5}, overClose, 0xFFFFFF, 0xFFFFFF},
        ButtonPixel{"SkinBorderRightOfClose", {28, 8}, overClose, 0x6B6D6A, 0x6B6D6A},
        ButtonPixel{"SkinBorderBelowClose", {15, 15}, overClose, 0x6B6D6A, 0x6B6D6A},
        ButtonPixel{"MinimiseRing", {736, 6}, overMinimise, 0x3F3F3F, 0x0C1323},
        ButtonPixel{"MinimiseGreyCorner", {744, 14}, overMinimise, 0xF3F3F3, 0xC0C7D7},
        ButtonPixel{"SkinBorderRightOfMinimise", {745, 8}, overMinimise, 0x6B6D6A, 0x6B6D6A},
        ButtonPixel{"SkinBorderBelowMinimise", {737, 15}, overMinimise, 0x6B6D6A, 0x6B6D6A}),
    [](const auto& info) { return info.param.name; });

TEST_F(CaptionButtonColours, SkinBorderStaysBesideMinimiseAfterGrowing) {
    window->resize(900, 700);
    const QImage shot = window->grab().toImage();
    for (int y = 3; y <= 15; ++y) {
        EXPECT_EQ(rgbAt(shot, 895, y), 0x6B6D6Au) << "y " << y;
    }
    EXPECT_EQ(rgbAt(shot, 886, 6), 0x3F3F3Fu);
}

// The key colour is the palette's menu colour, read at every paint; key pixels paint black,
// whether the picture had them or the tint made them.
struct KeyCase {
    const char* name;
    QRgb menuColour;
    QPoint at;
    QRgb withKey;
    QRgb withoutKey; // with the palette's own menu colour
};

std::ostream& operator<<(std::ostream& out, const KeyCase& c) {
    return out << c.name;
}

class MenuColourKey : public CaptionButtonColours, public ::testing::WithParamInterface<KeyCase> {};

TEST_P(MenuColourKey, PaintsKeyPixelsBlack) {
    const QPalette saved = QApplication::palette("QMenu");
    QPalette menu = saved;
    menu.setColor(QPalette::Window, QColor::fromRgb(GetParam().menuColour));
    QApplication::setPalette(menu, "QMenu");
    const QRgb seen = pixel(GetParam().at.x(), GetParam().at.y()).rgb() & 0xFFFFFF;
    QApplication::setPalette(saved, "QMenu");
    EXPECT_EQ(seen, GetParam().withKey);
    EXPECT_EQ(pixel(GetParam().at.x(), GetParam().at.y()).rgb() & 0xFFFFFF, GetParam().withoutKey);
}

INSTANTIATE_TEST_SUITE_P(
    Table, MenuColourKey,
    ::testing::Values(KeyCase{"PictureBorderIsKey", 0x6B6D6A, {3, 3}, 0x000000, 0xAAACA9},
                      KeyCase{"TintedCrossBecomesKey", 0x3F3F3F, {12, 6}, 0x000000, 0x3F3F3F}),
    [](const auto& info) { return info.param.name; });

// The picture control on its own, over a plain background.
class PictureControl : public ::testing::Test {
protected:
    void SetUp() override {
        parent.resize(20, 10);
        parent.setAutoFillBackground(true);
        QPalette palette = parent.palette();
        palette.setColor(QPalette::Window, background);
        parent.setPalette(palette);
        image = new chrome::TfcImager(&parent);
        image->setTransparentColor(key);
        parent.show();
    }
    QImage picture(const QPoint& keyAt) const {
        QImage result(3, 2, QImage::Format_RGB888);
        result.fill(QColor(0x10, 0x20, 0x30));
        result.setPixelColor(keyAt, key);
        return result;
    }
    QColor shown(int x, int y) { return parent.grab().toImage().pixelColor(x, y); }

    const QColor background{0xC0, 0xC0, 0xC0};
    const QColor key{0x3E, 0x97, 0x6A};
    QWidget parent;
    chrome::TfcImager* image = nullptr;
};

TEST_F(PictureControl, NewPictureGetsItsOwnMask) {
    image->setTransparent(true);
    image->setAutoSize(true);
    image->setPicture(picture({0, 0}));
    EXPECT_EQ(image->size(), QSize(3, 2));
    EXPECT_EQ(shown(0, 0), background);
    EXPECT_EQ(shown(2, 1), QColor(0x10, 0x20, 0x30));
    image->setPicture(picture({2, 1}));
    EXPECT_EQ(shown(0, 0), QColor(0x10, 0x20, 0x30));
    EXPECT_EQ(shown(2, 1), background);
}

TEST_F(PictureControl, StretchRepeatsWholePixels) {
    QImage stripe(2, 1, QImage::Format_RGB888);
    stripe.setPixelColor(0, 0, Qt::red);
    stripe.setPixelColor(1, 0, Qt::blue);
    image->setDrawStyle(chrome::dsStretch);
    image->setPicture(stripe);
    image->setGeometry(0, 0, 5, 2);
    const QImage shot = parent.grab().toImage();
    const QColor expected[] = {Qt::red, Qt::red, Qt::red, Qt::blue, Qt::blue};
    for (int x = 0; x < 5; ++x) {
        EXPECT_EQ(shot.pixelColor(x, 1), expected[x]) << "x " << x;
    }
}

} // namespace
