// How the reader's window is built: its controls, their places and anchors, the frame, the
// side panel and the save dialog. What the controls do is in TForm1.cpp.
#include "TForm1.h"

#include "LinkLabel.h"
#include "SidePanel.h"
#include "SiteAddresses.h"

#include "accessibility/Accessibility.h"

#include "chrome/FocusFrame.h"
#include "chrome/TfcImageBtn.h"
#include "chrome/WindowFrame.h"

#include <QFileDialog>
#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QScreen>

namespace ui {

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

void TForm1::buildWindow(browser::WebBrowser::ViewFactory viewFactory) {
    setWindowTitle(QStringLiteral("Varnel"));
    setFont(windowFont());
    setMinimumSize(kMinWidth, kMinHeight);
    // The size the frame and the controls are laid out for.
    resize(chrome::WindowFrame::DesignWidth, chrome::WindowFrame::DesignHeight);
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
    createFrame();

    createContentPanel();
    createButtonBar();
    createViewPanel(std::move(viewFactory));
    createSidePanel();

    // The book's list is where reading starts, also for a reader who uses the keyboard.
    ListBox1->setFocus();

    frame_->raiseCaptionButtons();
    placeCentredOnDesktop();
}

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

    const unsigned stretch = chrome::AnchorLeft | chrome::AnchorTop | chrome::AnchorRight;
    const unsigned followRight = chrome::AnchorTop | chrome::AnchorRight;
    struct Button {
        QPushButton* TForm1::*control;
        const char* caption;
        QRect bounds;
        unsigned anchors;
        void (TForm1::*handler)();
    };
    static const Button buttons[] = {
        {&TForm1::Button3,
         "Сохранить как...",
         {2, 2, 97, 23},
         chrome::AnchorLeftTop,
         &TForm1::Button3Click},
        {&TForm1::Button2,
         "В оглавление",
         {99, 2, 87, 23},
         chrome::AnchorLeftTop,
         &TForm1::Button4Click},
        {&TForm1::Button1, "Обновление", {555, 1, 77, 23}, followRight, &TForm1::Button2Click},
        {&TForm1::Button5,
         "Поиск в интернете",
         {632, 1, 108, 23},
         followRight,
         &TForm1::Button5Click},
    };
    for (const Button& entry : buttons) {
        QPushButton* button = makeButton(Panel1, QString::fromUtf8(entry.caption), entry.bounds);
        this->*entry.control = button;
        panel1Anchors_->add(button, entry.anchors);
        connect(button, &QPushButton::clicked, this,
                [this, handler = entry.handler] { (this->*handler)(); });
    }
    // Between the left and the right buttons, and between them for whoever walks the
    // window's controls in order.
    Label26 = makeLabel(Panel1, QStringLiteral("Сайт разработчиков!"), QRect(188, 6, 279, 13));
    Label26->stackUnder(Button1);

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

    panel1Anchors_->add(Label26, stretch);
    panel1Anchors_->add(Label3, chrome::AnchorTop);
    panel1Anchors_->add(Label4, stretch);
    panel1Anchors_->add(Label5, stretch);
}

