#include "ReadingPosition.h"

#include "AccessiblePage.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QKeyEvent>
#include <QUrl>
#include <QUrlQuery>
#include <QVariantMap>
#include <QWebEnginePage>
#include <QWebEngineScript>
#include <QWebEngineView>

namespace browser {

namespace {

// The place an anchor names, as the view finds it to scroll there: the element of that id,
// else the named mark (without regard to case in a page without a doctype); a mark inside or
// around a heading, or an empty mark just before one, stands for the heading.
const QString kFindPlace = QStringLiteral(R"(function findPlace(anchor) {
    var headings = 'h1, h2, h3, h4, h5, h6';
    var target = anchor ? document.getElementById(anchor) : null;
    if (anchor && !target) {
        var quirks = document.compatMode === 'BackCompat';
        var marks = document.querySelectorAll('a[name]');
        for (var i = 0; i < marks.length && !target; i++) {
            var name = marks[i].getAttribute('name');
            if (name === anchor || (quirks && name.toLowerCase() === anchor.toLowerCase()))
                target = marks[i];
        }
    }
    if (!target)
        return null;
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
    return place || target;
}
function shownLinks() {
    return Array.prototype.filter.call(document.links, function (link) {
        return link.getClientRects().length > 0;
    });
})");

// Focuses without scrolling; an element that could not take the focus is made focusable by
// script only, and without a focus ring: the page looks as it did before.
const QString kFocusPlace = QStringLiteral(R"((function (anchor) {
    var place = findPlace(anchor);
    if (!place)
        return false;
    if (place.tabIndex < 0 && !place.hasAttribute('tabindex')) {
        place.setAttribute('tabindex', '-1');
        var outline = place.style.outline;
        place.style.outline = 'none';
        place.addEventListener('blur', function () { place.style.outline = outline; },
            {once: true});
    }
    place.focus({preventScroll: true});
    return document.activeElement === place;
})(%1[0]))");

// The page's text as it is rendered (what is hidden is left out, a picture stands as its
// description), one line per block, with where the reading place and each link start.
// Marks are put into the page to find those offsets and taken out again before anything is
// drawn, so the page never shows them.
const QString kReadText = QStringLiteral(R"((function (anchor) {
    var result = {title: document.title, text: '', start: 0, links: []};
    var body = document.body;
    if (!body)
        return result;
    var place = findPlace(anchor);
    var links = shownLinks();
    var added = [];
    function mark(element, number) {
        var node = document.createTextNode('\uE000' + number + '\uE001');
        element.insertBefore(node, element.firstChild);
        added.push(node);
    }
    var raw;
    try {
        if (place)
            mark(place, 0);
        links.forEach(function (link, index) { mark(link, index + 1); });
        Array.prototype.forEach.call(document.images, function (picture) {
            var description = (picture.getAttribute('alt') || '').trim();
            if (description && picture.getClientRects().length > 0 && picture.parentNode) {
                var node = document.createTextNode(' ' + description + ' ');
                picture.parentNode.insertBefore(node, picture);
                added.push(node);
            }
        });
        raw = body.innerText;
    } finally {
        added.forEach(function (node) { node.remove(); });
    }
    var starts = {};
    var lines = raw.replace(/\t/g, ' ').split('\n');
    var text = '';
    for (var i = 0; i < lines.length; i++) {
        var line = '';
        var pattern = /\uE000(\d+)\uE001/g;
        var last = 0, found;
        while ((found = pattern.exec(lines[i])) !== null) {
            line += lines[i].substring(last, found.index);
            last = pattern.lastIndex;
            starts[found[1]] = {line: text.length, column: line.replace(/^\s+/, '').length};
        }
        line += lines[i].substring(last);
        var trimmed = line.replace(/^\s+/, '').replace(/\s+$/, '');
        if (trimmed)
            text += trimmed + '\n';
    }
    function offset(number) {
        var at = starts[number];
        return at ? Math.min(at.line + at.column, Math.max(text.length - 1, 0)) : -1;
    }
    result.text = text;
    result.start = Math.max(offset(0), 0);
    links.forEach(function (link, index) {
        var name = (link.innerText || link.getAttribute('title') || link.href || '').trim();
        result.links.push({name: name.replace(/\s+/g, ' '), start: offset(index + 1)});
    });
    return result;
})(%1[0]))");

