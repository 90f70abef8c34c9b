// The reader with the real web engine, on the offscreen platform: pages load and land on
// their anchors, and a rewritten working page is read afresh.
#include "EngineTestSupport.h"

#include "book/Folders.h"
#include "browser/EngineLoader.h"
#include "ui/ReaderStart.h"
#include "ui/TForm1.h"

#include "ReadOnlyFolder.h"
#include "TempFolder.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QImage>
#include <QTest>
#include <QWebEnginePage>
#include <QWebEngineView>
#include <csignal>
#include <gtest/gtest.h>
#include <sys/stat.h>
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
        writeBook();
        openReader();
    }

    void writeBook() {
        folder.write("data.nvb", scrambled("[vkladka]\r\n1\r\nOne\r\n[pro]\r\n#deep\r\nDeep\r\n"
                                           "[vkladka]\r\n2\r\nTwo\r\n[pro]\r\n#deep\r\nDeep\r\n"
                                           "[vkladka]\r\n3\r\nThree\r\n[pro]\r\n#" +
                                           std::string(kAwkwardAnchor) + "\r\nAwkward\r\n3"));
        folder.write("data/1.nvb", scrambled(chapterPage("first", "deep")));
        folder.write("data/2.nvb", scrambled(chapterPage("second", "deep")));
        folder.write("data/3.nvb", scrambled(chapterPage("third", kAwkwardAnchor)));
    }

    // The reader as it starts: with a book folder it may not write in (an installed book),
    // its working page goes to a private folder below a runtime folder of the test's own.
    void openReader() {
        if (readOnlyBook) {
            readOnly = std::make_unique<ReadOnlyFolder>(folder.path() / "data");
            if (!readOnly->made()) {
                GTEST_SKIP() << "no folder could be made read-only here";
            }
            std::filesystem::create_directory(folder.path() / "run");
            std::filesystem::permissions(folder.path() / "run", std::filesystem::perms::owner_all);
            start = prepareReaderStart(
                dialogs, [this] { return folder.folder(); },
                book::UserFolders{folder.folder() + "run", ""});
            ASSERT_TRUE(start.has_value());
            ASSERT_NE(start->workingFolder, folder.folder() + "data/");
        }
        const std::string working = start ? start->workingFolder : std::string();
        form = std::make_unique<TForm1>(
            dialogs,
            engineModuleViewFactory(QStringLiteral(VARNEL_ENGINE_MODULE),
                                    bookPagesBeside(QString::fromStdString(folder.folder()),
                                                    QString::fromStdString(working))),
            folder.folder(), working);
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
        return ::evaluate(form->WebBrowser1->findChild<QWebEngineView*>(), script);
    }

    bool scrolledToArticle() {
        return waitUntil([this] { return evaluate("String(window.scrollY > 2000)") == "true"; },
                         10000);
    }

    TempFolder folder;
    RecordingDialogs dialogs;
    bool readOnlyBook = false;
    std::unique_ptr<ReadOnlyFolder> readOnly;
    std::optional<ReaderStart> start;
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

// A chapter page that tries what no book page may do, beside files a book of real web
// pages uses: a style sheet, a script, a picture, an SVG and a frame. Its book also holds a
// named pipe where a picture would be, which the engine would wait on for good.
class HostilePage : public RealEngine {
protected:
    void SetUp() override {
        writeBook();
        const QString secretFile = QString::fromStdString(folder.folder()) + "private.txt";
        folder.write("private.txt", kSecret);
        const std::string secret = QUrl::fromLocalFile(secretFile).toString().toStdString();
        folder.write("data/style.css", "body { color: rgb(1, 2, 3) }");
        folder.write("data/script.js", "window.scriptLoaded = true;");
        folder.write("data/pic.svg", "<svg xmlns='http://www.w3.org/2000/svg' width='20' "
                                     "height='10'><rect width='20' height='10'/></svg>");
        QImage picture(12, 8, QImage::Format_RGB32);
        picture.fill(Qt::red);
        ASSERT_TRUE(picture.save(QString::fromStdString(folder.folder()) + "data/pic.png"));
        folder.write("data/frame.htm", "<body>a frame of the book</body>");
        ASSERT_EQ(::mkfifo((folder.folder() + "data/pipe.png").c_str(), 0600), 0);
        const std::string page =
            "<head><title>hostile</title><link rel=stylesheet href='style.css'>"
            "<script src='script.js'></script></head><body><p>text to copy</p>"
            "<img id=pic src='pic.png'><img id=svg src='pic.svg'><img src='pipe.png'>"
            "<iframe id=frame src='" +
            secret +
            "'></iframe><iframe id=own src='frame.htm'></iframe><script>"
            "window.results = {};"
            "fetch('notes.txt').then(r => r.text()).then(t => results.beside = t,"
            "  e => results.beside = 'refused');"
            "fetch('" +
            secret +
            "').then(r => r.text()).then(t => results.fetch = t,"
            "  e => results.fetch = 'refused');"
            "try { const x = new XMLHttpRequest(); x.open('GET', '" +
            secret +
            "', false);"
            "  x.send(); results.xhr = x.responseText; } catch (e) { results.xhr = 'refused'; }"
            "results.window = String(window.open('pic.svg') === null);"
            "</script></body>";
        folder.write("data/1.nvb", scrambled(page));
        openReader();
        if (start) {
            // Another file beside the working page: it stands for a book file, which there is
            // none of, and is never read itself.
            std::ofstream(start->workingFolder + "notes.txt") << kSecret;
        }
    }

