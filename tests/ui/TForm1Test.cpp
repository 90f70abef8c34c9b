#include "UiTestSupport.h"

#include "ui/TForm1.h"

#include "chrome/TfcImageBtn.h"
#include "chrome/WindowFrame.h"

#include "TempFolder.h"
#include "fileio/FileDescriptor.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <csignal>
#include <filesystem>
#include <gtest/gtest.h>
#include <sys/resource.h>

namespace {

const std::string kContents = "[vkladka]\r\n1\r\nСортировка\r\n[pro]\r\n#insert\r\nВставки\r\n"
                              "[vkladka]\r\n2\r\nПоиск\r\n[pro]\r\n#insert\r\nДвоичный\r\n2";

// CP1251 bytes of a UTF-8 literal, made without the code under test.
std::string cp1251(const QString& text) {
    std::string bytes;
    for (const QChar c : text) {
        const ushort u = c.unicode();
        bytes.push_back(static_cast<char>(u < 0x80 ? u : u - 0x410 + 0xC0)); // А..я only
    }
    return bytes;
}

// A reader started on a small book in a fresh program folder.
class ReaderWindow : public ::testing::Test {
protected:
    void SetUp() override {
        folder.write("data.nvb", scrambled(cp1251(QString::fromStdString(kContents))));
        folder.write("data/1.nvb", scrambled("<p>one</p><a name=insert></a>"));
        folder.write("data/2.nvb", scrambled("<p>two</p><a name=insert></a>"));
    }
    void start() {
        form = std::make_unique<TForm1>(dialogs, recordingFactory(views), folder.folder());
    }
    std::string workingPage() const {
        return readFileBytes(folder.path() / "data" / "vaxilog.htm");
    }
    void doubleClickItem(int row) {
        const QRect rect = form->ListBox1->visualItemRect(form->ListBox1->item(row));
        QTest::mouseDClick(form->ListBox1->viewport(), Qt::LeftButton, {}, rect.center());
    }
    QString lastLoad() const {
        return views.loads.empty() ? QString() : views.loads.back().toString();
    }
    QStringList listTexts() const {
        QStringList texts;
        for (int i = 0; i < form->ListBox1->count(); ++i) {
            texts << form->ListBox1->item(i)->text();
        }
        return texts;
    }
    QString workingPageUrl(const char* anchor) const {
        return QUrl::fromLocalFile(QString::fromStdString(folder.folder()) + "data/vaxilog.htm")
                   .toString() +
               anchor;
    }

