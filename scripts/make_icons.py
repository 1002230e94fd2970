#!/usr/bin/env python3
"""Render the program icon from its one drawing, window/icon/ribi.xpm.

Writes into window/icon/:
- ribi.ico, the Win32 resource, with 16, 24, 32, 48 and 256 px images, and
  the 32 px drawing again in 256 colours with a transparency mask, for
  displays and tools that take no more;
- ribi-N.png for the hicolor theme at every size desktops ask for;
- ribi.svg, the drawing's pixels as squares, for the sizes in between
  (sharp at every multiple of 32 px, such as the 96 and 192 of HiDPI);
- ribi-192.png, ribi-512.png and ribi-maskable-512.png for the browser
  edition's home-screen icons (packaging/web): the maskable one on the
  window's background colour, read from window/main_form.cpp, with the
  picture inside the circle a launcher may cut it to.
The outputs are committed because the build does not run Python;
`make_icons.py --check` regenerates them into a temporary directory and fails
if the committed files are not byte-for-byte what the drawing gives.

Larger sizes round the staircase edges with Scale2x/Scale3x, which only ever
repeats colours of the drawing; smaller ones average whole blocks of such an
enlargement, so that every size is the same picture and edges stay sharp.

Standard library only: the build machines have no imaging packages.
"""

import argparse
import os
import re
import struct
import sys
import tempfile
import zlib

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
ICON_DIR = os.path.join(ROOT, "window", "icon")
XPM_PATH = os.path.join(ICON_DIR, "ribi.xpm")
FORM_PATH = os.path.join(ROOT, "window", "main_form.cpp")
PNG_SIZES = (16, 24, 32, 48, 64, 128, 256)
WEB_PNG_SIZES = (192, 512)
MASKABLE = "ribi-maskable-512.png"
ICO_SIZES = (16, 24, 32, 48, 256)
# Windows shows PNG-compressed images from Vista on; smaller ones are DIBs,
# which every Windows reads.
ICO_PNG_FROM = 256
OUTPUTS = (("ribi.ico", "ribi.svg", MASKABLE)
           + tuple("ribi-%d.png" % size for size in PNG_SIZES + WEB_PNG_SIZES))

TRANSPARENT = (0, 0, 0, 0)


class XpmError(ValueError):
    pass


def _parse_colour(value):
    if value.lower() == "none":
        return TRANSPARENT
    m = re.fullmatch(r"#([0-9a-fA-F]+)", value)
    if not m or len(m.group(1)) % 3:
        # Named colours would need X11's rgb.txt; the drawing uses hex only.
        raise XpmError("unsupported colour %r" % value)
    digits = m.group(1)
    n = len(digits) // 3
    # Keep the most significant byte of each channel (#RGB widens to #RRGGBB).
    channels = [int((digits[i * n:(i + 1) * n] * 2)[:2], 16) for i in range(3)]
    return (channels[0], channels[1], channels[2], 255)


def read_xpm(text):
    """Return (width, height, rows of RGBA tuples) from XPM 3 source."""
    text = re.sub(r"/\*.*?\*/", "", text, flags=re.S)
    strings = re.findall(r'"((?:[^"\\]|\\.)*)"', text)
    if not strings:
        raise XpmError("no XPM strings")
    header = strings[0].split()
    if len(header) < 4:
        raise XpmError("bad header %r" % strings[0])
    width, height, ncolours, cpp = (int(v) for v in header[:4])
    if len(strings) < 1 + ncolours + height:
        raise XpmError("file ends early")

    palette = {}
    for line in strings[1:1 + ncolours]:
        key, rest = line[:cpp], line[cpp:].split()
        # Pairs of (context, colour); only the colour context matters here.
        pairs = dict(zip(rest[0::2], rest[1::2]))
        if "c" not in pairs:
            raise XpmError("colour %r has no 'c' entry" % key)
        if key in palette:
            raise XpmError("colour key %r defined twice" % key)
        palette[key] = _parse_colour(pairs["c"])

    rows = []
    for line in strings[1 + ncolours:1 + ncolours + height]:
        if len(line) != width * cpp:
            raise XpmError("row of %d characters, expected %d"
                           % (len(line), width * cpp))
        try:
            rows.append([palette[line[i:i + cpp]]
                         for i in range(0, len(line), cpp)])
        except KeyError as e:
            raise XpmError("pixel uses undefined colour %s" % e) from None
    return width, height, rows


