"""The window's chrome as a user sees it: the picture of the README, the
toolbar switched off in the options dialog for this run and the next, and the
window at 150% and 200% display scale."""

import os
import re
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

    def test_at_150_and_200_percent_every_status_pane_reads_whole_and_the_pictures_are_drawn_for_the_scale(self):
        desktop = r"HKCU\Control Panel\Desktop"
        self.addCleanup(subprocess.run, [WINE, "reg", "delete", desktop, "/v", "LogPixels", "/f"], capture_output=True)
        for dpi, size in ((144, 24), (192, 32)):
            with self.subTest(dpi=dpi):
                subprocess.run([WINE, "reg", "add", desktop, "/v", "LogPixels", "/t", "REG_DWORD", "/d", str(dpi), "/f"],
                               check=True, capture_output=True)
                with open(os.path.join(self.directory, "письмо.txt"), "wb") as file:
                    file.write("Zorn2 - Windows-1251, DOS-866, KOI8-R\r\nПривет, мир".encode("cp1251"))
                editor = self.start()
                # Unmodified, it closes on Escape; killing Wine's starter would leave it running.
                self.addCleanup(lambda: editor.running() and editor.keys("Escape"))
                editor.keys("ctrl+End")  # column 12 of line 2
                shot = os.path.join(BUILD, "..", f"zorn2-screenshot-{dpi}dpi.png")
                x, y, width, height = place(editor.window)
                self.assertTrue(painted(f"{width}x{height}+{x}+{y}"))
                subprocess.run(["import", "-window", editor.window, shot], check=True)
                # The status bar is the window's last text line: read at twice the size.
                bar = subprocess.run(["convert", shot, "-gravity", "south", "-crop", f"x{dpi // 3}+0+0", "-resize",
                                      "200%", "png:-"], capture_output=True, check=True).stdout
                # Each script read by its own language: the Latin panes, then the Cyrillic ones. Beside its
                # flag "ANSI" reads in many ways; a cut pane loses the end, "(1251)".
                panes = {"eng": (r"\b12\s*:\s*2\b", r"\b(RU|EN)\b", r"(?i)\ban\S*\s*\(1251\)", r"C:\\.*\.txt"),
                         "rus": (r"Вставка", r"письмо")}
                for language, texts in panes.items():
                    read = subprocess.run(["tesseract", "-", "-", "-l", language, "--psm", "6"], input=bar,
                                          capture_output=True, check=True).stdout.decode()
                    for text in texts:
                        self.assertRegex(read, text)
                # The yellow of the Open picture's folder (its shade rounded in the larger strips) spans its
                # height from 0.18 to 0.88 less the outline, about half the picture: a picture of the next
                # size down or up would give less than 0.4 or more than 0.75 of the size asked for.
                pixels = subprocess.run(["convert", shot, "-crop", f"{width}x{height // 3}+0+0", "-depth", "8", "rgb:-"],
                                        capture_output=True, check=True).stdout
                rows = [i // 3 // width for i in range(0, len(pixels) - 2, 3)
                        if any(all(abs(a - b) <= 12 for a, b in zip(pixels[i:i + 3], yellow))
                               for yellow in ((245, 200, 60), (250, 225, 120)))]
                self.assertTrue(rows, "no folder on the toolbar")
                self.assertTrue(0.45 * size <= max(rows) - min(rows) + 1 <= 0.7 * size, (min(rows), max(rows)))
                editor.keys("Escape")
                self.assertEqual(editor.process.wait(10), 0)


if __name__ == "__main__":
    unittest.main()
