#!/usr/bin/env python3
"""Puts the compiled program into the page: one HTML file with its script
and its WebAssembly (both deflated, for the browser to inflate and run once
the window is painted), its style, its icon and the window itself inline,
under a Content-Security-Policy that lets exactly those run and nothing be
fetched.

The window is drawn into the page by the program itself: the page is first
built without it, loaded once in headless Chromium, where the program builds
the window on the DOM as it does wherever the page holds none, and the
window's markup is cut out of the DOM Chromium prints. The places, sizes and
colours the program gave its elements become rules of the page's style, which
the policy allows, unlike style attributes. The shipped page thus shows the
window before any script runs, and the program takes it over by its ids.

Usage: make_page.py TEMPLATE PROGRAM_JS PROGRAM_WASM ICON_PNG CHROMIUM CLOSURE OUTPUT_HTML
"""

import base64
import hashlib
import html
import re
import subprocess
import sys
import tempfile
from pathlib import Path

LANDMARK = re.compile(r'<main id="ribi-page">.*</main>', flags=re.S)
# The page's own scripts: the one it runs at once, and the loader it runs as text.
SCRIPT = r'<script(?: type="text/plain" id="[a-z-]+")?>(.*?)</script>'
START_TAG = re.compile(r"<([a-z0-9]+)((?:\s+[^\s=>]+(?:=\"[^\"]*\")?)*)\s*>")


def source_hash(text):
    digest = hashlib.sha256(text.encode("utf-8")).digest()
    return "'sha256-" + base64.b64encode(digest).decode("ascii") + "'"


# What a page's parser does not pass on as it is: NUL, CR and "<".
UNSAFE = (0, 13, 60)


def packed(data):
    """Raw DEFLATE, as the page inflates it, and its size. Zopfli's is some
    6 % smaller than zlib's, and the page is painted the sooner for it. The
    bytes are written seven bits to a character (an unsafe seven bits and the
    next seven as one character beyond ASCII), an eighth fewer characters
    than base64 takes."""
    with tempfile.NamedTemporaryFile() as source:
        source.write(data)
        source.flush()
        deflated = subprocess.run(["zopfli", "--deflate", "-c", source.name], stdout=subprocess.PIPE,
                                  check=True).stdout
    bits = "".join(f"{byte:08b}" for byte in deflated)
    bits += "0" * (-len(bits) % 7)
    sevens = [int(bits[at:at + 7], 2) for at in range(0, len(bits), 7)] + [0]
    text, at = [], 0
    while at < len(sevens) - 1:
        if sevens[at] in UNSAFE:
            text.append(chr(0x100 + (UNSAFE.index(sevens[at]) << 7 | sevens[at + 1])))
            at += 2
        else:
            text.append(chr(sevens[at]))
            at += 1
    return "".join(text), str(len(deflated))


def minified(page, closure):
    """The page's own script compiled small, and its style without comments
    or indentation: what a pupil's browser reads before it paints."""
    for script in re.findall(SCRIPT, page, flags=re.S):
        with tempfile.NamedTemporaryFile("w", suffix=".js", encoding="utf-8") as source:
            source.write(script)
            source.flush()
            small = subprocess.run([closure, "--compilation_level", "SIMPLE", "--language_out", "ECMASCRIPT_2017",
                                    "--charset", "UTF-8", "--js", source.name],
                                   stdout=subprocess.PIPE, check=True, text=True, encoding="utf-8").stdout
        page = page.replace(script, small)
    style = re.search(r"<style>\n(.*?)</style>", page, flags=re.S).group(1)
    lines = (line.strip() for line in re.sub(r"/\*.*?\*/", "", style, flags=re.S).splitlines())
    return page.replace(style, "\n".join(line for line in lines if line) + "\n")


def blocks(page, tag):
    return re.findall(rf"<{tag}>(.*?)</{tag}>", page, flags=re.S)