def _neighbour(rows, y, x, dy, dx):
    """The pixel at (y+dy, x+dx); past the border, the pixel itself."""
    ny, nx = y + dy, x + dx
    if 0 <= ny < len(rows) and 0 <= nx < len(rows[0]):
        return rows[ny][nx]
    return rows[y][x]


def scale2x(rows):
    """Scale2x: doubles the size, rounding staircase edges without blur.

    Every output pixel is a colour of the drawing, so the outline stays crisp
    and no new colours (or partial alpha) appear.
    """
    out = []
    for y, row in enumerate(rows):
        top, bottom = [], []
        for x, p in enumerate(row):
            a = _neighbour(rows, y, x, -1, 0)
            d = _neighbour(rows, y, x, 1, 0)
            c = _neighbour(rows, y, x, 0, -1)
            b = _neighbour(rows, y, x, 0, 1)
            if a != d and c != b:
                e0 = a if c == a else p
                e1 = b if a == b else p
                e2 = c if c == d else p
                e3 = d if b == d else p
            else:
                e0 = e1 = e2 = e3 = p
            top += (e0, e1)
            bottom += (e2, e3)
        out += (top, bottom)
    return out


def scale3x(rows):
    """Scale3x: triples the size by the same rule as scale2x."""
    out = []
    for y, row in enumerate(rows):
        lines = ([], [], [])
        for x, e in enumerate(row):
            a, b, c = (_neighbour(rows, y, x, -1, dx) for dx in (-1, 0, 1))
            d, f = _neighbour(rows, y, x, 0, -1), _neighbour(rows, y, x, 0, 1)
            g, h, i = (_neighbour(rows, y, x, 1, dx) for dx in (-1, 0, 1))
            if b != h and d != f:
                block = (
                    (d if d == b else e,
                     b if (d == b and e != c) or (b == f and e != a) else e,
                     f if b == f else e),
                    (d if (d == b and e != g) or (d == h and e != a) else e,
                     e,
                     f if (b == f and e != i) or (h == f and e != c) else e),
                    (d if d == h else e,
                     h if (d == h and e != i) or (h == f and e != g) else e,
                     f if h == f else e),
                )
            else:
                block = ((e, e, e),) * 3
            for line, part in zip(lines, block):
                line += part
        out += lines
    return out


