#!/usr/bin/python3
"""Reads the running Corvanta the way a screen reader does (AT-SPI, pyatspi).

Started by run_walk inside a private display and D-Bus session, with the
program already starting. It

  * waits for the application "Tessivo" and its main window,
  * walks every object of the main window and reports each one a keyboard or
    screen-reader user reaches (focusable, or a control such as a button, menu
    item, slider, spin box, scroll bar, combo box or edit) that has no name,
  * finds the seven places of the landscape by name, checks that each is a
    focusable push button offering the press action, presses each and reads
    the scenario it loaded from the status bar, the water last,
  * opens the Lab, the large view, the Interactions and the Experiments
    windows through their View menu items and walks each of them the same
    way,
  * prints what it walked and checked per window and ends with status 1 and
    a list of every problem, or 0 when there is none.
"""

import argparse
import os
import re
import shutil
import subprocess
import sys
import time

import pyatspi
from gi.repository import Atspi

APP_NAME = "Tessivo"
MAIN_TITLE = "Tessivo"

# Waits, in seconds.
APP_WAIT = 40
WINDOW_WAIT = 15
STATUS_WAIT = 20

# A window holding more objects than this is walked only this far; a tree
# that large is a fault of its own (a loop or a runaway list).
MAX_OBJECTS_PER_WINDOW = 20000
MAX_DEPTH = 60

# Controls a user operates: each needs a name even when it takes no focus.
CONTROL_ROLES = {
    pyatspi.ROLE_PUSH_BUTTON,
    pyatspi.ROLE_TOGGLE_BUTTON,
    pyatspi.ROLE_CHECK_BOX,
    pyatspi.ROLE_RADIO_BUTTON,
    pyatspi.ROLE_MENU_ITEM,
    pyatspi.ROLE_CHECK_MENU_ITEM,
    pyatspi.ROLE_RADIO_MENU_ITEM,
    pyatspi.ROLE_MENU,
    pyatspi.ROLE_SLIDER,
    pyatspi.ROLE_SPIN_BUTTON,
    pyatspi.ROLE_SCROLL_BAR,
    pyatspi.ROLE_COMBO_BOX,
    pyatspi.ROLE_TEXT,
    pyatspi.ROLE_ENTRY,
    pyatspi.ROLE_PASSWORD_TEXT,
    pyatspi.ROLE_PAGE_TAB,
}

# Roles a screen reader announces as a window when it gets the focus.
WINDOW_ROLES = {
    pyatspi.ROLE_FRAME,
    pyatspi.ROLE_DIALOG,
    pyatspi.ROLE_WINDOW,
    pyatspi.ROLE_ALERT,
    pyatspi.ROLE_FILE_CHOOSER,
}

PRESS_ACTIONS = ("press", "click", "activate")


def word(pattern):
    return re.compile(r"\b" + pattern + r"\b", re.IGNORECASE)


WATER, AIR, ROCK = word("water"), word("air"), word("rock")

# The seven places: what a name must say (case does not matter) and the
# scenario pressing the place loads, as the status bar names it. They are
# pressed in this order, so that no two in a row load the same scenario and
# each press is seen to change the status; the water comes last.
PLACES = [
    ("Cloud", lambda n: bool(word("cloud").search(n)), "Simulation: Gas-Gas"),
    ("Dark rock", lambda n: bool(ROCK.search(n)) and not WATER.search(n), "Simulation: Solid"),
    ("Air", lambda n: bool(AIR.search(n)) and not WATER.search(n), "Simulation: Gas"),
    ("Sand", lambda n: bool(word("sand").search(n)), "Simulation: Solid"),
    ("Water and air", lambda n: bool(WATER.search(n) and AIR.search(n)),
     "Simulation: Liquid-Gas"),
    ("Water and rock", lambda n: bool(WATER.search(n) and ROCK.search(n)),
     "Simulation: Solid-Liquid"),
    ("Water", lambda n: bool(WATER.search(n)) and not AIR.search(n) and not ROCK.search(n),
     "Simulation: Liquid"),
]

# The windows of the View menu: the menu item's caption (without its access
# key and ellipsis), the window's title and the shortcut that also opens it.
VIEW_WINDOWS = [
    ("Lab", "Lab", "ctrl+l"),
    ("Large View", "Large View", "ctrl+g"),
    ("Interactions", "Interactions", None),
    ("Experiments", "Experiments", None),
]

