"""The program as a user drives it: a real zorn2.exe under Wine on the virtual
display, keys and Russian text typed with xdotool, results read from the files
it saves and from the X windows it shows."""

import os
import shutil
import subprocess
import tempfile
import time
import unittest

BUILD = os.environ["ZORN2_BUILD"]
WINE = os.environ["WINE64"]
GREETING = "Привет, мир"


def xdotool(*args):
    return subprocess.run(["xdotool", *args], capture_output=True, text=True).stdout.split()


def eventually(condition, seconds=15.0):
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        result = condition()
        if result:
            return result
        time.sleep(0.1)
    return condition()


def visible_windows(name):
    return xdotool("search", "--onlyvisible", "--name", name)


def geometry(window):
    values = dict(line.split("=", 1) for line in
                  subprocess.run(["xdotool", "getwindowgeometry", "--shell", window],
                                 capture_output=True, text=True).stdout.split())
    return int(values["WIDTH"]), int(values["HEIGHT"])


class Editor:
    """One zorn2.exe process with a document given on its command line."""

    def __init__(self, path):
        self.path = path
        windows_path = "Z:" + path.replace("/", "\\")
        self.process = subprocess.Popen([WINE, os.path.join(BUILD, "zorn2.exe"), windows_path],
                                        stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        title = "[" + os.path.basename(path) + "]-ZORN2"
        found = eventually(lambda: visible_windows("^" + title.replace("[", r"\[").replace("]", r"\]") + "$"), 60)
        if not found:
            self.kill()
            raise AssertionError("the editor window did not appear")
        self.window = found[0]
        xdotool("windowfocus", "--sync", self.window)
        time.sleep(0.3)

    def keys(self, *keys):
        for key in keys:
            xdotool("key", "--delay", "60", key)
        time.sleep(0.3)

    def type(self, text):
        xdotool("type", "--delay", "60", text)
        time.sleep(0.3)

    def save(self):
        before = os.stat(self.path).st_mtime_ns, os.path.getsize(self.path)
        self.keys("ctrl+s")
        eventually(lambda: (os.stat(self.path).st_mtime_ns, os.path.getsize(self.path)) != before, 5)
        with open(self.path, "rb") as file:
            return file.read()

    def running(self):
        return self.process.poll() is None

    def kill(self):
        if self.running():
            self.process.kill()
            self.process.wait()


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

    def test_russian_typed_in_each_view_is_saved_as_the_bytes_of_that_view(self):
        for view_key, encoding in (("F2", "cp1251"), ("ctrl+F2", "cp866"), ("alt+F2", "koi8_r")):
            with self.subTest(encoding=encoding):
                editor = self.open_editor(encoding + ".txt")
                editor.keys(view_key)
                editor.type(GREETING)
                editor.keys("Return")
                editor.type("Ёё 123")
                self.assertEqual(editor.save(), (GREETING + "\r\nЁё 123").encode(encoding))
                self.close_unmodified(editor)

    def test_ctrl_z_takes_typing_back_one_character_at_a_time(self):
        editor = self.open_editor()
        editor.keys("F2")
        editor.type("абв")
        editor.keys("ctrl+z")
        self.assertEqual(editor.save(), "аб".encode("cp1251"))
        editor.keys("ctrl+z")
        self.assertEqual(editor.save(), "а".encode("cp1251"))
        self.close_unmodified(editor)

    def test_chord_with_ctrl_held_converts_the_whole_text(self):
        editor = self.open_editor()
        editor.keys("F2")
        editor.type(GREETING)
        xdotool("keydown", "ctrl")
        editor.keys("w", "d")  # Ctrl+W, Ctrl+D: from Windows-1251 into DOS-866
        xdotool("keyup", "ctrl")
        self.assertEqual(editor.save(), GREETING.encode("cp866"))
        editor.keys("ctrl+z")  # one undo brings back the bytes and the view
        editor.type("!")
        self.assertEqual(editor.save(), (GREETING + "!").encode("cp1251"))
        self.close_unmodified(editor)

    def test_escape_on_a_modified_document_asks_and_cancel_keeps_the_window(self):
        editor = self.open_editor(content=b"kept")
        editor.type("x")
        editor.keys("Escape")
        question = eventually(lambda: visible_windows("^ZORN2$"), 10)
        self.assertTrue(question, "no save-changes question appeared")
        xdotool("windowfocus", "--sync", question[0])
        editor.keys("Escape")  # Cancel
        self.assertTrue(eventually(lambda: not visible_windows("^ZORN2$"), 10))
        time.sleep(0.5)
        self.assertTrue(editor.running())
        self.assertTrue(visible_windows(r"^\[document.txt\]-ZORN2$"))
        with open(editor.path, "rb") as file:
            self.assertEqual(file.read(), b"kept")

    def test_f4_maximises_and_restores(self):
        editor = self.open_editor()
        normal = geometry(editor.window)
        editor.keys("F4")
        maximised = eventually(lambda: geometry(editor.window) != normal and geometry(editor.window), 5)
        self.assertTrue(maximised, "F4 did not change the window")
        self.assertGreater(maximised[0], normal[0])
        self.assertGreater(maximised[1], normal[1])
        editor.keys("F4")
        self.assertTrue(eventually(lambda: geometry(editor.window) == normal, 5))
        self.close_unmodified(editor)

    def test_file_menu_opens_from_the_keyboard(self):
        """Leaves build/zorn2-file-menu.png, the picture in the README."""
        editor = self.open_editor("menu.txt")
        before = set(xdotool("search", "--onlyvisible", "--name", ""))
        editor.keys("F10", "Down")
        menu = eventually(lambda: set(xdotool("search", "--onlyvisible", "--name", "")) - before, 5)
        self.assertTrue(menu, "no pop-up menu appeared")
        time.sleep(0.5)
        subprocess.run(["import", "-window", "root", "-crop", "380x260+0+0",
                        os.path.join(BUILD, "..", "zorn2-file-menu.png")], check=True)
        editor.keys("Escape", "Escape")
        self.close_unmodified(editor)


if __name__ == "__main__":
    unittest.main()
