"""What the window tests share: the Wine prefix and its display, the probe
program, runs of the installer, xdotool input, screenshots and their pixels,
and the local vendor services.

Paths come from the environment ctest gives each test (tests/ui/CMakeLists.txt);
scripts/gallery, scripts/demo --window and tests/bench/window-start set the
same variables.
"""
import json
import os
import re
import shutil
import subprocess
import sys
import tempfile
import time
import urllib.parse
import urllib.request

# Pillow (Debian's python3-pil) is imported where pictures are read, so that
# the benchmark runs under any Python 3.

SKIP = 77
# The window's title bar text (string 400; the probe reads its non-breaking
# space as a space) and its design size.
WINDOW_TITLE = "Velnor Browser Installation"
DESIGN_SIZE = (802, 430)
# The dialog-based main window; anything else is the plain stand-in.
DIALOG_CLASS = "#32770"


def env(name, default=None):
    value = os.environ.get(name, default)
    if value is None:
        raise SystemExit(f"ui_harness: {name} is not set")
    return value


def windows_path(path):
    """A Linux path as Wine's Z: drive names it."""
    return "Z:" + os.path.abspath(path).replace("/", "\\")


class Failure(Exception):
    """A check of a window test that did not hold."""


def check(condition, message, run=None):
    """Prints the check when it holds, raises Failure when not; with |run| the
    failure carries the tail of that run's log."""
    if not condition:
        if run is not None:
            message += "\n-- log --\n" + "\n".join(run.log().splitlines()[-25:])
        raise Failure(message)
    print(f"ok: {message}")


def run_case(cases, usage, end_leftovers=True):
    """The entry of a test script: runs the case named by the one argument.
    Exit 0 when every check held, 1 on a failed check, SKIP when skipped,
    2 on a wrong argument."""
    if len(sys.argv) != 2 or sys.argv[1] not in cases:
        print(usage, file=sys.stderr)
        return 2
    wine = Wine()
    if end_leftovers:
        wine.end_leftovers()
    try:
        cases[sys.argv[1]](wine)
    except Skip as skip:
        print(f"skipped: {skip}")
        return SKIP
    except Failure as failure:
        print(f"FAILED: {failure}")
        return 1
    return 0


class Skip(Exception):
    """Raised by a case that needs what the window under test lacks."""


class Wine:
    def __init__(self):
        self.wine_env = env("LITE_WINE_ENV")
        self.prefix = env("LITE_UI_PREFIX")
        self.probe_exe = env("LITE_UI_PROBE")
        with open(self.prefix + ".display") as display:
            self.display = ":" + display.read().strip()

    def end_leftovers(self):
        """Ends installer windows a failed case left behind: a second
        installer would only hand over to them."""
        for _ in range(5):
            window = self.probe("find", WINDOW_TITLE, 0)
            if not window:
                return
            self.probe("kill", window["pid"])
            time.sleep(0.5)

    def linux_env(self, extra=None):
        result = dict(os.environ)
        result["DISPLAY"] = self.display
        result.update(extra or {})
        return result

    def command(self, *args):
        return [self.wine_env, "run", self.prefix, *args]

    def probe(self, *args, timeout=60):
        """Runs one probe command and returns its JSON answer, or None when it
        failed."""
        done = subprocess.run(self.command(self.probe_exe, *map(str, args)),
                              env=self.linux_env(), capture_output=True, text=True,
                              timeout=timeout)
        if done.returncode != 0:
            return None
        lines = [line for line in done.stdout.splitlines() if line.strip()]
        return json.loads(lines[-1]) if lines else None

    def probe_async(self, *args):
        return subprocess.Popen(self.command(self.probe_exe, *map(str, args)),
                                env=self.linux_env(), stdout=subprocess.PIPE, text=True)

    def xdotool(self, *args):
        return subprocess.run(["xdotool", *map(str, args)], env=self.linux_env(),
                              capture_output=True, text=True, timeout=30).stdout

    def screenshot(self, path):
        from PIL import Image

        os.makedirs(os.path.dirname(path) or ".", exist_ok=True)
        subprocess.run(["import", "-display", self.display, "-window", "root", path],
                       check=True, timeout=60)
        return Image.open(path).convert("RGB")