problems = []  # (section, text)
notes = []  # (section, text): worth knowing, not a failure

# The end of the time this walk may take (set by main); every wait stops
# there, so that the report is still printed when the program is slow.
deadline = float("inf")
dump_tree = False


def time_left():
    return deadline - time.monotonic()


def wait_until(seconds):
    return min(time.monotonic() + seconds, deadline)


def problem(section, text):
    problems.append((section, text))
    print(f"  PROBLEM [{section}]: {text}", flush=True)


def note(section, text):
    notes.append((section, text))
    print(f"  note [{section}]: {text}", flush=True)


def info(text):
    print(text, flush=True)


# ------------------------------------------------------------ reading ----

def safe(call, default=None):
    """The result of CALL, or DEFAULT when the object cannot be read (it went
    away, or the program did not answer in time)."""
    try:
        return call()
    except Exception:  # GLib.Error, NotImplementedError, LookupError ...
        return default


def name_of(obj):
    return (safe(lambda: obj.name, "") or "").strip()


def role_of(obj):
    return safe(obj.getRole, None)


def role_name(obj):
    return safe(obj.getRoleName, "?") or "?"


def states_of(obj):
    return safe(obj.getState, None)


def has_state(states, state):
    return states is not None and safe(lambda: states.contains(state), False)


def text_of(obj):
    text = safe(obj.queryText, None)
    if text is None:
        return ""
    return safe(lambda: text.getText(0, -1), "") or ""


def children_of(obj):
    count = safe(lambda: obj.childCount, 0) or 0
    result = []
    for index in range(count):
        child = safe(lambda: obj.getChildAtIndex(index), None)
        if child is not None:
            result.append(child)
    return result


def object_key(obj):
    """An identity for OBJ that survives fetching it twice."""
    bus = safe(lambda: obj.get_bus_name(), None) or safe(lambda: obj.app.bus_name, "")
    path = safe(lambda: obj.path, None) or safe(lambda: obj.get_path(), None)
    return (bus, path) if path else ("python", id(obj))


def action_names(obj):
    action = safe(obj.queryAction, None)
    if action is None:
        return []
    count = safe(lambda: action.nActions, 0) or 0
    return [safe(lambda: action.getName(i), "") or "" for i in range(count)]


def do_press(obj):
    """Presses OBJ through its action interface. Returns the action's name
    (None when it offers no press action) and what went wrong (None when the
    program took the press). A press that opens a message box may be
    answered only once the box closes: then the error says so, and the
    message box is found among the windows."""
    action = safe(obj.queryAction, None)
    if action is None:
        return None, None
    for index, name in enumerate(action_names(obj)):
        if name.lower() in PRESS_ACTIONS:
            try:
                done = action.doAction(index)
            except Exception as error:  # GLib.Error: no answer in time
                return name, f"the press got no answer ({error})"
            return name, None if done else "the program refused the press"
    return None, None


def label(obj):
    name = name_of(obj)
    role = role_name(obj)
    return f'"{name}" ({role})' if name else f"[{role}]"


# ------------------------------------------------------------ walking ----

class Record:
    __slots__ = ("obj", "path", "role", "role_name", "name", "states", "depth", "error")

    def __init__(self, obj, path, depth):
        self.obj = obj
        self.path = path
        self.depth = depth
        self.role = role_of(obj)
        self.role_name = role_name(obj)
        self.states = states_of(obj)
        # A name that could not be read is not an empty name: the object is
        # reported as unreadable instead.
        self.error = None
        try:
            self.name = (obj.name or "").strip()
        except Exception as error:
            self.name = ""
            self.error = str(error) or type(error).__name__

    def focusable(self):
        return has_state(self.states, pyatspi.STATE_FOCUSABLE)

    def showing(self):
        return has_state(self.states, pyatspi.STATE_SHOWING)

    def checked(self):
        # What a screen reader presents: objects on screen. A hidden part (a
        # scroll bar a graph never shows, a tool bar's overflow button) is
        # never announced; an empty label is a status line with nothing to
        # say yet, its name being its text.
        if not self.showing():
            return False
        if self.role == pyatspi.ROLE_LABEL and not self.name:
            return False
        return self.focusable() or self.role in CONTROL_ROLES


