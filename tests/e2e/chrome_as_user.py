"""The window's chrome as a user sees it: the status bar read from the screen
after the view keys and Insert, the open button's tooltip, and the toolbar
switched off in the options dialog for this run and the next."""

import os
import shutil
import subprocess
import tempfile
import unittest

from desktop import bind_russian_keys, eventually, titled, visible_windows, xdotool
from editor_as_user import BUILD, WINE, Editor, geometry, painted

SETTINGS = r"HKCU\Software\Mirt\Zorn2c"

# Where the client area starts inside the window Wine shows without a window
# manager: its frame, then the caption and the menu bar.
FRAME = 4
CLIENT_TOP = FRAME + 19 + 19
BUTTON = 23  # a flat 16-pixel button is 23 pixels wide, its picture 5 to 20 pixels down


def origin(window):
    values = dict(line.split("=", 1) for line in
                  subprocess.run(["xdotool", "getwindowgeometry", "--shell", window],
                                 capture_output=True, text=True).stdout.split())
    return int(values["X"]), int(values["Y"])


def read_screen(crop, language):
    """The line of text tesseract reads in this part of the screen: smoothly
    enlarged and framed in white, small screen fonts read reliably."""
    picture = subprocess.run(["import", "-window", "root", "-crop", crop, "png:-"], capture_output=True,
                             check=True).stdout
    picture = subprocess.run(["convert", "png:-", "+repage", "-colorspace", "gray", "-resize", "400%",
                              "-bordercolor", "white", "-border", "20", "png:-"], input=picture,
                             capture_output=True, check=True).stdout
    return subprocess.run(["tesseract", "stdin", "stdout", "-l", language, "--psm", "7"], input=picture,
                          capture_output=True, check=True).stdout.decode().strip()


def coloured_pixels(crop):
    """Pixels of a clear colour: the toolbar's pictures have them, a blank editor none."""
    pixels = subprocess.run(["import", "-window", "root", "-crop", crop, "rgb:-"], capture_output=True,
                            check=True).stdout
    count = 0
    for i in range(0, len(pixels) - 2, 3):
        r, g, b = pixels[i], pixels[i + 1], pixels[i + 2]
        count += max(r, g, b) - min(r, g, b) > 60
    return count


class ChromeAsUser(unittest.TestCase):
    def setUp(self):
        self.directory = tempfile.mkdtemp(prefix="zorn2-e2e-", dir=BUILD)
        self.addCleanup(shutil.rmtree, self.directory, ignore_errors=True)
        self.addCleanup(bind_russian_keys())
        self.addCleanup(self.registry, "delete", SETTINGS, "/v", "TL", "/f")

    def registry(self, *args):
        return subprocess.run([WINE, "reg", *args], capture_output=True, text=True, errors="replace").stdout

    def start(self, path=None):
        path = path or os.path.join(self.directory, "document.txt")
        if not os.path.exists(path):
            open(path, "wb").close()
        editor = Editor(path)
        self.addCleanup(editor.kill)
        return editor

    def close(self, editor):
        editor.keys("Escape")
        self.assertEqual(editor.process.wait(10), 0)

    def status_pane(self, editor, left, right):
        x, y = origin(editor.window)
        width, height = geometry(editor.window)
        crop = f"{right - left}x20+{x + FRAME + left}+{y + height - FRAME - 21}"
        self.assertTrue(painted(crop))
        return crop

    def toolbar_strip(self, editor):
        x, y = origin(editor.window)
        return f"{7 * BUTTON}x22+{x + FRAME}+{y + CLIENT_TOP}"

    def test_status_bar_tooltip_and_insert_mode_then_a_picture_for_the_readme(self):
        # On the prefix's drive C:, so that the picture shows an ordinary Windows path.
        documents = os.path.join(os.environ["WINEPREFIX"], "drive_c", "Документы")
        os.makedirs(documents, exist_ok=True)
        self.addCleanup(shutil.rmtree, documents, ignore_errors=True)
        editor = self.start(os.path.join(documents, "письмо.txt"))
        keyboard = self.status_pane(editor, 97, 123)
        self.assertTrue(eventually(lambda: read_screen(keyboard, "eng") == "RU", 5), read_screen(keyboard, "eng"))
        for key, name in (("ctrl+F2", "OEM (866)"), ("alt+F2", "KOI8 R")):
            editor.keys(key)
            pane = self.status_pane(editor, 125 + 19, 228)  # the name, right of the picture
            self.assertTrue(eventually(lambda: read_screen(pane, "eng") == name, 5), read_screen(pane, "eng"))
        editor.keys("Insert")
        mode = self.status_pane(editor, 232, 298)
        self.assertTrue(eventually(lambda: read_screen(mode, "rus") == "Замена", 5), read_screen(mode, "rus"))

        x, y = origin(editor.window)
        before = set(visible_windows(""))
        xdotool("mousemove", str(x + FRAME + BUTTON + BUTTON // 2), str(y + CLIENT_TOP + 13))
        tip = eventually(lambda: set(visible_windows("")) - before, 10)
        self.assertTrue(tip, "no tooltip appeared over the open button")
        tip = tip.pop()
        tip_x, tip_y = origin(tip)
        tip_width, tip_height = geometry(tip)
        crop = f"{tip_width - 6}x{tip_height - 4}+{tip_x + 3}+{tip_y + 2}"  # inside its frame
        self.assertTrue(eventually(lambda: read_screen(crop, "rus") == "Открыть...", 5), read_screen(crop, "rus"))
        xdotool("mousemove", "0", "0")

        editor.keys("Insert", "F2")
        editor.type("Zorn2 - Windows-1251, DOS-866, KOI8-R")
        editor.keys("Return")
        editor.type("Привет, мир")
        self.assertTrue(painted(self.toolbar_strip(editor)))
        subprocess.run(["import", "-window", editor.window, os.path.join(BUILD, "..", "zorn2-screenshot.png")],
                       check=True)
        editor.keys("ctrl+a", "Delete")
        editor.save()
        self.close(editor)

    def test_toolbar_switched_off_in_the_options_stays_off_at_the_next_start(self):
        editor = self.start()
        strip = self.toolbar_strip(editor)
        self.assertTrue(painted(strip))
        self.assertGreater(coloured_pixels(strip), 50, "no toolbar on the first start")
        editor.keys("F10")
        editor.type("р")  # "Разное"
        editor.keys("Down", "Down", "Return")  # "Параметры..."
        dialog = eventually(lambda: visible_windows(titled("Параметры")), 10)
        self.assertTrue(dialog, "the options dialog did not open")
        xdotool("windowfocus", "--sync", dialog[0])
        editor.keys("space", "Return")  # "Панель" off, OK
        self.assertTrue(eventually(lambda: not visible_windows(titled("Параметры")), 10))
        self.assertTrue(eventually(lambda: painted(strip) and coloured_pixels(strip) == 0, 5), "the toolbar stayed")
        self.assertIn("0x0", self.registry("query", SETTINGS, "/v", "TL"))
        xdotool("windowfocus", "--sync", editor.window)
        self.close(editor)

        editor = self.start()
        strip = self.toolbar_strip(editor)
        self.assertTrue(painted(strip))
        self.assertEqual(coloured_pixels(strip), 0, "a toolbar at the next start")
        self.close(editor)


if __name__ == "__main__":
    unittest.main()
