#!/usr/bin/python3
"""Reads the gallery the way a screen reader does: over AT-SPI, from another process.

Run inside tests/desktop/desktop-session.sh (a private X display and session bus):

    gallery-atspi.py GALLERY

It starts the accessibility bus, says assistive technology is listening, starts the gallery on
the window backend and then, through pyatspi: walks the application's tree and checks that
every kind of control is there with its role, name and states; presses a button, checks a
check box and a tree item, opens a drop list and picks a row; presses Tab (xdotool) to hear
the focus events; and scrolls to the menu's label, opens the menu and executes an item. Every
wait is a bounded poll; every failure says what was missing. The tree it read is printed.
"""
import os
import subprocess
import sys
import time

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Gio, GLib  # noqa: E402

LAUNCHER = "/usr/libexec/at-spi-bus-launcher"
APP_NAME = "Trellis gallery"
WAIT_SECONDS = 20


class Failure(Exception):
    pass


def poll(what, probe, seconds=WAIT_SECONDS):
    """Calls probe until it answers something true, serving GLib meanwhile; fails saying what."""
    deadline = time.monotonic() + seconds
    context = GLib.MainContext.default()
    while True:
        while context.iteration(False):
            pass
        found = probe()
        if found:
            return found
        if time.monotonic() > deadline:
            raise Failure(f"gave up after {seconds} s waiting for {what}")
        time.sleep(0.05)


def session_bus_call(bus, name, path, interface, method, args, reply=None):
    return bus.call_sync(name, path, interface, method, args,
                         GLib.VariantType(reply) if reply else None,
                         Gio.DBusCallFlags.NONE, 2000, None)


def start_accessibility_bus():
    if not os.access(LAUNCHER, os.X_OK):
        raise Failure(f"{LAUNCHER} is missing (at-spi2-core; scripts/deps.sh installs it)")
    launcher = subprocess.Popen([LAUNCHER, "--launch-immediately"])
    bus = Gio.bus_get_sync(Gio.BusType.SESSION, None)

    def address():
        try:
            return session_bus_call(bus, "org.a11y.Bus", "/org/a11y/bus", "org.a11y.Bus",
                                    "GetAddress", None, "(s)").unpack()[0]
        except GLib.Error:
            return None

    poll("the accessibility bus (org.a11y.Bus) to answer", address)
    # What a screen reader says when it starts; the gallery asks it when its window opens.
    session_bus_call(bus, "org.a11y.Bus", "/org/a11y/bus", "org.freedesktop.DBus.Properties",
                     "Set", GLib.Variant("(ssv)", ("org.a11y.Status", "ScreenReaderEnabled",
                                                   GLib.Variant("b", True))))
    return launcher


# ---- reading the tree

def states_of(accessible):
    import pyatspi
    names = []
    state_set = accessible.getState()
    for state in state_set.getStates():
        names.append(pyatspi.stateToString(state) if hasattr(pyatspi, "stateToString")
                     else str(state).split("_", 2)[-1].lower().replace("_", " "))
    return sorted(names)


def describe(accessible):
    line = f"[{accessible.getRoleName()}] {accessible.name!r}"
    try:
        value = accessible.queryValue()
        line += f" value={value.currentValue:g}"
    except NotImplementedError:
        pass
    try:
        text = accessible.queryText()
        line += f" text={text.getText(0, -1)!r} caret={text.caretOffset}"
    except NotImplementedError:
        pass
    try:
        action = accessible.queryAction()
        if action.nActions:
            line += f" action={action.getName(0)!r}"
    except NotImplementedError:
        pass
    for attribute in accessible.getAttributes():
        if attribute.split(":")[0] in ("level", "posinset", "setsize"):
            line += " " + attribute.replace(":", "=", 1)
    line += " {" + ", ".join(states_of(accessible)) + "}"
    return line


def walk(accessible, depth=0, into=None):
    """Every node under accessible, depth first, with its depth."""
    into = [] if into is None else into
    into.append((depth, accessible))
    for i in range(accessible.childCount):
        child = accessible.getChildAtIndex(i)
        if child is not None:
            walk(child, depth + 1, into)
    return into


