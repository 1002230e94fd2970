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


def fail(message):
    print("zip:", message)
    sys.exit(1)


def main(build, program, readme, version):
    expected = f"ribi-{version}-win32.zip"
    with zipfile.ZipFile(os.path.join(build, "packages", expected)) as archive:
        entries = archive.infolist()
        names = sorted(entry.filename for entry in entries)
        if names != sorted(["ribi.exe", README] + LICENCES):
            fail(f"entries are {names}")
        for entry in entries:
            # Windows 7's extractor garbles names that are not ASCII.
            if not entry.filename.isascii():
                fail(f"{entry.filename} is not an ASCII name")
        with open(program, "rb") as built:
            if archive.read("ribi.exe") != built.read():
                fail("ribi.exe differs from the built program")
        text = archive.read(README)
        licences = {name: archive.read(name) for name in LICENCES}

    with open(readme, "rb") as source:
        if text != source.read():
            fail(f"{README} differs from {readme}")
    if not text.startswith(b"\xef\xbb\xbf"):
        fail(f"{README} has no byte order mark: Notepad before Windows 10 would guess its code page")
    if text.count(b"\n") != text.count(b"\r\n") or text.count(b"\r") != text.count(b"\r\n"):
        fail(f"{README} has line breaks other than CR LF")
    words = text.decode("utf-8")
    for needed in ("ribi.exe", "Windows 7", "пряк път"):
        if needed not in words:
            fail(f"{README} does not mention {needed}")
    for name, licence in licences.items():
        if not licence.startswith(b"\xef\xbb\xbf") or licence.count(b"\n") != licence.count(b"\r\n"):
            fail(f"{name} has no byte order mark or line breaks other than CR LF")
    if "Велорна".encode() not in licences["LICENSE.txt"]:
        fail("LICENSE.txt does not name the copyright holder")
    for runtime in (b"mingw-w64 project", b"Lucent Technologies", b"David M. Gay"):
        if runtime not in licences["NOTICES.txt"]:
            fail(f"NOTICES.txt lacks the notice of {runtime.decode()}")
    print(f"zip: {expected} holds ribi.exe,", README, "and", ", ".join(LICENCES))


if __name__ == "__main__":
    main(*sys.argv[1:])
