#!/usr/bin/env python3
"""Lists the includes of every source under src/ and fails on one that climbs: a file may
include its own layer and the layers below it, never one above.

  scripts/check-layers.py [--list]     --list prints every include with its two layers

The layers, lowest first, are the folders of src/layers.txt (a file belongs to the longest that
holds it); the Windows and the POSIX edge never include each other.
"""
import os
import re
import sys

TOP = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
SRC = os.path.join(TOP, "src")



def read_layers():
    with open(os.path.join(SRC, "layers.txt"), encoding="utf-8") as f:
        return [line.strip() for line in f if line.strip() and not line.startswith("#")]


LAYERS = read_layers()
# Implementations of the same interfaces for two systems never meet.
APART = {frozenset(("platform/posix", "platform/win32"))}
INCLUDE = re.compile(r'^\s*#\s*include\s+"([^"]+)"')


def layer_of(path):
    """The layer of a path relative to src/, or None."""
    best = None
    for layer in LAYERS:
        if path == layer or path.startswith(layer + "/"):
            if best is None or len(layer) > len(best):
                best = layer
    return best


def main():
    listing = "--list" in sys.argv[1:]
    rank = {layer: i for i, layer in enumerate(LAYERS)}
    climbs, unknown, total = [], [], 0
    for folder, _, files in os.walk(SRC):
        for name in sorted(files):
            if not name.endswith((".h", ".cpp", ".rc")):
                continue
            fuzz_target = name.endswith("_fuzzer.cpp")
            path = os.path.join(folder, name)
            relative = os.path.relpath(path, SRC).replace(os.sep, "/")
            here = layer_of(relative)
            if here is None:
                unknown.append("%s: in no layer" % relative)
                continue
            with open(path, encoding="utf-8", errors="replace") as f:
                for number, line in enumerate(f, 1):
                    match = INCLUDE.match(line)
                    if not match:
                        continue
                    target = match.group(1)
                    there = layer_of(target)
                    if there is None:
                        if fuzz_target and target.startswith("support/"):
                            continue  # a fuzz target checks its properties with the tests' helpers
                        if "/" in target:
                            unknown.append("%s:%d includes %s, in no layer" % (relative, number, target))
                        continue  # a file beside it, or a generated one named without a folder
                    total += 1
                    if listing:
                        print("%s:%d %s -> %s (%s)" % (relative, number, here, there, target))
                    if rank[there] > rank[here] or frozenset((here, there)) in APART:
                        climbs.append("%s:%d includes %s: %s reaches up to %s" % (relative, number, target, here, there))
    for problem in unknown + climbs:
        print(problem)
    print("%d includes checked, %d climb" % (total, len(climbs)))
    return 1 if climbs or unknown else 0


if __name__ == "__main__":
    sys.exit(main())
