#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 Varnelo developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""The calculator page walked with the keyboard, as a blind designer would, while Orca speaks.

Each test starts the program afresh on a private desktop with Orca (see session.py), presses
keys with xdotool and checks what Orca says. Usage: screenreader_tests.py BUILD_DIR
(VARNELO_SCREENREADER_ONLY=text runs only the tests whose names hold the text)"""

import os
import subprocess
import sys
import tempfile
import time
import traceback

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from session import Desktop, Timeout, WaitFor  # noqa: E402
from tierprocesses import end_on_signals  # noqa: E402 - session.py puts it on the path

# The page's controls in keyboard order, after the tab row: name, label, and for a list
# its items (the first is chosen at start where not said otherwise).
PAGE = [
    ("Edit1", "Тепловая мощность, кВт:", None),
    ("ComboBox1", "Перепад температур контуров водяного пола:", ["5", "10"]),
    ("Edit4", "Длина трубы одного контура, м:", None),
    ("ComboBox2", "Труба теплого водяного пола:", ["М/П  Ф16-2,0"]),
    ("BitBtn1", "Рассчитать!", None),
    ("Edit5", "Максимальное количество контуров:", None),
    ("Edit6", "Расход одного контура, л/м:", None),
    ("ComboBox3", "Насос:", ["willo 25/6", "willo 25/4", "willo 25/8"]),
    ("Edit8", "Удельная тепловая мощность, Вт/м2:", None),
    ("Edit9", "Давление на коллекторе, м.в.ст.:", None),
    ("ComboBox4", "Настроечная температура термоголовки:", ["35", "40", "45", "50", "55", "60"]),
    ("ComboBox5", "Шаг укладки, мм:", ["100", "150", "200"]),
    ("Edit3", "Сопротивление смесительного узла, м.в.ст.:", None),
    ("ComboBox6", "Подающая температура котла:", ["50", "60", "70", "80", "90"]),
    ("Edit13", "Площадь, м2:", None),
]
START_ITEM = {"ComboBox1": "5", "ComboBox2": "М/П  Ф16-2,0", "ComboBox3": "willo 25/6",
              "ComboBox4": "50", "ComboBox5": "150", "ComboBox6": "70"}
# The calculation sheet's commands in the page's context menu, top to bottom.
SHEET_COMMANDS = ["Копировать расчёт", "Сохранить расчёт в PDF…", "Печать расчёта…"]
NOTICE = "Настроечная температура не должна превышать температуру котла!"
CONVERSION_ERROR = "'1-2' is not a valid floating point value."

# One worked calculation: boiler 90, set temperature 60, drop 5, length 60, pitch 100,
# pump willo 25/8, with the Russian decimal comma.
WORKED_RESULTS = {"Edit6": "2,57", "Edit3": "2,06", "Edit5": "17", "Edit9": "1,2468",
                  "Edit1": "15,25", "Edit8": "149,5", "Edit13": "102"}


def Position(name):
    return next(i for i, row in enumerate(PAGE, start=1) if row[0] == name)


def Label(name):
    return PAGE[Position(name) - 1][1]


class Program:
    """One run of the calculator on the desktop, driven by keys, heard through Orca."""

    def __init__(self, desktop, executable, transcript=None):
        self.desktop = desktop
        self.transcript = transcript
        self.position = 0  # 0: the tab row, which has the focus at start
        desktop.Spoken()
        self.process = desktop.Launch([executable], QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1",
                                      QT_QPA_PLATFORM="xcb", LC_NUMERIC="ru_RU.UTF-8")
        window = WaitFor(lambda: self.Xdotool("search", "--onlyvisible", "--name", "Varnelo"),
                         15, "the main window").split()[0]
        # No window manager gives the focus: the test does, as a click would.
        self.Xdotool("windowfocus", "--sync", window)
        self.Hear([], ["Расчет узла Varnelo page tab list"])

    def Close(self):
        self.process.terminate()
        self.process.wait(timeout=10)

    def Xdotool(self, *arguments):
        return subprocess.run(["xdotool", *arguments], env=self.desktop.env, text=True,
                              capture_output=True, timeout=10).stdout.strip()

    def Hear(self, keys, expected, timeout=8.0, quiet=0.5, action=None):
        """Presses keys, then waits until the expected phrases were spoken, in order, and
        Orca has gone quiet; returns the utterances."""
        if keys:
            self.Xdotool("key", "--delay", "80", *keys)
        heard = []
        deadline = time.monotonic() + timeout
        last = time.monotonic()
        while time.monotonic() < deadline:
            new = self.desktop.Spoken()
            if new:
                heard += new
                last = time.monotonic()
            if InOrder(heard, expected) and time.monotonic() - last >= quiet:
                break
            time.sleep(0.05)
        if self.transcript is not None:
            self.transcript += [f"[{action or ' '.join(keys)}]"] + heard
        if not InOrder(heard, expected):
            raise AssertionError(f"after {keys} expected {expected}, heard {heard}")
        return heard

    def TabTo(self, name, expected):
        target = Position(name)
        step = "Tab" if target > self.position else "shift+Tab"
        keys = [step] * abs(target - self.position)
        self.position = target
        return self.Hear(keys, [Label(name)] + expected)

    def Type(self, text):
        self.Xdotool("type", "--delay", "80", text)
        self.Hear([], [], action=f"typed {text}")


def InOrder(heard, expected):
    """True when the expected phrases were spoken in this order (several may share one
    utterance)."""
    spoken = "\n".join(heard)
    at = 0
    for phrase in expected:
        found = spoken.find(phrase, at)
        if found < 0:
            return False
        at = found + len(phrase)
    return True


def CheckWholeText(heard, text):
    """The text is spoken whole, and never cut short."""
    assert any(u == text or u.startswith(text + " ") or u == text + "." for u in heard), \
        f"'{text}' not spoken whole: {heard}"
    cut = [u for u in heard if text[:-1] and u.startswith(text[:-1]) and not u.startswith(text)]
    assert not cut, f"'{text}' spoken cut short: {cut}"


def ListValue(item):
    return [item + "."]


# Tests

def test_each_control_says_its_label_and_value(program):
    for name, label, items in PAGE:
        expected = ["combo box", START_ITEM[name] + "."] if items else []
        heard = program.TabTo(name, expected)
        if name == "Edit4":
            CheckWholeText(heard, "80")


def test_a_list_says_its_new_item_after_each_key(program):
    for name in ["ComboBox4", "ComboBox3"]:
        items = PAGE[Position(name) - 1][2]
        program.TabTo(name, ListValue(START_ITEM[name]))
        index = items.index(START_ITEM[name])
        for key, moved in [("Down", index + 1), ("Up", index), ("End", len(items) - 1),
                           ("Home", 0)]:
            heard = program.Hear([key], [items[moved]])
            assert items[moved] in heard, f"{name} {key}: {heard}"
        # Where am I: the label and the item chosen now.
        program.Hear(["KP_Enter"], [Label(name), "combo box", items[0] + "."])


def test_the_notice_says_its_message_when_it_opens(program):
    program.TabTo("ComboBox4", ListValue("50"))
    program.Hear(["End"], ["60"])
    program.TabTo("ComboBox6", ListValue("70"))
    program.Hear(["Home"], ["50"])
    program.TabTo("BitBtn1", ["push button"])
    program.Hear(["space"], ["uved", "dialog", NOTICE, "Понятно!"])
    program.Hear(["Return"], ["Рассчитать!"])


def test_the_error_report_says_its_message_when_it_opens(program):
    program.TabTo("Edit4", [])
    program.Type("1-2")
    program.TabTo("BitBtn1", ["push button"])
    program.Hear(["space"], [CONVERSION_ERROR, "OK"])
    program.Hear(["Return"], ["Рассчитать!"])


def test_a_whole_calculation_by_ear(program):
    program.TabTo("ComboBox1", ListValue("5"))
    program.TabTo("Edit4", [])
    program.Type("60")
    program.TabTo("ComboBox3", ListValue("willo 25/6"))
    program.Hear(["End"], ["willo 25/8"])
    program.TabTo("ComboBox4", ListValue("50"))
    program.Hear(["End"], ["60"])
    program.TabTo("ComboBox5", ListValue("150"))
    program.Hear(["Home"], ["100"])
    program.TabTo("ComboBox6", ListValue("70"))
    program.Hear(["End"], ["90"])
    program.TabTo("BitBtn1", ["push button"])
    program.Hear(["space"], [])
    for name in ["Edit5", "Edit6", "Edit8", "Edit9", "Edit3", "Edit13", "Edit1"]:
        heard = program.TabTo(name, ["read only text", WORKED_RESULTS[name]])
        CheckWholeText(heard, WORKED_RESULTS[name])


def test_the_sheet_menu_says_each_command(program):
    program.TabTo("BitBtn1", ["push button"])
    program.Hear(["space"], [])
    # The page's menu from the keyboard, on the button that has the focus; the menu opens
    # with no item chosen, the first Down chooses the first.
    program.Hear(["shift+F10"], [])
    for command in SHEET_COMMANDS:
        program.Hear(["Down"], [command])
    program.Hear(["Escape"], ["Рассчитать!"])


def test_a_result_box_refuses_changes_through_the_accessibility_bus(program):
    program.TabTo("BitBtn1", ["push button"])
    program.Hear(["space"], [])
    atspi = Atspi(program.desktop)
    flow = atspi.Find(Label("Edit6"), atspi.Role.TEXT)
    length = atspi.Find(Label("Edit4"), atspi.Role.TEXT)
    assert atspi.Text(flow) == "3,01", atspi.Text(flow)
    assert "EditableText" not in flow.get_interfaces(), flow.get_interfaces()
    assert "EditableText" in length.get_interfaces(), length.get_interfaces()
    for change in (lambda: atspi.EditableText.set_text_contents(flow, "999"),
                   lambda: atspi.EditableText.insert_text(flow, 0, "9", 1),
                   lambda: atspi.EditableText.delete_text(flow, 0, 2)):
        try:
            change()
        except Exception:  # refused by the program: as it should be
            pass
        assert atspi.Text(flow) == "3,01", atspi.Text(flow)
    # The length box stays editable there.
    assert atspi.EditableText.set_text_contents(length, "75")
    WaitFor(lambda: atspi.Text(length) == "75", 5, "the length box takes the new text")


def test_every_failing_press_through_the_accessibility_bus_is_reported(program):
    # Switch access and voice control press a button through its Action interface.
    atspi = Atspi(program.desktop)
    length = atspi.Find(Label("Edit4"), atspi.Role.TEXT)
    assert atspi.EditableText.set_text_contents(length, "abc")
    WaitFor(lambda: atspi.Text(length) == "abc", 5, "the length box takes «abc»")
    button = atspi.Find("Рассчитать!", atspi.Role.PUSH_BUTTON)
    for press in (1, 2):
        atspi.Press(button)
        ok = WaitFor(lambda: atspi.FindOrNone("OK", atspi.Role.PUSH_BUTTON), 5,
                     f"press {press} through the bus shows an error report")
        atspi.Press(ok)
        WaitFor(lambda: atspi.FindOrNone("OK", atspi.Role.PUSH_BUTTON) is None, 5,
                f"the report of press {press} closes")


class Atspi:
    """The accessibility tree as an assistive tool reads it, through libatspi."""

    def __init__(self, desktop):
        os.environ.update({k: desktop.env[k] for k in ("DISPLAY", "DBUS_SESSION_BUS_ADDRESS")})
        import gi
        gi.require_version("Atspi", "2.0")
        from gi.repository import Atspi as module
        self.module = module
        self.Role = module.Role
        self.EditableText = module.EditableText

    def Find(self, name, role):
        found = self.FindOrNone(name, role)
        if found is None:
            raise AssertionError(f"no {role} named {name}")
        return found

    def FindOrNone(self, name, role):
        def Search(node, depth):
            if node is None or depth > 20:
                return None
            if node.get_role() == role and node.get_name() == name:
                return node
            for i in range(node.get_child_count()):
                found = Search(node.get_child_at_index(i), depth + 1)
                if found:
                    return found
            return None
        root = self.module.get_desktop(0)
        apps = [root.get_child_at_index(i) for i in range(root.get_child_count())]
        for app in apps:
            if app and app.get_name() == "varnelo":
                found = Search(app, 0)
                if found:
                    return found
        return None

    def Press(self, node):
        """Runs the node's press action, as an assistive tool does."""
        names = [self.module.Action.get_action_name(node, i).lower()
                 for i in range(self.module.Action.get_n_actions(node))]
        assert "press" in names, names
        assert self.module.Action.do_action(node, names.index("press"))

    def Text(self, node):
        return self.module.Text.get_text(node, 0, -1)


