#pragma once

#include "ContentsListBox.h"
#include "Dialogs.h"
#include "browser/WebBrowser.h"

#include "book/Book.h"
#include "chrome/Anchors.h"

#include <QWidget>
#include <memory>
#include <string>

namespace chrome {
class TfcImageBtn;
class WindowFrame;
} // namespace chrome

class QFileDialog;
class QFrame;
class QLabel;
class QPushButton;

namespace ui {

// The reader's only window: a borderless frame around the button bar, the side panel, and
// the table of contents list lying over the web view.
class TForm1 : public QWidget {
public:
    static constexpr int kMinWidth = 640;
    static constexpr int kMinHeight = 560;

    // `programFolder` is where data.nvb lies (ending in "/"); the book is in its data/. The
    // working page is written in `workingFolder`, or in the book folder when there is none.
    TForm1(Dialogs& dialogs, browser::WebBrowser::ViewFactory viewFactory,
           const std::string& programFolder,
           std::shared_ptr<const book::WorkingFolder> workingFolder = nullptr,
           QWidget* parent = nullptr);
    ~TForm1() override;

    // Window commands.
    void Button4Click();     // "В оглавление": show the list
    void Button2Click();     // "Обновление": the update page
    void Button5Click();     // "Поиск в интернете": the search page
    void ListBox1DblClick(); // open the entry picked
    void FormClose();

    // Caption buttons.
    void fcImageBtn2Click(); // close the window
    void fcImageBtn1Click(); // minimise
    void fcImageBtn2MouseEnter(chrome::TfcImageBtn* sender);
    void fcImageBtn2MouseLeave(chrome::TfcImageBtn* sender);
    // The skinned frame: its pictures, hot zones, drag state and caption buttons.
    chrome::WindowFrame& frame() { return *frame_; }

    // Saving and the links.
    void Button3Click(); // "Сохранить как...": a copy of the working page
    void Label4Click();  // the block-diagram reader's download
    void Label5Click();  // the makers' site; serves Label26 too
    void Label6Click();
    void Label7Click();
    void Label8Click();
    void Label9Click();
    void Label10Click();
    void Label11Click();
    void Label12Click();
    void Label13Click();
    void Label14Click();
    void Label15Click();
    void Label16Click();
    void Label17Click();
    void Label18Click();
    void Label19Click();
    void Label20Click();
    void Label21Click();
    void Label22Click();
    void Image9Click();

    const book::Book& book() const { return book_; }
    // The page address of the working page with the current anchor.
    browser::PageAddress pageAddress() const;

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
    browser::WebBrowser* WebBrowser1 = nullptr;
    ContentsListBox* ListBox1 = nullptr;
    // Made at the first save and kept from then on, with the name chosen last.
    QFileDialog* SaveDialog1 = nullptr;

    // The side panel's links, top to bottom, and the labels of its discount notice.
    QLabel* Image9 = nullptr;
    QLabel* Label6 = nullptr;
    QLabel* Label17 = nullptr;
    QLabel* Label10 = nullptr;
    QLabel* Label14 = nullptr;
    QLabel* Label13 = nullptr;
    QLabel* Label8 = nullptr;
    QLabel* Label12 = nullptr;
    QLabel* Label7 = nullptr;
    QLabel* Label19 = nullptr;
    QLabel* Label16 = nullptr;
    QLabel* Label11 = nullptr;
    QLabel* Label9 = nullptr;
    QLabel* Label20 = nullptr;
    QLabel* Label18 = nullptr;
    QLabel* Label15 = nullptr;
    QLabel* Label21 = nullptr;
    QLabel* Label24 = nullptr; // "ВНИМАНИЕ!!!"
    QLabel* Label22 = nullptr; // the discount text, a link
    QLabel* Label25 = nullptr; // "20%" over the gap in the discount text
    QLabel* Label23 = nullptr; // the discount keyword

protected:
    void closeEvent(QCloseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void FormCreate(const std::string& programFolder,
                    std::shared_ptr<const book::WorkingFolder> workingFolder);
    // Builds the controls, the frame and the panels, as laid out at the design size.
    void buildWindow(browser::WebBrowser::ViewFactory viewFactory);
    void createContentPanel();
    void createButtonBar();
    void createViewPanel(browser::WebBrowser::ViewFactory viewFactory);
    void placeCentredOnDesktop();
    void showListAfterLoad();
    void navigateAndHideList(const browser::PageAddress& address);
    void startWebEngine();
    void createFrame();
    void createSidePanel();
    void createDiscountNotice(QWidget* client);
    void connectLinks();
    // The controls that never show the keyboard focus themselves get a frame while they have
    // it, and every control its place in the Tab order.
    void markKeyboardFocus();
    QFileDialog& saveDialog();
    void openInBrowser(const QString& address);
    void openPartnerPage(const QString& landingPage);

    Dialogs& dialogs_;
    book::Book book_;
    chrome::Anchors windowAnchors_;
    chrome::Anchors* panel3Anchors_ = nullptr;
    chrome::Anchors* panel1Anchors_ = nullptr;
    chrome::Anchors* panel2Anchors_ = nullptr;
    chrome::WindowFrame* frame_ = nullptr;
    bool painted_ = false;
    QString lastSaveChoice_;
};

} // namespace ui
