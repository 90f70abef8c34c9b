"""A blind reader's session with the real screen reader: Orca speaking into its log.

Usage: orca_reads.py WORK READER_DIR BOOK_SOURCES
Run inside a private D-Bus session with an X display set up by the caller (scripts/
test-screen-reader). Starts the AT-SPI bus, a sound server with a null sink, a window
manager and Orca, then the reader in READER_DIR, and works it by keyboard alone, as a blind
user would, checking what Orca says after each key. BOOK_SOURCES is the readable source
folder of the book the reader shows (contents.txt and N.htm): the expected words are read
from it. Exit status 1 when an expectation failed.
"""

import html
import json
import os
import re
import signal
import subprocess
import sys
import time

import book_pages

WORK, READER_DIR, BOOK_SOURCES = sys.argv[1], sys.argv[2], sys.argv[3]
ORCA_LOG = os.path.join(WORK, "orca.log")
WORKING_PAGE = os.path.join(READER_DIR, "data", "vaxilog.htm")
# How soon the first words after a key must come, in seconds.
LATENCY = float(os.environ.get("VARNEL_SPEECH_LATENCY", "1.0"))
# Key names Orca echoes as they are typed: not an answer to the key.
KEY_ECHO = re.compile(r"^((left|right) )?(tab|return|space|plus|escape|shift|enter)$")


class Failure(Exception):
    pass


def articles():
    """(chapter number, chapter title, anchor, article title) in the book's order."""
    with open(os.path.join(BOOK_SOURCES, "contents.txt"), encoding="utf-8") as contents:
        return book_pages.entries(contents.read())


def article_text(chapter, anchor):
    """The article's heading and its first two paragraphs, as the page has them."""
    with open(os.path.join(BOOK_SOURCES, chapter + ".htm"), encoding="utf-8") as page:
        heading, paragraphs = book_pages.article_text(page.read(), anchor)
    if heading is None:
        raise Failure("chapter %s has no anchor %s" % (chapter, anchor))
    return heading, paragraphs


letters = book_pages.letters


# What Orca says.

class Speech:
    """Orca's utterances, read from its debug log as it writes them."""

    SPOKEN = re.compile(r"(\d\d):(\d\d):(\d\d\.\d+) - SPEECH DISPATCHER: Speaking '(.*?)' \r?\n",
                        re.S)

    KEY = re.compile(r"vvvvv PROCESS ATSPI_KEY_PRESSED_EVENT: .*? vvvvv\r?\n"
                     r"(\d\d):(\d\d):(\d\d\.\d+) - ")

    def __init__(self, path):
        self.path = path
        self.heard = []
        self.keys = []

    def refresh(self):
        try:
            text = open(self.path, encoding="utf-8", errors="replace").read()
        except FileNotFoundError:
            return
        heard = []
        for h, m, s, ssml in self.SPOKEN.findall(text):
            words = html.unescape(re.sub(r"<[^>]*>", "", ssml))
            heard.append((int(h) * 3600 + int(m) * 60 + float(s), " ".join(words.split())))
        self.heard = heard
        self.keys = [int(h) * 3600 + int(m) * 60 + float(sec)
                     for h, m, sec in self.KEY.findall(text)]

    def key_received_after(self, moment):
        """When Orca got the first key pressed at or after MOMENT (seconds of the day)."""
        self.refresh()
        return next((when for when in self.keys if when >= moment - 0.05), moment)

    def wait_for_text(self, mark, what, text, seconds):
        """Waits until TEXT has been said since MARK, in one utterance or over several (reading
        all speaks a paragraph sentence by sentence)."""
        wanted = letters(text)
        deadline = time.monotonic() + seconds
        while True:
            said = "".join(letters(words) for _, words in self.since(mark))
            if wanted and wanted in said:
                return
            if time.monotonic() > deadline:
                raise Failure("Orca did not say %s within %d s; it said: %s"
                              % (what, seconds, [w for _, w in self.since(mark)][-12:]))
            time.sleep(0.1)

    def mark(self):
        self.refresh()
        return len(self.heard)

    def since(self, mark):
        self.refresh()
        return [(when, words) for when, words in self.heard[mark:]
                if not KEY_ECHO.match(words.lower())]

    def wait_for(self, mark, what, predicate, seconds):
        deadline = time.monotonic() + seconds
        while True:
            said = self.since(mark)
            for index, (when, words) in enumerate(said):
                if predicate(words):
                    return index, when
            if time.monotonic() > deadline:
                raise Failure("Orca did not say %s within %d s; it said: %s"
                              % (what, seconds, [w for _, w in said][-12:] or "nothing"))
            time.sleep(0.1)


