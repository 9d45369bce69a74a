#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
# Writes every character that the program's texts hold, read from the string literals of the
# given C++ sources, with the printable ASCII characters (digits, signs and Latin letters that
# a figure or a pasted text brings), so that the page's face can be cut down to them.
# Usage: page-characters.py OUTPUT SOURCE...
import re
import sys

LITERAL = re.compile(r'"((?:[^"\\\n]|\\.)*)"')
ESCAPE = re.compile(r'\\(u[0-9A-Fa-f]{4}|U[0-9A-Fa-f]{8})')

characters = {chr(code) for code in range(0x20, 0x7F)}
for source in sys.argv[2:]:
    with open(source, encoding='utf-8') as file:
        for literal in LITERAL.finditer(file.read()):
            text = ESCAPE.sub(lambda escape: chr(int(escape.group(1)[1:], 16)), literal.group(1))
            characters.update(text)
with open(sys.argv[1], 'w', encoding='utf-8') as output:
    output.write(''.join(sorted(characters)) + '\n')
