"""Drives the real Quorvane.exe under Wine like a person does: starts it,
clicks and types with xdotool on the X display, looks at the screen through
screenshots and at the windows through the inspector, and waits for its exit.
Every wait polls with a time-out; nothing sleeps for a fixed time to let the
program catch up.
"""

import os
import signal
import subprocess
import sys
import tempfile
import time

ROOT = os.path.abspath(os.path.join(os.path.dirname(__file__), "..", ".."))
WINE_RUN = os.path.join(ROOT, "tools", "wine-run.sh")
SCREENSHOTS = os.path.join(ROOT, "build", "screenshots")
sys.path.insert(0, os.path.join(ROOT, "tools"))

TITLE = "Quorvane"
WINDOW_SIZE = (345, 474)
DESKTOP_SIZE = (1024, 768)


class Failure(AssertionError):
    pass


def check(condition, message):
    if not condition:
        raise Failure(message)


def wait_for(what, probe, timeout=15.0, interval=0.2):
    """Calls probe until it returns something other than None or False and
    returns that; fails with `what` after the time-out."""
    deadline = time.monotonic() + timeout
    while True:
        value = probe()
        if value is not None and value is not False:
            return value
        if time.monotonic() > deadline:
            raise Failure(f"timed out waiting for {what}")
        time.sleep(interval)


def wine_environment_command(command):
    """A shell command run with the project's Wine environment."""
    return ["bash", "-c", f'source "{ROOT}/tools/wine-env.sh"; {command}']


def wait_for_wineserver_exit(timeout=30):
    """Lets the wineserver of earlier runs end, so that each run gets a fresh
    one with one virtual desktop on the display."""
    try:
        subprocess.run(wine_environment_command("wineserver -w"), timeout=timeout, check=False)
    except subprocess.TimeoutExpired:
        subprocess.run(wine_environment_command("wineserver -k"), check=False)


# --- the inspector -------------------------------------------------------

class Inspector:
    def __init__(self, exe):
        self.exe = exe

    def lines(self, *args):
        """Runs one inspector command: its (key, value) lines, or None when
        the thing asked for is not there."""
        done = subprocess.run([WINE_RUN, self.exe, *args], stdout=subprocess.PIPE,
                              stderr=subprocess.DEVNULL, timeout=30)
        if done.returncode == 1:
            return None
        check(done.returncode == 0, f"inspector {args} failed with {done.returncode}")
        return [(key, unescape(value)) for key, _, value in
                (line.partition("=") for line in done.stdout.decode("utf-8").splitlines())]

    def ask(self, *args):
        """A dict of key -> list of values, or None."""
        lines = self.lines(*args)
        if lines is None:
            return None
        facts = {}
        for key, value in lines:
            facts.setdefault(key, []).append(value)
        return facts

    def window(self):
        facts = self.ask("window", TITLE)
        if facts is None:
            return None
        return {
            "rect": tuple(int(v) for v in facts["rect"][0].split(",")),
            "client": tuple(int(v) for v in facts["client"][0].split(",")),
            "enabled": facts["enabled"][0] == "1",
            "pid": int(facts["pid"][0]),
        }

    def focus(self):
        facts = self.ask("focus", TITLE)
        return None if facts is None else facts["id"][0]

    def text(self, child_id):
        facts = self.ask("text", TITLE, str(child_id))
        return None if facts is None else facts["text"][0]

    def working_directory(self):
        facts = self.ask("cwd", TITLE)
        return None if facts is None else facts["cwd"][0]

    def message_boxes(self):
        """One dict of key -> list of values per message box shown."""
        boxes = []
        for key, value in self.lines("msgbox") or []:
            if key == "box":
                boxes.append({})
            boxes[-1].setdefault(key, []).append(value)
        return boxes

    def button_face(self):
        value = self.ask("btnface")["btnface"][0]
        return tuple(int(value[i:i + 2], 16) for i in (1, 3, 5))


def unescape(value):
    out, i = [], 0
    while i < len(value):
        if value[i] == "\\" and i + 1 < len(value):
            out.append({"n": "\n", "r": "\r"}.get(value[i + 1], value[i + 1]))
            i += 2
        else:
            out.append(value[i])
            i += 1
    return "".join(out)


# --- the X display -------------------------------------------------------

def xdotool(*args):
    subprocess.run(["xdotool", *args], check=True, stdout=subprocess.DEVNULL)


def desktop_window():
    """The X window of Wine's virtual desktop and its place on the screen."""
    found = subprocess.run(["xdotool", "search", "--name", "Wine desktop"],
                           stdout=subprocess.PIPE, text=True).stdout.split()
    if not found:
        return None
    xid = found[-1]
    shape = subprocess.run(["xdotool", "getwindowgeometry", "--shell", xid],
                           stdout=subprocess.PIPE, text=True, check=True).stdout
    values = dict(line.split("=", 1) for line in shape.split())
    return xid, int(values["X"]), int(values["Y"])


class Screen:
    """Screen coordinates of Wine's desktop are offset by the place of the
    desktop's X window.

    Moves are sent without xdotool's --sync: over Wine's desktop a move to
    where the pointer already is keeps it waiting some 15 seconds; the X
    server keeps the move before the click all the same."""

    def __init__(self):
        self.xid, self.x, self.y = wait_for("Wine's virtual desktop", desktop_window)

    def focus_keyboard(self):
        xdotool("windowfocus", "--sync", self.xid)

    def click(self, x, y):
        xdotool("mousemove", str(self.x + x), str(self.y + y), "click", "1")

    def double_click(self, x, y):
        xdotool("mousemove", str(self.x + x), str(self.y + y),
                "click", "--repeat", "2", "--delay", "80", "1")

    def key(self, *keys):
        self.focus_keyboard()
        xdotool("key", "--delay", "60", *keys)

    def type(self, text):
        self.focus_keyboard()
        xdotool("type", "--delay", "60", text)

    def screenshot(self, path, rect=None):
        """Saves the desktop, or the part rect = (x, y, width, height) of it."""
        x, y, w, h = rect or (0, 0) + DESKTOP_SIZE
        subprocess.run(["import", "-window", "root", "-crop", f"{w}x{h}+{self.x + x}+{self.y + y}",
                        "+repage", path], check=True)

    def pixels(self, rect):
        """The RGB bytes of rect = (x, y, width, height) of the desktop."""
        with tempfile.NamedTemporaryFile(suffix=".png") as shot:
            self.screenshot(shot.name, rect)
            return read_rgb(shot.name)


