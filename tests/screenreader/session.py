# SPDX-FileCopyrightText: 2026 Varnelo developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""A private desktop with a screen reader, for the screen-reader tests.

Xvfb on a display of its own, the session bus the caller runs in (dbus-run-session), the
accessibility bus, speech-dispatcher on a private socket with its dummy module and libao's
null driver, and Orca with a private preferences folder whose debug file is line-buffered,
so that each utterance ("SPEECH OUTPUT: '...'") can be read as it is spoken. Every wait is
bounded; everything started here is stopped here."""

import os
import re
import shutil
import subprocess
import sys
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), ".."))
from tierprocesses import end_groups, uninterrupted  # noqa: E402 - found through the path above

ORCA_CUSTOMIZATIONS = """\
# The debug file is read while Orca writes it: one line at a time.
import orca.debug
if orca.debug.debugFile:
    orca.debug.debugFile.reconfigure(line_buffering=True)
"""

SPEECHD_CONF = """\
AddModule "dummy" "sd_dummy" ""
DefaultModule dummy
AudioOutputMethod "libao"
LogLevel 1
"""

# "hh:mm:ss.micro - SPEECH OUTPUT: 'text'{voice settings}"
SPOKEN = re.compile(r" - SPEECH OUTPUT: '(.*)'\s*(?:\[?\{[^{}]*\}\]?)?\s*$")


class Timeout(Exception):
    """A wait ran out of time."""


def WaitFor(condition, seconds, what):
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        result = condition()
        if result:
            return result
        time.sleep(0.05)
    raise Timeout(what)


class Desktop:
    """Xvfb, the accessibility bus, speech-dispatcher and Orca, started in that order."""

    def __init__(self, work):
        self.work = work
        self.processes = []
        self.log_files = []
        self.env = dict(os.environ)
        self.debugFile = os.path.join(work, "orca-debug.out")
        self.readOffset = 0

    def Start(self):
        self._PrivateFolders()
        self._StartXvfb()
        self._StartSessionBus()
        self._StartAccessibilityBus()
        self._StartSpeechDispatcher()
        self._StartOrca()

    def Stop(self):
        with uninterrupted():
            end_groups(self.processes)
            self.processes.clear()
            for log in self.log_files:
                log.close()
            self.log_files.clear()

    def _Popen(self, command, **options):
        """Starts a process in a group of its own, which Stop ends with all it started."""
        with uninterrupted():
            process = subprocess.Popen(command, start_new_session=True, **options)
            self.processes.append(process)
        return process

    def Launch(self, command, **extra):
        env = dict(self.env)
        env.update(extra)
        with uninterrupted():
            log = open(os.path.join(self.work, "stderr.log"), "a")
            self.log_files.append(log)
            return self._Popen(command, env=env, stdin=subprocess.DEVNULL,
                               stdout=subprocess.DEVNULL, stderr=log)

    def _PrivateFolders(self):
        home = os.path.join(self.work, "home")
        runtime = os.path.join(self.work, "runtime")
        for folder in (home, runtime):
            os.makedirs(folder, mode=0o700, exist_ok=True)
        # libao takes its driver from the home folder: no sound card is needed or touched.
        with open(os.path.join(home, ".libao"), "w") as out:
            out.write("default_driver=null\n")
        self.env.update({
            "HOME": home,
            "XDG_RUNTIME_DIR": runtime,
            "XDG_CONFIG_HOME": os.path.join(home, ".config"),
            "XDG_DATA_HOME": os.path.join(home, ".local", "share"),
            "XDG_CACHE_HOME": os.path.join(home, ".cache"),
            "GSETTINGS_BACKEND": "memory",
            "NO_AT_BRIDGE": "0",
            "LANG": "C.UTF-8",
        })
        self.env.pop("WAYLAND_DISPLAY", None)
        self.env.pop("SESSION_MANAGER", None)

    def _StartXvfb(self):
        read, write = os.pipe()
        self._Popen(
            ["Xvfb", "-displayfd", str(write), "-screen", "0", "1280x1024x24", "-nolisten",
             "tcp", "-noreset"], pass_fds=(write,), stdout=subprocess.DEVNULL,
            stderr=subprocess.DEVNULL)
        os.close(write)
        with os.fdopen(read) as pipe:
            display = pipe.readline().strip()
        if not display:
            raise Timeout("Xvfb did not start")
        self.env["DISPLAY"] = ":" + display

    def _StartSessionBus(self):
        # A bus of its own, whose services start with this desktop's folders and settings.
        process = self._Popen(
            ["dbus-daemon", "--session", "--nofork", "--nosyslog", "--print-address=1"],
            env=self.env, stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, text=True)
        address = process.stdout.readline().strip()
        if not address:
            raise Timeout("the session bus did not start")
        self.env["DBUS_SESSION_BUS_ADDRESS"] = address

    def _StartAccessibilityBus(self):
        self.Launch(["/usr/libexec/at-spi-bus-launcher", "--launch-immediately"])
        # The bus is up when the launcher has taken its name on the session bus.
        WaitFor(lambda: self._Run(["dbus-send", "--session", "--print-reply",
                                   "--dest=org.freedesktop.DBus", "/org/freedesktop/DBus",
                                   "org.freedesktop.DBus.GetNameOwner",
                                   "string:org.a11y.Bus"]) == 0, 10,
                "the accessibility bus")

    def _StartSpeechDispatcher(self):
        config = os.path.join(self.work, "speechd")
        os.makedirs(config, exist_ok=True)
        shutil.copytree("/etc/speech-dispatcher/modules", os.path.join(config, "modules"),
                        dirs_exist_ok=True)
        with open(os.path.join(config, "speechd.conf"), "w") as out:
            out.write(SPEECHD_CONF)
        socket = os.path.join(self.env["XDG_RUNTIME_DIR"], "speechd.sock")
        self.Launch(["speech-dispatcher", "--run-single", "-t", "0", "-C", config, "-c",
                     "unix_socket", "-S", socket, "-L", self.work])
        WaitFor(lambda: os.path.exists(socket), 10, "speech-dispatcher's socket")
        self.env["SPEECHD_ADDRESS"] = "unix_socket:" + socket

    def _StartOrca(self):
        prefs = os.path.join(self.work, "orca")
        os.makedirs(prefs, exist_ok=True)
        with open(os.path.join(prefs, "orca-customizations.py"), "w") as out:
            out.write(ORCA_CUSTOMIZATIONS)
        self.Launch(["orca", "--user-prefs", prefs, "--debug-file", self.debugFile])
        WaitFor(lambda: self._DebugHas("ORCA: Starting ATSPI registry."), 30, "Orca")

    def _DebugHas(self, text):
        try:
            with open(self.debugFile, encoding="utf-8", errors="replace") as log:
                return text in log.read()
        except FileNotFoundError:
            return False

    def _Run(self, command):
        return subprocess.run(command, env=self.env, stdout=subprocess.DEVNULL,
                              stderr=subprocess.DEVNULL, timeout=10).returncode

    # Speech

    def Spoken(self):
        """The utterances logged since the last call."""
        with open(self.debugFile, "rb") as log:
            log.seek(self.readOffset)
            data = log.read()
        complete = data.rfind(b"\n") + 1
        self.readOffset += complete
        lines = data[:complete].decode("utf-8", errors="replace").splitlines()
        return [m.group(1) for line in lines if (m := SPOKEN.search(line))]