class InstallerRun:
    """One run of an installer through the probe, which reports the whole exit
    code. TEMP is a directory of the run's own, so its log is its own."""

    def __init__(self, wine, installer, args=(), fake_setup=None):
        self.wine = wine
        self.temp = tempfile.mkdtemp(prefix="ui-run-")
        extra = {"WINEDEBUG": "-all"}
        extra.update(fake_setup or {})
        self.process = subprocess.Popen(
            wine.command(wine.probe_exe, "run", windows_path(self.temp),
                         windows_path(installer), *args),
            env=wine.linux_env(extra), stdout=subprocess.PIPE, text=True)
        self.pid = json.loads(self.process.stdout.readline() or "{}").get("pid")
        self.exit_code = None

    def wait(self, timeout=120):
        try:
            out, _ = self.process.communicate(timeout=timeout)
        except subprocess.TimeoutExpired:
            return None
        for line in out.splitlines():
            if "exit_code" in line:
                self.exit_code = json.loads(line)["exit_code"]
        return self.exit_code

    def log(self):
        path = os.path.join(self.temp, "lite_installer.log")
        return open(path, errors="replace").read() if os.path.exists(path) else ""

    def wait_for_log(self, text, timeout):
        """Whether a line of the run's log holds |text| within |timeout| seconds."""
        deadline = time.monotonic() + timeout
        while True:
            if text in self.log():
                return True
            if time.monotonic() > deadline:
                return False
            time.sleep(0.2)

    def setup_record(self):
        path = os.path.join(self.temp, "setup-record.txt")
        return open(path, errors="replace").read() if os.path.exists(path) else ""

    def fake_setup_env(self):
        return {"LITE_FAKE_SETUP_RECORD": windows_path(os.path.join(self.temp, "setup-record.txt"))}

    def end(self):
        """Ends the run if it is still going (a failed case), then its files."""
        if self.process.poll() is None:
            window = self.wine.probe("find", WINDOW_TITLE, 0)
            # The main window ends on the setup's close request; the plain
            # stand-in does not know it.
            if window and window["class"] == DIALOG_CLASS:
                self.wine.probe("post", window["hwnd"], "velnor.lite.close_window", 0)
                self.wait(20)
            if self.process.poll() is None and self.pid:
                self.wine.probe("kill", self.pid)
                if self.wait(20) is None:
                    self.process.kill()
                    self.process.wait()
        shutil.rmtree(self.temp, ignore_errors=True)


