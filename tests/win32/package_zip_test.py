#!/usr/bin/env python3
"""Checks the Windows zip as `make package` builds it, for what a school
gets: the program, PROCHETI.txt and the licences at the top, nothing
else, names every extractor shows right and texts Notepad shows right.

Usage: package_zip_test.py BUILD_DIR RIBI_EXE README_TXT VERSION
"""
import os
import sys
import zipfile

README = "PROCHETI.txt"
LICENCES = ["LICENSE.txt", "NOTICES.txt"]


def check(holds, message):
    if not holds:
        print("zip:", message)
        sys.exit(1)


def main(build, program, readme, version):
    expected = f"ribi-{version}-win32.zip"
    with zipfile.ZipFile(os.path.join(build, "packages", expected)) as archive:
        # ASCII names alone: Windows 7's extractor garbles the others.
        names = sorted(archive.namelist())
        check(names == sorted(["ribi.exe", README] + LICENCES), f"entries are {names}")
        with open(program, "rb") as built:
            check(archive.read("ribi.exe") == built.read(), "ribi.exe differs from the built program")
        texts = {name: archive.read(name) for name in [README] + LICENCES}

    with open(readme, "rb") as source:
        check(texts[README] == source.read(), f"{README} differs from {readme}")
    # Without a byte order mark Notepad before Windows 10 would guess the code page.
    for name, text in texts.items():
        check(text.startswith(b"\xef\xbb\xbf") and text.count(b"\n") == text.count(b"\r") == text.count(b"\r\n"),
              f"{name} has no byte order mark or line breaks other than CR LF")
    words = texts[README].decode("utf-8")
    for needed in ("ribi.exe", "Windows 7", "пряк път"):
        check(needed in words, f"{README} does not mention {needed}")
    check("Велорна".encode() in texts["LICENSE.txt"], "LICENSE.txt does not name the copyright holder")
    for runtime in (b"mingw-w64 project", b"Lucent Technologies", b"David M. Gay"):
        check(runtime in texts["NOTICES.txt"], f"NOTICES.txt lacks the notice of {runtime.decode()}")
    print(f"zip: {expected} holds ribi.exe,", README, "and", ", ".join(LICENCES))


if __name__ == "__main__":
    main(*sys.argv[1:])
