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
        pyatspi.Registry.registerEventListener(
            self.listener, "object:property-change:accessible-description", "object:state-changed:focused")
        window_id = subprocess.run(["xdotool", "search", "--sync", "--pid", str(self.process.pid)],
                                   capture_output=True, text=True, check=True).stdout.split()[0]
        subprocess.run(["xdotool", "windowfocus", "--sync", window_id], check=True)

    def close(self):
        pyatspi.Registry.deregisterEventListener(
            self.listener, "object:property-change:accessible-description", "object:state-changed:focused")
        self.process.terminate()
        self.process.wait(10)

    def find(self, role, name):
        for accessible in descendants(self.frame):
            if accessible.getRoleName() == role and accessible.name == name:
                return accessible
        raise AssertionError(f"no {role} named {name!r}")

    def item(self, name):
        return next(item for item in self.names if item.name == name)

    def option(self, name):
        return self.find("radio button", name)

    def text(self):
        text = self.output.queryText()
        return text.getText(0, text.characterCount)

    def act(self, accessible, action):
        actions = accessible.queryAction()
        names = [actions.getName(i) for i in range(actions.nActions)]
        actions.doAction(names.index(action))

    def keys(self, *keys):
        for key in keys:
            subprocess.run(["xdotool", "key", key], check=True)
            pump(0.3)

    def wait_for_text(self, start):
        if not pump(5, lambda: self.text().startswith(start)):
            raise AssertionError(f"the output box shows {self.text()[:60]!r}, not {start!r}...")

    def focused_items(self):
        return [item.name for item in self.names if "focused" in states(item)]


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
        lists = [a for a in descendants(w.frame) if a.getRoleName() == "list"]
        self.assertEqual(len(lists), 1)
        self.assertEqual(w.names.childCount, 18)
        self.assertEqual({item.getRoleName() for item in w.names}, {"list item"})
        self.assertIn("сом", [item.name for item in w.names])
        # The label names the list, and the list knows it.
        label = w.frame[4]
        self.assertEqual(relations(w.names, pyatspi.RELATION_LABELLED_BY), [label])
        self.assertEqual(relations(label, pyatspi.RELATION_LABEL_FOR), [w.names])
        # The frame's caption is the options' group, not also their label.
        frame = w.find("panel", "Тип риби")
        self.assertEqual([(c.getRoleName(), c.name) for c in frame],
                         [("radio button", "Непасажни"), ("radio button", "Пасажни")])
        for option in frame:
            self.assertEqual(relations(option, pyatspi.RELATION_LABELLED_BY), [])
            self.assertEqual(relations(frame, pyatspi.RELATION_LABEL_FOR), [])
        self.assertNotIn("checked", states(frame[0]) | states(frame[1]))

    def test_actions_run_the_handlers_as_clicks_do(self):
        w = self.window
        w.act(w.item("сом"), "Toggle")
        w.wait_for_text(FISH_HEADING + "сом\n" + TYPE_LINE + "Непасажни\n")
        self.assertIn("selected", states(w.item("сом")))
        self.assertIn("checked", states(w.option("Непасажни")))

        w.act(w.option("Пасажни"), "Press")
        w.wait_for_text(TYPE_HEADING + "Пасажни\n")
        self.assertIn("checked", states(w.option("Пасажни")))
        self.assertNotIn("checked", states(w.option("Непасажни")))

        # The fish already selected, chosen again, is shown again.
        w.act(w.item("сом"), "Press")
        w.wait_for_text(FISH_HEADING + "сом\n")
        self.assertIn("checked", states(w.option("Непасажни")))

        # Toggle on the selected option is still its Click: it stays checked.
        w.act(w.option("Непасажни"), "Toggle")
        w.wait_for_text(TYPE_HEADING + "Непасажни\n")
        self.assertIn("checked", states(w.option("Непасажни")))

    def test_the_list_gives_its_focus_to_the_selected_fish_only_while_it_has_it(self):
        w = self.window
        # Output box, option group, list: with nothing chosen no item takes the focus.
        w.keys("Tab", "Tab")
        self.assertTrue(pump(3, lambda: "focused" in states(w.names)))
        pump(0.5)
        self.assertEqual(w.focused_items(), [])
        self.assertFalse([e for e in w.events if e[0].startswith("object:state-changed:focused") and e[1] == "list item"])

        w.act(w.item("калкан"), "Toggle")
        w.wait_for_text(FISH_HEADING + "калкан")
        w.keys("Tab")  # to the output box
        self.assertTrue(pump(3, lambda: "focused" in states(w.output)))
        self.assertEqual(w.focused_items(), [])

        w.events.clear()
        w.keys("shift+Tab")  # back into the list
        self.assertTrue(pump(3, lambda: w.focused_items() == ["калкан"]))
        focus_moves = [e[2] for e in w.events if e[0] == "object:state-changed:focused" and e[3] == 1]
        self.assertEqual(focus_moves[-1], "калкан")

    def test_each_new_output_is_told_through_the_focused_item_or_option(self):
        w = self.window
        w.keys("Tab", "Tab", "Down")
        w.wait_for_text(FISH_HEADING + "есетра\n")
        self.assertTrue(pump(3, lambda: [e for e in w.events if e[0].endswith("accessible-description") and e[3]]))
        told = [e for e in w.events if e[0].endswith("accessible-description") and e[3]]
        self.assertEqual(told[-1][1:3], ("list item", "есетра"))
        self.assertEqual(told[-1][3], w.text())
        self.assertEqual(w.focused_items(), ["есетра"])

        w.events.clear()
        w.keys("shift+Tab", "Down")  # into the option group, to the other type
        w.wait_for_text(TYPE_HEADING + "Пасажни\n")
        self.assertTrue(pump(3, lambda: [e for e in w.events if e[0].endswith("accessible-description") and e[3]]))
        told = [e for e in w.events if e[0].endswith("accessible-description") and e[3]]
        self.assertEqual(told[-1][1:3], ("radio button", "Пасажни"))
        self.assertEqual(told[-1][3], w.text())
        self.assertIn("focused", states(w.option("Пасажни")))
        # What the item said is taken back once the focus moved on.
        self.assertEqual(w.item("есетра").description, "")


if __name__ == "__main__":
    PROGRAM = sys.argv.pop(1)
    unittest.main(verbosity=2)