def read_rgb(path):
    """(width, height, rows of RGB bytes) of a picture file."""
    size = subprocess.run(["identify", "-format", "%w %h", path], stdout=subprocess.PIPE,
                          text=True, check=True).stdout.split()
    data = subprocess.run(["convert", path, "-depth", "8", "rgb:-"], stdout=subprocess.PIPE,
                          check=True).stdout
    width, height = int(size[0]), int(size[1])
    return width, height, data


def decode_qr(path):
    """The texts of the QR codes zbarimg finds in a picture, as bytes."""
    done = subprocess.run(["zbarimg", "--quiet", "--raw", "-Sbinary", path],
                          stdout=subprocess.PIPE, stderr=subprocess.DEVNULL)
    return done.stdout.rstrip(b"\n") if done.returncode == 0 else None


# --- the program ---------------------------------------------------------

class Program:
    """Quorvane.exe started under Wine from a chosen directory, with its
    window found on the screen."""

    def __init__(self, exe, inspector_exe, workdir):
        self.exe = os.path.abspath(exe)
        self.inspector = Inspector(inspector_exe)
        self.workdir = workdir
        self.process = None
        self.screen = None
        self.window = None

    def __enter__(self):
        wait_for_wineserver_exit()
        # A session of its own, so that a hung program can be ended with
        # everything this run started and nothing else.
        self.process = subprocess.Popen([WINE_RUN, self.exe], cwd=self.workdir,
                                        start_new_session=True, stdout=subprocess.DEVNULL,
                                        stderr=subprocess.DEVNULL)
        try:
            self.window = wait_for("the program's window", self._window_while_running, timeout=60)
            self.screen = Screen()
        except BaseException as error:
            self.__exit__(type(error), error, error.__traceback__)
            raise
        return self

    def _window_while_running(self):
        code = self.process.poll()
        check(code is None, f"the program ended with exit code {code} before showing its window")
        return self.inspector.window()

    def __exit__(self, kind, error, trace):
        if error is not None and self.screen is not None:
            self.keep_screenshot("failure")
        if self.process.poll() is None:
            for _ in self.inspector.message_boxes():
                self.inspector.ask("press-ok")
            os.killpg(self.process.pid, signal.SIGTERM)
            try:
                self.process.wait(timeout=10)
            except subprocess.TimeoutExpired:
                os.killpg(self.process.pid, signal.SIGKILL)
                self.process.wait()
        wait_for_wineserver_exit()
        return False

    def client_point(self, x, y):
        """A point of the window's client area on the desktop."""
        return self.window["client"][0] + x, self.window["client"][1] + y

    def client_rect(self, x, y, width, height):
        return self.client_point(x, y) + (width, height)

    def click(self, x, y):
        self.screen.click(*self.client_point(x, y))

    def double_click(self, x, y):
        self.screen.double_click(*self.client_point(x, y))

    def click_title_bar(self):
        left, top, right, _ = self.window["rect"]
        self.screen.click((left + right) // 2, top + 10)

    def keep_screenshot(self, name, rect=None):
        os.makedirs(SCREENSHOTS, exist_ok=True)
        path = os.path.join(SCREENSHOTS, name + ".png")
        self.screen.screenshot(path, rect or self.window_rect())
        return path

    def window_rect(self):
        left, top, right, bottom = self.window["rect"]
        return left, top, right - left, bottom - top

    def wait_for_exit(self, timeout=15):
        try:
            return self.process.wait(timeout=timeout)
        except subprocess.TimeoutExpired:
            raise Failure("the program did not end") from None


def temporary_directory():
    return tempfile.TemporaryDirectory(prefix="quorvane-e2e-")


def run_with_display():
    """Runs this script again on a display of its own when there is none."""
    if not os.environ.get("DISPLAY"):
        os.execv(os.path.join(ROOT, "tools", "with-display.sh"),
                 ["with-display.sh", sys.executable, *sys.argv])


def run_in_private_network():
    """Runs this script again inside the private network, where the
    program's host names lead to this machine."""
    if os.environ.get("QUORVANE_IN_PRIVATE_NETWORK") != "1":
        wait_for_wineserver_exit()
        os.execv(os.path.join(ROOT, "tools", "in-private-network.sh"),
                 ["in-private-network.sh", "--", sys.executable, *sys.argv])


def main(scenarios):
    """Runs the scenario named by the command line: NAME --exe PATH
    --inspector PATH."""
    import argparse
    parser = argparse.ArgumentParser()
    parser.add_argument("scenario", choices=sorted(scenarios))
    parser.add_argument("--exe", required=True)
    parser.add_argument("--inspector", required=True)
    args = parser.parse_args()
    scenario, private_network = scenarios[args.scenario]
    run_with_display()
    if private_network:
        run_in_private_network()
    try:
        scenario(os.path.abspath(args.exe), os.path.abspath(args.inspector))
    except Failure as failure:
        print(f"FAIL {args.scenario}: {failure}", file=sys.stderr)
        sys.exit(1)
    print(f"PASS {args.scenario}")
