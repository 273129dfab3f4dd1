"""The release files as a user meets them: `scripts/dist.sh` run twice gives the
same zip, of the files a release holds; the zip unpacked into a fresh Wine
prefix runs as it is; the MSI installed, upgraded by a later version and removed
in a fresh prefix leaves the prefix as it found it, but for the user's settings.

    python3 packages.py BUILD_DIR [unittest arguments]
"""

import hashlib
import io
import os
import re
import shutil
import struct
import subprocess
import sys
import unittest
import zipfile

BUILD = os.path.realpath(sys.argv.pop(1) if __name__ == "__main__" else os.environ["ZORN2_BUILD"])
ROOT = os.path.realpath(os.path.join(os.path.dirname(__file__), "..", ".."))
sys.path.insert(0, os.path.join(ROOT, "tests", "e2e"))
from desktop import bind_russian_keys, closed, focus, replaced, stamp, xdotool  # noqa: E402

WINE32, WINE64 = "/usr/lib/wine/wine", "/usr/lib/wine/wine64"
OUT = os.path.join(BUILD, "dist-test")
RUNS_PE32 = subprocess.run([WINE32, "--version"], capture_output=True).returncode == 0
START_SECONDS = 120
UNINSTALL = r"HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall"
UNINSTALL_32 = r"HKLM\Software\Wow6432Node\Microsoft\Windows\CurrentVersion\Uninstall"  # as 64-bit Wine sees it
SETTINGS = r"HKEY_CURRENT_USER\Software\Mirt\Zorn2c"


def dist(folder, version=None):
    subprocess.run([os.path.join(ROOT, "scripts", "dist.sh"), BUILD, os.path.join(OUT, folder)]
                   + ([version] if version else []), check=True, stdout=subprocess.DEVNULL)
    return {name.split("-")[-1]: os.path.join(OUT, folder, name) for name in os.listdir(os.path.join(OUT, folder))}


def project_version():
    with open(os.path.join(ROOT, "CMakeLists.txt"), encoding="utf-8") as cmake:
        return re.search(r"project\(zorn2 VERSION ([0-9.]+)", cmake.read()).group(1)


class Session:
    """A fresh Wine prefix with the project's session environment, for one test."""

    def __init__(self, test, name):
        self.dir = os.path.join(BUILD, name)
        script = os.path.join(ROOT, "scripts", "wine-session.sh")
        subprocess.run([script, "start", self.dir], check=True)
        saved = dict(os.environ)
        test.addCleanup(lambda: (os.environ.clear(), os.environ.update(saved)))
        test.addCleanup(shutil.rmtree, os.path.join(self.dir, "prefix"), ignore_errors=True)
        test.addCleanup(subprocess.run, [script, "stop", self.dir])
        output = subprocess.run(["bash", "-c", f". '{self.dir}/env' && env -0"], capture_output=True, check=True)
        os.environ.update(line.split("=", 1) for line in output.stdout.decode().split("\0") if "=" in line)
        self.drive_c = os.path.join(os.environ["WINEPREFIX"], "drive_c")
        self.user = next(name for name in os.listdir(os.path.join(self.drive_c, "users")) if name != "Public")
        self.profile = os.path.join(self.drive_c, "users", self.user)

    def run(self, *command, check=True):
        # Wine's console programs write in the OEM code page of the session's Russian locale.
        return subprocess.run([WINE64, *command], capture_output=True, encoding="cp866", check=check)

    def keys(self, root):
        """Every key below `root` and its values, from Wine's own export."""
        target = os.path.join(self.dir, "export.reg")
        self.run("reg", "export", root, "Z:" + target.replace("/", "\\"), "/y")
        with open(target, encoding="utf-16") as export:
            text = export.read().replace("\\\n  ", "")
        keys, key = {}, None
        for line in text.splitlines():
            if line.startswith("["):
                key = keys.setdefault(line[1:-1], set())
            elif key is not None and line:
                key.add(line)
        return keys

    def files(self):
        """Every file and folder of drive C:."""
        return {os.path.relpath(os.path.join(folder, name), self.drive_c)
                for folder, folders, names in os.walk(self.drive_c) for name in folders + names}