class Window:
    """The installer's top-level window as the probe sees it."""

    def __init__(self, wine, info):
        self.wine = wine
        self.info = info
        self.hwnd = info["hwnd"]

    @classmethod
    def wait(cls, wine, timeout_ms=60000, title=WINDOW_TITLE):
        info = wine.probe("find", title, timeout_ms, timeout=timeout_ms / 1000 + 30)
        return cls(wine, info) if info else None

    @property
    def is_dialog(self):
        return self.info["class"] == DIALOG_CLASS

    @property
    def rect(self):
        return tuple(self.info["rect"])

    def refresh(self):
        self.info = self.wine.probe("window", self.hwnd) or self.info
        return self.info

    def controls(self):
        return self.wine.probe("controls", self.hwnd) or []

    def control(self, control_id):
        for control in self.controls():
            if control["id"] == control_id:
                return control
        return None

    def focused_id(self):
        answer = self.wine.probe("focus", self.hwnd)
        return answer["id"] if answer else None

    def click_control(self, control_id):
        control = self.control(control_id)
        if not control or not control["visible"]:
            return False
        left, top, right, bottom = control["rect"]
        self.wine.xdotool("mousemove", (left + right) // 2, (top + bottom) // 2, "click", "1")
        return True

    def wait_for_focus(self, control_id, timeout=3):
        """Waits until control |control_id| has the focus (a key's effect
        takes its time on a loaded machine); whether it came to that."""
        deadline = time.monotonic() + timeout
        while True:
            if self.focused_id() == control_id:
                return True
            if time.monotonic() > deadline:
                return False
            time.sleep(0.1)

    def take_keyboard_focus(self):
        """Gives the window the display's keyboard focus, where xdotool's keys
        go: without a window manager nothing moves the focus back to it after
        another test's window has gone."""
        # Anything between the words: the title may hold a no-break
        # space, which the probe reports as a space.
        words = self.info.get("title", "").split()
        pattern = "^" + ".+".join(re.escape(word) for word in words) + "$"
        ids = self.wine.xdotool("search", "--onlyvisible", "--name", pattern).split()
        if ids:
            self.wine.xdotool("windowfocus", ids[0])
            time.sleep(0.3)
        return bool(ids)

    def wait_for_control(self, control_id, shown=True, timeout=15):
        """Waits until control |control_id| is visible (or, with |shown|
        false, gone or hidden); whether it came to that."""
        deadline = time.monotonic() + timeout
        while time.monotonic() < deadline:
            control = self.control(control_id)
            if bool(control and control["visible"]) == shown:
                return True
            time.sleep(0.2)
        return False

    def gone(self, timeout_ms):
        return self.wine.probe("gone", self.hwnd, timeout_ms, timeout=timeout_ms / 1000 + 30)


def wait_for_other_dialog(wine, main_hwnd, timeout=60):
    """The first visible dialog other than the window |main_hwnd|, waited for
    up to |timeout| seconds; None when none came."""
    deadline = time.monotonic() + timeout
    while time.monotonic() < deadline:
        found = Window.wait(wine, 2000, title="*")
        if found and found.hwnd != main_hwnd:
            return found
        time.sleep(0.3)
    return None


def settle(seconds=0.8):
    """Time for the compositor to draw what Wine has painted; screenshots only."""
    time.sleep(seconds)


def region_spread(image, rect):
    """The largest standard deviation of the three channels inside |rect|
    (screen coordinates): near 0 for a plain surface, large where text or a
    picture is drawn."""
    from PIL import ImageStat

    left, top, right, bottom = rect
    left, top = max(left, 0), max(top, 0)
    right, bottom = min(right, image.width), min(bottom, image.height)
    if right <= left or bottom <= top:
        return 0.0
    return max(ImageStat.Stat(image.crop((left, top, right, bottom))).stddev)


def differs_from_background(image, rect, background):
    """Whether |rect| shows something: not one plain colour and not only the
    colour of |background| (a sample of the window's empty area)."""
    left, top, right, bottom = rect
    crop = image.crop((max(left, 0), max(top, 0), min(right, image.width),
                       min(bottom, image.height)))
    if crop.width == 0 or crop.height == 0:
        return False
    pixels = crop.getdata()
    differing = sum(1 for pixel in pixels
                    if max(abs(pixel[i] - background[i]) for i in range(3)) > 40)
    return differing >= max(4, len(pixels) // 200)


def crop_with_margin(image, rect, margin):
    left, top, right, bottom = rect
    return image.crop((max(left - margin, 0), max(top - margin, 0),
                       min(right + margin, image.width), min(bottom + margin, image.height)))


class VendorServices:
    """The local vendor services the ctest fixture started: faults through
    the control URL, the served setup archive, the journal."""

    def __init__(self):
        self.url = env("LITE_VENDOR_URL", "http://127.0.0.1:18473")
        self.state = env("LITE_VENDOR_STATE")
        self.get("/_control/reset")
        journal = os.path.join(self.state, "journal.jsonl")
        self.offset = os.path.getsize(journal) if os.path.exists(journal) else 0

    def get(self, path):
        with urllib.request.urlopen(self.url + path, timeout=10) as answer:
            return answer.read().decode(errors="replace")

    def add_fault(self, fault):
        return self.get("/_control/fault?fault=" + urllib.parse.quote(fault, safe="")) == "ok"

    def serve_setup(self, variant="sha256"):
        source = os.path.join(env("LITE_SIGNED_SETUPS"), variant, "browser-setup.exe")
        for path in ("browser/velnor/x64", "browser/velnor"):
            target = os.path.join(self.state, "data", path)
            os.makedirs(target, exist_ok=True)
            shutil.copyfile(source, os.path.join(target, "browser-setup.arc"))

    def serve_bytes(self, path, data):
        """Serves |data| at /|path|; returns the served file, which the
        caller removes when later cases must not see it."""
        target = os.path.join(self.state, "data", path)
        os.makedirs(os.path.dirname(target), exist_ok=True)
        with open(target, "wb") as stream:
            stream.write(data)
        return target

    def records(self):
        journal = os.path.join(self.state, "journal.jsonl")
        if not os.path.exists(journal):
            return []
        with open(journal, "rb") as stream:
            stream.seek(self.offset)
            text = stream.read().decode(errors="replace")
        records = []
        for line in text.split("\n")[:-1]:
            try:
                records.append(json.loads(line))
            except ValueError:
                pass
        return records

    def finished_result(self, timeout=10):
        deadline = time.time() + timeout
        while time.time() < deadline:
            for record in self.records():
                if record.get("service") == "storage":
                    return record.get("query", {}).get("result", "")
            time.sleep(0.2)
        return None

    def statistics_events(self):
        events = []
        for record in self.records():
            if record.get("service") == "statistics":
                events.append(record.get("decoded", {}).get("vars", {}))
        return events


def installer_path(variant):
    return os.path.join(env("LITE_UI_INSTALLERS"), variant, "lite_installer.exe")


SOURCE_DIR = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))


def resource_string(number):
    """The English text of string resource |number|, or None when the tree
    has no such string yet."""
    ids = open(os.path.join(SOURCE_DIR, "resources", "resource_ids.h")).read()
    match = re.search(r"#define\s+(\w+)\s+" + str(number) + r"\b", ids)
    if not match:
        return None
    strings = open(os.path.join(SOURCE_DIR, "resources", "strings", "strings_en.rc"),
                   encoding="utf-8", errors="replace").read()
    text = re.search(r"\b" + match.group(1) + r'\s+"((?:[^"]|"")*)"', strings)
    if not text:
        return None
    return text.group(1).replace('""', '"').replace("\\r", "\r").replace("\\n", "\n")
