#include "SidePanel.h"

#include <QFontMetricsF>
#include <QLabel>
#include <QtMath>

namespace ui {

namespace {

// The box a plain text takes when drawn top-left aligned, with the line breaking and line
// heights of a label's drawing.
QRectF textBox(const QFont& font, const QString& text) {
    return QFontMetricsF(font).boundingRect(QRectF(0, 0, 1e6, 1e6), Qt::AlignLeft | Qt::AlignTop,
                                            text);
}

} // namespace

QStringList captionLines(const QString& caption) {
    QStringList lines = caption.split(QLatin1Char('\n'));
    for (QString& line : lines) {
        line.replace(QLatin1Char('\r'), QLatin1Char(' '));
    }
    return lines;
}

QSize captionSize(const QFont& font, const QString& caption) {
    const QRectF box = textBox(font, caption);
    return QSize(qCeil(box.width()), qCeil(box.height()));
}

QFont fontFittingWidth(QFont font, const QString& caption, int width) {
    // Below 7 pixels the Cyrillic letters blur into each other.
    constexpr int kSmallestPixelSize = 7;
    int pixelSize = QFontInfo(font).pixelSize();
    while (captionSize(font, caption).width() > width && pixelSize > kSmallestPixelSize) {
        font.setPixelSize(--pixelSize);
    }
    return font;
}

QRect captionRunBounds(const QLabel& label, int line, int start, int length) {
    const QFont& font = label.font();
    const QFontMetricsF metrics(font);
    const QStringList lines = captionLines(label.text());
    const QString text = lines.value(line);
    // Lines start on whole pixels, each below the one before.
    const int lineTop = line > 0 ? qCeil(textBox(font, lines.mid(0, line).join('\n')).height()) : 0;
    // A line is centred by its width without the spaces that close it.
    qsizetype end = text.size();
    while (end > 0 && text.at(end - 1).isSpace()) {
        --end;
    }
    const QRect area = label.contentsRect();
    const qreal lineLeft =
        area.left() + (area.width() - metrics.horizontalAdvance(text.left(end))) / 2;
    const qreal runLeft = lineLeft + metrics.horizontalAdvance(text.left(start));
    const qreal runRight = runLeft + metrics.horizontalAdvance(text.mid(start, length));
    const QRect run(qRound(runLeft), area.top() + lineTop, qRound(runRight) - qRound(runLeft),
                    qCeil(metrics.height()));
    return run.translated(label.pos());
}

DiscountText makeDiscountText(QWidget* client, const QString& shopName) {
    const QString gap(8, QLatin1Char(' '));
    const QString gapLineStart = QStringLiteral("товаров на ") + shopName + QStringLiteral(" -");
    const QString caption = QStringLiteral("Скидки на все виды \r\n") + gapLineStart + gap +
                            QStringLiteral(", \r\nесли вы введете при \r\n") +
                            QStringLiteral("покупке ключевое слово - ");
    auto* text = new QLabel(client);
    text->setTextFormat(Qt::PlainText);
    text->setText(caption);
    text->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    text->setAutoFillBackground(true);
    QPalette white = text->palette();
    white.setColor(QPalette::Window, Qt::white);
    text->setPalette(white);
    // Sized to its text about the centre of the place it was drawn for (4, 397, 139, 52),
    // as wide as the panel allows; a shop name too long for the panel makes the text
    // smaller rather than cut off.
    const QFont font = fontFittingWidth(text->font(), caption, kSidePanelClientWidth);
    text->setFont(font);
    const QSize size = captionSize(font, caption);
    const int left =
        qBound(0, qRound(4 + 139 / 2.0 - size.width() / 2.0), kSidePanelClientWidth - size.width());
    const int top = 397 + qMax(0, (52 - size.height()) / 2);
    text->setGeometry(QRect(QPoint(left, top), size));

    auto* percent = new QLabel(QStringLiteral("20%"), client);
    QFont plain = font;
    plain.setUnderline(false);
    percent->setFont(plain);
    percent->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    QPalette red = percent->palette();
    red.setColor(QPalette::WindowText, Qt::red);
    percent->setPalette(red);
    percent->setGeometry(
        captionRunBounds(*text, 1, static_cast<int>(gapLineStart.size()), gap.size()));
    return {text, percent};
}

} // namespace ui
