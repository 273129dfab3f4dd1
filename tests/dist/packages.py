"""The release files as a user meets them: `scripts/dist.sh` twice gives the same
zip, of the files a release holds; the zip unpacked into a fresh Wine prefix runs
as it is; the MSI installed, upgraded and removed in another leaves the prefix as
it found it, but for the user's settings.   python3 packages.py BUILD_DIR [TEST]"""

import os
import pathlib
import re
import shutil
import subprocess
import sys
import unittest
import zipfile

BUILD = os.path.realpath(sys.argv.pop(1))
ROOT = os.path.realpath(os.path.join(os.path.dirname(__file__), "..", ".."))
sys.path.insert(0, os.path.join(ROOT, "tests", "e2e"))
from desktop import bind_russian_keys, closed, focus, replaced, stamp, xdotool  # noqa: E402

WINE32, WINE64 = "/usr/lib/wine/wine", "/usr/lib/wine/wine64"
RUNS_PE32 = subprocess.run([WINE32, "--version"], capture_output=True).returncode == 0
UNINSTALL = r"HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall"
UNINSTALL_32 = r"HKLM\Software\Wow6432Node\Microsoft\Windows\CurrentVersion\Uninstall"  # as 64-bit Wine sees it
SETTINGS = r"HKEY_CURRENT_USER\Software\Mirt\Zorn2c"
with open(os.path.join(ROOT, "CMakeLists.txt"), encoding="utf-8") as cmake:
    VERSION = re.search(r"project\(zorn2 VERSION ([0-9.]+)", cmake.read()).group(1)


def dist(folder, version=VERSION):
    """The zip and the MSI of scripts/dist.sh, by their ends ("zip", "msi")."""
    out = os.path.join(BUILD, "dist-test", folder)
    subprocess.run([os.path.join(ROOT, "scripts", "dist.sh"), BUILD, out, version], check=True,
                   stdout=subprocess.DEVNULL)
    return {name[-3:]: os.path.join(out, name) for name in os.listdir(out) if name.startswith("zorn2-" + version)}


class Session:
    """A fresh Wine prefix with the project's session environment (scripts/wine-session.sh), for one test."""

    def __init__(self, test, name):
        self.dir, saved = os.path.join(BUILD, name), dict(os.environ)
        script = os.path.join(ROOT, "scripts", "wine-session.sh")
        subprocess.run([script, "start", self.dir], check=True)
        test.addCleanup(lambda: (os.environ.clear(), os.environ.update(saved)))
        test.addCleanup(shutil.rmtree, os.path.join(self.dir, "prefix"), ignore_errors=True)
        test.addCleanup(subprocess.run, [script, "stop", self.dir])
        env = subprocess.run(["bash", "-c", f". '{self.dir}/env' && env -0"], capture_output=True, check=True).stdout
        os.environ.update(line.split("=", 1) for line in env.decode().split("\0") if "=" in line)
        self.drive_c = os.path.join(os.environ["WINEPREFIX"], "drive_c")
        self.user = next(name for name in os.listdir(os.path.join(self.drive_c, "users")) if name != "Public")

    def linux(self, path):
        return path.replace("C:", self.drive_c, 1).replace("\\", "/")

    def run(self, *command):
        # Wine's console programs write in the OEM code page of the session's Russian locale.
        return subprocess.run([WINE64, *command], capture_output=True, encoding="cp866", check=True).stdout

    def keys(self, root):
        """{key: its value lines} below `root`, from Wine's own export."""
        target = os.path.join(self.dir, "export.reg")
        self.run("reg", "export", root, "Z:" + target.replace("/", "\\"), "/y")
        with open(target, encoding="utf-16") as export:
            keys = {}
            for block in export.read().replace("\\\n  ", "").split("\n\n")[1:]:
                key, *values = block.strip().splitlines() or [""]
                keys[key.strip("[]")] = set(values)
            return keys

    def files(self):
        """Every file and folder of drive C:."""
        return {os.path.relpath(os.path.join(folder, name), self.drive_c)
                for folder, folders, names in os.walk(self.drive_c) for name in folders + names}


