#!/usr/bin/python3
"""Walks the program's three windows as a screen reader sees them, over the real AT-SPI bus,
and uses them with the keyboard alone.

Run inside an X display and a session bus of its own (xvfb-run, dbus-run-session); it starts the
accessibility bus itself. Fails on any focusable control without a name or with the inline
picture's placeholder in it, on a Tab order other than the window's reading order, and on any
step of the keyboard walk that does not do what it shows.

usage: atspi_walk.py VARDEL OPENER_DIR WORK_DIR BUS_LAUNCHER
"""

import os
import plistlib
import shutil
import subprocess
import sys
import time

PLACEHOLDER = "\ufffc"
WAIT_SECONDS = 90

# Each dialog's Tab stops in reading order, as (role, name), where a control that cannot be used
# yet takes no stop: the manager with its first entry, a text tone, chosen and nothing typed.
# Restart iPhone is not offered for the folder that stands in for the phone here.
MANAGER_ORDER = [
    ("push button", "Close"),
    ("list", "Ringtones on the iPhone"),
    ("text", "Name :"),
    ("push button", "As Ringtone"),
    ("push button", "Remove"),
    ("push button", "Save To PC"),
    ("push button", "Replace"),
    ("push button", "Add To iPhone"),
]
ABOUT_ORDER = [
    ("link", "Licences"),
    ("link", "Home Page: https://www.marvolen.com/vardel.html"),
    ("link", "Support: https://www.marvolen.com/support.html"),
    ("link", "Vardel is made by Marvolen."),
]

PHONE_TONES = [
    ("ABCD.m4r", "Mum", "tone"),
    ("EFGH.m4r", "Office", None),
]


class Failure(Exception):
    pass


def wait_for(what, condition, seconds=WAIT_SECONDS):
    """Polls `condition` until it returns something true; fails naming `what` on time-out."""
    deadline = time.monotonic() + seconds
    while True:
        value = condition()
        if value:
            return value
        if time.monotonic() > deadline:
            raise Failure("timed out waiting for " + what)
        time.sleep(0.05)


def start_accessibility_bus(bus_launcher):
    """The session's accessibility bus and its registry, as a desktop session starts them."""
    launcher = subprocess.Popen([bus_launcher, "--launch-immediately"])
    from gi.repository import Gio, GLib

    session = Gio.bus_get_sync(Gio.BusType.SESSION, None)

    def owned():
        reply = session.call_sync("org.freedesktop.DBus", "/org/freedesktop/DBus",
                                  "org.freedesktop.DBus", "NameHasOwner",
                                  GLib.Variant("(s)", ("org.a11y.Bus",)), None,
                                  Gio.DBusCallFlags.NONE, -1, None)
        return reply.unpack()[0]

    wait_for("the accessibility bus", owned)
    return launcher


def start_window_manager():
    """A window manager gives the windows the keyboard focus, as on a desktop."""
    manager = subprocess.Popen(["openbox", "--sm-disable"], stdout=subprocess.DEVNULL,
                               stderr=subprocess.DEVNULL)

    def running():
        root = subprocess.run(["xprop", "-root", "_NET_SUPPORTING_WM_CHECK"],
                              capture_output=True, text=True)
        return "window id" in root.stdout

    wait_for("the window manager", running)
    return manager


def make_song(path, seconds=30):
    """A plain tone to load, so that every control of the clip is in use."""
    import math
    import struct
    import wave
    rate = 8000
    with wave.open(path, "wb") as song:
        song.setnchannels(1)
        song.setsampwidth(2)
        song.setframerate(rate)
        song.writeframes(b"".join(
            struct.pack("<h", int(8000 * math.sin(2 * math.pi * 440 * i / rate)))
            for i in range(rate * seconds)))


def make_phone(root):
    """A phone stood in for by a folder: one text tone and one ringtone."""
    tones = os.path.join(root, "iTunes_Control", "Ringtones")
    os.makedirs(tones)
    os.makedirs(os.path.join(root, "iTunes_Control", "iTunes"))
    entries = {}
    for number, (file_name, title, kind) in enumerate(PHONE_TONES):
        with open(os.path.join(tones, file_name), "wb") as tone:
            tone.write(b"\0" * 64)
        entry = {"Name": title, "GUID": "%016X" % (0x3F2A0C9D81B4E7A0 + number),
                 "PID": 5234098712345678901 + number, "Total Time": 20000,
                 "Protected Content": False}
        if kind:
            entry["Media Kind"] = kind
        entries[file_name] = entry
    with open(database(root), "wb") as out:
        plistlib.dump({"Ringtones": entries}, out, fmt=plistlib.FMT_XML)


