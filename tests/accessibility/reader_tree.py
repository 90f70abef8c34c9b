"""The running reader as a screen reader meets it, read and worked over AT-SPI.

Usage: reader_tree.py READER_DIR OPENED_FILE
Starts READER_DIR/varnel (accessibility on, a private D-Bus session and an X display set up
by the caller; an xdg-open stand-in appending each address it is given to OPENED_FILE),
then checks, in order, each expectation of the table at the end. Exit status 1 when any
failed. Run with Debian's /usr/bin/python3, the one pyatspi is for.

The maker's site is played by a local stand-in: the reader's web requests go through a
proxy of this script, which answers every address with STANDIN_PAGE.
"""

import http.server
import os
import re
import signal
import subprocess
import sys
import threading
import time

import pyatspi
from gi.repository import GLib

import book_pages

READER_DIR, OPENED_FILE = sys.argv[1], sys.argv[2]
WORKING_PAGE = os.path.join(READER_DIR, "data", "vaxilog.htm")
PRESS = "Press"

MAKER_SITE = "http://www.varnel.example"
LINK_NAMES = [
    "Сайт разработчиков!",
    "здесь!",
    re.compile(r"Мы являемся официальными партнерами сайта \S+ - ПЕРВГО по рейтингу "
               r"интернет-магазином в рунете!"),
    re.compile(r"\S+\.\S+"),  # the banner: the shop's name
    "АУДИО: mp3, cd, md плееры",
    "диктофоны",
    "ФОТО: цифровые фотокамеры",
    "фотопринтеры",
    "ВИДЕО: камеры",
    "DVD-плееры",
    "ЖК-мониторы",
    "ЖК-телевизоры",
    "проекторы, плазма",
    "НОУТБУКИ",
    "ПЕРЕВОДЧИКИ",
    "Наладонники",
    "детектор лжи",
    "радиотелефоны",
    "АКСЕССУАРЫ",
    "Веб-Мастерам",
    re.compile(r"Скидки на все виды товаров на \S+ - 20%, если вы введете при покупке "
               r"ключевое слово -"),
]
DEVELOPERS_LINK = "Сайт разработчиков!"
ARTICLE = "Сортировка вставками"  # an article of chapter 1
SECOND_ARTICLE = "Сортировка слиянием"  # another of chapter 1, further down its page
# Entries opened one right after another, in this order.
QUICK_ARTICLES = ["Сортировка выбором", "Быстрая сортировка", "Сортировка подсчётом"]
NEXT_LINK = "К началу главы"  # the first link after SECOND_ARTICLE's heading
BACK_BUTTON = "В оглавление"
UPDATE_BUTTON = "Обновление"
STANDIN_HEADING = "Stand-in of the maker's site"
STANDIN_PAGE = ("<html><head><title>Stand-in</title></head><body><h1>%s</h1>"
                "<p><a href='http://www.varnel.example/'>Home</a></p></body></html>"
                % STANDIN_HEADING).encode("utf-8")


class Failure(Exception):
    pass


def pump_events():
    context = GLib.MainContext.default()
    while context.iteration(False):
        pass


def wait_for(what, condition, seconds=20.0):
    deadline = time.monotonic() + seconds
    while True:
        pump_events()
        result = condition()
        if result:
            return result
        if time.monotonic() > deadline:
            raise Failure("timed out waiting for " + what)
        time.sleep(0.2)


class FocusEvents:
    """Where the screen reader's position went: focus and caret events, in order."""

    KINDS = ("object:state-changed:focused", "object:text-caret-moved")

    def __init__(self):
        self.seen = []
        pyatspi.Registry.registerEventListener(self.note, *self.KINDS)

    def note(self, event):
        if event.type.startswith("object:state-changed:focused") and not event.detail1:
            return  # focus leaving
        self.seen.append(event.source)

    def mark(self):
        pump_events()
        return len(self.seen)

    def since(self, mark):
        return self.seen[mark:]


