#!/usr/bin/python3
# The icon group and version information of the Windows programs, read back from the
# built .exe files (Debian's python3-pefile). Fails on any difference.
# Usage: check-resources.py Quillary.exe quillary-cli.exe Quillary.ico
import hashlib
import struct
import sys

import pefile

RT_ICON, RT_GROUP_ICON, RT_VERSION = 3, 14, 16
problems = []


def check(what, got, expected):
    if got != expected:
        problems.append(f"{what}: {got!r}, expected {expected!r}")


def resources(pe, type_id):
    """{name or id: bytes of the first language} of one resource type."""
    found = {}
    for entry in pe.DIRECTORY_ENTRY_RESOURCE.entries:
        if entry.id != type_id:
            continue
        for named in entry.directory.entries:
            key = str(named.name) if named.name is not None else named.id
            data = named.directory.entries[0].data.struct
            found[key] = pe.get_data(data.OffsetToData, data.Size)
    return found


def ico_images(path):
    """(width, height, colours, planes, bit count, image bytes) of each image of an .ico file."""
    data = open(path, "rb").read()
    _, kind, count = struct.unpack_from("<HHH", data, 0)
    assert kind == 1, f"{path} is no icon file"
    images = []
    for i in range(count):
        w, h, colours, _, planes, bits, size, offset = struct.unpack_from("<BBBBHHII", data, 6 + 16 * i)
        images.append((w, h, colours, planes, bits, hashlib.sha256(data[offset:offset + size]).hexdigest()[:16]))
    return images


def check_icon(pe, ico):
    groups = resources(pe, RT_GROUP_ICON)
    check("icon groups", sorted(groups), ["IDI_ICON1"])
    if "IDI_ICON1" not in groups:
        return
    group = groups["IDI_ICON1"]
    count = struct.unpack_from("<H", group, 4)[0]
    icons = resources(pe, RT_ICON)
    images = []
    for i in range(count):
        w, h, colours, _, planes, bits, size, icon_id = struct.unpack_from("<BBBBHHIH", group, 6 + 14 * i)
        images.append((w, h, colours, planes, bits, hashlib.sha256(icons.get(icon_id, b"")[:size]).hexdigest()[:16]))
    expected = ico_images(ico)
    check("number of images in IDI_ICON1", len(images), 6)
    for i, (got, want) in enumerate(zip(images, expected)):
        check(f"IDI_ICON1 image {i + 1} ({want[0] or 256}x{want[1] or 256}, {want[4]} bits)", got, want)


def check_version(pe, name, description):
    label = name + ".exe"
    fixed = pe.VS_FIXEDFILEINFO[0]
    check(f"{label} FileVersion (numeric)", (fixed.FileVersionMS, fixed.FileVersionLS), (0x00010002, 0x00000000))
    check(f"{label} ProductVersion (numeric)", (fixed.ProductVersionMS, fixed.ProductVersionLS), (0x00010002, 0))
    tables, translations = {}, []
    for info in pe.FileInfo[0]:
        if info.Key == b"StringFileInfo":
            for table in info.StringTable:
                tables[table.LangID.decode()] = {k.decode(): v.decode() for k, v in table.entries.items()}
        elif info.Key == b"VarFileInfo":
            for var in info.Var:
                for key, value in var.entry.items():
                    if key in (b"Translation", "Translation"):
                        translations.append(value.decode() if isinstance(value, bytes) else value)
    check(f"{label} string tables", sorted(tables), ["040904E4"])
    check(f"{label} strings", tables.get("040904E4"), {
        "CompanyName": "Halvex",
        "FileDescription": description,
        "FileVersion": "1.2.0.0",
        "InternalName": name,
        "OriginalFilename": name + ".exe",
        "ProductName": "Quillary",
        "ProductVersion": "1.2.0.0",
    })
    check(f"{label} translation", translations, ["0x0400 0x04e4"])


program, cli, ico = sys.argv[1:4]
for path, name, description in ((program, "Quillary", "Quillary"),
                                (cli, "quillary-cli", "Quillary command-line tool")):
    pe = pefile.PE(path)
    check_icon(pe, ico)
    check_version(pe, name, description)
for problem in problems:
    print("FAIL:", problem)
if problems:
    sys.exit(1)
print("PASS: icon group IDI_ICON1 with the six images of Quillary.ico and the version resources of both programs")
