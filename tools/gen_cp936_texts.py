#!/usr/bin/env python3
"""Turns a list of UTF-8 texts into a C++ header holding them as code page
936 bytes, all inside one constant record so that the program knows the
address range of its literal texts.

Each line of the definitions file is `Name text`; the text runs to the end of
the line, `\\r` and `\\n` stand for CR and LF, and `#` starts a comment line.
"""
import sys


def unescape(text):
    return text.replace("\\r", "\r").replace("\\n", "\n")


def c_bytes(data):
    return "".join(chr(b) if 0x20 <= b < 0x7F and chr(b) not in '"\\?' else f'\\x{b:02X}""' for b in data)


def main(source, header):
    entries = []
    with open(source, encoding="utf-8") as lines:
        for line in lines:
            line = line.rstrip("\n")
            if not line.strip() or line.startswith("#"):
                continue
            name, _, text = line.partition(" ")
            entries.append((name, unescape(text), unescape(text).encode("cp936")))
    out = ["// Generated from texts.def at build time; edit that file instead.",
           "#pragma once", "", "namespace quorvane {", "",
           "struct ConstantTexts {"]
    out += [f"  char {name}[{len(data) + 1}];  // {text!r}" for name, text, data in entries]
    out += ["};", "", "inline constexpr ConstantTexts kTexts = {"]
    out += [f'    "{c_bytes(data)}",' for _, _, data in entries]
    out += ["};", "", "}  // namespace quorvane", ""]
    with open(header, "w", encoding="utf-8") as f:
        f.write("\n".join(out))


if __name__ == "__main__":
    main(sys.argv[1], sys.argv[2])
