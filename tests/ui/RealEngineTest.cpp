// The reader with the real web engine, on the offscreen platform: pages load and land on
// their anchors, and a rewritten working page is read afresh.
#include "UiTestSupport.h"

#include "ui/EngineLoader.h"
#include "ui/TForm1.h"

#include "TempFolder.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTest>
#include <QWebEnginePage>
#include <QWebEngineView>
#include <gtest/gtest.h>
#include <unistd.h>

namespace {

// A chapter page as the book has them: windows-1251, declared so.
std::string chapterPage(const std::string& name, const std::string& anchor) {
    std::string page = "<head><meta http-equiv=\"Content-Type\" content=\"text/html; "
                       "charset=windows-1251\"><title>" +
                       name + "</title></head><body><p>" + name + "</p>";
    page += "<div style='height:3000px'>filler</div><a name='" + anchor + "'></a><p>" + name +
            " article</p><div style='height:3000px'>filler</div></body>";
    return page;
}

// Holds what a page address once split on: "/" after the "#", "?", "%", a second "#", a
// space, and windows-1251 letters ("сорт").
constexpr const char* kAwkwardAnchor = "graphs/dfs?\xF1\xEE\xF0\xF2=%41 #2";

class RealEngine : public ::testing::Test {
protected:
    void SetUp() override {
        folder.write("data.nvb", scrambled("[vkladka]\r\n1\r\nOne\r\n[pro]\r\n#deep\r\nDeep\r\n"
                                           "[vkladka]\r\n2\r\nTwo\r\n[pro]\r\n#deep\r\nDeep\r\n"
                                           "[vkladka]\r\n3\r\nThree\r\n[pro]\r\n#" +
                                           std::string(kAwkwardAnchor) + "\r\nAwkward\r\n3"));
        folder.write("data/1.nvb", scrambled(chapterPage("first", "deep")));
        folder.write("data/2.nvb", scrambled(chapterPage("second", "deep")));
        folder.write("data/3.nvb", scrambled(chapterPage("third", kAwkwardAnchor)));
        form = std::make_unique<TForm1>(
            dialogs, engineModuleViewFactory(QStringLiteral(VARNEL_ENGINE_MODULE)),
            folder.folder());
        form->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    }

    // Opens a list entry and waits until its page has loaded.
    void openAndWait(int row) {
        form->ListBox1->setCurrentRow(row);
        QWebEngineView* view = form->WebBrowser1->findChild<QWebEngineView*>();
        bool loaded = false;
        auto watch = [&loaded](QWebEngineView* target) {
            return QObject::connect(target, &QWebEngineView::loadFinished,
                                    [&loaded](bool) { loaded = true; });
        };
        QMetaObject::Connection connection;
        if (view) {
            connection = watch(view);
        }
        form->ListBox1DblClick();
        if (!view) { // the double click made the view
            view = form->WebBrowser1->findChild<QWebEngineView*>();
            ASSERT_NE(view, nullptr);
            connection = watch(view);
        }
        ASSERT_TRUE(
            waitUntil([&] { return loaded && view->url().fileName() == "vaxilog.htm"; }, 60000));
        QObject::disconnect(connection);
    }

    QString evaluate(const QString& script) {
        QWebEngineView* view = form->WebBrowser1->findChild<QWebEngineView*>();
        QString result;
        bool done = false;
        view->page()->runJavaScript(script, [&](const QVariant& value) {
            result = value.toString();
            done = true;
        });
        EXPECT_TRUE(waitUntil([&] { return done; }, 30000)) << script.toStdString();
        return result;
    }

    static bool waitUntil(const std::function<bool()>& condition, int milliseconds) {
        QElapsedTimer timer;
        timer.start();
        while (!condition()) {
            if (timer.elapsed() > milliseconds) {
                return false;
            }
            QTest::qWait(20);
        }
        return true;
    }

    bool scrolledToArticle() {
        return waitUntil([this] { return evaluate("String(window.scrollY > 2000)") == "true"; },
                         10000);
    }

    TempFolder folder;
    RecordingDialogs dialogs;
    std::unique_ptr<TForm1> form;
};

TEST_F(RealEngine, ArticlesLandOnTheirAnchorAndChaptersAreReadAfresh) {
    openAndWait(1);
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_EQ(evaluate("document.title"), "first");
    EXPECT_EQ(evaluate("location.hash"), "#deep");
    EXPECT_TRUE(scrolledToArticle());

    // The same address with another chapter written under it.
    form->Button4Click();
    openAndWait(4);
    EXPECT_EQ(evaluate("document.title"), "second");
    EXPECT_EQ(evaluate("location.hash"), "#deep");
    EXPECT_TRUE(scrolledToArticle());
}

TEST_F(RealEngine, AnchorWithSlashQueryPercentHashAndCyrillicLands) {
    openAndWait(7);
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_EQ(evaluate("document.title"), "third");
    EXPECT_EQ(evaluate("decodeURIComponent(location.hash)"),
              QStringLiteral("#graphs/dfs?сорт=%41 #2"));
    EXPECT_TRUE(scrolledToArticle());
}

} // namespace

int main(int argc, char** argv) {
    if (::geteuid() == 0) {
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
