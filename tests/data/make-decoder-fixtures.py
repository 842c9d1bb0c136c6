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


def ico_file():
    # Two icons: 8 x 8 at 4 bits with a mask, 4 x 4 at 32 bits.
    w, h = 8, 8
    pal4 = info_header(40, w, 2 * h, 4) + palette(16) + rows_bottom_up(w, h, 4, 16)
    pal4 += b''.join(pack_row([1 if x > 5 else 0 for x in range(w)], 1) for _ in range(h))
    rgba = info_header(40, 4, 8, 32) + b''.join(bytes((x * 50, y * 60, 200, 255 if x else 0))
                                                for y in range(4) for x in range(4))
    rgba += bytes(4 * 4)
    head = struct.pack('<HHH', 0, 1, 2)
    first = 6 + 2 * 16
    head += struct.pack('<BBBBHHII', 8, 8, 16, 0, 1, 4, len(pal4), first)
    head += struct.pack('<BBBBHHII', 4, 4, 0, 0, 1, 32, len(rgba), first + len(pal4))
    return head + pal4 + rgba


def tga_header(image_type, w, h, depth, descriptor=0, map_length=0):
    return struct.pack('<BBBHHBHHHHBB', 0, 1 if map_length else 0, image_type, 0, map_length,
                       24 if map_length else 0, 0, 0, w, h, depth, descriptor)


def tga_files():
    w, h = 6, 4
    raw24 = tga_header(2, w, h, 24, 0x20) + b''.join(bytes((x * 40, y * 60, 90)) for y in range(h) for x in range(w))
    rle32 = tga_header(10, w, h, 32, 0x08)
    for y in range(h):
        rle32 += bytes((0x80 | 2,)) + bytes((10, 20, 30, 255))
        rle32 += bytes((2,)) + b''.join(bytes((x * 40, y * 60, 90, 128)) for x in range(3))
    mapped = tga_header(9, w, h, 8, 0, 16) + b''.join(bytes(entry(i)[::-1]) for i in range(16))
    for y in range(h):
        mapped += bytes((0x80 | 5, y))
    grey16 = tga_header(2, w, h, 16, 0x11) + b''.join(struct.pack('<H', 0x8000 | (x << 10) | (y << 5) | 31)
                                                      for y in range(h) for x in range(w))
    return {'raw24.tga': raw24, 'rle32.tga': rle32, 'mapped-rle.tga': mapped, 'rgb16.tga': grey16}


def pcx_file(w, h, bits, planes, lines, big_palette=None):
    bpl = ((w * bits + 15) // 16) * 2
    head = bytearray(128)
    head[0], head[1], head[2], head[3] = 10, 5, 1, bits
    struct.pack_into('<HHHH', head, 4, 0, 0, w - 1, h - 1)
    for i in range(16):
        head[16 + i * 3:19 + i * 3] = bytes(entry(i))
    head[65] = planes
    struct.pack_into('<H', head, 66, bpl)
    data = bytearray()
    for line in lines:
        i = 0
        while i < len(line):
            run = 1
            while i + run < len(line) and line[i + run] == line[i] and run < 63:
                run += 1
            if run > 1 or line[i] > 191:
                data.append(0xC0 | run)
            data.append(line[i])
            i += run
    out = bytes(head) + bytes(data)
    if big_palette:
        out += bytes((12,)) + big_palette
    return out


def pcx_files():
    w, h = 10, 4
    bpl8 = ((w * 8 + 15) // 16) * 2
    lines8 = [bytes(index(x, y, 256) for x in range(w)) + bytes(bpl8 - w) for y in range(h)]
    big = b''.join(bytes(entry(i)) for i in range(256))
    lines24 = [b''.join(bytes(((x * 25 + p * 80) % 256 for x in range(w))) + bytes(bpl8 - w) for p in range(3))
               for y in range(h)]
    bpl1 = ((w + 15) // 16) * 2
    lines4p = []
    for y in range(h):
        line = b''
        for p in range(4):
            line += pack_row([(index(x, y, 16) >> p) & 1 for x in range(w)], 1)[:bpl1]
        lines4p.append(line)
    return {'pal8.pcx': pcx_file(w, h, 8, 1, lines8, big), 'rgb24.pcx': pcx_file(w, h, 8, 3, lines24),
            'planes4.pcx': pcx_file(w, h, 1, 4, lines4p)}


def write_seeds(root):
    """Seeds of the fuzz targets: every hand-made file of each format."""
    bmp = {'core.bmp': core_header_bmp(), 'bare.dib': headerless_dib(), 'v4.bmp': v4_palette_bmp(),
           'top-down.bmp': top_down_bmp(), 'rle4.bmp': rle4_bmp()}
    sets = {'fuzz_bmp': bmp, 'fuzz_gif': {'frames.gif': gif_frames()}, 'fuzz_ico': {'two.ico': ico_file()},
            'fuzz_tga': tga_files(), 'fuzz_pcx': pcx_files()}
    for target, files in sets.items():
        folder = os.path.join(root, 'fuzz', target)
        os.makedirs(folder, exist_ok=True)
        for name, data in files.items():
            with open(os.path.join(folder, name), 'wb') as f:
                f.write(data)


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
    write_seeds(out)


if __name__ == '__main__':
    main()
