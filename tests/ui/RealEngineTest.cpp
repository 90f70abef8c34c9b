// The reader with the real web engine, on the offscreen platform: pages load and land on
// their anchors, and a rewritten working page is read afresh.
#include "EngineTestSupport.h"

#include "book/Folders.h"
#include "book/WorkingFolder.h"
#include "browser/EngineLoader.h"
#include "ui/ReaderStart.h"
#include "ui/TForm1.h"

#include "ReadOnlyFolder.h"
#include "TempFolder.h"

#include <QApplication>
#include <QDesktopServices>
#include <QElapsedTimer>
#include <QImage>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QTcpServer>
#include <QTest>
#include <QTimer>
#include <QUdpSocket>
#include <QWebEnginePage>
#include <QWebEngineView>
#include <algorithm>
#include <csignal>
#include <gtest/gtest.h>
#include <map>
#include <set>
#include <sstream>
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
                book::UserFolders{folder.folder() + "run", "", ""});
            ASSERT_TRUE(start.has_value());
            ASSERT_NE(start->workingFolder, folder.folder() + "data/");
        }
        const std::string working = start ? start->workingFolder : std::string();
        form = std::make_unique<TForm1>(
            dialogs,
            engineModuleViewFactory(QStringLiteral(VARNEL_ENGINE_MODULE),
                                    bookPagesBeside(QString::fromStdString(folder.folder()),
                                                    QString::fromStdString(working))),
            folder.folder(), start ? start->folder : nullptr);
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

// Whatever starts a request, a page, a dedicated or a shared worker, it meets the same
// rule: a file outside the book is refused, and neither a local server nor a local address
// for peer connections or QUIC (WebTransport, from the page and a blob: worker) hears from
// the page.
class PageRequests : public RealEngine {
protected:
    void SetUp() override {
        ASSERT_TRUE(socketServer.listen(QHostAddress::LocalHost));
        ASSERT_TRUE(peerPort.bind(QHostAddress::LocalHost));
        const QString root = QString::fromStdString(folder.folder());
        folder.write("private.txt", kSecret);
        folder.write("private.js", std::string("self.leaked = '") + kSecret + "';");
        const std::string probe =
            "async function probe(text, script, socket) {"
            "  const r = {};"
            "  try { r.fetch = await (await fetch(text)).text(); } catch (e) { r.fetch = 'no'; }"
            "  try { const x = new XMLHttpRequest(); x.open('GET', text, false); x.send();"
            "        r.xhr = x.responseText; } catch (e) { r.xhr = 'no'; }"
            "  try { importScripts(script); r.imported = String(self.leaked); }"
            "  catch (e) { r.imported = 'no'; }"
            "  try { const s = new WebSocket(socket); s.onopen = () => s.send(r.fetch); }"
            "  catch (e) {}"
            "  return JSON.stringify(r);"
            "}";
        folder.write("data/dedicated.js",
                     probe + "onmessage = async m => postMessage(await probe(...m.data));");
        folder.write("data/shared.js", probe + "onconnect = c => { const port = c.ports[0];"
                                               "  port.onmessage = async m => port.postMessage("
                                               "      await probe(...m.data)); };");
        const std::string socket = "ws://127.0.0.1:" + std::to_string(socketServer.serverPort());
        const std::string page =
            "<head><title>requests</title></head><body><script>"
            "window.results = {};"
            "const args = ['" +
            url(root + "private.txt") + "', '" + url(root + "private.js") + "', '" + socket +
            "/'];"
            "const dedicated = new Worker('dedicated.js');"
            "dedicated.onmessage = m => results.dedicated = m.data;"
            "dedicated.postMessage(args);"
            "try { const shared = new SharedWorker('shared.js');"
            "  shared.port.onmessage = m => results.shared = m.data;"
            "  shared.port.postMessage(args); } catch (e) { results.shared = 'none'; }"
            "try { new WebSocket('" +
            socket +
            "/page'); } catch (e) {}"
            "fetch('http://127.0.0.1:" +
            std::to_string(socketServer.serverPort()) +
            "/page').catch(() => {});"
            "const frame = document.createElement('iframe'); document.body.appendChild(frame);"
            "for (const Peer of [window.RTCPeerConnection, frame.contentWindow.RTCPeerConnection])"
            "  try { const peer = new Peer({iceServers: [{urls: 'stun:127.0.0.1:" +
            std::to_string(peerPort.localPort()) +
            "'}]}); peer.createDataChannel('x');"
            "  peer.createOffer().then(o => peer.setLocalDescription(o)); } catch (e) {}"
            "try { const relay = new RTCPeerConnection({iceServers: [{urls: 'turn:127.0.0.1:" +
            std::to_string(socketServer.serverPort()) +
            "?transport=tcp', username: 'u', credential: 'p'}]}); relay.createDataChannel('x');"
            "  relay.createOffer().then(o => relay.setLocalDescription(o)); } catch (e) {}"
            "const transport = 'try { new WebTransport(\\'https://127.0.0.1:" +
            std::to_string(peerPort.localPort()) +
            "/x\\').ready.catch(() => {}); } catch (e) {}';"
            "eval(transport);"
            "new Worker(URL.createObjectURL(new Blob([transport])));"
            "</script></body>";
        RealEngine::SetUp();
        folder.write("data/1.nvb", scrambled(page));
    }