    TempFolder folder;
    RecordingDialogs dialogs;
    ViewRecord views;
    std::unique_ptr<TForm1> form;
};

TEST_F(ReaderWindow, StartsInContentsViewWithTheBookListed) {
    start();
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_EQ(listTexts(),
              (QStringList{"Сортировка", "     Вставки", " ", "Поиск", "     Двоичный"}));
    EXPECT_FALSE(form->ListBox1->isHidden());
    EXPECT_TRUE(views.loads.empty());
    EXPECT_EQ(workingPage(), cp1251(QString::fromStdString(kContents)));
    EXPECT_TRUE(form->windowFlags() & Qt::FramelessWindowHint);
    EXPECT_EQ(form->minimumSize(), QSize(640, 560));
    EXPECT_EQ(form->size(), QSize(750, 573));
}

TEST_F(ReaderWindow, OpeningEntriesShowsTheirChapterAtTheAnchor) {
    start();
    doubleClickItem(1);
    EXPECT_EQ(workingPage(), "<html>\r\n<p>one</p><a name=insert></a></html>\r\n");
    EXPECT_EQ(lastLoad(), workingPageUrl("#insert"));
    EXPECT_TRUE(form->ListBox1->isHidden());

    form->Button4Click();
    EXPECT_FALSE(form->ListBox1->isHidden());
    EXPECT_EQ(form->ListBox1->selectedIndex(), 1);

    doubleClickItem(3);
    EXPECT_EQ(workingPage(), "<html>\r\n<p>two</p><a name=insert></a></html>\r\n");
    EXPECT_EQ(lastLoad(), workingPageUrl("#toppage"));
    EXPECT_EQ(views.loads.size(), 2u);
}

TEST_F(ReaderWindow, SeparatorDoesNothing) {
    start();
    doubleClickItem(2);
    EXPECT_TRUE(views.loads.empty());
    EXPECT_FALSE(form->ListBox1->isHidden());
    EXPECT_TRUE(dialogs.messages.empty());
}

// The book read without a mouse: each row is a walk of keys through the list and what it
// ends on. The list is "Сортировка", "     Вставки", " ", "Поиск", "     Двоичный".
struct KeyWalk {
    const char* name;
    std::vector<std::pair<Qt::Key, Qt::KeyboardModifiers>> keys;
    int currentRow;     // where the list's cursor ends
    const char* opened; // the last page asked for, or "" for none
    bool listShown;
};

std::ostream& operator<<(std::ostream& out, const KeyWalk& walk) {
    return out << walk.name;
}

class ListByKeyboard : public ReaderWindow, public ::testing::WithParamInterface<KeyWalk> {};

TEST_P(ListByKeyboard, KeysMoveAndOpenAsADoubleClickDoes) {
    start();
    form->show();
    form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    ASSERT_EQ(QApplication::focusWidget(), form->ListBox1);
    for (const auto& [key, modifiers] : GetParam().keys) {
        QTest::keyClick(QApplication::focusWidget(), key, modifiers);
    }
    EXPECT_EQ(form->ListBox1->currentRow(), GetParam().currentRow);
    const QString opened = QString::fromUtf8(GetParam().opened);
    EXPECT_EQ(lastLoad(), opened.isEmpty() ? QString() : workingPageUrl(GetParam().opened));
    EXPECT_EQ(form->ListBox1->isVisible(), GetParam().listShown);
    if (GetParam().listShown) {
        EXPECT_EQ(QApplication::focusWidget(), form->ListBox1);
    }
    EXPECT_TRUE(dialogs.messages.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Table, ListByKeyboard,
    ::testing::Values(
        KeyWalk{"StartsOnTheFirstEntry", {}, 0, "", true},
        KeyWalk{"ReturnOpensTheCurrentArticle",
                {{Qt::Key_Down, {}}, {Qt::Key_Return, {}}},
                1,
                "#insert",
                false},
        KeyWalk{"KeypadEnterOpensToo",
                {{Qt::Key_Down, {}}, {Qt::Key_Enter, Qt::KeypadModifier}},
                1,
                "#insert",
                false},
        KeyWalk{"ReturnOnAChapterOpensItsTop", {{Qt::Key_Return, {}}}, 0, "#toppage", false},
        KeyWalk{"DownStepsOverTheBlankRow", {{Qt::Key_Down, {}}, {Qt::Key_Down, {}}}, 3, "", true},
        KeyWalk{"UpStepsOverTheBlankRow",
                {{Qt::Key_End, {}}, {Qt::Key_Up, {}}, {Qt::Key_Up, {}}},
                1,
                "",
                true},
        KeyWalk{"EscapeFromThePageReturnsToTheEntryOpened",
                {{Qt::Key_Down, {}}, {Qt::Key_Return, {}}, {Qt::Key_Escape, {}}},
                1,
                "#insert",
                true}));

TEST_F(ReaderWindow, ReturnOnABlankRowOpensNothing) {
    start();
    form->ListBox1->setCurrentRow(2);
    QTest::keyClick(form->ListBox1, Qt::Key_Return);
    EXPECT_TRUE(views.loads.empty());
    EXPECT_FALSE(form->ListBox1->isHidden());
}

TEST_F(ReaderWindow, BackToTheListPutsTheKeyboardOnTheEntryOpenedLast) {
    start();
    form->show();
    form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    doubleClickItem(4);
    form->Button2->setFocus(Qt::TabFocusReason);
    QTest::keyClick(form->Button2, Qt::Key_Space);
    EXPECT_FALSE(form->ListBox1->isHidden());
    EXPECT_EQ(QApplication::focusWidget(), form->ListBox1);
    EXPECT_EQ(form->ListBox1->currentRow(), 4);
}

TEST_F(ReaderWindow, TheFocusFrameIsDrawnOnlyWhileACaptionButtonHasTheKeyboard) {
    start();
    form->show();
    form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    const QImage before = form->grab().toImage();
    chrome::TfcImageBtn* close = form->frame().closeButton();
    close->setFocus(Qt::TabFocusReason);
    QApplication::processEvents();
    const QImage focused = form->grab().toImage();
    const QRect button = QRect(close->mapTo(form.get(), QPoint(0, 0)), close->size());
    EXPECT_NE(focused.copy(button), before.copy(button)) << "no mark on the focused button";
    EXPECT_EQ(focused.copy(button.adjusted(0, button.height(), 0, button.height())),
              before.copy(button.adjusted(0, button.height(), 0, button.height())));
    form->ListBox1->setFocus(Qt::TabFocusReason);
    QApplication::processEvents();
    EXPECT_EQ(form->grab().toImage(), before) << "the skin is not as it was once the focus left";
}

TEST_F(ReaderWindow, SpaceOnTheCloseButtonClosesTheWindow) {
    start();
    form->show();
    form->frame().closeButton()->setFocus(Qt::TabFocusReason);
    QTest::keyClick(form->frame().closeButton(), Qt::Key_Space);
    EXPECT_FALSE(form->isVisible());
    EXPECT_FALSE(std::filesystem::exists(folder.path() / "data" / "vaxilog.htm"));
}

TEST_F(ReaderWindow, UpdateAndSearchPagesFromEitherView) {
    start();
    form->Button1->click();
    EXPECT_EQ(lastLoad(), "http://www.varnel.example/updateal.htm");
    EXPECT_TRUE(form->ListBox1->isHidden());
    form->Button5->click();
    EXPECT_EQ(lastLoad(), "http://www.varnel.example/findal.htm");
    form->Button2->click();
    EXPECT_FALSE(form->ListBox1->isHidden());
    form->Button2->click(); // already in the contents view
    EXPECT_FALSE(form->ListBox1->isHidden());
    EXPECT_EQ(views.loads.size(), 2u);
    EXPECT_EQ(views.viewsMade, 1);
}

TEST_F(ReaderWindow, MissingChapterIsReportedAndListStays) {
    std::filesystem::remove(folder.path() / "data" / "2.nvb");
    start();
    doubleClickItem(1);
    form->Button4Click();
    doubleClickItem(4);
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].text, "File not found.");
    EXPECT_EQ(dialogs.messages[0].icon, Dialogs::Icon::Critical);
    EXPECT_FALSE(form->ListBox1->isHidden());
    EXPECT_EQ(views.loads.size(), 1u);
    EXPECT_EQ(workingPage(), "<html>\r\n<p>one</p><a name=insert></a></html>\r\n");
}

