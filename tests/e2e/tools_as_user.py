"""The tools as a user reaches them from the "Разное" menu: a byte patched in a
file on disk, and an association written to the session prefix's registry."""

import os
import shutil
import subprocess
import tempfile
import unittest

from desktop import bind_russian_keys, closed, eventually, focus, replaced, stamp
from editor_as_user import BUILD, WINE, Editor


class ToolsAsUser(unittest.TestCase):
    def setUp(self):
        self.directory = tempfile.mkdtemp(prefix="zorn2-e2e-", dir=BUILD)
        self.addCleanup(shutil.rmtree, self.directory, ignore_errors=True)
        self.addCleanup(bind_russian_keys())
        document = os.path.join(self.directory, "document.txt")
        open(document, "wb").close()
        self.editor = Editor(document)
        self.addCleanup(self.editor.kill)

    def from_menu(self, letter, title):
        """The "Разное" item with this letter; then the window it opens, focused."""
        self.editor.keys("F10")
        self.editor.type("р" + letter)
        return focus(title)

    def registry(self, key):
        return subprocess.run([WINE, "reg", "query", key], capture_output=True, text=True, errors="replace").stdout

    def test_patch_byte_at_1a_then_make_zorn2_the_opener_of_text_files(self):
        path = os.path.join(self.directory, "target.bin")
        with open(path, "wb") as file:
            file.write(bytes(range(64)))
        before = stamp(path)
        self.from_menu("б", "Открыть")  # the system's Open dialog takes the path in its name field
        self.editor.type(path.replace("/", "\\"))
        self.editor.keys("Return")
        focus("Изменить байт: target.bin")
        self.editor.type("1a")  # the offset field has the focus
        self.editor.keys("Tab")
        self.editor.type("a5")
        self.editor.keys("Tab", "space")  # "ОК"
        focus("ZORN2")
        self.editor.keys("Return")  # Yes
        self.assertEqual(replaced(path, before, 10), bytes(range(0x1A)) + b"\xA5" + bytes(range(0x1B, 64)))
        focus("Изменить байт: target.bin")
        self.editor.keys("Escape")  # "Закрыть"
        closed("Изменить байт: target.bin")

        saved = os.path.join(self.directory, "txtfile.reg")
        subprocess.run([WINE, "reg", "export", r"HKCR\txtfile", saved], capture_output=True, check=True)
        self.addCleanup(subprocess.run, [WINE, "reg", "import", saved], capture_output=True)
        self.addCleanup(subprocess.run, [WINE, "reg", "delete", r"HKCR\txtfile", "/f"], capture_output=True)
        focus("[document.txt]-ZORN2")
        self.from_menu("р", "Расширения")
        self.editor.keys("space", "Return")  # "*.txt, *.log, *.scp" under "Открыть (по умолчанию)", then OK
        key = r"HKCR\txtfile\shell\open\command"
        command = '"Z:' + os.path.join(BUILD, "zorn2.exe").replace("/", "\\") + '" %1'
        self.assertTrue(eventually(lambda: command in self.registry(key), 10), self.registry(key))


if __name__ == "__main__":
    unittest.main()
