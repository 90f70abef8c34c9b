"""Waits until the reader's web view shows a given page at a given anchor with every picture
loaded, asking the engine over its remote debugging port (QTWEBENGINE_REMOTE_DEBUGGING).

Usage: shown_page.py PORT PAGE_PATH ANCHOR [SECONDS]
Exits 0 when it does, 1 (saying what the view shows instead) when it does not in time.
Standard library only: the one WebSocket request it needs is made by hand.
"""

import base64
import json
import os
import socket
import struct
import sys
import time
import urllib.parse
import urllib.request

# What the view shows: the page, the anchor's place in the window, the pictures.
STATE = """(() => {
  const anchor = decodeURIComponent(location.hash.slice(1));
  const target = document.getElementsByName(anchor)[0] || document.getElementById(anchor);
  const bottom = window.scrollY + window.innerHeight >= document.documentElement.scrollHeight - 2;
  return {
    href: location.href,
    ready: document.readyState,
    anchorTop: target ? target.getBoundingClientRect().top : null,
    atBottom: bottom,
    scrollY: window.scrollY,
    pictures: Array.from(document.images).map(i => ({src: i.src, loaded: i.complete && i.naturalWidth > 0})),
  };
})()"""


class DevToolsSocket:
    def __init__(self, address):
        parts = urllib.parse.urlsplit(address)
        self.sock = socket.create_connection((parts.hostname, parts.port), timeout=10)
        key = base64.b64encode(os.urandom(16)).decode()
        self.sock.sendall(
            (f"GET {parts.path} HTTP/1.1\r\nHost: {parts.netloc}\r\nUpgrade: websocket\r\n"
             f"Connection: Upgrade\r\nSec-WebSocket-Key: {key}\r\n"
             "Sec-WebSocket-Version: 13\r\n\r\n").encode())
        self.buffer = b""
        while b"\r\n\r\n" not in self.buffer:
            self._fill()
        head, self.buffer = self.buffer.split(b"\r\n\r\n", 1)
        if b" 101 " not in head.split(b"\r\n", 1)[0]:
            raise OSError("the engine refused the debugging connection: " + head.decode(errors="replace"))

    def _fill(self):
        chunk = self.sock.recv(65536)
        if not chunk:
            raise OSError("the engine closed the debugging connection")
        self.buffer += chunk

    def _take(self, count):
        while len(self.buffer) < count:
            self._fill()
        taken, self.buffer = self.buffer[:count], self.buffer[count:]
        return taken

    def send(self, text):
        data = text.encode()
        mask = os.urandom(4)
        if len(data) < 126:
            header = struct.pack("!BB", 0x81, 0x80 | len(data))
        elif len(data) < 65536:
            header = struct.pack("!BBH", 0x81, 0x80 | 126, len(data))
        else:
            header = struct.pack("!BBQ", 0x81, 0x80 | 127, len(data))
        self.sock.sendall(header + mask + bytes(b ^ mask[i % 4] for i, b in enumerate(data)))

    def receive(self):
        message = b""
        while True:
            first, second = self._take(2)
            length = second & 0x7F
            if length == 126:
                (length,) = struct.unpack("!H", self._take(2))
            elif length == 127:
                (length,) = struct.unpack("!Q", self._take(8))
            payload = self._take(length)
            opcode = first & 0x0F
            if opcode == 0x8:
                raise OSError("the engine closed the debugging connection")
            if opcode in (0x0, 0x1):
                message += payload
                if first & 0x80:
                    return message.decode()

    def close(self):
        self.sock.close()


def view_state(port):
    with urllib.request.urlopen(f"http://127.0.0.1:{port}/json/list", timeout=5) as reply:
        targets = json.load(reply)
    pages = [t for t in targets if t.get("type") == "page" and t.get("webSocketDebuggerUrl")]
    if len(pages) != 1:
        return {"error": f"{len(pages)} pages in the engine, expected the view's one"}
    connection = DevToolsSocket(pages[0]["webSocketDebuggerUrl"])
    try:
        connection.send(json.dumps({"id": 1, "method": "Runtime.evaluate",
                                    "params": {"expression": STATE, "returnByValue": True}}))
        while True:
            reply = json.loads(connection.receive())
            if reply.get("id") == 1:
                break
    finally:
        connection.close()
    result = reply.get("result", {}).get("result", {})
    if "value" not in result:
        return {"error": "the page's state could not be read: " + json.dumps(reply)[:300]}
    return result["value"]


def problem(state, page, anchor):
    if "error" in state:
        return state["error"]
    href = urllib.parse.urlsplit(state["href"])
    if href.scheme != "file" or urllib.parse.unquote(href.path) != page:
        return f"the view shows {state['href']}, not {page}"
    if urllib.parse.unquote(href.fragment) != anchor:
        return f"the view is at #{href.fragment}, not #{anchor}"
    if state["ready"] != "complete":
        return "the page is still loading"
    top = state["anchorTop"]
    if top is None:
        return f"the page has no anchor {anchor}"
    # The anchor is at the top of the view, or as near as a page that ends soon lets it be.
    if not (-2 <= top <= 2 or (state["atBottom"] and top > 0 and state["scrollY"] > 0)):
        return f"the anchor is {top} px from the top of the view"
    if not state["pictures"]:
        return "the page shows no pictures"
    missing = [p["src"] for p in state["pictures"] if not p["loaded"]]
    if missing:
        return "pictures not loaded: " + ", ".join(missing)
    return None


def main():
    if len(sys.argv) not in (4, 5):
        print(__doc__, file=sys.stderr)
        return 2
    port, page, anchor = sys.argv[1], sys.argv[2], sys.argv[3]
    deadline = time.monotonic() + (float(sys.argv[4]) if len(sys.argv) == 5 else 30)
    while True:
        try:
            state = view_state(port)
            why = problem(state, page, anchor)
        except (OSError, ValueError) as error:
            state, why = None, f"the engine does not answer: {error}"
        if why is None:
            pictures = ", ".join(os.path.basename(p["src"]) for p in state["pictures"])
            print(f"shown: {state['href']} (pictures loaded: {pictures})")
            return 0
        if time.monotonic() > deadline:
            print(f"the view does not show {page}#{anchor}: {why}", file=sys.stderr)
            return 1
        time.sleep(0.5)


if __name__ == "__main__":
    sys.exit(main())
