"""Russian prose from Debian's fortunes-ru, in short Windows-1251 lines with
CR LF ends, repeated to any size: what the big-text suite and the whole-text
benchmark open. Every ESCAPED_EVERY-th line is written as =XX escapes, as mail
carries it, and the fortunes' own stray carriage returns stay, so that decoding
and line-break repair have work to do.

    python3 russian_text.py FILE MEGABYTES
"""

import os
import sys
import textwrap

FORTUNES = "/usr/share/games/fortunes/ru"
LINE_WIDTH = 24  # short lines: millions of them in some tens of megabytes
ESCAPED_EVERY = 16


def escaped(line):
    return "".join(f"={byte:02X}" if byte >= 0x80 or byte == ord("=") else chr(byte) for byte in line).encode()


def one_pass():
    """Every collection once (the .u8 names are links to the same files)."""
    if not os.path.isdir(FORTUNES):
        raise FileNotFoundError(f"{FORTUNES} is missing: install fortunes-ru (scripts/install-deps.sh)")
    names = sorted(name for name in os.listdir(FORTUNES) if "." not in name)
    lines = []
    for name in names:
        with open(os.path.join(FORTUNES, name), encoding="utf-8", newline="") as file:
            for line in file.read().split("\n"):
                lines.extend(textwrap.wrap(line, LINE_WIDTH) if len(line) > LINE_WIDTH else [line])
    encoded = [line.encode("cp1251", "ignore") for line in lines]
    return b"".join((escaped(line) if i % ESCAPED_EVERY == ESCAPED_EVERY - 1 else line) + b"\r\n"
                    for i, line in enumerate(encoded))


def russian_text(size=0, lines=0):
    """At least `size` bytes and `lines` lines, whole passes only."""
    once = one_pass()
    copies = max(-(-size // len(once)), -(-lines // once.count(b"\n")), 1)
    return once * copies


if __name__ == "__main__":
    if len(sys.argv) != 3:
        sys.exit("usage: russian_text.py FILE MEGABYTES")
    with open(sys.argv[1], "wb") as out:
        out.write(russian_text(size=int(sys.argv[2]) << 20))
