"""A scratch copy of the tree for planting faults: only files that differ are rewritten
(with a fresh time, so an object built from an older copy is never taken for newer), and
files the tree no longer has leave the copy, whose build directories stay."""
import shutil
import subprocess
from pathlib import Path

ROOT = Path(__file__).resolve().parent.parent


def sync(scratch, *git_ls_files_arguments):
    """Brings `scratch` up to date with the files `git ls-files` lists for the arguments."""
    listed = subprocess.run(["git", "-C", str(ROOT), "ls-files", "-z", *git_ls_files_arguments], check=True,
                            capture_output=True).stdout.decode().split("\0")
    wanted = {name for name in listed if name and (ROOT / name).is_file()}
    for name in wanted:
        source, target = ROOT / name, scratch / name
        data = source.read_bytes()
        if not target.is_file() or target.read_bytes() != data:
            target.parent.mkdir(parents=True, exist_ok=True)
            target.write_bytes(data)
            shutil.copymode(source, target)
    for target in scratch.rglob("*"):
        name = str(target.relative_to(scratch))
        if target.is_file() and not name.startswith("build/") and name not in wanted:
            target.unlink()
