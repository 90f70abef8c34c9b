#pragma once

#include <QFont>
#include <QRect>
#include <QString>
#include <QStringList>

class QLabel;
class QWidget;

namespace ui {

// Layout of the side panel's captions. Captions break lines with "\r\n" and are drawn as
// plain text, so each "\r" shows as a space at the end of its line.

// The lines of a caption, each as it is drawn.
QStringList captionLines(const QString& caption);

// The size a caption takes in a font, as a label drawing it measures it.
QSize captionSize(const QFont& font, const QString& caption);

// `font`, made smaller a pixel at a time until the caption's widest line fits `width`;
// a caption that fits already keeps the font.
QFont fontFittingWidth(QFont font, const QString& caption, int width);

// Where `length` characters from `start` of line `line` of a label's top-aligned,
// centred caption are drawn, in the coordinates of the label's parent: as wide as their
// advance and one line high.
QRect captionRunBounds(const QLabel& label, int line, int start, int length);

// The side panel's client area, inside its sunken border.
constexpr int kSidePanelClientWidth = 145;

// The discount text (white, centred) and the red "20%" laid over the run of spaces in its
// second line, made in that order in the side panel's client area.
struct DiscountText {
    QLabel* text;
    QLabel* percent;
};
DiscountText makeDiscountText(QWidget* client, const QString& shopName);

} // namespace ui
