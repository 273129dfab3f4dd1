#!/usr/bin/env python3
"""Prints where the suite stands: non-blank lines that are not comments, of the
code (src/ and cli/) and of the tests (tests/: C++ alone, and C++ with Python,
shell and tables), and the ratios. Tracked files only, so a build leaves no trace."""
import subprocess
import sys
from pathlib import Path

ROOT = Path(__file__).resolve().parent.parent
CPP = (".cpp", ".h")
OTHER = (".py", ".sh", ".tsv")


def tracked(folder):
    listed = subprocess.run(["git", "-C", str(ROOT), "ls-files", "-z", folder], check=True, capture_output=True)
    return [ROOT / name for name in listed.stdout.decode().split("\0") if name]


def counted(path):
    """Lines that are neither blank nor a comment of their own (// in C++, # elsewhere but a shebang-free file)."""
    comment = "//" if path.suffix in CPP else "#"
    lines = path.read_text(encoding="utf-8", errors="replace").splitlines()
    return sum(1 for line in lines if line.strip() and not line.strip().startswith(comment))


def total(files, suffixes):
    return sum(counted(f) for f in files if f.suffix in suffixes and f.is_file())


def main():
    code = total(tracked("src") + tracked("cli"), CPP)
    tests = tracked("tests")
    cpp = total(tests, CPP)
    everything = cpp + total(tests, OTHER)
    print(f"lines: code {code}, tests {cpp} in C++ ({cpp / code:.0%}), {everything} in all ({everything / code:.0%})")
    return 0


if __name__ == "__main__":
    sys.exit(main())
