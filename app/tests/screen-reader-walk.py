#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
# What a screen reader gets of the program, read from the AT-SPI bus as Orca reads it. Starts
# the program, walks each calculator through its accessible objects as a screen-reader user
# would (the option, Continue, the fields found by their names, Calculate) and checks what
# each result sheet says when it opens: every row once, in the sheet's order, as "caption:
# value" with the value the sheet shows, the captions not read a second time, then the
# notes. The fields must be heard by their captions with their units, and every list must
# say its current item, also after a key changes it and after the program fills it anew, and
# be labelled by its caption.
# Expected figures: the worked examples of the calculators' own tests (a 10 x 5 x 3 m room
# taking 1000 kg of chicken a day: 4691 W; a 10 000 l ice bank: 22484 W).
# Usage: screen-reader-walk.py PATH_TO_Project1; needs an X display and the AT-SPI bus.
import subprocess
import sys
import time

import pyatspi

PROGRAM = sys.argv[1]

START = "محاسبات بار برودتي نسخه 2.0"
COLD_ROOM = "محاسبات سردخانه (فريوني)"
ICE_BANK = "محاسبات آيس بانک (فريوني)"
SHEET = "نتيجه محاسبات"
ICE_BANK_OPTION = "محاسبات مربوط به آيس بانک"
CONTINUE = "ادامه"
CALCULATE = "محاسبه"
EXIT = "خروج"
BACK = "بازگشت"
CELSIUS = "درجه سانتيگراد"
WATTS = "وات"


def line(caption, value):
    return caption + ": " + value


def watts(caption, number):
    return line(caption, f"{number}  {WATTS}")


COLD_ROOM_FIELDS = [("طول ابعاد سردخانه (متر)", "10"), ("عرض ابعاد سردخانه (متر)", "5"),
                    ("ارتفاع ابعاد سردخانه (متر)", "3"), ("ظرفيت سالن (کيلوگرم)", "1000")]
# The chilled-meat room: 1581 + 83 + 0 + 1823 + 150 + 628 = 4265 W, 426 W more for safety.
COLD_ROOM_SHEET = [
    line("دماي سالن", f"2  {CELSIUS}"),
    line("مدت زمان کارکرد کمپرسور", "20  ساعت"),
    line("حجم سالن", "150  مترمکعب"),
    line("ظرفيت سالن", "1000  کيلوگرم"),
    watts("بار پرت از جداره ها", 1581),
    watts("بار محصول و باکس پالت", 83),
    watts("بار تنفس", 0),
    watts("بار نفوذ از درب سالن", 1823),
    watts("بار روشنايي", 150),
    watts("بار نفرات", 628),
    line("بار فن اواپراتور", "-"),
    watts("ضريب اطمينان", 426),
    watts("مجموع کل بارها", 4691),
    line("تعداد کمپرسور", "1  دستگاه"),
    line("قدرت کمپرسور", "2  اسب بخار"),
    line("مدل کمپرسور", "Bitzer  2FC-3.2"),
    "R22    ,   DT = 10C",
    "Evap. temp = -8C   Cond. temp = 40C",
]
ICE_BANK_FIELDS = [("حجم حوض (ليتر)", "10000")]
# 10 000 l from 30 C in 18 h: 22484 W, one 15 hp unit; 26 m2 and 375 m of 7/8 inch tube.
ICE_BANK_SHEET = [
    line("سطح تبادل مورد نياز", "26  متر مربع"),
    line("متزاژ لوله مورد نياز", "375  متر"),
    line("دماي آب آيس بانک", f"1 {CELSIUS}"),
    watts("ظرفيت برودتي مورد نياز", 22484),
    line("تعداد کمپرسور", "1  عدد"),
    line("قدرت کمپرسور", "15  اسب"),
    line("مدل کمپرسور", "Bitzer 4P-15.2"),
    "R22    ,   DT = 10C",
    "Cond. temp = 40C",
]

failures = []


def check(condition, message):
    if not condition:
        failures.append(message)
        print("FAIL: " + message)
    return condition


def wait_for(what, find, seconds=20):
    deadline = time.monotonic() + seconds
    while True:
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


