"""A screen reader's view of the calculator over AT-SPI (run by atspi_under_xvfb.sh).

Reads the whole tree against a table, acts on a switch, a spin box, the slider,
a grid cell and the link, waits (bounded) for the events each act must send,
and checks the LEDs on a screenshot of the window.
"""
import os
import subprocess
import sys
import time
import warnings

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi, GLib  # noqa: E402

# get_action_name's replacement is not in Debian 12's Atspi yet.
warnings.simplefilter("ignore", DeprecationWarning)

BASE = "enabled sensitive showing visible"
SWITCH = (BASE, ["Toggle"])
LED_LIT = (BASE + " checked read-only", [])
FIELD = (BASE + " focusable", ["Increase", "Decrease", "SetFocus"])
TEXT = (BASE + " focusable editable", ["SetFocus"])
BUTTON = (BASE + " focusable", ["Press", "SetFocus"])
SELECTOR = (BASE + " expandable collapsed", ["Press"])
STATIC = (BASE, [])


def table():
    """Role, name, states (besides focused) and actions of every node at the start."""
    rows = [("frame", "BitCalc", (BASE + " active", []))]
    for operand in "AB":
        rows += [("check box", f"{operand} bit {k}", SWITCH) for k in range(16)]
    rows += [("check box", f"Result bit {k}", LED_LIT) for k in range(16)]
    for field in ("A decimal", "A hexadecimal", "B decimal", "B hexadecimal"):
        rows += [("spin button", field, FIELD), ("text", field, TEXT)]
    rows.append(("slider", "Operation", (BASE + " focusable", ["SetFocus", "Increase", "Decrease"])))
    rows += [("push button", name, BUTTON) for name in (
        "Rotate A left", "Rotate A right", "Rotate B left", "Rotate B right", "Invert A",
        "Reset A", "Invert B", "Reset B", "Swap the nibbles of A's low byte",
        "Swap the nibbles of A's high byte", "Swap A's bytes")]
    rows += [("push button", f"{o} {b} byte character", SELECTOR)
             for o in "AB" for b in ("low", "high")]
    labels = [" 7    6   5   4    3   2    1   0"] * 2 + ["15 14  13 12  11 10   9   8"] * 2 + [
        "A", "B", "Decimal                      Hex                        Ascii",
        "Decimal                      Hex                       Ascii",
        "7    6    5    4    3    2    1    0", "15  14  13  12  11  10   9    8", "Ascii",
        "NOT A", "A AND B", "A OR B", "A XOR B", "A SUB B", "A ADD B", "A MOD B", "A DIV B",
        "Result, decimal: 65535", "Result, hexadecimal: FFFF", "A, signed: 0",
        "Result, characters: high byte 255 \u02d9, low byte 255 \u02d9"]
    labels += [f"A, bits {lo} to {hi}: 0, hexadecimal 0"
               for lo, hi in ((0, 3), (4, 7), (0, 7), (8, 11), (12, 15), (8, 15))]
    labels += [f"Result, bits {lo} to {hi}: {v}, hexadecimal {v:X}"
               for lo, hi, v in ((0, 3, 15), (4, 7, 15), (0, 7, 255), (8, 11, 15), (12, 15, 15),
                                 (8, 15, 255))]
    labels += [f"{o}, {b} byte character: 0" for o in "AB" for b in ("low", "high")]
    rows += [("label", name, STATIC) for name in labels]
    rows.append(("status bar", "Status", STATIC))
    rows += [("label", "Rodazu system sterowania i pomiarów dla amatorów i profesjonalistów",
              STATIC), ("label", "Gratis", STATIC), ("label", " bitcalc.example.org",
                                                      (BASE, ["Press"]))]
    return sorted((role, name, " ".join(sorted(states.split())), tuple(actions))
                  for role, name, (states, actions) in rows)


failures = []


def check(ok, what):
    if not ok:
        failures.append(what)
        print("FAIL:", what, file=sys.stderr)


