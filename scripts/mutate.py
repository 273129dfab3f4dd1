#!/usr/bin/env python3
"""Plants random faults in a scratch copy of the tree, one at a time, and tells which
tests catch each: a sample of the suite's strength, run by hand (not by make test).

    scripts/mutate.py --seed 1 --count 150 codepages engine cli
    scripts/mutate.py --seed 2 --count 40 --wine control editor search documents
    scripts/mutate.py --seed 3 --count 30 --wine control/drop_target.cpp control/drag_source.cpp

The last form aims at the code of a few tests: a test that kills no mutant alone there
is one whose checks others make.

A mutant turns a comparison, swaps an arithmetic or logical operator, moves a constant
by one, forces a condition or removes a statement or an early return. Files of the
portable core (cmake/core-sources.cmake) and cli/ are tested by native_tests; with
--wine, the folders' Win32 files by win32_tests under Wine. Each mutant is built
incrementally in the scratch build directory and the whole suite runs, so that the
report can name, for every test file, the mutants that it alone killed.
"""
import argparse
import json
import os
import random
import re
import signal
import subprocess
import sys
import time
from collections import defaultdict
from pathlib import Path

from scratch_tree import sync

ROOT = Path(__file__).resolve().parent.parent
COPIED = ("src", "cli", "tests", "cmake", "scripts", "bench", "packaging", "docs",
          "CMakeLists.txt", "CMakePresets.json")

# (kind, pattern, replacement); a pattern's group 1 is what is replaced.
OPERATORS = [
    ("comparison", r" (<) ", "<="), ("comparison", r" (<=) ", "<"),
    ("comparison", r" (>) ", ">="), ("comparison", r" (>=) ", ">"),
    ("comparison", r" (==) ", "!="), ("comparison", r" (!=) ", "=="),
    ("arithmetic", r" (\+) ", "-"), ("arithmetic", r" (-) ", "+"),
    ("arithmetic", r" (\*) ", "/"), ("arithmetic", r" (/) ", "*"),
    ("logical", r" (&&) ", "||"), ("logical", r" (\|\|) ", "&&"),
    ("logical", r" (&) ", "|"), ("logical", r" (\|) ", "&"),
]
CONSTANT = re.compile(r"(?<![\w.])(0x[0-9A-Fa-f]+|\d+)(?![\w.'])")
STATEMENT = re.compile(r"^\s*(?!return\b|case\b|default\b|break\b|continue\b)[\w:.>\[\]()-]+(\(.*\)|\s*[-+*/|&]?=\s.*);\s*$")
RETURN_AFTER_IF = re.compile(r"^(\s*if \(.*\)\s*)(return\b[^;]*;)\s*$")


def mask(line):
    """The line with string and character literals and a trailing comment blanked,
    so that no operator inside them is chosen; positions stay those of the line."""
    out, quote, i = [], None, 0
    while i < len(line):
        c = line[i]
        if quote:
            if c == "\\":
                out.append("  ")
                i += 2
                continue
            out.append(" " if c != quote else c)
            quote = None if c == quote else quote
        elif c in "\"'" and not (c == "'" and i and line[i - 1].isalnum()):
            quote = c
            out.append(c)
        elif line.startswith("//", i):
            break
        else:
            out.append(c)
        i += 1
    return "".join(out)


def condition_end(text, start):
    """Index just past the parenthesis opened at start, or None when it closes on another line."""
    depth = 0
    for i in range(start, len(text)):
        depth += {"(": 1, ")": -1}.get(text[i], 0)
        if depth == 0:
            return i + 1
    return None


def sites(path):
    """Every mutation the file offers: (line number, kind, new line)."""
    found, in_comment = [], False
    lines = path.read_text(encoding="utf-8").split("\n")
    for number, line in enumerate(lines):
        stripped = line.strip()
        if in_comment or stripped.startswith("/*"):
            in_comment = "*/" not in stripped
            continue
        if not stripped or stripped.startswith(("#", "//", "static_assert")):
            continue
        masked = mask(line)
        for kind, pattern, new in OPERATORS:
            for m in re.finditer(pattern, masked):
                found.append((number, kind, line[:m.start(1)] + new + line[m.end(1):]))
        for m in CONSTANT.finditer(masked):
            value = int(m.group(1), 0)
            for moved in (value - 1, value + 1):
                if moved >= 0:
                    text = hex(moved) if m.group(1).startswith("0x") else str(moved)
                    found.append((number, "constant", line[:m.start(1)] + text + line[m.end(1):]))
        for m in re.finditer(r"\b(if|while) \(", masked):
            end = condition_end(masked, m.end() - 1)
            if end:
                condition = line[m.end() - 1:end]
                for forced in ("(true || " + condition + ")", "(false && " + condition + ")"):
                    found.append((number, "condition", line[:m.end() - 1] + forced + line[end:]))
        early = RETURN_AFTER_IF.match(masked)
        previous = lines[number - 1].strip() if number else ""
        if early:
            found.append((number, "early return", line[:early.start(2)] + "{}"))
        elif stripped.startswith("return ") and previous.startswith("if (") and previous.endswith(")"):
            found.append((number, "early return", line[:len(line) - len(line.lstrip())] + "{}"))
        elif STATEMENT.match(masked) and not masked.rstrip().endswith(") const;"):
            found.append((number, "statement", ""))
    return found


