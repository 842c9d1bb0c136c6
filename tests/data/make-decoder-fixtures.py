#!/usr/bin/python3
"""Writes the small hand-made pictures of tests/data that ImageMagick cannot
write: BMP files with a 12-byte header, without a file header, with RLE4 runs
and every escape, top-down rows and a 108-byte header, and a GIF with several
frames, local colour tables, transparency, delays and an interlaced frame.

Pixel rule of the palette pictures (the tests compute it too): the pixel at
column x of row y counted from the top has index (x + 2 * y) % colours, and
palette entry i is red 17 * i % 256, green 255 - i, blue 29 * i % 256."""

import os
import struct
import sys

HERE = os.path.dirname(os.path.abspath(__file__))


def entry(i):
    return (17 * i % 256, 255 - i, 29 * i % 256)


def index(x, y, colours):
    return (x + 2 * y) % colours


def pack_row(indices, bits):
    out = bytearray()
    acc = 0
    n = 0
    for v in indices:
        acc = (acc << bits) | v
        n += bits
        if n == 8:
            out.append(acc)
            acc = 0
            n = 0
    if n:
        out.append(acc << (8 - n))
    while len(out) % 4:
        out.append(0)
    return bytes(out)


def info_header(size, w, h, bpp, compression=0, colours=0, image_size=0):
    head = struct.pack('<IiiHHIIiiII', size, w, h, 1, bpp, compression, image_size, 2835, 2835, colours, 0)
    return head + bytes(size - 40)


def palette(colours, quad=True):
    out = bytearray()
    for i in range(colours):
        r, g, b = entry(i)
        out += bytes((b, g, r, 0) if quad else (b, g, r))
    return bytes(out)


def rows_bottom_up(w, h, bits, colours):
    return b''.join(pack_row([index(x, y, colours) for x in range(w)], bits) for y in reversed(range(h)))


def with_file_header(body, offset):
    return struct.pack('<2sIHHI', b'BM', 14 + len(body), 0, 0, offset) + body


def core_header_bmp():
    w, h, colours = 11, 5, 2
    body = struct.pack('<IHHHH', 12, w, h, 1, 1) + palette(colours, quad=False)
    offset = 14 + len(body)
    body += rows_bottom_up(w, h, 1, colours)
    return with_file_header(body, offset)


def headerless_dib():
    w, h, colours = 9, 4, 16
    return info_header(40, w, h, 4, colours=colours) + palette(colours) + rows_bottom_up(w, h, 4, colours)


def v4_palette_bmp():
    w, h, colours = 7, 3, 256
    body = info_header(108, w, h, 8, colours=0) + palette(colours)
    offset = 14 + len(body)
    return with_file_header(body + rows_bottom_up(w, h, 8, colours), offset)


def top_down_bmp():
    # 24 bits, rows from the top: pixel (x, y from top) is blue x*20, green y*40, red 200.
    w, h = 5, 3
    pixels = bytearray()
    for y in range(h):
        row = bytearray()
        for x in range(w):
            row += bytes((x * 20, y * 40, 200))
        while len(row) % 4:
            row.append(0)
        pixels += row
    body = info_header(40, w, -h, 24)
    offset = 14 + len(body)
    return with_file_header(body + bytes(pixels), offset)


def rle4_bmp():
    # 16 colours, 12 x 6, rows from the bottom. Every escape appears: runs,
    # absolute runs of odd and even length (padding), end of row, a move,
    # and the end of the picture before the last row.
    w, h, colours = 12, 6, 16
    data = bytearray()
    data += bytes((12, 0x12))              # row 0: alternating 1 and 2
    data += bytes((0, 0))                  # end of row
    data += bytes((0, 5, 0x34, 0x56, 0x70, 0))  # row 1: absolute 3 4 5 6 7 (odd, padded)
    data += bytes((7, 0xAA))               # then seven 10s
    data += bytes((0, 0))
    data += bytes((0, 2, 3, 1))            # move 3 right, 1 up: row 2 stays 0, row 3 from column 3
    data += bytes((4, 0xF0))               # 15 0 15 0
    data += bytes((0, 4, 0x9B, 0xCD))      # absolute 9 11 12 13 (even, no padding)
    data += bytes((0, 0))
    data += bytes((3, 0x88))               # row 4: 8 8 8
    data += bytes((0, 1))                  # end of picture: row 5 stays 0
    body = info_header(40, w, h, 4, compression=2, colours=colours, image_size=len(data)) + palette(colours)
    offset = 14 + len(body)
    return with_file_header(body + bytes(data), offset)


