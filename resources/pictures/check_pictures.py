#!/usr/bin/python3
"""Checks the drawn pictures against what the editor's loaders expect.

    /usr/bin/python3 resources/pictures/check_pictures.py

Prints OK and exits 0 when everything holds, otherwise lists the problems
and exits 1.
"""

import os
import struct
import sys

from PIL import Image

HERE = os.path.dirname(os.path.abspath(__file__))
DARKEST = (248, 12, 34)

# name -> (PIL format, width, height)
EXPECTED = {
    "background.gif": ("GIF", 660, 460),
    "icon48.ico": ("ICO", 48, 48),
    "icon16.ico": ("ICO", 16, 16),
    "band.gif": ("GIF", 160, 22),
    "word_file.gif": ("GIF", 33, 20),
    "word_edit.gif": ("GIF", 33, 20),
    "word_tools.gif": ("GIF", 33, 20),
    "fold_normal.jpg": ("JPEG", 15, 19),
    "fold_hot.bmp": ("BMP", 16, 21),
    "unfold_normal.jpg": ("JPEG", 16, 18),
    "unfold_hot.bmp": ("BMP", 18, 18),
    "restore.bmp": ("BMP", 26, 17),
    "minimize_normal.bmp": ("BMP", 29, 17),
    "minimize_hot.bmp": ("BMP", 29, 17),
    "close_normal.gif": ("GIF", 42, 17),
    "close_hot.bmp": ("BMP", 42, 17),
    "link.cur": ("CUR", 32, 32),
    "preview.png": ("PNG", 660, 483),
}

problems = []


def fail(name, msg):
    problems.append(f"{name}: {msg}")


def raw(name):
    with open(os.path.join(HERE, name), "rb") as f:
        return f.read()


def luminance(c):
    return 0.299 * c[0] + 0.587 * c[1] + 0.114 * c[2]


def check_common(name, fmt, w, h):
    path = os.path.join(HERE, name)
    if not os.path.exists(path):
        fail(name, "missing")
        return None
    try:
        im = Image.open(path)
        im.load()
    except Exception as e:  # a file PIL cannot read is the failure itself
        fail(name, f"unreadable: {e}")
        return None
    if im.format != fmt:
        fail(name, f"format {im.format}, want {fmt}")
    if im.size != (w, h):
        fail(name, f"size {im.size}, want {(w, h)}")
    return im


def check_gif(name, im, data):
    if data[:6] != b"GIF89a":
        fail(name, f"signature {data[:6]!r}, want GIF89a")
    if name.startswith("word_"):
        flags = data[10]
        table = 2 << (flags & 7) if flags & 0x80 else 0
        if table not in (128, 256):
            fail(name, f"global colour table of {table}, want 128 or 256")


