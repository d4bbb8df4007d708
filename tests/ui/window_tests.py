#!/usr/bin/env python3
"""The installer's window under Wine: one group of cases per ctest entry.

  window_tests.py first_screen|accessibility_keyboard|progress|cancel_download|
                  browser_exists|first_screen_off|slide_show

Exit 0 when every check held, 1 on the first failed one, 77 (skipped) when the
window under test is not the dialog-based main window yet: then only what the
harness itself can prove (the window appears, the screenshot shows it) was
checked.
"""
import json
import os
import struct
import sys
import tempfile
import time
import zlib

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import gallery  # noqa: E402
import ui_harness as ui  # noqa: E402

FACTORS = (1, 1.5, 2)
# Stage codes 5 and 7, then the import at 0, 50 and 100 per cent.
PROGRESS_STEPS = ["75%", "79%", "80%", "90%", "100%"]
SETUP_EXIT_CODE = 0
# Wine's user is an administrator, so Install hands the setup to the elevated
# copy. The window's process learns only that the copy succeeded and keeps
# the exit code it started with.
ELEVATED_RUN_EXIT_CODE = 400
# The setup archive at this many bytes per second keeps a run in its download
# for about ten seconds.
SLOW_DOWNLOAD = "/browser/:rate=36000"
# The setup archive alone at a quarter of that: about forty seconds, while
# the slides, under /browser/installer/, come at once.
SLOW_SETUP_ONLY = "/browser/velnor/:rate=9000"
# Where the default brand's slides are served.
SLIDES = "browser/installer/slides/default/x2/"
# A downloaded slide in one colour that no built-in picture shows.
SERVED_SLIDE_COLOUR = (40, 160, 90)


Failure = ui.Failure
check = ui.check


def require_dialog(window):
    if not window.is_dialog:
        raise ui.Skip(f"the window is the stand-in ({window.info['class']}), "
                      "not the dialog-based main window")


def factor_args(factor):
    return [] if factor == 1 else [f"--force-device-scale-factor={factor}"]


def expected_size(factor):
    return tuple(int(round(side * factor)) for side in ui.DESIGN_SIZE)


def start(wine, variant, factor=1, fake_setup=None):
    run = ui.InstallerRun(wine, ui.installer_path(variant), factor_args(factor), fake_setup)
    window = ui.Window.wait(wine)
    if not window:
        ended = run.process.poll() is not None
        log_tail = "\n".join(run.log().splitlines()[-15:])
        run.end()
        raise Failure(f"no window titled {ui.WINDOW_TITLE!r} appeared for {variant} "
                      f"(the run {'ended' if ended else 'is still going'}); its log ends:\n"
                      f"{log_tail}")
    return run, window


def shoot(wine, window, name, factor):
    """Screenshot of the whole display; the window with its shadow margin goes
    to the gallery. Returns the full image."""
    ui.settle()
    with tempfile.TemporaryDirectory() as temp:
        image = wine.screenshot(os.path.join(temp, "root.png"))
    margin = int(round(24 * factor))
    ui.crop_with_margin(image, window.rect, margin).save(gallery.image_path(name))
    return image


def check_shows_something(image, window):
    check(ui.region_spread(image, window.rect) > 4,
          "the screenshot shows the window (its area is not one plain colour)")


def check_shadow(image, window, factor):
    """Through the compositor the layered shadow darkens the desktop just
    outside the window compared with the desktop further away."""
    left, top, right, bottom = window.rect
    band = int(round(4 * factor))
    near = image.crop((left, bottom + 1, right, bottom + 1 + band)).convert("L")
    far_top = min(bottom + int(round(60 * factor)), image.height - band - 1)
    far = image.crop((left, far_top, right, far_top + band)).convert("L")
    near_mean = sum(near.getdata()) / max(near.width * near.height, 1)
    far_mean = sum(far.getdata()) / max(far.width * far.height, 1)
    check(abs(near_mean - far_mean) > 3,
          f"a shadow under the window (band {near_mean:.0f} against desktop {far_mean:.0f})")


