"""The shipped PE32 zorn2.exe, started once (each start costs about 40 s under
qemu), driven through what differs between 32 and 64 bits: the window
procedures and the subclassed editor (typing in each view, the code-page chord),
accelerators, the undo journal, the clipboard, the message box, the registry
and the exit code."""

import os
import shutil
import subprocess
import tempfile
import unittest

from desktop import bind_russian_keys, focus, replaced, stamp, windows_path, xdotool

BUILD = os.environ["ZORN2_BUILD"]
START = "Ёрш\r\n".encode("cp866")
# Typed after each view key, in that view's code page. Every byte is a letter
# in Windows-1251 too, so the chord's conversion is the codecs' one.
TYPED = (("F2", "Щука", "cp1251"), ("ctrl+F2", "сыр", "cp866"), ("alt+F2", "Кот", "koi8_r"))
STARTUP_SECONDS = 600  # a loaded 2-core machine has taken minutes
STEP_SECONDS = 120


def registry_values(key):
    """{name: (type, data)} of `reg query`, from 64-bit Wine: the prefix serves both."""
    output = subprocess.run([os.environ["WINE64"], "reg", "query", key], capture_output=True, text=True,
                            check=True).stdout
    rows = (line.strip().split(None, 2) for line in output.splitlines() if line.startswith("    "))
    return {row[0]: tuple(row[1:]) for row in rows}


class ShippedProgram(unittest.TestCase):
    def setUp(self):
        self.directory = tempfile.mkdtemp(prefix="zorn2-pe32-", dir=BUILD)
        self.addCleanup(shutil.rmtree, self.directory, ignore_errors=True)
        self.path = os.path.join(self.directory, "doc.txt")
        with open(self.path, "wb") as file:
            file.write(START)

    def start(self):
        self.addCleanup(bind_russian_keys())
        process = subprocess.Popen([os.environ["WINE32"], os.path.join(BUILD, "zorn2.exe"), windows_path(self.path)],
                                   stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        self.addCleanup(lambda: process.poll() is None and process.kill())
        focus("[doc.txt]-ZORN2", STARTUP_SECONDS)
        return process

    def save(self):
        before = stamp(self.path)
        xdotool("key", "ctrl+s")
        content = replaced(self.path, before, STEP_SECONDS)
        self.assertIsNotNone(content, "Ctrl+S saved nothing")
        return content

    def test_a_session_from_opening_to_closing(self):
        process = self.start()
        xdotool("key", "ctrl+End")
        text = START
        for view_key, letters, encoding in TYPED:
            xdotool("key", view_key)
            xdotool("type", letters)
            text += letters.encode(encoding)
        self.assertEqual(self.save(), text)

        xdotool("keydown", "ctrl")
        xdotool("key", "w", "d")  # from Windows-1251 into DOS-866
        xdotool("keyup", "ctrl")
        self.assertEqual(self.save(), text.decode("cp1251").encode("cp866"))

        xdotool("key", "ctrl+z", "ctrl+z")  # the conversion, then the last letter typed
        text = text[:-1]
        self.assertEqual(self.save(), text)

        line = text[len(START):]
        xdotool("key", "shift+Home", "ctrl+c", "End", "Return", "ctrl+v")
        text += b"\r\n" + line
        self.assertEqual(self.save(), text)

        xdotool("type", "!")
        before = stamp(self.path)
        xdotool("key", "Escape")
        focus("ZORN2", STEP_SECONDS)  # save the changes?
        xdotool("key", "Return")  # Yes
        self.assertEqual(replaced(self.path, before, STEP_SECONDS), text + b"!")
        self.assertEqual(process.wait(STEP_SECONDS), 0)

        settings = registry_values(r"HKCU\Software\Mirt\Zorn2c")
        slot = settings["LIST"][1][0]  # the most recent document first
        self.assertEqual(settings[slot + "F"], ("REG_SZ", windows_path(self.path)))
        self.assertEqual(settings[slot + "FC"], ("REG_DWORD", hex(len(text) + 1)))  # the caret it was closed at
        placement = bytes.fromhex(settings["DEF"][1])  # WINDOWPLACEMENT, led by its own size
        self.assertEqual((len(placement), int.from_bytes(placement[:4], "little")), (44, 44))


if __name__ == "__main__":
    unittest.main()