    QString frameText(const char* frame = "frame") {
        return evaluate(QStringLiteral("(() => { try { const d = document.getElementById('%1')"
                                       ".contentDocument; return d ? d.body.innerText : 'none'; }"
                                       " catch (e) { return 'refused'; } })()")
                            .arg(QLatin1String(frame)));
    }

    static constexpr const char* kSecret = "the private notes of somebody";
};

// The same page from the book folder, and from a private working folder when the book
// folder may not be written: its own files still load, and nothing else.
class HostilePageFromEitherFolder : public HostilePage, public ::testing::WithParamInterface<bool> {
protected:
    void SetUp() override {
        readOnlyBook = GetParam();
        HostilePage::SetUp();
    }
};

TEST_P(HostilePageFromEitherFolder, ReadsNoFileOutsideItsBookAndStillLoadsItsOwn) {
    openAndWait(0);
    const QString shown = form->WebBrowser1->findChild<QWebEngineView*>()->url().toLocalFile();
    EXPECT_EQ(shown.toStdString(), form->book().workingPagePath());
    EXPECT_EQ(std::filesystem::exists(folder.path() / "data" / "vaxilog.htm"), !readOnlyBook);
    ASSERT_TRUE(waitUntil(
        [this] {
            return evaluate("String(window.results.fetch)") != "undefined" &&
                   evaluate("String(window.results.beside)") != "undefined";
        },
        10000));
    EXPECT_NE(evaluate("results.fetch"), kSecret);
    EXPECT_NE(evaluate("results.beside"), kSecret);
    EXPECT_NE(evaluate("results.xhr"), kSecret);
    EXPECT_FALSE(frameText().contains(kSecret));
    EXPECT_EQ(evaluate("results.window"), "true") << "a script opened a window";
    EXPECT_TRUE(waitUntil([this] { return frameText("own") == "a frame of the book"; }, 10000))
        << frameText("own").toStdString();

    EXPECT_EQ(evaluate("String(window.scriptLoaded)"), "true");
    EXPECT_EQ(evaluate("getComputedStyle(document.body).color"), "rgb(1, 2, 3)");
    EXPECT_TRUE(waitUntil(
        [this] { return evaluate("String(document.getElementById('pic').naturalWidth)") == "12"; },
        10000));
    EXPECT_TRUE(waitUntil(
        [this] { return evaluate("String(document.getElementById('svg').naturalWidth)") == "20"; },
        10000));

    form->Button4Click();
    openAndWait(4);
    EXPECT_EQ(evaluate("document.title"), "second") << "the view is held by the pipe";
}

INSTANTIATE_TEST_SUITE_P(Table, HostilePageFromEitherFolder, ::testing::Bool(),
                         [](const auto& info) {
                             return std::string(info.param ? "BookFolderReadOnly"
                                                           : "BookFolderWritable");
                         });

TEST_F(HostilePage, ContextMenuOffersOnlyWhatWorksOnARewrittenPage) {
    openAndWait(0);
    QWebEngineView* view = form->WebBrowser1->findChild<QWebEngineView*>();
    const QWebEnginePage* page = view->page();
    auto offered = [&] {
        QWidget* surface = view->focusProxy();
        QTest::mouseClick(surface, Qt::RightButton, {}, QPoint(20, 20));
        QStringList texts;
        if (!waitUntil([] { return QApplication::activePopupWidget() != nullptr; }, 10000)) {
            return texts;
        }
        QWidget* menu = QApplication::activePopupWidget();
        for (QAction* action : menu->actions()) {
            if (!action->isSeparator()) {
                texts << action->text();
            }
        }
        menu->close();
        return texts;
    };
    const QString copy = page->action(QWebEnginePage::Copy)->text();
    const QString selectAll = page->action(QWebEnginePage::SelectAll)->text();

    EXPECT_EQ(offered(), QStringList{selectAll}) << "on the page, nothing selected";
    evaluate("getSelection().selectAllChildren(document.querySelector('p')); 'ok'");
    EXPECT_EQ(offered(), (QStringList{copy, selectAll})) << "on selected text";
}

TEST_F(RealEngine, ARendererThatDiesLeavesAWordAndTheNextDoubleClickShowsItsPage) {
    openAndWait(1);
    QWebEngineView* view = form->WebBrowser1->findChild<QWebEngineView*>();
    const qint64 renderer = view->page()->renderProcessPid();
    ASSERT_GT(renderer, 0);
    ::kill(static_cast<pid_t>(renderer), SIGKILL);
    ASSERT_TRUE(waitUntil(
        [&] {
            return view->page()->renderProcessPid() != renderer &&
                   evaluate("document.body ? document.body.innerText : ''")
                       .contains("This page has stopped");
        },
        30000));
    form->Button4Click();
    openAndWait(4);
    EXPECT_EQ(evaluate("document.title"), "second");
    EXPECT_EQ(evaluate("location.hash"), "#deep");
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
