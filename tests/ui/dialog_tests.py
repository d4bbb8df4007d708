#!/usr/bin/env python3
"""The installer's message dialogs and its screens in every language under
Wine. "dialogs": every dialog kind in both styles, shown one after the other
by ui_message_dialogs in English and Russian at factors 1 and 2, each
photographed for the gallery, its controls read, and a button clicked whose
result the program reports. "languages": the first screen and the progress
screen of an installer tagged with each interface language.
"error_dialogs": the failure dialogs after a download that found nothing.

  dialog_tests.py dialogs|languages|error_dialogs
"""
import json
import os
import sys
import tempfile
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import gallery  # noqa: E402
import ui_harness as ui  # noqa: E402
from window_tests import Failure, check, check_shadow  # noqa: E402

KINDS = (0, 3, 4, 5, 6, 7, 8, 9, 10, 11, 13)
DISK_SPACE = 100
# Kinds whose dialog has no text under the heading, per style.
NO_TEXT = {"redesigned": {10}, "classic": {8}}
# The button each dialog is closed with in the English factor-1 runs, and
# the result that gives; every other run closes with the close button.
CLICKS = {
    "redesigned": [(0, 213), (3, 1), (4, 1), (4, 212), (5, 213), (6, 1), (7, 1), (8, 212),
                   (9, 213), (10, 213), (11, 213), (13, 213)],
    "classic": [(0, 1), (3, 213), (4, 212), (5, 213), (6, 212), (7, 1), (8, 1), (9, 212),
                (10, 213), (11, 213), (13, 212), (DISK_SPACE, 1)],
}
DOWNLOAD_PAGE = "http://127.0.0.1:1/site/download?lang=en&full=1&code=lite_install_failed"


def read_report(path, wanted_count, timeout):
    """The report's lines once it has |wanted_count| of them."""
    deadline = time.monotonic() + timeout
    while True:
        lines = []
        if os.path.exists(path):
            with open(path, encoding="utf-8") as report:
                lines = [json.loads(line) for line in report if line.strip().endswith("}")]
        if len(lines) >= wanted_count or time.monotonic() > deadline:
            return lines
        time.sleep(0.1)


def inside(rect, outer):
    return (rect[0] >= outer[0] and rect[1] >= outer[1] and rect[2] <= outer[2] and
            rect[3] <= outer[3])


def overlaps(a, b):
    return a[0] < b[2] and b[0] < a[2] and a[1] < b[3] and b[1] < a[3]


def check_dialog(shown, style, label):
    kind = shown["kind"]
    window = shown["window"]
    controls = {control["id"]: control for control in shown["controls"]}
    heading = controls.get(107)
    check(heading is not None and heading["visible"] and heading["text"].strip() != "",
          f"{label}: the heading is shown ({heading and heading['text']!r})")
    text = controls.get(-1)
    if kind in NO_TEXT[style]:
        check(text is None or not text["visible"], f"{label}: no text under the heading")
    else:
        check(text is not None and text["visible"] and text["text"].strip() != "",
              f"{label}: the text is shown")
    for control in controls.values():
        if control["class"] == "Static" and control["visible"]:
            needed, has = control["needed"], control["has"]
            check(needed[0] <= has[0] and needed[1] <= has[1],
                  f"{label}: control {control['id']} fits its text "
                  f"(needs {needed[0]}x{needed[1]}, has {has[0]}x{has[1]})")
    buttons = [controls[i] for i in (1, 212, 213) if i in controls and controls[i]["visible"]]
    check(any(b["id"] in (1, 212) for b in buttons), f"{label}: a button to answer with")
    statics = [c for c in controls.values() if c["class"] == "Static" and c["visible"]]
    for button in buttons:
        check(inside(button["rect"], window), f"{label}: button {button['id']} inside the dialog")
        if button["id"] != 213:
            check(button["text"] != "", f"{label}: button {button['id']} has a label")
            check(not any(overlaps(button["rect"], s["rect"]) for s in statics),
                  f"{label}: button {button['id']} clear of the texts")
    return controls


