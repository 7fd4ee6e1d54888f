#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 The Orvane developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Writes the seeds of fuzz_tga: one small picture of every form the decoder reads.

Usage: fuzz/make-tga-seeds.py [folder]   (default: fuzz/corpus-tga beside this script)
"""
import os
import struct
import sys


def header(image_type, bits, width, height, descriptor=0x20, map_length=0, map_bits=0,
           map_first=0, image_id=b""):
    return struct.pack("<BBBHHBHHHHBB", len(image_id), 1 if map_length else 0, image_type,
                       map_first, map_length, map_bits, 0, 0, width, height, bits,
                       descriptor) + image_id


def footer(attributes=None, offset=0):
    """A version 2 footer, after an extension area when attributes is given."""
    area = b""
    if attributes is not None:
        area = struct.pack("<H", 495) + bytes(492) + bytes([attributes])
    extension = offset if attributes is not None else 0
    return area + struct.pack("<II", extension, 0) + b"TRUEVISION-XFILE.\0"


def bgr(*colours):
    return b"".join(bytes([b, g, r]) for r, g, b in colours)


def words(*values):
    return b"".join(struct.pack("<H", v) for v in values)


def seeds():
    red, green, blue, white = (255, 0, 0), (0, 255, 0), (0, 0, 255), (255, 255, 255)
    four = bgr(red, green, blue, white)
    yield "true24-bottom-up.tga", header(2, 24, 2, 2, 0x00) + four
    yield "true24-right-to-left.tga", header(2, 24, 2, 2, 0x30, image_id=b"seed") + four
    yield "true15.tga", header(2, 15, 2, 1) + words(0x7FFF, 0x4210)
    yield "true16-alpha-bit.tga", header(2, 16, 2, 1, 0x21) + words(0x801F, 0x03E0)
    yield "true32-alpha.tga", header(2, 32, 2, 1, 0x28) + bytes([16, 32, 48, 128, 255, 0, 0, 255])
    mapped = header(1, 8, 3, 1, map_length=2, map_bits=24, map_first=1) + bgr(red, blue)
    yield "mapped24.tga", mapped + bytes([1, 2, 1])
    yield "mapped16.tga", header(1, 8, 2, 1, map_length=2, map_bits=16) + words(0xFFFF, 0x001F) + bytes([0, 1])
    yield "mapped32.tga", header(1, 8, 2, 1, map_length=2, map_bits=32) + bytes(
        [0, 0, 255, 255, 0, 255, 0, 64]) + bytes([1, 0])
    yield "grey.tga", header(3, 8, 3, 1) + bytes([0, 128, 255])
    # Packets that cross row ends: a run of four, a raw packet of three, a run of two.
    rle = bytes([0x83]) + bgr(red) + bytes([0x02]) + bgr(green, white, blue) + bytes([0x81]) + bgr(blue)
    yield "rle-true24.tga", header(10, 24, 3, 3) + rle
    yield "rle-true16.tga", header(10, 16, 4, 1, 0x01) + bytes([0x82]) + words(0xFFFF) + bytes([0x00]) + words(0x7C00)
    yield "rle-mapped.tga", header(9, 8, 4, 2, map_length=2, map_bits=24) + bgr(red, green) + bytes([0x85, 1, 0x01, 0, 1])
    yield "rle-grey.tga", header(11, 8, 130, 1) + bytes([0xFF, 64, 0x81, 200])
    body = header(2, 32, 1, 1, 0x28) + bytes([0, 128, 0, 128])
    yield "footer-alpha.tga", body + footer(3, len(body))
    yield "footer-premultiplied.tga", body + footer(4, len(body))
    yield "footer-only.tga", body + footer()


def main():
    folder = sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(__file__), "corpus-tga")
    os.makedirs(folder, exist_ok=True)
    for name, data in seeds():
        with open(os.path.join(folder, name), "wb") as out:
            out.write(data)


if __name__ == "__main__":
    main()
