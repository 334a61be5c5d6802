#!/usr/bin/env python3
"""Compares an emulator frame with the matching part of the editor's stage picture.

Usage: compare_frame.py STAGE.png FRAME.gd PAGE PIXEL

STAGE.png is the editor's picture of a whole stage (--export-stage: 48 pages of 256 x
256 side by side); FRAME.gd the emulator's whole 256 x 240 screen in the gd format
(11-byte header, then alpha, red, green, blue for each pixel). The screen must equal
the picture's 256 x 240 pixels from x = PAGE * 256 + PIXEL on, pixel for pixel.
Prints the result; exits 0 when they are equal, 1 otherwise.
"""
import struct
import sys
import zlib


def read_png(path):
    """Width, height and rows of (r, g, b) tuples of an 8-bit RGB, RGBA or palette PNG."""
    data = open(path, "rb").read()
    if data[:8] != b"\x89PNG\r\n\x1a\n":
        raise ValueError(path + " is not a PNG file")
    pos, idat, palette = 8, b"", []
    while pos < len(data):
        length, kind = struct.unpack(">I4s", data[pos:pos + 8])
        body = data[pos + 8:pos + 8 + length]
        if kind == b"IHDR":
            width, height, depth, colour_type, _, _, interlace = struct.unpack(">IIBBBBB", body)
            if depth != 8 or interlace or colour_type not in (2, 3, 6):
                raise ValueError(path + ": only 8-bit RGB, RGBA and palette pictures are read")
        elif kind == b"PLTE":
            palette = [tuple(body[i:i + 3]) for i in range(0, len(body), 3)]
        elif kind == b"IDAT":
            idat += body
        pos += 12 + length
    step = {2: 3, 3: 1, 6: 4}[colour_type]
    raw = zlib.decompress(idat)
    stride = width * step
    rows, previous = [], bytearray(stride)
    for y in range(height):
        start = y * (stride + 1)
        kind, line = raw[start], bytearray(raw[start + 1:start + 1 + stride])
        for i in range(stride):
            left = line[i - step] if i >= step else 0
            up = previous[i]
            upper_left = previous[i - step] if i >= step else 0
            if kind == 1:
                line[i] = (line[i] + left) & 0xFF
            elif kind == 2:
                line[i] = (line[i] + up) & 0xFF
            elif kind == 3:
                line[i] = (line[i] + (left + up) // 2) & 0xFF
            elif kind == 4:
                p = left + up - upper_left
                pa, pb, pc = abs(p - left), abs(p - up), abs(p - upper_left)
                line[i] = (line[i] + (left if pa <= pb and pa <= pc else up if pb <= pc else upper_left)) & 0xFF
        if colour_type == 3:
            rows.append([palette[v] for v in line])
        else:
            rows.append([tuple(line[i:i + 3]) for i in range(0, stride, step)])
        previous = line
    return width, height, rows


def read_gd(path):
    data = open(path, "rb").read()
    width, height = struct.unpack(">HH", data[2:6])
    pixels = data[11:]
    return width, height, [[tuple(pixels[(y * width + x) * 4 + 1:(y * width + x) * 4 + 4]) for x in range(width)]
                           for y in range(height)]


def main():
    stage_png, frame_gd, page, pixel = sys.argv[1], sys.argv[2], int(sys.argv[3]), int(sys.argv[4])
    _, _, picture = read_png(stage_png)
    width, height, frame = read_gd(frame_gd)
    left = page * 256 + pixel
    wrong = [(x, y) for y in range(height) for x in range(width) if frame[y][x] != picture[y][left + x]]
    if wrong:
        x, y = wrong[0]
        print("%s: %d of %d pixels differ from the editor's picture at x %d; the first at (%d, %d): %s, not %s" %
              (frame_gd, len(wrong), width * height, left, x, y, frame[y][x], picture[y][left + x]))
        return 1
    print("%s: all %d pixels equal the editor's picture at x %d" % (frame_gd, width * height, left))
    return 0


if __name__ == "__main__":
    sys.exit(main())