def database(root):
    return os.path.join(root, "iTunes_Control", "iTunes", "Ringtones.plist")


def phone_entry(root, file_name):
    with open(database(root), "rb") as source:
        return plistlib.load(source)["Ringtones"][file_name]


def snapshot(name):
    """With VARDEL_ATSPI_SHOTS naming a folder, the screen as the walk reaches `name`."""
    folder = os.environ.get("VARDEL_ATSPI_SHOTS")
    if folder:
        time.sleep(0.5)  # the focus frame is painted after the focus moves
        subprocess.run(["import", "-window", "root", os.path.join(folder, name + ".png")])


def key(*keys):
    subprocess.run(["xdotool", "key", "--clearmodifiers"] + list(keys), check=True)


def type_text(text):
    subprocess.run(["xdotool", "type", "--clearmodifiers", text], check=True)


class Screen:
    """The program's side of the bus, read through pyatspi."""

    def __init__(self, pyatspi):
        self.at = pyatspi

    def application(self):
        desktop = self.at.Registry.getDesktop(0)
        for app in desktop:
            if app is not None and app.name.lower() == "vardel" and app.childCount > 0:
                return app
        return None

    def window(self, name):
        app = self.application()
        if app is None:
            return None
        for window in app:
            if window is not None and window.name == name and self.showing(window):
                return window
        return None

    def showing(self, node):
        return node.getState().contains(self.at.STATE_SHOWING)

    def walk(self, node):
        """Every showing object under `node`, parents first."""
        for child in node:
            if child is None or not self.showing(child):
                continue
            yield child
            yield from self.walk(child)

    def focusable(self, window):
        return [node for node in self.walk(window)
                if node.getState().contains(self.at.STATE_FOCUSABLE)]

    def tab_stops(self, window):
        """Focusable controls that Tab stops at: not the entries of a list, nor the text box
        inside a time or spin field, which their owner stands for."""
        inner = ("list item", "table cell")
        owners = ("spin button", "combo box")
        return [node for node in self.focusable(window)
                if node.getRoleName() not in inner
                and node.parent.getRoleName() not in owners
                and node.getState().contains(self.at.STATE_SENSITIVE)]

    def focused(self, nodes):
        for node in nodes:
            if node.getState().contains(self.at.STATE_FOCUSED):
                return node
        return None


def spoken_name(node):
    """The name a screen reader says: a drop-down on Linux names itself by its current item
    and its label by the label relation, which then comes first."""
    import pyatspi
    for relation in node.getRelationSet():
        if relation.getRelationType() == pyatspi.RELATION_LABELLED_BY:
            labels = [relation.getTarget(i).name for i in range(relation.getNTargets())]
            if node.getRoleName() == "combo box" and any(labels):
                return " ".join(labels)
    return node.name or ""


def describe(node):
    return "%s %r" % (node.getRoleName(), spoken_name(node))


def song_loaded(screen, window):
    for node in screen.walk(window):
        if node.getRoleName() == "spin button" and node.name == "End time":
            return node.queryValue().maximumValue > 0
    return False


def check_names(screen, window, problems):
    for node in screen.focusable(window):
        name = spoken_name(node)
        if not name.strip() or PLACEHOLDER in name:
            problems.append("%s: focusable %s has no usable name" % (window.name, describe(node)))


def wait_active(screen, window):
    """Keys go to the active window: one that has just opened may not be yet."""
    wait_for(window.name + " to be active",
             lambda: window.getState().contains(screen.at.STATE_ACTIVE))


def press_tab(screen, window, previous):
    """Tab, and the control that has the focus after it. On a machine this busy an X key event
    is now and then not delivered: a Tab that moved nothing in ten seconds is sent again."""
    def moved():
        # Read afresh each time: a control's accessible object may be made anew meanwhile.
        now = screen.focused(screen.tab_stops(window))
        return now if now is not None and now != previous else None

    for _ in range(3):
        key("Tab")
        try:
            return wait_for("Tab to leave " + describe(previous) if previous else "Tab", moved,
                            seconds=10)
        except Failure:
            pass
    raise Failure("three Tabs did not move the focus from " +
                  (describe(previous) if previous else "nothing"))


