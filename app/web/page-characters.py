#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
# Writes every character of the texts the program holds, as its window list gives them
# (program-windows.json: the title, the shell's own texts, and each window's texts), with the
# printable ASCII characters (digits, signs and Latin letters that a figure or a pasted text
# brings) and the left-to-right mark that a negative figure is shown after, so that the page's
# face can be cut down to them.
# Usage: page-characters.py OUTPUT PROGRAM-WINDOWS.json
import json
import sys

with open(sys.argv[2], encoding='utf-8') as file:
    program = json.load(file)
texts = [program['title'], *program['texts']]
for window in program['windows']:
    texts += window['texts']
characters = {chr(code) for code in range(0x20, 0x7F)} | {'\u200e'}
for text in texts:
    characters.update(text)
with open(sys.argv[1], 'w', encoding='utf-8') as output:
    output.write(''.join(sorted(characters)) + '\n')