def find_application(gallery):
    import pyatspi
    desktop = pyatspi.Registry.getDesktop(0)

    def probe():
        if gallery.poll() is not None:
            raise Failure(f"the gallery ended (exit code {gallery.returncode}) before its "
                          "window reached the accessibility bus")
        for i in range(desktop.childCount):
            app = desktop.getChildAtIndex(i)
            if app is not None and app.name == APP_NAME and app.childCount > 0:
                return app
        return None

    return poll(f"the application {APP_NAME!r} with a window on the accessibility bus", probe)


# ---- what must be there

# Every kind of control the gallery shows: (role, a name one of them has, or None). States are
# checked on the named one when a third entry gives them, and an attribute when a fourth does.
EXPECTED = [
    ("frame", APP_NAME, {"active", "showing"}),
    ("label", "A plain label", {"enabled", "showing"}),
    ("check box", "选项 Option", {"checkable", "focusable", "enabled"}),
    ("scroll bar", None, {"enabled"}),
    ("entry", None, {"editable", "single line"}),
    ("radio button", "Two", {"checked", "checkable"}, "posinset:2"),
    ("push button", "Normal", {"enabled", "focusable"}),
    ("combo box", "樱桃 Cherry", {"enabled", "focusable", "expandable", "has popup"}),
    ("tree", None, {"focusable"}),
    ("tree item", "Documents", {"expanded", "indeterminate", "checkable"}, "level:1"),
    ("tree item", "Inbox", {"expandable", "selectable"}, "level:1"),
    ("tree item", "Quarterly figures", None, "level:3"),
]


def check_expected(tree):
    missing = []
    for role, name, states, *attribute in EXPECTED:
        found = [n for _, n in tree
                 if n.getRoleName() == role and (name is None or n.name == name)]
        if not found:
            missing.append(f"no {role}" + (f" named {name!r}" if name else ""))
        elif states and not states <= set(states_of(found[0])):
            missing.append(f"the {role} {found[0].name!r} lacks "
                           f"{sorted(states - set(states_of(found[0])))}")
        elif attribute and attribute[0] not in found[0].getAttributes():
            missing.append(f"the {role} {found[0].name!r} lacks {attribute[0]}: "
                           f"{found[0].getAttributes()}")
    if missing:
        raise Failure("the tree is not complete: " + "; ".join(missing))


def first(tree, what, test):
    for _, node in tree:
        if test(node):
            return node
    raise Failure(f"no {what} in the tree")


def role_named(role, name=None):
    return lambda n: n.getRoleName() == role and (name is None or n.name == name)


def has_state(node, state):
    return state in states_of(node)


# ---- events

class Listener:
    """Keeps the events of the given kinds that the gallery sends, in order."""

    def __init__(self, *kinds):
        from gi.repository import Atspi
        self.events = []
        self._listener = Atspi.EventListener.new(self._hear)
        for kind in kinds:
            self._listener.register(kind)

    def _hear(self, event):
        try:
            self.events.append((event.type, event.source.get_role_name(), event.source.get_name(),
                                event.detail1))
        except GLib.Error:
            pass

    def wait_for(self, what, test):
        def probe():
            for event in self.events:
                if test(event):
                    return event
            return None
        return poll(what, probe)


def focus_to(role, name=None):
    return lambda e: (e[0].startswith("object:state-changed:focused") and e[3] == 1 and
                      e[1] == role and (name is None or e[2] == name))


# ---- acting

def do_action(node):
    action = node.queryAction()
    if action.nActions < 1:
        raise Failure(f"the {node.getRoleName()} {node.name!r} has no action")
    if not action.doAction(0):
        raise Failure(f"the {node.getRoleName()} {node.name!r} refused its action "
                      f"{action.getName(0)!r}")


def popups(app):
    """The application's top-level windows other than the gallery's frame. One that goes while
    they are counted is left out, as a reader leaves it."""
    windows = [app.getChildAtIndex(i) for i in range(app.childCount)]
    return [w for w in windows if w is not None and w.getRoleName() != "frame"]