TEST_F(ReaderWindow, WorkingPageThatCannotBeWrittenIsReported) {
    start();
    std::filesystem::remove(folder.path() / "data" / "vaxilog.htm");
    std::filesystem::create_directory(folder.path() / "data" / "vaxilog.htm");
    doubleClickItem(1);
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].text, "File access denied.");
    EXPECT_FALSE(form->ListBox1->isHidden());
    EXPECT_TRUE(views.loads.empty());
}

TEST_F(ReaderWindow, NoSelectionIsAListIndexError) {
    folder.write("data.nvb", scrambled("nothing here\r\n0"));
    start();
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].text, "List index out of bounds (0)");
    form->ListBox1DblClick();
    ASSERT_EQ(dialogs.messages.size(), 2u);
    EXPECT_EQ(dialogs.messages[1].text, "List index out of bounds (-1)");
    EXPECT_TRUE(views.loads.empty());
}

TEST_F(ReaderWindow, LoadErrorsAtStartAreShownAndTheWindowStillComes) {
    folder.write("data.nvb", scrambled(cp1251("[vkladka]\r\n1\r\nОдин\r\n[vkladka]\r\n2\r\nДва")));
    start();
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].text, "'Два' is not a valid integer value.");
    EXPECT_EQ(listTexts(), (QStringList{"Один", " ", "Два"}));
    doubleClickItem(2); // chapters up to the last one read still open
    EXPECT_EQ(lastLoad(), workingPageUrl("#toppage"));
}

TEST_F(ReaderWindow, MissingContentsAndClosingWithoutWorkingPageAreQuietAfterTheReport) {
    std::filesystem::remove(folder.path() / "data.nvb");
    start();
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].text, "File not found.");
    EXPECT_EQ(form->ListBox1->count(), 0);
    form->close();
    EXPECT_EQ(dialogs.messages.size(), 1u);
}

TEST_F(ReaderWindow, ClosingDeletesTheWorkingPage) {
    start();
    form->close();
    EXPECT_FALSE(std::filesystem::exists(folder.path() / "data" / "vaxilog.htm"));
}

TEST_F(ReaderWindow, EngineThatCannotStartIsReportedAndListKeepsWorking) {
    views.failToStart = true;
    start();
    doubleClickItem(0);
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].text, "The web view cannot be started: no engine here.");
    EXPECT_FALSE(form->ListBox1->isHidden());
}

TEST_F(ReaderWindow, EngineIsWarmedAfterTheFirstPaintOnly) {
    start();
    EXPECT_EQ(views.viewsMade, 0);
    form->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    QTRY_COMPARE(views.viewsMade, 1);
    ASSERT_EQ(views.loads.size(), 1u);
    EXPECT_TRUE(views.loads[0].toString().endsWith("/blank.htm"));
}

