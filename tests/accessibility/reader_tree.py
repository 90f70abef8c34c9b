"""The running reader as a screen reader meets it, read and worked over AT-SPI.

Usage: reader_tree.py READER_DIR OPENED_FILE
Starts READER_DIR/varnel (accessibility on, a private D-Bus session and an X display set up
by the caller; an xdg-open stand-in appending each address it is given to OPENED_FILE),
then checks, in order, each expectation of the table at the end. Exit status 1 when any
failed. Run with Debian's /usr/bin/python3, the one pyatspi is for.
"""

import os
import re
import subprocess
import sys
import time

import pyatspi

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


class Failure(Exception):
    pass


def wait_for(what, condition, seconds=20.0):
    deadline = time.monotonic() + seconds
    while True:
        result = condition()
        if result:
            return result
        if time.monotonic() > deadline:
            raise Failure("timed out waiting for " + what)
        time.sleep(0.2)


def fresh(node):
    node.clear_cache()
    return node


def children(node):
    fresh(node)
    return [node.getChildAtIndex(i) for i in range(node.childCount)]


def walk(node):
    """Every object below `node`, without the web page's own document."""
    for child in children(node):
        yield child
        if child.getRoleName() != "document web":
            yield from walk(child)


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
    def __init__(self):
        self.log = open(os.path.join(os.path.dirname(READER_DIR), "reader.log"), "wb")
        self.process = subprocess.Popen([os.path.join(READER_DIR, "varnel")],
                                        stdout=self.log, stderr=subprocess.STDOUT)

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
    press(items[0])
    chapter = descrambled(os.path.join(READER_DIR, "data", "1.nvb"))
    wait_for("chapter 1 in the working page", lambda: chapter in working_page())
    wait_for("the list to give way to the page",
             lambda: not has_state(reader.find("list")[0], pyatspi.STATE_SHOWING))
    one_window_named_varnel(reader)  # the page's engine adds no window of its own


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
    separator_opens_nothing,
    article_opens_its_chapter,
    close_ends_the_program,
]


def main():
    failed = 0
    reader = Reader()
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
