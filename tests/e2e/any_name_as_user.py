"""Zorn2 on an English system (run with ZORN2_LOCALE=en_US.UTF-8, code page
1252): file names in scripts that code page lacks come in from the command line,
the Open dialog and the recent list, name the window and save byte for byte;
typed letters land as the bytes of the view. Names are read from the window
(no CJK font draws them) and the file system."""

import os
import shutil
import subprocess
import tempfile
import unittest

from desktop import bind_russian_keys, eventually, focus, titled, visible_windows, windows_path, xdotool
from editor_as_user import BUILD, WINE, Editor

NAMES = ("Привет мир.txt", "Ελληνικά 日本.txt")
OLD = b"\x00\xff\x98 old\r\n"
# "Жук" in Windows-1251, DOS-866 and KOI8-R, then "ә€" in UTF-8.
TYPED = b"\xC6\xF3\xEA" + b"\x86\xE3\xAA" + b"\xF6\xD5\xCB" + b"\xD3\x99" + b"\xE2\x82\xAC"
# Two spare keys of the Russian layout (for letters these tests do not type) give the two characters no Russian key has.
EXTRA_KEYS = "keycode 120 = U04D9 U04D8\nkeycode 124 = EuroSign EuroSign\n"

restore_keyboard = []


def setUpModule():
    restore_keyboard[:] = [bind_russian_keys()]
    subprocess.run(["xmodmap", "-"], input=EXTRA_KEYS, text=True, check=True)


def tearDownModule():
    restore_keyboard[0]()


def window_name(window):
    return subprocess.run(["xdotool", "getwindowname", window], capture_output=True, text=True).stdout.strip()


def topmost(windows):
    """Which of the windows is in front (xwininfo lists the display's windows front first)."""
    listing = subprocess.run(["xwininfo", "-root", "-children"], capture_output=True, text=True).stdout.split("\n")
    shown = [str(int(line.split()[0], 16)) for line in listing if line.strip().startswith("0x")]
    return next((window for window in shown if window in windows), None)


class AnyNameAsUser(unittest.TestCase):
    def setUp(self):
        self.directory = tempfile.mkdtemp(prefix="zorn2-any-name-", dir=BUILD)
        self.editors = []

    def tearDown(self):
        for editor in self.editors:
            editor.kill()
        shutil.rmtree(self.directory, ignore_errors=True)

    def start(self, path):
        editor = Editor(path)  # waits for the window titled with the file's name
        self.editors.append(editor)
        self.assertEqual(window_name(editor.window), f"[{os.path.basename(path)}]-ZORN2")
        return editor

    def shows(self, name):
        return eventually(lambda: visible_windows(titled(f"[{name}]-ZORN2")), 20)

    def test_any_name_from_every_way_in_and_typed_letters_as_the_views_bytes(self):
        paths = [os.path.join(self.directory, name) for name in NAMES]
        for path in paths:
            with open(path, "wb") as file:
                file.write(OLD)
        editors = []
        for path in paths:
            editor = self.start(path)  # from the command line
            for view in ("F2", "ctrl+F2", "alt+F2"):
                editor.keys(view)
                editor.type("Жук")
            editor.keys("shift+F2")
            xdotool("type", "ә€")
            self.assertEqual(editor.save(), TYPED + OLD)
            editors.append(editor)

        # A second start on the first file brings its window back and ends.
        second = subprocess.run([WINE, os.path.join(BUILD, "zorn2.exe"), windows_path(paths[0])], timeout=60,
                                env=dict(os.environ, WINEDEBUG="-all"), stderr=subprocess.DEVNULL)
        self.assertEqual(second.returncode, 255)
        windows = [editor.window for editor in editors]
        self.assertTrue(eventually(lambda: topmost(windows) == windows[0], 5), "not brought to the front")
        for editor in editors:
            xdotool("windowfocus", "--sync", editor.window)
            editor.keys("Escape")
            self.assertEqual(editor.process.wait(10), 0)

        # Started anew, the recent list (its "&1" the file before the last) and the Open dialog bring each back.
        untitled = subprocess.Popen([WINE, os.path.join(BUILD, "zorn2.exe")], env=dict(os.environ, WINEDEBUG="-all"))
        try:
            window = focus("[БезИмени]-ZORN2", 60)
            for name in NAMES:
                xdotool("key", "F10", "Down", "1")
                self.assertTrue(self.shows(name), "not opened from the recent list: " + name)
                self.assertEqual(window_name(window), f"[{name}]-ZORN2")
            # A path is typed in ASCII as its short form, on the keyboard as it was (":" and "~" on their keys).
            short = subprocess.run([WINE, "winepath", "-s", *map(windows_path, paths)], capture_output=True, text=True,
                                   check=True).stdout.split()
            restore_keyboard[0]()
            for name, typed in zip(NAMES, short):
                xdotool("key", "ctrl+o")
                focus("Open")  # the system's dialog, in the system's language
                xdotool("type", typed)
                xdotool("key", "Return")
                self.assertTrue(self.shows(name), "not opened from the Open dialog: " + name)
            xdotool("windowfocus", "--sync", window)
            xdotool("key", "Escape")
            self.assertEqual(untitled.wait(10), 0)
        finally:
            if untitled.poll() is None:
                untitled.kill()
