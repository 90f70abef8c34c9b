#include "UiTestSupport.h"

#include "ui/SidePanel.h"
#include "ui/TForm1.h"

#include "TempFolder.h"

#include <QDesktopServices>
#include <QFrame>
#include <QLabel>
#include <QTest>
#include <gtest/gtest.h>

// Failures show texts, not their bytes.
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}

// Stands in for the desktop's browser: remembers what it was asked to open.
class OpenedAddresses : public QObject {
    Q_OBJECT
public:
    QStringList addresses;
public slots:
    void open(const QUrl& url) { addresses << url.toString(); }
};

namespace {

class LinksWindow : public ::testing::Test {
protected:
    void SetUp() override {
        folder.write("data.nvb", scrambled("[vkladka]\r\n1\r\nOne\r\n[pro]\r\n#a\r\nArticle\r\n1"));
        folder.write("data/1.nvb", scrambled("<p>one</p>"));
        form = std::make_unique<TForm1>(dialogs, recordingFactory(views), folder.folder());
        QDesktopServices::setUrlHandler(QStringLiteral("http"), &browser, "open");
    }
    void TearDown() override { QDesktopServices::unsetUrlHandler(QStringLiteral("http")); }

    // Clicks a point of the window the way the mouse would: the topmost control there
    // gets the click.
    void clickAt(QWidget* control, QPoint point) {
        const QPoint inWindow = control->mapTo(form.get(), point);
        QWidget* hit = form->childAt(inWindow);
        ASSERT_NE(hit, nullptr);
        QTest::mouseClick(hit, Qt::LeftButton, {}, hit->mapFrom(form.get(), inWindow));
    }