class StandInSite(http.server.BaseHTTPRequestHandler):
    """A proxy that answers every page it is asked for with STANDIN_PAGE."""

    def do_GET(self):
        self.send_response(200)
        self.send_header("Content-Type", "text/html; charset=utf-8")
        self.send_header("Content-Length", str(len(STANDIN_PAGE)))
        self.end_headers()
        self.wfile.write(STANDIN_PAGE)

    def log_message(self, *args):
        pass


def start_stand_in_site():
    server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), StandInSite)
    threading.Thread(target=server.serve_forever, daemon=True).start()
    return "http://127.0.0.1:%d" % server.server_address[1]


def fresh(node):
    node.clear_cache()
    return node


def children(node):
    fresh(node)
    return [node.getChildAtIndex(i) for i in range(node.childCount)]


def walk(node, into_pages=False):
    """Every object below `node`, without the web page's own document unless asked."""
    for child in children(node):
        if child is None:
            continue
        yield child
        if into_pages or child.getRoleName() != "document frame":
            yield from walk(child, into_pages)


def no_signal_blocked():
    """Run in a child before it starts its program: the child starts with no signal blocked,
    whatever the test's own threads block while it is made."""
    signal.pthread_sigmask(signal.SIG_SETMASK, [])


def describe(node):
    return "%s %r" % (node.getRoleName(), node.name)


def actions(node):
    try:
        action = node.queryAction()
    except NotImplementedError:
        return []
    return [action.getName(i) for i in range(action.nActions)]


def press(node):
    names = actions(node)
    if PRESS not in names:
        raise Failure("%s has no %s action, only %s" % (describe(node), PRESS, names))
    node.queryAction().doAction(names.index(PRESS))


def has_state(node, state):
    return fresh(node).getState().contains(state)


def text_of(node):
    """What a screen reader reads of `node`: its Text where it offers one, else its name."""
    try:
        text = node.queryText()
    except NotImplementedError:
        return node.name
    return text.getText(0, -1)


def caret_line(node):
    """The line of `node`'s text where its caret is, without the line break."""
    try:
        text = node.queryText()
    except NotImplementedError:
        return None
    line = text.getTextAtOffset(text.caretOffset, pyatspi.TEXT_BOUNDARY_LINE_START)[0]
    return line.rstrip("\n")


def is_heading(node, title):
    """The page read at `title`: the page's document with its caret on that line."""
    return node.getRoleName() == "document frame" and caret_line(node) == title


def matches(expected, name):
    return expected.fullmatch(name) if isinstance(expected, re.Pattern) else expected == name


def opened_addresses():
    if not os.path.exists(OPENED_FILE):
        return []
    with open(OPENED_FILE, encoding="utf-8") as file:
        return file.read().splitlines()


def descrambled(path):
    with open(path, "rb") as file:
        stored = file.read()
    end = stored.find(b"\x1a")
    return bytes(byte ^ 0xA6 for byte in (stored if end < 0 else stored[:end]))


def working_page():
    with open(WORKING_PAGE, "rb") as file:
        return file.read()


