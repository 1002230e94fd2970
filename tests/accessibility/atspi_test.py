"""What assistive technology sees of the window and what it can do with it,
read over AT-SPI as a screen reader reads it. Run inside in_desktop_session.sh
with Debian's python3: atspi_test.py PROGRAM"""

import subprocess
import sys
import time
import unittest

import pyatspi
from gi.repository import GLib

PROGRAM = None  # set from the command line

FISH_HEADING = "Посочена е вид риба: "
TYPE_LINE = "Тя е от типа: "
TYPE_HEADING = "Посочен тип риба: "


def pump(seconds, until=lambda: False):
    """Lets events arrive for up to `seconds`; True once `until` holds."""
    context = GLib.MainContext.default()
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        while context.pending():
            context.iteration(False)
        if until():
            return True
        time.sleep(0.02)
    return until()


def states(accessible):
    return {pyatspi.stateToString(s) for s in accessible.getState().getStates()}


def relations(accessible, kind):
    return [r.getTarget(i) for r in accessible.getRelationSet() if r.getRelationType() == kind
            for i in range(r.getNTargets())]


def descendants(accessible):
    for child in accessible:
        yield child
        yield from descendants(child)


EVENTS = ("object:property-change:accessible-description", "object:state-changed:focused")


class Window:
    """The program started as a desktop starts it, and its window over AT-SPI."""

    def __init__(self):
        self.process = subprocess.Popen([PROGRAM])
        self.events = []
        desktop = pyatspi.Registry.getDesktop(0)

        def find_frame():
            for app in desktop:
                if app and app.get_process_id() == self.process.pid and app.childCount:
                    return app[0]
            return None

        if not pump(20, lambda: find_frame() is not None):
            raise AssertionError("the window never appeared on the AT-SPI bus")
        self.frame = find_frame()
        self.output = self.find("text", "Текст на задачата и отговор")
        self.names = self.find("list", "Име на риба")
        # Type, source role and name, and what changed: the state's new value,
        # or the new description (read at once, as a screen reader does).
        self.listener = lambda event: self.events.append(
            (event.type, event.source.getRoleName(), event.source.name,
             event.detail1 if "state-changed" in event.type else event.source.description))
        pyatspi.Registry.registerEventListener(self.listener, *EVENTS)
        window_id = subprocess.run(["xdotool", "search", "--sync", "--pid", str(self.process.pid)],
                                   capture_output=True, text=True, check=True).stdout.split()[0]
        subprocess.run(["xdotool", "windowfocus", "--sync", window_id], check=True)

    def close(self):
        pyatspi.Registry.deregisterEventListener(self.listener, *EVENTS)
        self.process.terminate()
        self.process.wait(10)

    def find(self, role, name):
        for accessible in descendants(self.frame):
            if accessible.getRoleName() == role and accessible.name == name:
                return accessible
        raise AssertionError(f"no {role} named {name!r}")

    def checked(self):
        return [name for name in ("Непасажни", "Пасажни") if "checked" in states(self.find("radio button", name))]

    def text(self):
        text = self.output.queryText()
        return text.getText(0, text.characterCount)

    def act(self, accessible, action):
        actions = accessible.queryAction()
        actions.doAction([actions.getName(i) for i in range(actions.nActions)].index(action))

    def keys(self, *keys):
        for key in keys:
            subprocess.run(["xdotool", "key", key], check=True)
            pump(0.3)

    def wait_for_text(self, start):
        if not pump(5, lambda: self.text().startswith(start)):
            raise AssertionError(f"the output box shows {self.text()[:60]!r}, not {start!r}...")

    def focused_items(self):
        return [item.name for item in self.names if "focused" in states(item)]

    def focus_moves(self, role=None):
        """The names of what took the focus, of `role` alone if given."""
        return [e[2] for e in self.events if e[0] == EVENTS[1] and e[3] == 1 and role in (None, e[1])]

    def told(self):
        """(role, name, description) of each new description."""
        return [e[1:] for e in self.events if e[0] == EVENTS[0] and e[3]]


