"""Printing as a user does it, on the private spooler's PDF printer: the Print
dialog from /p at start-up, page numbers switched on from the menu, a page
range, the selection, and the preview. The printed PDFs are read back with
pdftotext. They run when Wine sees the spooler's printer (printer-probe.exe,
the check the in-process print tests make too), are skipped without a spooler
and fail when it runs but Wine has no printer on it."""

import glob
import os
import re
import shutil
import subprocess
import tempfile
import unittest

from desktop import closed, eventually, focus, painted, screen, visible_windows, windows_path, xdotool
from editor_as_user import BUILD, WINE, Editor, setUpModule, tearDownModule  # noqa: F401 (the Russian keyboard)

PRINTED = os.environ.get("ZORN2_PRINTED", "")
LINES = 150  # three pages of A4 with the default margins and font
PROBE = os.path.join(BUILD, "printer-probe.exe")
SKIPPED = 77


def probe(*arguments):
    """The exit status and output of printer-probe.exe in the session."""
    run = subprocess.run([WINE, PROBE, *arguments], capture_output=True, text=True, timeout=60)
    return run.returncode, run.stdout.strip()


def focus_print_dialog():
    """Waits for the common Print dialog, known by its printer list, copies field and OK button (Wine's own
    "no printer" box has the same caption), and gives it the keyboard."""
    def shown():
        status, window = probe("print-dialog")
        return window if status == 0 else None
    window = eventually(shown, 20)
    if not window:
        windows = [" ".join(xdotool("getwindowname", w)) for w in visible_windows("")]
        raise AssertionError(f"no Print dialog appeared; windows shown: {windows}")
    xdotool("windowfocus", "--sync", window)


def line(n):
    return f"Строка {n}: съешь же ещё этих мягких французских булок"


class PrintedJobs:
    """The PDFs the spooler lands, one per job, in order."""

    def __init__(self):
        self.seen = set(glob.glob(os.path.join(PRINTED, "job-*.pdf")))

    def next(self):
        def landed():
            return sorted(set(glob.glob(os.path.join(PRINTED, "job-*.pdf"))) - self.seen)
        new = eventually(landed, 60)
        assert new, "no job reached the PDF printer"
        self.seen.add(new[0])
        return new[0]

    @staticmethod
    def pages(pdf):
        """The text of each page."""
        text = subprocess.run(["pdftotext", "-layout", pdf, "-"], capture_output=True, text=True, check=True).stdout
        return text.rstrip("\f").split("\f")


