#include "UiTestSupport.h"

#include "ui/TForm1.h"

#include "TempFolder.h"

#include <QFileDialog>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

// Failures show texts, not their bytes.
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}

namespace {

const QString kWarning = QStringLiteral("ВНИМАНИЕ!!! При сохранении страницы картинки и файлы "
                                        "*.bls не сохраняютя! Вы их можете найти в папке ");

// Also remembers the save dialog as it stood when it was run.
class SaveDialogs : public RecordingDialogs {
public:
    std::optional<QString> runSaveDialog(QFileDialog& dialog) override {
        dialogs.push_back(&dialog);
        preselected.push_back(dialog.selectedFiles().value(0));
        filterShown.push_back(dialog.selectedNameFilter());
        return RecordingDialogs::runSaveDialog(dialog);
    }
    std::vector<QFileDialog*> dialogs;
    std::vector<QString> preselected;
    std::vector<QString> filterShown;
};

class Saving : public ::testing::Test {
protected:
    void SetUp() override {
        book.write("data.nvb", scrambled("[vkladka]\r\n1\r\nOne\r\n[pro]\r\n#a\r\nArticle\r\n1"));
        book.write("data/1.nvb", scrambled("<p>chapter one</p><a name=a></a>"));
        form = std::make_unique<TForm1>(dialogs, recordingFactory(views), book.folder());
    }
    // Presses "Сохранить как..." and answers the dialog with `name` in the target folder.
    void saveAs(const std::string& name) {
        dialogs.saveAnswer = QString::fromStdString((target.path() / name).string());
        QTest::mouseClick(form->Button3, Qt::LeftButton);
    }
    std::string workingPage() const { return readFileBytes(book.path() / "data" / "vaxilog.htm"); }
    QString targetPath(const std::string& name) const {
        return QString::fromStdString((target.path() / name).string());
    }
    std::vector<QString> errors() const {
        std::vector<QString> texts;
        for (const auto& message : dialogs.messages) {
            if (message.icon == Dialogs::Icon::Critical) {
                texts.push_back(message.text);
            }
        }
        return texts;
    }
    size_t filesIn(const std::filesystem::path& folder) const {
        return static_cast<size_t>(std::distance(std::filesystem::directory_iterator(folder),
                                                 std::filesystem::directory_iterator()));
    }

