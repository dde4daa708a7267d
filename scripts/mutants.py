#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 Varnelo developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Plants single faults in the program's own code and checks that the tests notice them.

Usage: scripts/mutants.py {calc|gui} [--only TEXT,...] [--work DIR] [--workers N] [--check]

Each mutant of scripts/mutants/<set>.txt replaces one exact snippet of one file. The tree is
copied once into a scratch folder per worker (kept between runs, so only changed files are
rebuilt; by default one worker per core, each running its own mutants);
each mutant is written there, the set's tests are rebuilt and run, and the file is put back.
A mutant is killed when its tests fail (or hang); it survives when they pass. A snippet that
is missing or not unique, and a mutant that does not build, are errors of the table. Mutants
listed as equivalent are checked for their snippet and reported apart, not run.
The last line reads "N of M mutants killed"; the exit status is 0 only when every mutant
that is not equivalent was killed and the table has no errors.
"""

import argparse
import concurrent.futures
import os
import queue
import shutil
import signal
import subprocess
import sys
import time
from pathlib import Path

ROOT = Path(__file__).resolve().parent.parent
TABLES = ROOT / "scripts" / "mutants"
BUILD_TIMEOUT = 600

# What each set configures, builds and runs. The calc set needs neither Qt nor link-time
# optimisation, so a mutant costs one compiled file and one relinked test.
SETS = {
    "calc": {
        "options": ["-DVARNELO_BUILD_GUI=OFF", "-DVARNELO_CALC_LTO=OFF"],
        "targets": ["calc_tests", "calc_tests_portable"],
        "tests": [["tests/calc/calc_tests"], ["tests/calc/calc_tests_portable"]],
        "timeout": 20,  # the tests take a fraction of a second; a planted endless loop stops
        # The same tests run on both arithmetic back ends: a fault in a file of the portable
        # one is tried there, any other on the x87 core alone, which halves the rebuilds.
        "sides": [("_portable.", ["calc_tests_portable"], [["tests/calc/calc_tests_portable"]]),
                  ("", ["calc_tests"], [["tests/calc/calc_tests"]])],
    },
    "gui": {
        "options": ["-DVARNELO_CALC_LTO=OFF"],
        "targets": ["varnelo_gui_tests"],
        "tests": [["tests/gui/varnelo_gui_tests"]],
        "timeout": 120,
    },
}


KEYS = ("file", "find", "replace", "why", "equivalent")


def ReadTable(path):
    """Blocks of "key: value" lines, each opened by a [name] line; # starts a comment. A line
    "+ text" goes on with the value above it on a new line (a snippet of several lines)."""
    mutants = []
    key = None
    for number, raw in enumerate(path.read_text(encoding="utf-8").splitlines(), 1):
        if not raw.strip() or raw.startswith("#"):
            continue
        if raw.startswith("[") and raw.endswith("]"):
            mutants.append({"name": raw[1:-1], "line": number, "table": path})
            key = None
            continue
        if raw.startswith("+ ") and key:
            mutants[-1][key] += "\n" + raw[2:]
            continue
        key, sep, value = raw.partition(": ")
        if not sep or not mutants or key not in KEYS:
            sys.exit(f"{path}:{number}: not a mutant line: {raw}")
        mutants[-1][key] = value
    for m in mutants:
        missing = [k for k in KEYS[:4] if k not in m]
        if missing:
            sys.exit(f"{path}:{m['line']}: [{m['name']}] lacks {', '.join(missing)}")
    return mutants


def Run(command, cwd, timeout, env=None):
    """Return code of a command, or None when it ran out of time; output is kept for errors."""
    try:
        done = subprocess.run(command, cwd=cwd, env=env, timeout=timeout,
                              stdout=subprocess.PIPE, stderr=subprocess.STDOUT)
    except subprocess.TimeoutExpired:
        return None, ""
    return done.returncode, done.stdout.decode(errors="replace")


def SyncTree(source):
    """Copies the tree's files (tracked and new, not ignored) where they differ."""
    listed = subprocess.run(["git", "ls-files", "-z", "--cached", "--others", "--exclude-standard"],
                            cwd=ROOT, check=True, stdout=subprocess.PIPE).stdout
    for name in filter(None, listed.decode().split("\0")):
        origin, copy = ROOT / name, source / name
        if not origin.is_file():
            continue
        if copy.is_file() and copy.read_bytes() == origin.read_bytes():
            continue
        copy.parent.mkdir(parents=True, exist_ok=True)
        shutil.copyfile(origin, copy)  # a fresh time, so that the build sees the change
        shutil.copymode(origin, copy)


class Scratch:
    def __init__(self, work, config):
        self.source = work / "src"
        self.build = work / "build"
        self.config = config
        self.env = dict(os.environ, QT_QPA_PLATFORM="offscreen")
        self.jobs = "2"

    def Prepare(self):
        self.source.mkdir(parents=True, exist_ok=True)
        SyncTree(self.source)
        command = ["cmake", "-S", str(self.source), "-B", str(self.build), "-G", "Ninja",
                   "-DCMAKE_BUILD_TYPE=RelWithDebInfo",
                   "-DCMAKE_CXX_FLAGS_RELWITHDEBINFO=-O2 -DNDEBUG",  # no debug information
                   "-DVARNELO_BUILD_BENCH=OFF", "-DVARNELO_WERROR=ON"] + self.config["options"]
        if shutil.which("ccache"):
            command.append("-DCMAKE_CXX_COMPILER_LAUNCHER=ccache")
        code, output = Run(command, ROOT, BUILD_TIMEOUT)
        if code != 0:
            sys.exit("configuring the scratch build failed:\n" + output)

    def Side(self, mutant):
        """The targets and tests that try a mutant: the first side whose mark its file holds."""
        for mark, targets, tests in self.config.get("sides", []):
            if mark in mutant["file"]:
                return targets, tests
        return self.config["targets"], self.config["tests"]

    def Build(self, targets=None):
        code, output = Run(["cmake", "--build", str(self.build), "-j", self.jobs, "--target"]
                           + (targets or self.config["targets"]), ROOT, BUILD_TIMEOUT)
        return code == 0, output

    def Test(self, tests=None):
        """Whether every test passes, and the output of the first that fails."""
        for command in tests or self.config["tests"]:
            code, output = Run([str(self.build / command[0])] + command[1:], self.build,
                               self.config["timeout"], self.env)
            if code != 0:
                return False, output or "(ran out of time)"
        return True, ""