def states(node):
    return " ".join(sorted(Atspi.StateType(s).value_nick for s in node.get_state_set().get_states()
                           if s != Atspi.StateType.FOCUSED))


def actions(node):
    return tuple(Atspi.Action.get_action_name(node, i) for i in range(node.get_n_actions()))


def walk(node):
    yield node
    for i in range(node.get_child_count()):
        child = node.get_child_at_index(i)
        if child:
            yield from walk(child)


def pump_until(condition, what, seconds=5.0):
    """Lets the client's main loop deliver events until condition holds."""
    context = GLib.MainContext.default()
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        while context.iteration(False):
            pass
        if condition():
            return True
        time.sleep(0.02)
    check(False, what)
    return False


def find_application():
    holder = []

    def found():
        desktop = Atspi.get_desktop(0)
        for i in range(desktop.get_child_count()):
            app = desktop.get_child_at_index(i)
            if app and app.get_name() == "bitcalc" and app.get_child_count() > 0:
                holder.append(app)
                return True
        return False

    if not pump_until(found, "the program appears on the bus", 20):
        sys.exit(1)
    return holder[0]


def main():
    Atspi.init()
    app = find_application()
    nodes = {}
    seen = []
    for node in walk(app.get_child_at_index(0)):
        seen.append((node.get_role_name(), node.get_name(), states(node), actions(node)))
        nodes.setdefault(node.get_name(), node)
    expected = table()
    for row in sorted(set(seen) - set(expected)):
        check(False, f"unexpected node {row}")
    for row in sorted(set(expected) - set(seen)):
        check(False, f"missing node {row}")
    check(len(seen) == len(expected), f"{len(seen)} nodes, {len(expected)} expected")

    events = []

    def heard(event):
        events.append((event.type, event.source.get_name() if event.source else ""))

    listener = Atspi.EventListener.new(heard)
    for kind in ("object:state-changed", "object:property-change:accessible-name",
                 "object:property-change:accessible-description",
                 "object:property-change:accessible-value"):
        listener.register(kind)

    def acted(description, *wanted):
        """Waits until every (event type, source name) in wanted has been heard."""
        pump_until(lambda: all(w in events for w in wanted), f"{description}: heard {events}")
        events.clear()

    def value(name):
        return Atspi.Value.get_current_value(nodes[name])

    def do(name, action):
        node = nodes[name]
        Atspi.Action.do_action(node, actions(node).index(action))

    # A switch: A = 1, so NOT A clears result bit 0.
    do("A bit 0", "Toggle")
    acted("toggling A bit 0", ("object:state-changed:checked", "A bit 0"),
          ("object:state-changed:checked", "Result bit 0"),
          ("object:property-change:accessible-value", "A decimal"))
    check(value("A decimal") == 1, "A decimal reads 1 after the toggle")

    # A spin box's value: a program's write, clamped, not bound by MaxLength.
    Atspi.Value.set_current_value(nodes["A decimal"], 1234)
    acted("A decimal := 1234", ("object:property-change:accessible-value", "A decimal"),
          ("object:property-change:accessible-value", "A hexadecimal"))
    check(value("A hexadecimal") == 1234, "A hexadecimal follows A decimal")
    Atspi.Value.set_current_value(nodes["B decimal"], 70000)
    acted("B decimal := 70000", ("object:property-change:accessible-value", "B decimal"))
    check(value("B decimal") == 65535, f"B decimal clamped to 65535: {value('B decimal')}")
    # ... and its steps.
    do("B decimal", "Decrease")
    acted("B decimal Decrease", ("object:property-change:accessible-value", "B decimal"))
    check(value("B decimal") == 65534, "Decrease steps B down")
    do("A hexadecimal", "Increase")
    acted("A hexadecimal Increase", ("object:property-change:accessible-value", "A hexadecimal"))
    check(value("A decimal") == 1235, "Increase steps A up")

    # The slider: A ADD B, named in its description.
    Atspi.Value.set_current_value(nodes["Operation"], 3)
    acted("Operation := 3", ("object:property-change:accessible-value", "Operation"),
          ("object:property-change:accessible-description", "Operation"))
    check(nodes["Operation"].get_description() == "A ADD B", "the slider describes A ADD B")
    result = (1235 + 65534) % 65536
    check(nodes["Result, decimal: 65535"].get_name() == f"Result, decimal: {result}",
          "the result readout reads the sum")

    # A grid cell: B's low byte becomes 'B' (66).
    do("B low byte character", "Press")
    acted("opening B's low byte grid",
          ("object:state-changed:showing", "B low byte character"))
    grid = [n for i in range(app.get_child_count())
            for n in walk(app.get_child_at_index(i)) if n.get_role_name() == "list"]
    check(len(grid) == 1 and grid[0].get_name() == "B low byte character",
          "the open grid is named like its selector")
    if grid:
        cell = grid[0].get_child_at_index(66)
        check(cell.get_name() == "66 B", f"cell 66 reads {cell.get_name()}")
        Atspi.Action.do_action(cell, 0)
        acted("picking 66", ("object:property-change:accessible-value", "B decimal"))
    check(value("B decimal") == 65346, f"B = FF42h after the pick: {value('B decimal')}")
    result = (1235 + 65346) % 65536

    # The link opens through the click's path, here the stand-in xdg-open.
    do(" bitcalc.example.org", "Press")
    opened = os.environ["OPENED"]
    pump_until(lambda: os.path.exists(opened) and "bitcalc.example.org" in open(opened).read(),
               "the link's press opens it")

    # A hint: the pointer rests on the "Gratis" panel; the tool tip shows,
    # says so, and reads its title.
    box = Atspi.Component.get_extents(nodes["Gratis"], Atspi.CoordType.SCREEN)
    for dx in (0, 1):
        subprocess.run(["xdotool", "mousemove", str(box.x + box.width // 2 + dx),
                        str(box.y + box.height // 2)], check=True)
        time.sleep(0.1)
    tips = []

    def tip_shown():
        tips[:] = [n for i in range(app.get_child_count())
                   for n in walk(app.get_child_at_index(i)) if n.get_role_name() == "tool tip"]
        return ("object:state-changed:showing", "Oprogramowanie bezpłatne") in events and tips

    pump_until(tip_shown, f"a hint shows and is heard: {events}")
    check([(t.get_name(), t.get_description()) for t in tips] == [(
        "Oprogramowanie bezpłatne", "Kalkulator liczb 16-bitowych\nDo użytku prywatnego i "
        "firmowego\nBez rejestracji i bez reklam\nNiczego nie zapisuje na dysku")],
        "the hint reads its title and lines")

    # The LEDs on screen show the result: lamp centres of result bits 0..15.
    window = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", "^BitCalc$"],
                            capture_output=True, text=True, check=True).stdout.split()[0]
    subprocess.run(["import", "-window", window, os.environ["SHOT"]], check=True)
    led_x = [552, 528, 504, 480, 456, 432, 408, 384, 344, 320, 296, 272, 248, 224, 200, 176]
    probe = " ".join(f"%[pixel:p{{{x + 12},176}}]" for x in led_x)
    pixels = subprocess.run(["convert", os.environ["SHOT"], "-format", probe, "info:"],
                            capture_output=True, text=True, check=True).stdout.split()
    lit = ["1" if p == "srgb(0,255,0)" else "0" for p in pixels]
    check("".join(reversed(lit)) == f"{result:016b}",
          f"LEDs show {''.join(reversed(lit))}, result is {result:016b}")

    if failures:
        sys.exit(f"{len(failures)} failures")
    print(f"{len(seen)} nodes as tabled; switch, fields, slider, grid and link acted as heard")


main()
