"""A tool as a user reaches it from the "Разное" menu: a byte patched in a file
chosen in the system's Open dialog. (The associations dialog, a plain dialog
over the registry, is driven in-process.)"""

import os
import shutil
import tempfile
import unittest

from desktop import bind_russian_keys, closed, focus, replaced, stamp
from editor_as_user import BUILD, Editor


class ToolsAsUser(unittest.TestCase):
    def setUp(self):
        self.directory = tempfile.mkdtemp(prefix="zorn2-e2e-", dir=BUILD)
        self.addCleanup(shutil.rmtree, self.directory, ignore_errors=True)
        self.addCleanup(bind_russian_keys())
        document = os.path.join(self.directory, "document.txt")
        open(document, "wb").close()
        self.editor = Editor(document)
        self.addCleanup(self.editor.kill)

    def test_patch_byte_at_1a_of_a_file_chosen_in_the_open_dialog(self):
        path = os.path.join(self.directory, "target.bin")
        with open(path, "wb") as file:
            file.write(bytes(range(64)))
        before = stamp(path)
        self.editor.keys("F10")
        self.editor.type("рб")  # "Разное", "Заменить &байт..."
        focus("Открыть")  # the system's Open dialog takes the path in its name field
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


if __name__ == "__main__":
    unittest.main()
