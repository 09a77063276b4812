#!/usr/bin/python3
"""Draws every picture the editor loads, into this script's own folder.

Run with Debian's python3 (PIL from python3-pil):
    /usr/bin/python3 resources/pictures/draw_pictures.py

Output is deterministic, so re-running leaves git clean.
ICO and BMP files are written by hand with struct: the loader expects the
classic layouts (8-bit DIB icons with an AND mask, 40-byte BMP headers),
and PIL's own writers pick other layouts (PNG icons, for instance).
"""

import math
import os
import struct

from PIL import Image, ImageDraw, ImageFont

HERE = os.path.dirname(os.path.abspath(__file__))
FONT = "/usr/share/fonts/truetype/wqy/wqy-microhei.ttc"

WIN_W, WIN_H = 660, 483
BG_H = 460              # background.gif height; the window tiles it
DARKEST = (248, 12, 34)  # rows 14..16; the code paints with this colour too
BUTTON_FACE = (236, 233, 216)
PANEL = (205, 222, 222)
WHITE = (255, 255, 255)


def out(name):
    return os.path.join(HERE, name)


def lerp(a, b, t):
    return tuple(int(round(x + (y - x) * t)) for x, y in zip(a, b))


# ---------------------------------------------------------------- red strip

def strip_colour(row):
    """Colour of the background at a given row (the band is flat across)."""
    if row < 8:        # glossy highlight: pale pink getting warmer
        return lerp((255, 186, 194), (252, 104, 118), row / 7)
    if row < 14:       # then a steeper drop into the deep red
        return lerp((251, 72, 88), DARKEST, (row - 7) / 7)
    if row <= 16:
        return DARKEST
    if row >= 54:
        return WHITE
    # Ease out slowly so rows 17..22 stay red: they close off the caption,
    # and tiled at the window bottom they make the status strip.
    t = (row - 16) / 38
    return lerp(DARKEST, WHITE, t ** 1.6)


def to_palette(img, colours=256):
    """Exact-colour palettised copy when possible, else median cut.

    Building the palette by hand keeps every colour byte-exact (the GIF
    colour table holds full 8-bit RGB), which matters for DARKEST.
    """
    rgb = img.convert("RGB")
    used = rgb.getcolors(maxcolors=colours)
    if used is None:
        return rgb.quantize(colours, method=Image.Quantize.MEDIANCUT,
                            dither=Image.Dither.NONE)
    used = sorted(c for _, c in used)
    index = {c: i for i, c in enumerate(used)}
    p = Image.new("P", rgb.size)
    p.putdata([index[c] for c in rgb.getdata()])
    flat = [v for c in used for v in c]
    flat += [0] * (colours * 3 - len(flat))
    p.putpalette(flat)
    return p


def save_gif(img, name, colours=256):
    p = to_palette(img, colours)
    # Pad the colour table to the full size so decoders see a fixed depth.
    pal = p.getpalette()[: colours * 3]
    pal += [0] * (colours * 3 - len(pal))
    p.putpalette(pal)
    p.save(out(name), format="GIF", optimize=False)
    # PIL labels plain streams 87a; the loader wants 89a, which is a
    # superset, so relabelling the signature is all it takes.
    with open(out(name), "r+b") as f:
        f.write(b"GIF89a")


def background():
    img = Image.new("RGB", (WIN_W, BG_H), WHITE)
    d = ImageDraw.Draw(img)
    for y in range(54):
        d.line([(0, y), (WIN_W - 1, y)], fill=strip_colour(y))
    return img


# ------------------------------------------------------------ supersampling

def smooth(size, scale, paint, base):
    """Paint at `scale` times the size and shrink, for antialiased edges."""
    w, h = size
    big = base.resize((w * scale, h * scale), Image.NEAREST)
    paint(ImageDraw.Draw(big), scale)
    return big.resize((w, h), Image.LANCZOS)


def strip_piece(w, h, top=0):
    img = Image.new("RGB", (w, h))
    d = ImageDraw.Draw(img)
    for y in range(h):
        d.line([(0, y), (w - 1, y)], fill=strip_colour(top + y))
    return img


def vgradient(w, h, a, b):
    img = Image.new("RGB", (w, h))
    d = ImageDraw.Draw(img)
    for y in range(h):
        d.line([(0, y), (w - 1, y)], fill=lerp(a, b, y / max(1, h - 1)))
    return img


# --------------------------------------------------------------------- band

