"""Zorn2 on an English system (ZORN2_LOCALE=en_US.UTF-8, code page 1252): names in scripts that code page lacks
come in from the command line, the recent list and the Open dialog, name the window (read from it: no CJK font
draws them) and save byte for byte; typed letters land as the bytes of the view."""

import os
import shutil
import subprocess
import tempfile
import unittest

from desktop import bind_russian_keys, eventually, focus, titled, visible_windows, windows_path, xdotool
from editor_as_user import BUILD, WINE, Editor

NAMES = ("Привет мир.txt", "Ελληνικά 日本.txt")
OLD = b"\x00\xff\x98 old\r\n"
# "Жук" in Windows-1251, DOS-866 and KOI8-R, then "ә€" in UTF-8 (on two spare keys of the Russian layout).
TYPED = b"\xC6\xF3\xEA\x86\xE3\xAA\xF6\xD5\xCB\xD3\x99\xE2\x82\xAC"
EXTRA_KEYS = "keycode 120 = U04D9 U04D8\nkeycode 124 = EuroSign EuroSign\n"
ZORN2 = os.path.join(BUILD, "zorn2.exe")


def shown(name, window=None):
    """Waits for the window titled with `name`; its name as the window itself gives it."""
    found = eventually(lambda: visible_windows(titled(f"[{name}]-ZORN2")), 20)
    return found and " ".join(xdotool("getwindowname", window or found[0])) == f"[{name}]-ZORN2"


def topmost(windows):
    """Which of the windows is in front (xwininfo lists the display's windows front first)."""
    listing = subprocess.run(["xwininfo", "-root", "-children"], capture_output=True, text=True).stdout.split("\n")
    ids = [str(int(line.split()[0], 16)) for line in listing if line.strip().startswith("0x")]
    return next((window for window in ids if window in windows), None)


def text_on(window, crop="500x60+0+0"):
    """The Russian text Tesseract reads in a part of the window, three times enlarged."""
    picture = subprocess.run(["import", "-window", window, "png:-"], capture_output=True, check=True).stdout
    picture = subprocess.run(["convert", "png:-", "-crop", crop, "-resize", "300%", "png:-"], input=picture,
                             capture_output=True, check=True).stdout
    return subprocess.run(["tesseract", "stdin", "stdout", "-l", "rus"], input=picture, capture_output=True,
                          check=True).stdout.decode()


class AnyNameAsUser(unittest.TestCase):
    def test_any_name_from_every_way_in_and_typed_letters_as_the_views_bytes(self):
        restore_keyboard = bind_russian_keys()
        self.addCleanup(restore_keyboard)
        subprocess.run(["xmodmap", "-"], input=EXTRA_KEYS, text=True, check=True)
        directory = tempfile.mkdtemp(prefix="zorn2-any-name-", dir=BUILD)
        self.addCleanup(shutil.rmtree, directory, True)
        paths = [os.path.join(directory, name) for name in NAMES]
        editors = []
        for path in paths:
            with open(path, "wb") as file:
                file.write(OLD)
            editors.append(Editor(path))  # from the command line
            self.addCleanup(editors[-1].kill)
            self.assertTrue(shown(os.path.basename(path), editors[-1].window))
            for view in ("F2", "ctrl+F2", "alt+F2"):
                editors[-1].keys(view)
                editors[-1].type("Жук")
            editors[-1].keys("shift+F2")
            xdotool("type", "ә€")
            self.assertEqual(editors[-1].save(), TYPED + OLD)

        # A second start on the first file brings its window to the front and ends.
        second = subprocess.run([WINE, ZORN2, windows_path(paths[0])], timeout=60, stderr=subprocess.DEVNULL)
        self.assertEqual(second.returncode, 255)
        windows = [editor.window for editor in editors]
        self.assertTrue(eventually(lambda: topmost(windows) == windows[0], 5), "not brought to the front")
        for editor in editors:
            xdotool("windowfocus", "--sync", editor.window)
            editor.keys("Escape")
            self.assertEqual(editor.process.wait(10), 0)

        # Started anew: the recent list (its "&1" the file before the last) and the Open dialog bring each back.
        untitled = subprocess.Popen([WINE, ZORN2], stderr=subprocess.DEVNULL)
        self.addCleanup(untitled.kill)
        window = focus("[БезИмени]-ZORN2", 60)
        menu_bar = eventually(lambda: (lambda text: "Кодировки" in text and text)(text_on(window)), 5)
        self.assertTrue(all(menu in menu_bar for menu in ("Файл", "Правка", "Поиск", "Кодировки")), menu_bar)
        for name in NAMES:
            xdotool("key", "F10", "Down", "1")
            self.assertTrue(shown(name, window), "not opened from the recent list: " + name)
        # Typed as their short forms in ASCII, on the keyboard as it was (":" and "~" on their keys).
        short = subprocess.run([WINE, "winepath", "-s", *map(windows_path, paths)], capture_output=True, text=True,
                               check=True).stdout.split()
        restore_keyboard()
        for name, typed in zip(NAMES, short):
            xdotool("key", "ctrl+o")
            focus("Open")  # the system's dialog, in the system's language
            xdotool("type", typed)
            xdotool("key", "Return")
            self.assertTrue(shown(name, window), "not opened from the Open dialog: " + name)
        xdotool("windowfocus", "--sync", window)
        xdotool("key", "Escape")
        self.assertEqual(untitled.wait(10), 0)