def click_button(wine, report, wanted_count, shown, button, label):
    """Clicks |button| of the dialog |shown| with the pointer. Under load a
    click on the display now and then never reaches the dialog: a button
    that only ends the dialog is clicked once more while the dialog is still
    there and no result came, with what Windows sees at the point printed;
    after a second lost click the button's click is posted to the dialog, so
    that the result is still checked. Buttons that open pages through the
    shell are clicked once: a repeat would open a second page."""
    left, top, right, bottom = button["rect"]
    centre = ((left + right) // 2, (top + bottom) // 2)
    for attempt in range(2):
        wine.xdotool("mousemove", "--sync", *centre)
        ui.settle(0.2)
        wine.xdotool("click", "1")
        if button["id"] not in (212, 213) or \
                len(read_report(report, wanted_count, 15)) >= wanted_count or \
                not (wine.probe("window", shown["hwnd"]) or {}).get("visible"):
            return
        print(f"{label}: no result 15 s after click {attempt + 1}; at the point Windows "
              f"finds {wine.probe('at', *centre)}; the dialog answers messages: "
              f"{wine.probe('responsive', shown['hwnd'], 5000)}; pointer: "
              f"{wine.xdotool('getmouselocation').strip()}")
    print(f"{label}: posting the click of button {button['id']} to the dialog")
    wine.probe("post-click", shown["hwnd"], button["id"])


def run_sequence(wine, style, lang, factor, plan, extra_args=()):
    """Shows the dialogs of |plan| ((kind, button) pairs) one after the other,
    photographs and checks each, clicks its button and returns the report."""
    temp = tempfile.mkdtemp(prefix="ui-dialogs-")
    report = os.path.join(temp, "report.jsonl")
    close_signal = os.path.join(temp, "close")
    args = [f"--kinds={','.join(str(kind) for kind, _ in plan)}", f"--lang={lang}",
            f"--report={ui.windows_path(report)}",
            f"--close-signal={ui.windows_path(close_signal)}", *extra_args]
    if style == "classic":
        args.append("--classic")
    if factor != 1:
        args.append(f"--force-device-scale-factor={factor}")
    run = ui.InstallerRun(wine, ui.env("LITE_UI_DIALOGS"), args,
                          {"WINEDLLOVERRIDES": "winebrowser.exe=d"})
    try:
        for index, (kind, button) in enumerate(plan):
            lines = read_report(report, 2 * index + 1, 30)
            check(len(lines) == 2 * index + 1 and lines[-1]["event"] == "shown",
                  f"{style} {lang} f{factor}: dialog {kind} appeared")
            shown = lines[-1]
            label = f"{style} kind {kind} {lang} f{factor}"
            controls = check_dialog(shown, style, label)
            # The pointer away from the dialog: no button is drawn hot.
            wine.xdotool("mousemove", 0, 0)
            ui.settle(0.3)
            image = wine.screenshot(os.path.join(temp, "root.png"))
            rect = tuple(shown["window"])
            ui.crop_with_margin(image, rect, int(round(24 * factor))).save(
                gallery.image_path(f"dialog-{style}-{kind}-{lang}-f{factor}"))
            check(ui.region_spread(image, rect) > 4, f"{label}: the dialog is drawn")
            if index == 0:
                check_shadow(image, type("W", (), {"rect": rect})(), factor)
            if button is None:
                open(close_signal, "w").close()
                button = 213
            else:
                click_button(wine, report, 2 * index + 2, shown, controls[button], label)
            # A button that opens a page waits for the shell, which under load
            # takes Wine many seconds; the result line comes after it.
            lines = read_report(report, 2 * index + 2, 45)
            got = lines[-1] if len(lines) == 2 * index + 2 else {}
            expected = 1 if button == 1 else button
            check(got.get("event") == "result" and got.get("result") == expected,
                  f"{label}: button {button} ends the dialog with {expected} (got {got})")
        check(run.wait(30) is not None, "the program ends after its last dialog")
        return read_report(report, 2 * len(plan), 1), run.log()
    finally:
        run.end()


def case_dialogs(wine):
    for style in ("redesigned", "classic"):
        for lang in ("en", "ru"):
            for factor in (1, 2):
                if lang == "en" and factor == 1:
                    plan = CLICKS[style]
                else:
                    # Closed without a click: the clicks were the English
                    # run's; these runs are for the pictures and the fit.
                    plan = [(kind, None) for kind in KINDS]
                    if style == "classic":
                        plan.append((DISK_SPACE, None))
                lines, log = run_sequence(wine, style, lang, factor, plan)
                if lang == "en" and factor == 1:
                    check(f"Opening {DOWNLOAD_PAGE}" in log,
                          f"{style}: Download opened the download page (log: "
                          f"{[l for l in log.splitlines() if 'Opening' in l]})")
                    shown = {line["kind"]: line for line in lines if line["event"] == "shown"}
                    log_text = next(c["text"] for c in shown[13]["controls"] if c["id"] == -1)
                    check(log_text.endswith("\\lite_installer.log") and "\r\n" in log_text,
                          f"{style}: the log-file dialog ends with the log path on its own "
                          f"line ({log_text!r})")
    # The square variant of the shadow and corners before Windows 8.
    run_sequence(wine, "redesigned", "en", 1, [(7, None)], ["--before-windows8"])
    gallery.write_index()


def case_languages(wine):
    vendor = ui.VendorServices()
    vendor.serve_setup()
    for lang in gallery.LANGUAGES:
        check(vendor.add_fault("/browser/:rate=36000"), "download slowed")
        run = ui.InstallerRun(wine, ui.installer_path(f"lang-{lang}"))
        try:
            window = ui.Window.wait(wine, title="*")
            check(window is not None, f"{lang}: the window appears")
            controls = {control["id"]: control for control in window.controls()}
            for control_id in (107, 1):
                control = controls.get(control_id)
                shown = control and control["text"]
                check(control is not None and control["visible"] and bool(shown),
                      f"{lang}: control {control_id} shows {shown!r}")
            box = controls.get(110)
            check(box is not None and box["visible"], f"{lang}: the statistics check box")
            ui.settle()
            image = wine.screenshot(os.path.join(run.temp, "root.png"))
            ui.crop_with_margin(image, window.rect, 24).save(
                gallery.image_path(f"lang-{lang}-first"))
            check(window.click_control(1), f"{lang}: Install clicked")
            check(window.wait_for_control(1, shown=False), f"{lang}: the first screen is gone")
            ui.settle()
            image = wine.screenshot(os.path.join(run.temp, "root.png"))
            ui.crop_with_margin(image, window.rect, 24).save(
                gallery.image_path(f"lang-{lang}-progress"))
            text = window.control(224)
            check(text is not None and text["text"] != "", f"{lang}: the progress text is shown")
            wine.probe("post", window.hwnd, "velnor.lite.close_window", 0)
            check(window.gone(90000), f"{lang}: the close request closes the window")
        finally:
            run.end()
        vendor.get("/_control/reset")
    gallery.write_index()


def case_error_dialogs(wine):
    """A failed installation ends with the failure dialog: the download
    offer after an archive that fails verification, and, with the download
    button disabled, the log-file dialog after every setup address answered
    404 (each address is retried after 15 s, so only this run waits for
    that). The default brand has the classic dialogs."""
    vendor = ui.VendorServices()
    runs = (("untrusted", None, [], 432, 452),
            ("sha256", "/browser/:status=404", ["--disable-error-dialog-download-button"], 432,
             434))
    for setup, fault, args, heading_id, text_id in runs:
        vendor.serve_setup(setup)
        if fault:
            check(vendor.add_fault(fault), "every setup address answers 404")
        run = ui.InstallerRun(wine, ui.installer_path("variant3"), args)
        try:
            window = ui.Window.wait(wine, title="*")
            check(window is not None, "the window appears")
            check(window.click_control(1), "Install clicked")
            dialog = ui.wait_for_other_dialog(wine, window.hwnd, 150)
            log_tail = "\n".join(run.log().splitlines()[-12:])
            check(dialog is not None,
                  f"a dialog follows the failed installation ({setup}, {args}); the log "
                  f"ends:\n{log_tail}")
            controls = {control["id"]: control for control in dialog.controls()}
            heading = ui.resource_string(heading_id)
            check(controls[107]["text"] == heading,
                  f"its heading is string {heading_id} ({controls[107]['text']!r})")
            text = controls[-1]["text"]
            check(text.startswith(ui.resource_string(text_id)), f"its text is string {text_id}")
            if args:
                check(text.endswith("\\lite_installer.log") and "\r\n" in text,
                      f"the text ends with the log path on its own line ({text!r})")
                check(not controls.get(1, {}).get("visible"), "only the Cancel button")
            else:
                check(controls[1]["text"] == ui.resource_string(459), "the first button downloads")
            wine.probe("dialog-click", window.hwnd, 213, 10000)
            code = run.wait(60)
            check(code is not None and code != 0, f"the run ends with a failure code ({code})")
        finally:
            run.end()
        vendor.get("/_control/reset")


CASES = {"dialogs": case_dialogs, "languages": case_languages,
         "error_dialogs": case_error_dialogs}


def main():
    return ui.run_case(CASES, __doc__, end_leftovers=False)


if __name__ == "__main__":
    sys.exit(main())
