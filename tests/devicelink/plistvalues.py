#!/usr/bin/env python3
"""Prints the values of plist files as a JSON list, read without the plist library the device library
uses: "raw" maps each path of the binary form to the bytes of its object (a container to its
kind), "values" maps each path to what Python's plistlib reads there (null when it cannot read
the file). Paths name dictionary keys, and array positions in brackets; the paths under
Ringtones that --ignore names ("PLAN.m4r/Name") are left out."""

import argparse
import json
import plistlib
import sys


def binary_objects(data):
    """Path -> hex bytes of each leaf object, or the container's kind: the walk follows the
    trailer's references; each object ends where the next one starts."""
    trailer = data[-32:]
    offset_size, ref_size = trailer[6], trailer[7]
    count = int.from_bytes(trailer[8:16], "big")
    root = int.from_bytes(trailer[16:24], "big")
    table = int.from_bytes(trailer[24:32], "big")
    offsets = [int.from_bytes(data[table + i * offset_size:table + (i + 1) * offset_size], "big")
               for i in range(count)]
    starts = sorted(set(offsets))
    ends = dict(zip(starts, starts[1:] + [table]))

    def length_at(pos):
        low = data[pos] & 0x0F
        if low != 0x0F:
            return low, pos + 1
        width = 1 << (data[pos + 1] & 0x0F)
        return int.from_bytes(data[pos + 2:pos + 2 + width], "big"), pos + 2 + width

    def refs(pos, n):
        return [int.from_bytes(data[pos + i * ref_size:pos + (i + 1) * ref_size], "big")
                for i in range(n)]

    def leaf(index):
        start = offsets[index]
        return data[start:ends[start]]

    out = {}

    def walk(index, path):
        pos = offsets[index]
        kind = data[pos] >> 4
        if kind in (0xA, 0xB, 0xC):
            n, first = length_at(pos)
            out[path] = "container %X" % kind
            for i, ref in enumerate(refs(first, n)):
                walk(ref, "%s/[%d]" % (path, i))
        elif kind == 0xD:
            n, first = length_at(pos)
            out[path] = "container D"
            both = refs(first, 2 * n)
            for key, value in zip(both[:n], both[n:]):
                walk(value, "%s/%s" % (path, leaf(key).hex()))
        else:
            out[path] = leaf(index).hex()

    walk(root, "")
    return out


def plain(value):
    if isinstance(value, bytes):
        return "data " + value.hex()
    if isinstance(value, float):
        return "real " + value.hex()
    if isinstance(value, plistlib.UID):
        return "uid %d" % value.data
    return "%s %r" % (type(value).__name__, value)


def readable_values(data):
    try:
        root = plistlib.loads(data)
    except Exception:  # noqa: BLE001 - any failure means plistlib cannot read it
        return None
    out = {}

    def walk(value, path):
        if isinstance(value, dict):
            out[path] = "dict"
            for key, item in value.items():
                name = key if isinstance(key, str) else repr(key)
                walk(item, "%s/%s" % (path, name.encode("utf-8", "surrogatepass").hex()))
        elif isinstance(value, list):
            out[path] = "array"
            for i, item in enumerate(value):
                walk(item, "%s/[%d]" % (path, i))
        else:
            out[path] = plain(value)

    walk(root, "")
    return out


def ascii_key(name):
    """A short ASCII key as the binary form writes it."""
    assert len(name) < 15 and name.isascii()
    return (bytes([0x50 | len(name)]) + name.encode()).hex()


def utf8_key(name):
    return name.encode().hex()


def without(paths, ignored, encode):
    if paths is None:
        return None
    prefixes = ["/" + "/".join(encode(name) for name in ["Ringtones"] + path.split("/"))
                for path in ignored]
    return {path: value for path, value in paths.items()
            if not any(path == p or path.startswith(p + "/") for p in prefixes)}


def read(name, ignored):
    with open(name, "rb") as f:
        data = f.read()
    raw = binary_objects(data) if data.startswith(b"bplist00") else None
    return {"raw": without(raw, ignored, ascii_key),
            "values": without(readable_values(data), ignored, utf8_key)}


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("files", nargs="+")
    parser.add_argument("--ignore", action="append", default=[])
    args = parser.parse_args()
    json.dump([read(name, args.ignore) for name in args.files], sys.stdout, sort_keys=True)
    return 0


if __name__ == "__main__":
    sys.exit(main())
