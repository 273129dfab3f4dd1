"""The program as a user drives it: a real zorn2.exe under Wine on the virtual
display, keys and Russian text typed with xdotool, results read from the files
it saves and from the X windows it shows."""

import os
import shutil
import subprocess
import tempfile
import unittest

from desktop import (TYPABLE, bind_russian_keys, closed, eventually, focus, menu_command, painted, place, replaced,
                     stamp, titled, visible_windows, windows_path, xdotool)

BUILD = os.environ["ZORN2_BUILD"]
ZORN2_TEXT = os.path.join(BUILD, "..", "native", "zorn2-text")  # the same recoding, without a window
WINE = os.environ["WINE64"]

restore_keyboard = []


def setUpModule():
    restore_keyboard[:] = [bind_russian_keys()]


def tearDownModule():
    restore_keyboard[0]()


MENU_CORNER = "380x260+0+0"


def picture(window):
    return subprocess.run(["import", "-window", window, "-depth", "8", "rgb:-"], capture_output=True, check=True).stdout


def selection_box(before, after, width):
    """The box (left, top, right, bottom) of a new selection: among the pixels that changed between two pictures
    of a window (the caret, the status bar and the toolbar change too), those of the most common new colour."""
    changed = {}
    for i in range(0, min(len(before), len(after)), 3):
        if before[i:i + 3] != after[i:i + 3]:
            changed.setdefault(after[i:i + 3], []).append(i // 3)
    if not changed:
        return None
    fill = max(changed.values(), key=len)
    xs, ys = [p % width for p in fill], [p // width for p in fill]
    return min(xs), min(ys), max(xs), max(ys)


class Editor:
    """One zorn2.exe process with a document given on its command line."""

    def __init__(self, path, switches=()):
        self.path = path
        # Wine's errors are kept for the message of a start that shows no window.
        self.errors = tempfile.TemporaryFile()
        self.process = subprocess.Popen([WINE, os.path.join(BUILD, "zorn2.exe"), *switches, windows_path(path)],
                                        env=dict(os.environ, WINEDEBUG="-all,err+all"),
                                        stdout=subprocess.DEVNULL, stderr=self.errors)
        found = eventually(lambda: visible_windows(titled("[" + os.path.basename(path) + "]-ZORN2")), 60)
        if not found:
            shown = [" ".join(xdotool("getwindowname", window)) for window in visible_windows("")]
            state = "running" if self.running() else f"exited with {self.process.returncode}"
            self.errors.seek(0)
            state += "; Wine said: " + self.errors.read().decode(errors="replace")[-2000:]
            self.kill()
            raise AssertionError(f"the editor window did not appear; the editor {state}; windows shown: {shown}")
        self.window = found[0]
        xdotool("windowfocus", "--sync", self.window)

    # No waits after keys: the display queues them in order and the program
    # takes them in that order; tests wait only for what the program shows.
    def keys(self, *keys):
        for key in keys:
            xdotool("key", key)

    def type(self, text):
        assert set(text) <= TYPABLE, "not on the test keyboard: " + "".join(sorted(set(text) - TYPABLE))
        xdotool("type", text)

    def save(self):
        """Ctrl+S, then the bytes of the file once it has been replaced."""
        before = stamp(self.path)
        self.keys("ctrl+s")
        saved = replaced(self.path, before, 10)
        assert saved is not None, "Ctrl+S did not save " + self.path
        return saved

    def running(self):
        return self.process.poll() is None

    def kill(self):
        if self.running():
            self.process.kill()
            self.process.wait()
        self.errors.close()


class EditorAsUser(unittest.TestCase):
    def setUp(self):
        self.directory = tempfile.mkdtemp(prefix="zorn2-e2e-", dir=BUILD)
        self.editors = []

    def tearDown(self):
        for editor in self.editors:
            editor.kill()
        shutil.rmtree(self.directory, ignore_errors=True)

    def open_editor(self, name="document.txt", content=b""):
        path = os.path.join(self.directory, name)
        with open(path, "wb") as file:
            file.write(content)
        editor = Editor(path)
        self.editors.append(editor)
        return editor

    def close_unmodified(self, editor):
        editor.keys("Escape")
        self.assertEqual(editor.process.wait(10), 0)

    def test_a_word_dragged_to_the_end_of_its_line_moves_and_one_ctrl_z_brings_it_back(self):
        original = "слово и ещё\r\nвторая".encode("cp1251")
        editor = self.open_editor(content=original)
        width = place(editor.window)[2]
        editor.keys("ctrl+Home")
        self.assertTrue(painted(MENU_CORNER))
        before = picture(editor.window)
        editor.keys("ctrl+shift+Right")  # the word and its blank
        # Wider than the caret, which blinks meanwhile.
        word = eventually(lambda: (box := selection_box(before, picture(editor.window), width)) and
                          box[2] - box[0] > 20 and box, 5)
        self.assertTrue(word, "the selection was not shown")
        x, y = (word[0] + word[2]) // 2, (word[1] + word[3]) // 2
        xdotool("mousemove", "--window", editor.window, str(x), str(y))
        xdotool("mousedown", "1")
        for step in (x + 10, x + 60, width - 40):  # far right of a line is its end
            xdotool("mousemove", "--window", editor.window, str(step), str(y))
        xdotool("mouseup", "1")
        self.assertEqual(editor.save(), "и ещёслово \r\nвторая".encode("cp1251"))
        editor.keys("ctrl+z")
        self.assertEqual(editor.save(), original)
        self.close_unmodified(editor)

    @staticmethod
    def back_to(editor, title):
        closed(title)
        xdotool("windowfocus", "--sync", editor.window)

    def test_find_find_next_and_replace_all_in_the_koi8_view(self):
        """The file begins with a line break, so the dialog opens with no word of the text filled in."""
        def koi8(text):
            return ("\r\n" + text + "\r\nконец мира").encode("koi8_r")
        editor = self.open_editor("koi8.txt", koi8("мир, Мир и мир"))
        editor.keys("alt+F2", "ctrl+f")
        focus("Найти...")
        editor.type("мир")
        editor.keys("Return")
        self.back_to(editor, "Найти...")
        editor.type("ура")  # over the selected match
        self.assertEqual(editor.save(), koi8("ура, Мир и мир"))
        editor.keys("F3")
        editor.type("ура")
        self.assertEqual(editor.save(), koi8("ура, ура и мир"))

        editor.keys("ctrl+Home", "ctrl+F7")
        focus("Заменить...")
        editor.type("мир")
        editor.keys("Tab")
        editor.type("Все")
        # Hex, then "Запрос" switched off; back past the fields to "Все", the last control.
        editor.keys("Tab", "Tab", "space", "shift+Tab", "shift+Tab", "shift+Tab", "shift+Tab", "space")
        self.back_to(editor, "Заменить...")
        self.assertEqual(editor.save(), ("\r\nура, ура и Все\r\nконец Всеа").encode("koi8_r"))
        editor.keys("ctrl+z")
        self.assertEqual(editor.save(), koi8("ура, ура и мир"))
        self.close_unmodified(editor)

    def test_menus_code_page_dialog_and_character_table(self):
        """The file menu from the keyboard (build/zorn2-file-menu.png, the picture in the README), a Mac Cyrillic
        HTML file into Windows-1251 from the menu's dialog, then a KOI8-R letter from the table."""
        html = "<p>Привет, <b>мир</b></p>\r\n".encode("mac_cyrillic")
        editor = self.open_editor("page.html", html)
        before = set(visible_windows(""))
        editor.keys("F10", "Down")
        self.assertTrue(eventually(lambda: set(visible_windows("")) - before, 5), "no pop-up menu appeared")
        self.assertTrue(painted(MENU_CORNER))
        subprocess.run(["import", "-window", "root", "-crop", MENU_CORNER,
                        os.path.join(BUILD, "..", "zorn2-file-menu.png")], check=True)
        editor.keys("Escape", "Escape")
        menu_command(5, 6)  # "Кодировки", "Выбор..."
        focus("Кодировки")
        editor.keys("End", "Up", "Tab", "Tab", "Home", "Return")  # MAC (above UTF-8) => ANSI (1251)
        self.back_to(editor, "Кодировки")
        converted = subprocess.run([ZORN2_TEXT, "recode", "mac", "ansi"], input=html, capture_output=True,
                                   check=True).stdout
        self.assertEqual(editor.save(), converted)

        editor.keys("alt+F2", "ctrl+End")
        menu_command(3, 0)  # "Разное", "Символ..."
        focus("Таблица символов")
        # Ж is KOI8-R 0xF6: the last row, column 0x16.
        editor.keys("ctrl+End", "Home", *["Right"] * 0x16, "shift+Right", "Return", "Escape")
        self.back_to(editor, "Таблица символов")
        self.assertEqual(editor.save(), converted + "Ж".encode("koi8_r"))

        self.close_unmodified(editor)

    def test_a_file_changed_by_another_program_is_written_over_only_after_yes(self):
        """Before Ctrl+S, and before the save that the close question starts: "Нет" (the default) leaves the other
        program's version byte for byte and the window open with the change; "Да" saves."""
        editor = self.open_editor(content=b"mine")
        boxes = []

        def answer(*keys):
            box = eventually(lambda: [w for w in visible_windows(titled("ZORN2")) if w not in boxes], 10)
            self.assertTrue(box, "no question appeared")
            boxes.append(box[0])
            xdotool("windowfocus", "--sync", box[0])
            editor.keys(*keys)

        for typed, key, saved in (("!", "ctrl+s", b"!mine"), ("?", "Escape", b"!?mine")):
            xdotool("windowfocus", "--sync", editor.window)
            editor.type(typed)
            with open(editor.path, "wb") as file:
                file.write(b"other")
            before = stamp(editor.path)
            for overwrite in (["Return"], ["shift+Tab", "space"]):  # "Нет", then "Да"
                xdotool("windowfocus", "--sync", editor.window)
                editor.keys(key)
                if key == "Escape":
                    answer("Return")  # save the changes? Yes
                answer(*overwrite)
                if overwrite == ["Return"]:
                    closed("ZORN2")
                    self.assertTrue(editor.running())
                    self.assertEqual(replaced(editor.path, before, 2), None)
            self.assertEqual(replaced(editor.path, before, 10), saved)
        self.assertEqual(editor.process.wait(10), 0)

    def test_a_save_through_a_hard_link_or_a_symbolic_link_reaches_every_name(self):
        """The file stays one file under all its names, and the symbolic link stays a link to it."""
        names = {name: os.path.join(self.directory, name) for name in ("target.txt", "hard.txt", "link.txt")}
        with open(names["target.txt"], "wb") as file:
            file.write(b"old")
        os.link(names["target.txt"], names["hard.txt"])
        os.symlink("target.txt", names["link.txt"])
        text = b"old"
        for opened, added in (("link.txt", "ссылка"), ("hard.txt", "жёсткая")):
            editor = Editor(names[opened])
            self.editors.append(editor)
            editor.keys("ctrl+End")
            editor.type(added)
            text += added.encode("cp1251")
            self.assertEqual(editor.save(), text, opened)
            self.close_unmodified(editor)
            for name, path in names.items():
                with open(path, "rb") as file:
                    self.assertEqual(file.read(), text, name)
            self.assertEqual(os.readlink(names["link.txt"]), "target.txt")
            self.assertEqual(sorted(os.listdir(self.directory)), sorted(names))  # no copy left beside


if __name__ == "__main__":
    unittest.main()