def core_sources():
    text = (ROOT / "cmake/core-sources.cmake").read_text()
    return set(re.findall(r"^\s*(src/\S+\.cpp)", text, re.M))


def chosen_files(folders, wine):
    """The .cpp files of the folders (or the files named, for a sample aimed at one test's code)
    that the chosen suite tests; generated tables left out."""
    core, files = core_sources(), []
    for folder in folders:
        base = ROOT / ("cli" if folder == "cli" else "src/" + folder)
        if not base.exists():
            sys.exit(f"mutate.py: no {base.relative_to(ROOT)}")
        for path in [base] if base.suffix == ".cpp" else sorted(base.glob("*.cpp")):
            name = str(path.relative_to(ROOT))
            portable = name in core or name.startswith("cli/")
            if portable != wine and "Written by scripts/" not in path.read_text(encoding="utf-8")[:200]:
                files.append(name)
    return files


class Suite:
    """The build and the test program of one preset in the scratch tree."""

    def __init__(self, scratch, wine):
        self.scratch, self.wine = scratch, wine
        self.build_dir = scratch / "build" / ("win32" if wine else "native")
        self.targets = ["win32_tests"] if wine else ["native_tests", "zorn2-text"]
        self.failing_before, self.seconds = set(), None

    def configure(self):
        if not (self.build_dir / "CMakeCache.txt").exists():
            subprocess.run(["cmake", "--preset", "win32" if self.wine else "native"], cwd=self.scratch,
                           check=True, stdout=subprocess.DEVNULL)

    def build(self):
        run = subprocess.run(["nice", "-n", "19", "cmake", "--build", str(self.build_dir), "-j1",
                              "--target", *self.targets], capture_output=True, text=True)
        return run.returncode == 0

    def command(self, excluded):
        if self.wine:
            program = [str(self.scratch / "scripts/wine-run.sh"), "./win32_tests.exe"]
        else:
            program = ["./native_tests"]
        skipped = ["*Scale.*"] + sorted(excluded)
        return ["nice", "-n", "19", *program, "--gtest_filter=-" + ":".join(skipped)]

    def run(self, timeout):
        """Failing tests of one run of the suite, a test that crashes the program
        counted and the run resumed without it (three times at most)."""
        failed, crashed = set(), set()
        for _ in range(4):
            process = subprocess.Popen(self.command(crashed | self.failing_before), cwd=self.build_dir,
                                       stdout=subprocess.PIPE, stderr=subprocess.STDOUT, text=True,
                                       errors="replace", start_new_session=True)
            try:
                output, _ = process.communicate(timeout=timeout)
            except subprocess.TimeoutExpired:
                os.killpg(process.pid, signal.SIGKILL)
                process.communicate()
                return None
            failed |= {t for t in re.findall(r"^\[  FAILED  \] ([^\s,]+)[ ,]", output, re.M) if "." in t}
            running = re.findall(r"^\[ RUN      \] (\S+)", output, re.M)
            finished = set(re.findall(r"^\[ {7}OK \] (\S+)|^\[  (?:FAILED|SKIPPED) \] ([^\s,]+)", output, re.M))
            finished = {a or b for a, b in finished}
            if re.search(r"^\[==========\] \d+ tests? from .* ran\.", output, re.M):
                return failed | crashed
            if running and running[-1] not in finished:
                crashed.add(running[-1])
            elif process.returncode != 0:
                return failed | crashed | {"(the program)"}
            else:
                return failed | crashed
        return failed | crashed

    def baseline(self):
        """Builds the unmutated tree and notes how long the suite takes and what fails already."""
        if not self.build():
            sys.exit(f"the unmutated tree does not build in {self.build_dir}")
        start = time.monotonic()
        self.failing_before = self.run(timeout=3600) or set()
        self.seconds = time.monotonic() - start
        return self.failing_before


def test_files(scratch, wine):
    """Maps each test (Suite.Name) and each suite to the test file that defines it."""
    owner = {}
    folder = scratch / "tests" / ("win32" if wine else "native")
    for path in folder.rglob("*.cpp"):
        for suite, name in re.findall(r"\bTEST(?:_F|_P)?\(\s*(\w+)\s*,\s*(\w+)", path.read_text(encoding="utf-8")):
            owner[f"{suite}.{name}"] = str(path.relative_to(scratch))
            owner.setdefault(suite, str(path.relative_to(scratch)))
    return owner