def press_button_for_calendar(app, tree):
    """Presses a date picker's button, which opens its calendar, and picks a day in it."""
    button = first(tree, "enabled date picker button",
                   lambda n: n.getRoleName() == "push button" and n.name == "\u25bc" and
                   has_state(n, "enabled"))
    do_action(button)
    window = poll("the calendar to open in a window of its own", lambda: popups(app))[0]
    month = first(walk(window), "month table in the calendar", role_named("table"))
    day = first(walk(month), "day of the month that is not selected",
                lambda n: n.getRoleName() == "table cell" and n.name == "15")
    cells = [n for _, n in walk(month) if n.getRoleName() == "table cell"]
    headers = [n.name for _, n in walk(month) if n.getRoleName() == "column header"]
    selected = [describe(n) for n in cells if has_state(n, "selected")]
    if len(headers) != 7 or len(selected) != 1:
        raise Failure(f"the calendar's month is not a week of headers over days with one "
                      f"selected: headers {headers}, selected {selected}")
    print(f"pressed the date picker's button: {describe(window)} holds {describe(month)}, "
          f"column headers {headers}, {len(cells)} day cells, selected {selected}")
    name = day.name
    do_action(day)
    poll("the calendar to close once a day is picked", lambda: not popups(app))
    picker = button.parent
    poll(f"the date picker to show the day {name} (it shows {picker.name!r})",
         lambda: picker.getRoleName() == "combo box" and picker.name.endswith(f"-{name}"))
    print(f"picked the day {name!r}: the date picker shows {picker.name!r}")


def toggle_check(tree, role, listener):
    """Checks a box in sight (the action clicks where it is drawn), first clearing it when it
    is checked, and hears each change announced."""
    box = first(tree, f"showing, enabled, checkable {role} that is not mixed",
                lambda n: n.getRoleName() == role and has_state(n, "enabled") and
                has_state(n, "showing") and has_state(n, "checkable") and
                not has_state(n, "indeterminate"))
    steps = [False, True] if has_state(box, "checked") else [True]
    for checked in steps:
        before = len(listener.events)
        do_action(box)
        poll(f"the {role} {box.name!r} to be {'checked' if checked else 'cleared'}",
             lambda: has_state(box, "checked") == checked)
        listener.wait_for(f"the {role} {box.name!r} to announce its check", lambda e: (
            e in listener.events[before:] and e[0].startswith("object:state-changed:checked")
            and e[1] == role and e[2] == box.name and e[3] == int(checked)))
        print(f"{'checked' if checked else 'cleared'} the {role} {box.name!r}")


def pick_from_drop_list(tree, listener):
    """Opens a drop list by its action, picks another row of its list through the list's
    selection, and hears the combo box's name (what it shows) change."""
    combo = first(tree, "showing, enabled drop list (a combo box holding a list)",
                  lambda n: n.getRoleName() == "combo box" and has_state(n, "enabled") and
                  has_state(n, "showing") and
                  any(c is not None and c.getRoleName() == "list" for c in n))
    shown = combo.name
    if not shown:
        raise Failure("the drop list's combo box has no name: it should read what it shows")
    before = len(listener.events)
    do_action(combo)

    def open_list():
        for _, node in walk(combo):
            if node.getRoleName() == "list" and has_state(node, "showing") and node.childCount:
                return node
        return None

    listbox = poll(f"the list of the combo box {shown!r} to open", open_list)
    rows = [listbox.getChildAtIndex(i).name for i in range(listbox.childCount)]
    if not any(rows) or not has_state(combo, "expanded"):
        raise Failure(f"the open list of {shown!r} is not expanded with named rows: {rows}")
    index = next((i for i, row in enumerate(rows) if row and row != shown), None)
    if index is None:
        raise Failure(f"the open list of {shown!r} has no other row to pick: {rows}")
    if not listbox.querySelection().selectChild(index):
        raise Failure(f"the list refused to select its row {rows[index]!r}")
    poll(f"the combo box to show {rows[index]!r}", lambda: combo.name == rows[index])
    listener.wait_for("the combo box's name change announced", lambda e: (
        e in listener.events[before:] and e[0].startswith("object:property-change:accessible-name")
        and e[1] == "combo box"))
    poll("the list to close once a row is picked", lambda: not has_state(combo, "expanded"))
    print(f"opened the combo box {shown!r}, rows {rows}; picked {rows[index]!r}")