// A reader on a book of one chapter, for tests that need no more.
struct OneChapterReader {
    static std::string bookIn(const TempFolder& folder) {
        folder.write("data.nvb", scrambled("[vkladka]\r\n1\r\nA\r\n1"));
        folder.write("data/1.nvb", scrambled("page"));
        return folder.folder();
    }
    TempFolder folder;
    RecordingDialogs dialogs;
    ViewRecord views;
    TForm1 form{dialogs, recordingFactory(views), bookIn(folder)};
};

struct Bounds {
    const char* control;
    QRect design;
    QRect at900x700;
};

std::ostream& operator<<(std::ostream& out, const Bounds& b) {
    return out << b.control;
}

class WindowLayout : public ::testing::TestWithParam<Bounds> {
protected:
    static QWidget* control(TForm1& form, const std::string& name) {
        const std::map<std::string, QWidget*> controls = {
            {"Panel3", form.Panel3},          {"Panel1", form.Panel1},
            {"Panel2", form.Panel2},          {"Panel4", form.Panel4},
            {"Button3", form.Button3},        {"Button2", form.Button2},
            {"Button1", form.Button1},        {"Button5", form.Button5},
            {"Label26", form.Label26},        {"Label5", form.Label5},
            {"Label2", form.Label2},          {"ListBox1", form.ListBox1},
            {"WebBrowser1", form.WebBrowser1}};
        return controls.at(name);
    }
};

TEST_P(WindowLayout, KeepsAnchorsWhenResized) {
    OneChapterReader reader;
    TForm1& form = reader.form;
    form.show();
    EXPECT_EQ(control(form, GetParam().control)->geometry(), GetParam().design);
    form.resize(900, 700);
    EXPECT_EQ(control(form, GetParam().control)->geometry(), GetParam().at900x700);
    form.resize(750, 573);
    EXPECT_EQ(control(form, GetParam().control)->geometry(), GetParam().design);
}

INSTANTIATE_TEST_SUITE_P(
    Controls, WindowLayout,
    ::testing::Values(Bounds{"Panel3", {4, 18, 742, 547}, {4, 18, 892, 674}},
                      Bounds{"Label2", {36, 3, 508, 13}, {36, 3, 658, 13}},
                      Bounds{"Panel1", {0, 0, 742, 60}, {0, 0, 892, 60}},
                      Bounds{"Panel2", {0, 60, 742, 487}, {0, 60, 892, 614}},
                      Bounds{"Button3", {2, 2, 97, 23}, {2, 2, 97, 23}},
                      Bounds{"Button2", {99, 2, 87, 23}, {99, 2, 87, 23}},
                      Bounds{"Label26", {188, 6, 279, 13}, {188, 6, 429, 13}},
                      Bounds{"Button1", {555, 1, 77, 23}, {705, 1, 77, 23}},
                      Bounds{"Button5", {632, 1, 108, 23}, {782, 1, 108, 23}},
                      Bounds{"Label5", {4, 43, 739, 13}, {4, 43, 889, 13}},
                      Bounds{"Panel4", {1, 1, 149, 485}, {1, 1, 149, 612}},
                      Bounds{"WebBrowser1", {150, 1, 591, 485}, {150, 1, 741, 612}},
                      Bounds{"ListBox1", {150, 1, 591, 485}, {150, 1, 741, 612}}),
    [](const auto& info) { return std::string(info.param.control); });

TEST(WindowLayoutNotice, NoticeKeepsItsCentreProportion) {
    OneChapterReader reader;
    TForm1& form = reader.form;
    form.show();
    EXPECT_LT(form.Label3->geometry().right(), form.Label4->geometry().left());
    const double before = form.Label3->geometry().center().x() / 742.0;
    form.resize(900, 700);
    EXPECT_NEAR(form.Label3->geometry().center().x() / 892.0, before, 0.002);
}

} // namespace

