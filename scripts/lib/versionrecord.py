# SPDX-License-Identifier: GPL-3.0-or-later
"""Prints a Windows version record (a VS_VERSIONINFO resource, as wrestool -x --raw --type=16 extracts
it from an executable) as key=value lines: the fixed file and product versions, the string block's name
with each of its strings, and the translation. scripts/windows compares them with the design.
Usage: python3 versionrecord.py VERSION.bin"""
import struct
import sys

FIXED_SIGNATURE = 0xFEEF04BD
TEXT = 1  # a node whose value is UTF-16 text, its length counted in characters


def align(at):
    return (at + 3) & ~3


def node(data, at):
    """The node at `at`: its key, value and children, each child a node in turn. A node that runs past
    the record, or a child of no length, is not a version record."""
    length, value_length, kind = struct.unpack_from("<HHH", data, at)
    if at + length > len(data):
        raise ValueError(f"a node at {at} runs past the record's end")
    end = at + 6
    while data[end:end + 2] != b"\0\0":
        end += 2
        if end >= at + length:
            raise ValueError(f"the key at {at} has no end")
    key = data[at + 6:end].decode("utf-16-le")
    value_at = align(end + 2)
    value = data[value_at:value_at + (value_length * 2 if kind == TEXT else value_length)]
    children, child = [], align(value_at + len(value))
    while child < at + length:
        children.append(node(data, child))
        child_length = struct.unpack_from("<H", data, child)[0]
        if child_length == 0:
            raise ValueError(f"the node at {child} has no length")
        child = align(child + child_length)
    return key, value, children


def version(most, least):
    return f"{most >> 16}.{most & 0xFFFF}.{least >> 16}.{least & 0xFFFF}"


def main(path):
    with open(path, "rb") as record:
        data = record.read()
    try:
        key, fixed, blocks = node(data, 0)
    except (ValueError, struct.error) as error:
        sys.exit(f"{path}: not a version record ({error})")
    if key != "VS_VERSION_INFO":
        sys.exit(f"{path}: not a version record ({key!r})")
    signature, _, file_ms, file_ls, product_ms, product_ls = struct.unpack_from("<6I", fixed)
    if signature != FIXED_SIGNATURE:
        sys.exit(f"{path}: the fixed record's signature is {signature:#x}")
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


if __name__ == "__main__":
    main(sys.argv[1])
