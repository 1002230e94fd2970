#!/usr/bin/env python3
"""Builds the browser edition's folder for a web server, from the built
ribi.html: the same page as index.html, with a web app manifest and a
service worker, so that a phone, tablet or Chromebook can install it from
the school's website and open it with no network.

index.html is ribi.html with three things added: the manifest's link (and
the icon iOS puts on its home screen), the worker's registration, and, in
its Content-Security-Policy, 'self' for the manifest, the worker and images
(the manifest's icons), and the registration's hash. Every address is relative, so the folder works from any
path on any server.

Usage: make_webapp.py [--marker TEXT] RIBI_HTML OUTPUT_DIR
(--marker puts a <meta name="ribi-build"> into index.html: a build that
differs from the last, for tests of how a new build reaches a pupil.)
"""

import argparse
import base64
import hashlib
import html
import json
import re
import sys
from pathlib import Path

HERE = Path(__file__).resolve().parent
ICON_DIR = HERE.parent.parent / "window" / "icon"
# iOS before 16.4 reads no manifest icon, and fills what is transparent in
# its home-screen icon with black: it gets the opaque one.
HOME_SCREEN_ICON = "ribi-maskable-512.png"
CSP = re.compile(r'(<meta http-equiv="Content-Security-Policy" content=")([^"]*)(">)')
ICON_LINK = re.compile(r'<link rel="icon"[^>]*>')


def fail(message):
    sys.exit(f"make_webapp: {message}")


def script_hash(text):
    digest = hashlib.sha256(text.encode("utf-8")).digest()
    return "'sha256-" + base64.b64encode(digest).decode("ascii") + "'"


def window_colour(page):
    """The window's background as #rrggbb, from the rule the page's build
    wrote for the window's element."""
    form = re.search(r'<[a-z]+ id="([^"]+)" class="ribi-form"', page)
    rule = form and re.search(
        "#" + re.escape(form.group(1)) + r" \{[^}]*\bbackground-color: rgb\((\d+), (\d+), (\d+)\)", page)
    if not rule:
        fail("the page gives no background colour for its window")
    return "#" + "".join(f"{int(channel):02x}" for channel in rule.groups())


def with_policy(page, registration):
    """The page's policy, which forbids every fetch, now allowing the
    manifest, the worker and the icons from the page's own server, and the
    registration."""
    found = CSP.search(page)
    if not found:
        fail("the page has no Content-Security-Policy")
    directives = found.group(2).split("; ")
    script = [i for i, directive in enumerate(directives) if directive.startswith("script-src ")]
    if "default-src 'none'" not in directives or len(script) != 1:
        fail(f"unexpected policy: {found.group(2)}")
    directives[script[0]] += " " + script_hash(registration)
    # The manifest's icons are images of the page's, for the browser to
    # check before it offers to install it.
    directives = [d + " 'self'" if d.startswith("img-src ") else d for d in directives]
    directives += ["manifest-src 'self'", "worker-src 'self'"]
    return page[:found.start(2)] + "; ".join(directives) + page[found.end(2):]


def insert(page, anchor, text, before=False):
    """The page with text put after (or before) the one match of anchor."""
    found = list(re.finditer(anchor, page))
    if len(found) != 1:
        fail(f"the page must hold {anchor!r} once")
    at = found[0].start() if before else found[0].end()
    return page[:at] + text + page[at:]


def index_page(page, registration, marker):
    registration = "\n" + registration
    page = with_policy(page, registration)
    page = insert(page, ICON_LINK, '\n<link rel="manifest" href="manifest.webmanifest">'
                  f'\n<link rel="apple-touch-icon" href="{HOME_SCREEN_ICON}">')
    page = insert(page, "</body>", f"<script>{registration}</script>\n", before=True)
    if marker is not None:
        page = insert(page, '<meta charset="utf-8">', f'\n<meta name="ribi-build" content="{html.escape(marker)}">')
    return page


def main(argv=None):
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("page", type=Path)
    parser.add_argument("output", type=Path)
    parser.add_argument("--marker")
    args = parser.parse_args(argv)

    page = args.page.read_text(encoding="utf-8")
    registration = (HERE / "register.js").read_text(encoding="utf-8")
    manifest = (HERE / "manifest.webmanifest").read_text(encoding="utf-8")
    manifest = manifest.replace("@WINDOW_COLOUR@", window_colour(page))
    icons = [icon["src"] for icon in json.loads(manifest)["icons"]]
    files = {
        "index.html": index_page(page, registration, args.marker).encode("utf-8"),
        "manifest.webmanifest": manifest.encode("utf-8"),
        **{name: (ICON_DIR / name).read_bytes() for name in icons + [HOME_SCREEN_ICON]},
    }
    build = hashlib.sha256(b"".join(name.encode() + b"\0" + hashlib.sha256(data).digest()
                                    for name, data in sorted(files.items()))).hexdigest()[:16]
    worker = (HERE / "service-worker.js").read_text(encoding="utf-8")
    worker = worker.replace("@FILES@", json.dumps(list(files))).replace("@BUILD@", build)
    files["service-worker.js"] = worker.encode("utf-8")

    args.output.mkdir(parents=True, exist_ok=True)
    # Readable by the web server's user whatever the umask of the build.
    args.output.chmod(0o755)
    # The worker last: a worker ahead of its files would keep the old ones.
    for name, data in files.items():
        (args.output / name).write_bytes(data)
        (args.output / name).chmod(0o644)


if __name__ == "__main__":
    main()