def tab_through(listener):
    window = subprocess.run(["xdotool", "search", "--sync", "--name", f"^{APP_NAME}$"],
                            capture_output=True, text=True, timeout=WAIT_SECONDS)
    if window.returncode or not window.stdout.split():
        raise Failure("xdotool found no window named " + APP_NAME)
    wid = window.stdout.split()[0]
    subprocess.run(["xdotool", "windowfocus", wid], check=True, timeout=WAIT_SECONDS)
    seen = []
    for _ in range(3):
        before = len(listener.events)
        subprocess.run(["xdotool", "key", "--window", wid, "Tab"], check=True,
                       timeout=WAIT_SECONDS)
        event = poll("a focus event after Tab", lambda: next(
            (e for e in listener.events[before:] if focus_to(e[1])(e)), None))
        seen.append(f"[{event[1]}] {event[2]!r}")
    print("Tab moved the focus to: " + ", ".join(seen))


def open_menu_and_execute(app, tree):
    """Scrolls the gallery to the label that opens a menu (the wheel, xdotool), right-clicks
    it, reads the menu's items (a greyed one not enabled) and executes one by its action."""
    import pyatspi
    label = first(tree, "label that opens the menu", role_named("label", "Right-click here"))
    frame = app.getChildAtIndex(0)
    fx, fy, fw, fh = frame.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    subprocess.run(["xdotool", "mousemove", str(fx + fw - 30), str(fy + fh // 2)], check=True,
                   timeout=WAIT_SECONDS)

    def scrolled():
        subprocess.run(["xdotool", "click", "5"], check=True, timeout=WAIT_SECONDS)
        return has_state(label, "showing")

    poll(f"the label {label.name!r} to show as the wheel scrolls the gallery", scrolled)
    x, y, w, h = label.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    subprocess.run(["xdotool", "mousemove", str(x + w // 2), str(y + h // 2), "click", "3"],
                   check=True, timeout=WAIT_SECONDS)
    window = poll("the menu to open in a window of its own", lambda: popups(app))[0]
    menu = first(walk(window), "menu in the window", role_named("menu"))
    items = [menu.getChildAtIndex(i) for i in range(menu.childCount)]
    named = [i for i in items if i.getRoleName() == "menu item"]
    names = [i.name for i in named]
    greyed = [i.name for i in named if not has_state(i, "enabled")]
    if not named or not greyed:
        raise Failure(f"the menu lacks items or a greyed one: {[describe(i) for i in items]}")
    chosen = next(i for i in named if has_state(i, "enabled"))
    name = chosen.name
    do_action(chosen)
    poll("the menu to close once an item is executed", lambda: not popups(app))
    print(f"opened the menu: {names}, greyed {greyed}; executed {name!r}")


def main():
    if len(sys.argv) != 2:
        print(f"usage: {sys.argv[0]} GALLERY", file=sys.stderr)
        return 2
    launcher = start_accessibility_bus()
    gallery = subprocess.Popen([sys.argv[1]])
    try:
        import pyatspi  # noqa: F401  (after the bus is up: it connects on import)
        app = find_application(gallery)
        listener = Listener("object:state-changed:focused", "object:state-changed:checked",
                            "object:property-change:accessible-name")
        tree = walk(app)
        for depth, node in tree:
            print("  " * depth + describe(node))
        check_expected(tree)
        toggle_check(tree, "check box", listener)
        toggle_check(tree, "tree item", listener)
        press_button_for_calendar(app, tree)
        pick_from_drop_list(tree, listener)
        tab_through(listener)
        open_menu_and_execute(app, tree)
        return 0
    except Failure as failure:
        print(f"gallery-atspi: {failure}", file=sys.stderr)
        return 1
    finally:
        gallery.terminate()
        gallery.wait()
        launcher.terminate()
        launcher.wait()


if __name__ == "__main__":
    sys.exit(main())
