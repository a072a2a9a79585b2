#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Soak test: a seeded random walk of mouse and key input on the real Voltaris window.

Runs the program on its own virtual display (Xvfb) with a scratch home and working folder,
walks for the given time and fails when the program dies, stops answering, grows its memory
by more than half, keeps a dialog open through a minute of Esc, or a sanitizer reports. A deliberate end ("Beenden" answered, exit code 0)
starts the program again. Every action goes to actions.log in the scratch folder; --replay
sends a logged walk again.
"""

import argparse
import os
import random
import shlex
import shutil
import signal
import subprocess
import sys
import tempfile
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from walk import NEXT_COMMAND, Walker, discover  # noqa: E402
from x11_client import WindowGone, X11Client  # noqa: E402

CHECK_INTERVAL = 3.0  # seconds between two liveness checks (ping, layout, memory)
PING_TIMEOUT = 5.0
MEMORY_NOTE_INTERVAL = 30.0  # seconds between two RSS lines in the action log
DIALOG_LIMIT = 60.0  # seconds a dialog may stay open while the walk sends it Esc and Return
SCREEN = "1600x1000x24"


class SoakFailure(Exception):
    pass


def say(text):
    print("soak: " + text, flush=True)


def parse_arguments():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("seconds", nargs="?", type=float,
                        default=float(os.environ.get("VOLTARIS_SOAK_SECONDS", 60)),
                        help="length of the walk (default $VOLTARIS_SOAK_SECONDS or 60)")
    parser.add_argument("--program", required=True, help="the voltaris executable (any build, e.g. ASan)")
    parser.add_argument("--seed", type=int, help="seed of the walk; the same seed repeats it")
    parser.add_argument("--replay", help="send the actions of this actions.log instead of a new walk")
    parser.add_argument("--hang-seconds", type=float, default=30.0,
                        help="fail when the program does not answer for this long (default 30)")
    parser.add_argument("--memory-growth", type=float, default=0.5,
                        help="fail when the RSS grows by more than this fraction after settling (default 0.5)")
    parser.add_argument("--keep", action="store_true", help="keep the scratch folder after a passed run")
    return parser.parse_args()


class Scratch:
    """A throw-away home, working folder and program copy, so no dialog writes into the repository:
    the file dialogs start in the program's folder or the home, both in here."""

    def __init__(self, program):
        self.root = tempfile.mkdtemp(prefix="voltaris-soak-")
        self.home = self._folder("home")
        self._folder("home/Documents")
        self.work = self._folder("work")
        self.runtime = self._folder("runtime")
        os.chmod(self.runtime, 0o700)
        self.sanitizer = self._folder("sanitizer")
        stubs = self._folder("stubs")
        self.program = os.path.join(self._folder("bin"), "voltaris")
        shutil.copy2(program, self.program)
        # Help and website open through xdg-open, printing may call lp: nothing leaves the box.
        for name in ("xdg-open", "lp", "lpr", "firefox", "x-www-browser"):
            path = os.path.join(stubs, name)
            with open(path, "w") as stub:
                stub.write('#!/bin/sh\necho "%s $*" >> "%s"\n' % (name, os.path.join(self.root, "opened.log")))
            os.chmod(path, 0o755)
        self.stubs = stubs
        self.actions_log = os.path.join(self.root, "actions.log")
        self.program_log = os.path.join(self.root, "program.log")

    def _folder(self, name):
        path = os.path.join(self.root, name)
        os.makedirs(path, exist_ok=True)
        return path

    def environment(self, display):
        env = {key: value for key, value in os.environ.items()
               if not key.startswith(("DBUS_", "WAYLAND_", "XDG_", "QT_", "SESSION_MANAGER"))}
        env.update({
            "DISPLAY": display, "HOME": self.home, "XDG_RUNTIME_DIR": self.runtime,
            "PATH": self.stubs + os.pathsep + env.get("PATH", "/usr/bin:/bin"), "BROWSER": "xdg-open",
            "QT_QPA_PLATFORM": "xcb", "QT_ACCESSIBILITY": "0", "NO_AT_BRIDGE": "1",
            "CUPS_SERVER": os.path.join(self.root, "no-cups.sock"), "PRINTER": "",
            # A smaller quarantine than the default 256 MB, so that freed blocks held back to
            # catch late use do not read as growth of the program's own memory.
            "ASAN_OPTIONS": "halt_on_error=1:detect_leaks=0:quarantine_size_mb=64:log_path="
                            + os.path.join(self.sanitizer, "asan"),
            "UBSAN_OPTIONS": "halt_on_error=1:print_stacktrace=1:log_path=" + os.path.join(self.sanitizer, "ubsan"),
        })
        return env

    def sanitizer_reports(self):
        reports = []
        for name in sorted(os.listdir(self.sanitizer)):
            with open(os.path.join(self.sanitizer, name), errors="replace") as report:
                reports.append("== %s\n%s" % (name, report.read()))
        with open(self.program_log, errors="replace") as log:
            text = log.read()
        for marker in ("ERROR: AddressSanitizer", "runtime error:", "ERROR: LeakSanitizer"):
            if marker in text:
                reports.append("== program output\n" + text[max(0, text.index(marker) - 200):][:6000])
                break
        return reports