def walk(root):
    """Every object below ROOT (ROOT included), depth first, each with its
    path from ROOT. A child met twice (a loop in the tree) is walked once."""
    records = []
    seen = set()
    truncated = False
    stack = [(root, label(root), 0)]
    while stack:
        obj, path, depth = stack.pop()
        key = object_key(obj)
        if key in seen:
            continue
        seen.add(key)
        record = Record(obj, path, depth)
        records.append(record)
        if len(records) >= MAX_OBJECTS_PER_WINDOW:
            truncated = True
            break
        if depth >= MAX_DEPTH:
            continue
        children = children_of(obj)
        for index in reversed(range(len(children))):
            child = children[index]
            child_label = label(child)
            if child_label.startswith("["):
                child_label = f"[{role_name(child)} #{index}]"
            stack.append((child, f"{path} / {child_label}", depth + 1))
    return records, truncated


def check_window(section, window):
    """Walks WINDOW, prints its counts and reports each object a user reaches
    that has no name. Returns the walk's records."""
    started = time.monotonic()
    records, truncated = walk(window)
    checked = [r for r in records if r.checked()]
    focusable = [r for r in checked if r.focusable()]
    unnamed = [r for r in checked if not r.name and not r.error]
    unreadable = [r for r in records if r.error]
    info(f"== {section}: {len(records)} objects walked, {len(checked)} focusable or "
         f"control objects checked ({len(focusable)} focusable), {len(unnamed)} without a "
         f"name ({time.monotonic() - started:.1f} s)")
    if truncated:
        problem(section, f"the tree holds more than {MAX_OBJECTS_PER_WINDOW} objects; "
                         "only so many were walked")
    if dump_tree:
        for record in records:
            marks = [m for m, on in (("focusable", record.focusable()),
                                     ("showing", record.showing())) if on]
            actions = action_names(record.obj)
            info(f"   {'  ' * record.depth}{label(record.obj)} {marks}"
                 f"{' actions ' + str(actions) if actions else ''}")
    if records and records[0].role not in WINDOW_ROLES:
        note(section, f"the window's role is {records[0].role_name}: a screen reader may not "
                      "announce it as a window (frame or dialog)")
    for record in unnamed:
        problem(section, f"no name: {describe_unnamed(record, records)}")
    for record in unreadable:
        problem(section, f"could not be read ({record.error}): {record.role_name} at "
                         f"{record.path}")
    for record in checked:
        if (record.name and record.focusable() and not re.search(r"[^\W\d_]", record.name)
                and not labelled_by(record.obj)):
            note(section, f'the {record.role_name} named "{record.name}" is named by its value '
                          f"alone; nothing says what it shows: {record.path}")
    return records


def labelled_by(obj):
    """Whether OBJ names a label that describes it (a relation a screen reader
    reads along with the object's own name)."""
    relations = safe(obj.getRelationSet, []) or []
    for relation in relations:
        if safe(relation.getRelationType, None) == pyatspi.RELATION_LABELLED_BY:
            return True
    return False


def describe_unnamed(record, records):
    """The unnamed object's role, states and path, with what helps to find
    it in the code: its description (or tool tip), size and the first named
    objects inside it."""
    marks = []
    if record.focusable():
        marks.append("focusable")
    if not record.showing():
        marks.append("not showing")
    text = record.role_name + (f" [{', '.join(marks)}]" if marks else "")
    text += f" at {record.path}"
    extras = []
    description = (safe(lambda: record.obj.description, "") or "").strip()
    if description:
        extras.append(f"description {description!r}")
    component = safe(record.obj.queryComponent, None)
    extents = safe(lambda: component.getExtents(pyatspi.WINDOW_COORDS), None) if component else None
    if extents is not None and record.showing():
        extras.append(f"{extents.width}x{extents.height} at ({extents.x}, {extents.y}) "
                      "in its window")
    prefix = record.path + " / "
    inside = [r for r in records if r.name and r.path.startswith(prefix)][:3]
    if inside:
        extras.append("holds " + ", ".join(f'"{r.name}" ({r.role_name})' for r in inside))
    actions = action_names(record.obj)
    if actions:
        extras.append("actions " + ", ".join(actions))
    return text + (f" ({'; '.join(extras)})" if extras else "")