class PrintingAsUser(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        status, account = probe()
        if status == SKIPPED:
            raise unittest.SkipTest(account)
        assert status == 0, f"printer-probe.exe exited with {status}: {account}"

    def setUp(self):
        self.directory = tempfile.mkdtemp(prefix="zorn2-print-", dir=BUILD)
        self.editor = None

    def tearDown(self):
        if self.editor:
            self.editor.kill()
        shutil.rmtree(self.directory, ignore_errors=True)

    def menu(self, command):
        """A command of the menu "Разное", reached from its last item upwards: letters
        typed while a menu opens could reach the text."""
        xdotool("windowfocus", "--sync", self.editor.window)
        before = set(visible_windows(""))
        self.editor.keys("F10", "Right", "Right", "Right", "Down")
        self.assertTrue(eventually(lambda: set(visible_windows("")) - before, 5), "the menu did not open")
        self.editor.keys(*["Up"] * FROM_THE_END[command], "Return")

    def assertLinesInOrder(self, text, numbers):
        found = [int(n) for n in re.findall(r"Строка (\d+):", text)]
        self.assertEqual(found, list(numbers))
        self.assertIn(line(numbers[0]), " ".join(text.split()))

    def test_prints_from_the_command_line_with_numbers_a_range_and_the_selection(self):
        path = os.path.join(self.directory, "три страницы.txt")
        with open(path, "wb") as file:
            file.write("".join(line(n) + "\r\n" for n in range(1, LINES + 1)).encode("cp866"))
        jobs = PrintedJobs()
        self.editor = Editor(path, ["/p"])

        # /p: the Print dialog comes up after the load; OK prints every page.
        focus_print_dialog()
        self.editor.keys("Return")
        pages = PrintedJobs.pages(jobs.next())
        self.assertEqual(len(pages), 3)
        self.assertNotIn("-1-", pages[0])
        self.assertLinesInOrder("".join(pages), range(1, LINES + 1))
        per_page = [len(re.findall(r"Строка \d+:", page)) for page in pages]

        # Page numbers on (the page count's question answered Yes), then pages 2 to 3: each led by its number.
        self.menu("page numbers")
        focus("Страниц: 3", 20)
        self.editor.keys("shift+Tab", "Return")
        self.menu("print")
        focus_print_dialog()
        self.editor.keys(*PAGES_2_TO_3)
        pages = PrintedJobs.pages(jobs.next())
        self.assertEqual([page.split()[0] for page in pages], ["-2-", "-3-"])
        self.assertLinesInOrder(pages[0], range(per_page[0] + 1, per_page[0] + per_page[1] + 1))
        self.assertLinesInOrder(pages[1], range(per_page[0] + per_page[1] + 1, LINES + 1))

        # The selection: lines 3 to 7, numbered from 1.
        xdotool("windowfocus", "--sync", self.editor.window)
        self.editor.keys("ctrl+Home", "Down", "Down", *["shift+Down"] * 5)
        self.menu("print")
        focus_print_dialog()
        self.editor.keys(*SELECTION_ONLY)
        pages = PrintedJobs.pages(jobs.next())
        self.assertEqual(len(pages), 1)
        self.assertEqual(pages[0].split()[0], "-1-")
        self.assertLinesInOrder(pages[0], range(3, 8))

        self.preview_pictures()
        self.editor.keys("Escape")
        self.assertEqual(self.editor.process.wait(10), 0)

    def test_print_on_a_file_already_open_prints_in_its_window(self):
        """Explorer's Print (/p) on the file another window shows: that window prints it, and the second start
        ends."""
        path = os.path.join(self.directory, "открытый.txt")
        with open(path, "wb") as file:
            file.write("".join(line(n) + "\r\n" for n in range(1, 6)).encode("cp1251"))
        jobs = PrintedJobs()
        self.editor = Editor(path)
        second = subprocess.run([WINE, os.path.join(BUILD, "zorn2.exe"), "/p", windows_path(path)],
                                env=dict(os.environ, WINEDEBUG="-all"), timeout=60)
        self.assertEqual(second.returncode, 255)
        focus_print_dialog()
        self.editor.keys("Return")
        self.assertLinesInOrder("".join(PrintedJobs.pages(jobs.next())), range(1, 6))
        xdotool("windowfocus", "--sync", self.editor.window)
        self.editor.keys("Escape")
        self.assertEqual(self.editor.process.wait(10), 0)

    def preview_pictures(self):
        """A click on the preview's page magnifies it and a second click shows the whole page again (the pages,
        their numbers and the magnification itself are tested in-process). Leaves build/zorn2-preview.png and
        build/zorn2-preview-magnified.png, the pictures in the README."""
        self.editor.keys("ctrl+Home")
        self.menu("preview")
        caption = "Просмотр: [три страницы.txt]-ZORN2"
        focus(caption, 20)
        whole_screen = "1280x1024+0+0"
        out = os.path.join(BUILD, "..")

        def click(x, y, then):
            before = screen(whole_screen)
            xdotool("mousemove", str(x), str(y), "click", "1")
            return eventually(lambda: then(before, screen(whole_screen)), 5) and painted(whole_screen)
        # A first round lets the dialog settle: Wine's modal loop shows it
        # normal when its queue first runs empty, out of its maximised state.
        self.assertTrue(painted(whole_screen))
        self.assertTrue(click(560, 200, lambda before, now: before != now), "the click did not magnify the page")
        self.assertTrue(click(700, 600, lambda before, now: before != now), "the second click changed nothing")
        whole = screen(whole_screen)
        subprocess.run(["import", "-window", "root", os.path.join(out, "zorn2-preview.png")], check=True)
        self.assertTrue(click(560, 200, lambda before, now: now != whole), "the click did not magnify the page")
        subprocess.run(["import", "-window", "root", os.path.join(out, "zorn2-preview-magnified.png")], check=True)
        self.assertTrue(click(700, 600, lambda before, now: now == whole),
                        "the second click did not show the whole page again")
        self.editor.keys("Escape")
        closed(caption)
        xdotool("windowfocus", "--sync", self.editor.window)


# The last items of "Разное": "Номер страницы...", "Предварительный просмотр...", "Печать...".
FROM_THE_END = {"page numbers": 3, "preview": 2, "print": 1}

# Keys in Wine's Print dialog, from the printer's name: three tabs reach the
# radio buttons "Все", "Страницы" and "Выделение"; the page fields follow.
PAGES_2_TO_3 = ["Tab", "Tab", "Tab", "Down", "Tab", "2", "Tab", "3", "Return"]
SELECTION_ONLY = ["Tab", "Tab", "Tab", "Down", "Down", "Return"]


if __name__ == "__main__":
    unittest.main()