def seconds_of_day(now=None):
    moment = time.localtime(now)
    return moment.tm_hour * 3600 + moment.tm_min * 60 + moment.tm_sec + (now or time.time()) % 1


# The session.

class Session:
    def __init__(self):
        self.processes = []
        self.speech = Speech(ORCA_LOG)
        self.latencies = []
        self.reader = None

    def start(self, args, log=None, **kwargs):
        output = open(os.path.join(WORK, log), "wb") if log else subprocess.DEVNULL
        process = subprocess.Popen(args, stdin=subprocess.DEVNULL, stdout=output,
                                   stderr=subprocess.STDOUT if log else subprocess.DEVNULL,
                                   start_new_session=True, **kwargs)
        self.processes.append(process)
        return process

    def start_screen_reader(self):
        # Orca's own settings, as a user would keep them, but speaking fast: reading all
        # speaks in real time.
        settings = os.path.join(os.environ["XDG_DATA_HOME"], "orca", "user-settings.conf")
        os.makedirs(os.path.dirname(settings), exist_ok=True)
        voice = {"rate": 90}
        with open(settings, "w") as out:
            json.dump({"general": {}, "pronunciations": {}, "keybindings": {},
                       "profiles": {"default": {
                           "profile": ["Default", "default"],
                           "voices": {"default": voice, "uppercase": dict(voice, **{
                               "average-pitch": 7.0}), "hyperlink": voice, "system": voice}}}},
                      out)
        self.start(["/usr/libexec/at-spi-bus-launcher", "--launch-immediately"])
        # Orca waits for the synthesiser, which waits for a sound server.
        self.start(["pulseaudio", "-n", "--daemonize=no", "--exit-idle-time=-1",
                    "-L", "module-null-sink", "-L", "module-native-protocol-unix"])
        self.start(["openbox"])
        time.sleep(1)
        # Orca's log is written line by line only to a terminal.
        self.start(["script", "-q", "-f", "-c", "orca --replace --debug-file=/dev/tty",
                    ORCA_LOG])
        self.speech.wait_for(0, "that it is on", lambda w: w == "Screen reader on.", 60)

    def start_reader(self):
        self.reader = self.start([os.path.join(READER_DIR, "varnel")], log="reader.log",
                                 env=dict(os.environ, QT_QPA_PLATFORM="xcb"))
        # The window manager gives a new window the focus, unless the window came before the
        # manager was ready: then it is activated as a user would, by clicking into it.
        deadline = time.monotonic() + 30
        window = ""
        while not window:
            if self.reader.poll() is not None or time.monotonic() > deadline:
                raise Failure("the reader showed no window")
            window = subprocess.run(["xdotool", "search", "--onlyvisible", "--pid",
                                     str(self.reader.pid)], capture_output=True,
                                    text=True).stdout.split("\n")[0].strip()
            time.sleep(0.1)
        subprocess.run(["xdotool", "windowactivate", window], capture_output=True)

    def key(self, name, what, predicate, seconds=15):
        """Presses key NAME and waits for Orca to say WHAT; notes how soon it spoke."""
        mark = self.speech.mark()
        pressed = seconds_of_day()
        subprocess.run(["xdotool", "key", name], check=True)
        index, when = self.speech.wait_for(mark, what, predicate, seconds)
        first = self.speech.since(mark)[0][0]
        # From the moment Orca had the key, as a user pressing it would hear it.
        received = self.speech.key_received_after(pressed)
        self.latencies.append((name, what, first - received))
        return mark

    def stop(self):
        for process in reversed(self.processes):
            if process.poll() is None:
                os.killpg(process.pid, signal.SIGTERM)
        for process in self.processes:
            try:
                process.wait(timeout=10)
            except subprocess.TimeoutExpired:
                os.killpg(process.pid, signal.SIGKILL)


def says(text):
    wanted = letters(text)
    return lambda words: wanted and wanted in letters(words)


def says_exactly(text):
    wanted = letters(text)
    return lambda words: letters(words) == wanted


def read_article(session, chapter, anchor, title):
    """Return opens the entry; Orca says its heading; the arrow keys read line by line and
    say-all reads the heading and the paragraphs after it."""
    heading, paragraphs = article_text(chapter, anchor)
    if len(paragraphs) < 2:
        raise Failure("%s#%s has fewer than two paragraphs to read" % (chapter, anchor))
    session.key("Return", "the heading %r" % heading, says(heading))
    session.key("Down", "the first paragraph", says(paragraphs[0][:60]))
    session.key("Up", "the heading again", says(heading))
    mark = session.key("KP_Add", "the heading, reading all", says(heading))
    # Say-all speaks in real time; a paragraph can take half a minute.
    for number, paragraph in enumerate(paragraphs, 1):
        session.speech.wait_for_text(mark, "paragraph %d while reading all" % number,
                                     paragraph[:80], 120)
    print("ok - %s read through: heading, line by line, two paragraphs read all" % title)