# ------------------------------------------------------ the application ----

def desktop_apps():
    desktop = pyatspi.Registry.getDesktop(0)
    return [app for app in children_of(desktop)]


def find_application(app_pid, program_alive):
    """The application object of the program: by its name, else by its
    process id (then its name is wrong, which is reported)."""
    until = wait_until(APP_WAIT)
    seen = set()
    while time.monotonic() < until:
        by_pid = None
        for app in desktop_apps():
            name = name_of(app)
            pid = safe(app.get_process_id, None)
            seen.add(f'"{name}" (pid {pid})')
            if name == APP_NAME and (pid is None or pid == app_pid):
                return app
            if pid == app_pid:
                by_pid = app
        if by_pid is not None:
            problem("Application", f'the program shows on the desktop as "{name_of(by_pid)}", '
                                   f'not as "{APP_NAME}"')
            return by_pid
        if not program_alive():
            return None
        time.sleep(0.25)
    info(f"applications seen on the accessibility bus: {', '.join(sorted(seen)) or 'none'}")
    return None


def top_windows(app):
    """The application's top-level objects: its windows, whatever role each
    was given."""
    return children_of(app)


def describe_windows(app):
    result = []
    for window in children_of(app):
        showing = has_state(states_of(window), pyatspi.STATE_SHOWING)
        result.append(f"{label(window)}{'' if showing else ' (hidden)'}")
    return ", ".join(result) or "none"


def wait_window(app, title, program_alive, exclude=(), roles=None):
    """The showing top-level window of APP titled TITLE (case does not
    matter), of one of ROLES when given, waiting for it."""
    until = wait_until(WINDOW_WAIT)
    while time.monotonic() < until:
        for window in top_windows(app):
            if object_key(window) in exclude:
                continue
            if roles is not None and role_of(window) not in roles:
                continue
            if (name_of(window).lower() == title.lower()
                    and has_state(states_of(window), pyatspi.STATE_SHOWING)):
                return window
        if not program_alive():
            return None
        time.sleep(0.25)
    return None


def report_other_windows(app, known_keys):
    """Message boxes and other windows nobody asked for show a fault (a
    scenario that could not load, an error): their texts are reported."""
    for window in top_windows(app):
        if object_key(window) in known_keys:
            continue
        if not has_state(states_of(window), pyatspi.STATE_SHOWING):
            continue
        if role_of(window) == pyatspi.ROLE_TOOL_TIP:
            continue  # a tool tip under the pointer is no fault
        texts = []
        for record in walk(window)[0]:
            if record.role in (pyatspi.ROLE_LABEL, pyatspi.ROLE_STATIC, pyatspi.ROLE_TEXT):
                text = record.name or text_of(record.obj).strip()
                if text:
                    texts.append(text.replace("\n", " "))
        problem("Windows", f"an unexpected window shows: {label(window)}"
                           f"{': ' + ' | '.join(texts) if texts else ''}")
        known_keys.add(object_key(window))


# ------------------------------------------------------------ the places ----

def status_text_objects(records):
    """The objects that may show the running scenario: the status bar's
    texts, else any label saying "Simulation"."""
    in_bar = []
    anywhere = []
    bar_paths = [r.path for r in records if r.role == pyatspi.ROLE_STATUS_BAR]
    for record in records:
        shown = record.name + " " + text_of(record.obj)
        if "simulation" not in shown.lower():
            continue
        if record.role in (pyatspi.ROLE_MENU_ITEM, pyatspi.ROLE_MENU):
            continue
        if any(record.path.startswith(p + " / ") for p in bar_paths):
            in_bar.append(record)
        elif record.role in (pyatspi.ROLE_LABEL, pyatspi.ROLE_STATIC, pyatspi.ROLE_STATUS_BAR):
            anywhere.append(record)
    return in_bar or anywhere


def shown_status(status_records):
    texts = []
    for record in status_records:
        for text in (name_of(record.obj), text_of(record.obj).strip()):
            if text and text not in texts:
                texts.append(text)
    return texts