def check_first_screen(image, window, variant, factor):
    window.refresh()
    left, top, right, bottom = window.rect
    check((right - left, bottom - top) == expected_size(factor),
          f"variant {variant} at {factor}: window is {expected_size(factor)}")
    check(window.info.get("region_type") in (2, 3) and window.info.get("region_centre") and
          not window.info.get("region_corner"),
          "the window has a rounded region: the centre inside, the corner outside")
    controls = {control["id"]: control for control in window.controls()}
    for control_id, wanted in ((107, True), (1, True), (213, True),
                               (109, bool(variant & 1)), (110, bool(variant & 2)),
                               (218, bool(variant & 2))):
        shown = control_id in controls and controls[control_id]["visible"]
        check(shown == wanted, f"control {control_id} {'shown' if wanted else 'hidden'}")
        if wanted:
            check(ui.region_spread(image, controls[control_id]["rect"]) > 10,
                  f"control {control_id} is drawn (its rectangle is not plain background)")
    check_shadow(image, window, factor)


def case_harness_check(wine):
    """The harness against a dialog of standard controls with the window's
    ids: what the window cases rely on works under this Wine and display."""
    run = ui.InstallerRun(wine, ui.env("LITE_UI_SAMPLE"))
    try:
        window = ui.Window.wait(wine, 30000, "UI harness sample")
        check(window is not None and window.is_dialog, "the probe finds the sample dialog")
        by_id = {control["id"]: control for control in window.controls()}
        # Standard controls answer through Wine's generic client object (role
        # 10); the window's own controls answer with their roles.
        for control_id in (1, 223, 110, 213, 215):
            check(control_id in by_id and by_id[control_id]["role"] != 0,
                  f"control {control_id}'s accessible object read across processes")
        check(by_id[1]["name"] == "Install" and by_id[213]["name"] == "Close",
              "the accessible names of Install and Close")
        image = shoot(wine, window, "harness-check", 1)
        check(ui.region_spread(image, by_id[1]["rect"]) > 10,
              "the screenshot has the Install button where the probe says it is")
        check(window.focused_id() == 1, "the probe reads the focus: Install")
        check(window.take_keyboard_focus(), "xdotool finds the dialog's X window")
        seen = [1]
        for _ in range(3):
            wine.xdotool("key", "Tab")
            time.sleep(0.2)
            seen.append(window.focused_id())
        check(seen == [1, 223, 110, 213], f"xdotool's Tab walks the controls (saw {seen})")
        for button, answer in ((1, 1), (213, 0)):
            sender = wine.probe_async("send", window.hwnd, "velnor.corp.user_browser_exists", 0)
            check(wine.probe("dialog-click", window.hwnd, button, 20000) is not None,
                  f"the nested dialog is found and button {button} pressed")
            out, _ = sender.communicate(timeout=60)
            check(out.strip().splitlines()[-1:] == [str(answer)],
                  f"the sender gets {answer} (got {out.strip()!r})")
        check(window.click_control(213), "xdotool clicks the close button")
        check(run.wait(30) == 213, "the click ended the dialog with 213, the whole exit code")
    finally:
        run.end()
    os.remove(gallery.image_path("harness-check"))


def case_first_screen(wine):
    dialog = True
    for factor in FACTORS:
        for variant in range(4):
            run, window = start(wine, f"variant{variant}", factor)
            try:
                image = shoot(wine, window, f"first-v{variant}-f{factor}", factor)
                check_shows_something(image, window)
                if window.is_dialog:
                    check_first_screen(image, window, variant, factor)
                else:
                    dialog = False
            finally:
                run.end()
    gallery.write_index()
    if not dialog:
        raise ui.Skip("screenshots taken of the stand-in window; the layout checks wait "
                      "for the dialog-based main window")


def case_accessibility_keyboard(wine):
    run, window = start(wine, "variant3")
    try:
        require_dialog(window)
        controls = window.controls()
        by_id = {}
        for control in controls:
            by_id.setdefault(control["id"], control)
        for control_id, role, name in ((1, 43, "Install"), (213, 43, "Close"),
                                       (223, 30, None), (218, 30, None)):
            control = by_id.get(control_id)
            check(control is not None, f"control {control_id} exists")
            check(control["role"] == role, f"control {control_id} has role {role}")
            if name:
                check(control["name"] == name, f"control {control_id} is named {name!r}")
            else:
                check(control["name"] != "", f"control {control_id} has a name")
        check(by_id.get(214) is None or by_id[214]["name"] == "Collapse",
              "the minimize button is named 'Collapse'")

        check(window.focused_id() == 1, "Install has the focus at the start")
        check(window.take_keyboard_focus(), "xdotool finds the window's X window")
        seen = [1]
        for _ in range(8):
            wine.xdotool("key", "Tab")
            time.sleep(0.2)
            focused = window.focused_id()
            if focused != seen[-1]:
                seen.append(focused)
            if focused == 213:
                break
        present = {control["id"] for control in controls if control["visible"]}
        expected = [1] + [i for i in (223, 218, 110, 112, 109, 213) if i in present]
        check(seen == expected, f"Tab walks {expected} (saw {seen})")

        wine.xdotool("key", "Tab")
        check(window.wait_for_focus(1), "Tab after the last control comes back to Install")
        for key, back in (("Left", "Right"), ("Up", "Down")):
            wine.xdotool("key", key)
            check(window.wait_for_focus(223), f"{key} moves the focus from Install to the link")
            wine.xdotool("key", back)
            check(window.wait_for_focus(1), f"{back} moves it back to Install")
    finally:
        run.end()


