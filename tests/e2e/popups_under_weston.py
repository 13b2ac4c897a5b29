#!/usr/bin/env python3
"""The calculator's pop-ups on a real Wayland compositor.

Runs inside an X server larger than 1800 x 1300 (xvfb-run): Weston shows its
output as an X window, the calculator runs natively on Weston, and xdotool
drives Weston's window.
Every position is read from screenshots of the X root window:

- the character grid of "A low byte" opens below the selector, left-aligned,
  its top-left at the selector's (left, bottom - 1);
- Escape leaves it open; a right-button click on a cell picks it (A = 65);
- a click elsewhere in the window, one on the selector and one on the
  desktop (another client) close it without a pick, for good;
- the status bar's hint shows about 20 px below the pointer, both while the
  calculator has the keyboard focus and while another client has it.

Usage: popups_under_weston.py BITCALC SNAPSHOT_TOOL
"""
import ctypes
import ctypes.util
import os
import shutil
import subprocess
import sys
import tempfile
import time

GRAY = bytes((128, 128, 128))  # the grid's border and the hint's frame
GRID_BACK = bytes((249, 248, 247))
SELECTOR = (624, 10, 9, 27)  # "A low byte character" in the window: left, top, width, height
GRATIS_PANEL = (492, 314)  # a point in the status bar's second panel, which has a hint
BLANK = (615, 230)  # a point of the window where a click does nothing
# No on-screen keyboard: it would take the keys.
WESTON_INI = "[core]\nidle-time=0\n[input-method]\npath=/bin/true\n"
OUTPUT = (1800, 1300)  # Weston's output, within a larger X screen
ROOM = (1010, 470)  # what the window's client area, the grid and the hints need
DESKTOP = (5, 1290)  # a point of Weston's desktop, away from every window
# The LEDs and readouts show A through the result; the rows above hold the
# fields' caret and the selectors' hot looks, the status bar changing texts.
RESULT_ROWS = range(150, 305)


def fail(message):
    print("FAIL:", message)
    sys.exit(1)


class Image:
    """Pixels as packed RGB bytes."""

    def __init__(self, width, height, data):
        self.width, self.height, self.data = width, height, data

    @staticmethod
    def from_ppm(ppm):
        parts = ppm.split(maxsplit=4)
        if parts[0] != b"P6" or parts[3] != b"255":
            fail("unexpected image format")
        return Image(int(parts[1]), int(parts[2]), parts[4])

    def pixel(self, x, y):
        if not (0 <= x < self.width and 0 <= y < self.height):
            return b""
        i = 3 * (y * self.width + x)
        return self.data[i:i + 3]

    def row(self, y, x0=0, x1=None):
        x1 = self.width if x1 is None else x1
        return self.data[3 * (y * self.width + x0):3 * (y * self.width + x1)]

    def find_runs(self, colour, length, rows):
        """(x, y) of the first run of length pixels of colour in each of rows."""
        needle = colour * length
        for y in rows:
            line = self.row(y)
            at = line.find(needle)
            while at >= 0 and at % 3:
                at = line.find(needle, at + 1)
            if at >= 0:
                yield at // 3, y


def run(*cmd, **kw):
    return subprocess.run(cmd, check=True, capture_output=True, **kw).stdout


class XImage(ctypes.Structure):
    _fields_ = [("width", ctypes.c_int), ("height", ctypes.c_int), ("xoffset", ctypes.c_int),
                ("format", ctypes.c_int), ("data", ctypes.POINTER(ctypes.c_char)),
                ("byte_order", ctypes.c_int), ("bitmap_unit", ctypes.c_int),
                ("bitmap_bit_order", ctypes.c_int), ("bitmap_pad", ctypes.c_int),
                ("depth", ctypes.c_int), ("bytes_per_line", ctypes.c_int),
                ("bits_per_pixel", ctypes.c_int)]


