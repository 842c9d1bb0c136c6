#!/usr/bin/env bash
# Writes the seed pictures of the JPEG, PNG, TIFF and bitmap-section fuzz
# targets: small variants of one pattern of ours, converted by ImageMagick.
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
tmp="$(mktemp -d)"
trap 'rm -rf "$tmp"' EXIT
/usr/bin/python3 - "$tmp/p.pam" <<'PY'
import sys
w, h = 9, 6
px = bytearray()
for y in range(h):
    for x in range(w):
        px += bytes([x * 28, y * 50, (x * 7 + y * 13) & 255, 0 if x < 2 else 255 if x > 6 else 128])
head = b"P7\nWIDTH %d\nHEIGHT %d\nDEPTH 4\nMAXVAL 255\nTUPLTYPE RGB_ALPHA\nENDHDR\n" % (w, h)
open(sys.argv[1], "wb").write(head + px)
PY
p="$tmp/p.pam"
# mk FOLDER NAME FORMAT-PREFIX OPTIONS...
mk() { mkdir -p "$here/$1"; convert "$p" "${@:4}" "$3$here/$1/$2"; }
mk fuzz_jpeg rgb.jpg "" -alpha off -quality 80
mk fuzz_jpeg progressive.jpg "" -alpha off -interlace Plane
mk fuzz_jpeg grey.jpg "" -alpha off -colorspace Gray
mk fuzz_jpeg cmyk.jpg "" -alpha off -colorspace CMYK
mk fuzz_png rgba.png "PNG32:"
mk fuzz_png rgb16.png "PNG48:" -alpha off -depth 16
mk fuzz_png palette.png "PNG8:" -colors 8
mk fuzz_png grey2.png "" -alpha off -colorspace Gray -depth 2 -define png:color-type=0 -define png:bit-depth=2
mk fuzz_png interlaced.png "PNG32:" -interlace PNG
mk fuzz_png grey-alpha.png "" -colorspace Gray -define png:color-type=4
mk fuzz_tiff rgb-lzw.tif "" -alpha off -compress LZW
mk fuzz_tiff grey-zip.tif "" -alpha off -colorspace Gray -compress Zip
mk fuzz_tiff palette.tif "" -alpha off -colors 16 -type Palette
mk fuzz_tiff bilevel.tif "" -alpha off -monochrome -depth 1
mk fuzz_tiff tiled.tif "" -alpha off -compress LZW -define tiff:tile-geometry=16x16
mk fuzz_tiff cmyk.tif "" -alpha off -colorspace CMYK
convert "$p" -alpha off "$p" -alpha off -compress LZW "$here/fuzz_tiff/pages.tif"
mk fuzz_dibsection section24.bmp "BMP3:" -alpha off -type TrueColor
mk fuzz_dibsection section32.bmp "BMP:" -type TrueColorAlpha