class Reader:
    def __init__(self, site_proxy):
        self.log = open(os.path.join(os.path.dirname(READER_DIR), "reader.log"), "wb")
        self.events = FocusEvents()
        environment = dict(os.environ)
        # The reader itself must expose its pages; nothing in the environment does it here.
        environment.pop("QTWEBENGINE_ENABLE_LINUX_ACCESSIBILITY", None)
        environment["QTWEBENGINE_CHROMIUM_FLAGS"] = (
            environment.get("QTWEBENGINE_CHROMIUM_FLAGS", "") +
            " --proxy-server=" + site_proxy).strip()
        self.environment = environment
        self.process = subprocess.Popen([os.path.join(READER_DIR, "varnel")], env=environment,
                                        stdout=self.log, stderr=subprocess.STDOUT,
                                        preexec_fn=no_signal_blocked)
        self.opened_at = None

    def wait_until_ready(self):
        self.app = wait_for("the reader on the accessibility bus", self.find_app, 60)
        wait_for("the contents list", lambda: self.list_items(), 30)

    def find_app(self):
        for app in children(pyatspi.Registry.getDesktop(0)):
            if app is not None and app.get_process_id() == self.process.pid:
                return app
        return None

    def top_level(self):
        return children(self.app)

    def window(self):
        return self.top_level()[0]

    def find(self, role, name=None):
        return [node for node in walk(self.window())
                if node.getRoleName() == role and (name is None or matches(name, node.name))]

    def one(self, role, name):
        found = self.find(role, name)
        if len(found) != 1:
            raise Failure("%d objects are a %s named %r" % (len(found), role, name))
        return found[0]

    def list_items(self):
        lists = self.find("list")
        return [item for item in children(lists[0])] if lists else []

    def page(self):
        """The page shown, as one document."""
        documents = self.find("document frame")
        if len(documents) != 1:
            raise Failure("%d page documents in the window" % len(documents))
        return documents[0]

    def page_heading(self, title):
        """The page, once its text has a line `title`."""
        try:
            page = self.page()
            lines = text_of(page).split("\n")
        except (Failure, GLib.GError):
            return None  # no page yet, or one that went as the next came
        return page if title in lines else None

    def open_entry(self, title):
        items = [item for item in self.list_items() if item.name.strip() == title]
        if len(items) != 1:
            raise Failure("%d entries named %r" % (len(items), title))
        self.opened_at = self.events.mark()
        press(items[0])


# The expectations, in the order they are checked; each raises Failure or returns.

def one_window_named_varnel(reader):
    tops = [describe(node) for node in reader.top_level()]
    if tops != ["frame 'Varnel'"]:
        raise Failure("the application's top-level objects are %s" % tops)


def no_decoration(reader):
    empty = [describe(node) for node in walk(reader.window())
             if node.getRoleName() == "filler" and not node.name and node.childCount == 0]
    if empty:
        raise Failure("%d unnamed, childless fillers: %s" % (len(empty), empty[:3]))


def caption_buttons_pressable(reader):
    for name in ("Закрыть", "Свернуть"):
        button = reader.one("push button", name)
        if PRESS not in actions(button):
            raise Failure("%s has no %s action" % (describe(button), PRESS))


def every_link_named_and_pressable(reader):
    links = reader.find("link")
    unexpected = [describe(link) for link in links
                  if not any(matches(name, link.name) for name in LINK_NAMES)]
    missing = [str(name) for name in LINK_NAMES if not any(matches(name, l.name) for l in links)]
    if unexpected or missing:
        raise Failure("links not expected: %s; links missing: %s" % (unexpected, missing))
    broken = [describe(node) for node in walk(reader.window())
              if "\r" in node.name or "\n" in node.name]
    if broken:
        raise Failure("names with line breaks: %s" % broken)
    for link in links:
        before = len(opened_addresses())
        press(link)
        wait_for("an address from " + describe(link), lambda: len(opened_addresses()) > before)


def developers_link_opens_the_site(reader):
    before = len(opened_addresses())
    press(reader.one("link", DEVELOPERS_LINK))
    wait_for("the developers' site", lambda: opened_addresses()[before:] == [MAKER_SITE])


