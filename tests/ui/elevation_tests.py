#!/usr/bin/env python3
"""The window's elevated copy under Wine, one group of cases per ctest entry.

  elevation_tests.py handover|cancel|setup_code|declined

Wine reports its user as a member of the administrators group, so a window
run asks for an elevated copy of the installer; Wine's shell starts it for
the "runas" verb without a prompt. Exit 0 when every check held, 1 on the
first failed one.
"""
import json
import os
import re
import sys
import tempfile

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import ui_harness as ui  # noqa: E402

# What the parent's window run ends with when the setup ran in the elevated
# copy and succeeded: no setup exit code was stored in the parent.
NO_SETUP_RESULT = 400
CHILD_STARTED = "Start installer as admin"
FOLDER_LOCKED_TEXT = 449
# The log prefix: date time pid:tid LEVEL:
LOG_PID = re.compile(r"^\S+ \S+ (\d+):")


Failure = ui.Failure
check = ui.check


def record_file():
    handle, path = tempfile.mkstemp(prefix="ui-setup-record-")
    os.close(handle)
    os.remove(path)
    return path


def setup_env(record, exit_code=0, steps=True):
    setup = {"LITE_FAKE_SETUP_RECORD": ui.windows_path(record),
             "LITE_FAKE_SETUP_EXIT_CODE": str(exit_code)}
    if steps:
        setup.update({"LITE_FAKE_SETUP_INSTALL_PROGRESS": "5,7",
                      "LITE_FAKE_SETUP_IMPORT_PROGRESS": "0,100",
                      "LITE_FAKE_SETUP_MESSAGE_GAP_MS": "600",
                      "LITE_FAKE_SETUP_CLOSE_WINDOW": "1"})
    return setup


def read(path):
    return open(path, errors="replace").read() if os.path.exists(path) else ""


def pids_logging(run, text):
    return {LOG_PID.match(line).group(1) for line in run.log().splitlines()
            if text in line and LOG_PID.match(line)}


def start(wine, variant, setup, extra_env=None):
    setup = dict(setup)
    setup.update(extra_env or {})
    run = ui.InstallerRun(wine, ui.installer_path(variant), (), setup)
    window = ui.Window.wait(wine)
    if not window:
        tail = "\n".join(run.log().splitlines()[-15:])
        run.end()
        raise Failure(f"no window appeared for {variant}; the log ends:\n{tail}")
    return run, window


def case_handover(wine):
    """UAC mode 1: the copy starts with the first screen and waits; Install
    hands it the verified archive and the choices; it runs the setup, whose
    progress the parent's window shows."""
    vendor = ui.VendorServices()
    vendor.serve_setup()
    record = record_file()
    run, window = start(wine, "uac1", setup_env(record))
    try:
        check(run.wait_for_log(CHILD_STARTED, 30),
              "the elevated copy is started at the first screen", run)
        check(not os.path.exists(record), "nothing runs before Install", run)
        watcher = wine.probe_async("watch", window.hwnd, 215, 60000)
        check(window.click_control(1), "Install clicked")
        out, _ = watcher.communicate(timeout=120)
        values = json.loads(out.strip().splitlines()[-1]) if out.strip() else []
        check("40%" in values and "100%" in values,
              f"the parent's bar shows what the copy and its setup post (saw {values})", run)
        check(run.wait(60) == NO_SETUP_RESULT,
              f"the parent ends with {NO_SETUP_RESULT} (got {run.exit_code})", run)
        log = run.log()
        check("RunModule results: success=1 error_code=0" in log,
              "the copy logs its successful setup run", run)
        check("The elevated installer has finished, success=1" in log,
              "the parent saw the copy succeed", run)
        parent = pids_logging(run, "Lite installer mode.")
        child = pids_logging(run, CHILD_STARTED)
        check(len(parent) == 1 and len(child) == 1 and parent != child,
              f"two processes wrote the log (parent {parent}, child {child})", run)
        line = read(record)
        for switch in ("--installerdata=", "--clids-file=", "--histogram-download-time=",
                       "--install-start-time-no-uac=", "--progress-window="):
            check(switch in line, f"the setup got {switch} from the hand-over")
        program = line.split('"')[1] if line.startswith('"') else line.split(" ")[0]
        check("fake_browser_arc" not in line and f"Verification succeeded: {program}" in log,
              f"the setup ran as the archive the copy verified ({program}), not the placeholder",
              run)
    finally:
        run.end()
        if os.path.exists(record):
            os.remove(record)


