#!/usr/bin/env python3
"""Kills Tilora.exe (kill -9 of its Wine process) at random moments of Save SD, SaveAs and its
closing, on a desktop of many windows, and checks after every kill that

  * every arrangement file and the settings file holds either its old bytes or the complete new
    ones (the new arrangement is what an uninterrupted save of the same desktop wrote a moment
    before; the new settings are the old ones with the dialog's new position), and no file is
    gone;
  * after the next start no temporary file of an interrupted save is left, each one is named in
    the log, and neither file list shows one.

Runs inside kill-test.sh, which provides the virtual display and the Wine prefix. Half the kills
fall at any moment of the action, half while its file is being written: the write is seen from
the folder itself, when a file in it appears or changes its size, time or identity (a temporary
file appearing, or the target file being created, truncated or growing), so a writer that writes
the target in place is caught as well as one that writes a temporary file. A run fails when fewer
than MIN_INSIDE of its kills landed inside a write (the kill left a temporary file, or a target
that is neither old nor new), since it would then prove nothing. The seed is printed; --seed
repeats the same choices.
"""

import argparse
import os
import random
import re
import shutil
import signal
import subprocess
import sys
import tempfile
import time

KINDS = ("save-sd", "save-as", "close")
MODES = ("any moment", "while writing")
REMOVED_LINE = "A temporary file left behind by an interrupted save was deleted: "
TMP = ".~tmp"
CHECKED_FOLDERS = ("_Arrangements", "_Settings")
# A run with fewer kills inside a write than this proves nothing about interrupted writes.
MIN_INSIDE = 3


class Failure(Exception):
    pass


class DriverOutput:
    """A file for the driver's output: Wine's helper processes may inherit the output and keep a
    pipe open. The driver writes through a descriptor of its own, opened for appending, and the
    test reads through another, so reading while the driver writes never moves where it writes."""

    def __init__(self):
        descriptor, self.path = tempfile.mkstemp(prefix="tilora-driver-")
        os.close(descriptor)
        self.writer = open(self.path, "ab")

    def lines(self):
        with open(self.path, "rb") as file:
            return file.read().decode("utf-8", "replace").replace("\r", "").splitlines()

    def close(self):
        self.writer.close()
        os.remove(self.path)

    def __enter__(self):
        return self

    def __exit__(self, *exception):
        self.close()


