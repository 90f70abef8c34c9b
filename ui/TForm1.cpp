#include "TForm1.h"

#include "ErrorDisplay.h"
#include "SiteAddresses.h"

#include "book/Errors.h"

#include <QCloseEvent>
#include <QFile>
#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTimer>

namespace {

// The window font: a sans face with Cyrillic, 11 pixels high, narrow enough for the
// captions to fit the bounds the layout gives them.
QFont windowFont() {
    QFont font(QStringLiteral("DejaVu Sans Condensed"));
    font.setFamilies({QStringLiteral("DejaVu Sans Condensed"), QStringLiteral("DejaVu Sans")});
    font.setPixelSize(11);
    return font;
}

QFrame* makePanel(QWidget* parent, const QRect& bounds, const QColor& colour) {
    auto* panel = new QFrame(parent);
    panel->setGeometry(bounds);
    panel->setAutoFillBackground(true);
    QPalette palette = panel->palette();
    palette.setColor(QPalette::Window, colour);
    panel->setPalette(palette);
    return panel;
}

QPushButton* makeButton(QWidget* parent, const QString& caption, const QRect& bounds) {
    auto* button = new QPushButton(caption, parent);
    button->setGeometry(bounds);
    button->setAutoDefault(false);
    return button;
}

QLabel* makeLabel(QWidget* parent, const QString& caption, const QRect& bounds) {
    auto* label = new QLabel(caption, parent);
    label->setGeometry(bounds);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

} // namespace

TForm1::TForm1(Dialogs& dialogs, WebBrowser::ViewFactory viewFactory,
               const std::string& programFolder, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint), dialogs_(dialogs),
      windowAnchors_(this) {
    setWindowTitle(QStringLiteral("Varnel"));
    setFont(windowFont());
    setMinimumSize(kMinWidth, kMinHeight);
    resize(kDesignWidth, kDesignHeight);
    // Where the skin leaves a pixel undrawn, the button face shows.
    setAutoFillBackground(true);
    QPalette background = palette();
    background.setColor(QPalette::Window, palette().color(QPalette::Button));
    setPalette(background);

    Label2 = makeLabel(this, QStringLiteral("Varnel -"), QRect(36, 3, 508, 13));
    Label2->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    QPalette titlePalette = Label2->palette();
    titlePalette.setColor(QPalette::WindowText, Qt::white);
    Label2->setPalette(titlePalette);
    windowAnchors_.add(Label2, chrome::AnchorLeft | chrome::AnchorTop | chrome::AnchorRight);

    createContentPanel();
    createButtonBar();
    createViewPanel(std::move(viewFactory));

    setTabOrder(Button1, Button2);
    setTabOrder(Button2, Button5);
    setTabOrder(Button5, Button3);
    setTabOrder(Button3, ListBox1);
    Button1->setFocus();

    placeCentredOnDesktop();
    FormCreate(programFolder);
}

TForm1::~TForm1() = default;

void TForm1::createContentPanel() {
    Panel3 = makePanel(this, QRect(4, 18, 742, 547), Qt::white);
    windowAnchors_.add(Panel3, chrome::AnchorAll);
    panel3Anchors_ = new chrome::Anchors(Panel3);
}

void TForm1::createButtonBar() {
    const QColor buttonFace = palette().color(QPalette::Button);
    Panel1 = makePanel(Panel3, QRect(0, 0, 742, 60), buttonFace);
    Panel1->setFrameStyle(QFrame::Panel | QFrame::Raised);
    Panel1->setLineWidth(1);
    panel3Anchors_->add(Panel1, chrome::AnchorLeft | chrome::AnchorTop | chrome::AnchorRight);
    panel1Anchors_ = new chrome::Anchors(Panel1);

    Button3 = makeButton(Panel1, QStringLiteral("Сохранить как..."), QRect(2, 2, 97, 23));
    Button2 = makeButton(Panel1, QStringLiteral("В оглавление"), QRect(99, 2, 87, 23));
    Label26 = makeLabel(Panel1, QStringLiteral("Сайт разработчиков!"), QRect(188, 6, 279, 13));
    Button1 = makeButton(Panel1, QStringLiteral("Обновление"), QRect(555, 1, 77, 23));
    Button5 = makeButton(Panel1, QStringLiteral("Поиск в интернете"), QRect(632, 1, 108, 23));

    // Sized to its text and centred where the layout centres it.
    const QString notice = QStringLiteral("Для просмотра блок-схем (*.bls) вам нужена программа "
                                          "для чтенеия блок схем(400KB), которую вы можете "
                                          "скачать");
    Label3 = makeLabel(Panel1, notice, QRect(55, 29, 593, 13));
    const int textWidth = Label3->fontMetrics().horizontalAdvance(notice);
    const int centre = 55 + 593 / 2;
    Label3->setGeometry(centre - textWidth / 2, 29, textWidth, 13);

    // The link finishes the notice's sentence; our font is wider than the one the layout
    // was drawn for, so it follows the notice's end where that lies further right.
    const int linkLeft = qMax(592, Label3->geometry().right() + 4);
    Label4 = makeLabel(Panel1, QStringLiteral("здесь!"), QRect(linkLeft, 29, 155, 13));
    Label5 =
        makeLabel(Panel1,
                  QStringLiteral("Мы являемся официальными партнерами сайта ") + kPartnerSiteName +
                      QStringLiteral(" - ПЕРВГО по рейтингу интернет-магазином в рунете!"),
                  QRect(4, 43, 739, 13));

    const unsigned stretch = chrome::AnchorLeft | chrome::AnchorTop | chrome::AnchorRight;
    const unsigned followRight = chrome::AnchorTop | chrome::AnchorRight;
    panel1Anchors_->add(Button3, chrome::AnchorLeftTop);
    panel1Anchors_->add(Button2, chrome::AnchorLeftTop);
    panel1Anchors_->add(Label26, stretch);
    panel1Anchors_->add(Button1, followRight);
    panel1Anchors_->add(Button5, followRight);
    panel1Anchors_->add(Label3, chrome::AnchorTop);
    panel1Anchors_->add(Label4, stretch);
    panel1Anchors_->add(Label5, stretch);

    connect(Button2, &QPushButton::clicked, this, [this] { Button4Click(); });
    connect(Button1, &QPushButton::clicked, this, [this] { Button2Click(); });
    connect(Button5, &QPushButton::clicked, this, [this] { Button5Click(); });
}

void TForm1::createViewPanel(WebBrowser::ViewFactory viewFactory) {
    Panel2 = makePanel(Panel3, QRect(0, 60, 742, 487), palette().color(QPalette::Button));
    Panel2->setFrameStyle(QFrame::Panel | QFrame::Raised);
    Panel2->setLineWidth(1);
    panel3Anchors_->add(Panel2, chrome::AnchorAll);
    panel2Anchors_ = new chrome::Anchors(Panel2);

    Panel4 = makePanel(Panel2, QRect(1, 1, 149, 485), Qt::white);
    Panel4->setFrameStyle(QFrame::WinPanel | QFrame::Sunken);
    panel2Anchors_->add(Panel4, chrome::AnchorLeft | chrome::AnchorTop | chrome::AnchorBottom);

    // Created before the list, so the list lies above it.
    WebBrowser1 = new WebBrowser(std::move(viewFactory), Panel2);
    WebBrowser1->setGeometry(150, 1, 591, 485);
    panel2Anchors_->add(WebBrowser1, chrome::AnchorAll);

    ListBox1 = new ContentsListBox(Panel2);
    ListBox1->setGeometry(150, 1, 591, 485);
    panel2Anchors_->add(ListBox1, chrome::AnchorAll);
    ListBox1->onDoubleClick([this] { ListBox1DblClick(); });
}

void TForm1::placeCentredOnDesktop() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen) {
        return;
    }
    const QRect desktop = screen->virtualGeometry();
    const int left = desktop.left() + qMax(0, (desktop.width() - width()) / 2);
    const int top = desktop.top() + qMax(0, (desktop.height() - height()) / 2);
    move(left, top);
}