    static std::string url(const QString& file) {
        return QUrl::fromLocalFile(file).toString().toStdString();
    }

    static constexpr const char* kSecret = "the private notes of somebody";
    QTcpServer socketServer;
    QUdpSocket peerPort;
};

TEST_F(PageRequests, NoWorkerReadsOutsideTheBookAndNoLocalServerHearsFromThePage) {
    openAndWait(0);
    for (const char* worker : {"dedicated", "shared"}) {
        const QString result = QStringLiteral("String(results.%1)").arg(worker);
        ASSERT_TRUE(waitUntil([&] { return evaluate(result) != "undefined"; }, 15000)) << worker;
        EXPECT_FALSE(evaluate(result).contains(kSecret)) << worker;
    }
    // Time for a connection or a packet to arrive, had one been sent.
    QTest::qWait(1500);
    EXPECT_FALSE(socketServer.hasPendingConnections()) << "a local server was reached";
    EXPECT_FALSE(peerPort.hasPendingDatagrams()) << "a local address was sent packets";
}

// Pages that would keep the user on them: a script or a layout that never ends, a dialog
// that comes back as soon as it is dismissed, a question before leaving. Whatever the page
// does, the window's buttons work, the next entry opened is shown, and what the view shows
// is what Save would write.
struct TrappingPage {
    const char* name;
    std::string body;
    int questionsShown; // the page's dialogs the user sees in all
};

std::ostream& operator<<(std::ostream& out, const TrappingPage& trap) {
    return out << trap.name;
}

std::string nestedElements(int depth) {
    std::string html;
    html.reserve(static_cast<size_t>(depth) * 11);
    for (int i = 0; i < depth; ++i) {
        html += "<div>";
    }
    html += "deep";
    for (int i = 0; i < depth; ++i) {
        html += "</div>";
    }
    return html;
}

class TrappingPages : public RealEngine, public ::testing::WithParamInterface<TrappingPage> {
protected:
    void SetUp() override {
        RealEngine::SetUp();
        folder.write("data/1.nvb", scrambled("<head><title>trap</title></head><body><p>a page</p>" +
                                             GetParam().body + "</body>"));
    }

    QWebEngineView* view() { return form->WebBrowser1->findChild<QWebEngineView*>(); }

    static std::vector<QMessageBox*> visibleQuestions() {
        std::vector<QMessageBox*> boxes;
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            if (auto* box = qobject_cast<QMessageBox*>(widget); box && box->isVisible()) {
                boxes.push_back(box);
            }
        }
        return boxes;
    }
};

