#!/usr/bin/env python3
"""Turns the UTF-8 string table into CP932 bytes: a C++ table and an id header.

  gen_strings.py STRINGS.txt OUT_DIR VERSION     @VERSION@ in a text becomes VERSION (e.g. 5.0)
"""
import os
import sys


def unescape(text, where):
    out, i = [], 0
    while i < len(text):
        c = text[i]
        if c == "\\":
            nxt = text[i + 1:i + 2]
            mapping = {"n": "\n", "t": "\t", "\\": "\\"}
            if nxt not in mapping:
                sys.exit(f"{where}: unknown escape \\{nxt}")
            out.append(mapping[nxt])
            i += 2
        else:
            out.append(c)
            i += 1
    return "".join(out)


def c_literal(data):
    # Octal escapes for every non-ASCII or special byte: never ambiguous with what follows.
    parts = []
    for b in data:
        ch = chr(b)
        if b < 0x20 or b >= 0x7F or ch in '"\\?':
            parts.append("\\%03o" % b)
        else:
            parts.append(ch)
    return '"' + "".join(parts) + '"'


def main():
    source, out_dir, version = sys.argv[1], sys.argv[2], sys.argv[3]
    entries, seen_ids, seen_names = [], set(), set()
    with open(source, encoding="utf-8") as f:
        for number, line in enumerate(f, 1):
            line = line.rstrip("\r\n")
            if not line or line.startswith("#"):
                continue
            fields = line.split("\t", 2)
            where = f"{source}:{number}"
            if len(fields) != 3:
                sys.exit(f"{where}: expected id, name and text separated by tabs")
            ident, name, text = int(fields[0]), fields[1], unescape(fields[2], where).replace("@VERSION@", version)
            if ident in seen_ids or name in seen_names:
                sys.exit(f"{where}: duplicate id or name")
            seen_ids.add(ident)
            seen_names.add(name)
            try:
                data = text.encode("cp932")
            except UnicodeEncodeError as e:
                sys.exit(f"{where}: not representable in CP932: {e}")
            entries.append((ident, name, data))
    entries.sort(key=lambda entry: entry[0])  # LoadText searches the table by id
    os.makedirs(os.path.join(out_dir, "base"), exist_ok=True)
    header = ["// Generated from src/base/strings.txt. Do not edit.", "#pragma once", "",
              "namespace mogura {", "", "enum StringId : int {"]
    header += [f"  {name} = {ident}," for ident, name, _ in entries]
    header += ["};", "", "}  // namespace mogura", ""]
    table = ["// Generated from src/base/strings.txt. Do not edit.", '#include "base/string_table.h"', "",
             "namespace mogura {", "", "const StringEntry kStringTable[] = {"]
    table += [f"    {{{ident}, {c_literal(data)}, {len(data)}}}," for ident, _, data in entries]
    table += ["};", f"const int kStringTableSize = {len(entries)};", "", "}  // namespace mogura", ""]
    write_if_changed(os.path.join(out_dir, "base", "string_ids.h"), "\n".join(header))
    write_if_changed(os.path.join(out_dir, "string_table.cpp"), "\n".join(table))


def write_if_changed(path, text):
    try:
        with open(path, encoding="ascii") as f:
            if f.read() == text:
                return
    except OSError:
        pass
    with open(path, "w", encoding="ascii", newline="\n") as f:
        f.write(text)


if __name__ == "__main__":
    main()