def fill(template, values, program):
    """The template with its values, under a policy that lets run the page's
    own scripts and `program`, the script the page inserts once inflated."""
    # In one pass: a packed block may hold what reads as a name.
    page = re.sub(r"@([A-Z_]+)@", lambda name: values.get(name.group(1), name.group(0)), template)
    styles = blocks(page, "style")
    if len(styles) != 1:
        sys.exit(f"make_page: the page must hold one <style> block, it holds {len(styles)}")
    policy = "; ".join([
        "default-src 'none'",
        "script-src " + " ".join(source_hash(script) for script in re.findall(SCRIPT, page, flags=re.S) + [program])
        + " 'wasm-unsafe-eval'",
        f"style-src {source_hash(styles[0])}",
        "img-src data:",
        "base-uri 'none'",
        "form-action 'none'",
    ])
    return page.replace("@CSP@", policy, 1)


def drawn_dom(chromium, page):
    """The DOM of `page` once its program has built the window. Chromium
    runs the page in virtual time; on a machine under load, that time may run
    out before the program has drawn, so it is given three tries."""
    with tempfile.TemporaryDirectory(prefix="ribi-page-") as scratch:
        path = Path(scratch) / "unpainted.html"
        path.write_text(page, encoding="utf-8")
        for _ in range(3):
            result = subprocess.run(
                [chromium, "--headless", "--no-sandbox", "--disable-gpu", "--no-first-run",
                 "--disable-background-networking", "--disable-component-update", "--disable-sync",
                 f"--user-data-dir={scratch}/profile", "--virtual-time-budget=10000", "--dump-dom", path.as_uri()],
                capture_output=True, text=True, encoding="utf-8", timeout=120, check=False)
            if result.returncode == 0 and LANDMARK.search(result.stdout):
                return result.stdout
    sys.exit(f"make_page: Chromium did not draw the window:\n{result.stderr}")


def cut_window(dom):
    """The window's markup, its style attributes as rules by element id, the
    window's width in pixels and the page's title."""
    rules = []
    form_style = []

    def restyle(tag):
        attributes = tag.group(2)
        style = re.search(r' style="([^"]*)"', attributes)
        declarations = html.unescape(style.group(1)) if style else ""
        if style:
            element = re.search(r' id="([^"]*)"', attributes)
            if not element:
                sys.exit(f"make_page: a styled element without an id: {tag.group(0)}")
            rules.append(f"#{element.group(1)} {{ {declarations} }}")
            attributes = attributes.replace(style.group(0), "")
        if ' class="ribi-form"' in attributes:
            form_style.append(declarations)
            # The window is busy until the program has taken it over.
            attributes += ' aria-busy="true"'
        return f"<{tag.group(1)}{attributes}>"

    window = START_TAG.sub(restyle, LANDMARK.search(dom).group(0))
    width = re.search(r"(?:^|;)\s*width: (\d+)px", form_style[0] if form_style else "")
    if not width:
        sys.exit("make_page: the window has no width")
    title = re.search(r"<title>(.*?)</title>", dom, flags=re.S).group(1)
    return window, "@layer window {\n" + "\n".join(rules) + "\n}", width.group(1), title


def main(template_path, program_path, wasm_path, icon_path, chromium, closure, output_path):
    program = Path(program_path).read_text(encoding="utf-8").strip()
    template = minified(Path(template_path).read_text(encoding="utf-8"), closure)
    (script, script_size), (wasm, wasm_size) = packed(program.encode("utf-8")), packed(Path(wasm_path).read_bytes())
    values = {
        "ICON": base64.b64encode(Path(icon_path).read_bytes()).decode("ascii"),
        "PROGRAM": script, "PROGRAM_SIZE": script_size, "WASM": wasm, "WASM_SIZE": wasm_size,
        "TITLE": "", "WINDOW": "", "WINDOW_STYLE": "", "WINDOW_WIDTH": "0",
    }
    window, style, width, title = cut_window(drawn_dom(chromium, fill(template, values, program)))
    values.update({"TITLE": title, "WINDOW": window, "WINDOW_STYLE": style, "WINDOW_WIDTH": width})
    Path(output_path).write_text(fill(template, values, program), encoding="utf-8")


if __name__ == "__main__":
    if len(sys.argv) != 8:
        sys.exit(__doc__)
    main(*sys.argv[1:])