const QString kFollowLink = QStringLiteral(R"((function (index) {
    var link = shownLinks()[index];
    if (link) {
        link.focus({preventScroll: false});
        link.click();
    }
})(%1))");

const QString kFocusedLink = QStringLiteral(R"((function () {
    var link = document.activeElement;
    var index = shownLinks().indexOf(link);
    var name = index < 0 ? '' : (link.innerText || link.getAttribute('title') || link.href || '');
    return {index: index, name: name.trim().replace(/\s+/g, ' ')};
})())");

QString withArgument(const QString& script, const QString& argument) {
    // The anchor as a string literal of the script, whatever characters it holds.
    const QByteArray literal = QJsonDocument(QJsonArray{argument}).toJson(QJsonDocument::Compact);
    return kFindPlace + QLatin1Char('\n') + script.arg(QString::fromUtf8(literal));
}

// The page's text is at most this long for a screen reader; a longer page is cut.
constexpr int kLongestText = 4 * 1024 * 1024;

PageText pageTextFrom(const QVariant& value) {
    const QVariantMap map = value.toMap();
    PageText page;
    page.title = map.value(QStringLiteral("title")).toString();
    page.text = map.value(QStringLiteral("text")).toString().left(kLongestText);
    page.readingStart = map.value(QStringLiteral("start")).toInt();
    const QVariantList links = map.value(QStringLiteral("links")).toList();
    for (const QVariant& link : links) {
        const QVariantMap fields = link.toMap();
        page.links.append({fields.value(QStringLiteral("name")).toString(),
                           fields.value(QStringLiteral("start")).toInt()});
    }
    return page;
}

QString loadNumberOf(const QUrl& url) {
    return QUrlQuery(url).queryItemValue(QStringLiteral("load"));
}

} // namespace

ReadingPosition::ReadingPosition(QWebEngineView* view) : view_(view) {
    // The engine's own object for the view names a child that the reader keeps off.
    if (QAccessibleInterface* engines = QAccessible::queryAccessibleInterface(view)) {
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(engines));
    }
    QAccessible::registerAccessibleInterface(new AccessibleView(view));
    QObject::connect(view, &QWebEngineView::loadFinished, this, &ReadingPosition::loaded);
    QAccessible::installActivationObserver(this);
}

ReadingPosition::~ReadingPosition() {
    QAccessible::removeActivationObserver(this);
}

void ReadingPosition::loading(const QUrl& url) {
    anchors_.insert(loadNumberOf(url), url.fragment(QUrl::FullyDecoded));
}

void ReadingPosition::loaded(bool ok) {
    if (!view_) {
        return;
    }
    // The load that finished is the one the view shows now; loads asked for before it are
    // over as well.
    const QString number = loadNumberOf(view_->url());
    const QString anchor = anchors_.value(number);
    bool known = false;
    const qulonglong finished = number.toULongLong(&known);
    for (auto it = anchors_.begin(); it != anchors_.end();) {
        bool isNumber = false;
        const qulonglong other = it.key().toULongLong(&isNumber);
        it = (it.key() == number || (known && isNumber && other < finished)) ? anchors_.erase(it)
                                                                             : std::next(it);
    }
    if (!ok) {
        return;
    }
    shownAnchor_ = anchor;
    if (!anchor.isEmpty()) {
        focusPlace(anchor);
    }
    if (QAccessible::isActive()) {
        readPage(anchor);
    }
}

void ReadingPosition::focusPlace(const QString& anchor) {
    // In a script world of its own, so that the page's scripts cannot change what it does.
    view_->page()->runJavaScript(withArgument(kFocusPlace, anchor),
                                 QWebEngineScript::ApplicationWorld);
}

void ReadingPosition::readPage(const QString& anchor) {
    const quint64 reading = ++readings_;
    view_->page()->runJavaScript(
        withArgument(kReadText, anchor), QWebEngineScript::ApplicationWorld,
        [self = QPointer<ReadingPosition>(this), reading](const QVariant& value) {
            // A later page's text supersedes this one.
            if (self && self->readings_ == reading) {
                self->present(pageTextFrom(value));
            }
        });
}

