# SPDX-FileCopyrightText: 2026 Varnelo developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""The processes of a test tier, ended however the tier ends.

Each child starts in a process group of its own, so that ending the group also ends what the
child started itself (a bus launcher's bus, a speech module). The tier ends its groups in
`finally` blocks; SIGTERM (what `timeout` sends), SIGINT and SIGHUP become SystemExit, so that
those blocks run on a signal too. While a process is being started or the groups are being
ended, a signal waits until that is done: no process is left untracked, no ending half done."""

import contextlib
import os
import signal
import subprocess
import time

_guarded = 0
_pending = []


def _on_signal(number, _frame):
    if _guarded:
        _pending.append(number)
        return
    raise SystemExit(128 + number)


def end_on_signals():
    for number in (signal.SIGTERM, signal.SIGINT, signal.SIGHUP):
        signal.signal(number, _on_signal)


@contextlib.contextmanager
def uninterrupted():
    """A signal that arrives inside waits for the end of the block."""
    global _guarded
    _guarded += 1
    try:
        yield
    finally:
        _guarded -= 1
        if not _guarded and _pending:
            raise SystemExit(128 + _pending.pop())


def signal_group(leader, number):
    try:
        os.killpg(leader, number)
    except ProcessLookupError:
        pass


def end_daemon_group(leader, grace=2):
    """Ends the group of a process that is not our child (a daemon that forked away)."""
    with uninterrupted():
        signal_group(leader, signal.SIGTERM)
        for _ in range(int(grace / 0.05)):
            try:
                os.killpg(leader, 0)
            except ProcessLookupError:
                return
            time.sleep(0.05)
        signal_group(leader, signal.SIGKILL)


def end_groups(processes, grace=5):
    """Ends each process's group, last started first: SIGTERM, then SIGKILL to a group whose
    leader has not gone within the grace time."""
    with uninterrupted():
        for process in reversed(processes):
            signal_group(process.pid, signal.SIGTERM)
        for process in reversed(processes):
            try:
                process.wait(timeout=grace)
            except subprocess.TimeoutExpired:
                signal_group(process.pid, signal.SIGKILL)
                process.wait()
            # What the leader started and left behind in its group goes with it.
            signal_group(process.pid, signal.SIGKILL)