def pe_sections(data):
    """Machine and section names of a PE image."""
    header = struct.unpack_from("<I", data, 0x3C)[0]
    machine, count = struct.unpack_from("<HH", data, header + 4)
    table = header + 24 + struct.unpack_from("<H", data, header + 20)[0]
    return machine, {data[table + 40 * i:table + 40 * i + 8].rstrip(b"\0").decode() for i in range(count)}


class Packages(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        shutil.rmtree(OUT, ignore_errors=True)
        cls.version = project_version()
        cls.first, cls.again = dist("first"), dist("again")

    # The zip holds the shipped program and the guide with the pictures it shows, the welcome text and the
    # licence, nothing else; every run gives the same bytes; SHA256SUMS sums both packages.
    def test_zip_holds_the_release_and_nothing_else_the_same_every_time(self):
        name = f"zorn2-{self.version}-win32"
        self.assertEqual(os.path.basename(self.first["win32.zip"]), name + ".zip")
        self.assertEqual(os.path.basename(self.first["win32.msi"]), name + ".msi")
        properties = subprocess.run(["msiinfo", "export", self.first["win32.msi"], "Property"], capture_output=True,
                                    text=True, check=True).stdout
        self.assertRegex(properties, rf"(?m)^ProductVersion\t{re.escape(self.version)}$")
        with open(self.first["win32.zip"], "rb") as one, open(self.again["win32.zip"], "rb") as two:
            packed = one.read()
            self.assertEqual(packed, two.read())
        archive = zipfile.ZipFile(io.BytesIO(packed))
        guide = archive.read("help/zorn2.html").decode()
        pictures = {"help/" + src for src in re.findall(r'<img src="([^"]+)"', guide)}
        self.assertTrue(pictures)
        self.assertEqual(set(archive.namelist()), {"zorn2.exe", "welcome.txt", "LICENSE.txt", "help/zorn2.html"} | pictures)
        machine, sections = pe_sections(archive.read("zorn2.exe"))
        self.assertEqual(machine, 0x14C, "a PE32 for i386")
        self.assertFalse({s for s in sections if s.startswith(".debug")}, "debug sections stay in zorn2.debug")
        self.assertIn("MIT License", archive.read("LICENSE.txt").decode())
        with open(os.path.join(OUT, "first", "SHA256SUMS")) as sums:
            listed = dict(reversed(line.split()) for line in sums)
        for path in (self.first["win32.zip"], self.first["win32.msi"]):
            with open(path, "rb") as package:
                self.assertEqual(listed[os.path.basename(path)], hashlib.sha256(package.read()).hexdigest())

    # Unpacked anywhere, the program opens a Russian file, takes typed text, saves it and ends with 0.
    @unittest.skipUnless(RUNS_PE32, "this kernel runs no 32-bit code: the PE32 runs in the pe32 suites")
    def test_zip_unpacked_runs_as_it_is(self):
        session = Session(self, "wine-dist-zip")
        folder = os.path.join(session.drive_c, "Zorn2")
        zipfile.ZipFile(self.first["win32.zip"]).extractall(folder)
        document = os.path.join(session.drive_c, "Письмо.txt")
        text = "Здравствуйте, коллеги!\r\n".encode("cp1251")
        with open(document, "wb") as file:
            file.write(text)
        self.addCleanup(bind_russian_keys())
        program = subprocess.Popen([WINE32, r"C:\Zorn2\zorn2.exe", r"C:\Письмо.txt"])
        self.addCleanup(lambda: program.poll() is None and program.kill())
        focus("[Письмо.txt]-ZORN2", START_SECONDS)
        before = stamp(document)
        xdotool("key", "ctrl+End")
        xdotool("type", "Всем привет")
        xdotool("key", "ctrl+s")
        self.assertEqual(replaced(document, before, 30), text + "Всем привет".encode("cp1251"))
        xdotool("key", "Escape")
        self.assertEqual(program.wait(30), 0)

    # Installed per user as users and administrators install it, the program, its shortcut, its uninstall entry
    # and its "Open with" entries are there; a later package replaces it; removal takes away all the packages
    # put there and nothing else: another program's entry and the user's settings stay.
    def test_msi_installs_upgrades_and_leaves_nothing_behind(self):
        session = Session(self, "wine-dist-msi")
        later = ".".join(self.version.split(".")[:2] + [str(int(self.version.split(".")[2]) + 1)])
        next_msi = dist("next", later)["win32.msi"]
        session.run("reg", "add", r"HKCU\Software\Classes\.txt\OpenWithProgids", "/v", "Other.Text", "/t", "REG_NONE")
        session.run("reg", "add", SETTINGS, "/v", "SizeW", "/t", "REG_DWORD", "/d", "240")  # the user's own font size
        files, user, machine = session.files(), session.keys("HKEY_CURRENT_USER"), session.keys(UNINSTALL_32)

        self.install(session, "/i", self.first["win32.msi"], self.version)
        programs = os.path.join(session.profile, "AppData", "Local", "Programs", "Zorn2")
        self.assertTrue(os.path.isfile(os.path.join(programs, "help", "zorn2.html")))
        shortcut = os.path.join(session.profile, "AppData", "Roaming", "Microsoft", "Windows", "Start Menu",
                                "Programs", "Zorn2.lnk")
        exe = rf"C:\users\{session.user}\AppData\Local\Programs\Zorn2\zorn2.exe"
        with open(shortcut, "rb") as link:
            target = link.read()
        self.assertTrue(exe.encode() in target or exe.encode("utf-16-le") in target, "the shortcut names zorn2.exe")
        command = session.run("reg", "query", r"HKCU\Software\Classes\Zorn2.Text\shell\open\command", "/ve").stdout
        self.assertIn(f'"{exe}" "%1"', command)
        if RUNS_PE32:
            # The program keeps no pipe of ours open.
            subprocess.run([WINE64, "start", shortcut.replace(session.drive_c, "C:").replace("/", "\\")],
                           stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, check=True)
            focus("[БезИмени]-ZORN2", START_SECONDS)
            xdotool("key", "Escape")
            closed("[БезИмени]-ZORN2", 30)

        self.install(session, "/i", next_msi, later)
        self.install(session, "/x", next_msi, None)
        # Windows Installer's own cache folders may stay, empty.
        kept = session.files()
        left = {path for path in kept ^ files
                if not (path in kept and path.endswith("Installer") and not os.listdir(os.path.join(session.drive_c, path)))}
        self.assertEqual(left, set())
        self.assertEqual(session.keys(UNINSTALL_32), machine)
        after = session.keys("HKEY_CURRENT_USER")
        self.assertIn('"SizeW"=dword:000000f0', after[SETTINGS], "the user's settings stay")
        changed = {key for key in after.keys() | user.keys() if after.get(key) != user.get(key)}
        # Wine's own session keys, and Windows Installer's bookkeeping keys, left empty.
        own = {key for key in changed if key.startswith((SETTINGS, r"HKEY_CURRENT_USER\Software\Wine"))
               or key.startswith(r"HKEY_CURRENT_USER\Software\Microsoft\Installer") and after.get(key) == set()}
        self.assertEqual(changed - own, set())

    def install(self, session, action, package, version):
        """msiexec ACTION PACKAGE /qn, then: the one uninstall entry carries `version` (none: there is none)."""
        self.assertEqual(session.run("msiexec", action, "Z:" + package.replace("/", "\\"), "/qn",
                                     check=False).returncode, 0)
        entries = session.run("reg", "query", UNINSTALL, "/s", "/reg:32").stdout.split("\n\n")
        ours = [entry for entry in entries if re.search(r"DisplayName\s+REG_SZ\s+Zorn2$", entry, re.M)]
        self.assertEqual(len(ours), 1 if version else 0, ours)
        if version:
            self.assertRegex(ours[0], rf"(?m)DisplayVersion\s+REG_SZ\s+{re.escape(version)}$")
            self.assertRegex(ours[0], r"Publisher\s+REG_SZ\s+Mirt")


if __name__ == "__main__":
    unittest.main(verbosity=2)
