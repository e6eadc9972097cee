# SPDX-License-Identifier: GPL-3.0-or-later
"""Prints a Windows version record (VS_VERSIONINFO, as wrestool -x --raw --type=16 extracts it) as
key=value lines: the fixed file and product versions, the string block with its strings, the
translation. scripts/windows compares them with the design. Usage: versionrecord.py RECORD.bin"""
import struct
import sys

TEXT = 1  # a node whose value is UTF-16 text, its length counted in characters


def align(at):
    return (at + 3) & ~3


def node(data, at):
    """(key, value, children) of the node at `at`; a node that does not fit its record raises."""
    length, value_length, kind = struct.unpack_from("<HHH", data, at)
    end = data.find(b"\0\0", at + 6)
    while end >= 0 and (end - at) % 2:
        end = data.find(b"\0\0", end + 1)
    if length < 6 or at + length > len(data) or not at + 6 <= end < at + length:
        raise ValueError(f"no node fits at {at}")
    value_at = align(end + 2)
    value = data[value_at:value_at + (value_length * 2 if kind == TEXT else value_length)]
    children, child = [], align(value_at + len(value))
    while child < at + length:
        children.append(node(data, child))
        child = align(child + struct.unpack_from("<H", data, child)[0])
    return data[at + 6:end].decode("utf-16-le"), value, children


def version(most, least):
    return f"{most >> 16}.{most & 0xFFFF}.{least >> 16}.{least & 0xFFFF}"


with open(sys.argv[1], "rb") as record:
    data = record.read()
try:
    key, fixed, blocks = node(data, 0)
    signature, _, file_ms, file_ls, product_ms, product_ls = struct.unpack_from("<6I", fixed)
except (ValueError, struct.error) as error:
    sys.exit(f"{sys.argv[1]}: not a version record ({error})")
if key != "VS_VERSION_INFO" or signature != 0xFEEF04BD:
    sys.exit(f"{sys.argv[1]}: not a version record ({key!r}, signature {signature:#x})")
print(f"fixed-file-version={version(file_ms, file_ls)}")
print(f"fixed-product-version={version(product_ms, product_ls)}")
for name, _, children in blocks:
    for child_key, child_value, entries in children:
        if name == "StringFileInfo":
            print(f"block={child_key}")
            for entry_key, entry_value, _ in entries:
                print(f"{entry_key}={entry_value.decode('utf-16-le').rstrip(chr(0))}")
        elif name == "VarFileInfo" and child_key == "Translation":
            language, codepage = struct.unpack_from("<HH", child_value)
            print(f"translation={language:04X},{codepage:04X}")