def captions(node):
    return [target.name for relation in node.getRelationSet()
            if relation.getRelationType() == pyatspi.RELATION_LABELLED_BY
            for target in (relation.getTarget(i) for i in range(relation.getNTargets()))]


def lists_say_their_items(node, when):
    for box in lists(node):
        check(box.description == box.name, f"{when}: a list holding {box.name!r} says {box.description!r}")
        check(any(captions(box)), f"{when}: the list holding {box.name!r} is labelled by no caption")


def x_window(title):
    found = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", "^" + title.replace("(", "\\(").replace(")", "\\)") + "$"],
                           capture_output=True, text=True).stdout.split()
    return found[0] if found else None


def walk(calculator):
    program = subprocess.Popen([PROGRAM])
    try:
        walk_through(calculator, program)
    finally:
        if program.poll() is None:
            program.kill()


def walk_through(calculator, program):
    application = wait_for("program on the bus", lambda: next(
        (a for a in pyatspi.Registry.getDesktop(0) if a is not None and a.get_process_id() == program.pid), None))
    start = wait_for("start dialog", lambda: window(application, START))
    if calculator == "ice bank":
        act(wait_for("ice-bank option", lambda: find(start, pyatspi.ROLE_RADIO_BUTTON, ICE_BANK_OPTION)), "Toggle")
    press(start, pyatspi.ROLE_PUSH_BUTTON, CONTINUE)
    title, fields, sheet_lines = ((COLD_ROOM, COLD_ROOM_FIELDS, COLD_ROOM_SHEET) if calculator == "cold room"
                                  else (ICE_BANK, ICE_BANK_FIELDS, ICE_BANK_SHEET))
    inputs = wait_for(f"{calculator} window", lambda: window(application, title))
    for name, text in fields:
        field = find(inputs, pyatspi.ROLE_TEXT, name)
        if check(field is not None, f"{calculator}: no field named {name!r}; the fields are named "
                 + repr([n.name for n in descendants(inputs) if n.getRole() == pyatspi.ROLE_TEXT])):
            # A screen reader says the labels that label a field in place of its name.
            said = " ".join(captions(field)) or field.name
            check(said == name, f"{calculator}: the field named {name!r} is heard as {said!r}")
            field.queryEditableText().setTextContents(text)
    lists_say_their_items(inputs, f"{calculator} window opened")
    # A key changes the first list (a cold room's process, which fills other lists anew), and
    # the other key changes it back; the ice bank's first list opens at its last item.
    first = lists(inputs)[0]
    first.queryComponent().grabFocus()
    subprocess.run(["xdotool", "windowfocus", "--sync", x_window(title)], check=True)
    for key in ("Down", "Up") if calculator == "cold room" else ("Up", "Down"):
        before = first.name
        subprocess.run(["xdotool", "key", "--clearmodifiers", key], check=True)
        wait_for(f"change of the list holding {before!r} on {key}", lambda: first.name != before, 5)
        lists_say_their_items(inputs, f"{calculator} window after {key}")

    press(inputs, pyatspi.ROLE_PUSH_BUTTON, CALCULATE)
    sheet = wait_for("result sheet", lambda: window(application, SHEET))
    heard = [n.name for n in descendants(sheet) if n.getRole() == pyatspi.ROLE_LABEL and n.name]
    print(f"{calculator} sheet {sheet.name!r}:")
    for name in heard:
        print("  " + name)
    check(heard == sheet_lines, f"{calculator} sheet: a screen reader gets {heard!r}, not {sheet_lines!r}")
    press(sheet, pyatspi.ROLE_PUSH_BUTTON, BACK)
    wait_for("sheet closed", lambda: window(application, SHEET) is None)
    press(inputs, pyatspi.ROLE_PUSH_BUTTON, EXIT)
    try:
        check(program.wait(10) == 0, f"{calculator}: Exit ended the program with code {program.returncode}")
    except subprocess.TimeoutExpired:
        check(False, f"{calculator}: Exit did not end the program")


walk("cold room")
walk("ice bank")
sys.exit(1 if failures else 0)
