#include "ReadingPosition.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QUrl>
#include <QWebEnginePage>
#include <QWebEngineScript>
#include <QWebEngineView>
#include <utility>

namespace browser {

namespace {

// Focuses without scrolling; an element that could not take the focus is made focusable by
// script only.
QString focusAnchorScript(const QString& anchor) {
    static const QString script = QStringLiteral(R"((function (anchor) {
    var headings = 'h1, h2, h3, h4, h5, h6';
    var target = document.getElementById(anchor);
    if (!target) {
        // As the view finds a named mark: without regard to case in a page without a doctype.
        var quirks = document.compatMode === 'BackCompat';
        var marks = document.querySelectorAll('a[name]');
        for (var i = 0; i < marks.length && !target; i++) {
            var name = marks[i].getAttribute('name');
            if (name === anchor || (quirks && name.toLowerCase() === anchor.toLowerCase()))
                target = marks[i];
        }
    }
    if (!target)
        return false;
    var place = target.closest(headings) || target.querySelector(headings);
    if (!place && !/\S/.test(target.textContent)) {
        var walker = document.createTreeWalker(document.documentElement,
            NodeFilter.SHOW_ELEMENT | NodeFilter.SHOW_TEXT);
        walker.currentNode = target;
        for (var node = walker.nextNode(); node && !place; node = walker.nextNode()) {
            if (node.nodeType === Node.TEXT_NODE && /\S/.test(node.data))
                break;
            if (node.nodeType === Node.ELEMENT_NODE && node.matches(headings))
                place = node;
        }
    }
    place = place || target;
    if (place.tabIndex < 0 && !place.hasAttribute('tabindex')) {
        // Focusable by this script only, and without a focus ring: the page looks as it
        // did before the reading position was put there.
        place.setAttribute('tabindex', '-1');
        var outline = place.style.outline;
        place.style.outline = 'none';
        place.addEventListener('blur', function () { place.style.outline = outline; },
            {once: true});
    }
    place.focus({preventScroll: true});
    return document.activeElement === place;
})(%1[0]))");
    // The anchor as a string literal of the script, whatever characters it holds.
    const QByteArray literal = QJsonDocument(QJsonArray{anchor}).toJson(QJsonDocument::Compact);
    return script.arg(QString::fromUtf8(literal));
}

} // namespace

ReadingPosition::ReadingPosition(QWebEngineView* view) {
    // In a script world of its own, so that the page's scripts cannot change what focusing does.
    QObject::connect(view, &QWebEngineView::loadFinished, view, [view, pending = anchor_](bool ok) {
        const QString anchor = std::exchange(*pending, QString());
        if (ok && !anchor.isEmpty()) {
            view->page()->runJavaScript(focusAnchorScript(anchor),
                                        QWebEngineScript::ApplicationWorld);
        }
    });
}

void ReadingPosition::loading(const QUrl& url) {
    *anchor_ = url.fragment(QUrl::FullyDecoded);
}

} // namespace browser
