#!/usr/bin/env python3
"""The windowed part of scripts/demo --window: runs the installer with its
window on the demo's display, takes a screenshot of the first screen, clicks
Install with xdotool, takes one of the progress screen while the fake setup's
messages move the bar, and waits for the end.

  demo_window.py INSTALLER SCREENSHOT_DIR TEMP_DIR

Writes the whole exit code to SCREENSHOT_DIR/exit_code; exits 0 when the run
ended by itself, 1 when it had to be ended."""
import os
import shutil
import subprocess
import sys
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import ui_harness as ui  # noqa: E402

# The fake setup reports stage 5 and 7 and the import at 0, 50 and 100 per
# cent, a second apart, then asks the window to close.
FAKE_SETUP = {
    "LITE_FAKE_SETUP_INSTALL_PROGRESS": "5,7",
    "LITE_FAKE_SETUP_IMPORT_PROGRESS": "0,50,100",
    "LITE_FAKE_SETUP_MESSAGE_GAP_MS": "1000",
    "LITE_FAKE_SETUP_CLOSE_WINDOW": "1",
}


def shot(wine, directory, name):
    ui.settle()
    path = os.path.join(directory, name + ".png")
    subprocess.run(["import", "-display", wine.display, "-window", "root", path], check=True)
    print(f"  screenshot {path}")


def main():
    installer, directory, temp = sys.argv[1:4]
    shutil.rmtree(directory, ignore_errors=True)
    os.makedirs(directory)
    wine = ui.Wine()
    setup = dict(FAKE_SETUP)
    setup["LITE_FAKE_SETUP_RECORD"] = os.environ.get("LITE_FAKE_SETUP_RECORD", "")
    process = subprocess.Popen(
        wine.command(wine.probe_exe, "run", ui.windows_path(temp), ui.windows_path(installer)),
        env=wine.linux_env(setup), stdout=subprocess.PIPE, text=True)
    started = process.stdout.readline()
    print(f"  started: {started.strip()}")
    # The demo's installer speaks its brand's language: find its window as the
    # dialog it is, whatever the title.
    window = ui.Window.wait(wine, 60000, title="*")
    ended_by_itself = True
    if not window:
        print("  no window appeared")
    else:
        print(f"  window {window.info['class']} at {window.rect}")
        shot(wine, directory, "1-first-screen")
        if window.click_control(1):
            print("  clicked Install")
            time.sleep(1.5)
            shot(wine, directory, "2-progress")
        else:
            print("  this window has no Install button (the plain stand-in): closing it")
            wine.probe("kill", window.info["pid"])
            ended_by_itself = False
    try:
        out, _ = process.communicate(timeout=180)
    except subprocess.TimeoutExpired:
        if window:
            wine.probe("kill", window.info["pid"])
        out, _ = process.communicate()
        ended_by_itself = False
    exit_code = next((line.split(":")[1].strip(" }") for line in out.splitlines()
                      if "exit_code" in line), "unknown")
    with open(os.path.join(directory, "exit_code"), "w") as file:
        file.write(exit_code + "\n")
    return 0 if ended_by_itself else 1


if __name__ == "__main__":
    sys.exit(main())