def wait_status(status_records, expected):
    """Waits until the status shows EXPECTED; returns whether it did, the
    texts shown last and the seconds waited."""
    started = time.monotonic()
    until = wait_until(STATUS_WAIT)
    texts = []
    while True:
        texts = shown_status(status_records)
        if expected in texts:
            return True, texts, time.monotonic() - started
        if time.monotonic() >= until:
            return False, texts, time.monotonic() - started
        time.sleep(0.2)


# Options menu entries and the scenario each loads: used to change the
# running scenario when the next place's scenario already runs.
OPTION_ENTRIES = [("Liquid", "Simulation: Liquid"), ("Gas", "Simulation: Gas"),
                  ("Solid", "Simulation: Solid")]


def load_other_scenario(records, status_records, unwanted):
    for entry, status in OPTION_ENTRIES:
        if status == unwanted:
            continue
        item = find_menu_item(records, entry)
        if item is None or do_press(item.obj)[0] is None:
            continue
        if wait_status(status_records, status)[0]:
            info(f'  loaded "{status}" through the menu item "{item.name}" first')
            return True
    return False


def find_places(records):
    """Each place's object, by its name. Push buttons are preferred; menu
    items and labels never count (the Options menu names scenarios too)."""
    found = {}
    for title, matches, _ in PLACES:
        candidates = [r for r in records
                      if r.name and matches(r.name)
                      and r.role not in (pyatspi.ROLE_MENU_ITEM, pyatspi.ROLE_MENU,
                                         pyatspi.ROLE_CHECK_MENU_ITEM,
                                         pyatspi.ROLE_RADIO_MENU_ITEM,
                                         pyatspi.ROLE_LABEL, pyatspi.ROLE_STATIC,
                                         pyatspi.ROLE_TOOL_TIP)]
        buttons = [r for r in candidates if r.role == pyatspi.ROLE_PUSH_BUTTON]
        found[title] = (buttons or candidates), bool(buttons)
    return found


def check_places(app, main_window, records, program_alive):
    section = "Places"
    info("== Places of the landscape")
    found = find_places(records)
    chosen = {}
    for title, _, _ in PLACES:
        candidates, are_buttons = found[title]
        if not candidates:
            problem(section, f'no object named like "{title}" in the main window')
            continue
        if len(candidates) > 1:
            problem(section, f'{len(candidates)} objects are named like "{title}": '
                             + "; ".join(f'"{r.name}" ({r.role_name}) at {r.path}'
                                         for r in candidates))
        record = candidates[0]
        chosen[title] = record
        actions = action_names(record.obj)
        description = safe(lambda: record.obj.description, "") or ""
        info(f'  {title}: "{record.name}" ({record.role_name}), '
             f'{"focusable" if record.focusable() else "NOT focusable"}, '
             f'actions: {", ".join(actions) or "none"}, '
             f'description: {description!r}, at {record.path}')
        if not are_buttons:
            problem(section, f'"{record.name}" is a {record.role_name}, not a push button')
        if not record.focusable():
            problem(section, f'"{record.name}" cannot take the focus')
        if not any(a.lower() in PRESS_ACTIONS for a in actions):
            problem(section, f'"{record.name}" offers no press action '
                             f'(actions: {", ".join(actions) or "none"})')
    if len(chosen) < len(PLACES):
        named = sorted({f'"{r.name}" ({r.role_name})' for r in records
                        if r.name and r.role not in (pyatspi.ROLE_MENU_ITEM, pyatspi.ROLE_MENU)})
        info("  named objects of the main window other than menus: " + ", ".join(named))
    keys = [object_key(r.obj) for r in chosen.values()]
    if len(set(keys)) != len(keys):
        problem(section, "two places were found as the same object: "
                         + ", ".join(f'{t} = "{r.name}"' for t, r in chosen.items()))

    status_records = status_text_objects(records)
    if not status_records:
        problem(section, 'no status text saying "Simulation" was found in the main window; '
                         "the scenarios the places load cannot be read")
        return
    info("  status read from: " + "; ".join(r.path for r in status_records)
         + f"; it says {shown_status(status_records)}")

    known = {object_key(main_window)}
    for title, _, expected in PLACES:
        record = chosen.get(title)
        if record is None:
            continue
        if time_left() <= 0:
            problem(section, f'"{record.name}" was not pressed: the time of the walk ran out')
            continue
        if expected in shown_status(status_records):
            # The place's scenario already runs (an earlier press failed):
            # another one is loaded first, so that this press shows.
            if not load_other_scenario(records, status_records, expected):
                problem(section, f'"{record.name}" was not pressed: the status already says '
                                 f'"{expected}" and no Options menu entry loaded another '
                                 "scenario first")
                continue
        pressed, error = do_press(record.obj)
        if pressed is None:
            continue  # offers no press action: reported above
        if error:
            problem(section, f'pressing "{record.name}": {error}')
        ok, texts, waited = wait_status(status_records, expected)
        if ok:
            info(f'  pressed "{record.name}" ({pressed}): the status says "{expected}" '
                 f"after {waited:.1f} s")
        else:
            problem(section, f'pressing "{record.name}" did not load its scenario: the status '
                             f'says {texts} after {waited:.0f} s, not "{expected}"')
        report_other_windows(app, known)
        if not program_alive():
            problem(section, f'the program ended after "{record.name}" was pressed')
            return