def started_programs_get_the_readers_start_state(reader):
    """The desktop's browser gets the environment the reader was started with (none of the
    engine's switches) and the signal state a program started alike has (none ignored or
    blocked by the reader)."""
    with open(OPENED_FILE + ".env", "rb") as file:
        entries = [entry.decode("utf-8", "replace") for entry in file.read().split(b"\0") if entry]
    seen = dict(entry.split("=", 1) for entry in entries)
    if "PWD" not in reader.environment:
        seen.pop("PWD", None)  # the stand-in's shell adds it
    added = sorted(set(seen) - set(reader.environment))
    changed = sorted(name for name in seen
                     if name in reader.environment and seen[name] != reader.environment[name])
    missing = sorted(set(reader.environment) - set(seen))
    if added or changed or missing:
        raise Failure("xdg-open's environment differs from the reader's at start: added %s, "
                      "changed %s, missing %s" % (added, changed, missing))
    with open(OPENED_FILE + ".signals", encoding="ascii") as file:
        signals = file.read()
    alike = subprocess.run(["/bin/sh", "-c", "grep '^Sig\\(Blk\\|Ign\\)' /proc/$$/status"],
                           env=reader.environment, capture_output=True, text=True,
                           check=True, preexec_fn=no_signal_blocked).stdout
    if signals != alike:
        raise Failure("xdg-open's signal state %r differs from a program started alike: %r"
                      % (signals, alike))


def separator_opens_nothing(reader):
    page = working_page()
    separators = [item for item in reader.list_items() if not item.name.strip()]
    if not separators:
        raise Failure("the list has no separator")
    press(separators[0])
    time.sleep(1.5)
    if working_page() != page:
        raise Failure("a separator's action rewrote the working page")
    if not has_state(reader.find("list")[0], pyatspi.STATE_SHOWING):
        raise Failure("a separator's action hid the list")
    one_window_named_varnel(reader)  # and no error box


def article_opens_its_chapter(reader):
    items = [item for item in reader.list_items() if item.name.strip() == ARTICLE]
    if len(items) != 1 or not all(PRESS in actions(item) for item in reader.list_items()):
        raise Failure("not every entry has a %s action, or no %r" % (PRESS, ARTICLE))
    reader.open_entry(ARTICLE)
    chapter = descrambled(os.path.join(READER_DIR, "data", "1.nvb"))
    wait_for("chapter 1 in the working page", lambda: chapter in working_page())
    wait_for("the list to give way to the page",
             lambda: not has_state(reader.find("list")[0], pyatspi.STATE_SHOWING))
    one_window_named_varnel(reader)  # the page's engine adds no window of its own


def article_text_in_the_page(reader):
    wait_for("a heading %r in the page" % ARTICLE,
             lambda: reader.page_heading(ARTICLE))


def reading_starts_at_the_heading(reader, title=ARTICLE):
    def heading_reached():
        return any(is_heading(source, title) for source in reader.events.since(reader.opened_at)
                   if source is not None)
    try:
        wait_for("the focus or the caret on the heading %r" % title, heading_reached)
    except Failure:
        reached = [describe(source) for source in reader.events.since(reader.opened_at)
                   if source is not None]
        raise Failure("the focus or the caret went only to %s, not to the heading %r"
                      % (reached, title))


def page_links_have_an_action(reader):
    links = [node for node in children(reader.page()) if node.getRoleName() == "link"]
    if not links:
        raise Failure("the page shows no links")
    without = [describe(link) for link in links if PRESS not in actions(link)]
    if without:
        raise Failure("%d of %d links have no %s action: %s"
                      % (len(without), len(links), PRESS, without[:3]))
    # And the action follows the link, which takes the focus as a click does.
    mark = reader.events.mark()
    press(links[0])
    wait_for("the focus on %s after its action" % describe(links[0]),
             lambda: any(source is not None and source.getRoleName() == "link" and
                         source.name == links[0].name for source in reader.events.since(mark)))


def another_article_of_the_chapter(reader):
    press(reader.one("push button", BACK_BUTTON))
    wait_for("the list again", lambda: has_state(reader.find("list")[0], pyatspi.STATE_SHOWING))
    reader.open_entry(SECOND_ARTICLE)
    wait_for("the list to give way to the page",
             lambda: not has_state(reader.find("list")[0], pyatspi.STATE_SHOWING))
    reading_starts_at_the_heading(reader, SECOND_ARTICLE)


