#!/usr/bin/env python3
"""Compiles the Windows resource script with MinGW's windres and checks what the
executable will carry: the 32 x 32 16-colour icon, and version information naming
the product Marvolen, version 1.00, language Chinese (PRC).
    python3 scripts/check-windows-resource.py [windres]
"""
import os
import re
import struct
import subprocess
import sys
import tempfile

RT_ICON, RT_GROUP_ICON, RT_VERSION = 3, 14, 16
LANG_CHINESE_PRC = 0x0804
UNICODE_CODEPAGE = 1200


def resources(data):
    """(type, name, language, payload) of each entry of a .res file."""
    pos = 0
    while pos + 8 <= len(data):
        size, header = struct.unpack_from("<II", data, pos)
        fields = data[pos + 8:pos + header]
        ids = []
        offset = 0
        for _ in range(2):  # type, then name: 0xFFFF and an ordinal, or a UTF-16 string
            if struct.unpack_from("<H", fields, offset)[0] == 0xFFFF:
                ids.append(struct.unpack_from("<H", fields, offset + 2)[0])
                offset += 4
            else:
                end = fields.index(b"\0\0", offset)
                end += (end - offset) % 2
                ids.append(fields[offset:end].decode("utf-16-le"))
                offset = end + 2
            offset += offset % 4
        language = struct.unpack_from("<H", fields, offset + 6)[0]
        start = pos + header
        yield ids[0], ids[1], language, data[start:start + size]
        pos = start + size
        pos += (4 - pos % 4) % 4


def fail(message):
    print("windows resource: " + message, file=sys.stderr)
    sys.exit(1)


def main():
    windres = sys.argv[1] if len(sys.argv) > 1 else "x86_64-w64-mingw32-windres"
    app = os.path.join(os.path.dirname(os.path.dirname(os.path.abspath(__file__))), "app")
    with tempfile.TemporaryDirectory() as scratch:
        out = os.path.join(scratch, "marvolen.res")
        subprocess.run([windres, "--include-dir", app, "-O", "res", "-o", out, os.path.join(app, "marvolen.rc")],
                       check=True)
        entries = list(resources(open(out, "rb").read()))

    icons = [payload for kind, _, _, payload in entries if kind == RT_ICON]
    if len(icons) != 1 or not any(kind == RT_GROUP_ICON for kind, *_ in entries):
        fail("expected one icon image and its group")
    width, height, planes, bits = struct.unpack_from("<iiHH", icons[0], 4)
    if (width, height // 2, bits) != (32, 32, 4):
        fail(f"icon is {width} x {height // 2} at {bits} bits a pixel, not 32 x 32 in 16 colours")

    versions = [(language, payload) for kind, _, language, payload in entries if kind == RT_VERSION]
    if len(versions) != 1:
        fail("expected one version resource")
    language, payload = versions[0]
    if language != LANG_CHINESE_PRC:
        fail(f"version resource language is {language:#06x}, not Chinese (PRC)")
    text = payload.decode("utf-16-le", errors="replace")
    # A String entry: its key, NUL, padding to 32 bits, then its value and NUL.
    for key, value in (("ProductName", "Marvolen"), ("ProductVersion", "1.00")):
        if not re.search(re.escape(key) + "\x00{1,2}" + re.escape(value) + "\x00", text):
            fail(f"version resource lacks {key} {value}")
    if "080404B0" not in text:
        fail("version resource lacks the string table for Chinese (PRC), Unicode")
    if struct.pack("<HH", LANG_CHINESE_PRC, UNICODE_CODEPAGE) not in payload:
        fail("version resource lacks the translation Chinese (PRC), Unicode")
    print("windows resource: icon 32 x 32, 16 colours; Marvolen 1.00, Chinese (PRC)")


if __name__ == "__main__":
    main()