# ------------------------------------------------------------ the windows ----

def caption(name):
    """A menu item's caption without access key marks and ellipsis."""
    return re.sub(r"\s+", " ", name.replace("&", "").replace("\u2026", "")
                  .replace("...", "")).strip().lower()


def find_menu_item(records, wanted):
    items = [r for r in records
             if r.role in (pyatspi.ROLE_MENU_ITEM, pyatspi.ROLE_CHECK_MENU_ITEM)
             and caption(r.name) == wanted.lower()]
    in_view = [r for r in items if re.search(r'"view" \(menu', r.path, re.IGNORECASE)]
    return (in_view or items)[0] if (in_view or items) else None


def send_shortcut(main_window_title, keys):
    """Sends KEYS to the main window with xdotool; False when it cannot."""
    if not keys or not shutil.which("xdotool"):
        return False
    try:
        ids = subprocess.run(["xdotool", "search", "--onlyvisible", "--name",
                              f"^{main_window_title}$"], capture_output=True, text=True,
                             timeout=10).stdout.split()
        if not ids:
            return False
        subprocess.run(["xdotool", "windowfocus", "--sync", ids[0]], timeout=10,
                       capture_output=True)
        return subprocess.run(["xdotool", "key", "--clearmodifiers", keys], timeout=10,
                              capture_output=True).returncode == 0
    except (OSError, subprocess.SubprocessError):
        return False


def open_and_check_windows(app, main_records, known, program_alive):
    totals = []
    for item_caption, title, shortcut in VIEW_WINDOWS:
        section = f'Window "{title}"'
        if time_left() <= 0:
            problem(section, "not opened: the time of the walk ran out")
            continue
        item = find_menu_item(main_records, item_caption)
        opened_by = None
        if item is None:
            problem(section, f'no menu item "{item_caption}" in the main window')
        else:
            pressed, error = do_press(item.obj)
            if pressed is None:
                problem(section, f'the menu item "{item.name}" offers no press action '
                                 f'(actions: {", ".join(action_names(item.obj)) or "none"})')
            else:
                opened_by = f'menu item "{item.name}" ({pressed})'
                if error:
                    problem(section, f'pressing the menu item "{item.name}": {error}')
        window = wait_window(app, title, program_alive, exclude=known) if opened_by else None
        if window is None and shortcut:
            if opened_by:
                problem(section, f"{opened_by} did not open the window within "
                                 f"{WINDOW_WAIT} s; trying the shortcut {shortcut}")
            if send_shortcut(MAIN_TITLE, shortcut):
                opened_by = f"shortcut {shortcut}"
                window = wait_window(app, title, program_alive, exclude=known)
        if window is None:
            problem(section, f"the window did not open ({opened_by or 'nothing to open it'}); "
                             f"top-level windows now: {describe_windows(app)}")
            report_other_windows(app, known)
            if not program_alive():
                problem(section, "the program has ended")
                return totals
            continue
        info(f'-- opened "{title}" by {opened_by}')
        known.add(object_key(window))
        records = check_window(section, window)
        totals.append((section, records))
        report_other_windows(app, known)
    return totals