def file_of(test, owner):
    """The file of a test as GoogleTest names it (Prefix/Suite.Name/3 for a parameterised one)."""
    parts = test.split("/")
    name = parts[1] if len(parts) > 1 and "." in parts[1] else parts[0]
    return owner.get(name, owner.get(name.split(".")[0], "?"))


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("folders", nargs="+", help="folders under src/, or cli, or .cpp files under src/")
    parser.add_argument("--seed", type=int, default=1)
    parser.add_argument("--count", type=int, default=20)
    parser.add_argument("--wine", action="store_true", help="the folders' Win32 files, tested under Wine")
    parser.add_argument("--scratch", type=Path, default=Path("/tmp/zorn2-mutants"))
    parser.add_argument("--factor", type=float, default=4, help="a run longer than this many normal runs hangs")
    parser.add_argument("--json", type=Path, help="also write the results here")
    parser.add_argument("--only", help="run only these of the picked mutants, by number (1,5,9): a rerun of a few")
    args = parser.parse_args()

    files = chosen_files(args.folders, args.wine)
    candidates = [(name, *site) for name in files for site in sites(ROOT / name)]
    picked = random.Random(args.seed).sample(candidates, min(args.count, len(candidates)))
    print(f"{len(candidates)} possible mutants in {len(files)} files; seed {args.seed}, {len(picked)} picked",
          flush=True)

    sync(args.scratch, *COPIED)
    suite = Suite(args.scratch, args.wine)
    suite.configure()
    spooler = [str(args.scratch / "scripts/cups-session.sh"), "start", str(suite.build_dir / "cups")]
    if args.wine:  # the printing tests' private spooler, before Wine starts: without it they skip
        subprocess.run(spooler, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    already = suite.baseline()
    timeout = max(30.0, args.factor * suite.seconds)
    print(f"unmutated run: {suite.seconds:.0f} s; failing already (left out): {', '.join(sorted(already)) or 'none'}",
          flush=True)
    owner = test_files(args.scratch, args.wine)

    only = {int(n) for n in args.only.split(",")} if args.only else None
    results = []
    for number, (name, line, kind, new) in enumerate(picked, 1):
        if only is not None and number not in only:
            continue
        target = args.scratch / name
        original = target.read_text(encoding="utf-8")
        lines = original.split("\n")
        old, lines[line] = lines[line], new
        target.write_text("\n".join(lines), encoding="utf-8")
        try:
            if not suite.build():
                verdict, killers = "BROKEN", set()
            else:
                killers = suite.run(timeout)
                verdict = "TIMED OUT" if killers is None else "KILLED" if killers else "SURVIVED"
        finally:
            target.write_text(original, encoding="utf-8")
        killers = sorted(killers or ())
        results.append({"number": number, "file": name, "line": line + 1, "kind": kind, "old": old.strip(), "new": new.strip(),
                        "verdict": verdict, "tests": killers, "files": sorted({file_of(t, owner) for t in killers})})
        print(f"#{number} {name}:{line + 1} {kind}: {old.strip()!r} -> {new.strip()!r}\n    {verdict}"
              + (f" by {', '.join(killers)}" if killers else ""), flush=True)
    suite.build()  # leaves the scratch build as the tree is
    if args.wine:  # the scratch build's Wine session, which wine-run.sh started
        subprocess.run([str(args.scratch / "scripts/wine-session.sh"), "stop", str(suite.build_dir / "wine")],
                       stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        subprocess.run(spooler[:1] + ["stop"] + spooler[2:], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)

    print("\nmutation score per folder (killed / (killed + survived); timeouts killed, broken left out)")
    by_folder = defaultdict(lambda: defaultdict(int))
    for r in results:
        by_folder[Path(r["file"]).parent.name][r["verdict"]] += 1
    for folder, n in sorted(by_folder.items()):
        killed = n["KILLED"] + n["TIMED OUT"]
        scored = killed + n["SURVIVED"]
        score = f"{killed / scored:.0%}" if scored else "-"
        print(f"  {folder:12} {score:>5}  killed {n['KILLED']}, timed out {n['TIMED OUT']}, "
              f"survived {n['SURVIVED']}, broken {n['BROKEN']}")

    print("\nmutants each test file alone killed")
    alone = defaultdict(list)
    for r in results:
        if r["verdict"] == "KILLED" and len(r["files"]) == 1:
            alone[r["files"][0]].append(r["number"])
    for path in sorted(set(owner.values())):
        print(f"  {path}: {', '.join(f'#{n}' for n in alone.get(path, [])) or 'none'}")
    if args.json:
        args.json.write_text(json.dumps(results, indent=1, ensure_ascii=False))
    return 0


if __name__ == "__main__":
    sys.exit(main())