namespace {

TEST(ReaderWindowEngine, WarmUpNeverReplacesAPageAlreadyAskedFor) {
    OneChapterReader reader;
    TForm1& form = reader.form;
    const ViewRecord& views = reader.views;
    form.ListBox1->setCurrentRow(0);
    form.ListBox1DblClick(); // before the first paint
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    QTest::qWait(50);
    ASSERT_EQ(views.loads.size(), 1u);
    EXPECT_EQ(views.loads[0].fragment(), "toppage");
    EXPECT_EQ(views.viewsMade, 1);
}

class CaptionButtons : public ReaderWindow {
protected:
    void SetUp() override {
        ReaderWindow::SetUp();
        start();
        form->show();
        form->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    }
    void clickOn(QWidget* button) {
        QTest::mouseClick(button, Qt::LeftButton, {}, button->rect().center());
    }
};

TEST_F(CaptionButtons, CloseButtonClosesAndRemovesTheWorkingPage) {
    clickOn(form->frame().closeButton());
    EXPECT_FALSE(form->isVisible());
    EXPECT_FALSE(std::filesystem::exists(folder.path() / "data" / "vaxilog.htm"));
}

TEST_F(CaptionButtons, MinimiseButtonMinimisesAndKeepsTheReader) {
    clickOn(form->frame().minimiseButton());
    EXPECT_TRUE(form->isMinimized());
    EXPECT_TRUE(std::filesystem::exists(folder.path() / "data" / "vaxilog.htm"));
}

TEST_F(CaptionButtons, HoverTintsEitherButtonAndLeavingRestoresWhite) {
    for (chrome::TfcImageBtn* button :
         {form->frame().closeButton(), form->frame().minimiseButton()}) {
        EXPECT_EQ(button->Color(), QColor(Qt::white));
        const QImage white = button->grab().toImage();
        form->fcImageBtn2MouseEnter(button);
        EXPECT_EQ(button->Color(), QColor(204, 211, 227));
        const QImage hovered = button->grab().toImage();
        EXPECT_NE(hovered, white);
        form->fcImageBtn2MouseLeave(button);
        EXPECT_EQ(button->Color(), QColor(Qt::white));
        EXPECT_EQ(button->grab().toImage(), white);
    }
}

TEST_F(CaptionButtons, TitleStripDragsTheWholeWindow) {
    const QPoint before = form->pos();
    QWidget* strip = form->childAt(300, 10);
    ASSERT_NE(strip, nullptr);
    QTest::mousePress(strip, Qt::LeftButton, {}, QPoint(10, 8));
    QMouseEvent move(QEvent::MouseMove, QPointF(40, -2), strip->mapToGlobal(QPointF(40, -2)),
                     Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(strip, &move);
    QTest::mouseRelease(strip, Qt::LeftButton, {}, QPoint(40, -2));
    EXPECT_EQ(form->pos(), before + QPoint(30, -10));
    EXPECT_EQ(form->size(), QSize(750, 573));
}

} // namespace

namespace {

TEST_F(ReaderWindow, WorkingPageThatCannotGrowIsReportedAndThePageShownLastStays) {
    start();
    doubleClickItem(1);
    form->Button4Click();
    folder.write("data/2.nvb", scrambled(std::string(300000, 'c')));
    {
        // A full disk, as far as the working page can tell. The reader's start-up keeps the
        // limit from ending it.
        rlimit saved{};
        ::getrlimit(RLIMIT_FSIZE, &saved);
        fileio::reportOversizedWritesAsErrors();
        rlimit limit = saved;
        limit.rlim_cur = 4096;
        ::setrlimit(RLIMIT_FSIZE, &limit);
        doubleClickItem(3);
        ::setrlimit(RLIMIT_FSIZE, &saved);
    }
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].text, "I/O error 27.");
    EXPECT_EQ(views.loads.size(), 1u);
    EXPECT_FALSE(form->ListBox1->isHidden());
    EXPECT_EQ(workingPage(), "<html>\r\n<p>one</p><a name=insert></a></html>\r\n");
}

// The list an entry was opened from is hidden: a keyboard or screen reader user goes on in
// the page, each time an entry is opened.
TEST_F(ReaderWindow, OpeningAnEntryPutsTheKeyboardFocusInThePage) {
    start();
    form->show();
    form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    for (const int row : {1, 4}) {
        form->Button4Click();
        form->ListBox1->setFocus();
        doubleClickItem(row);
        ASSERT_TRUE(form->ListBox1->isHidden());
        QWidget* focus = QApplication::focusWidget();
        EXPECT_TRUE(focus && form->WebBrowser1->isAncestorOf(focus)) << "row " << row;
    }
}

TEST_F(ReaderWindow, KeyboardStartsOnTheListAndShiftTabWalksBackToTheCaptionButtons) {
    start();
    form->show();
    form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    EXPECT_EQ(QApplication::focusWidget(), form->ListBox1);
    const std::vector<QWidget*> backwards = {form->Label5,
                                             form->Label4,
                                             form->Label26,
                                             form->Button3,
                                             form->Button5,
                                             form->Button2,
                                             form->Button1,
                                             form->frame().minimiseButton(),
                                             form->frame().closeButton()};
    for (QWidget* previous : backwards) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
        EXPECT_EQ(QApplication::focusWidget(), previous);
    }
}

} // namespace
