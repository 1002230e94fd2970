#!/usr/bin/env python3
"""Builds the Windows zip with CPack and checks what a school gets: the
program and ПРОЧЕТИ.txt at the top, nothing else, names Explorer shows right
and a text Notepad shows right.

Usage: package_zip_test.py BUILD_DIR RIBI_EXE README_TXT
"""
import os
import subprocess
import sys
import tempfile
import zipfile

UTF8_NAMES = 0x800  # general purpose flag bit 11: the name is UTF-8
README = "ПРОЧЕТИ.txt"


def fail(message):
    print("zip:", message)
    sys.exit(1)


def main(build, program, readme):
    with tempfile.TemporaryDirectory() as scratch:
        # libarchive cannot name a Cyrillic file in the C locale.
        env = dict(os.environ, LC_ALL="C.UTF-8")
        subprocess.run(["cpack", "-G", "ZIP", "-B", scratch], cwd=build, env=env, check=True,
                       stdout=subprocess.DEVNULL)
        zips = [name for name in os.listdir(scratch) if name.endswith(".zip")]
        if zips != ["ribi-1.0.0-win32.zip"]:
            fail(f"cpack made {zips}, not ribi-1.0.0-win32.zip")
        with zipfile.ZipFile(os.path.join(scratch, zips[0])) as archive:
            entries = archive.infolist()
            names = sorted(entry.filename for entry in entries)
            if names != sorted(["ribi.exe", README]):
                fail(f"entries are {names}")
            for entry in entries:
                if not entry.filename.isascii() and not entry.flag_bits & UTF8_NAMES:
                    fail(f"{entry.filename} is not marked as a UTF-8 name")
            with open(program, "rb") as built:
                if archive.read("ribi.exe") != built.read():
                    fail("ribi.exe differs from the built program")
            text = archive.read(README)

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
    print("zip: ribi-1.0.0-win32.zip holds ribi.exe and", README)


if __name__ == "__main__":
    main(*sys.argv[1:])