    TempFolder folder;
    RecordingDialogs dialogs;
    ViewRecord views;
    std::unique_ptr<TForm1> form;
    OpenedAddresses browser;
};

struct LinkCase {
    const char* name;
    QLabel* TForm1::*control;
    QRect bounds; // inside the side panel; empty for the button bar's links
    const char* address;
};

std::ostream& operator<<(std::ostream& out, const LinkCase& c) {
    return out << c.name;
}

class EachLink : public LinksWindow, public ::testing::WithParamInterface<LinkCase> {};

TEST_P(EachLink, ClickOpensItsAddressInTheBrowser) {
    QLabel* control = form.get()->*GetParam().control;
    ASSERT_NE(control, nullptr);
    const QPoint centre = control->rect().center();
    EXPECT_EQ(form->childAt(control->mapTo(form.get(), centre)), control) << "covered";
    clickAt(control, centre);
    EXPECT_EQ(browser.addresses, QStringList{GetParam().address});

    EXPECT_EQ(control->cursor().shape(), Qt::PointingHandCursor);
    if (!GetParam().bounds.isEmpty()) {
        EXPECT_EQ(control->geometry(), GetParam().bounds);
    }
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_P(EachLink, SpaceOrReturnFollowsItFromTheKeyboard) {
    QLabel* control = form.get()->*GetParam().control;
    form->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    control->setFocus(Qt::TabFocusReason);
    ASSERT_TRUE(control->hasFocus()) << "Tab does not reach it";
    QTest::keyClick(control, Qt::Key_Space);
    QTest::keyClick(control, Qt::Key_Return);
    EXPECT_EQ(browser.addresses, (QStringList{GetParam().address, GetParam().address}));
}

#define PARTNER "http://www.i.example/porta.phtml?from=Vordi"

INSTANTIATE_TEST_SUITE_P(
    Table, EachLink,
    ::testing::Values(
        LinkCase{"Label26", &TForm1::Label26, {}, "http://www.varnel.example"},
        LinkCase{"Label4", &TForm1::Label4, {}, "http://www.varnel.example/algoritm/blok.zip"},
        LinkCase{"Label5", &TForm1::Label5, {}, "http://www.varnel.example"},
        LinkCase{"Image9", &TForm1::Image9, {1, 0, 145, 21}, PARTNER},
        LinkCase{"Label6", &TForm1::Label6, {25, 25, 99, 26}, PARTNER "&to=index.htm"},
        LinkCase{"Label17", &TForm1::Label17, {46, 55, 67, 13}, PARTNER "&to=price4.htm"},
        LinkCase{"Label10", &TForm1::Label10, {25, 75, 98, 26}, PARTNER "&to=foto.htm"},
        LinkCase{"Label14", &TForm1::Label14, {37, 109, 78, 13}, PARTNER "&to=price95.htm"},
        LinkCase{"Label13", &TForm1::Label13, {31, 131, 95, 13}, PARTNER "&to=price7.htm"},
        LinkCase{"Label8", &TForm1::Label8, {40, 151, 83, 13}, PARTNER "&to=price25.htm"},
        LinkCase{"Label12", &TForm1::Label12, {36, 171, 86, 13}, PARTNER "&to=price301.htm"},
        LinkCase{"Label7", &TForm1::Label7, {30, 193, 95, 13}, PARTNER "&to=price302.htm"},
        LinkCase{"Label19", &TForm1::Label19, {23, 214, 112, 14}, PARTNER "&to=price16.htm"},
        LinkCase{"Label16", &TForm1::Label16, {39, 235, 83, 13}, PARTNER "&to=notebook.htm"},
        LinkCase{"Label11", &TForm1::Label11, {26, 257, 111, 13}, PARTNER "&to=slovar.htm"},
        LinkCase{"Label9", &TForm1::Label9, {37, 277, 84, 13}, PARTNER "&to=pilot.htm"},
        LinkCase{"Label20", &TForm1::Label20, {36, 298, 86, 13}, PARTNER "&to=tov11358.htm"},
        LinkCase{"Label18", &TForm1::Label18, {31, 319, 94, 13}, PARTNER "&to=price9.htm"},
        LinkCase{"Label15", &TForm1::Label15, {35, 340, 83, 13}, PARTNER "&to=price99.htm"},
        LinkCase{"Label21", &TForm1::Label21, {35, 360, 82, 13}, PARTNER "&to=partner.phtml"},
        LinkCase{"Label22", &TForm1::Label22, {}, PARTNER}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(LinksWindow, LabelsThatAreNotLinksOpenNothing) {
    for (QLabel* label : {form->Label23, form->Label24, form->Label25, form->Label3}) {
        clickAt(label, label->rect().center());
    }
    // The red "20%" lies over the discount link and takes the click there.
    const QPoint overLink =
        form->Label22->mapFrom(form->Label25->parentWidget(), form->Label25->geometry().center());
    ASSERT_TRUE(form->Label22->rect().contains(overLink));
    clickAt(form->Label22, overLink);
    EXPECT_TRUE(browser.addresses.isEmpty());
}

TEST_F(LinksWindow, DoubleClickOpensOnceAndOtherButtonsNotAtAll) {
    // As the window system delivers a double click: press, release, double click, release.
    QTest::mouseClick(form->Label6, Qt::LeftButton);
    QTest::mouseDClick(form->Label6, Qt::LeftButton);
    QTest::mouseRelease(form->Label6, Qt::LeftButton);
    QTest::mouseClick(form->Label17, Qt::RightButton);
    // Pressed on the link but released off it: no click.
    QTest::mousePress(form->Label8, Qt::LeftButton);
    QTest::mouseRelease(form->Label8, Qt::LeftButton, {}, QPoint(-5, -5));
    EXPECT_EQ(browser.addresses, QStringList{PARTNER "&to=index.htm"});
}

TEST_F(LinksWindow, SidePanelKeepsItsWidthAndEveryPlaceOnResize) {
    const QList<QLabel*> controls = form->Panel4->findChildren<QLabel*>();
    ASSERT_EQ(controls.size(), 21);
    QList<QRect> before;
    for (QLabel* control : controls) {
        before << control->geometry();
    }
    form->show();
    form->resize(900, 700);
    EXPECT_EQ(form->Panel4->geometry(), QRect(1, 1, 149, 485 + 127));
    for (int i = 0; i < controls.size(); ++i) {
        EXPECT_EQ(controls[i]->geometry(), before[i]) << controls[i]->text().toStdString();
        // In the client area, inside the two-pixel sunken border.
        EXPECT_EQ(controls[i]->parentWidget()->geometry(), QRect(2, 2, 145, 481 + 127));
    }
}

TEST_F(LinksWindow, CaptionsBreakOnceWhereTheyHaveALineBreak) {
    for (QLabel* label : {form->Label6, form->Label10}) {
        EXPECT_TRUE(label->text().contains("\r\n"));
        EXPECT_EQ(label->sizeHint().height(), 2 * label->fontMetrics().lineSpacing());
    }
    // The size a plain label of the same text and font asks for: the link's own hint also
    // counts what it needs to take the keyboard focus.
    QLabel plain;
    plain.setTextFormat(Qt::PlainText);
    plain.setText(form->Label22->text());
    plain.setFont(form->Label22->font());
    plain.setAlignment(form->Label22->alignment());
    EXPECT_EQ(form->Label22->size(), plain.sizeHint());
}

TEST_F(LinksWindow, BannerIsA256ColourPictureStretchedOverTheControl) {
    const QImage banner(QStringLiteral(":/banner/partner.bmp"));
    EXPECT_EQ(banner.size(), QSize(118, 21));
    EXPECT_EQ(banner.format(), QImage::Format_Indexed8);
    EXPECT_EQ(banner.colorCount(), 256);
    const QImage shown = form->Image9->grab().toImage();
    EXPECT_EQ(shown.size(), QSize(145, 21));
    // Stretched, not centred on white: the dark banner reaches both ends.
    for (const int x : {0, 144}) {
        EXPECT_LT(qGray(shown.pixel(x, 10)), 100) << x;
    }
}

// Which columns of a picture's rows [top, bottom) have something drawn in them.
std::vector<bool> inkedColumns(const QImage& image, int top, int bottom) {
    std::vector<bool> inked(static_cast<size_t>(image.width()), false);
    for (int x = 0; x < image.width(); ++x) {
        for (int y = top; y < bottom; ++y) {
            const QColor colour = image.pixelColor(x, y);
            inked[x] = inked[x] || qMin(colour.red(), qMin(colour.green(), colour.blue())) < 160;
        }
    }
    return inked;
}

// The widest run [first, last) of blank columns with ink on both sides.
std::pair<int, int> widestGap(const std::vector<bool>& inked) {
    std::pair<int, int> gap(0, 0);
    int blankFrom = -1;
    for (int x = 0; x < static_cast<int>(inked.size()); ++x) {
        if (!inked[x] && blankFrom < 0 && x > 0) {
            blankFrom = x;
        } else if (inked[x] && blankFrom >= 0) {
            if (x - blankFrom > gap.second - gap.first) {
                gap = {blankFrom, x};
            }
            blankFrom = -1;
        }
    }
    return gap;
}

// The red "20%" is drawn inside the gap of spaces in the text's second line, centred on it,
// whatever the shop's name makes of the line.
void expectPercentOverGap(QLabel* text, QLabel* percent) {
    const QImage drawn = text->grab().toImage();
    const int lineHeight = drawn.height() / 4;
    // Above the underline, which runs on under the spaces.
    const auto [gapLeft, gapRight] =
        widestGap(inkedColumns(drawn, lineHeight, lineHeight + text->fontMetrics().ascent()));
    ASSERT_GT(gapRight - gapLeft, 10);

    const QImage red = percent->grab().toImage();
    const std::vector<bool> inked = inkedColumns(red, 0, red.height());
    const auto first = std::find(inked.begin(), inked.end(), true) - inked.begin();
    const auto last = inked.rend() - std::find(inked.rbegin(), inked.rend(), true);
    ASSERT_LT(first, last);
    const int dx = percent->x() - text->x();
    EXPECT_GT(first + dx, gapLeft);
    EXPECT_LT(last + dx, gapRight);
    EXPECT_NEAR((first + last) / 2.0 + dx, (gapLeft + gapRight) / 2.0, 2.0);
    EXPECT_NEAR(percent->y() - text->y(), lineHeight, 1);
}

TEST_F(LinksWindow, PercentCoversTheGapInTheDiscountText) {
    EXPECT_EQ(form->Label22->parentWidget(), form->Label25->parentWidget());
    expectPercentOverGap(form->Label22, form->Label25);
    // Fits the panel rather than being cut off, in the links' own font and size.
    EXPECT_GE(form->Label22->x(), 0);
    EXPECT_LE(form->Label22->geometry().right(), 144);
    EXPECT_EQ(form->Label22->font(), form->Label17->font());
}

class DiscountForShopName : public ::testing::TestWithParam<const char*> {};

TEST_P(DiscountForShopName, PercentCoversTheGap) {
    QWidget client;
    QFont windowFont;
    windowFont.setFamilies(
        {QStringLiteral("DejaVu Sans Condensed"), QStringLiteral("DejaVu Sans")});
    windowFont.setPixelSize(11);
    client.setFont(windowFont);
    client.resize(kSidePanelClientWidth, 481);
    const DiscountText discount = makeDiscountText(&client, QString::fromUtf8(GetParam()));
    EXPECT_LE(discount.text->width(), kSidePanelClientWidth);
    expectPercentOverGap(discount.text, discount.percent);
}

INSTANTIATE_TEST_SUITE_P(Names, DiscountForShopName,
                         ::testing::Values("Ab.ru", "Техника.рф", "ElectroShop.example"));

} // namespace

#include "LinksTest.moc"