def check_background(im):
    name = "background.gif"
    rgb = im.convert("RGB")
    w, h = rgb.size
    rows = [rgb.getpixel((w // 2, y)) for y in range(h)]
    for y in (14, 15, 16):
        for x in (0, w // 2, w - 1):
            if rgb.getpixel((x, y)) != DARKEST:
                fail(name, f"pixel ({x},{y}) is {rgb.getpixel((x, y))}, "
                     f"want {DARKEST}")
    r0 = rows[0]
    if not (r0[0] >= 240 and r0[1] > 120 and r0[2] > 120 and r0 != (255,) * 3):
        fail(name, f"row 0 {r0} is not pink")
    lum = [luminance(c) for c in rows]
    if any(lum[y + 1] > lum[y] for y in range(14)):
        fail(name, "rows 0..14 do not darken steadily")
    if any(lum[y + 1] < lum[y] for y in range(16, 54)):
        fail(name, "rows 16..54 do not lighten steadily")
    if rows[53] == (255, 255, 255):
        fail(name, "the band ends before row 54")
    if rgb.crop((0, 54, w, h)).getcolors(1) != [(w * (h - 54), (255, 255, 255))]:
        fail(name, "rows 54 and below are not all white")
    colours = rgb.getcolors(256)
    if colours is None or len(colours) > 64:
        fail(name, "too many colours")
    if len(raw(name)) > 10 * 1024:
        fail(name, f"{len(raw(name))} bytes, want a few KB")


def check_ico(name, im, data, size):
    try:
        reserved, kind, count = struct.unpack_from("<HHH", data, 0)
        bw, bh, ncol, res, planes, bits, nbytes, offset = \
            struct.unpack_from("<BBBBHHII", data, 6)
        (bi_size, bi_w, bi_h, bi_planes, bi_bits, bi_comp, bi_image,
         _, _, bi_used, _) = struct.unpack_from("<IiiHHIIiiII", data, offset)
    except struct.error:
        fail(name, "truncated headers")
        return
    if (reserved, kind, count) != (0, 1, 1):
        fail(name, f"ICONDIR {(reserved, kind, count)}, want (0, 1, 1)")
    if (bw, bh, ncol, res, planes, bits) != (size, size, 0, 0, 1, 8):
        fail(name, f"ICONDIRENTRY {(bw, bh, ncol, res, planes, bits)}")
    if offset != 22 or offset + nbytes != len(data):
        fail(name, f"entry offset {offset} / size {nbytes} do not fit the file")
    if data[offset:offset + 8] == b"\x89PNG\r\n\x1a\n":
        fail(name, "PNG-compressed entry")
        return
    if (bi_size, bi_w, bi_h, bi_planes, bi_bits, bi_comp) != \
            (40, size, size * 2, 1, 8, 0):
        fail(name, "BITMAPINFOHEADER "
             f"{(bi_size, bi_w, bi_h, bi_planes, bi_bits, bi_comp)}")
    if bi_used not in (0, 256):
        fail(name, f"biClrUsed {bi_used}")
    xor_stride = (size + 3) & ~3
    and_stride = ((size + 7) // 8 + 3) & ~3
    want = 40 + 256 * 4 + xor_stride * size + and_stride * size
    if nbytes != want:
        fail(name, f"image data {nbytes} bytes, want {want}")
    elif any(data[len(data) - and_stride * size:]):
        fail(name, "AND mask not all zero (icon should be opaque)")

    # Content: pale blue behind, lilac somewhere, right way up
    # (the backdrop is lighter at the top, so flipped rows show up here).
    rgb = im.convert("RGB")
    top, bottom = rgb.getpixel((0, 0)), rgb.getpixel((0, size - 1))
    for c in (top, bottom):
        if not (c[2] > 220 and c[2] > c[0] and c[2] >= c[1]):
            fail(name, f"corner {c} is not pale blue")
    if luminance(top) <= luminance(bottom):
        fail(name, "image is upside down")
    lilac = sum(1 for r, g, b in rgb.getdata()
                if r > 150 and b > 190 and g < r - 25)
    if lilac < size * size // 8:
        fail(name, f"only {lilac} lilac pixels")


def check_bmp(name, im, data):
    w, h = EXPECTED[name][1:]
    try:
        magic, file_size, _, _, off_bits = struct.unpack_from("<2sIHHI", data)
        (bi_size, bi_w, bi_h, planes, bits, comp,
         *_rest) = struct.unpack_from("<IiiHHIIiiII", data, 14)
    except struct.error:
        fail(name, "truncated headers")
        return
    stride = (w * 3 + 3) & ~3
    if magic != b"BM" or file_size != len(data) or off_bits != 54:
        fail(name, f"file header {(magic, file_size, off_bits)}")
    if (bi_size, bi_w, bi_h, planes, bits, comp) != (40, w, h, 1, 24, 0):
        fail(name, f"info header {(bi_size, bi_w, bi_h, planes, bits, comp)}")
    if len(data) != 54 + stride * h:
        fail(name, f"{len(data)} bytes, want {54 + stride * h}")


def check_jpeg(name, data):
    # SOF0 = baseline; SOF2 would be progressive.
    i = 2
    while i + 4 <= len(data) and data[i] == 0xFF:
        marker = data[i + 1]
        if marker in (0xC0, 0xC1, 0xC2):
            if marker != 0xC0:
                fail(name, f"frame marker FF{marker:02X}, want baseline FFC0")
            return
        i += 2 + struct.unpack_from(">H", data, i + 2)[0]
    fail(name, "no frame header found")


def check_minimize_bar(name, im):
    # The bar sits in the lower half: catches BMP rows written top-down.
    rgb = im.convert("RGB")
    w, h = rgb.size
    white = [y for y in range(h) for x in range(w)
             if min(rgb.getpixel((x, y))) > 230]
    if not white or min(white) < h // 2:
        fail(name, "white bar missing or not near the bottom")


def main():
    for name, (fmt, w, h) in EXPECTED.items():
        im = check_common(name, fmt, w, h)
        if im is None:
            continue
        data = raw(name)
        if fmt == "GIF":
            check_gif(name, im, data)
        elif fmt == "ICO":
            check_ico(name, im, data, w)
        elif fmt == "BMP":
            check_bmp(name, im, data)
        elif fmt == "JPEG":
            check_jpeg(name, data)
        if name == "background.gif":
            check_background(im)
        if name.startswith("minimize_"):
            check_minimize_bar(name, im)

    if problems:
        print("\n".join(problems))
        return 1
    print("OK")
    return 0


if __name__ == "__main__":
    sys.exit(main())