def start_xvfb(scratch):
    """Xvfb on a free display that it picks itself; returns (process, display)."""
    read_end, write_end = os.pipe()
    log = open(os.path.join(scratch.root, "xvfb.log"), "w")
    process = subprocess.Popen(["Xvfb", "-displayfd", str(write_end), "-screen", "0", SCREEN, "-nolisten", "tcp"],
                               pass_fds=[write_end], stdout=log, stderr=log, start_new_session=True)
    os.close(write_end)
    number = b""
    while not number.endswith(b"\n"):
        chunk = os.read(read_end, 16)
        if not chunk:
            raise SoakFailure("Xvfb did not start (see %s/xvfb.log)" % scratch.root)
        number += chunk
    os.close(read_end)
    return process, ":" + number.decode().strip()


class Program:
    """One run of the program with its memory figures."""

    def __init__(self, scratch, env):
        log = open(scratch.program_log, "a")
        log.write("---- start %s\n" % time.strftime("%H:%M:%S"))
        log.flush()
        self.process = subprocess.Popen([scratch.program, "--no-splash", "--no-usage-report"], cwd=scratch.work,
                                        env=env, stdout=log, stderr=subprocess.STDOUT, start_new_session=True)
        self.started = time.monotonic()
        self.settled_rss = None
        self.recorded = False
        self.last_rss = None
        self.peak_rss = 0

    @property
    def pid(self):
        return self.process.pid

    def rss_kb(self):
        try:
            with open("/proc/%d/status" % self.pid) as status:
                for line in status:
                    if line.startswith("VmRSS:"):
                        rss = int(line.split()[1])
                        self.last_rss = rss
                        self.peak_rss = max(self.peak_rss, rss)
                        return rss
        except OSError:
            pass
        return None

    def stop(self):
        if self.process.poll() is None:
            self.process.terminate()
            try:
                self.process.wait(5)
            except subprocess.TimeoutExpired:
                self.process.kill()
                self.process.wait()


def describe_exit(code):
    if code < 0:
        return "killed by signal %d (%s)" % (-code, signal.Signals(-code).name)
    return "exit code %d" % code


