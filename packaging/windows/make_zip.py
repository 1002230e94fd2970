#!/usr/bin/env python3
"""Builds the Windows zip: the given files side by side at its top, in the
order of their names, each with the time every package carries (the last
commit's, scripts/source-date-epoch.sh) and a mode set here, so that the
same sources give the same zip byte for byte whoever builds it, wherever,
whenever and under whatever umask or time zone.

Usage: make_zip.py OUTPUT FILE...
"""
import subprocess
import sys
import time
import zipfile
from pathlib import Path

SOURCE_DATE = Path(__file__).resolve().parent.parent.parent / "scripts" / "source-date-epoch.sh"


def main(output, *files):
    epoch = int(subprocess.run(["sh", SOURCE_DATE], capture_output=True, text=True, check=True).stdout)
    # A zip's times have no zone: UTC, as the .deb's and the cabinet's are.
    stamp = time.gmtime(epoch)[:6]
    partial = Path(output + ".new")
    with zipfile.ZipFile(partial, "w") as archive:
        for path in sorted(map(Path, files), key=lambda path: path.name):
            entry = zipfile.ZipInfo(path.name, stamp)
            entry.create_system = 3  # Unix, whose modes unzip applies
            mode = 0o755 if path.suffix == ".exe" else 0o644
            entry.external_attr = (0o100000 | mode) << 16
            entry.compress_type = zipfile.ZIP_DEFLATED
            archive.writestr(entry, path.read_bytes(), compresslevel=9)
    partial.replace(output)


if __name__ == "__main__":
    if len(sys.argv) < 3:
        sys.exit(__doc__)
    main(*sys.argv[1:])