class Packages(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        shutil.rmtree(os.path.join(BUILD, "dist-test"), ignore_errors=True)
        cls.first = dist("first")

    # The zip holds the shipped program, the guide with the pictures it shows, the welcome text and the licence, and
    # nothing else, the same bytes every time; the MSI carries the version; SHA256SUMS sums both.
    def test_zip_holds_the_release_and_nothing_else_the_same_every_time(self):
        self.assertEqual(pathlib.Path(self.first["zip"]).read_bytes(), pathlib.Path(dist("again")["zip"]).read_bytes())
        archive = zipfile.ZipFile(self.first["zip"])
        self.addCleanup(archive.close)
        guide = archive.read("help/zorn2.html").decode()
        pictures = {"help/" + src for src in re.findall(r'<img src="([^"]+)"', guide)}
        self.assertTrue(pictures)
        self.assertEqual(set(archive.namelist()),
                         {"zorn2.exe", "welcome.txt", "LICENSE.txt", "help/zorn2.html"} | pictures)
        self.assertEqual(archive.read("zorn2.exe"), pathlib.Path(BUILD, "zorn2.exe").read_bytes(),
                         "the stripped PE32 of the build")
        properties = subprocess.run(["msiinfo", "export", self.first["msi"], "Property"], capture_output=True,
                                    text=True, check=True).stdout
        self.assertRegex(properties, rf"(?m)^ProductVersion\t{re.escape(VERSION)}$")
        sums = subprocess.run(["sha256sum", "-c", "SHA256SUMS"], cwd=os.path.dirname(self.first["zip"]),
                              capture_output=True, text=True, check=True).stdout
        self.assertEqual(sums.count(": OK\n"), 2)

    # Unpacked anywhere, the program opens a Russian file, takes typed text, saves it and ends with 0.
    @unittest.skipUnless(RUNS_PE32, "this kernel runs no 32-bit code: the PE32 runs in the pe32 suites")
    def test_zip_unpacked_runs_as_it_is(self):
        session = Session(self, "wine-dist-zip")
        with zipfile.ZipFile(self.first["zip"]) as archive:
            archive.extractall(os.path.join(session.drive_c, "Zorn2"))
        document, text = os.path.join(session.drive_c, "Письмо.txt"), "Здравствуйте, коллеги!\r\n".encode("cp1251")
        with open(document, "wb") as file:
            file.write(text)
        self.addCleanup(bind_russian_keys())
        program = subprocess.Popen([WINE32, r"C:\Zorn2\zorn2.exe", r"C:\Письмо.txt"])
        self.addCleanup(lambda: program.poll() is None and program.kill())
        focus("[Письмо.txt]-ZORN2", 120)
        before = stamp(document)
        xdotool("key", "ctrl+End")
        xdotool("type", "Всем привет")
        xdotool("key", "ctrl+s")
        self.assertEqual(replaced(document, before, 30), text + "Всем привет".encode("cp1251"))
        xdotool("key", "Escape")
        self.assertEqual(program.wait(30), 0)

    # Installed as users and administrators install it, the program, its shortcut, its uninstall entry and its
    # "Open with" entries are there; a later package replaces it; removal takes away all the packages put there
    # and nothing else: another program's entry and the user's settings stay.
    def test_msi_installs_upgrades_and_leaves_nothing_behind(self):
        session = Session(self, "wine-dist-msi")
        later = re.sub(r"[0-9]+$", lambda patch: str(int(patch.group()) + 1), VERSION)
        next_msi = dist("next", later)["msi"]
        session.run("reg", "add", r"HKCU\Software\Classes\.txt\OpenWithProgids", "/v", "Other.Text", "/t", "REG_NONE")
        session.run("reg", "add", SETTINGS, "/v", "SizeW", "/t", "REG_DWORD", "/d", "240")  # the user's font size
        files, user, machine = session.files(), session.keys("HKEY_CURRENT_USER"), session.keys(UNINSTALL_32)

        self.install(session, "/i", self.first["msi"], VERSION)
        exe = rf"C:\users\{session.user}\AppData\Local\Programs\Zorn2\zorn2.exe"
        self.assertTrue(os.path.isfile(session.linux(exe.replace("zorn2.exe", r"help\zorn2.html"))))
        shortcut = rf"C:\users\{session.user}\AppData\Roaming\Microsoft\Windows\Start Menu\Programs\Zorn2.lnk"
        target = pathlib.Path(session.linux(shortcut)).read_bytes()
        self.assertTrue(exe.encode() in target or exe.encode("utf-16-le") in target, "the shortcut names zorn2.exe")
        command = session.run("reg", "query", r"HKCU\Software\Classes\Zorn2.Text\shell\open\command")
        self.assertIn(f'"{exe}" "%1"', command)
        if RUNS_PE32:  # the program keeps no pipe of ours open
            subprocess.run([WINE64, "start", shortcut], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
                           check=True)
            focus("[БезИмени]-ZORN2", 120)
            xdotool("key", "Escape")
            closed("[БезИмени]-ZORN2", 30)

        self.install(session, "/i", next_msi, later)
        self.install(session, "/x", next_msi, None)
        kept = session.files()  # Windows Installer's own cache folders may stay, empty
        self.assertEqual({path for path in kept ^ files if not (path in kept and path.endswith("Installer")
                                                                and not os.listdir(os.path.join(session.drive_c, path)))},
                         set())
        self.assertEqual(session.keys(UNINSTALL_32), machine)
        after = session.keys("HKEY_CURRENT_USER")
        self.assertIn('"SizeW"=dword:000000f0', after[SETTINGS], "the user's settings stay")
        # Wine's own session keys may change; Windows Installer's bookkeeping keys may stay, empty.
        installer = r"HKEY_CURRENT_USER\Software\Microsoft\Installer"
        self.assertEqual({key for key in after.keys() | user.keys() if after.get(key) != user.get(key)
                          and not key.startswith((SETTINGS, r"HKEY_CURRENT_USER\Software\Wine"))
                          and not (key.startswith(installer) and not after.get(key))}, set())

    def install(self, session, action, package, version):
        """msiexec ACTION PACKAGE /qn; then the one uninstall entry carries `version` (None: there is none)."""
        session.run("msiexec", action, "Z:" + package.replace("/", "\\"), "/qn")
        entries = session.run("reg", "query", UNINSTALL, "/s", "/reg:32").split("\n\n")
        ours = [entry for entry in entries if re.search(r"(?m)DisplayName\s+REG_SZ\s+Zorn2$", entry)]
        self.assertEqual(len(ours), 1 if version else 0, ours)
        if version:
            self.assertRegex(ours[0], rf"(?m)DisplayVersion\s+REG_SZ\s+{re.escape(version)}$")
            self.assertRegex(ours[0], r"Publisher\s+REG_SZ\s+Mirt")


if __name__ == "__main__":
    unittest.main(verbosity=2)