TEST_P(TrappingPages, TheWindowStaysTheUsersAndTheNextEntryIsShown) {
    openAndWait(0);
    // Counts the page's dialogs as they come; a page's dialog waits for its answer inside
    // the event loop, so the steps below run from timers too.
    std::set<QMessageBox*> seen;
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, [&] {
        for (QMessageBox* box : visibleQuestions()) {
            seen.insert(box);
        }
    });
    watch.start(20);
    // A click on the page: a page may ask before it is left only once the user has
    // touched it.
    QTest::mouseClick(view()->focusProxy(), Qt::LeftButton, {}, QPoint(10, 10));
    bool listShown = false;
    bool reopened = false;
    // The page's trap is set off 300 ms after it loads.
    QTimer::singleShot(1200, [&] {
        // A dialog still up is dismissed as a user would; the next one must not come.
        if (!visibleQuestions().empty()) {
            QMessageBox* box = visibleQuestions().front();
            QTest::mouseClick(box->button(QMessageBox::Ok), Qt::LeftButton, {});
        }
        QTimer::singleShot(500, [&] {
            QTest::mouseClick(form->Button2, Qt::LeftButton, {});
            listShown = form->ListBox1->isVisible();
            form->ListBox1->setCurrentRow(4);
            form->ListBox1DblClick();
            reopened = true;
        });
    });
    ASSERT_TRUE(waitUntil([&] { return reopened; }, 10000));
    EXPECT_TRUE(listShown) << "\"В оглавление\" did nothing";
    ASSERT_TRUE(waitUntil(
        [&] {
            return view()->url().fileName() == "vaxilog.htm" &&
                   evaluate("document.title") == "second";
        },
        10000))
        << "the view still shows " << view()->url().toString().toStdString();
    EXPECT_EQ(evaluate("location.hash"), "#deep");
    EXPECT_NE(readFileBytes(folder.path() / "data" / "vaxilog.htm").find("<title>second"),
              std::string::npos);
    watch.stop();
    EXPECT_EQ(static_cast<int>(seen.size()), GetParam().questionsShown);
    EXPECT_TRUE(visibleQuestions().empty());
}

