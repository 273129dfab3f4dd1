#!/usr/bin/env python3
"""Writes src/codepages/conversion_tables.cpp: the nine 128-byte conversion tables.

Each table follows the published mapping between its two character sets (here
Python's codecs); the bytes below say what a character the target lacks becomes.
Run from the repository root: python3 scripts/make-conversion-tables.py
(with "-", it prints the file instead: the native tests check that it is current).
"""
import codecs
import sys

CHARSETS = {'ansi': 'cp1251', 'oem': 'cp866', 'koi8': 'koi8_r', 'iso': 'iso8859_5', 'mac': 'mac_cyrillic'}


def decode(code_page):
    """Unicode character of each byte, None where the code page defines none."""
    result = []
    for b in range(256):
        try:
            result.append(codecs.decode(bytes([b]), CHARSETS[code_page]))
        except UnicodeDecodeError:
            result.append(None)
    if code_page == 'mac':
        result[0xFF] = '\u00a4'  # the older Mac Cyrillic mapping (glibc's): currency sign, not euro
    return result


def spread(pairs):
    """{input byte: output byte} from (list of inputs, output) pairs."""
    return {b: out for inputs, out in pairs for b in inputs}


LOOK_ALIKES_FOR_ANSI = spread([
    ([0xB0, 0xB1, 0xB2, 0xBC, 0xBD, 0xBE, 0xC4, 0xD5, 0xD9, 0xDA, 0xDB, 0xDC, 0xDF], 0x2D),
    ([0xB3, 0xB5, 0xB6, 0xB9, 0xBA, 0xC6, 0xC7, 0xCA, 0xCC, 0xCF, 0xD0, 0xDD, 0xDE, 0xFE], 0xA6),
    ([0xB7, 0xB8, 0xBB, 0xBF], 0xAC),
    ([0xB4, 0xC1, 0xC3, 0xC5, 0xCE, 0xD7, 0xD8], 0x2B),
    ([0xC0, 0xC8, 0xD3, 0xD4], 0x4C),
    ([0xC2, 0xCB, 0xD1, 0xD2], 0x54),
    ([0xC9, 0xD6], 0xE3),
    ([0xCD], 0x3D),
    ([0xF9], 0x95),
    ([0xFB], 0x76),
])

LOOK_ALIKES_FOR_OEM = spread([
    ([0x80, 0x81, 0x83, 0x88, 0x8A, 0x8C, 0x8D, 0x8E, 0x8F, 0x90, 0x98, 0x9A, 0x9C, 0x9D, 0x9E, 0x9F,
      0xA3, 0xA5, 0xB4, 0xBC, 0xBD, 0xBE], 0x3F),
    ([0x82, 0x91, 0x92], 0x27),
    ([0x84, 0x93, 0x94], 0x22),
    ([0x85], 0x3A), ([0x86], 0xC5), ([0x87], 0xD8), ([0x89], 0x25),
    ([0x8B, 0xAB], 0x3C), ([0x9B, 0xBB], 0x3E), ([0x95], 0x07), ([0x96, 0x97, 0xAD], 0x2D),
    ([0x99], 0x54), ([0xA6], 0xB3), ([0xA7], 0x15), ([0xA9], 0x63), ([0xAC], 0xBF), ([0xAE], 0x52),
    ([0xB1], 0x2B), ([0xB2], 0x49), ([0xB3], 0x69), ([0xB5], 0xE7), ([0xB6], 0x14),
])

# Є є Ї ї Ў ў № ¤, which KOI8-R lacks.
OEM_TO_KOI8_SUBSTITUTES = {0xF2: 0x45, 0xF3: 0x65, 0xF4: 0x49, 0xF5: 0x69, 0xF6: 0x59, 0xF7: 0x79,
                           0xFC: 0x4E, 0xFD: 0xBF}
# ⌠ ≈ ≤ ≥ ⌡ ² ÷ ©, which DOS-866 lacks.
KOI8_TO_OEM_SUBSTITUTES = {0x93: 0xB3, 0x97: 0xCD, 0x98: 0x3C, 0x99: 0x3E, 0x9B: 0xB3, 0x9D: 0xF8,
                           0x9F: 0x3A, 0xBF: 0xFD}
# « » – —: the look-alikes Windows-1251 text gets for the same characters.
MAC_TO_OEM_SUBSTITUTES = {0xC7: 0x3C, 0xC8: 0x3E, 0xD0: 0x2D, 0xD1: 0x2D}

# (name, source, target, substitutes for characters the target lacks, keep other such bytes)
TABLES = [
    ('OemToAnsi', 'oem', 'ansi', LOOK_ALIKES_FOR_ANSI, False),
    ('AnsiToOem', 'ansi', 'oem', LOOK_ALIKES_FOR_OEM, False),
    ('OemToKoi8', 'oem', 'koi8', OEM_TO_KOI8_SUBSTITUTES, False),
    ('Koi8ToOem', 'koi8', 'oem', KOI8_TO_OEM_SUBSTITUTES, False),
    ('OemToMac', 'oem', 'mac', {}, True),
    ('MacToOem', 'mac', 'oem', MAC_TO_OEM_SUBSTITUTES, True),
    ('OemToIso', 'oem', 'iso', {}, True),
    ('IsoToOem', 'iso', 'oem', {}, True),
]

TRANSLIT = {0x80: "ABVGDEZZIYKLMNOPRSTUFHCCSS'I'EII", 0xA0: 'abvgdezziyklmnop',
            0xE0: "rstufhccss'y'eii", 0xF0: 'Ee'}


def mapped_table(source, target, substitutes, keep_unmapped):
    from_chars, to_chars = decode(source), decode(target)
    table = []
    for b in range(0x80, 0x100):
        char = from_chars[b]
        if char is not None and char in to_chars:
            assert b not in substitutes, f'{source} {b:02X} has a published mapping'
            table.append(to_chars.index(char))
        elif b in substitutes:
            table.append(substitutes[b])
        else:
            assert keep_unmapped, f'{source} {b:02X} has no mapping to {target}'
            table.append(b)
    return table


def translit_table():
    table = list(range(0x80, 0x100))
    for start, letters in TRANSLIT.items():
        for i, letter in enumerate(letters):
            table[start + i - 0x80] = ord(letter)
    return table


def cpp_rows(table):
    for i in range(0, 128, 16):
        yield '    ' + ' '.join(f'0x{v:02X},' for v in table[i:i + 16])


def main():
    tables = [(name, mapped_table(*spec)) for name, *spec in TABLES]
    tables.append(('OemToTranslit', translit_table()))
    lines = ['// Written by scripts/make-conversion-tables.py; edit that script, not this file.',
             '// Each table follows the published mapping of its two character sets. A character',
             '// the target lacks becomes a look-alike between DOS-866 and Windows-1251 or KOI8-R, and',
             '// keeps its byte between DOS-866 and ISO or Mac, except Mac \u00ab \u00bb \u2013 \u2014 (C7 C8 D0 D1),',
             '// which become < > - -, as they do from Windows-1251.',
             '#include "codepages/code_pages.h"', '',
             'const unsigned char conversionTables[conversionTableCount * 128] = {']
    for number, (name, table) in enumerate(tables):
        lines.append(f'    // {number} {name}, bytes 80..FF')
        lines.extend(cpp_rows(table))
    lines.append('};')
    text = '\n'.join(lines) + '\n'
    if sys.argv[1:] == ['-']:
        sys.stdout.write(text)
    else:
        with open('src/codepages/conversion_tables.cpp', 'w') as out:
            out.write(text)


main()
