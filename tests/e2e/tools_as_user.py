"""The tools as a user reaches them from the menu: the byte patcher on a file
on disk, and the associations written to the session prefix's registry."""

import os
import shutil
import subprocess
import tempfile
import unittest

from desktop import bind_russian_keys, eventually, replaced, stamp, titled, visible_windows, xdotool
from editor_as_user import BUILD, WINE, Editor

restore_keyboard = []


def setUpModule():
    restore_keyboard[:] = [bind_russian_keys()]


def tearDownModule():
    restore_keyboard[0]()


def reg_query(key):
    return subprocess.run([WINE, "reg", "query", key], capture_output=True, text=True, errors="replace").stdout


class ToolsAsUser(unittest.TestCase):
    def setUp(self):
        self.directory = tempfile.mkdtemp(prefix="zorn2-e2e-", dir=BUILD)
        self.addCleanup(shutil.rmtree, self.directory, ignore_errors=True)
        document = os.path.join(self.directory, "document.txt")
        open(document, "wb").close()
        self.editor = Editor(document)
        self.addCleanup(self.editor.kill)

    def menu_item(self, letter):
        """"&Разное" from the menu bar, then its item by the item's letter."""
        self.editor.keys("F10")
        self.editor.type("р" + letter)

    def dialog(self, title):
        found = eventually(lambda: visible_windows(titled(title)), 10)
        self.assertTrue(found, "no window titled " + title)
        xdotool("windowfocus", "--sync", found[0])
        return found[0]

    def test_patches_the_byte_at_offset_1a_of_a_file_and_nothing_else(self):
        path = os.path.join(self.directory, "target.bin")
        original = bytes(range(64))
        with open(path, "wb") as file:
            file.write(original)
        self.menu_item("б")
        self.dialog("Открыть")  # the system's Open dialog: the path goes into its name field
        self.editor.type(path.replace("/", "\\"))
        self.editor.keys("Return")
        self.dialog("Изменить байт: target.bin")
        before = stamp(path)
        self.editor.type("1a")
        self.editor.keys("Tab")
        self.editor.type("a5")
        self.editor.keys("Tab", "space")  # "ОК"
        self.dialog("ZORN2")
        self.editor.keys("Return")  # Yes
        expected = bytearray(original)
        expected[0x1A] = 0xA5
        self.assertEqual(replaced(path, before, 10), bytes(expected))

    def test_open_box_writes_the_quoted_command_for_text_files(self):
        saved = os.path.join(self.directory, "txtfile.reg")
        subprocess.run([WINE, "reg", "export", r"HKCR\txtfile", saved], capture_output=True, check=True)
        self.addCleanup(subprocess.run, [WINE, "reg", "import", saved], capture_output=True)
        self.addCleanup(subprocess.run, [WINE, "reg", "delete", r"HKCR\txtfile", "/f"], capture_output=True)
        key = r"HKCR\txtfile\shell\open\command"
        self.menu_item("р")
        self.dialog("Расширения")
        self.editor.keys("space", "Return")  # the first box, "*.txt, *.log, *.scp", then OK
        command = '"' + "Z:" + os.path.join(BUILD, "zorn2.exe").replace("/", "\\") + '" %1'
        self.assertTrue(eventually(lambda: command in reg_query(key), 10), reg_query(key))


if __name__ == "__main__":
    unittest.main()
