#!/usr/bin/env python3
"""Takes the Windows Installer package `make package` builds, builds a newer
version of it, and checks them as an administrator would: their tables (a
plain shortcut, the upgrade), then under Wine a silent install (every file,
the Bulgarian names kept), an upgrade by the newer version, a refused
downgrade and a silent removal that leaves nothing behind.

64-bit Wine's msiexec installs the 32-bit package too, so this runs where
32-bit programs cannot; the installed program is started only where they can.
Without 64-bit Wine, 32-bit Wine does it all where it can run.

Usage: package_msi_test.py BUILD_DIR SOURCE_DIR RIBI_EXE VERSION
Exits 77 (skipped) where no Wine can run.
"""
import filecmp
import glob
import os
import re
import shutil
import subprocess
import sys
import time

NAME = "Пасажни и непасажни риби"
PUBLISHER = "Велорна"
SHORTCUT = NAME + ".lnk"
INSTALLED = ["ribi.exe", "LICENSE.txt", "NOTICES.txt"]
SKIPPED = 77


def fail(message):
    print("msi:", message)
    sys.exit(1)


def check(holds, message):
    if not holds:
        fail(message)


def run(command, cwd=None):
    done = subprocess.run(command, capture_output=True, text=True, cwd=cwd)
    check(done.returncode == 0, f"{' '.join(command)}: {done.stdout}{done.stderr}")
    return done.stdout


def make_package(build, source, program, version, work):
    output = os.path.join(work, f"ribi-{version}.msi")
    texts = ";".join(os.path.join(build, "windows-texts", name) for name in INSTALLED[1:])
    run(["cmake", f"-DPROGRAM={program}", f"-DTEXTS={texts}",
         f"-DICON={os.path.join(source, 'window', 'icon', 'ribi.ico')}", f"-DVERSION={version}",
         f"-DOUTPUT={output}", f"-DWORK={os.path.join(work, 'tables-' + version)}",
         "-P", os.path.join(source, "packaging", "windows", "make_msi.cmake")])
    return output


def table(package, name):
    """The rows of one table, as msiinfo exports them. Binary data goes into
    files beside the package."""
    lines = run(["msiinfo", "export", package, name], cwd=os.path.dirname(package)).splitlines()[3:]
    return [line.split("\t") for line in lines]


def check_tables(package, version):
    """What installing the package does not show: names, versions and files
    are checked installed."""
    properties = {row[0]: row[1] for row in table(package, "Property")}
    check(properties.get("ALLUSERS") == "1", "the package installs for one user, not for the machine")
    check(properties.get("ARPPRODUCTICON") in [row[0] for row in table(package, "Icon")],
          "Programs and Features would show no icon")
    # A feature's name as the target would make an advertised shortcut.
    shortcuts = table(package, "Shortcut")
    check([row[4] for row in shortcuts] == ["[#ribi.exe]"],
          f"the shortcuts are {shortcuts}, not one to the installed program")

    upgrades = table(package, "Upgrade")
    check({row[0] for row in upgrades} == {properties.get("UpgradeCode")},
          "the upgrade table looks for another product")
    removes = [row for row in upgrades if not int(row[4]) & 2]  # not "detect only"
    check(len(removes) == 1 and removes[0][2] == version,
          f"no single row removing versions before {version}: {upgrades}")
    template = [line for line in run(["msiinfo", "suminfo", package]).splitlines() if line.startswith("Template:")]
    check(template == ["Template: Intel;1026"], f"summary says {template}, not a 32-bit Bulgarian package")
    return properties


class Wine:
    """Wine in a prefix of the build tree, waited for after each step."""

    def __init__(self, prefix, loader, server):
        self.env = dict(os.environ, WINEPREFIX=prefix, WINEDEBUG="-all", WINEDLLOVERRIDES="mscoree,mshtml=",
                        WINESERVER=server)
        self.prefix, self.loader, self.server = prefix, loader, server
        if not os.path.exists(os.path.join(prefix, "system.reg")):
            self.run("wineboot", "-i")

    def run(self, *arguments):
        status = subprocess.run([self.loader, *arguments], env=self.env, stdout=subprocess.DEVNULL,
                                stderr=subprocess.DEVNULL).returncode
        subprocess.run([self.server, "-w"], env=self.env, check=True)
        return status

    def msiexec(self, option, package):
        return self.run("msiexec", option, "Z:" + package.replace("/", "\\"), "/qn")

    def drive_c(self, *path):
        return os.path.join(self.prefix, "drive_c", *path)

    def registry(self):
        # Wine writes characters beyond ASCII as \x and up to four hex digits.
        with open(os.path.join(self.prefix, "system.reg"), encoding="ascii", errors="replace") as saved:
            return re.sub(r"\\x([0-9a-fA-F]{1,4})", lambda m: chr(int(m.group(1), 16)), saved.read())


def program_folders(wine):
    """Under Program Files (x86) or Program Files, where there is one."""
    return glob.glob(wine.drive_c("Program Files*", "Ribi"))