def CheckSnippets(mutants):
    """Every snippet found once; a stale one is named by its place in the table, to re-point."""
    errors = [f"{m['table'].relative_to(ROOT)}:{m['line']}: error: [{m['name']}] {error}"
              for m in mutants for error in [Apply(ROOT, m)[1]] if error]
    for error in errors:
        print(error)
    print(f"{len(mutants)} mutants, {len(errors)} snippets to re-point")
    return 1 if errors else 0


def Apply(tree, mutant):
    """The mutated text of the mutant's file in a tree, or an error message."""
    path = tree / mutant["file"]
    if not path.is_file():
        return None, f"no file {mutant['file']}"
    text = path.read_text(encoding="utf-8")
    count = text.count(mutant["find"])
    if count != 1:
        where = "not found" if count == 0 else f"found {count} times"
        return None, f"snippet {where} in {mutant['file']}: {mutant['find']!r}"
    return text.replace(mutant["find"], mutant["replace"]), None


def PrepareScratches(work, config, workers):
    """One scratch tree per worker, each built and passing its tests unchanged. With several
    workers each builds on one core, since the mutants themselves run side by side."""
    scratches = [Scratch(work / f"w{i}" if workers > 1 else work, config)
                 for i in range(workers)]
    for scratch in scratches:
        scratch.Prepare()
        built, output = scratch.Build()
        if built:
            built, output = scratch.Test()
        if not built:
            sys.exit("the unchanged tree does not build or pass its tests:\n" + output)
        if workers > 1:
            scratch.jobs = "1"
    return scratches


def RunMutant(scratch, m):
    """"killed", "SURVIVED", or the build's error, for one mutant in one scratch tree."""
    path = scratch.source / m["file"]
    original = path.read_bytes()
    try:
        path.write_text(Apply(scratch.source, m)[0], encoding="utf-8")
        targets, tests = scratch.Side(m)
        built, output = scratch.Build(targets)
        if not built:
            return "ERROR does not build\n" + output[-2000:]
        return "SURVIVED" if scratch.Test(tests)[0] else "killed"
    finally:
        path.write_bytes(original)


def Main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("set", choices=sorted(SETS))
    parser.add_argument("--only", help="run only the mutants whose name holds one of these "
                                           "comma-separated texts")
    parser.add_argument("--work", type=Path, help="scratch folder (default build-mutants/<set>)")
    parser.add_argument("--workers", type=int, default=os.cpu_count() or 1,
                        help="mutants run side by side, each in its own scratch tree "
                             "(default: one per core)")
    parser.add_argument("--check", action="store_true",
                        help="only check that every snippet is found once in the tree")
    args = parser.parse_args()

    # Being stopped still puts the mutated file back (the finally below runs).
    signal.signal(signal.SIGTERM, lambda *_: sys.exit("stopped"))
    started = time.monotonic()
    mutants = ReadTable(TABLES / f"{args.set}.txt")
    if args.only:
        wanted = args.only.split(",")
        mutants = [m for m in mutants if any(text in m["name"] for text in wanted)]
    if args.check:
        return CheckSnippets(mutants)
    work = (args.work or ROOT / "build-mutants" / args.set).resolve()
    scratches = PrepareScratches(work, SETS[args.set], args.workers)
    killed, survivors, equivalent, errors = 0, [], [], []
    runnable = []
    for m in mutants:
        error = Apply(ROOT, m)[1]
        if error:
            errors.append(f"{m['name']}: {error}")
            print(f"{m['name']} ({m['file']}): ERROR {error}", flush=True)
        elif "equivalent" in m:
            equivalent.append(m)
        else:
            runnable.append(m)

    free = queue.Queue()
    for scratch in scratches:
        free.put(scratch)

    def Judge(m):
        scratch = free.get()
        try:
            return RunMutant(scratch, m)
        finally:
            free.put(scratch)

    with concurrent.futures.ThreadPoolExecutor(len(scratches)) as pool:
        for number, (m, verdict) in enumerate(zip(runnable, pool.map(Judge, runnable)), 1):
            print(f"[{number}/{len(runnable)}] {m['name']} ({m['file']}): {m['why']}\n"
                  f"    {verdict}", flush=True)
            if verdict == "killed":
                killed += 1
            elif verdict == "SURVIVED":
                survivors.append(m)
            else:
                errors.append(f"{m['name']}: does not build")

    print(f"\nTime: {time.monotonic() - started:.0f} s")
    for m in equivalent:
        print(f"Equivalent: {m['name']}: {m['equivalent']}")
    for m in survivors:
        print(f"Survived: {m['name']} ({m['file']}): {m['why']}")
    for error in errors:
        print(f"Error: {error}")
    total = len(mutants) - len(equivalent)
    print(f"{killed} of {total} mutants killed")
    return 0 if killed == total and not errors else 1


if __name__ == "__main__":
    sys.exit(Main())
