#pragma once

#include "ContentsListBox.h"
#include "Dialogs.h"
#include "WebBrowser.h"

#include "book/Book.h"
#include "chrome/Anchors.h"

#include <QWidget>
#include <string>

class QFileDialog;
class QFrame;
class QLabel;
class QPushButton;

// The reader's only window: a borderless frame around the button bar, the side panel, and
// the table of contents list lying over the web view.
class TForm1 : public QWidget {
public:
    static constexpr int kDesignWidth = 750;
    static constexpr int kDesignHeight = 573;
    static constexpr int kMinWidth = 640;
    static constexpr int kMinHeight = 560;

    // `programFolder` is where data.nvb lies (ending in "/"); the book is in its data/.
    TForm1(Dialogs& dialogs, WebBrowser::ViewFactory viewFactory, const std::string& programFolder,
           QWidget* parent = nullptr);
    ~TForm1() override;

    // Window commands.
    void Button4Click();     // "В оглавление": show the list
    void Button2Click();     // "Обновление": the update page
    void Button5Click();     // "Поиск в интернете": the search page
    void ListBox1DblClick(); // open the entry picked
    void FormClose();

    const book::Book& book() const { return book_; }
    // The page address of the working page with the current anchor.
    QString pageAddress() const;

    // Controls, under the names the layout gives them.
    QFrame* Panel3 = nullptr; // content panel inside the skin
    QFrame* Panel1 = nullptr; // button bar
    QFrame* Panel2 = nullptr; // view panel
    QFrame* Panel4 = nullptr; // side panel of links
    QLabel* Label2 = nullptr; // title over the title strip
    QPushButton* Button3 = nullptr;
    QPushButton* Button2 = nullptr;
    QPushButton* Button1 = nullptr;
    QPushButton* Button5 = nullptr;
    QLabel* Label26 = nullptr;
    QLabel* Label3 = nullptr;
    QLabel* Label4 = nullptr;
    QLabel* Label5 = nullptr;
    WebBrowser* WebBrowser1 = nullptr;
    ContentsListBox* ListBox1 = nullptr;

protected:
    void closeEvent(QCloseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void FormCreate(const std::string& programFolder);
    void createContentPanel();
    void createButtonBar();
    void createViewPanel(WebBrowser::ViewFactory viewFactory);
    void placeCentredOnDesktop();
    void showListAfterLoad();
    void navigateAndHideList(const QString& address);
    void startWebEngine();

    Dialogs& dialogs_;
    book::Book book_;
    chrome::Anchors windowAnchors_;
    chrome::Anchors* panel3Anchors_ = nullptr;
    chrome::Anchors* panel1Anchors_ = nullptr;
    chrome::Anchors* panel2Anchors_ = nullptr;
    bool painted_ = false;
};
