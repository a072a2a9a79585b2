#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Packs square PNG pictures into one Windows icon file, each kept as PNG (Windows Vista and
later, and Wine, read those): make-ico.py OUT.ico IN.png..."""
import struct
import sys


def png_size(data: bytes) -> int:
    if data[:8] != b"\x89PNG\r\n\x1a\n" or data[12:16] != b"IHDR":
        raise SystemExit("not a PNG picture")
    width, height = struct.unpack(">II", data[16:24])
    if width != height or width > 256:
        raise SystemExit(f"an icon is square and at most 256 pixels wide, not {width}x{height}")
    return width


def main() -> None:
    out, pictures = sys.argv[1], [open(name, "rb").read() for name in sys.argv[2:]]
    pictures.sort(key=png_size)
    directory = struct.pack("<HHH", 0, 1, len(pictures))  # reserved, type 1 = icon, count
    offset = len(directory) + 16 * len(pictures)
    entries, images = b"", b""
    for data in pictures:
        side = png_size(data) % 256  # 0 stands for 256
        # width, height, palette size, reserved, colour planes, bits per pixel, bytes, offset
        entries += struct.pack("<BBBBHHII", side, side, 0, 0, 1, 32, len(data), offset + len(images))
        images += data
    with open(out, "wb") as ico:
        ico.write(directory + entries + images)


if __name__ == "__main__":
    main()