void TForm1::FormCreate(const std::string& programFolder) {
    book_.fixFolders(programFolder);
    runGuarded(dialogs_, [this] { book_.LoadContents(); });
    // Whatever loading reached is listed, also after an error.
    showListAfterLoad();
}

void TForm1::showListAfterLoad() {
    QStringList items;
    items.reserve(static_cast<qsizetype>(book_.contents().items.size()));
    for (const std::string& item : book_.contents().items) {
        items.append(textFromBookCodePage(item));
    }
    ListBox1->addItems(items);
}

QString TForm1::pageAddress() const {
    // The folder is in the file system's encoding, the anchor in the book's.
    return QFile::decodeName(QByteArray::fromStdString(book_.workingPagePath())) +
           textFromBookCodePage(book_.currentAnchor());
}

void TForm1::navigateAndHideList(const QString& address) {
    WebBrowser1->navigate(address);
    ListBox1->hide();
}

void TForm1::Button4Click() {
    runGuarded(dialogs_, [this] { ListBox1->show(); });
}

void TForm1::Button2Click() {
    runGuarded(dialogs_, [this] {
        navigateAndHideList(kMakerSiteAddress + QStringLiteral("/updateal.htm"));
    });
}

void TForm1::Button5Click() {
    runGuarded(dialogs_,
               [this] { navigateAndHideList(kMakerSiteAddress + QStringLiteral("/findal.htm")); });
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
        QUrl::fromLocalFile(QFile::decodeName(QByteArray::fromStdString(book_.programFolder())) +
                            QStringLiteral("blank.htm")));
}
