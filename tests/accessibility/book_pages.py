"""What a book's pages say, read from their HTML: the entries of its table of contents and, for
an anchor, the heading a reader lands on and the paragraphs after it. Shared by the tests that
check what a screen reader is told."""

import html.parser
import re


class Blocks(html.parser.HTMLParser):
    """The page's blocks in order: (tag, text, anchors named within or just before it)."""

    BLOCKS = {"h1", "h2", "h3", "h4", "h5", "h6", "p", "li", "pre", "td", "th", "dt", "dd"}

    def __init__(self):
        super().__init__(convert_charrefs=True)
        self.blocks = []
        self.open = None
        self.pending = []

    def handle_starttag(self, tag, attrs):
        attrs = dict(attrs)
        for key in ("id", "name"):
            if attrs.get(key):
                self.pending.append(attrs[key])
        if tag in self.BLOCKS:
            self.open = [tag, "", self.pending]
            self.pending = []

    def handle_endtag(self, tag):
        if self.open and tag == self.open[0]:
            self.blocks.append((self.open[0], " ".join(self.open[1].split()), self.open[2]))
            self.open = None

    def handle_data(self, data):
        if self.open:
            self.open[1] += data


def entries(contents):
    """(chapter number, chapter title, anchor, article title) of every article of a table of
    contents given as text, in the book's order."""
    lines = contents.splitlines()
    found, chapter, title, i = [], None, None, 0
    while i < len(lines):
        if lines[i] == "[vkladka]":
            chapter, title = lines[i + 1].strip(), lines[i + 2].strip()
            i += 3
        elif lines[i] == "[pro]":
            found.append((chapter, title, lines[i + 1].strip().lstrip("#"), lines[i + 2].strip()))
            i += 3
        else:
            i += 1
    return found


def list_rows(contents):
    """The list row of each article, in the same order as entries(): a chapter's row, then its
    articles, and a blank row before every chapter but the first."""
    rows, row, chapters = [], -1, 0
    for line_index, line in enumerate(contents.splitlines()):
        if line == "[vkladka]":
            row += 2 if chapters else 1
            chapters += 1
        elif line == "[pro]":
            row += 1
            rows.append(row)
    return rows


def article_text(page, anchor):
    """The heading the anchor lands on and the first two paragraphs after it."""
    parser = Blocks()
    parser.feed(page)
    blocks = parser.blocks
    for index, (tag, text, anchors) in enumerate(blocks):
        if anchor in anchors or (tag[0] == "h" and index > 0 and anchor in blocks[index - 1][2]
                                 and not blocks[index - 1][1]):
            heading = next(b for b in blocks[index:] if b[0][0] == "h")
            start = blocks.index(heading)
            paragraphs = [b[1] for b in blocks[start + 1:] if b[0] == "p" and b[1]][:2]
            return heading[1], paragraphs
    return None, []


def letters(text):
    """Words as compared: letters and digits only, lower case, so that typography and the
    way a synthesiser is handed punctuation do not matter."""
    return re.sub(r"[^\w]+", "", text.lower().replace("ё", "е"))
