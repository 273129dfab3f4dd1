#!/usr/bin/env python3
"""Checks the resources Windows reads from zorn2.exe before and after it starts.

Windows refuses to start a program whose manifest is malformed (Wine skips it), so the
manifest is parsed as XML and its settings are checked; the version resource must carry
the project's version (CMakeCache.txt beside the program, when there) and the icon every
frame size Explorer and the taskbar ask for.

    check-resources.py zorn2.exe
"""
import re
import struct
import sys
import xml.etree.ElementTree as ET
from pathlib import Path

RT_GROUP_ICON, RT_VERSION, RT_MANIFEST = 14, 16, 24
ICON_SIZES = {16, 20, 24, 32, 40, 48, 64, 256}
ASM_V1 = "urn:schemas-microsoft-com:asm.v1"
ASM_V3 = "urn:schemas-microsoft-com:asm.v3"
SETTINGS_2005 = "http://schemas.microsoft.com/SMI/2005/WindowsSettings"
SETTINGS_2016 = "http://schemas.microsoft.com/SMI/2016/WindowsSettings"
SUPPORTED_OS = {  # Windows 7, 8, 8.1, and 10 with 11
    "{35138b9a-5d96-4fbd-8e2d-a2440225f93a}", "{4a2f28e3-53b9-4441-ba9c-d69d4a4a6e38}",
    "{1f676c76-80e1-4239-95bb-83d0f6d0da78}", "{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}",
}


class Failure(Exception):
    pass


def resources(image):
    """{(type, id): [data of each language]} from the PE resource directory (numeric ids only)."""
    pe = struct.unpack_from("<I", image, 0x3C)[0]
    if image[pe:pe + 4] != b"PE\0\0":
        raise Failure("not a PE image")
    sections, optional_size = struct.unpack_from("<H12xH", image, pe + 6)
    optional = pe + 24
    directories = optional + (96 if struct.unpack_from("<H", image, optional)[0] == 0x10B else 112)
    root_rva = struct.unpack_from("<I", image, directories + 2 * 8)[0]
    table = [struct.unpack_from("<8xIIII", image, optional + optional_size + 40 * i) for i in range(sections)]

    def offset(rva):
        for size, address, raw_size, raw in table:
            if address <= rva < address + max(size, raw_size):
                return raw + rva - address
        raise Failure(f"address {rva:#x} is in no section")

    base = offset(root_rva)

    def entries(directory):
        named, numbered = struct.unpack_from("<12xHH", image, base + directory)
        for i in range(named + numbered):
            name, target = struct.unpack_from("<II", image, base + directory + 16 + 8 * i)
            yield name, target

    found = {}
    for kind, types in entries(0):
        for name, names in entries(types & 0x7FFFFFFF):
            for _, leaf in entries(names & 0x7FFFFFFF):
                rva, size = struct.unpack_from("<II", image, base + leaf)
                found.setdefault((kind, name), []).append(image[offset(rva):offset(rva) + size])
    return found


def check_manifest(found):
    manifests = [data for (kind, _), datas in found.items() if kind == RT_MANIFEST for data in datas]
    if len(manifests) != 1:
        raise Failure(f"{len(manifests)} manifests, not one")
    try:
        root = ET.fromstring(manifests[0])
    except ET.ParseError as error:
        raise Failure(f"the manifest is not well-formed XML: {error}")
    if root.tag != f"{{{ASM_V1}}}assembly" or root.get("manifestVersion") != "1.0":
        raise Failure("the manifest's root is not an asm.v1 assembly of version 1.0")

    def text(path):
        element = root.find(path)
        return (element.text or "").strip() if element is not None else None

    controls = [identity.attrib for identity in root.iterfind(f"{{{ASM_V1}}}dependency/{{{ASM_V1}}}dependentAssembly/"
                                                              f"{{{ASM_V1}}}assemblyIdentity")]
    if not any(c.get("name") == "Microsoft.Windows.Common-Controls" and c.get("version") == "6.0.0.0" and
               c.get("publicKeyToken") == "6595b64144ccf1df" for c in controls):
        raise Failure("the manifest asks for no common controls of version 6")
    level = root.find(f"{{{ASM_V3}}}trustInfo/{{{ASM_V3}}}security/{{{ASM_V3}}}requestedPrivileges/"
                      f"{{{ASM_V3}}}requestedExecutionLevel")
    if level is None or level.get("level") != "asInvoker":
        raise Failure("the manifest does not run the program asInvoker")
    settings = f"{{{ASM_V3}}}application/{{{ASM_V3}}}windowsSettings/"
    awareness = [mode.strip().lower() for mode in (text(settings + f"{{{SETTINGS_2016}}}dpiAwareness") or "").split(",")]
    if awareness[0] != "permonitorv2" or text(settings + f"{{{SETTINGS_2005}}}dpiAware") != "true":
        raise Failure("the manifest is not aware of each monitor's DPI (v2, with dpiAware true before it)")
    if text(settings + f"{{{SETTINGS_2016}}}longPathAware") != "true":
        raise Failure("the manifest is not long-path aware")
    listed = {os.get("Id") for os in root.iterfind("{urn:schemas-microsoft-com:compatibility.v1}compatibility/"
                                                   "{urn:schemas-microsoft-com:compatibility.v1}application/"
                                                   "{urn:schemas-microsoft-com:compatibility.v1}supportedOS")}
    if listed != SUPPORTED_OS:
        raise Failure(f"the manifest's supported systems are {sorted(listed)}")


def check_version(found, exe):
    data = found.get((RT_VERSION, 1), [b""])[0]
    fixed = data.find(struct.pack("<I", 0xFEEF04BD))
    if fixed < 0:
        raise Failure("no version resource")
    ms, ls = struct.unpack_from("<II", data, fixed + 8)
    version = f"{ms >> 16}.{ms & 0xFFFF}.{ls >> 16}"
    strings = data.decode("utf-16-le", errors="replace")
    for key in ("ProductName", "FileDescription", "LegalCopyright", "OriginalFilename", "ProductVersion"):
        if key not in strings:
            raise Failure(f"the version resource has no {key}")
    cache = Path(exe).parent / "CMakeCache.txt"
    if cache.is_file():
        project = re.search(r"^CMAKE_PROJECT_VERSION:STATIC=(.*)$", cache.read_text(), re.M)
        if project and project.group(1) != version:
            raise Failure(f"the version resource says {version}, the project {project.group(1)}")
    return version


def check_icon(found):
    group = found.get((RT_GROUP_ICON, 1), [b""])[0]
    if len(group) < 6:
        raise Failure("no icon 1")
    count = struct.unpack_from("<H", group, 4)[0]
    sizes = {struct.unpack_from("<B", group, 6 + 14 * i)[0] or 256 for i in range(count)}
    if sizes != ICON_SIZES:
        raise Failure(f"icon 1 has frames of {sorted(sizes)} pixels, not {sorted(ICON_SIZES)}")


def main(exe):
    try:
        found = resources(Path(exe).read_bytes())
        check_manifest(found)
        version = check_version(found, exe)
        check_icon(found)
    except (Failure, struct.error) as error:
        print(f"check-resources: {exe}: {error}", file=sys.stderr)
        return 1
    print(f"check-resources: {exe} has a well-formed manifest, version {version} and every icon size")
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1]) if len(sys.argv) == 2 else "usage: check-resources.py zorn2.exe")