def lzw_uncompressed(indices, min_size):
    """LZW data that never grows its code width: a clear code every few pixels."""
    clear = 1 << min_size
    width = min_size + 1
    codes = []
    chunk = (1 << min_size) - 2
    for i in range(0, len(indices), chunk):
        codes.append(clear)
        codes.extend(indices[i:i + chunk])
    codes.append(clear + 1)
    out = bytearray()
    acc = 0
    n = 0
    for c in codes:
        acc |= c << n
        n += width
        while n >= 8:
            out.append(acc & 0xFF)
            acc >>= 8
            n -= 8
    if n:
        out.append(acc & 0xFF)
    blocks = bytearray((min_size,))
    for i in range(0, len(out), 255):
        part = out[i:i + 255]
        blocks.append(len(part))
        blocks += part
    blocks.append(0)
    return bytes(blocks)


def gif_table(colours, base):
    out = bytearray()
    for i in range(colours):
        r, g, b = entry((i + base) % 256)
        out += bytes((r, g, b))
    return bytes(out)


def gif_frame(w, h, colours, local_base=None, interlaced=False, trans=None, delay=0):
    out = bytearray()
    if trans is not None or delay:
        flags = 1 if trans is not None else 0
        out += bytes((0x21, 0xF9, 4, flags)) + struct.pack('<H', delay) + bytes((trans or 0, 0))
    packed = 0
    table = b''
    if local_base is not None:
        size_bits = (colours - 1).bit_length() - 1
        packed |= 0x80 | size_bits
        table = gif_table(colours, local_base)
    if interlaced:
        packed |= 0x40
    out += b',' + struct.pack('<HHHHB', 0, 0, w, h, packed) + table
    # Rows in file order: top down, or the four interlace passes.
    order = list(range(h))
    if interlaced:
        order = list(range(0, h, 8)) + list(range(4, h, 8)) + list(range(2, h, 4)) + list(range(1, h, 2))
    pixels = [index(x, y, colours) for y in order for x in range(w)]
    out += lzw_uncompressed(pixels, max(2, (colours - 1).bit_length()))
    return bytes(out)


def gif_frames():
    head = b'GIF89a' + struct.pack('<HHBBB', 20, 20, 0x80 | 0x03, 0, 0) + gif_table(16, 0)
    # A comment and an application extension that must be skipped.
    head += b'!\xfe' + bytes((5,)) + b'hello' + b'\x00'
    head += b'!\xff' + bytes((11,)) + b'NETSCAPE2.0' + bytes((3, 1, 0, 0, 0))
    frames = gif_frame(6, 4, 16, delay=10)
    frames += gif_frame(9, 11, 4, local_base=100, interlaced=True, trans=3, delay=25)
    frames += gif_frame(5, 3, 256, local_base=0)
    return head + frames + b';'


def main():
    out = sys.argv[1] if len(sys.argv) > 1 else HERE
    files = {
        'bmp-core-1bit.bmp': core_header_bmp(),
        'bmp-headerless-4bit.dib': headerless_dib(),
        'bmp-v4-palette.bmp': v4_palette_bmp(),
        'bmp-top-down.bmp': top_down_bmp(),
        'bmp-rle4.bmp': rle4_bmp(),
        'gif-frames.gif': gif_frames(),
    }
    for name, data in files.items():
        with open(os.path.join(out, name), 'wb') as f:
            f.write(data)


if __name__ == '__main__':
    main()
