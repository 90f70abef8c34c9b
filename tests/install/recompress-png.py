"""Copies the PNGs of a folder with their pixel data compressed again at another level, as
another version of an encoder would write the same picture: other bytes, the same pixels.

Usage: recompress-png.py FROM TO
"""

import os
import shutil
import struct
import sys
import zlib

SIGNATURE = b"\x89PNG\r\n\x1a\n"


def chunks(data):
    offset = len(SIGNATURE)
    while offset < len(data):
        (length,) = struct.unpack(">I", data[offset : offset + 4])
        kind = data[offset + 4 : offset + 8]
        yield kind, data[offset + 8 : offset + 8 + length]
        offset += 12 + length


def chunk(kind, body):
    return struct.pack(">I", len(body)) + kind + body + struct.pack(">I", zlib.crc32(kind + body))


def recompress(data):
    assert data.startswith(SIGNATURE)
    pixels = b"".join(body for kind, body in chunks(data) if kind == b"IDAT")
    out, written = [SIGNATURE], False
    for kind, body in chunks(data):
        if kind == b"IDAT":
            if not written:
                out.append(chunk(b"IDAT", zlib.compress(zlib.decompress(pixels), 1)))
                written = True
        else:
            out.append(chunk(kind, body))
    return b"".join(out)


source, target = sys.argv[1:]
os.makedirs(target, exist_ok=True)
for name in os.listdir(source):
    path = os.path.join(source, name)
    if name.endswith(".png"):
        data = open(path, "rb").read()
        again = recompress(data)
        assert again != data, name
        with open(os.path.join(target, name), "wb") as out:
            out.write(again)
    else:
        shutil.copy(path, target)