def check_tab_order(screen, window, expected, problems):
    """Tab walks the whole cycle once, every stop named as expected and none twice."""
    wait_active(screen, window)
    stops = screen.tab_stops(window)
    first = wait_for(window.name + " having the focus", lambda: screen.focused(stops))
    seen = [first]
    for _ in range(len(stops) + 2):
        now = press_tab(screen, window, seen[-1])
        if now == first:
            break
        seen.append(now)
    got = [(node.getRoleName(), spoken_name(node)) for node in seen]
    start = expected.index(got[0]) if got[0] in expected else 0
    want = expected[start:] + expected[:start]
    if got != want:
        problems.append("%s: Tab order\n  got  %s\n  want %s" % (window.name, got, want))
    missed = [describe(node) for node in stops if node not in seen]
    if missed:
        problems.append("%s: Tab never reaches %s" % (window.name, missed))


def tab_to(screen, window, role, name):
    """Presses Tab until the named control has the focus, once it can take it (the manager
    disables its controls while the phone works)."""
    wait_active(screen, window)
    wait_for("%s %r to be usable" % (role, name), lambda: any(
        (node.getRoleName(), spoken_name(node)) == (role, name)
        for node in screen.tab_stops(window)))
    stops = screen.tab_stops(window)
    for _ in range(len(stops) + 1):
        now = screen.focused(stops)
        if now is not None and (now.getRoleName(), spoken_name(now)) == (role, name):
            return now
        press_tab(screen, window, now)
    raise Failure("%s: Tab never reaches %s %r" % (window.name, role, name))


def node_named(screen, window, role, name):
    for node in screen.walk(window):
        if node.getRoleName() == role and node.name == name:
            return node
    raise Failure("%s: no %s %r" % (window.name, role, name))


def check_main_details(screen, window, opened, problems):
    for name in ("Manage", "Help", "Home", "About"):
        link = node_named(screen, window, "link", name)
        action = link.queryAction()
        names = [action.getName(i).lower() for i in range(action.nActions)]
        if "press" not in names:
            problems.append("link %r offers no press action: %s" % (name, names))
    for name in ("Start time", "End time"):
        field = node_named(screen, window, "spin button", name).queryValue()
        if field.maximumValue <= field.minimumValue:
            problems.append("%s reads the range %s..%s" % (name, field.minimumValue,
                                                          field.maximumValue))
    volume = node_named(screen, window, "slider", "Volume").queryValue()
    if volume.currentValue != 1.0:
        problems.append("Volume reads %s where the window shows 1x" % volume.currentValue)
    # The press action follows the link, as Enter and the mouse do.
    help_link = node_named(screen, window, "link", "Help")
    help_link.queryAction().doAction(0)
    wait_for("Help to open the help pages",
             lambda: any(line.endswith("help/index.html") for line in read_lines(opened)))


def check_manager_entries(screen, window, problems):
    listed = [node.name for node in screen.walk(window)
              if node.getRoleName() in ("list item", "table cell")]
    want = ["Mum, text tone", "Office, ringtone"]
    if listed[:2] != want:
        problems.append("the manager's entries read %s, not %s" % (listed, want))


def read_lines(path):
    if not os.path.exists(path):
        return []
    with open(path, encoding="utf-8") as lines:
        return [line.rstrip("\n") for line in lines]


def use_manager(screen, main, phone, problems):
    """Opened, an entry renamed and its kind switched, then closed, by keyboard alone."""
    tab_to(screen, main, "link", "Manage")
    key("Return")
    manager = wait_for("the manager", lambda: screen.window("Manage"))
    wait_for("the phone's list", lambda: any(
        node.getRoleName() in ("list item", "table cell") for node in screen.walk(manager)))
    check_names(screen, manager, problems)
    check_manager_entries(screen, manager, problems)
    check_tab_order(screen, manager, MANAGER_ORDER, problems)

    tab_to(screen, manager, "list", "Ringtones on the iPhone")
    key("Home")
    tab_to(screen, manager, "text", "Name :")
    key("ctrl+a")
    type_text("Dad")
    tab_to(screen, manager, "push button", "Rename")
    key("space")
    wait_for("the rename on the phone", lambda: phone_entry(phone, "ABCD.m4r")["Name"] == "Dad")
    tab_to(screen, manager, "push button", "As Ringtone")
    key("space")
    wait_for("the kind switch on the phone",
             lambda: "Media Kind" not in phone_entry(phone, "ABCD.m4r"))
    tab_to(screen, manager, "push button", "Close")
    snapshot("manager-keyboard")
    key("space")
    wait_for("the manager to close", lambda: screen.window("Manage") is None)


