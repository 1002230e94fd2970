"""What the screen reader Orca says to a pupil who uses only the keyboard.
Orca runs without a speech server; what it would say is read from its debug
log. Run inside in_desktop_session.sh with Debian's python3:
orca_test.py PROGRAM"""

import os
import re
import subprocess
import sys
import tempfile
import time
import unittest

PROGRAM = None  # set from the command line
SPOKEN = re.compile(r"SPEECH OUTPUT: '(.*?)'\s*\{", re.S)


def normalised(text):
    return " ".join(text.split())


class Orca:
    def __init__(self, home):
        self.log = os.path.join(home, "orca.log")
        settings = os.path.join(home, "orca")
        os.makedirs(settings)
        # Orca buffers its log; line by line, the test reads it as it is said.
        with open(os.path.join(settings, "orca-customizations.py"), "w", encoding="utf-8") as customizations:
            customizations.write("import orca.debug\norca.debug.debugFile.reconfigure(line_buffering=True)\n")
        environment = dict(os.environ, HOME=home, XDG_CONFIG_HOME="", XDG_DATA_HOME="", XDG_CACHE_HOME="")
        # On a busy machine Orca now and then stalls while it starts, before
        # it says a word: a second start is given the same time.
        for _ in range(2):
            self.process = subprocess.Popen(["orca", "--debug-file=" + self.log, "-u", settings],
                                            env=environment, stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL,
                                            stderr=subprocess.DEVNULL)
            if self.wait_for(lambda said: "Screen reader on." in said, 30):
                return
            with open(self.log, encoding="utf-8", errors="replace") as log:
                stalled = log.read()[-3000:]
            self.stop()
        raise AssertionError("Orca did not start, twice:\n" + stalled)

    def said(self):
        try:
            with open(self.log, encoding="utf-8", errors="replace") as log:
                return [normalised(m.group(1)) for m in SPOKEN.finditer(log.read())]
        except FileNotFoundError:
            return []

    def wait_for(self, condition, seconds):
        deadline = time.monotonic() + seconds
        while time.monotonic() < deadline:
            if condition(self.said()):
                return True
            time.sleep(0.1)
        return False

    def after(self, *keys, until=lambda said: True, settle=1.0, timeout=20):
        """What Orca says after the keys, once it has said what `until` waits
        for and has then been quiet for `settle` s: on a busy machine Orca
        may pause longer than that between two utterances. A failure when
        it never says that."""
        start = len(self.said())
        for key in keys:
            subprocess.run(["xdotool", "key", key], check=True)
            time.sleep(0.2)
        deadline = time.monotonic() + timeout
        last, quiet_since = len(self.said()), time.monotonic()
        while time.monotonic() < deadline:
            time.sleep(0.1)
            now = len(self.said())
            if now != last:
                last, quiet_since = now, time.monotonic()
            elif now > start and time.monotonic() - quiet_since >= settle and until(self.said()[start:]):
                return self.said()[start:]
        raise AssertionError(f"after {keys}, Orca said only {self.said()[start:]}")

    def stop(self):
        self.process.terminate()
        try:
            self.process.wait(5)
        except subprocess.TimeoutExpired:
            self.process.kill()
            self.process.wait(5)


class OrcaTest(unittest.TestCase):
    def setUp(self):
        home = tempfile.mkdtemp(dir=os.environ["HOME"])  # the session's own, which goes with it
        self.program = subprocess.Popen([PROGRAM])
        self.addCleanup(self.program.terminate)
        window = subprocess.run(["xdotool", "search", "--sync", "--pid", str(self.program.pid)],
                                capture_output=True, text=True, check=True).stdout.split()[0]
        self.orca = Orca(home)
        self.addCleanup(self.orca.stop)
        subprocess.run(["xdotool", "windowfocus", "--sync", window], check=True)
        self.assertTrue(self.orca.wait_for(lambda said: any("Текст на задачата и отговор" in s for s in said), 20))
        import pyatspi  # only now: a client already on the bus holds Orca's start up

        self.output = next(a for app in pyatspi.Registry.getDesktop(0) if app and app.get_process_id() == self.program.pid
                           for a in pyatspi.utils.findAllDescendants(app, lambda a: a.getRoleName() == "text"))

    def shown(self):
        text = self.output.queryText()
        return normalised(text.getText(0, text.characterCount))

    def test_a_keyboard_pupil_hears_each_answer_and_where_they_are(self):
        orca = self.orca
        orca.after("Tab", "Tab", until=lambda said: "Име на риба." in said)  # past the option group, into the list

        said = orca.after("Down", until=lambda said: any(s.startswith("Посочена е вид риба") for s in said))
        self.assertEqual(said[0], "есетра.")
        self.assertTrue(self.shown().startswith("Посочена е вид риба: есетра Тя е от типа: Непасажни "))
        self.assertEqual(said[-1], self.shown(), "the fish, its type and its description")

        said = orca.after("shift+Tab", until=lambda said: "selected radio button" in said)  # back into the option group: its type is marked
        self.assertEqual(said[-2:], ["Непасажни.", "selected radio button"])
        self.assertEqual(sum("Тип риби" in s for s in said), 1, said)

        said = orca.after("Down", until=lambda said: any(s.startswith("Посочен тип риба") for s in said))
        self.assertEqual(said[:2], ["Пасажни.", "selected radio button"])
        self.assertTrue(self.shown().startswith("Посочен тип риба: Пасажни Включва видове: "))
        self.assertEqual(said[-1], self.shown(), "the type and its fish")

        said = orca.after("Tab", until=lambda said: "есетра." in said)  # into the list again: the fish chosen, and only that
        self.assertFalse([s for s in said if "Посочен" in s], said)


if __name__ == "__main__":
    PROGRAM = sys.argv.pop(1)
    unittest.main(verbosity=2)