def progress_fake_setup(steps=True):
    setup = {"LITE_FAKE_SETUP_EXIT_CODE": str(SETUP_EXIT_CODE)}
    if steps:
        setup.update({"LITE_FAKE_SETUP_INSTALL_PROGRESS": "5,7",
                      "LITE_FAKE_SETUP_IMPORT_PROGRESS": "0,50,100",
                      "LITE_FAKE_SETUP_MESSAGE_GAP_MS": "1200",
                      "LITE_FAKE_SETUP_CLOSE_WINDOW": "1"})
    return setup


def case_progress(wine):
    vendor = ui.VendorServices()
    vendor.serve_setup()
    run, window = start(wine, "variant3", 1, progress_fake_setup())
    try:
        require_dialog(window)
        watcher = wine.probe_async("watch", window.hwnd, 215, 60000)
        check(window.click_control(1), "Install clicked with xdotool")
        check(window.wait_for_control(1, shown=False), "the first screen is gone")
        shoot(wine, window, "progress-f1", 1)
        out, _ = watcher.communicate(timeout=120)
        values = json.loads(out.strip().splitlines()[-1]) if out.strip() else []
        steps = iter(values)
        check(all(step in steps for step in PROGRESS_STEPS),
              f"the bar's accessible value goes through {PROGRESS_STEPS} (saw {values})")
        check(run.wait(60) == ELEVATED_RUN_EXIT_CODE,
              "the close request ends the run once the elevated copy's setup succeeded")
    finally:
        run.end()

    # The progress screen at the other factors, held in its download.
    for factor in FACTORS[1:]:
        vendor = ui.VendorServices()
        check(vendor.add_fault(SLOW_DOWNLOAD), "download slowed")
        run, window = start(wine, "variant3", factor, progress_fake_setup(False))
        try:
            check(window.click_control(1), f"Install clicked at factor {factor}")
            check(window.wait_for_control(1, shown=False), "the first screen is gone")
            image = shoot(wine, window, f"progress-f{factor}", factor)
            check_shows_something(image, window)
            minimize = window.control(214)
            check(minimize and minimize["visible"] and minimize["name"] == "Collapse",
                  "the minimize button 'Collapse' is shown on the progress screen")
            bar = window.control(215)
            check(bar and bar["role"] == 48, "the progress control has the progress bar role")
            wine.probe("post", window.hwnd, "velnor.lite.close_window", 0)
            check(window.gone(90000), "the close request closes the window")
        finally:
            run.end()
    gallery.write_index()


def case_cancel_download(wine):
    vendor = ui.VendorServices()
    vendor.serve_setup()
    check(vendor.add_fault(SLOW_DOWNLOAD), "download slowed")
    run, window = start(wine, "variant3")
    try:
        require_dialog(window)
        check(window.click_control(1), "Install clicked")
        time.sleep(1)
        # The window keeps one resume prompt and shows it again after each
        # answer: go on the first time, stop the second.
        check(window.click_control(213), "close clicked during the download")
        prompt = wine.probe("dialog-click", window.hwnd, 1, 20000)
        check(prompt is not None, "the resume prompt appeared and resume was chosen")
        check(window.wait_for_control(215), "the window goes on with the download")
        time.sleep(0.5)
        check(window.click_control(213), "close clicked again")
        prompt = wine.probe("dialog-click", window.hwnd, 212, 20000)
        check(prompt is not None, "the resume prompt appeared a second time and stop was chosen")
        check(run.wait(60) == 500, "the run exits with 500")
        result = vendor.finished_result()
        check(result is not None and "cancelled" in result,
              f"the finished report says cancelled ({result!r})")
    finally:
        run.end()