def quick_openings_keep_their_own_anchor(reader):
    """Entries opened faster than their pages load: each load keeps its own anchor, so the
    last one read starts at its own heading, whatever loads finished before it."""
    for title in QUICK_ARTICLES:
        reader.open_entry(title)
    last = QUICK_ARTICLES[-1]
    wait_for("the page read from %r" % last,
             lambda: any(source is not None and is_heading(source, last)
                         for source in reader.events.since(reader.opened_at)))
    wait_for("the page staying at %r" % last,
             lambda: caret_line(reader.page()) == last)


def every_article_lands_at_its_heading(reader):
    """Every article of the book, opened from the list, is read from its own heading."""
    contents = descrambled(os.path.join(READER_DIR, "data.nvb")).decode("cp1251")
    items = reader.list_items()
    missed = []
    for (chapter, _, anchor, title), row in zip(book_pages.entries(contents),
                                                 book_pages.list_rows(contents)):
        page = descrambled(os.path.join(READER_DIR, "data", chapter + ".nvb")).decode("cp1251")
        heading, _ = book_pages.article_text(page, anchor)
        if heading is None:
            missed.append("%s: no heading at #%s in chapter %s" % (title, anchor, chapter))
            continue
        mark = reader.events.mark()
        press(items[row])
        wanted = book_pages.letters(heading)
        try:
            wait_for("%r read from its heading" % title, lambda: any(
                source is not None and source.getRoleName() == "document frame" and
                book_pages.letters(caret_line(source) or "") == wanted
                for source in reader.events.since(mark)), 15)
        except Failure:
            missed.append("%s: not read from %r" % (title, heading))
    if missed:
        raise Failure("%d of %d articles: %s"
                      % (len(missed), len(book_pages.entries(contents)), "; ".join(missed[:5])))


def tab_goes_on_to_the_links_after_the_heading(reader):
    mark = reader.events.mark()
    subprocess.run(["xdotool", "key", "Tab"], check=True)
    def link_reached():
        return [source for source in reader.events.since(mark)
                if source is not None and source.getRoleName() == "link"]
    reached = wait_for("the focus on a link of the page after Tab", link_reached)
    if reached[0].name != NEXT_LINK:
        raise Failure("Tab went to %s, not to %r after the heading"
                      % (describe(reached[0]), NEXT_LINK))


def update_page_in_the_tree(reader):
    press(reader.one("push button", UPDATE_BUTTON))
    wait_for("the update page's heading %r" % STANDIN_HEADING,
             lambda: reader.page_heading(STANDIN_HEADING))


def close_ends_the_program(reader):
    press(reader.one("push button", "Закрыть"))
    try:
        reader.process.wait(timeout=20)
    except subprocess.TimeoutExpired:
        raise Failure("the reader is still running")
    if os.path.exists(WORKING_PAGE):
        raise Failure("the working page was left behind")


CHECKS = [
    one_window_named_varnel,
    no_decoration,
    caption_buttons_pressable,
    every_link_named_and_pressable,
    developers_link_opens_the_site,
    started_programs_get_the_readers_start_state,
    separator_opens_nothing,
    article_opens_its_chapter,
    # What the page says, and where reading starts in it.
    article_text_in_the_page,
    reading_starts_at_the_heading,
    page_links_have_an_action,
    another_article_of_the_chapter,
    quick_openings_keep_their_own_anchor,
    another_article_of_the_chapter,
    tab_goes_on_to_the_links_after_the_heading,
    update_page_in_the_tree,
    every_article_lands_at_its_heading,
    close_ends_the_program,
]


def main():
    failed = 0
    reader = Reader(start_stand_in_site())
    try:
        reader.wait_until_ready()
        for check in CHECKS:
            try:
                check(reader)
                print("ok      %s" % check.__name__)
            except Failure as failure:
                failed += 1
                print("FAILED  %s: %s" % (check.__name__, failure))
    except Failure as failure:
        print("FAILED to start: %s" % failure)
        return 1
    finally:
        if reader.process.poll() is None:
            reader.process.kill()
            reader.process.wait()
    print("%d passed, %d failed" % (len(CHECKS) - failed, failed))
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