INSTANTIATE_TEST_SUITE_P(
    Pages, TrappingPages,
    ::testing::Values(
        TrappingPage{"ScriptThatNeverEnds",
                     "<script>setTimeout(() => { for (;;) {} }, 300)</script>", 0},
        TrappingPage{"LayoutThatNeverEnds",
                     "<div id=deep></div><script>setTimeout(() => document.getElementById('deep')"
                     ".innerHTML = '" +
                         nestedElements(200000) + "', 300)</script>",
                     0},
        TrappingPage{"AlertThatComesBack",
                     "<script>setTimeout(() => { for (;;) alert('again'); }, 300)</script>", 1},
        TrappingPage{"QuestionsThatComeBack",
                     "<script>setTimeout(() => { for (;;) { confirm('stay?');"
                     " prompt('why?'); } }, 300)</script>",
                     1},
        TrappingPage{"QuestionBeforeLeaving",
                     "<script>onbeforeunload = e => { e.preventDefault();"
                     " return e.returnValue = 'stay'; };</script>",
                     0}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace

// Stands in for the programs other schemes belong to: remembers what they were given.
class OtherProgram : public QObject {
    Q_OBJECT
public:
    QStringList given;
public slots:
    void open(const QUrl& url) { given << url.toString(); }
};

namespace {

// A link of another program's scheme, and what the question about it must show: the
// address as it is, never a form that reads as another address.
struct OtherProgramLink {
    const char* name;
    std::string address; // the page's link
    std::string shown;   // in the question, its lines joined
    std::string hidden;  // must not be read in the question (empty: nothing to check)
};

std::ostream& operator<<(std::ostream& out, const OtherProgramLink& link) {
    return out << link.name;
}

std::string repeated(const std::string& text, int times) {
    std::string all;
    for (int i = 0; i < times; ++i) {
        all += text;
    }
    return all;
}

// A page's link of another program's scheme goes to that program only once the user has
// agreed to a question naming it; a page's file picker never comes up.
class LinksOfOtherPrograms : public RealEngine,
                             public ::testing::WithParamInterface<OtherProgramLink> {
protected:
    void SetUp() override {
        RealEngine::SetUp();
        folder.write("data/1.nvb",
                     scrambled(std::string("<head><title>links</title></head><body>"
                                           "<p><a id=link href='") +
                               GetParam().address +
                               "'>another program</a></p><p><button id=save onclick=\""
                               "results.save = typeof showSaveFilePicker !== 'function' ? 'none'"
                               " : 'asked'; if (results.save === 'asked') showSaveFilePicker()"
                               ".then(() => results.save = 'picked', e => results.save = 'refused')"
                               "\">save</button></p><script>window.results = {};</script></body>"));
        scheme = QUrl(QString::fromStdString(GetParam().address)).scheme();
        QDesktopServices::setUrlHandler(scheme, &program, "open");
        // Every box that comes up is noted and answered as the row says.
        QObject::connect(&watch, &QTimer::timeout, [this] {
            for (QWidget* widget : QApplication::topLevelWidgets()) {
                if (!widget->isVisible()) {
                    continue;
                }
                if (auto* box = qobject_cast<QMessageBox*>(widget)) {
                    questions << box->text();
                    details << box->detailedText();
                    widest = std::max(widest, box->frameGeometry().width());
                    QTest::mouseClick(box->button(answer), Qt::LeftButton, {});
                } else if (auto* dialog = qobject_cast<QDialog*>(widget)) {
                    otherDialogs << dialog->windowTitle();
                    dialog->reject();
                }
            }
        });
        watch.start(20);
    }
    void TearDown() override { QDesktopServices::unsetUrlHandler(scheme); }

    void click(const char* id) {
        QWebEngineView* view = form->WebBrowser1->findChild<QWebEngineView*>();
        const QString at = evaluate(QStringLiteral("(() => { const r = document.getElementById("
                                                   "'%1').getBoundingClientRect();"
                                                   " return (r.x + 5) + ',' + (r.y + 5); })()")
                                        .arg(QLatin1String(id)));
        const QStringList xy = at.split(QLatin1Char(','));
        ASSERT_EQ(xy.size(), 2) << at.toStdString();
        QTest::mouseClick(view->focusProxy(), Qt::LeftButton, {},
                          QPoint(int(xy[0].toDouble()), int(xy[1].toDouble())));
    }

    QString scheme;
    OtherProgram program;
    QTimer watch;
    QMessageBox::StandardButton answer = QMessageBox::Cancel;
    QStringList questions;
    QStringList details;
    int widest = 0;
    QStringList otherDialogs;
};

TEST_P(LinksOfOtherPrograms, GoThereOnlyWhenTheUserAgrees) {
    const OtherProgramLink& link = GetParam();
    openAndWait(0);
    click("link");
    ASSERT_TRUE(waitUntil([&] { return !questions.isEmpty(); }, 10000)) << "nobody was asked";
    const QString question = questions.first();
    const QString joined = QString(question).remove(QLatin1Char('\n'));
    EXPECT_TRUE(joined.contains(QString::fromStdString(link.shown))) << question.toStdString();
    if (!link.hidden.empty()) {
        EXPECT_FALSE(question.contains(QString::fromStdString(link.hidden)))
            << question.toStdString();
    }
    for (const QChar c : question) {
        EXPECT_TRUE(c.isPrint() || c == QLatin1Char('\n') || c == QChar(0x2026))
            << "U+" << std::hex << c.unicode() << " in " << question.toStdString();
    }
    EXPECT_FALSE(question.contains(QStringLiteral("  "))) << question.toStdString();
    EXPECT_LE(widest, QApplication::primaryScreen()->availableGeometry().width());
    // The whole address, however long, can be read and selected.
    EXPECT_GE(details.first().size(), static_cast<int>(link.address.size()));
    QTest::qWait(300);
    EXPECT_TRUE(program.given.isEmpty()) << "given without the user's word";

    answer = QMessageBox::Open;
    click("link");
    ASSERT_TRUE(waitUntil([&] { return !program.given.isEmpty(); }, 10000));
    ASSERT_EQ(program.given.size(), 1);
    EXPECT_EQ(QUrl(program.given.first()), QUrl(details.first()));
    EXPECT_EQ(evaluate("document.title"), "links") << "the page was left";

    click("save");
    ASSERT_TRUE(waitUntil([&] { return evaluate("String(results.save)") != "undefined"; }, 10000));
    QTest::qWait(300);
    EXPECT_NE(evaluate("results.save"), "picked");
    EXPECT_TRUE(otherDialogs.isEmpty()) << otherDialogs.join(", ").toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Schemes, LinksOfOtherPrograms,
    ::testing::Values(
        OtherProgramLink{"Shell", "ssh://host/notes", "ssh://host/notes", ""},
        OtherProgramLink{"Mail", "mailto:someone@example.org?body=my%20notes",
                         "mailto:someone@example.org?body=my%20notes", ""},
        OtherProgramLink{"Packages", "apt:cowsay", "apt:cowsay", ""},
        OtherProgramLink{"MadeUp", "made-up-scheme:anything", "made-up-scheme:anything", ""},
        // A right-to-left override would show the name backwards ("exe.jpg").
        OtherProgramLink{"DirectionOverride",
                         "mailto:help@trusted.example?subject=%E2%80%AEgpj.exe&body=x",
                         "mailto:help@trusted.example?subject=%E2%80%AEgpj.exe&body=x", ""},
        // Cyrillic letters that look like Latin ones.
        OtherProgramLink{"LookAlikeHost", "ssh://\xD0\xB5\xD1\x85\xD0\xB0m\xD1\x80l\xD0\xB5.com/",
                         "ssh://xn--ml-6kctd8d6a.com/", "example.com"},
        // Spaces that would push the real recipient onto what looks like another line.
        OtherProgramLink{"SpacesBeforeTheRecipient",
                         "mailto:help@trusted.example" + repeated("%20", 400) +
                             ",thief@elsewhere.example",
                         "%20%20,thief@elsewhere.example", ""},
        OtherProgramLink{"LongerThanTheScreen",
                         "mailto:someone@example.org?body=" + repeated("x", 20000) + "end",
                         "mailto:someone@example.org?body=xxx", ""}),
    [](const auto& info) { return std::string(info.param.name); });

// What a book page and its dedicated worker can call, against the names someone has reviewed
// (page-globals.txt). An engine upgrade that offers a page something new fails here with the
// new name, until it is either kept from pages or added to the list.
TEST_F(RealEngine, PagesAndWorkersSeeOnlyReviewedNames) {
    const std::string names = "const names = () => Object.getOwnPropertyNames(globalThis)"
                              ".filter(n => { try { return typeof globalThis[n] === 'function'; }"
                              " catch (e) { return false; } }).sort();";
    folder.write("data/names.js", names + "postMessage(names());");
    openAndWait(0);
    evaluate(QString::fromStdString(
        names + "window.workerNames = null; new Worker('names.js').onmessage = m =>"
                " window.workerNames = m.data; 'ok'"));
    ASSERT_TRUE(waitUntil(
        [this] { return evaluate("String(window.workerNames !== null)") == "true"; }, 15000));
    std::map<std::string, std::set<std::string>> reviewed;
    std::string section;
    std::istringstream list(readFileBytes(VARNEL_REVIEWED_GLOBALS));
    for (std::string line; std::getline(list, line);) {
        if (line.empty() || line[0] == '#') {
            continue;
        }
        if (line.front() == '[' && line.back() == ']') {
            section = line.substr(1, line.size() - 2);
        } else {
            reviewed[section].insert(line);
        }
    }
    const std::pair<const char*, const char*> seen[] = {{"page", "names().join(' ')"},
                                                        {"worker", "workerNames.join(' ')"}};
    for (const auto& [where, script] : seen) {
        ASSERT_FALSE(reviewed[where].empty()) << "no [" << where << "] list";
        const QStringList found = evaluate(QLatin1String(script)).split(QLatin1Char(' '));
        ASSERT_GT(found.size(), 10) << where;
        for (const QString& name : found) {
            EXPECT_TRUE(reviewed[where].count(name.toStdString()))
                << "a " << where << " sees " << name.toStdString() << ", which nobody reviewed";
        }
    }
}

TEST_F(RealEngine, ARendererThatDiesLeavesAWordAndTheNextDoubleClickShowsItsPage) {
    openAndWait(1);
    QWebEngineView* view = form->WebBrowser1->findChild<QWebEngineView*>();
    const qint64 renderer = view->page()->renderProcessPid();
    ASSERT_GT(renderer, 0);
    // The word is a page of its own, asked for once the renderer's end is known; a script
    // sent before then would go to the dead renderer.
    bool wordShown = false;
    QObject::connect(view, &QWebEngineView::loadFinished, view, [&](bool) {
        wordShown = wordShown || view->url().scheme() == QLatin1String("data");
    });
    ::kill(static_cast<pid_t>(renderer), SIGKILL);
    ASSERT_TRUE(waitUntil([&] { return wordShown; }, 30000));
    EXPECT_TRUE(
        evaluate("document.body ? document.body.innerText : ''").contains("This page has stopped"));
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

#include "RealEngineTest.moc"