def case_browser_exists(wine):
    run, window = start(wine, "variant3")
    try:
        require_dialog(window)
        for button, answer in ((1, 1), (213, 0)):
            sender = wine.probe_async("send", window.hwnd, "velnor.corp.user_browser_exists", 0)
            dialog = wine.probe("dialog-click", window.hwnd, button, 20000)
            check(dialog is not None, f"the question dialog appeared; button {button} clicked")
            out, _ = sender.communicate(timeout=60)
            check(out.strip().splitlines()[-1:] == [str(answer)],
                  f"the sender gets {answer} for button {button} (got {out.strip()!r})")
            check(window.refresh().get("visible"), "the main window stays")
    finally:
        run.end()


def case_first_screen_off(wine):
    vendor = ui.VendorServices()
    vendor.serve_setup()
    run = ui.InstallerRun(wine, ui.installer_path("first_screen_off"), [],
                          progress_fake_setup())
    try:
        window = ui.Window.wait(wine)
        check(window is not None, "the window appears")
        require_dialog(window)
        controls = {control["id"]: control for control in window.controls()}
        check(1 not in controls or not controls[1]["visible"], "no Install button")
        check(110 not in controls or not controls[110]["visible"], "no check boxes")
        title = controls.get(107)
        expected_title = ui.resource_string(411)
        check(title is not None and title["visible"] and title["text"] != "" and
              expected_title in (None, title["text"]),
              f"the progress screen's title is shown ({title and title['text']!r}, "
              f"string 411 is {expected_title!r})")
        bar = controls.get(215)
        check(bar is not None and bar["visible"], "the progress bar is up without a click")
        check(run.wait(90) == ELEVATED_RUN_EXIT_CODE,
              "the installation ran at once and the close request ended it once "
              "the elevated copy's setup succeeded")
    finally:
        run.end()


def flat_png(width, height, rgb):
    """An opaque PNG of one colour."""
    row = b"\0" + bytes(rgb) * width

    def chunk(kind, data):
        body = kind + data
        return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body))

    header = struct.pack(">IIBBBBB", width, height, 8, 2, 0, 0, 0)
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) +
            chunk(b"IDAT", zlib.compress(row * height)) + chunk(b"IEND", b""))


def case_slide_show(wine):
    vendor = ui.VendorServices()
    vendor.serve_setup()
    check(vendor.add_fault(SLOW_SETUP_ONLY), "setup download slowed")
    # The double-resolution size: drawn at factor 1 it covers the window.
    served = vendor.serve_bytes(SLIDES + "02.png", flat_png(1604, 860, SERVED_SLIDE_COLOUR))
    run = ui.InstallerRun(wine, ui.installer_path("first_screen_off"), [],
                          progress_fake_setup(False))
    try:
        window = ui.Window.wait(wine)
        check(window is not None, "the window appears")
        require_dialog(window)
        check(window.wait_for_control(107), "the title is shown with the first slide")
        # Title background, built-in slide, then the downloaded 02.
        check(run.wait_for_log("Showing slide 1", 40), "the show moves on after ten seconds")
        check(window.wait_for_control(107, shown=False, timeout=5),
              "the title is removed once the show has moved on")
        check(run.wait_for_log("Showing slide 2", 40), "the next slide comes ten seconds later")
        image = shoot(wine, window, "slide-show-02", 1).convert("RGB")
        left, top, _, _ = window.rect
        pixel = image.getpixel((left + 200, top + 120))
        check(max(abs(pixel[i] - SERVED_SLIDE_COLOUR[i]) for i in range(3)) <= 8,
              f"the downloaded slide is painted (pixel {pixel}, "
              f"served {SERVED_SLIDE_COLOUR})")
        asked = [record.get("path") for record in vendor.records()
                 if record.get("path", "").startswith("/" + SLIDES)]
        check(asked.count("/" + SLIDES + "02.png") == 1 and
              asked.count("/" + SLIDES + "03.png") == 10,
              f"02 fetched once, then 03 until ten failures ({len(asked)} requests)")
        wine.probe("post", window.hwnd, "velnor.lite.close_window", 0)
        check(window.gone(90000), "the close request closes the window")
    finally:
        run.end()
        os.remove(served)
    gallery.write_index()


CASES = {name[len("case_"):]: function for name, function in globals().items()
         if name.startswith("case_")}


def main():
    return ui.run_case(CASES, __doc__)


if __name__ == "__main__":
    sys.exit(main())