def shrink(rows, factor):
    """Each factor x factor block becomes its average, weighted by alpha so
    that transparent pixels do not darken the outline."""
    out = []
    area = factor * factor
    for y in range(0, len(rows), factor):
        line = []
        for x in range(0, len(rows[0]), factor):
            block = [rows[y + j][x + i]
                     for j in range(factor) for i in range(factor)]
            alpha = sum(px[3] for px in block)
            if alpha == 0:
                line.append(TRANSPARENT)
                continue
            rgb = tuple((sum(px[k] * px[3] for px in block) + alpha // 2)
                        // alpha for k in range(3))
            line.append(rgb + ((alpha + area // 2) // area,))
        out.append(line)
    return out


def sizes(rows):
    """The drawing at every size an icon is wanted, by size in pixels."""
    if (len(rows[0]), len(rows)) != (32, 32):
        raise XpmError("icon drawing must be 32x32, is %dx%d"
                       % (len(rows[0]), len(rows)))
    x2 = scale2x(rows)
    x3 = scale3x(rows)
    x4 = scale2x(x2)
    x8 = scale2x(x4)
    return {
        16: shrink(rows, 2),
        24: shrink(x3, 4),
        32: rows,
        48: shrink(x3, 2),
        64: x2,
        128: x4,
        192: scale2x(x3),
        256: x8,
        512: scale2x(x8),
    }


def window_colour(form_source):
    """The window's background as RGBA, from its description, where it is
    a Windows COLORREF, 0x00BBGGRR."""
    m = re.search(r"\bkWindow\{0x00([0-9A-Fa-f]{6})\}", form_source)
    if not m:
        raise XpmError("window/main_form.cpp gives no kWindow colour")
    blue, green, red = bytes.fromhex(m.group(1))
    return (red, green, blue, 255)


def maskable(picture, background):
    """The picture centred on twice its size, over the background.

    A launcher may cut the icon to any shape that holds the central circle
    of 40% of its side in radius; the picture's square, half the side,
    lies inside it whatever the drawing."""
    size = 2 * len(picture)
    margin = len(picture) // 2
    safe = (0.4 * size) ** 2
    out = [[background] * size for _ in range(size)]
    for y, row in enumerate(picture):
        for x, (r, g, b, a) in enumerate(row):
            if not a:
                continue
            # The pixel's far corner from the centre must lie inside the circle.
            dx = max(abs(margin + x - size / 2), abs(margin + x + 1 - size / 2))
            dy = max(abs(margin + y - size / 2), abs(margin + y + 1 - size / 2))
            if dx * dx + dy * dy > safe:
                raise XpmError("the maskable icon's picture leaves the safe zone")
            out[margin + y][margin + x] = tuple(
                (c * a + k * (255 - a) + 127) // 255 for c, k in zip((r, g, b), background[:3])) + (255,)
    return out


def png_bytes(rows):
    h, w = len(rows), len(rows[0])

    def chunk(kind, data):
        return (struct.pack(">I", len(data)) + kind + data
                + struct.pack(">I", zlib.crc32(kind + data) & 0xFFFFFFFF))

    raw = bytearray()
    for row in rows:
        raw.append(0)  # filter type None: the flat colours compress well as is
        for px in row:
            raw += bytes(px)
    ihdr = struct.pack(">IIBBBBB", w, h, 8, 6, 0, 0, 0)  # 8-bit RGBA
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", ihdr)
            + chunk(b"IDAT", zlib.compress(bytes(raw), 9))
            + chunk(b"IEND", b""))


def dib_bytes(rows):
    """A 32-bit BGRA icon image with its AND mask, as Windows XP and later read.

    The mask is set only where the image is fully transparent, so that
    Windows without alpha blending still shows the whole outline."""
    h, w = len(rows), len(rows[0])
    stride = (w + 31) // 32 * 4  # mask rows are padded to 32 bits
    pixels = bytearray()
    mask = bytearray()
    for row in reversed(rows):  # DIBs are stored bottom-up
        bits = 0
        for r, g, b, a in row:
            pixels += bytes((b, g, r, a))
            bits = (bits << 1) | (0 if a else 1)
        mask += (bits << (stride * 8 - w)).to_bytes(stride, "big")
    header = struct.pack("<IiiHHIIiiII", 40, w, 2 * h, 1, 32, 0,
                         len(pixels) + len(mask), 0, 0, 0, 0)
    return header + bytes(pixels) + bytes(mask)


def palette_dib_bytes(rows):
    """An 8-bit icon image: the drawing's own colours as its palette, and
    the AND mask where the drawing is transparent."""
    h, w = len(rows), len(rows[0])
    colours = sorted({px[:3] for row in rows for px in row if px[3]})
    if len(colours) > 256:
        raise XpmError("%d colours do not fit a 256-colour palette" % len(colours))
    index = {colour: i for i, colour in enumerate(colours)}
    palette = b"".join(bytes((b, g, r, 0)) for r, g, b in colours)
    palette += bytes(4 * (256 - len(colours)))
    stride = (w + 31) // 32 * 4
    pixels = bytearray()
    mask = bytearray()
    for row in reversed(rows):  # bottom-up; 32 pixels make whole 32-bit rows
        bits = 0
        for px in row:
            pixels.append(index[px[:3]] if px[3] else 0)
            bits = (bits << 1) | (0 if px[3] else 1)
        mask += (bits << (stride * 8 - w)).to_bytes(stride, "big")
    header = struct.pack("<IiiHHIIiiII", 40, w, 2 * h, 1, 8, 0,
                         len(pixels) + len(mask), 0, 0, 256, 0)
    return header + palette + bytes(pixels) + bytes(mask)


def ico_bytes(by_size):
    images = []
    for size in ICO_SIZES:
        if size >= ICO_PNG_FROM:
            images.append((size, 32, png_bytes(by_size[size])))
        else:
            images.append((size, 32, dib_bytes(by_size[size])))
        if size == 32:
            images.append((size, 8, palette_dib_bytes(by_size[size])))
    header = struct.pack("<HHH", 0, 1, len(images))
    offset = len(header) + 16 * len(images)
    entries = b""
    for size, bits, image in images:
        # Width and height 0 mean 256; colour count 0 (a full palette or
        # none); planes; bits per pixel.
        entries += struct.pack("<BBBBHHII", size % 256, size % 256, 0, 0,
                               1, bits, len(image), offset)
        offset += len(image)
    return header + entries + b"".join(image for _, _, image in images)


def svg_bytes(rows):
    """The drawing as squares, one path per colour; crispEdges keeps the
    squares from bleeding into each other when scaled."""
    h, w = len(rows), len(rows[0])
    runs = {}  # colour -> path data of its horizontal runs, in drawing order
    for y, row in enumerate(rows):
        x = 0
        while x < w:
            colour = row[x]
            end = x
            while end < w and row[end] == colour:
                end += 1
            if colour[3]:
                runs.setdefault(colour, []).append(
                    "M%d %dh%dv1h-%dz" % (x, y, end - x, end - x))
            x = end
    lines = ['<svg xmlns="http://www.w3.org/2000/svg" width="%d" height="%d" '
             'viewBox="0 0 %d %d" shape-rendering="crispEdges">' % (w, h, w, h)]
    for (r, g, b, a), path in runs.items():
        if a != 255:
            raise XpmError("the SVG takes opaque colours only")
        lines.append('<path fill="#%02x%02x%02x" d="%s"/>'
                     % (r, g, b, "".join(path)))
    lines.append("</svg>")
    return ("\n".join(lines) + "\n").encode("ascii")


def render(xpm_text, form_source):
    _, _, rows = read_xpm(xpm_text)
    by_size = sizes(rows)
    files = {"ribi.ico": ico_bytes(by_size), "ribi.svg": svg_bytes(rows),
             MASKABLE: png_bytes(maskable(by_size[256], window_colour(form_source)))}
    for size in PNG_SIZES + WEB_PNG_SIZES:
        files["ribi-%d.png" % size] = png_bytes(by_size[size])
    return files


def render_files(xpm_path, form_path):
    with open(xpm_path, encoding="ascii") as xpm, open(form_path, encoding="utf-8") as form:
        return render(xpm.read(), form.read())


def write_all(files, directory):
    for name, data in files.items():
        with open(os.path.join(directory, name), "wb") as f:
            f.write(data)


def check(xpm_path, form_path, icon_dir):
    files = render_files(xpm_path, form_path)
    stale = []
    with tempfile.TemporaryDirectory() as tmp:
        # Go through the file system so the check sees what a rebuild writes.
        write_all(files, tmp)
        for name in OUTPUTS:
            with open(os.path.join(tmp, name), "rb") as f:
                fresh = f.read()
            try:
                with open(os.path.join(icon_dir, name), "rb") as f:
                    committed = f.read()
            except FileNotFoundError:
                committed = None
            if committed != fresh:
                stale.append(name)
    for name in stale:
        print("%s does not match %s; run scripts/make_icons.py"
              % (os.path.join(icon_dir, name), xpm_path), file=sys.stderr)
    return 1 if stale else 0


def main(argv=None):
    ap = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    ap.add_argument("--check", action="store_true",
                    help="compare the committed icons with a fresh rendering")
    ap.add_argument("--xpm", default=XPM_PATH, help=argparse.SUPPRESS)
    ap.add_argument("--form", default=FORM_PATH, help=argparse.SUPPRESS)
    ap.add_argument("--out", default=ICON_DIR, help=argparse.SUPPRESS)
    args = ap.parse_args(argv)
    try:
        if args.check:
            return check(args.xpm, args.form, args.out)
        write_all(render_files(args.xpm, args.form), args.out)
    except XpmError as e:
        print("%s: %s" % (args.xpm, e), file=sys.stderr)
        return 2
    return 0


if __name__ == "__main__":
    sys.exit(main())