class Soak:
    def __init__(self, options, scratch, display, client):
        self.options, self.scratch, self.display, self.client = options, scratch, display, client
        self.env = scratch.environment(display)
        self.program = None
        self.layout = None
        self.actions = 0
        self.kinds = {}
        self.recent = []
        self.restarts = 0
        self.pings = 0
        self.slowest_answer = 0.0
        self.memory = []  # (pid, settled, final, peak) per program run
        self.dialogs_seen = {}  # dialog window -> when it opened
        self.next_memory_note = 0.0
        self.failed_commands = 0
        self.log = open(scratch.actions_log, "w")

    # Program life ---------------------------------------------------------------------------

    def launch(self):
        self.program = Program(self.scratch, self.env)
        deadline = time.monotonic() + max(120.0, self.options.hang_seconds)
        while time.monotonic() < deadline:
            self.check_alive()
            self.layout = discover(self.client, self.program.pid)
            if self.layout and self.layout.rect.w >= 300 and self.ping_once() is not None:
                time.sleep(1.0)
                self.layout = discover(self.client, self.program.pid)
                say("program %d shows its window at %d,%d size %dx%d" % (
                    self.program.pid, *self.layout.rect))
                return
            time.sleep(0.5)
        raise SoakFailure("the program showed no window within %.0f s" % (deadline - self.program.started))

    def check_alive(self):
        code = self.program.process.poll()
        if code is None:
            return
        reports = self.scratch.sanitizer_reports()
        if code == 0 and not reports:
            self.finish_memory_record()
            self.restarts += 1
            self.note("program ended on purpose (exit code 0); starting it again")
            self.launch()
            return
        with open(self.scratch.program_log, errors="replace") as log:
            output = log.readlines()[-15:]
        raise SoakFailure("the program died: %s\n%s" % (
            describe_exit(code), "\n".join(reports) if reports else "its last output:\n" + "".join(output)))

    def finish_memory_record(self):
        program = self.program
        if program.settled_rss and not program.recorded:
            program.recorded = True
            self.memory.append((program.pid, program.settled_rss, program.last_rss, program.peak_rss))

    # Liveness and memory ---------------------------------------------------------------------

    def ping_once(self):
        try:
            return self.client.ping(self.layout.main, PING_TIMEOUT)
        except WindowGone:
            return None

    def check(self, settle_at):
        """Fails when the program stops answering or loses its window for too long."""
        silent_since = None
        while True:
            self.check_alive()
            self.layout = discover(self.client, self.program.pid)
            answer = self.ping_once() if self.layout else None
            if answer is not None:
                self.pings += 1
                self.slowest_answer = max(self.slowest_answer, answer)
                if silent_since is not None:
                    self.note("answered again after %.1f s" % (time.monotonic() - silent_since))
                break
            if silent_since is None:
                silent_since = time.monotonic() - (PING_TIMEOUT if self.layout else 0)
                self.note("no answer within %.0f s" % PING_TIMEOUT if self.layout else "no main window")
            if time.monotonic() - silent_since >= self.options.hang_seconds:
                raise SoakFailure("the program stopped answering: %s for %.0f s" % (
                    "no answer to pings" if self.layout else "no main window", time.monotonic() - silent_since))
            time.sleep(0.5)
        rss = self.program.rss_kb()
        program = self.program
        if rss and program.settled_rss is None and time.monotonic() >= max(settle_at, program.started + 10):
            program.settled_rss = rss
            self.note("settled RSS %d kB" % rss)
        elif rss and time.monotonic() >= self.next_memory_note:
            self.note("RSS %d kB" % rss)
        if time.monotonic() >= self.next_memory_note:
            self.next_memory_note = time.monotonic() + MEMORY_NOTE_INTERVAL

    # The walk -------------------------------------------------------------------------------

    def note(self, text):
        line = "%.2f\t--\t%s" % (time.monotonic() - self.begin, text)
        self.log.write(line + "\n")
        self.log.flush()
        self.recent = (self.recent + [line])[-30:]

    def send(self, kind, arguments):
        self.actions += 1
        self.kinds[kind] = self.kinds.get(kind, 0) + 1
        line = "%.2f\t%d\t%s\t%s" % (time.monotonic() - self.begin, self.actions, kind, shlex.join(arguments))
        self.log.write(line + "\n")
        self.log.flush()
        self.recent = (self.recent + [line])[-30:]
        command = []
        for argument in arguments + [NEXT_COMMAND]:
            if argument != NEXT_COMMAND:
                command.append(argument)
                continue
            try:
                result = subprocess.run(["xdotool"] + command, env=self.env, stdout=subprocess.DEVNULL,
                                        stderr=subprocess.PIPE, timeout=self.options.hang_seconds)
            except subprocess.TimeoutExpired:
                raise SoakFailure("input did not get through for %.0f s: the X server or the program is stuck"
                                  % self.options.hang_seconds) from None
            if result.returncode != 0:
                # A window that closed a moment ago is no fault; anything else is the walk's own.
                self.failed_commands += 1
                self.note("xdotool failed: " + result.stderr.decode(errors="replace").strip().replace("\n", " | ")[:200])
            command = []

    def run(self, seed):
        self.begin = time.monotonic()
        self.launch()
        walker = Walker(seed)
        replay = self.read_replay() if self.options.replay else None
        duration = self.options.seconds
        walk_start = time.monotonic()
        settle_at = walk_start + max(10.0, 0.15 * duration)
        next_check = walk_start
        while time.monotonic() - walk_start < duration:
            if time.monotonic() >= next_check:
                self.check(settle_at)
                next_check = time.monotonic() + CHECK_INTERVAL
            else:
                self.check_alive()
                self.layout = discover(self.client, self.program.pid, with_views=False, previous=self.layout) \
                    or self.layout
            if replay is not None:
                if not replay:
                    break
                at, kind, arguments = replay.pop(0)
                time.sleep(max(0.0, at - (time.monotonic() - self.begin)))
                # The windows have other ids in this run (and after each restart).
                focus = str(self.layout.dialogs[-1][0] if self.layout.dialogs else self.layout.main)
                arguments = [focus if index and arguments[index - 1] == "windowfocus" else argument
                             for index, argument in enumerate(arguments)]
                self.send(kind, arguments)
                continue
            self.watch_dialogs()
            kind, arguments = walker.next_action(self.layout)
            self.send(kind, arguments)
            time.sleep(walker.random.uniform(0.02, 0.15))
        self.check(settle_at)
        self.finish_memory_record()

    def watch_dialogs(self):
        """Notes each dialog that opens; fails when one outlives a minute of Esc and Return."""
        now = time.monotonic()
        open_now = {window for window, _ in self.layout.dialogs}
        for window, rect in self.layout.dialogs:
            if window not in self.dialogs_seen:
                self.dialogs_seen[window] = now
                kinds = ",".join(kind.replace("_NET_WM_WINDOW_TYPE_", "") for kind in self.client.window_types(window))
                self.note("dialog %s \"%s\" (%s) %dx%d opened" % (
                    hex(window), self.client.title(window), kinds, rect.w, rect.h))
            elif now - self.dialogs_seen[window] > DIALOG_LIMIT:
                raise SoakFailure("the dialog \"%s\" stayed open for %.0f s of Esc and Return" % (
                    self.client.title(window), now - self.dialogs_seen[window]))
        self.dialogs_seen = {window: since for window, since in self.dialogs_seen.items() if window in open_now}

    def read_replay(self):
        actions = []
        with open(self.options.replay) as log:
            for line in log:
                parts = line.rstrip("\n").split("\t", 3)
                if len(parts) == 4 and parts[1].isdigit():
                    actions.append((float(parts[0]), parts[2], shlex.split(parts[3])))
        return actions

    # Verdict --------------------------------------------------------------------------------

    def memory_verdict(self):
        """Text lines about memory, and whether any run grew too much."""
        lines, grew = [], False
        for pid, settled, final, peak in self.memory:
            growth = (final - settled) / settled
            lines.append("program %d: RSS settled %.1f MB, final %.1f MB (%+.0f %%), peak %.1f MB" % (
                pid, settled / 1024, final / 1024, 100 * growth, peak / 1024))
            grew = grew or growth > self.options.memory_growth
        if not self.memory:
            lines.append("no program run lived long enough to settle its memory")
        return lines, grew

    def summary(self, seed):
        kinds = ", ".join("%s %d" % item for item in sorted(self.kinds.items(), key=lambda item: -item[1]))
        say("seed %d, %.0f s, %d actions (%s)" % (seed, self.options.seconds, self.actions, kinds))
        say("%d deliberate restarts; %d pings answered, slowest after %.2f s; %d xdotool commands failed" % (
            self.restarts, self.pings, self.slowest_answer, self.failed_commands))