class AccessibilityTest(unittest.TestCase):
    def setUp(self):
        self.window = Window()
        self.addCleanup(self.window.close)

    def test_tree_offers_what_a_pupil_sees_with_names_roles_and_relations(self):
        w = self.window
        self.assertEqual(w.frame.getRoleName(), "frame")
        self.assertEqual([(c.getRoleName(), c.name) for c in w.frame],
                         [("text", "Текст на задачата и отговор"), ("label", "Велорна"), ("panel", "Тип риби"),
                          ("list", "Име на риба"), ("label", "Име на риба")])
        # The hidden catalogue lists are not there: one list, of names.
        self.assertEqual([a for a in descendants(w.frame) if a.getRoleName() == "list"], [w.names])
        self.assertEqual(w.names.childCount, 18)
        self.assertEqual({item.getRoleName() for item in w.names}, {"list item"})
        self.assertIn("сом", [item.name for item in w.names])
        # The label names the list, and the list knows it.
        label = w.frame[4]
        self.assertEqual(relations(w.names, pyatspi.RELATION_LABELLED_BY), [label])
        self.assertEqual(relations(label, pyatspi.RELATION_LABEL_FOR), [w.names])
        # The frame's caption is the options' group, not also their label.
        frame = w.frame[2]
        self.assertEqual([(c.getRoleName(), c.name) for c in frame],
                         [("radio button", "Непасажни"), ("radio button", "Пасажни")])
        self.assertEqual(relations(frame, pyatspi.RELATION_LABEL_FOR), [])
        self.assertEqual([relations(option, pyatspi.RELATION_LABELLED_BY) for option in frame], [[], []])
        self.assertEqual(w.checked(), [])

    def test_actions_run_the_handlers_as_clicks_do(self):
        w = self.window
        for accessible, action, start, checked in (
                (w.find("list item", "сом"), "Toggle", FISH_HEADING + "сом\n" + TYPE_LINE + "Непасажни\n", "Непасажни"),
                (w.find("radio button", "Пасажни"), "Press", TYPE_HEADING + "Пасажни\n", "Пасажни"),
                # The fish already selected, chosen again, is shown again.
                (w.find("list item", "сом"), "Press", FISH_HEADING + "сом\n", "Непасажни"),
                # Toggle on the selected option is still its Click: it stays checked.
                (w.find("radio button", "Непасажни"), "Toggle", TYPE_HEADING + "Непасажни\n", "Непасажни")):
            w.act(accessible, action)
            w.wait_for_text(start)
            self.assertEqual(w.checked(), [checked])
        self.assertIn("selected", states(w.find("list item", "сом")))

    def test_the_focused_item_or_option_tells_each_new_output_and_the_list_focuses_its_selected_fish(self):
        w = self.window
        # Output box, option group, list: with nothing chosen no item takes the focus.
        w.keys("Tab", "Tab")
        self.assertTrue(pump(3, lambda: "focused" in states(w.names)))
        pump(0.5)
        self.assertEqual(w.focused_items(), [])
        self.assertEqual(w.focus_moves("list item"), [])
        for keys, start, role, name in ((("Down",), FISH_HEADING + "есетра\n", "list item", "есетра"),
                                        # Into the option group, to the other type.
                                        (("shift+Tab", "Down"), TYPE_HEADING + "Пасажни\n", "radio button", "Пасажни")):
            w.events.clear()
            w.keys(*keys)
            w.wait_for_text(start)
            self.assertTrue(pump(3, w.told))
            self.assertEqual(w.told()[-1], (role, name, w.text()))
            self.assertIn("focused", states(w.find(role, name)))
        # What the item said is taken back once the focus moved on.
        self.assertEqual(w.find("list item", "есетра").description, "")

        w.events.clear()
        w.keys("Tab")  # back into the list: to its selected fish
        self.assertTrue(pump(3, lambda: w.focused_items() == ["есетра"]))
        self.assertEqual(w.focus_moves()[-1], "есетра")
        w.keys("Tab")  # to the output box
        self.assertTrue(pump(3, lambda: "focused" in states(w.output)))
        self.assertEqual(w.focused_items(), [])


if __name__ == "__main__":
    PROGRAM = sys.argv.pop(1)
    unittest.main(verbosity=2)