    TempFolder book;
    TempFolder target;
    SaveDialogs dialogs;
    ViewRecord views;
    std::unique_ptr<TForm1> form;
};

TEST_F(Saving, WarnsWithTheBookFolderThenCancelWritesNothing) {
    dialogs.saveAnswer.reset();
    QTest::mouseClick(form->Button3, Qt::LeftButton);
    QTest::mouseClick(form->Button3, Qt::LeftButton);
    ASSERT_EQ(dialogs.messages.size(), 2u);
    for (const auto& message : dialogs.messages) {
        EXPECT_EQ(message.text, kWarning + QString::fromStdString(book.folder()) + "data/!");
        EXPECT_EQ(message.icon, Dialogs::Icon::None);
    }
    EXPECT_EQ(dialogs.dialogTitles.size(), 2u);
    EXPECT_EQ(filesIn(target.path()), 0u);
    EXPECT_EQ(filesIn(book.path() / "data"), 2u);
}

struct NameCase {
    const char* chosen;
    const char* saved;
};

std::ostream& operator<<(std::ostream& out, const NameCase& c) {
    return out << c.chosen;
}

class SavedName : public Saving, public ::testing::WithParamInterface<NameCase> {};

TEST_P(SavedName, CopiesTheWorkingPageWithHtmAppended) {
    target.write("page.htm", "someone else's page");
    saveAs(GetParam().chosen);
    EXPECT_TRUE(errors().empty());
    EXPECT_EQ(readFileBytes(target.path() / GetParam().saved), workingPage());
    EXPECT_EQ(readFileBytes(target.path() / "page.htm"), "someone else's page");
    EXPECT_EQ(filesIn(target.path()), 2u);
    EXPECT_FALSE(form->ListBox1->isHidden());
}

INSTANTIATE_TEST_SUITE_P(
    Names, SavedName,
    ::testing::Values(NameCase{"notes", "notes.htm"}, NameCase{"page.htm", "page.htm.htm"},
                      NameCase{"заметки по сортировке", "заметки по сортировке.htm"}));

TEST_F(Saving, InPageViewCopiesTheArticleOpenedLastAndKeepsTheView) {
    form->ListBox1->setCurrentRow(1);
    form->ListBox1DblClick();
    ASSERT_TRUE(form->ListBox1->isHidden());
    form->Button1->click(); // the update page shown is not what is saved
    const size_t loads = views.loads.size();

    saveAs("article");
    EXPECT_EQ(readFileBytes(target.path() / "article.htm"),
              "<html>\r\n<p>chapter one</p><a name=a></a></html>\r\n");
    EXPECT_TRUE(form->ListBox1->isHidden());
    EXPECT_EQ(views.loads.size(), loads);
}

TEST_F(Saving, SecondSaveToTheSameNameIsRefusedAndReported) {
    saveAs("notes");
    const std::string first = readFileBytes(target.path() / "notes.htm");
    form->ListBox1->setCurrentRow(1);
    form->ListBox1DblClick(); // the working page changes
    ASSERT_NE(workingPage(), first);

    saveAs("notes");
    EXPECT_EQ(errors(), std::vector<QString>{"Cannot save to " + targetPath("notes.htm") +
                                             ": the file already exists."});
    EXPECT_EQ(readFileBytes(target.path() / "notes.htm"), first);
    EXPECT_EQ(dialogs.messages.size(), 3u); // two warnings, one error
}

struct FailureCase {
    const char* name;
    void (*prepare)(const TempFolder& book, const TempFolder& target);
    const char* chosen; // in the target folder
    const char* reason; // after "Cannot save to <target>.htm: "; %1 is the book folder
};

std::ostream& operator<<(std::ostream& out, const FailureCase& c) {
    return out << c.name;
}

class SaveFailure : public Saving, public ::testing::WithParamInterface<FailureCase> {};

TEST_P(SaveFailure, IsReportedAndLeavesNothingBehind) {
    if (GetParam().reason == std::string("the folder cannot be written") && ::geteuid() == 0) {
        GTEST_SKIP() << "root writes into any folder whatever its permissions";
    }
    GetParam().prepare(book, target);
    saveAs(GetParam().chosen);
    const QString saved = targetPath(GetParam().chosen) + ".htm";
    QString reason = QString::fromUtf8(GetParam().reason);
    reason.replace("%1", QString::fromStdString(book.folder()));
    EXPECT_EQ(errors(), std::vector<QString>{"Cannot save to " + saved + ": " + reason + "."});
    EXPECT_FALSE(std::filesystem::exists(saved.toStdString()));
}

INSTANTIATE_TEST_SUITE_P(
    Table, SaveFailure,
    ::testing::Values(
        FailureCase{"FolderMissing", [](const TempFolder&, const TempFolder&) {}, "missing/notes",
                    "the folder does not exist"},
        FailureCase{"FolderIsAFile",
                    [](const TempFolder&, const TempFolder& target) {
                        target.write("plain", "a file, not a folder");
                    },
                    "plain/notes", "the folder does not exist"},
        FailureCase{"FolderReadOnly",
                    [](const TempFolder&, const TempFolder& target) {
                        std::filesystem::permissions(target.path(),
                                                     std::filesystem::perms::owner_write,
                                                     std::filesystem::perm_options::remove);
                    },
                    "notes", "the folder cannot be written"},
        FailureCase{"WorkingPageMissing",
                    [](const TempFolder& book, const TempFolder&) {
                        std::filesystem::remove(book.path() / "data" / "vaxilog.htm");
                    },
                    "notes", "the page to save, %1data/vaxilog.htm, is missing"},
        FailureCase{"WorkingPageIsAFolder",
                    [](const TempFolder& book, const TempFolder&) {
                        std::filesystem::remove(book.path() / "data" / "vaxilog.htm");
                        std::filesystem::create_directory(book.path() / "data" / "vaxilog.htm");
                    },
                    "notes", "the page to save, %1data/vaxilog.htm, is not a regular file"},
        // Reading a pipe nobody writes to would wait for good.
        FailureCase{"WorkingPageIsAPipe",
                    [](const TempFolder& book, const TempFolder&) {
                        const auto page = book.path() / "data" / "vaxilog.htm";
                        std::filesystem::remove(page);
                        ::mkfifo(page.c_str(), 0600);
                    },
                    "notes", "the page to save, %1data/vaxilog.htm, is not a regular file"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(Saving, DialogIsKeptWithItsSettingsAndTheNameChosenLast) {
    dialogs.saveAnswer.reset();
    QTest::mouseClick(form->Button3, Qt::LeftButton);
    saveAs("notes");
    dialogs.saveAnswer.reset();
    QTest::mouseClick(form->Button3, Qt::LeftButton);

    ASSERT_EQ(dialogs.dialogs.size(), 3u);
    QFileDialog* dialog = dialogs.dialogs[0];
    EXPECT_EQ(dialogs.dialogs[1], dialog);
    EXPECT_EQ(dialogs.dialogs[2], dialog);
    EXPECT_EQ(dialog, form->SaveDialog1);
    EXPECT_EQ(dialog->windowTitle(), "Сохранить краткое изложение");
    EXPECT_EQ(dialog->acceptMode(), QFileDialog::AcceptSave);
    EXPECT_EQ(dialog->nameFilters(), (QStringList{"HTM (*.htm)", "Все файлы (*)"}));
    EXPECT_EQ(dialogs.filterShown[0], "HTM"); // shown without its pattern
    EXPECT_TRUE(dialog->defaultSuffix().isEmpty());
    EXPECT_TRUE(dialog->testOption(QFileDialog::DontUseNativeDialog));
    EXPECT_TRUE(dialog->testOption(QFileDialog::DontConfirmOverwrite));
    EXPECT_EQ(dialogs.preselected[2], targetPath("notes"));
}

} // namespace