TESTS = [test_each_control_says_its_label_and_value,
         test_a_list_says_its_new_item_after_each_key,
         test_the_notice_says_its_message_when_it_opens,
         test_the_error_report_says_its_message_when_it_opens,
         test_a_whole_calculation_by_ear,
         test_the_sheet_menu_says_each_command,
         test_a_result_box_refuses_changes_through_the_accessibility_bus,
         test_every_failing_press_through_the_accessibility_bus_is_reported]


def RunTest(desktop, executable, test, build):
    """Runs one test on a fresh program; returns what failed, or None."""
    transcript = [] if test is test_a_whole_calculation_by_ear else None
    program = None
    try:
        program = Program(desktop, executable, transcript)
        test(program)
        return None
    except (AssertionError, Timeout) as failure:
        return str(failure)
    except Exception:
        return traceback.format_exc()
    finally:
        if program:
            program.Close()
        if transcript is not None:
            path = os.path.join(build, "screenreader-transcript.txt")
            with open(path, "w", encoding="utf-8") as out:
                out.write("\n".join(transcript) + "\n")


def main():
    end_on_signals()
    build = os.path.abspath(sys.argv[1] if len(sys.argv) > 1 else "build")
    executable = os.path.join(build, "app", "varnelo")
    work = tempfile.mkdtemp(prefix="screenreader-", dir=build)
    desktop = Desktop(work)
    passed = failed = 0
    try:
        desktop.Start()
        # VARNELO_SCREENREADER_ONLY=name runs the tests whose names hold it.
        only = os.environ.get("VARNELO_SCREENREADER_ONLY", "")
        for test in [t for t in TESTS if only in t.__name__]:
            # Orca's speech trails the keys by a moment, and on a loaded machine a phrase can
            # come late or a key be taken before the focus has moved; a fault of the program
            # fails both tries, a late phrase only one.
            failure = RunTest(desktop, executable, test, build)
            if failure:
                print(f"RETRY {test.__name__}: {failure}", flush=True)
                failure = RunTest(desktop, executable, test, build)
            if failure:
                print(f"FAIL {test.__name__}: {failure}", flush=True)
                failed += 1
            else:
                print(f"PASS {test.__name__}", flush=True)
                passed += 1
    except Timeout as failure:
        print(f"FAIL the desktop did not start: {failure} (logs in {work})", flush=True)
        failed += 1
    finally:
        desktop.Stop()
    print(f"Orca's logs are in {work}")
    print(f"{passed} passed, {failed} failed")
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
