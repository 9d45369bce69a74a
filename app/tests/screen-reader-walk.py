#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
# What a screen reader gets of the program, read from the AT-SPI bus as Orca reads it. Starts
# the program, walks each calculator through its accessible objects as a screen-reader user
# would (the option, Continue, the fields found by their names, Calculate) and checks what
# each result sheet says when it opens: every row once, in the sheet's order, as "caption:
# value", the captions not read a second time, then the notes. The start dialog must be read whole, each of its lines, as a screen reader reads a
# dialog's text. The fields must be heard by their captions with their units, and every list
# by its caption with its unit; every list must say its current item, also after the program
# fills it anew, and when an arrow key changes the list that holds the focus, the event of
# its changed description must carry the new item's text, which a screen reader says.
# Only what the bus shows is held here: what each face gives its accessibility layer (every
# name, item and figure) is held by the conformance suite's heard rows. The windows, their
# captions, inputs, rows and buttons come from the program's window list (program-windows.json).
# Usage: screen-reader-walk.py PATH_TO_Project1 PATH_TO_program-windows.json; needs an X
# display and the AT-SPI bus.
import json
import subprocess
import sys
import time

import pyatspi
from gi.repository import GLib

PROGRAM = sys.argv[1]
with open(sys.argv[2], encoding="utf-8") as listed:
    WINDOWS = {window["name"]: window for window in json.load(listed)["windows"]}
START_DIALOG = next(window for window in WINDOWS.values() if window["kind"] == "MainDialog")


def text_of(window, control):
    """The text of a control of a window of the list, both by name."""
    return next(c["text"] for c in WINDOWS[window]["controls"] if c["name"] == control)


# The start dialog's lines, top to bottom.
START_LINES = [
    'برنامه محاسبات بار برودتي نسخه 2.0',
    'با پيشنهادات و انتقادات خود ما را در ارتقاء روند اين برنامه',
    'ياري فرماييد',
    'محاسبه بار برودتي سردخانه و آيس بانک',
    'براي تاسيسات تبريد فريوني (R22)',
    'نسخه 2.0',
    'اشکالات را به پشتيباني نرم افزار گزارش دهيد',
]

COLD_ROOM_FIELDS = [("طول ابعاد سردخانه (متر)", "10"), ("عرض ابعاد سردخانه (متر)", "5"),
                    ("ارتفاع ابعاد سردخانه (متر)", "3"), ("ظرفيت سالن (کيلوگرم)", "1000")]
ICE_BANK_FIELDS = [("حجم حوض (ليتر)", "10000")]

# What each calculator's walk does, by the name of its sample run's pictures: the fields it
# types into by the names they are heard by and the keys that change its first list and back.
# The names, the lists' items and the sheets' figures themselves are held by the conformance
# suite's heard rows on every face; this walk holds what only the bus shows.
EXPECTED = {
    "cold-room": (COLD_ROOM_FIELDS, ("Down", "Up")),
    "ice-bank": (ICE_BANK_FIELDS, ("Up", "Down")),
}


def list_names(window):
    """Each list's caption with its unit, once where lists share one, in the order a copy lists
    them."""
    names = []
    for given in window["inputs"]:
        name = words(" ".join(filter(None, (given["caption"], given.get("unit")))))
        if given["kind"] == "List" and name not in names:
            names.append(name)
    return names


def sheet_reading(window, heard):
    """Whether a sheet is read as its rows, once each and in its order, each "caption: value",
    then its notes."""
    rows = window["rows"]
    return len(heard) == len(rows) + len(window["notes"]) and all(
        said.startswith(row["text"] + ": ") for said, row in zip(heard, rows))

failures = []
# What the program told of changed descriptions: (source, the event's data), as they came.
told = []


def pump():
    """Delivers the events that have come from the bus."""
    while GLib.MainContext.default().iteration(False):
        pass


def check(condition, message):
    if not condition:
        failures.append(message)
        print("FAIL: " + message)
    return condition


def within(seconds, find):
    deadline = time.monotonic() + seconds
    while True:
        pump()
        found = find()
        if found or time.monotonic() > deadline:
            return found
        time.sleep(0.05)


def wait_for(what, find, seconds=20):
    deadline = time.monotonic() + seconds
    while True:
        pump()
        found = find()
        if found:
            return found
        if time.monotonic() > deadline:
            raise SystemExit(f"FAIL: no {what} after {seconds} s; " + "; ".join(failures))
        time.sleep(0.05)


def descendants(node):
    for child in node:
        if child is not None:
            yield child
            yield from descendants(child)


def showing(node):
    return node.getState().contains(pyatspi.STATE_SHOWING)


def window(application, title):
    return next((w for w in application if w is not None and w.name == title and showing(w)), None)


def find(node, role, name):
    return next((n for n in descendants(node) if n.getRole() == role and n.name == name and showing(n)), None)


def act(node, action):
    actions = node.queryAction()
    names = [actions.getName(i) for i in range(actions.nActions)]
    actions.doAction(names.index(action))


def press(node, role, name):
    act(wait_for(f"{name!r}", lambda: find(node, role, name)), "Press")


def lists(node):
    return [n for n in descendants(node) if n.getRole() == pyatspi.ROLE_COMBO_BOX and showing(n)]


def labelling(node):
    """What a screen reader says in place of a node's name: the labels of its first labelled-by
    relation, the only one Orca reads, or nothing."""
    relations = [r for r in node.getRelationSet() if r.getRelationType() == pyatspi.RELATION_LABELLED_BY]
    if not relations:
        return ""
    return " ".join(relations[0].getTarget(i).name for i in range(relations[0].getNTargets()))