def case_cancel(wine):
    """Closing the first screen cancels the waiting copy: it runs nothing."""
    record = record_file()
    run, window = start(wine, "uac1", setup_env(record, steps=False))
    try:
        check(run.wait_for_log(CHILD_STARTED, 30), "the elevated copy waits", run)
        check(window.click_control(213), "close clicked on the first screen")
        check(run.wait(60) == 500, f"the run ends with 500 (got {run.exit_code})", run)
        check(run.wait_for_log("unexpectedly synced, wr=1", 20),
              "the copy woke on the cancel event", run)
        check(not os.path.exists(record), "no setup ran", run)
    finally:
        run.end()


def case_setup_code(wine):
    """The setup's exit code 8 in the copy reaches the parent as its code 6."""
    vendor = ui.VendorServices()
    vendor.serve_setup()
    record = record_file()
    run, window = start(wine, "uac1", setup_env(record, exit_code=8, steps=False))
    try:
        check(run.wait_for_log(CHILD_STARTED, 30), "the elevated copy waits", run)
        check(window.click_control(1), "Install clicked")
        check(run.wait_for_log("RunModule results: success=0 error_code=8", 60),
              "the copy's setup ended with 8", run)
        check(run.wait_for_log("The elevated installer has finished, success=0", 30),
              "the parent saw the copy fail", run)
        # Code 6 is the folder-locked failure; the default brand's dialogs
        # are classic.
        dialog = ui.wait_for_other_dialog(wine, window.hwnd, 60)
        check(dialog is not None, "a failure dialog follows", run)
        texts = [control["text"] for control in dialog.controls()]
        check(any(text.startswith(ui.resource_string(FOLDER_LOCKED_TEXT)) for text in texts),
              f"it is the dialog of code 6 ({texts})", run)
        wine.probe("dialog-click", window.hwnd, 213, 10000)
        check(run.wait(60) is not None, "the run ends after the dialog", run)
    finally:
        run.end()
        if os.path.exists(record):
            os.remove(record)


def case_declined(wine):
    """A launch that fails (the program named on the command line does not
    exist) is reported, and the installation goes on in the first process.
    Wine's shell reports the missing program in a message box of its own,
    which the test dismisses."""
    vendor = ui.VendorServices()
    vendor.serve_setup()
    record = record_file()
    run, window = start(wine, "variant3", setup_env(record),
                        {"LITE_UI_RUN_ARGV0": "C:\\gone\\lite_installer.exe"})
    try:
        check(window.click_control(1), "Install clicked")
        check(wine.probe("dialog-click", window.hwnd, 1, 20000) is not None,
              "the shell's message about the missing program is dismissed", run)
        check(run.wait(90) == 0, f"the run installs in this process (got {run.exit_code})", run)
        log = run.log()
        check("Declined running the installer as admin" in log, "the window logs the refusal", run)
        check(CHILD_STARTED not in log, "no elevated copy ran", run)
        events = vendor.statistics_events()
        check(any(event.get("clicked_button") == "uac_declined" for event in events),
              "the statistics carry clicked_button=uac_declined")
        check("--disable-uac" not in read(record),
              "a launch that failed without a refusal does not disable the prompt")
    finally:
        run.end()
        if os.path.exists(record):
            os.remove(record)


CASES = {name[len("case_"):]: function for name, function in globals().items()
         if name.startswith("case_")}


def main():
    return ui.run_case(CASES, __doc__)


if __name__ == "__main__":
    sys.exit(main())
