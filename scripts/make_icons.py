#!/usr/bin/env python3
"""Render the program icon from its one drawing, window/icon/ribi.xpm.

Writes window/icon/ribi.ico (Win32 resource), ribi-32.png and ribi-128.png
(hicolor theme). The outputs are committed because the build does not run
Python; `make_icons.py --check` regenerates them into a temporary directory
and fails if the committed files are not byte-for-byte what the drawing gives.

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
OUTPUTS = ("ribi.ico", "ribi-32.png", "ribi-128.png")

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


def scale2x(rows):
    """Scale2x: doubles the size, rounding staircase edges without blur.

    Every output pixel is a colour of the drawing, so the outline stays crisp
    and no new colours (or partial alpha) appear.
    """
    h, w = len(rows), len(rows[0])
    out = []
    for y in range(h):
        top, bottom = [], []
        for x in range(w):
            p = rows[y][x]
            a = rows[y - 1][x] if y > 0 else p
            d = rows[y + 1][x] if y < h - 1 else p
            c = rows[y][x - 1] if x > 0 else p
            b = rows[y][x + 1] if x < w - 1 else p
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


def ico_bytes(rows):
    """One 32x32 image, 8 bits per pixel with an AND mask, as windres wants."""
    h, w = len(rows), len(rows[0])
    if (w, h) != (32, 32):
        raise XpmError("icon drawing must be 32x32, is %dx%d" % (w, h))

    # Index 0 is black: transparent pixels use it so that the XOR pass leaves
    # the screen untouched where the AND mask kept it.
    palette = [(0, 0, 0)]
    index = {}
    for row in rows:
        for px in row:
            if px[3] and px[:3] not in index:
                if px[3] != 255:
                    raise XpmError("partial alpha cannot go into the mask")
                index[px[:3]] = len(palette)
                palette.append(px[:3])
    if len(palette) > 256:
        raise XpmError("%d colours do not fit an 8-bit palette" % len(palette))
    palette += [(0, 0, 0)] * (256 - len(palette))

    xor = bytearray()
    mask = bytearray()
    for row in reversed(rows):  # DIBs are stored bottom-up
        bits = 0
        for px in row:
            xor.append(index[px[:3]] if px[3] else 0)
            bits = (bits << 1) | (0 if px[3] else 1)
        mask += bits.to_bytes(w // 8, "big")  # 4 bytes: already DWORD-aligned
    image = (struct.pack("<IiiHHIIiiII", 40, w, 2 * h, 1, 8, 0,
                         len(xor) + len(mask), 0, 0, 0, 0)
             + b"".join(bytes((b, g, r, 0)) for r, g, b in palette)
             + bytes(xor) + bytes(mask))
    header = struct.pack("<HHH", 0, 1, 1)
    # Width, height, colour count (0 means 256), reserved, planes, bit count.
    entry = struct.pack("<BBBBHHII", w, h, 0, 0, 1, 8, len(image),
                        len(header) + 16)
    return header + entry + image


def render(xpm_text):
    _, _, rows = read_xpm(xpm_text)
    return {
        "ribi.ico": ico_bytes(rows),
        "ribi-32.png": png_bytes(rows),
        "ribi-128.png": png_bytes(scale2x(scale2x(rows))),
    }


def write_all(files, directory):
    for name, data in files.items():
        with open(os.path.join(directory, name), "wb") as f:
            f.write(data)


def check(xpm_path, icon_dir):
    with open(xpm_path, encoding="ascii") as f:
        files = render(f.read())
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
    ap.add_argument("--out", default=ICON_DIR, help=argparse.SUPPRESS)
    args = ap.parse_args(argv)
    try:
        if args.check:
            return check(args.xpm, args.out)
        with open(args.xpm, encoding="ascii") as f:
            write_all(render(f.read()), args.out)
    except XpmError as e:
        print("%s: %s" % (args.xpm, e), file=sys.stderr)
        return 2
    return 0


if __name__ == "__main__":
    sys.exit(main())
