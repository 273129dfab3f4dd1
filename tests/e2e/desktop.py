"""What the suites that drive zorn2.exe as a user share: xdotool on the session's
display, a key for every Russian letter, waiting for what the program shows,
and the files it saves."""

import os
import string
import subprocess
import time

# xdotool types a character that is on no key by binding it to a spare keycode
# for the press and unbinding it right after. Wine reads the binding from the
# display when it takes the press and again when the program translates it, so
# a program a few milliseconds behind gets no key, no character or the next
# one's. Every Russian letter therefore has a key of its own for the whole run,
# on keys no test uses: grave, semicolon, apostrophe, the extra key of ISO
# keyboards, empty keycodes and unused Japanese and multimedia ones (none is a
# modifier). These 33 are what Wine has distinct spare virtual-key codes for.
RUSSIAN = "ёйцукенгшщзхъфывапролджэячсмитьбю"
RUSSIAN_KEYCODES = (49, 47, 48, 93, 94, 97, 98, 99, 101, 103, 109, 120, 124, 126, 128, 132, 137, 138, 139,
                    140, 141, 142, 143, 144, 145, 147, 148, 149, 150, 151, 152, 153, 154)
TYPABLE = set(RUSSIAN + RUSSIAN.upper() + string.ascii_letters + string.digits + " !#$%&()*+,-./<=>?@[]^_{|}\\")


def xkbcomp(source, target, given=None):
    return subprocess.run(["xkbcomp", "-w", "0", "-xkb", source, target], input=given, capture_output=True,
                          check=True).stdout


def bind_russian_keys():
    """Puts the Russian letters on their keys before the programs start; returns
    the function that gives the display its keyboard map back."""
    saved = xkbcomp(os.environ["DISPLAY"], "-")
    bindings = "".join(f"keycode {code} = U{ord(letter):04X} U{ord(letter.upper()):04X}\n"
                       for code, letter in zip(RUSSIAN_KEYCODES, RUSSIAN))
    subprocess.run(["xmodmap", "-"], input=bindings, text=True, check=True)
    # A display that resets when its last client leaves has dropped them again.
    keymap = subprocess.run(["xmodmap", "-pke"], capture_output=True, text=True, check=True).stdout
    if not all(f"U{ord(letter):04X}" in keymap for letter in RUSSIAN):
        raise RuntimeError("the display did not keep the Russian keys: restart the Wine session (Xvfb -noreset)")
    return lambda: xkbcomp("-", os.environ["DISPLAY"], saved)


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


def titled(title):
    """The xdotool pattern for exactly this window title."""
    return "^" + title.replace("[", r"\[").replace("]", r"\]") + "$"


def focus(title, seconds=10):
    """Waits for the window titled exactly `title` and gives it the keyboard."""
    shown = eventually(lambda: visible_windows(titled(title)), seconds)
    assert shown, f"no window {title} appeared"
    xdotool("windowfocus", "--sync", shown[0])
    return shown[0]


def closed(title, seconds=10):
    assert eventually(lambda: not visible_windows(titled(title)), seconds), f"{title} stayed open"


def menu_command(menu, item):
    """Opens pop-up `menu` (its place in the bar) of the focused window and runs its item at place `item`
    (separators skipped)."""
    xdotool("key", "F10", *["Right"] * menu, "Down", *["Down"] * item, "Return")


def place(window):
    """x, y, width and height of a window on the display."""
    values = dict(line.split("=", 1) for line in xdotool("getwindowgeometry", "--shell", window))
    return tuple(int(values[name]) for name in ("X", "Y", "WIDTH", "HEIGHT"))


def screen(crop):
    """The pixels of a part of the display (WIDTHxHEIGHT+X+Y), 8-bit RGB."""
    return subprocess.run(["import", "-window", "root", "-crop", crop, "-depth", "8", "rgb:-"], capture_output=True,
                          check=True).stdout


def painted(crop):
    """True once two pictures in a row agree: a window is shown before it is painted."""
    pictures = [screen(crop)]

    def still():
        pictures.append(screen(crop))
        return pictures[-1] == pictures[-2]
    return eventually(still, 5)


def windows_path(path):
    """Drive C: for a file of the prefix's own drive, else the Z: drive of the Linux root."""
    drive_c = os.path.join(os.environ.get("WINEPREFIX", "/nonexistent"), "drive_c") + "/"
    if path.startswith(drive_c):
        return "C:\\" + path[len(drive_c):].replace("/", "\\")
    return "Z:" + path.replace("/", "\\")


def stamp(path):
    """None while the program swaps the saved file in."""
    try:
        status = os.stat(path)
    except FileNotFoundError:
        return None
    return status.st_mtime_ns, status.st_size


def replaced(path, before, seconds):
    """The bytes of the file once it no longer has the stamp taken before; None if it kept it."""
    if not eventually(lambda: stamp(path) not in (before, None), seconds):
        return None
    with open(path, "rb") as file:
        return file.read()
