#include "ReaderWindowAccessibility.h"

#include "Accessibility.h"
#include "ui/SiteAddresses.h"
#include "ui/TForm1.h"

#include "chrome/TfcImageBtn.h"
#include "chrome/TfcImager.h"
#include "chrome/WindowFrame.h"

#include <QLabel>
#include <QRegularExpression>

namespace ui {

namespace {

constexpr int kFrameImages = 8;
constexpr int kFrameHotZones = 9;

// The discount text as it is seen: the red percentage fills the gap left for it.
QString discountAsSeen(const QString& text, const QString& percent) {
    QString seen = text;
    seen.replace(QRegularExpression(QStringLiteral(" {2,}")), QLatin1Char(' ') + percent);
    return accessibility::spokenText(seen);
}

} // namespace

void exposeReaderWindow(TForm1& form) {
    accessibility::exposeAs(&form, QAccessible::Window);
    // Qt would name the window by its icon text while it is minimised; it has none.
    form.setAccessibleName(form.windowTitle());

    // Moving and resizing are the window manager's to offer, not ours.
    chrome::WindowFrame& frame = form.frame();
    for (int number = 1; number <= kFrameImages; ++number) {
        accessibility::hideFromScreenReaders(frame.image(number));
    }
    for (int number = 1; number <= kFrameHotZones; ++number) {
        accessibility::hideFromScreenReaders(frame.paintBox(number));
    }

    frame.closeButton()->setAccessibleName(QStringLiteral("Закрыть"));
    accessibility::exposeAs(frame.closeButton(), QAccessible::Button,
                            [&form] { form.fcImageBtn2Click(); });
    frame.minimiseButton()->setAccessibleName(QStringLiteral("Свернуть"));
    accessibility::exposeAs(frame.minimiseButton(), QAccessible::Button,
                            [&form] { form.fcImageBtn1Click(); });

    form.ListBox1->setAccessibleName(QStringLiteral("Оглавление"));

    // The banner is a picture of the shop's name.
    form.Image9->setAccessibleName(kPartnerSiteName);
    form.Label22->setAccessibleName(discountAsSeen(form.Label22->text(), form.Label25->text()));
    accessibility::hideFromScreenReaders(form.Label25);
}

} // namespace ui
