// The reader as a Wayland client, on the bundled book with the real web engine. Run it
// through scripts/test-wayland, which starts a headless compositor for it.
#include "EngineTestSupport.h"

#include "browser/EngineLoader.h"
#include "ui/ReaderStart.h"
#include "ui/TForm1.h"

#include "chrome/WindowFrame.h"

#include "TempFolder.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QListWidgetItem>
#include <QTest>
#include <QWebEnginePage>
#include <QWebEngineView>
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>

namespace {

namespace fs = std::filesystem;

int darkPixels(const QImage& image) {
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            count += qGray(image.pixel(x, y)) < 96;
        }
    }
    return count;
}

// A copy of the built reader's folder, so that the working page is written where no other
// test looks.
void copyReaderFolder(const fs::path& to) {
    const fs::path reader(VARNEL_READER_DIR);
    fs::copy_file(reader / "data.nvb", to / "data.nvb");
    fs::copy_file(reader / "blank.htm", to / "blank.htm");
    fs::copy(reader / "data", to / "data", fs::copy_options::recursive);
    fs::remove(to / "data" / "vaxilog.htm");
}

TEST(WaylandClient, ListsOpensAnArticleMinimisesAndClosesCleanly) {
    ASSERT_EQ(QGuiApplication::platformName().toStdString(), "wayland")
        << "Run this through scripts/test-wayland.";
    TempFolder folder;
    copyReaderFolder(folder.path());
    const fs::path workingPage = folder.path() / "data" / "vaxilog.htm";

    RecordingDialogs dialogs;
    TForm1 form(dialogs,
                engineModuleViewFactory(QStringLiteral(VARNEL_ENGINE_MODULE),
                                        bookPagesBeside(QString::fromStdString(folder.folder()))),
                folder.folder());
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    EXPECT_EQ(form.size(),
              QSize(chrome::WindowFrame::DesignWidth, chrome::WindowFrame::DesignHeight));

    // The contents list, as loaded from the book (articles are indented).
    ASSERT_TRUE(dialogs.messages.empty()) << dialogs.messages[0].text.toStdString();
    ASSERT_EQ(form.ListBox1->count(), int(form.book().contents().items.size()));
    const QList<QListWidgetItem*> found =
        form.ListBox1->findItems(QStringLiteral("     Быстрая сортировка"), Qt::MatchExactly);
    ASSERT_EQ(found.size(), 1);

    // Opened as a double click opens it; the view may still be on its way.
    form.ListBox1->setCurrentItem(found[0]);
    form.ListBox1DblClick();
    ASSERT_TRUE(dialogs.messages.empty()) << dialogs.messages[0].text.toStdString();
    EXPECT_FALSE(form.ListBox1->isVisible());
    EXPECT_NE(readFileBytes(workingPage).find("name=\"quick\""), std::string::npos);
    QWebEngineView* view = nullptr;
    ASSERT_TRUE(waitUntil(
        [&] {
            view = form.WebBrowser1->findChild<QWebEngineView*>();
            return view && view->url().fileName() == QLatin1String("vaxilog.htm") &&
                   view->url().fragment() == QLatin1String("quick");
        },
        60000));
    ASSERT_TRUE(waitUntil(
        [&] { return evaluate(view, QStringLiteral("document.readyState")) == "complete"; },
        60000));
    EXPECT_EQ(evaluate(view, QStringLiteral("document.title")), QStringLiteral("Сортировка"));
    EXPECT_EQ(evaluate(view, QStringLiteral("location.hash")), QStringLiteral("#quick"));
    // Painted, not a blank area: the article's dark text shows in the view.
    EXPECT_TRUE(waitUntil([&] { return darkPixels(view->grab().toImage()) > 1000; }, 30000));

    // Minimising is a request to the compositor, which tells a client nothing back: the
    // reader goes on, and its close button still ends it cleanly.
    form.fcImageBtn1Click();
    QTest::qWait(100);
    EXPECT_TRUE(form.isVisible());
    form.fcImageBtn2Click();
    EXPECT_FALSE(form.isVisible());
    EXPECT_FALSE(fs::exists(workingPage));
    EXPECT_TRUE(dialogs.messages.empty());
}

} // namespace

int main(int argc, char** argv) {
    if (::geteuid() == 0) {
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    }
    // The headless compositor offers no seat. Qt 6.4's Wayland text input then asks the
    // missing seat for its text input when the focus moves in a page (the reader puts it on
    // the article's heading) and crashes; no compositor a user works in lacks a seat.
    qputenv("QT_IM_MODULE", "none");
    QApplication application(argc, argv);
    QApplication::setApplicationDisplayName(QStringLiteral("Varnel"));
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
