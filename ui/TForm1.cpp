#include "TForm1.h"

#include "ArticleSaver.h"
#include "BookText.h"
#include "ErrorDisplay.h"
#include "LinkLabel.h"
#include "SiteAddresses.h"
#include "accessibility/ReaderWindowAccessibility.h"

#include "book/Errors.h"
#include "browser/StartEnvironment.h"
#include "chrome/TfcImageBtn.h"
#include "chrome/WindowFrame.h"

#include <QCloseEvent>
#include <QDesktopServices>
#include <QFileDialog>
#include <QLabel>
#include <QPushButton>
#include <QShortcut>
#include <QTimer>
#include <QUrl>

namespace ui {

TForm1::TForm1(Dialogs& dialogs, browser::WebBrowser::ViewFactory viewFactory,
               const std::string& programFolder,
               std::shared_ptr<const book::WorkingFolder> workingFolder, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint), dialogs_(dialogs),
      windowAnchors_(this) {
    buildWindow(std::move(viewFactory));
    connectLinks();
    markKeyboardFocus();
    // Escape leaves a page for the list, as "В оглавление" does, wherever the focus is.
    auto* backToList = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(backToList, &QShortcut::activated, this, [this] {
        if (ListBox1->isHidden()) {
            Button4Click();
        }
    });
    exposeReaderWindow(*this);
    FormCreate(programFolder, std::move(workingFolder));
}

TForm1::~TForm1() = default;

void TForm1::FormCreate(const std::string& programFolder,
                        std::shared_ptr<const book::WorkingFolder> workingFolder) {
    if (workingFolder) {
        book_.fixFolders(programFolder, std::move(workingFolder));
    } else {
        book_.fixFolders(programFolder);
    }
    runGuarded(dialogs_, [this] { book_.LoadContents(); });
    // Whatever loading reached is listed, also after an error.
    showListAfterLoad();
}

void TForm1::showListAfterLoad() {
    ListBox1->addItems(textsFromBookCodePage(book_.contents().items));
}

browser::PageAddress TForm1::pageAddress() const {
    // The folder is in the file system's encoding, the anchor in the book's.
    return {pathFromNative(book_.workingPagePath()), textFromBookCodePage(book_.currentAnchor())};
}

void TForm1::navigateAndHideList(const browser::PageAddress& address) {
    WebBrowser1->navigate(address);
    ListBox1->hide();
}

void TForm1::Button4Click() {
    runGuarded(dialogs_, [this] {
        ListBox1->show();
        // Back where the reader left the list: on the entry opened last.
        ListBox1->setFocus(Qt::OtherFocusReason);
    });
}

void TForm1::Button2Click() {
    runGuarded(dialogs_, [this] {
        navigateAndHideList({kMakerSiteAddress + QStringLiteral("/updateal.htm"), QString()});
    });
}

void TForm1::Button5Click() {
    runGuarded(dialogs_, [this] {
        navigateAndHideList({kMakerSiteAddress + QStringLiteral("/findal.htm"), QString()});
    });
}

void TForm1::ListBox1DblClick() {
    runGuarded(dialogs_, [this] {
        const int index = ListBox1->selectedIndex();
        if (index < 0 || index >= ListBox1->count()) {
            throw book::ListIndexError(index);
        }
        if (ListBox1->item(index)->text() == QLatin1String(book::kSeparatorItem.data(), 1)) {
            return;
        }
        book_.OpenArticle(index);
        navigateAndHideList(pageAddress());
        // Into the page, where the view puts the reading position on the entry's anchor.
        WebBrowser1->setFocus(Qt::OtherFocusReason);
    });
}

void TForm1::FormClose() {
    book_.deleteWorkingPage();
}

void TForm1::closeEvent(QCloseEvent* event) {
    FormClose();
    event->accept();
}

void TForm1::paintEvent(QPaintEvent* event) {
    QWidget::paintEvent(event);
    if (!painted_) {
        painted_ = true;
        // Posted from here, not from show(): a timer posted at show() runs before the
        // first paint and would hold the window back.
        QTimer::singleShot(0, this, [this] { startWebEngine(); });
    }
}

void TForm1::startWebEngine() {
    WebBrowser1->warmUp(
        QUrl::fromLocalFile(browser::blankPageBeside(pathFromNative(book_.programFolder()))));
}

// Saving.

namespace {

const QString kSaveWarning =
    QStringLiteral("ВНИМАНИЕ!!! При сохранении страницы картинки и файлы *.bls не сохраняютя! "
                   "Вы их можете найти в папке ");

} // namespace

void TForm1::Button3Click() {
    runGuarded(dialogs_, [this] {
        const QString bookFolder = pathFromNative(book_.bookFolder());
        dialogs_.showMessage(kSaveWarning + bookFolder + QLatin1Char('!'), Dialogs::Icon::None);

        QFileDialog& dialog = saveDialog();
        if (!lastSaveChoice_.isEmpty()) {
            dialog.selectFile(lastSaveChoice_);
        }
        const std::optional<QString> chosen = dialogs_.runSaveDialog(dialog);
        if (!chosen) {
            return;
        }
        lastSaveChoice_ = *chosen;
        // The suffix goes on whatever the name ends in: page.htm is saved as page.htm.htm.
        copyToNewFile(book_.workingPage(), QFile::encodeName(*chosen + QStringLiteral(".htm")));
    });
}

// The links.

void TForm1::connectLinks() {
    makeLink(Label26, [this] { Label5Click(); });
    makeLink(Label4, [this] { Label4Click(); });
    makeLink(Label5, [this] { Label5Click(); });
    takeClicks(Label3);
}

void TForm1::openInBrowser(const QString& address) {
    // The browser runs on its own; whether it could be started is not our concern.
    runGuarded(dialogs_, [&address] { browser::openWithTheDesktop(QUrl(address)); });
}

void TForm1::openPartnerPage(const QString& landingPage) {
    QString address = kPartnerSiteAddress + QStringLiteral("/porta.phtml?from=Vordi");
    if (!landingPage.isEmpty()) {
        address += QStringLiteral("&to=") + landingPage;
    }
    openInBrowser(address);
}

void TForm1::Label4Click() {
    openInBrowser(kMakerSiteAddress + QStringLiteral("/algoritm/blok.zip"));
}

void TForm1::Label5Click() {
    openInBrowser(kMakerSiteAddress);
}

void TForm1::Image9Click() {
    openPartnerPage(QString());
}

void TForm1::Label22Click() {
    openPartnerPage(QString());
}

void TForm1::Label6Click() {
    openPartnerPage(QStringLiteral("index.htm"));
}

void TForm1::Label17Click() {
    openPartnerPage(QStringLiteral("price4.htm"));
}

void TForm1::Label10Click() {
    openPartnerPage(QStringLiteral("foto.htm"));
}

void TForm1::Label14Click() {
    openPartnerPage(QStringLiteral("price95.htm"));
}

void TForm1::Label13Click() {
    openPartnerPage(QStringLiteral("price7.htm"));
}

void TForm1::Label8Click() {
    openPartnerPage(QStringLiteral("price25.htm"));
}

void TForm1::Label12Click() {
    openPartnerPage(QStringLiteral("price301.htm"));
}

void TForm1::Label7Click() {
    openPartnerPage(QStringLiteral("price302.htm"));
}

void TForm1::Label19Click() {
    openPartnerPage(QStringLiteral("price16.htm"));
}

void TForm1::Label16Click() {
    openPartnerPage(QStringLiteral("notebook.htm"));
}

void TForm1::Label11Click() {
    openPartnerPage(QStringLiteral("slovar.htm"));
}

void TForm1::Label9Click() {
    openPartnerPage(QStringLiteral("pilot.htm"));
}

void TForm1::Label20Click() {
    openPartnerPage(QStringLiteral("tov11358.htm"));
}

void TForm1::Label18Click() {
    openPartnerPage(QStringLiteral("price9.htm"));
}

void TForm1::Label15Click() {
    openPartnerPage(QStringLiteral("price99.htm"));
}

void TForm1::Label21Click() {
    openPartnerPage(QStringLiteral("partner.phtml"));
}

void TForm1::fcImageBtn2MouseEnter(chrome::TfcImageBtn* sender) {
    sender->setColor(chrome::captionButtonHoverColor);
}

void TForm1::fcImageBtn2MouseLeave(chrome::TfcImageBtn* sender) {
    sender->setColor(chrome::captionButtonColor);
}

void TForm1::fcImageBtn2Click() {
    close();
}

void TForm1::fcImageBtn1Click() {
    showMinimized();
}

} // namespace ui
