// bare-webengine: the page-load and memory reference. A frameless window of the reader's
// size with nothing but a web view where the reader has its page area.
//   bare-webengine PAGE[#anchor]               shows PAGE from the start
//   bare-webengine --warm WARM PAGE[#anchor]   shows WARM, and PAGE after a double click
// Prints loaded_ms=... (since start or since the double click) each time a load finishes,
// a cross-check of what the probe measures from outside.
#include <QApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QUrl>
#include <QWebEngineView>
#include <QWidget>

#include <cstdio>
#include <cstring>
#include <unistd.h>
#include <utility>

namespace {

QUrl localPage(const QString& argument) {
    const qsizetype hash = argument.indexOf(QLatin1Char('#'));
    QUrl url = QUrl::fromLocalFile(QFileInfo(argument.left(hash)).absoluteFilePath());
    if (hash >= 0) {
        url.setFragment(argument.mid(hash + 1));
    }
    return url;
}

// Loads the page at the first double click anywhere in the window.
class DoubleClickLoader : public QObject {
public:
    DoubleClickLoader(QWebEngineView* view, QUrl page, QElapsedTimer* clock)
        : view_(view), page_(std::move(page)), clock_(clock) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::MouseButtonDblClick && !loaded_) {
            loaded_ = true;
            clock_->restart();
            view_->load(page_);
        }
        return QObject::eventFilter(watched, event);
    }

private:
    QWebEngineView* view_;
    QUrl page_;
    QElapsedTimer* clock_;
    bool loaded_ = false;
};

} // namespace

int main(int argc, char** argv) {
    // As the reader does: the engine will not start its sandbox for root.
    if (::geteuid() == 0) {
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    }
    QElapsedTimer clock;
    clock.start();
    QApplication application(argc, argv);
    const bool warm = argc == 4 && std::strcmp(argv[1], "--warm") == 0;
    if (argc != 2 && !warm) {
        std::fprintf(stderr, "usage: bare-webengine [--warm WARM] PAGE[#anchor]\n");
        return 2;
    }
    QWidget window(nullptr, Qt::Window | Qt::FramelessWindowHint);
    window.resize(750, 573);
    auto* view = new QWebEngineView(&window);
    // The reader's page area, so that both render the same number of pixels.
    view->setGeometry(154, 79, 591, 485);
    QObject::connect(view, &QWebEngineView::loadFinished, [&clock](bool ok) {
        std::printf("loaded_ms=%.1f ok=%d\n", double(clock.nsecsElapsed()) / 1e6, ok ? 1 : 0);
        std::fflush(stdout);
    });
    const QUrl page = localPage(QString::fromLocal8Bit(argv[argc - 1]));
    DoubleClickLoader loader(view, page, &clock);
    if (warm) {
        application.installEventFilter(&loader);
        view->load(localPage(QString::fromLocal8Bit(argv[2])));
    } else {
        view->load(page);
    }
    window.show();
    return QApplication::exec();
}