def band():
    # Sits at (169,1) behind light-grey credit text: darker than the strip
    # there so the text reads, with rounded ends blended into the strip.
    w, h, s = 160, 22, 4
    big = strip_piece(w, h, top=1).resize((w * s, h * s), Image.NEAREST)
    face = vgradient(w * s, h * s, (214, 40, 58), (150, 6, 22))
    ImageDraw.Draw(face).line([(5 * s, s + 2), (w * s - 5 * s, s + 2)],
                              fill=(236, 110, 122), width=3)   # gloss line
    mask = Image.new("L", (w * s, h * s), 0)
    ImageDraw.Draw(mask).rounded_rectangle([0, 0, w * s - 1, h * s - 1],
                                           radius=5 * s, fill=255)
    big.paste(face, (0, 0), mask)
    return big.resize((w, h), Image.LANCZOS)


# ------------------------------------------------------------- word buttons

def word_button(text):
    w, h = 33, 20
    img = Image.new("RGB", (w, h), BUTTON_FACE)
    d = ImageDraw.Draw(img)
    # Border a shade darker than the face; corners take the strip colour
    # of rows 2 and 21 so the button looks rounded on the caption.
    d.rectangle([0, 0, w - 1, h - 1], outline=(170, 164, 146))
    for x, y in ((0, 0), (w - 1, 0), (0, h - 1), (w - 1, h - 1)):
        d.point((x, y), fill=lerp(strip_colour(2 + y), (170, 164, 146), 0.35))
    font = ImageFont.truetype(FONT, 13)
    left, top, right, bottom = d.textbbox((0, 0), text, font=font)
    x = (w - (right - left)) // 2 - left
    y = (h - (bottom - top)) // 2 - top
    # Antialias through 16 coverage levels: the face colour stays exact
    # in the GIF and the glyph edges still look smooth.
    ink = Image.new("L", (w, h), 0)
    ImageDraw.Draw(ink).text((x, y), text, font=font, fill=255)
    ink = ink.point(lambda v: (v * 15 + 127) // 255 * 17)
    img.paste((0, 0, 0), (0, 0), ink)
    return img


# ----------------------------------------------------------------- glyphs

BLUE = (36, 92, 206)
BLUE_EDGE = (16, 46, 128)
PALE_YELLOW = (255, 246, 196)


def triangle(size, base, pts, halo):
    """Blue triangle; `halo` draws a light rim so it reads on the red strip."""
    def paint(d, s):
        p = [(x * s, y * s) for x, y in pts]
        if halo:
            d.polygon(p, outline=(255, 236, 238))
            d.line(p + [p[0]], fill=(255, 236, 238), width=int(2.2 * s),
                   joint="curve")
        d.polygon(p, fill=BLUE)
        d.line(p + [p[0]], fill=BLUE_EDGE, width=max(1, s // 2), joint="curve")
    return smooth(size, 8, paint, base)


def hot_frame(img):
    d = ImageDraw.Draw(img)
    w, h = img.size
    d.rectangle([0, 0, w - 1, h - 1], outline=(96, 128, 196))
    return img


def fold_normal():
    w, h = 15, 19
    return triangle((w, h), strip_piece(w, h), [(3, 7), (12, 7), (7.5, 12.5)],
                    halo=True)


def fold_hot():
    w, h = 16, 21
    base = Image.new("RGB", (w, h), PALE_YELLOW)
    return hot_frame(triangle((w, h), base, [(3.5, 8), (12.5, 8), (8, 13.5)],
                              halo=False))


def unfold_normal():
    w, h = 16, 18
    return triangle((w, h), strip_piece(w, h),
                    [(5.5, 4.5), (5.5, 13.5), (11, 9)], halo=True)


def unfold_hot():
    w, h = 18, 18
    base = Image.new("RGB", (w, h), PALE_YELLOW)
    return hot_frame(triangle((w, h), base, [(6.5, 4.5), (6.5, 13.5), (12, 9)],
                              halo=False))


DARK_TOP, DARK_BOTTOM = (92, 92, 96), (52, 52, 56)
BLUE_TOP, BLUE_BOTTOM = (74, 132, 236), (28, 80, 186)
RED_TOP, RED_BOTTOM = (244, 110, 72), (206, 52, 22)


def caption_button(w, h, top, bottom):
    img = vgradient(w, h, top, bottom)
    d = ImageDraw.Draw(img)
    d.line([(0, 0), (w - 1, 0)], fill=lerp(top, WHITE, 0.25))   # top sheen
    d.line([(0, 0), (0, h - 1)], fill=lerp(top, (0, 0, 0), 0.35))  # divider
    return img


def minimize(top, bottom):
    img = caption_button(29, 17, top, bottom)
    ImageDraw.Draw(img).rectangle([10, 11, 19, 12], fill=WHITE)
    return img


def restore():
    img = caption_button(26, 17, DARK_TOP, DARK_BOTTOM)
    d = ImageDraw.Draw(img)
    # back window: only its top and right edges show past the front one
    d.line([(11, 4), (18, 4)], fill=WHITE)
    d.line([(11, 5), (18, 5)], fill=WHITE)
    d.line([(18, 4), (18, 10)], fill=WHITE)
    d.line([(11, 4), (11, 6)], fill=WHITE)
    # front window with a thick title edge
    d.rectangle([8, 7, 15, 13], outline=WHITE)
    d.line([(8, 8), (15, 8)], fill=WHITE)
    return img


def close(top, bottom):
    w, h = 42, 17
    base = caption_button(w, h, top, bottom)

    def paint(d, s):
        cx, cy, r = 21, 8.5, 4.2
        width = int(1.7 * s)
        d.line([((cx - r) * s, (cy - r) * s), ((cx + r) * s, (cy + r) * s)],
               fill=WHITE, width=width)
        d.line([((cx - r) * s, (cy + r) * s), ((cx + r) * s, (cy - r) * s)],
               fill=WHITE, width=width)
    return smooth((w, h), 8, paint, base)


# -------------------------------------------------------------- butterfly

def ellipse_points(cx, cy, rx, ry, angle_deg, n=72):
    a = math.radians(angle_deg)
    ca, sa = math.cos(a), math.sin(a)
    pts = []
    for i in range(n):
        t = 2 * math.pi * i / n
        x, y = rx * math.cos(t), ry * math.sin(t)
        pts.append((cx + x * ca - y * sa, cy + x * sa + y * ca))
    return pts


LILAC = (196, 156, 226)
LILAC_LOW = (172, 128, 210)
LILAC_LIGHT = (232, 212, 246)
LILAC_DEEP = (138, 88, 186)
OUTLINE = (92, 52, 132)
BODY = (70, 40, 96)


def butterfly(size):
    """Lilac butterfly on pale blue, drawn in a 48-unit box then shrunk.

    The 16-px version drops the wing patterns and uses bolder lines:
    detail below a pixel only turns into mud.
    """
    small = size < 32
    s = 16 if small else 10
    k = size * s / 48.0          # canvas pixels per design unit
    px = s                       # canvas pixels per output pixel

    big = vgradient(size * s, size * s, (226, 240, 254), (186, 214, 242))
    d = ImageDraw.Draw(big)

    def P(pts):
        return [(x * k, y * k) for x, y in pts]

    line = int((1.0 if small else 1.1) * px)

    def wing(cx, cy, rx, ry, ang, patch, colour):
        for mirror in (False, True):
            x = 48 - cx if mirror else cx
            a = -ang if mirror else ang
            pts = P(ellipse_points(x, cy, rx, ry, a))
            d.polygon(pts, fill=colour)
            if patch and not small:
                d.polygon(P(ellipse_points(x + (3 if mirror else -3), cy - 1,
                                           rx * 0.45, ry * 0.42, a)),
                          fill=LILAC_LIGHT)
                d.ellipse([(x + (-1.5 if mirror else 1.5) - 1.6) * k,
                           (cy + 2.2 - 1.6) * k,
                           (x + (-1.5 if mirror else 1.5) + 1.6) * k,
                           (cy + 2.2 + 1.6) * k], fill=LILAC_DEEP)
            d.line(pts + [pts[0]], fill=OUTLINE, width=line, joint="curve")

    if small:
        wing(17.0, 32.5, 8.0, 6.8, 30, False, LILAC_LOW)
        wing(14.5, 19.0, 10.8, 8.8, -30, False, LILAC)
    else:
        # lower pair first and a shade deeper, so the four wings read apart
        wing(16.5, 32.0, 8.2, 6.6, 30, True, LILAC_LOW)
        wing(14.5, 18.0, 11.0, 8.6, -30, True, LILAC)

    # antennae with knobs
    aw = int((1.0 if small else 0.9) * px)
    for sx in (-1, 1):
        tip = (24 + sx * 6.5, 5.5)
        d.line(P([(24 + sx * 0.8, 13), (24 + sx * 3.5, 8), tip]),
               fill=BODY, width=aw, joint="curve")
        r = 1.6 if small else 1.3
        d.ellipse([(tip[0] - r) * k, (tip[1] - r) * k,
                   (tip[0] + r) * k, (tip[1] + r) * k], fill=BODY)

    # body and head
    bw = 3.2 if small else 2.4
    d.ellipse([(24 - bw) * k, 15 * k, (24 + bw) * k, 40 * k], fill=BODY)
    hr = 3.2 if small else 2.8
    d.ellipse([(24 - hr) * k, (13.5 - hr) * k, (24 + hr) * k, (13.5 + hr) * k],
              fill=BODY)
    return big.resize((size, size), Image.LANCZOS)


def write_ico(img, name):
    """One 8-bit DIB icon: ICONDIR, ICONDIRENTRY, BITMAPINFOHEADER,
    256-entry palette, bottom-up XOR rows, all-zero (opaque) AND mask."""
    w, h = img.size
    p = img.convert("RGB").quantize(256, method=Image.Quantize.MEDIANCUT,
                                    dither=Image.Dither.NONE)
    pal = p.getpalette()[: 256 * 3]
    pal += [0] * (256 * 3 - len(pal))

    xor_stride = (w + 3) & ~3
    and_stride = (((w + 7) // 8) + 3) & ~3
    pixels = p.tobytes()
    xor = b"".join(pixels[y * w:(y + 1) * w].ljust(xor_stride, b"\0")
                   for y in range(h - 1, -1, -1))
    mask = b"\0" * (and_stride * h)
    colours = b"".join(struct.pack("<BBBB", pal[i * 3 + 2], pal[i * 3 + 1],
                                   pal[i * 3], 0) for i in range(256))
    header = struct.pack("<IiiHHIIiiII", 40, w, h * 2, 1, 8, 0,
                         len(xor) + len(mask), 0, 0, 0, 0)
    image = header + colours + xor + mask
    icondir = struct.pack("<HHH", 0, 1, 1)
    entry = struct.pack("<BBBBHHII", w % 256, h % 256, 0, 0, 1, 8,
                        len(image), 6 + 16)
    with open(out(name), "wb") as f:
        f.write(icondir + entry + image)


def write_bmp(img, name):
    """24-bit BI_RGB, bottom-up, 40-byte info header."""
    img = img.convert("RGB")
    w, h = img.size
    stride = (w * 3 + 3) & ~3
    raw = img.tobytes()
    rows = []
    for y in range(h - 1, -1, -1):
        row = bytearray(raw[y * w * 3:(y + 1) * w * 3])
        row[0::3], row[2::3] = row[2::3], row[0::3]     # RGB -> BGR
        rows.append(bytes(row).ljust(stride, b"\0"))
    data = b"".join(rows)
    info = struct.pack("<IiiHHIIiiII", 40, w, h, 1, 24, 0, len(data),
                       2835, 2835, 0, 0)
    fileheader = struct.pack("<2sIHHI", b"BM", 14 + 40 + len(data), 0, 0,
                             14 + 40)
    with open(out(name), "wb") as f:
        f.write(fileheader + info + data)


# ------------------------------------------------------------ link pointer

LINK_HOTSPOT = (11, 1)


def link_pointer_mask():
    """A pointing hand, index finger up, as a 32 x 32 coverage mask."""
    m = Image.new("1", (32, 32), 0)
    d = ImageDraw.Draw(m)
    d.rounded_rectangle([9, 1, 13, 17], radius=2, fill=1)      # index finger
    d.rounded_rectangle([13, 9, 17, 18], radius=2, fill=1)     # three more,
    d.rounded_rectangle([17, 10, 21, 18], radius=2, fill=1)    # each a little
    d.rounded_rectangle([21, 11, 25, 19], radius=2, fill=1)    # shorter
    d.rounded_rectangle([9, 15, 25, 28], radius=4, fill=1)     # palm
    d.polygon([(9, 18), (5, 14), (3, 15), (3, 18), (9, 26)], fill=1)  # thumb
    return m


def write_cursor(mask, hotspot, name):
    """One monochrome cursor: white inside, a black rim, transparent outside.
    1-bit DIB with a two-colour table, XOR rows then AND rows, bottom-up."""
    w, h = mask.size
    inside = [[mask.getpixel((x, y)) == 1 for x in range(w)] for y in range(h)]

    def rim(x, y):
        return any(not (0 <= x + dx < w and 0 <= y + dy < h) or
                   not inside[y + dy][x + dx]
                   for dx, dy in ((1, 0), (-1, 0), (0, 1), (0, -1)))

    stride = ((w + 31) // 32) * 4
    xor_rows, and_rows = [], []
    for y in range(h - 1, -1, -1):
        xor_bits = and_bits = 0
        for x in range(w):
            bit = 1 << (w - 1 - x)
            if not inside[y][x]:
                and_bits |= bit               # screen shows through
            elif not rim(x, y):
                xor_bits |= bit               # white
        xor_rows.append(xor_bits.to_bytes(w // 8, "big").ljust(stride, b"\0"))
        and_rows.append(and_bits.to_bytes(w // 8, "big").ljust(stride, b"\0"))
    bits = b"".join(xor_rows) + b"".join(and_rows)
    header = struct.pack("<IiiHHIIiiII", 40, w, h * 2, 1, 1, 0, len(bits),
                         0, 0, 2, 0)
    colours = struct.pack("<BBBBBBBB", 0, 0, 0, 0, 255, 255, 255, 0)
    image = header + colours + bits
    cursordir = struct.pack("<HHH", 0, 2, 1)
    entry = struct.pack("<BBBBHHII", w % 256, h % 256, 0, 0, hotspot[0],
                        hotspot[1], len(image), 6 + 16)
    with open(out(name), "wb") as f:
        f.write(cursordir + entry + image)


def save_jpeg(img, name):
    img.convert("RGB").save(out(name), format="JPEG", quality=90,
                            subsampling=0, progressive=False, optimize=False)


# ---------------------------------------------------------------- preview

def preview():
    bg = Image.open(out("background.gif")).convert("RGB")
    win = Image.new("RGB", (WIN_W, WIN_H))
    win.paste(bg, (0, 0))
    win.paste(bg.crop((0, 0, WIN_W, WIN_H - BG_H)), (0, BG_H))

    def put(name, x, y):
        win.paste(Image.open(out(name)).convert("RGB"), (x, y))

    put("band.gif", 169, 1)
    put("icon16.ico", 5, 4)
    put("word_file.gif", 24, 2)
    put("word_edit.gif", 64, 2)
    put("word_tools.gif", 104, 2)
    put("fold_normal.jpg", 536, 0)
    put("minimize_normal.bmp", 564, 0)
    put("restore.bmp", 593, 0)
    put("close_normal.gif", 619, 0)
    ImageDraw.Draw(win).rectangle([0, 24, WIN_W - 1, 24 + 439 - 1], fill=PANEL)
    # sample credit line, only to judge contrast on the band
    font = ImageFont.truetype(FONT, 12)
    ImageDraw.Draw(win).text((178, 4), "Tamsu记事本  by Tamsu", font=font,
                             fill=(214, 214, 214))
    win.save(out("preview.png"), format="PNG", optimize=False)


def main():
    save_gif(background(), "background.gif", colours=64)
    write_ico(butterfly(48), "icon48.ico")
    write_ico(butterfly(16), "icon16.ico")
    save_gif(band(), "band.gif")
    save_gif(word_button("文件"), "word_file.gif", colours=128)
    save_gif(word_button("编辑"), "word_edit.gif", colours=128)
    save_gif(word_button("功能"), "word_tools.gif", colours=128)
    save_jpeg(fold_normal(), "fold_normal.jpg")
    write_bmp(fold_hot(), "fold_hot.bmp")
    save_jpeg(unfold_normal(), "unfold_normal.jpg")
    write_bmp(unfold_hot(), "unfold_hot.bmp")
    write_bmp(restore(), "restore.bmp")
    write_bmp(minimize(DARK_TOP, DARK_BOTTOM), "minimize_normal.bmp")
    write_bmp(minimize(BLUE_TOP, BLUE_BOTTOM), "minimize_hot.bmp")
    save_gif(close(DARK_TOP, DARK_BOTTOM), "close_normal.gif")
    write_bmp(close(RED_TOP, RED_BOTTOM), "close_hot.bmp")
    write_cursor(link_pointer_mask(), LINK_HOTSPOT, "link.cur")
    preview()


if __name__ == "__main__":
    main()