# ------------------------------------------------------------------ main ----

def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--app-pid", type=int, required=True)
    parser.add_argument("--budget", type=float, default=100.0,
                        help="seconds the walk may take before it reports what it has")
    parser.add_argument("--dump", action="store_true",
                        help="also print every object walked")
    args = parser.parse_args()
    global deadline, dump_tree
    deadline = time.monotonic() + args.budget
    dump_tree = args.dump

    def program_alive():
        try:
            os.kill(args.app_pid, 0)
        except ProcessLookupError:
            return False
        except PermissionError:
            return True
        # A finished child not yet reaped by its parent is a zombie.
        try:
            with open(f"/proc/{args.app_pid}/stat") as stat:
                return stat.read().rsplit(")", 1)[1].split()[0] != "Z"
        except OSError:
            return False

    # A busy program (a scenario loading) may answer slowly; a call waits
    # up to 10 s before it counts as unanswered.
    Atspi.set_timeout(10000, 30000)

    started = time.monotonic()
    app = find_application(args.app_pid, program_alive)
    if app is None:
        problem("Application", f'no application "{APP_NAME}" appeared on the accessibility '
                               f"bus within {time.monotonic() - started:.0f} s"
                               + ("" if program_alive() else " (the program has ended)"))
        return finish([])
    # Every question goes to the program itself, not to answers kept from
    # earlier: the status bar's text changes while the walk runs.
    safe(lambda: app.set_cache_mask(Atspi.Cache.NONE))
    info(f'application "{name_of(app)}" found (pid {safe(app.get_process_id, "?")}) '
         f"after {time.monotonic() - started:.1f} s")

    # A message box may bear the program's name too; the main window is the
    # frame.
    main_window = wait_window(app, MAIN_TITLE, program_alive, roles={pyatspi.ROLE_FRAME})
    if main_window is None:
        problem("Application", f'the main window "{MAIN_TITLE}" (a frame) did not show; '
                               f"windows: {describe_windows(app)}")
        report_other_windows(app, set())
        return finish([])
    known = {object_key(main_window)}
    report_other_windows(app, known)

    main_section = f'Main window "{MAIN_TITLE}"'
    main_records = check_window(main_section, main_window)
    totals = [(main_section, main_records)]
    check_places(app, main_window, main_records, program_alive)
    if program_alive():
        totals += open_and_check_windows(app, main_records, known, program_alive)
    if program_alive() and time_left() > 0:
        recheck_main_window(main_window, main_records)
    if not program_alive():
        problem("Application", "the program ended during the walk")
    return finish(totals)


def recheck_main_window(main_window, first_records):
    """Walks the main window again after the scenarios ran and the windows
    opened: objects that appeared or lost their names since are reported."""
    section = f'Main window "{MAIN_TITLE}" afterwards'
    unnamed_before = {object_key(r.obj) for r in first_records if r.checked() and not r.name}
    records, _ = walk(main_window)
    fresh = [r for r in records
             if r.checked() and not r.name and not r.error
             and object_key(r.obj) not in unnamed_before]
    info(f"== {section}: {len(records)} objects walked, {len(fresh)} newly without a name")
    for record in fresh:
        problem(section, f"no name: {describe_unnamed(record, records)}")


def finish(totals):
    info("")
    info("== Summary")
    walked = checked = 0
    for section, records in totals:
        n_checked = sum(1 for r in records if r.checked())
        walked += len(records)
        checked += n_checked
        info(f"  {section}: {len(records)} objects walked, {n_checked} checked")
    info(f"  all windows: {walked} objects walked, {checked} focusable or control objects "
         f"checked")
    if notes:
        info(f"  {len(notes)} note(s), not failures:")
        for section, text in notes:
            info(f"    - [{section}] {text}")
    if not problems:
        info("RESULT: PASSED - every object a user reaches has a name; the places work")
        return 0
    info(f"RESULT: FAILED - {len(problems)} problem(s):")
    sections = []
    for section, _ in problems:
        if section not in sections:
            sections.append(section)
    for section in sections:
        info(f"  {section}:")
        for s, text in problems:
            if s == section:
                info(f"    - {text}")
    return 1


if __name__ == "__main__":
    sys.exit(main())