void TForm1::createViewPanel(browser::WebBrowser::ViewFactory viewFactory) {
    Panel2 = makePanel(Panel3, QRect(0, 60, 742, 487), palette().color(QPalette::Button));
    Panel2->setFrameStyle(QFrame::Panel | QFrame::Raised);
    Panel2->setLineWidth(1);
    panel3Anchors_->add(Panel2, chrome::AnchorAll);
    panel2Anchors_ = new chrome::Anchors(Panel2);

    Panel4 = makePanel(Panel2, QRect(1, 1, 149, 485), Qt::white);
    Panel4->setFrameStyle(QFrame::WinPanel | QFrame::Sunken);
    panel2Anchors_->add(Panel4, chrome::AnchorLeft | chrome::AnchorTop | chrome::AnchorBottom);

    // Created before the list, so the list lies above it.
    WebBrowser1 = new browser::WebBrowser(std::move(viewFactory), Panel2);
    WebBrowser1->setGeometry(150, 1, 591, 485);
    panel2Anchors_->add(WebBrowser1, chrome::AnchorAll);

    ListBox1 = new ContentsListBox(Panel2);
    ListBox1->setGeometry(150, 1, 591, 485);
    panel2Anchors_->add(ListBox1, chrome::AnchorAll);
    connect(ListBox1, &ContentsListBox::listDoubleClicked, this, [this] { ListBox1DblClick(); });
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

QFileDialog& TForm1::saveDialog() {
    // Made on first use: the dialog's file model has no business slowing the start.
    if (!SaveDialog1) {
        SaveDialog1 = new QFileDialog(this, QStringLiteral("Сохранить краткое изложение"));
        // Qt's own dialog, so that it behaves the same on every desktop; a name that
        // exists is not questioned, since the copy never overwrites anyway.
        SaveDialog1->setOptions(QFileDialog::DontUseNativeDialog |
                                QFileDialog::DontConfirmOverwrite |
                                QFileDialog::HideNameFilterDetails);
        SaveDialog1->setAcceptMode(QFileDialog::AcceptSave);
        SaveDialog1->setFileMode(QFileDialog::AnyFile);
        SaveDialog1->setDefaultSuffix(QString());
        SaveDialog1->setNameFilters(
            {QStringLiteral("HTM (*.htm)"), QStringLiteral("Все файлы (*)")});
        SaveDialog1->selectNameFilter(QStringLiteral("HTM (*.htm)"));
    }
    return *SaveDialog1;
}

namespace {

// A label placed at its bounds, widened where its caption is wider than they are.
QLabel* makeSidePanelLabel(QWidget* parent, const QString& caption, const QRect& bounds,
                           bool centred) {
    auto* label = new QLabel(parent);
    label->setTextFormat(Qt::PlainText);
    label->setText(caption);
    label->setAlignment((centred ? Qt::AlignHCenter : Qt::AlignLeft) | Qt::AlignTop);
    QRect placed = bounds;
    const int needed = captionSize(label->font(), caption).width();
    if (needed > bounds.width()) {
        placed.setWidth(needed);
        if (centred) {
            placed.moveLeft(bounds.left() - (needed - bounds.width()) / 2);
        }
    }
    label->setGeometry(placed);
    return label;
}

void setTextColour(QLabel* label, const QColor& colour) {
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, colour);
    label->setPalette(palette);
}

} // namespace

void TForm1::markKeyboardFocus() {
    auto* focusFrame = new chrome::FocusFrame(this);
    accessibility::hideFromScreenReaders(focusFrame);
    focusFrame->mark(frame_->closeButton());
    focusFrame->mark(frame_->minimiseButton());
    const QList<QLabel*> labels = findChildren<QLabel*>();
    for (QLabel* label : labels) {
        if (label->focusPolicy() != Qt::NoFocus) {
            focusFrame->mark(label);
        }
    }

    // Tab goes as the eye does: the caption buttons, the button bar and its links, the list
    // or the page, then the side panel's links.
    QList<QWidget*> chain = {frame_->closeButton(),
                             frame_->minimiseButton(),
                             Button1,
                             Button2,
                             Button5,
                             Button3,
                             Label26,
                             Label4,
                             Label5,
                             ListBox1,
                             WebBrowser1};
    const QList<QLabel*> sideLinks = Panel4->findChildren<QLabel*>();
    for (QLabel* link : sideLinks) {
        if (link->focusPolicy() != Qt::NoFocus) {
            chain.append(link);
        }
    }
    for (qsizetype index = 1; index < chain.size(); ++index) {
        setTabOrder(chain[index - 1], chain[index]);
    }
}