class Screen:
    """The X root window's pixels, read straight from the server: a tenth of
    the time ImageMagick's import takes, which matters when polling."""

    def __init__(self):
        self.x = ctypes.CDLL(ctypes.util.find_library("X11"))
        self.x.XOpenDisplay.restype = ctypes.c_void_p
        self.x.XDefaultRootWindow.restype = ctypes.c_ulong
        self.x.XDefaultRootWindow.argtypes = [ctypes.c_void_p]
        self.x.XGetImage.restype = ctypes.POINTER(XImage)
        self.x.XGetImage.argtypes = [ctypes.c_void_p, ctypes.c_ulong] + [ctypes.c_int] * 2 + \
            [ctypes.c_uint] * 2 + [ctypes.c_ulong, ctypes.c_int]
        self.x.XDestroyImage.argtypes = [ctypes.POINTER(XImage)]
        self.display = self.x.XOpenDisplay(None) or fail("cannot open the X display")
        self.root = self.x.XDefaultRootWindow(self.display)

    def __call__(self):
        z_pixmap, all_planes = 2, 0xFFFFFFFF
        image = self.x.XGetImage(self.display, self.root, 0, 0, *OUTPUT, all_planes, z_pixmap)
        i = image.contents
        if i.bits_per_pixel != 32 or i.bytes_per_line != 4 * i.width:
            fail("the X server's screen is not 32 bits a pixel")
        bgrx = ctypes.string_at(i.data, i.bytes_per_line * i.height)
        rgb = bytearray(3 * i.width * i.height)
        rgb[0::3], rgb[1::3], rgb[2::3] = bgrx[2::4], bgrx[1::4], bgrx[0::4]
        shot = Image(i.width, i.height, bytes(rgb))
        self.x.XDestroyImage(image)
        return shot


screen = None  # a Screen once the X display is known


def wait_for(what, probe, seconds=8.0, quiet=False):
    end = time.monotonic() + seconds
    while True:
        result = probe()
        if result or time.monotonic() > end:
            return result if result or quiet else fail(f"timed out waiting for {what}")
        time.sleep(0.1)


def pointer(x, y, button=None):
    args = ["xdotool", "mousemove", str(x), str(y)]
    if button:  # held as a hand holds it: Weston grants a pop-up's grab to a press only
        args += ["sleep", "0.2", "mousedown", str(button), "sleep", "0.1", "mouseup", str(button)]
    run(*args)


