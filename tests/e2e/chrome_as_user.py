"""The window's chrome as a user sees it: the picture of the README, and the
toolbar switched off in the options dialog for this run and the next."""

import os
import shutil
import subprocess
import unittest

from desktop import bind_russian_keys, eventually, focus, painted, place, screen, xdotool
from editor_as_user import BUILD, WINE, Editor

# The toolbar inside the window Wine shows without a window manager: frame, caption, menu bar.
LEFT, TOP = 4, 42
BUTTON = 23  # a flat 16-pixel button's width


def coloured_pixels(crop):
    """The toolbar's pictures have clearly coloured pixels; a blank editor has none."""
    pixels = screen(crop)
    return sum(max(pixel) - min(pixel) > 60 for pixel in zip(pixels[0::3], pixels[1::3], pixels[2::3]))


class ChromeAsUser(unittest.TestCase):
    def setUp(self):
        self.addCleanup(bind_russian_keys())
        self.addCleanup(subprocess.run, [WINE, "reg", "delete", r"HKCU\Software\Mirt\Zorn2c", "/v", "TL", "/f"],
                        capture_output=True)
        # On the prefix's drive C:, so that the README's picture shows an ordinary Windows path.
        self.directory = os.path.join(os.environ["WINEPREFIX"], "drive_c", "Документы")
        os.makedirs(self.directory, exist_ok=True)
        self.addCleanup(shutil.rmtree, self.directory, ignore_errors=True)

    def start(self):
        path = os.path.join(self.directory, "письмо.txt")
        open(path, "ab").close()
        editor = Editor(path)
        self.addCleanup(editor.kill)
        x, y, _, _ = place(editor.window)
        self.toolbar = f"{7 * BUTTON}x22+{x + LEFT}+{y + TOP}"
        self.assertTrue(painted(self.toolbar))
        return editor

    def test_a_picture_for_the_readme_then_the_toolbar_switched_off_stays_off_at_the_next_start(self):
        editor = self.start()
        self.assertGreater(coloured_pixels(self.toolbar), 50, "no toolbar at the first start")
        editor.keys("F2")
        editor.type("Zorn2 - Windows-1251, DOS-866, KOI8-R")
        editor.keys("Return")
        editor.type("Привет, мир")
        self.assertTrue(painted(self.toolbar))
        subprocess.run(["import", "-window", editor.window, os.path.join(BUILD, "..", "zorn2-screenshot.png")],
                       check=True)
        editor.keys("ctrl+a", "Delete")
        editor.save()

        editor.keys("F10")
        editor.type("р")  # "Разное"
        editor.keys("Down", "Down", "Return")  # "Параметры..."
        focus("Параметры")
        editor.keys("space", "Return")  # "Панель" off, OK
        self.assertTrue(eventually(lambda: painted(self.toolbar) and coloured_pixels(self.toolbar) == 0, 5))
        xdotool("windowfocus", "--sync", editor.window)
        editor.keys("Escape")
        self.assertEqual(editor.process.wait(10), 0)
        self.start()
        self.assertEqual(coloured_pixels(self.toolbar), 0, "a toolbar at the next start")


if __name__ == "__main__":
    unittest.main()