class Desk:
    """The Tilora folder, the Tilora process and the driver that works its dialog."""

    def __init__(self, build, folder):
        self.build = build
        self.folder = folder
        self.process = None
        self.posting = None
        self.restarts = 0

    def exe(self, name):
        return os.path.join(self.build, name)

    def launch(self, arguments):
        output = DriverOutput()
        process = subprocess.Popen(["wine", self.exe("tilora_kill_driver.exe"), *arguments],
                                   stdout=output.writer, stderr=subprocess.DEVNULL)
        return process, output

    def not_started(self, arguments):
        # Wine under load now and then refuses to start a process; a moment later it starts it.
        self.restarts += 1
        if self.restarts > 20:
            raise Failure("Wine keeps refusing to start the driver (%s)" % " ".join(arguments))
        time.sleep(0.5)

    def driver(self, *arguments, watch=None):
        """Runs one driver command to its end and returns its lines. watch, if given, is called
        again and again while the command runs."""
        while True:
            process, output = self.launch(arguments)
            while process.poll() is None:
                if watch is not None:
                    watch()
                    time.sleep(0.0005)
                else:
                    time.sleep(0.01)
            with output:
                lines = output.lines()
            if lines and lines[-1] == "done":
                return lines[:-1]
            if any(line.startswith("error: ") for line in lines):
                raise Failure("driver %s failed: %s" % (" ".join(arguments), lines))
            self.not_started(arguments)

    def post(self, *arguments):
        """Starts an action through the driver and returns as soon as the driver has posted it,
        without waiting for the driver process to end."""
        while True:
            process, output = self.launch(arguments)
            deadline = time.monotonic() + 60
            while time.monotonic() < deadline:
                lines = output.lines()
                if "posted" in lines:
                    self.posting = (process, output)
                    return
                if process.poll() is not None:
                    break
                time.sleep(0.0005)
            process.wait()
            lines = output.lines()
            output.close()
            if any(line.startswith("error: ") for line in lines) or not lines:
                if lines or time.monotonic() >= deadline:
                    raise Failure("driver %s failed: %s" % (" ".join(arguments), lines))
                self.not_started(arguments)
            else:
                raise Failure("driver %s did not post: %s" % (" ".join(arguments), lines))

    def finish_post(self):
        process, output = self.posting
        process.wait()
        output.close()
        self.posting = None

    def driver_ms(self, *arguments, watch=None):
        for line in self.driver(*arguments, watch=watch):
            if line.startswith("ms: "):
                return int(line[4:])
        raise Failure("driver %s printed no time" % " ".join(arguments))

    def start(self):
        deadline = time.monotonic() + 120
        while time.monotonic() < deadline:
            self.process = subprocess.Popen(["wine", self.exe("Tilora.exe")], cwd=self.folder,
                                            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
            while self.process.poll() is None and time.monotonic() < deadline:
                try:
                    self.driver("ready", "5")
                except Failure:
                    continue
                # wine turns into the Windows program itself, so this is Tilora's own process.
                with open("/proc/%d/cmdline" % self.process.pid, "rb") as cmdline:
                    if b"Tilora.exe" not in cmdline.read():
                        raise Failure("process %d is not Tilora.exe" % self.process.pid)
                return
            if self.process.poll() is not None:
                self.not_started(["Tilora.exe"])
        raise Failure("Tilora's dialog did not appear")

    def kill(self):
        """kill -9; False when Tilora had already ended by itself."""
        ended_before = self.process.poll() is not None
        if not ended_before:
            try:
                os.kill(self.process.pid, signal.SIGKILL)
            except ProcessLookupError:
                ended_before = True
        self.process.wait()
        # The server takes the dead process's windows away; the next start must not find them.
        self.driver("gone")
        return not ended_before

    def ended(self):
        return self.process is None or self.process.poll() is not None

    def path(self, *parts):
        return os.path.join(self.folder, *parts)


def read(path):
    with open(path, "rb") as file:
        return file.read()


def checked_files(desk):
    """The arrangement and settings files: relative name -> bytes."""
    files = {}
    for sub in CHECKED_FOLDERS:
        for name in os.listdir(desk.path(sub)):
            if not name.endswith(TMP):
                files[sub + "/" + name] = read(desk.path(sub, name))
    return files


def left_over(desk):
    found = []
    for root, _, names in os.walk(desk.folder):
        found += [os.path.relpath(os.path.join(root, n), desk.folder) for n in names
                  if n.endswith(TMP)]
    return sorted(found)


def wait_for_file(path, timeout, poll=0.0005):
    deadline = time.monotonic() + timeout
    while time.monotonic() < deadline:
        if os.path.exists(path):
            return True
        time.sleep(poll)
    return False


def folder_state(folder):
    """Every file of the folder with what a write changes: size, time and identity."""
    state = {}
    try:
        with os.scandir(folder) as entries:
            for entry in entries:
                try:
                    info = entry.stat(follow_symlinks=False)
                except FileNotFoundError:
                    continue
                state[entry.name] = (info.st_size, info.st_mtime_ns, info.st_ino)
    except FileNotFoundError:
        pass
    return state


def wait_for_write(folder, before, timeout, poll=0.0005):
    """Waits until a file of the folder appears or changes; True when one did in time."""
    deadline = time.monotonic() + timeout
    while time.monotonic() < deadline:
        if folder_state(folder) != before:
            return True
        time.sleep(poll)
    return False


def timed_with_write_window(desk, folder, *driver_arguments):
    """Runs a driver command that waits for its action while watching the folder the action
    writes to; returns the action's time and how long its files kept changing, in seconds."""
    seen = {"state": folder_state(folder)}

    def watch():
        state = folder_state(folder)
        if state != seen["state"]:
            now = time.monotonic()
            seen.setdefault("first", now)
            seen["last"] = now
            seen["state"] = state

    took = desk.driver_ms(*driver_arguments, watch=watch)
    write_window = seen["last"] - seen["first"] if "first" in seen else 0.0
    return took / 1000.0, write_window


def settings_with_position(settings, left, top):
    new, count = re.subn(rb"^StartPosition = [^\r\n]*\r\n",
                         b"StartPosition = %d,%d\r\n" % (left, top), settings, flags=re.M)
    if count != 1:
        raise Failure("settings file without one StartPosition line")
    return new


def first_difference(a, b):
    for index, (x, y) in enumerate(zip(a, b)):
        if x != y:
            return index
    return min(len(a), len(b))


def describe(data):
    return "%d bytes, ending %r" % (len(data), data[-40:])


class KillTest:
    def __init__(self, arguments):
        self.arguments = arguments
        self.random = random.Random(arguments.seed)
        self.folder = tempfile.mkdtemp(prefix="tilora-kill-")
        self.desk = Desk(arguments.build, self.folder)
        self.crowd = None
        self.outcomes = []
        self.timings = {}
        # Kills that left a temporary file; a target left neither old nor new fails at once.
        self.inside_write = 0

    # Setting up --------------------------------------------------------------------------------

    def open_crowd(self):
        ready = os.path.join(self.folder, "crowd-ready")
        self.crowd = subprocess.Popen(
            ["wine", self.desk.exe("tilora_window_crowd.exe"), str(self.arguments.windows),
             str(self.arguments.title_length), "Z:" + ready.replace("/", "\\")],
            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        if not wait_for_file(ready, 120, poll=0.05):
            raise Failure("the window crowd did not open")
        os.remove(ready)

    def write_first_settings(self):
        os.makedirs(self.desk.path("_Settings"), exist_ok=True)
        # A long exclusion list, written back unchanged at every closing, makes the settings file
        # large enough for a kill to fall into its write.
        exclusions = ";".join("tool%06d.exe" % n for n in range(self.arguments.exclusions))
        # Following the monitors is off: the desk it would write at closing is not one of the
        # files whose old and new bytes this test knows.
        text = ("Language = English\r\nStartPosition = 100,100\r\nTopmost = False\r\n"
                "Minimize = False\r\nExcludeMax = %s\r\nFollowMonitors = False\r\n"
                % exclusions)
        with open(self.desk.path("_Settings", "Settings.txt"), "wb") as file:
            file.write(text.encode("ascii"))

    def measure_close(self):
        """One closing without a kill: its time, and a check that the expected new settings are
        exactly what the program writes."""
        self.desk.start()
        left, top = self.move_dialog()
        expected = settings_with_position(read(self.desk.path("_Settings", "Settings.txt")),
                                          left, top)
        took, window = timed_with_write_window(self.desk, self.desk.path("_Settings"), "close")
        self.desk.process.wait()
        written = read(self.desk.path("_Settings", "Settings.txt"))
        if written != expected:
            raise Failure("closing wrote other settings than expected: at byte %d, %s"
                          % (first_difference(written, expected), describe(written)))
        self.timings["close"] = (took, window, len(written))

    # One kill ----------------------------------------------------------------------------------

    def move_dialog(self):
        left, top = self.random.randrange(0, 1400), self.random.randrange(0, 600)
        self.desk.driver("move", str(left), str(top))
        position = self.desk.driver("position")
        if position != ["position: %d,%d" % (left, top)]:
            raise Failure("the dialog did not move to %d,%d: %s" % (left, top, position))
        return left, top

    def reference_save(self):
        """An uninterrupted SaveAs of the desktop as it is: the bytes every complete save of
        this round must write."""
        took, window = timed_with_write_window(self.desk, self.desk.path("_Arrangements"),
                                               "save-as", "Reference.txt")
        reference = read(self.desk.path("_Arrangements", "Reference.txt"))
        self.timings.setdefault("save", []).append((took, window, len(reference)))
        return reference, took, window

    def kill_during(self, kind, mode):
        """Starts the action, kills Tilora; returns whether the kill met a running process."""
        folder = self.desk.path("_Settings" if kind == "close" else "_Arrangements")
        before = folder_state(folder)
        if kind == "save-sd":
            self.desk.post("post-save-sd")
        elif kind == "save-as":
            self.desk.post("post-save-as", "Layout.txt")
        else:
            self.desk.post("post-close")
        if mode == "while writing":
            wait_for_write(folder, before, max(5.0, 3 * self.action_time))
            # A write takes a few milliseconds, and noticing it and killing take some of them:
            # the kill falls into the first half of it.
            time.sleep(self.random.uniform(0, 0.5 * max(self.write_window, 0.002)))
        else:
            time.sleep(self.random.uniform(0, 1.2 * self.action_time))
        killed = self.desk.kill()
        self.desk.finish_post()
        return killed

    def check_files(self, before, candidates):
        """Every file is its old self or the complete new one; returns the outcome per name."""
        after = checked_files(self.desk)
        outcome = {}
        for name, data in before.items():
            if name not in after:
                raise Failure("%s is gone" % name)
        for name, data in after.items():
            if before.get(name) == data:
                outcome[name] = "old"
            elif candidates(name) == data:
                outcome[name] = "new"
            else:
                expected = candidates(name) or b""
                raise Failure("%s is neither the old nor the new file: %s; differs from the new "
                              "one (%d bytes) at byte %d"
                              % (name, describe(data), len(expected),
                                 first_difference(data, expected)))
        return outcome

    def check_restart(self, temporaries):
        self.desk.start()
        state = self.desk.driver("state")
        if left_over(self.desk):
            raise Failure("after the start temporary files are still there: %s"
                          % left_over(self.desk))
        removed = [line[5 + len(REMOVED_LINE):] for line in state
                   if line.startswith("log: " + REMOVED_LINE)]
        for temporary in temporaries:
            suffix = "\\" + temporary.replace("/", "\\")
            if not any(path.endswith(suffix) for path in removed):
                raise Failure("the log does not name the deleted %s: %s" % (temporary, removed))
        listed = sorted(line.split(": ", 1)[1] for line in state
                        if line.startswith("arrangement: "))
        on_disk = sorted(n for n in os.listdir(self.desk.path("_Arrangements"))
                         if n.lower().endswith(".txt"))
        if any(TMP in line for line in state if not line.startswith("log: ")):
            raise Failure("a file list shows a temporary file: %s" % state)
        if listed != on_disk:
            raise Failure("the arrangement list %s is not the folder's %s" % (listed, on_disk))

    def tidy(self):
        """Keeps the folders small: the automatic saves and the checked session defaults go."""
        for sub, pattern in (("_Exports", r"SaveAuto_.*\.txt"),
                             ("_Arrangements", r"SessionDefault_.*\.txt")):
            for name in os.listdir(self.desk.path(sub)):
                if re.fullmatch(pattern, name):
                    os.remove(self.desk.path(sub, name))

    def one_round(self, number):
        kind = KINDS[number % len(KINDS)]
        mode = self.random.choice(MODES)
        left, top = self.move_dialog()
        if kind == "close":
            self.action_time, self.write_window, _ = self.timings["close"]
            old_settings = read(self.desk.path("_Settings", "Settings.txt"))
            new_settings = settings_with_position(old_settings, left, top)
            candidates = lambda name: new_settings if name == "_Settings/Settings.txt" else None
        else:
            reference, self.action_time, self.write_window = self.reference_save()
            candidates = lambda name: reference if name.startswith("_Arrangements/") else None
        before = checked_files(self.desk)
        killed = self.kill_during(kind, mode)
        temporaries = left_over(self.desk)
        outcome = self.check_files(before, candidates)
        if kind == "save-as":
            target = outcome["_Arrangements/Layout.txt"] if "_Arrangements/Layout.txt" in outcome \
                else "old"
        elif kind == "save-sd":
            target = "new" if any(n.startswith("_Arrangements/SessionDefault_") for n in outcome) \
                else "old"
        else:
            target = outcome["_Settings/Settings.txt"]
        self.outcomes.append((kind, mode, killed, target, len(temporaries)))
        if temporaries:
            self.inside_write += 1
        print("kill %3d: %-7s %-13s %-22s file %s, %d temporary file(s) left"
              % (number + 1, kind, mode, "killed" if killed else "had ended by itself", target,
                 len(temporaries)), flush=True)
        self.check_restart(temporaries)
        self.tidy()

    # The whole run -----------------------------------------------------------------------------

    def run(self):
        started = time.monotonic()
        print("kill test: seed %d, %d kills, %d windows with %d-character titles"
              % (self.arguments.seed, self.arguments.rounds, self.arguments.windows,
                 self.arguments.title_length), flush=True)
        self.open_crowd()
        self.write_first_settings()
        self.measure_close()
        close = self.timings["close"]
        print("closing: %.3f s, settings written in %.3f s, %d bytes" % close, flush=True)
        self.desk.start()
        for number in range(self.arguments.rounds):
            self.one_round(number)
        self.summary(time.monotonic() - started)

    def summary(self, seconds):
        saves = self.timings.get("save", [])
        if saves:
            print("saves: %.3f s on average, file written in %.3f s, %d bytes"
                  % (sum(s[0] for s in saves) / len(saves), sum(s[1] for s in saves) / len(saves),
                     saves[-1][2]))
        for kind in KINDS:
            rows = [o for o in self.outcomes if o[0] == kind]
            print("%-7s %3d kills: %3d killed while running, file old %3d / new %3d, "
                  "%3d left a temporary file"
                  % (kind, len(rows), sum(1 for o in rows if o[2]),
                     sum(1 for o in rows if o[3] == "old"), sum(1 for o in rows if o[3] == "new"),
                     sum(1 for o in rows if o[4] > 0)))
        print("%d of %d kills landed inside a write" % (self.inside_write, len(self.outcomes)))
        # Runs of a handful of kills, for trying something out, ask for fewer.
        required = min(MIN_INSIDE, len(self.outcomes) // 4)
        if self.inside_write < required:
            raise Failure("only %d kill(s) landed inside a write, fewer than %d: the run shows "
                          "nothing about interrupted writes" % (self.inside_write, required))
        if self.desk.restarts:
            print("Wine refused to start a program %d time(s); it was started again"
                  % self.desk.restarts)
        print("kill test passed: %d kills in %.0f s (seed %d)"
              % (len(self.outcomes), seconds, self.arguments.seed))

    def close(self):
        if not self.desk.ended():
            self.desk.kill()
        if self.crowd is not None and self.crowd.poll() is None:
            self.crowd.kill()
            self.crowd.wait()
        if not self.arguments.keep:
            shutil.rmtree(self.folder, ignore_errors=True)


def main():
    parser = argparse.ArgumentParser(description=__doc__,
                                     formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--build", required=True, help="the mingw build folder")
    parser.add_argument("--rounds", type=int, default=100, help="how many kills")
    parser.add_argument("--seed", type=int, default=None, help="repeats a run's choices")
    parser.add_argument("--windows", type=int, default=300, help="windows on the desktop")
    parser.add_argument("--title-length", type=int, default=2000, help="characters per title")
    parser.add_argument("--exclusions", type=int, default=100000,
                        help="entries of the settings' exclusion list")
    parser.add_argument("--keep", action="store_true", help="keep the folder for inspection")
    arguments = parser.parse_args()
    if arguments.seed is None:
        arguments.seed = random.SystemRandom().randrange(1, 2**31)
    test = KillTest(arguments)
    try:
        test.run()
        return 0
    except Failure as failure:
        print("kill test FAILED (seed %d, folder %s): %s"
              % (arguments.seed, test.folder, failure), flush=True)
        arguments.keep = True
        return 1
    finally:
        test.close()


if __name__ == "__main__":
    sys.exit(main())