AccessiblePage* ReadingPosition::shownPage() const {
    return shownPage_ ? dynamic_cast<AccessiblePage*>(QAccessible::accessibleInterface(shownPage_))
                      : nullptr;
}

void ReadingPosition::present(const PageText& text) {
    QWidget* surface = view_ ? view_->focusProxy() : nullptr;
    if (!surface) {
        return;
    }
    if (surface_ != surface) {
        if (surface_) {
            surface_->removeEventFilter(this);
        }
        surface_ = surface;
        surface->installEventFilter(this);
    }
    // A new object for every page, so that a screen reader announces it and drops what it
    // knew of the page before; the one before goes with everything it made.
    if (QAccessibleInterface* before = QAccessible::queryAccessibleInterface(surface)) {
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(before));
    }
    auto* page = new AccessiblePage(surface, text, [this](int index) { pressLink(index); });
    shownPage_ = QAccessible::registerAccessibleInterface(page);
    // The window's focus is in the page, also while another window is active. A page from
    // another renderer comes in a widget of its own, which the focus given to the view
    // before the load has not reached.
    QWidget* focused = surface->window()->focusWidget();
    if (!focused || focused == view_ || view_->isAncestorOf(focused)) {
        if (focused != surface) {
            surface->setFocus(Qt::OtherFocusReason);
        }
        QAccessibleEvent focus(page, QAccessible::Focus);
        QAccessible::updateAccessibility(&focus);
    }
}

void ReadingPosition::accessibilityActiveChanged(bool active) {
    // A screen reader started while a page is shown finds that page's text too.
    if (active && view_ && !view_->url().isEmpty()) {
        readPage(shownAnchor_);
    }
}

bool ReadingPosition::eventFilter(QObject* watched, QEvent* event) {
    if (watched == surface_ && QAccessible::isActive()) {
        if (event->type() == QEvent::KeyPress) {
            const auto* key = static_cast<QKeyEvent*>(event);
            if (key->modifiers() == Qt::NoModifier || key->modifiers() == Qt::KeypadModifier) {
                if (AccessiblePage* page = shownPage()) {
                    if (key->key() == Qt::Key_Down) {
                        page->moveCaretByLines(1);
                    } else if (key->key() == Qt::Key_Up) {
                        page->moveCaretByLines(-1);
                    }
                }
            }
        } else if (event->type() == QEvent::KeyRelease) {
            const auto* key = static_cast<QKeyEvent*>(event);
            if (key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab) {
                followFocusInPage();
            }
        }
    }
    return QObject::eventFilter(watched, event);
}

void ReadingPosition::followFocusInPage() {
    view_->page()->runJavaScript(
        kFindPlace + QLatin1Char('\n') + kFocusedLink, QWebEngineScript::ApplicationWorld,
        [self = QPointer<ReadingPosition>(this)](const QVariant& value) {
            // The page shown when the answer comes; a link of it only when it is the one the
            // answer names (a page that went in between has other links).
            AccessiblePage* page = self ? self->shownPage() : nullptr;
            if (!page) {
                return;
            }
            const QVariantMap answer = value.toMap();
            const int focused = answer.value(QStringLiteral("index")).toInt();
            const bool same = page->page().links.value(focused).name ==
                              answer.value(QStringLiteral("name")).toString();
            announceFocus(page, same ? focused : -1);
        });
}

void ReadingPosition::announceFocus(AccessiblePage* page, int link) {
    for (int index = 0; index < page->childCount(); ++index) {
        static_cast<AccessiblePageLink*>(page->link(index))->setFocused(index == link);
    }
    QAccessibleInterface* now = page->link(link);
    if (now) {
        page->placeCaret(page->page().links.value(link).start);
    }
    QAccessibleEvent focus(now ? now : page, QAccessible::Focus);
    QAccessible::updateAccessibility(&focus);
}

void ReadingPosition::pressLink(int index) {
    if (view_) {
        view_->page()->runJavaScript(kFindPlace + QLatin1Char('\n') + kFollowLink.arg(index),
                                     QWebEngineScript::ApplicationWorld);
        // The link followed is where the reader is now, as after a click on it.
        if (AccessiblePage* page = shownPage()) {
            announceFocus(page, index);
        }
    }
}

} // namespace browser