def words(text):
    return " ".join(text.split())


def lists_say_their_items(node, when, expected):
    heard = []
    for box in lists(node):
        check(box.description == box.name, f"{when}: a list holding {box.name!r} says {box.description!r}")
        heard.append(words(labelling(box)))
    check(sorted(heard) == sorted(expected), f"{when}: the lists are heard as {heard!r}, not {expected!r}")


def dialog_text(dialog):
    """A dialog's text as Orca reads it when the dialog opens: its labels that label nothing,
    top to bottom, leaving out those of fewer than three words and those that the dialog's
    title holds."""
    lines = [n for n in descendants(dialog) if n.getRole() == pyatspi.ROLE_LABEL and showing(n)
             and not n.getRelationSet() and len(n.name.split()) >= 3 and n.name not in dialog.name]
    lines.sort(key=lambda n: n.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)[1])
    return " ".join(n.name for n in lines)


def x_window(title):
    found = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", "^" + title.replace("(", "\\(").replace(")", "\\)") + "$"],
                           capture_output=True, text=True).stdout.split()
    return found[0] if found else None


def walk(opening):
    program = subprocess.Popen([PROGRAM])
    try:
        walk_through(opening, program)
    finally:
        if program.poll() is None:
            program.kill()


def walk_through(opening, program):
    """Walks the calculator of one of the start dialog's options: {"by": ..., "window": ...}."""
    input_window = WINDOWS[opening["window"]]
    sheet_window = WINDOWS[input_window["sheet"]]
    calculator = input_window["sample"]["picture"]
    fields, keys = EXPECTED[calculator]
    list_captions = list_names(input_window)
    title = input_window["caption"]
    application = wait_for("program on the bus", lambda: next(
        (a for a in pyatspi.Registry.getDesktop(0) if a is not None and a.get_process_id() == program.pid), None))
    start = wait_for("start dialog", lambda: window(application, START_DIALOG["caption"]))
    heard = dialog_text(start)
    check(heard == " ".join(START_LINES), f"the start dialog is read as {heard!r}")
    option_name = text_of(START_DIALOG["name"], opening["by"])
    option = wait_for(f"{calculator} option", lambda: find(start, pyatspi.ROLE_RADIO_BUTTON, option_name))
    if not option.getState().contains(pyatspi.STATE_CHECKED):
        act(option, "Toggle")
    press(start, pyatspi.ROLE_PUSH_BUTTON, text_of(START_DIALOG["name"], START_DIALOG["continue"]))
    inputs = wait_for(f"{calculator} window", lambda: window(application, title))
    for name, text in fields:
        field = find(inputs, pyatspi.ROLE_TEXT, name)
        if check(field is not None, f"{calculator}: no field named {name!r}; the fields are named "
                 + repr([n.name for n in descendants(inputs) if n.getRole() == pyatspi.ROLE_TEXT])):
            # A screen reader says the labels that label a field in place of its name.
            said = labelling(field) or field.name
            check(said == name, f"{calculator}: the field named {name!r} is heard as {said!r}")
            field.queryEditableText().setTextContents(text)
    lists_say_their_items(inputs, f"{calculator} window opened", list_captions)
    # A key changes the first list (a cold room's process, which fills other lists anew), and
    # the other key changes it back; the ice bank's first list opens at its last item.
    first = lists(inputs)[0]
    first.queryComponent().grabFocus()
    subprocess.run(["xdotool", "windowfocus", "--sync", x_window(title)], check=True)
    for key in keys:
        before = first.name
        del told[:]
        subprocess.run(["xdotool", "key", "--clearmodifiers", key], check=True)
        wait_for(f"change of the list holding {before!r} on {key}", lambda: first.name != before, 5)
        item = first.name
        said = within(5, lambda: any(source == first and data == item for source, data in told))
        came = [data if isinstance(data, str) else "the list itself" for source, data in told if source == first]
        print(f"{calculator}: {key} chose {item!r}; the list's changed description came as {came!r}")
        check(said, f"{calculator}: {key} chose {item!r}, which a screen reader was not told as text")
        lists_say_their_items(inputs, f"{calculator} window after {key}", list_captions)

    press(inputs, pyatspi.ROLE_PUSH_BUTTON, text_of(input_window["name"], input_window["calculate"]))
    sheet = wait_for("result sheet", lambda: window(application, sheet_window["caption"]))
    heard = [n.name for n in descendants(sheet) if n.getRole() == pyatspi.ROLE_LABEL and n.name]
    print(f"{calculator} sheet {sheet.name!r}:")
    for name in heard:
        print("  " + name)
    check(sheet_reading(sheet_window, heard), f"{calculator} sheet: a screen reader gets {heard!r}")
    press(sheet, pyatspi.ROLE_PUSH_BUTTON, text_of(sheet_window["name"], sheet_window["back"]))
    wait_for("sheet closed", lambda: window(application, sheet_window["caption"]) is None)
    press(inputs, pyatspi.ROLE_PUSH_BUTTON, text_of(input_window["name"], input_window["exit"]))
    try:
        check(program.wait(10) == 0, f"{calculator}: Exit ended the program with code {program.returncode}")
    except subprocess.TimeoutExpired:
        check(False, f"{calculator}: Exit did not end the program")


pyatspi.Registry.registerEventListener(lambda event: told.append((event.source, event.any_data)),
                                       "object:property-change:accessible-description")
# The calculators in the order the start dialog offers them from its foot: the cold room first.
for opening in reversed(START_DIALOG["opens"]):
    walk(opening)
sys.exit(1 if failures else 0)