def resident_mb(pid):
    with open("/proc/%d/status" % pid) as status:
        for line in status:
            if line.startswith("VmRSS:"):
                return int(line.split()[1]) / 1024
    raise Failure("no VmRSS for %d" % pid)


def measure_memory(openings):
    """Opens OPENINGS articles one after another by keyboard, with Orca running, and prints
    the reader's resident memory after the first and after every tenth opening."""
    session = Session()
    try:
        session.start_screen_reader()
        mark = session.speech.mark()
        session.start_reader()
        session.speech.wait_for(mark, "the list's name", says_exactly("Оглавление"), 60)
        figures = []
        for opening in range(1, openings + 1):
            # On to the next entry, round the book again after the last one.
            mark = session.speech.mark()
            subprocess.run(["xdotool", "key", "Down"], check=True)
            try:
                session.speech.wait_for(mark, "the next entry", lambda w: True, 3)
            except Failure:
                subprocess.run(["xdotool", "key", "Home"], check=True)
            session.key("Return", "a page", says("document frame"), 30)
            if opening == 1 or opening % 10 == 0:
                time.sleep(1)
                figures.append((opening, resident_mb(session.reader.pid)))
                print("after %3d openings: %6.1f MB" % figures[-1], flush=True)
            session.key("Escape", "the list", lambda w: True, 15)
        growth = figures[-1][1] - figures[0][1]
        print("growth after the first opening: %.1f MB over %d openings" % (growth, openings))
        return growth
    finally:
        session.stop()


def main():
    if os.environ.get("VARNEL_OPENINGS"):
        growth = measure_memory(int(os.environ["VARNEL_OPENINGS"]))
        if growth > float(os.environ.get("VARNEL_GROWTH_LIMIT_MB", "20")):
            raise Failure("the reader grew by %.1f MB" % growth)
        return
    entries = articles()
    if not entries:
        raise Failure("the book lists no article")
    first = entries[0]
    other = next((e for e in entries if e[0] != first[0]), None)
    if other is None:
        raise Failure("the book needs articles in two chapters")

    session = Session()
    try:
        session.start_screen_reader()
        mark = session.speech.mark()
        session.start_reader()
        session.speech.wait_for(mark, "the list's name", says_exactly("Оглавление"), 60)
        session.speech.wait_for(mark, "the first entry, a chapter", says_exactly(first[1]), 30)
        session.speech.wait_for(mark, "that it is chapter 1", says_exactly("глава 1"), 30)
        print("ok - at start: the list, its first entry and that it is a chapter")

        session.key("Down", "the first article", says_exactly(first[3]))
        read_article(session, first[0], first[2], first[3])

        session.key("Escape", "the entry opened last", says_exactly(first[3]))
        print("ok - back in the list on the entry opened last")
        for _ in range(len(entries) * 3):
            mark = session.speech.mark()
            subprocess.run(["xdotool", "key", "Down"], check=True)
            try:
                session.speech.wait_for(mark, other[3], says_exactly(other[3]), 2)
                break
            except Failure:
                continue
        else:
            raise Failure("Down never reached %r" % other[3])
        read_article(session, other[0], other[2], other[3])

        session.key("Escape", "the list again", says_exactly(other[3]))
        for _ in range(15):
            mark = session.speech.mark()
            subprocess.run(["xdotool", "key", "shift+Tab"], check=True)
            try:
                session.speech.wait_for(mark, "Закрыть", says("Закрыть"), 3)
                break
            except Failure:
                continue
        else:
            raise Failure("Shift+Tab never reached the close button")
        subprocess.run(["xdotool", "key", "space"], check=True)
        try:
            status = session.reader.wait(timeout=15)
        except subprocess.TimeoutExpired:
            raise Failure("Space on the close button did not close the reader")
        if status != 0:
            raise Failure("the reader closed with status %d" % status)
        if os.path.exists(WORKING_PAGE):
            raise Failure("the working page was left behind")
        print("ok - Shift+Tab reaches \"Закрыть\", Space closes, the page is removed")

        slow = [(k, w, round(s, 2)) for k, w, s in session.latencies if s > LATENCY]
        print("first words after each key, s: %s"
              % ", ".join("%s %.2f" % (k, s) for k, _, s in session.latencies))
        if slow:
            raise Failure("Orca spoke later than %.1f s after: %s" % (LATENCY, slow))
    finally:
        session.stop()


if __name__ == "__main__":
    try:
        main()
    except Failure as failure:
        print("FAILED: %s" % failure)
        sys.exit(1)
