// The message box shows what it is given as it is written, and stays on the screen whatever
// a message quotes.
#include "UiTestSupport.h"

#include <QLabel>
#include <QMessageBox>
#include <gtest/gtest.h>

namespace {

TEST(MessageBox, ShowsTheTextAsWrittenWithinTheScreen) {
    const QString longLine = QString(200, QLatin1Char('7')) + QChar(0x2026);
    QString faces; // characters outside the 16-bit range, each two code units
    for (int i = 0; i < 60; ++i) {
        faces += QString::fromUcs4(U"\U0001F600", 1);
    }
    const QString messages[] = {
        QStringLiteral("File not found."),
        QStringLiteral("'%1' is not a valid integer value.").arg(longLine),
        QStringLiteral("'<b>12</b><img src=\"/etc/passwd\">' is not a valid integer value."),
        QStringLiteral("'%1' is not a valid integer value.").arg(faces),
    };
    for (const QString& message : messages) {
        const auto box = QtDialogs::messageBox(message, Dialogs::Icon::Critical);
        const auto* label = box->findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
        ASSERT_NE(label, nullptr);
        EXPECT_EQ(label->textFormat(), Qt::PlainText) << message.toStdString();
        EXPECT_EQ(QString(label->text()).remove(QChar(0x200B)), message);
        EXPECT_TRUE(label->text().isValidUtf16()) << "a break inside a character";
        box->show(); // the box finds its size as it is shown
        EXPECT_LE(box->width(), box->screen()->availableGeometry().width())
            << message.left(40).toStdString();
        // All of the text within the box: none of it cut off at the box's edge.
        const QRect needed = label->fontMetrics().boundingRect(
            QRect(0, 0, label->width(), 100000), int(Qt::TextWordWrap), label->text());
        EXPECT_LE(needed.width(), label->width()) << message.left(40).toStdString();
        box->hide();
        EXPECT_EQ(box->windowTitle(), QApplication::applicationDisplayName());
    }
}

} // namespace
