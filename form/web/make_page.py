#!/usr/bin/env python3
"""Puts the compiled program into the page: one HTML file with its script,
its WebAssembly (deflated, for the page to inflate), its style and its
icon inline, under a Content-Security-Policy that lets exactly those run
and nothing be fetched.

Usage: make_page.py TEMPLATE PROGRAM_JS PROGRAM_WASM ICON_PNG OUTPUT_HTML
"""

import base64
import zlib
import hashlib
import re
import sys
from pathlib import Path


def source_hash(text):
    digest = hashlib.sha256(text.encode("utf-8")).digest()
    return "'sha256-" + base64.b64encode(digest).decode("ascii") + "'"


def only_block(page, tag):
    blocks = re.findall(rf"<{tag}>(.*?)</{tag}>", page, flags=re.S)
    if len(blocks) != 1:
        sys.exit(f"make_page: the page must hold one <{tag}> block, it holds {len(blocks)}")
    return blocks[0]


def main(template_path, program_path, wasm_path, icon_path, output_path):
    program = Path(program_path).read_text(encoding="utf-8")
    # Inside <script>, these would end the block or change how it is read.
    for sequence in ("</script", "<!--", "<script"):
        if sequence in program.lower():
            sys.exit(f"make_page: the program's script holds '{sequence}'")
    icon = base64.b64encode(Path(icon_path).read_bytes()).decode("ascii")
    wasm = Path(wasm_path).read_bytes()
    deflate = zlib.compressobj(9, zlib.DEFLATED, -15)  # raw DEFLATE, as the page inflates it
    packed = deflate.compress(wasm) + deflate.flush()

    page = Path(template_path).read_text(encoding="utf-8")
    page = page.replace("@ICON@", icon).replace("@WASM@", base64.b64encode(packed).decode("ascii"))
    page = page.replace("@WASM_SIZE@", str(len(wasm)))
    page = page.replace("@PROGRAM@", program.strip())
    policy = "; ".join([
        "default-src 'none'",
        f"script-src {source_hash(only_block(page, 'script'))} 'wasm-unsafe-eval'",
        f"style-src {source_hash(only_block(page, 'style'))}",
        "img-src data:",
        "base-uri 'none'",
        "form-action 'none'",
    ])
    page = page.replace("@CSP@", policy)
    Path(output_path).write_text(page, encoding="utf-8")


if __name__ == "__main__":
    if len(sys.argv) != 6:
        sys.exit(__doc__)
    main(*sys.argv[1:])
