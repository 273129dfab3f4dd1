"""The shipped PE32 zorn2.exe on a text of millions of short lines, started
once: every command that rewrites the whole text, then its undo, as a user gives
them. Each result is read from the file the program saves and compared with
zorn2-text's output or with the original bytes. A size computed in a 32-bit
size_t overflows here long before it does in a 64-bit build."""

import os
import re
import shutil
import subprocess
import tempfile
import unittest

from desktop import (bind_russian_keys, closed, eventually, focus, menu_command, stamp, titled, visible_windows,
                     windows_path, xdotool)
from russian_text import russian_text

BUILD = os.environ["ZORN2_BUILD"]
ZORN2_TEXT = os.path.join(BUILD, "..", "native", "zorn2-text")
LINES = 2_500_000
NAME = "big.txt"
TITLE = f"[{NAME}]-ZORN2"
STARTUP_SECONDS = 300
STEP_SECONDS = 300  # a guard against a hang, not a measure: the benchmark times the commands
MARK = "я"  # typed at the start after each step: its byte tells the view code page
CODE_PAGES_MENU, FILE_MENU = 5, 0
FIDO, UNESCAPE, LINE_BREAKS, TRANSLIT = 4, 10, 11, 12  # places in "Кодировки", separators skipped
INSERT_FILE = 2  # "Вставить файл..." in the file menu
FOUND, REPLACEMENT = "что", "кое-что"  # holds what it replaces: a run never searches what it inserted


def zorn2_text(*arguments):
    return lambda text: subprocess.run([ZORN2_TEXT, *arguments], input=text, capture_output=True,
                                       check=True).stdout


def replaced_ignoring_case(word, by):
    """Every match of a Russian word in Windows-1251 bytes, in any case, replaced from left to right."""
    pattern = b"".join(b"[" + re.escape(c.lower().encode("cp1251")) + re.escape(c.upper().encode("cp1251")) + b"]"
                       for c in word)
    return lambda text: re.sub(pattern, by.encode("cp1251"), text)


def chord(first, second):
    xdotool("keydown", "ctrl")
    xdotool("key", first, second)
    xdotool("keyup", "ctrl")


def dialog(title, *steps):
    """Waits for a dialog of the program, plays `steps` (key lists or text) in it and waits for it to close."""
    focus(title, STEP_SECONDS)
    for step in steps:
        xdotool(*(["key", *step] if isinstance(step, tuple) else ["type", step]))
    closed(title, STEP_SECONDS)
    focus(TITLE)


def replace_all():
    xdotool("key", "ctrl+Home", "ctrl+F7")
    # The word at the caret stands in the field; "Запрос" off, then back past the fields to "Все", the last control.
    dialog("Заменить...", ("End", "shift+Home"), FOUND, ("Tab",), REPLACEMENT,
           ("Tab", "Tab", "space", "shift+Tab", "shift+Tab", "shift+Tab", "shift+Tab", "space"))


def insert_file():
    xdotool("key", "ctrl+End")
    menu_command(FILE_MENU, INSERT_FILE)
    dialog("Открыть", "insert.txt", ("Return",))  # the program's working folder holds it


# Name, what the user does, the text expected from the original, and the view's code page after it.
COMMANDS = (
    ("code-page chord Ctrl+W D", lambda: chord("w", "d"), zorn2_text("recode", "ansi", "oem"), "cp866"),
    ("-> Fido", lambda: menu_command(CODE_PAGES_MENU, FIDO), zorn2_text("fido", "ansi"), "cp866"),
    ("-> Translit", lambda: menu_command(CODE_PAGES_MENU, TRANSLIT), zorn2_text("translit", "ansi"), "cp1251"),
    ("=XX decoding", lambda: menu_command(CODE_PAGES_MENU, UNESCAPE), zorn2_text("unescape"), "cp1251"),
    ("line-break repair", lambda: menu_command(CODE_PAGES_MENU, LINE_BREAKS), zorn2_text("fix-breaks"), "cp1251"),
    ("replace all", replace_all, replaced_ignoring_case(FOUND, REPLACEMENT), "cp1251"),
    ("paste of the whole text at its end", lambda: xdotool("key", "ctrl+a", "ctrl+c", "ctrl+End", "ctrl+v"),
     lambda text: text + text, "cp1251"),
    ("insert file at the end", insert_file, None, "cp1251"),  # expected: set by the test
    ("justify", lambda: xdotool("key", "ctrl+a", "ctrl+j"), zorn2_text("align", "justify"), "cp1251"),
)


class BigText(unittest.TestCase):
    def setUp(self):
        self.directory = tempfile.mkdtemp(prefix="zorn2-big-", dir=BUILD)
        self.addCleanup(shutil.rmtree, self.directory, ignore_errors=True)
        self.addCleanup(bind_russian_keys())
        self.path = os.path.join(self.directory, NAME)
        self.original = russian_text(lines=LINES)
        with open(self.path, "wb") as file:
            file.write(self.original)
        self.inserted = zorn2_text("recode", "ansi", "koi8")(self.original[:len(self.original) // 8])
        with open(os.path.join(self.directory, "insert.txt"), "wb") as file:
            file.write(self.inserted)

    def start(self):
        self.process = subprocess.Popen([os.environ["WINE32"], os.path.join(BUILD, "zorn2.exe"),
                                         windows_path(self.path)], cwd=self.directory,
                                        stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        self.addCleanup(lambda: self.process.poll() is None and self.process.kill())
        focus(TITLE, STARTUP_SECONDS)

    def assert_running(self):
        self.assertIsNone(self.process.poll(), f"the program ended with exit code {self.process.poll()}")
        self.assertTrue(visible_windows(titled(TITLE)), "the main window is gone")

    def save(self):
        """Ctrl+S, then the bytes saved; fails as soon as the program ends."""
        before = stamp(self.path)
        xdotool("key", "ctrl+s")
        eventually(lambda: self.process.poll() is not None or stamp(self.path) not in (before, None), STEP_SECONDS)
        self.assert_running()
        self.assertNotIn(stamp(self.path), (before, None), "Ctrl+S saved nothing")
        with open(self.path, "rb") as file:
            return file.read()

    def assert_saved(self, expected, view, what):
        """Types the mark at the start, saves and takes the mark back: `view` is the code page it was typed in."""
        xdotool("key", "ctrl+Home")
        xdotool("type", MARK)
        saved = self.save()
        xdotool("key", "ctrl+z")
        expected = MARK.encode(view) + expected
        self.assertEqual(len(saved), len(expected), what)
        if saved != expected:
            at = next(i for i, (left, right) in enumerate(zip(saved, expected)) if left != right)
            self.fail(f"{what}: from byte {at} on, {saved[at:at + 40]!r} instead of {expected[at:at + 40]!r}")

    def test_each_whole_text_command_and_its_undo_on_millions_of_lines(self):
        self.assertGreaterEqual(self.original.count(b"\n"), LINES)
        self.start()
        xdotool("key", "F2")  # the Windows-1251 view, whatever the guess
        for name, command, result, view in COMMANDS:
            self.assert_running()  # else every later step fails the same way
            command()
            with self.subTest(name):
                self.assert_saved(result(self.original) if result else self.original + self.inserted, view, name)
            xdotool("key", "ctrl+z")
            self.assert_saved(self.original, "cp1251", "undo of " + name)  # the later steps start from it
        self.assertTrue(self.save() == self.original, "the last save")
        xdotool("key", "Escape")
        self.assertEqual(self.process.wait(STEP_SECONDS), 0)


if __name__ == "__main__":
    unittest.main()