def main():
    options = parse_arguments()
    seed = options.seed if options.seed is not None else random.SystemRandom().randrange(1, 2**31)
    program = os.path.abspath(options.program)
    if not os.access(program, os.X_OK):
        say("no program at %s (build it first)" % program)
        return 2
    for tool in ("Xvfb", "xdotool"):
        if not shutil.which(tool):
            say("%s is missing (scripts/setup-deps installs it)" % tool)
            return 2
    scratch = Scratch(program)
    walk = "replaying " + options.replay if options.replay else "seed %d (repeat with --seed %d)" % (seed, seed)
    say("%s, %.0f s on %s; scratch %s" % (walk, options.seconds, options.program, scratch.root))
    try:
        xvfb, display = start_xvfb(scratch)
    except SoakFailure as error:
        say("FAILED: %s" % error)
        return 1
    soak = None
    failure = None
    try:
        client = X11Client(display)
        soak = Soak(options, scratch, display, client)
        soak.run(seed)
        reports = scratch.sanitizer_reports()
        if reports:
            failure = "a sanitizer reported:\n" + "\n".join(reports)
    except (SoakFailure, OSError) as error:
        failure = str(error)
        if soak and soak.program and soak.program.process.poll() is not None and "died" not in failure:
            failure += "; the program had ended meanwhile: " + describe_exit(soak.program.process.returncode)
            failure += "".join("\n" + report for report in scratch.sanitizer_reports())
    finally:
        if soak and soak.program:
            if soak.program.process.poll() is None:
                soak.program.rss_kb()
            soak.program.stop()
            soak.finish_memory_record()
        xvfb.terminate()
        xvfb.wait()
    if soak is None:
        say("FAILED before the walk: " + (failure or "no display"))
        return 1
    soak.summary(seed)
    memory_lines, grew = soak.memory_verdict()
    for line in memory_lines:
        say(line)
    if failure is None and grew:
        failure = "the memory grew by more than %.0f %% after settling" % (100 * options.memory_growth)
    if failure:
        say("FAILED: " + failure)
        say("last actions (all in %s):" % scratch.actions_log)
        for line in soak.recent:
            print("    " + line)
        say("program output: %s; scratch kept at %s; repeat: --seed %d, or --replay %s" % (
            scratch.program_log, scratch.root, seed, scratch.actions_log))
        return 1
    say("PASSED")
    if not options.keep:
        shutil.rmtree(scratch.root, ignore_errors=True)
    return 0


if __name__ == "__main__":
    sys.exit(main())