def locate_window(shot, ref):
    """The top-left of the calculator's client area on the screen, or None."""
    sx, sy, n = 24, 20, 64  # a strip across A's high-byte switches
    needle = ref.row(sy, sx, sx + n)
    at = shot.data.find(needle)
    while at >= 0:
        if at % 3 == 0:
            x, y = (at // 3) % shot.width - sx, (at // 3) // shot.width - sy
            if differing(shot, ref, x, y) < 200:
                return x, y
        at = shot.data.find(needle, at + 1)
    return None


def differing(shot, ref, ox, oy):
    """How many pixels of the result's box differ from the reference."""
    count = 0
    for y in RESULT_ROWS:
        a, b = shot.row(oy + y, ox, ox + ref.width), ref.row(y)
        if a != b:
            count += sum(a[i:i + 3] != b[i:i + 3] for i in range(0, len(b), 3))
    return count


def grid_near(shot, x, y, slack):
    """The top-left of an open grid within slack pixels of (x, y), or None."""
    for dy in range(-slack, slack + 1):
        for dx in range(-slack, slack + 1):
            gx, gy = x + dx, y + dy
            left_edge = all(shot.pixel(gx, gy + k) == GRAY for k in range(1, 120))
            top_edge = all(shot.pixel(gx + k, gy) == GRAY for k in range(8, 100))
            corner = all(shot.pixel(gx + i, gy + j) == GRID_BACK for i in (1, 2, 3) for j in (1, 2, 3))
            if left_edge and top_edge and corner:
                return gx, gy
    return None


def any_grid(shot):
    """Where a grid's left edge shows anywhere on the screen, for the failure message."""
    for x, y in shot.find_runs(GRID_BACK, 100, range(0, shot.height, 2)):
        return x, y
    return None


def hint_on_screen(shot):
    """The top-left of the hint's frame anywhere on the screen: a gray top
    edge with a gray left edge starting a pixel lower (the rounded corner)."""
    for x, y in shot.find_runs(GRAY, 100, range(shot.height - 8)):
        if all(shot.pixel(x - 1, y + k) == GRAY for k in range(1, 8)):
            return x - 1, y
    return None


def stop(child):
    child.terminate()
    try:
        child.wait(5)
    except subprocess.TimeoutExpired:
        child.kill()


def main():
    program, snapshot_tool = sys.argv[1], sys.argv[2]
    global screen
    screen = Screen()
    for tool in ("weston", "weston-simple-damage", "xdotool", "convert"):
        if not shutil.which(tool):
            fail(f"{tool} is not installed (scripts/install-deps.sh installs it)")
    work = tempfile.mkdtemp()
    refs = {}
    for a in (0, 65):
        path = os.path.join(work, f"ref{a}.png")
        run(snapshot_tool, path, str(a), env=dict(os.environ, QT_QPA_PLATFORM="offscreen"))
        refs[a] = Image.from_ppm(run("convert", path, "-depth", "8", "ppm:-"))

    runtime = os.path.join(work, "runtime")
    os.mkdir(runtime, 0o700)
    env = dict(os.environ, XDG_RUNTIME_DIR=runtime, WAYLAND_DISPLAY="wayland-bitcalc")
    children = []

    def start(*cmd):
        children.append(subprocess.Popen(cmd, env=env, stdout=subprocess.DEVNULL,
                                         stderr=subprocess.DEVNULL))

    try:
        config = os.path.join(work, "weston.ini")
        with open(config, "w") as f:
            f.write(WESTON_INI)
        start("weston", "--backend=x11-backend.so", "--use-pixman", f"--width={OUTPUT[0]}",
              f"--height={OUTPUT[1]}", "--socket=wayland-bitcalc", f"--config={config}")
        wait_for("Weston", lambda: os.path.exists(os.path.join(runtime, "wayland-bitcalc")))
        env["QT_QPA_PLATFORM"] = "wayland"
        # Weston puts a new window anywhere on the output; the test needs room
        # right of it for the grid and below it for the hints.
        for _ in range(8):
            start(program)
            # Weston follows the X pointer by its moves from where it last
            # came into Weston's X window: a fresh entry puts the two in step,
            # and the cursor, drawn into the screenshots, off the window.
            pointer(OUTPUT[0] + 20, OUTPUT[1] + 20)
            pointer(*DESKTOP)
            ox, oy = wait_for("the calculator's window", lambda: locate_window(screen(), refs[0]), 20)
            if ox + ROOM[0] <= OUTPUT[0] and oy + ROOM[1] <= OUTPUT[1]:
                break
            stop(children.pop())
        else:
            fail("Weston placed the window without room for the grid and the hints eight times")
        # Keys reach Weston while its X window has the X server's focus.
        location = run("xdotool", "getmouselocation", "--shell").decode()
        run("xdotool", "windowfocus", "--sync", location.split("WINDOW=")[1].split()[0])
        for _ in range(3):  # typed into the focused field, A's decimal, once Weston has the focus
            run("xdotool", "sleep", "0.5", "key", "7")
            if wait_for("a key", lambda: differing(screen(), refs[0], ox, oy) > 100, 2, quiet=True):
                break
        else:
            fail("keys do not reach the calculator")
        print(f"window's client area at ({ox}, {oy})")

        left, top, width, height = SELECTOR
        want = (ox + left, oy + top + height - 1)
        selector = (ox + left + width // 2, oy + top + height // 2)

        def open_grid():
            # Weston grants a pop-up's grab to the serial of the press that
            # asked for it; on a loaded machine a press can reach it after
            # Weston has moved on, and the grid is refused. A second press
            # is what a user would make; a grid in the wrong place fails.
            for _ in range(3):
                pointer(*selector, button=1)
                pointer(*DESKTOP)
                found = wait_for("the grid", lambda: grid_near(screen(), *want, 2), 5, quiet=True)
                if found:
                    return found
                elsewhere = any_grid(screen())
                if elsewhere:
                    break
                print("no grid after a press on the selector; pressing again")
            fail(f"the grid shows at {any_grid(screen())}, not with its top-left at {want}")

        def grid_closes(why):
            wait_for(f"the grid to close after {why}", lambda: grid_near(screen(), *want, 4) is None, 5)

        gx, gy = open_grid()
        print(f"grid opens at ({gx}, {gy}), selector's (left, bottom - 1) is {want}")
        shot = screen()
        right = next(x for x in range(gx + 1, gx + 600) if shot.pixel(x, gy + 2) == GRAY)
        bottom = next(y for y in range(gy + 1, gy + 600) if shot.pixel(gx + 2, y) == GRAY)
        cell_w, cell_h = (right + 1 - gx - 8) // 16, (bottom + 1 - gy - 8) // 16

        run("xdotool", "key", "Escape")
        time.sleep(0.5)
        if grid_near(screen(), *want, 2) != (gx, gy):
            fail("Escape closed the grid")

        pointer(gx + 4 + cell_w + cell_w // 2, gy + 4 + 4 * cell_h + cell_h // 2, button=3)
        grid_closes("a pick")
        pointer(*DESKTOP)
        wait_for("A = 65", lambda: differing(screen(), refs[65], ox, oy) < 100, 5)
        print("a right-button click on cell 65 picked it")

        for what, at in (("a click elsewhere in the window", (ox + BLANK[0], oy + BLANK[1])),
                         ("a click on the selector", selector),
                         ("a click on the desktop", DESKTOP)):
            open_grid()
            pointer(*at, button=1)
            grid_closes(what)
            pointer(*DESKTOP)
            time.sleep(0.5)
            shot = screen()
            if grid_near(shot, *want, 4) or differing(shot, refs[65], ox, oy) >= 100:
                fail(f"{what} opened the grid again or changed the window")
            print(f"{what} closed the grid without a pick")

        px, py = ox + GRATIS_PANEL[0], oy + GRATIS_PANEL[1]

        def check_hint(while_what):
            # The status bar shows a panel's hint after a second move inside it.
            for dx in (-40, -2, 0):
                pointer(px + dx, py)
                time.sleep(0.2)
            hint = wait_for(f"the hint {while_what}", lambda: hint_on_screen(screen()))
            dx, dy = hint[0] - px, hint[1] - py
            print(f"hint {while_what}: top-left at ({dx:+d}, {dy:+d}) from the pointer")
            if abs(dx) > 32 or not 0 < dy <= 32:
                fail(f"the hint {while_what} shows at {hint}, the pointer is at ({px}, {py})")
            pointer(px - 100, py)  # into the first panel, which has no hint
            wait_for("the hint to go", lambda: hint_on_screen(screen()) is None, 5)

        check_hint("while the calculator has the focus")
        title = screen().row(oy - 16, ox, ox + 645)  # the title's text, drawn by Qt
        # A small window, so that it hardly ever lies over the hint.
        start("weston-simple-damage", "--width=32", "--height=32")
        wait_for("the calculator's title to show it lost the focus",
                 lambda: screen().row(oy - 16, ox, ox + 645) != title)
        check_hint("while another client has the focus")

        # Left to itself on a Wayland session that also offers an X display,
        # the program runs on X (a window of its own on the X server), and
        # starts without a word.
        del env["QT_QPA_PLATFORM"]
        env["XDG_SESSION_TYPE"] = "wayland"
        default = subprocess.Popen([program], env=env, stdout=subprocess.PIPE,
                                   stderr=subprocess.STDOUT)
        children.append(default)
        run("timeout", "20", "xdotool", "search", "--sync", "--name", "^BitCalc$")
        stop(children.pop())
        said = default.stdout.read().decode()
        if said:
            fail(f"the program said at start: {said}")
        print("by default the program runs on X and says nothing")

        # A Wayland session whose X display is gone: the program stays on
        # Wayland instead of choosing X and aborting there.
        env["DISPLAY"] = ":97"
        stale = subprocess.Popen([program], env=env, stdout=subprocess.PIPE,
                                 stderr=subprocess.STDOUT)
        children.append(stale)
        time.sleep(3)
        if stale.poll() is not None:
            fail(f"with a dead X display the program ended ({stale.returncode}): "
                 f"{stale.stdout.read().decode()}")
        stop(children.pop())
        print("with a dead X display the program runs on Wayland")
    finally:
        for child in reversed(children):
            stop(child)
        shutil.rmtree(work, ignore_errors=True)
    print("PASS")


if __name__ == "__main__":
    main()