def shortcuts(wine):
    # Per machine on Windows; Wine 8 puts it in the user's menu instead.
    menu = os.path.join("Microsoft", "Windows", "Start Menu", "Programs", SHORTCUT)
    places = (("ProgramData",), ("users", "*", "AppData", "Roaming"))
    return [found for place in places for found in glob.glob(wine.drive_c(*place, menu))]


def uninstall_entries(wine, product_code):
    """DisplayName, DisplayVersion and Publisher of the product's entry in
    Programs and Features, or None."""
    match = re.search(r"\\\\Uninstall\\\\" + re.escape(product_code) + r"\] [^\n]*\n(.*?)\n\n", wine.registry(),
                      re.S)
    if not match:
        return None
    values = dict(re.findall(r'^"(\w+)"="([^"]*)"$', match.group(1), re.M))
    return values.get("DisplayName"), values.get("DisplayVersion"), values.get("Publisher")


def check_installed(wine, properties, version, program):
    folders = program_folders(wine)
    check(len(folders) == 1 and sorted(os.listdir(folders[0])) == sorted(INSTALLED),
          f"after installing {version}: program folders {folders}")
    check(filecmp.cmp(os.path.join(folders[0], "ribi.exe"), program, shallow=False),
          f"after installing {version}: ribi.exe is not the built one")
    check(shortcuts(wine), f"after installing {version}: no shortcut named {SHORTCUT}")
    entry = uninstall_entries(wine, properties["ProductCode"])
    check(entry == (NAME, version, PUBLISHER), f"after installing {version}: Programs and Features shows {entry}")
    return folders[0]


def can_run_32bit(source):
    return subprocess.run(["sh", os.path.join(source, "scripts", "can-run-32bit.sh")]).returncode == 0


def wine_loader(source, bits):
    """The loader and server of the Wine that runs `bits`-bit programs."""
    return run(["sh", os.path.join(source, "scripts", "wine-loader.sh"), str(bits)]).split()


def installer_wine(source):
    """The Wine for msiexec: 64-bit where installed, else 32-bit where it can run."""
    for bits in (64, 32):
        loader, server = wine_loader(source, bits)
        if shutil.which(loader) and (bits == 64 or can_run_32bit(source)):
            return loader, server
    return None


def see_window(wine, source, program):
    """Starts the installed program with 32-bit Wine and waits for its window."""
    started = subprocess.Popen([wine_loader(source, 32)[0], program], env=wine.env, stdout=subprocess.DEVNULL,
                               stderr=subprocess.DEVNULL)
    try:
        for _ in range(60):
            found = subprocess.run(["xdotool", "search", "--name", "Велорна"], capture_output=True)
            if found.returncode == 0:
                return
            time.sleep(0.5)
        fail("the installed program showed no window")
    finally:
        started.kill()
        started.wait()
        subprocess.run([wine.server, "-k"], env=wine.env)


def main(build, source, program, version):
    loader_and_server = installer_wine(source)
    if not loader_and_server:
        print("msi: no Wine that can run here; skipped")
        sys.exit(SKIPPED)
    work = os.path.join(build, "msi-test")
    shutil.rmtree(work, ignore_errors=True)
    os.makedirs(work)
    parts = version.split(".")
    newer = ".".join(parts[:-1] + [str(int(parts[-1]) + 1)])
    package = shutil.copy(os.path.join(build, "packages", f"ribi-{version}.msi"), work)
    upgrade = make_package(build, source, program, newer, work)
    properties = check_tables(package, version)
    upgraded = check_tables(upgrade, newer)

    # A prefix of each Wine's own: one that 32-bit Wine made, 64-bit Wine cannot use.
    loader = os.path.basename(loader_and_server[0])
    wine = Wine(os.path.join(build, f"msi-wineprefix-{loader}"), *loader_and_server)
    # What a run that failed half-way left installed goes first.
    for leftover in (upgrade, package):
        if program_folders(wine):
            wine.msiexec("/x", leftover)
    check(wine.msiexec("/i", package) == 0, f"msiexec /i ribi-{version}.msi failed")
    folder = check_installed(wine, properties, version, program)
    if can_run_32bit(source) and os.environ.get("DISPLAY"):
        see_window(wine, source, os.path.join(folder, "ribi.exe"))
    else:
        print("msi: the installed program is not started: no 32-bit programs or no display here")

    check(wine.msiexec("/i", upgrade) == 0, f"msiexec /i ribi-{newer}.msi over {version} failed")
    check_installed(wine, upgraded, newer, program)
    check(uninstall_entries(wine, properties["ProductCode"]) is None, f"{version} is still listed after the upgrade")
    check(wine.msiexec("/i", package) != 0, f"{version} installed over {newer}")
    check_installed(wine, upgraded, newer, program)

    check(wine.msiexec("/x", upgrade) == 0, "msiexec /x failed")
    left = program_folders(wine) + shortcuts(wine)
    check(not left and upgraded["ProductCode"] not in wine.registry(),
          f"left after removal: {left or 'registry entries'}")
    print(f"msi: ribi-{version}.msi installs, upgrades to {newer}, refuses the downgrade and uninstalls cleanly")


if __name__ == "__main__":
    if len(sys.argv) != 5:
        sys.exit(__doc__)
    main(*(os.path.abspath(path) for path in sys.argv[1:4]), sys.argv[4])