void TForm1::createSidePanel() {
    // A framed panel's children are placed in its client area, inside the sunken border.
    auto* client = new QWidget(Panel4);
    client->setGeometry(Panel4->contentsRect());
    (new chrome::Anchors(Panel4))->add(client, chrome::AnchorAll);

    Image9 = new QLabel(client);
    Image9->setGeometry(1, 0, 145, 21);
    Image9->setPixmap(QPixmap(QStringLiteral(":/banner/partner.bmp")));
    Image9->setScaledContents(true);
    makeLink(Image9, [this] { Image9Click(); });

    struct Link {
        QLabel* TForm1::*control;
        QRect bounds;
        const char* caption;
        bool centred;
        void (TForm1::*handler)();
    };
    static const Link links[] = {
        {&TForm1::Label6,
         {25, 25, 99, 26},
         "АУДИО: mp3, cd, \r\nmd плееры",
         true,
         &TForm1::Label6Click},
        {&TForm1::Label17, {46, 55, 67, 13}, "диктофоны", false, &TForm1::Label17Click},
        {&TForm1::Label10,
         {25, 75, 98, 26},
         "ФОТО: цифровые \r\nфотокамеры",
         true,
         &TForm1::Label10Click},
        {&TForm1::Label14, {37, 109, 78, 13}, "фотопринтеры", false, &TForm1::Label14Click},
        {&TForm1::Label13, {31, 131, 95, 13}, "ВИДЕО: камеры", false, &TForm1::Label13Click},
        {&TForm1::Label8, {40, 151, 83, 13}, "DVD-плееры", false, &TForm1::Label8Click},
        {&TForm1::Label12, {36, 171, 86, 13}, "ЖК-мониторы", false, &TForm1::Label12Click},
        {&TForm1::Label7, {30, 193, 95, 13}, "ЖК-телевизоры", false, &TForm1::Label7Click},
        {&TForm1::Label19, {23, 214, 112, 14}, "проекторы, плазма", false, &TForm1::Label19Click},
        {&TForm1::Label16, {39, 235, 83, 13}, "НОУТБУКИ", false, &TForm1::Label16Click},
        {&TForm1::Label11, {26, 257, 111, 13}, "ПЕРЕВОДЧИКИ", false, &TForm1::Label11Click},
        {&TForm1::Label9, {37, 277, 84, 13}, "Наладонники", false, &TForm1::Label9Click},
        {&TForm1::Label20, {36, 298, 86, 13}, "детектор лжи", false, &TForm1::Label20Click},
        {&TForm1::Label18, {31, 319, 94, 13}, "радиотелефоны", false, &TForm1::Label18Click},
        {&TForm1::Label15, {35, 340, 83, 13}, "АКСЕССУАРЫ", false, &TForm1::Label15Click},
        {&TForm1::Label21, {35, 360, 82, 13}, "Веб-Мастерам", false, &TForm1::Label21Click},
    };
    for (const Link& link : links) {
        QLabel* label =
            makeSidePanelLabel(client, QString::fromUtf8(link.caption), link.bounds, link.centred);
        this->*link.control = label;
        makeLink(label, [this, handler = link.handler] { (this->*handler)(); });
    }

    createDiscountNotice(client);
}

void TForm1::createDiscountNotice(QWidget* client) {
    Label24 =
        makeSidePanelLabel(client, QStringLiteral("ВНИМАНИЕ!!!"), QRect(38, 382, 71, 13), false);
    setTextColour(Label24, Qt::red);
    takeClicks(Label24);

    // Label25 is made after Label22, so it lies above it and takes the clicks there.
    const DiscountText discount = makeDiscountText(client, kPartnerSiteName);
    Label22 = discount.text;
    Label25 = discount.percent;
    makeLink(Label22, [this] { Label22Click(); });
    takeClicks(Label25);

    Label23 = new QLabel(QStringLiteral("VR"), client);
    Label23->setGeometry(63, 453, 22, 16);
    QFont keyword = Label23->font();
    keyword.setBold(true);
    keyword.setPixelSize(13);
    Label23->setFont(keyword);
    setTextColour(Label23, Qt::red);
    takeClicks(Label23);
}

void TForm1::createFrame() {
    frame_ = new chrome::WindowFrame(this, &windowAnchors_, Label2);
    for (chrome::TfcImageBtn* button : {frame_->closeButton(), frame_->minimiseButton()}) {
        connect(button, &chrome::TfcImageBtn::entered, this,
                [this, button] { fcImageBtn2MouseEnter(button); });
        connect(button, &chrome::TfcImageBtn::left, this,
                [this, button] { fcImageBtn2MouseLeave(button); });
    }
    connect(frame_->closeButton(), &chrome::TfcImageBtn::clicked, this,
            [this] { fcImageBtn2Click(); });
    connect(frame_->minimiseButton(), &chrome::TfcImageBtn::clicked, this,
            [this] { fcImageBtn1Click(); });
}

} // namespace ui