def use_about_box(screen, main, opened, problems):
    """Opened, the licences read, then closed, by keyboard alone."""
    tab_to(screen, main, "link", "About")
    key("Return")
    about = wait_for("the about box", lambda: screen.window("About Vardel"))
    check_names(screen, about, problems)
    check_tab_order(screen, about, ABOUT_ORDER, problems)
    tab_to(screen, about, "link", "Licences")
    snapshot("about-keyboard")
    key("Return")
    wait_for("the licences to open",
             lambda: any("licen" in line.lower() for line in read_lines(opened)))
    key("Escape")
    wait_for("the about box to close", lambda: screen.window("About Vardel") is None)


def main_order():
    """Down the window as it reads, row by row, with a song loaded and nothing playing."""
    return [
        ("push button", "Menu"),
        ("push button", "Minimise"),
        ("push button", "Close"),
        ("text", "Input File:"),
        ("push button", "Browse for the song"),
        ("slider", "Clip"),
        ("spin button", "Start time"),
        ("spin button", "End time"),
        ("spin button", "Fade in:"),
        ("push button", "Suggest"),
        ("push button", "Play"),
        ("push button", "Play Clip"),
        ("slider", "Volume"),
        ("text", "Output Name:"),
        ("spin button", "Fade out"),
        ("check box", "Loop"),
        ("text", "Local Output Folder:"),
        ("push button", "Browse for the output folder"),
        ("check box", "Export to iPhone"),
        ("combo box", "Send to the iPhone as"),
        ("check box", "Even loudness"),
        ("push button", "Generate"),
        ("link", "Manage"),
        ("link", "Help"),
        ("link", "Home"),
        ("link", "About"),
    ]


def run(vardel, opener_dir, work, bus_launcher):
    launcher = start_accessibility_bus(bus_launcher)
    window_manager = start_window_manager()
    import pyatspi

    home = os.path.join(work, "home")
    phone = os.path.join(work, "phone")
    opened = os.path.join(work, "opened.txt")
    for path in (home, phone):
        shutil.rmtree(path, ignore_errors=True)
    os.makedirs(home)
    make_phone(phone)
    song = os.path.join(work, "Song.wav")
    make_song(song)
    if os.path.exists(opened):
        os.remove(opened)
    env = dict(os.environ, HOME=home, HANDVIA_ROOT=phone, VARDEL_OPENED=opened,
               PATH=opener_dir + os.pathsep + os.environ["PATH"], LANG="C.UTF-8",
               LC_ALL="C.UTF-8", QT_QPA_PLATFORM="xcb", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1",
               SDL_AUDIODRIVER="dummy")
    env.pop("LANGUAGE", None)
    program = subprocess.Popen([vardel, song], env=env)
    screen = Screen(pyatspi)
    problems = []
    try:
        main = wait_for("the main window on the bus", lambda: screen.window("Marvolen Vardel"))
        wait_for("the song to load", lambda: song_loaded(screen, main))
        snapshot("main")
        check_names(screen, main, problems)
        check_tab_order(screen, main, main_order(), problems)
        check_main_details(screen, main, opened, problems)
        use_manager(screen, main, phone, problems)
        use_about_box(screen, main, opened, problems)
        key("ctrl+q")
        program.wait(timeout=WAIT_SECONDS)
    except Failure as failure:
        problems.append(str(failure))
    finally:
        if program.poll() is None:
            program.terminate()
            program.wait()
        for helper in (window_manager, launcher):
            helper.terminate()
            helper.wait()
    for problem in problems:
        print("FAIL: " + problem, file=sys.stderr)
    return 1 if problems else 0


if __name__ == "__main__":
    if len(sys.argv) != 5:
        print(__doc__, file=sys.stderr)
        sys.exit(2)
    sys.exit(run(*sys.argv[1:]))
