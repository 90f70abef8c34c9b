// bare-widgets: the start-up reference. A frameless window of the reader's size with a list
// as long as the largest book's table of contents (chapters and articles), and nothing else.
#include <QApplication>
#include <QListWidget>
#include <QStringList>
#include <QWidget>

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    constexpr int kEntries = 1250;
    QWidget window(nullptr, Qt::Window | Qt::FramelessWindowHint);
    window.resize(750, 573);
    auto* list = new QListWidget(&window);
    list->setGeometry(window.rect());
    QStringList entries;
    entries.reserve(kEntries);
    for (int entry = 1; entry <= kEntries; ++entry) {
        entries.append(QStringLiteral("Статья %1").arg(entry));
    }
    list->addItems(entries);
    window.show();
    return QApplication::exec();
}
