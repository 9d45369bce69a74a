#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
# Writes a zip of the given files, taken from the current folder in the order given, that
# holds nothing of the machine it was made on: every file dated SOURCE_DATE_EPOCH (the
# commit's time), with no Unix owner or permissions, as a zip made on Windows holds it. So the
# same files make the same bytes.
# Usage: make-zip.py ZIP FILE...
import os
import sys
import time
import zipfile

# A zip's dates are local times with two-second steps, from 1980 on; the commit's time is
# written as the time in UTC, the same on every machine.
written = time.gmtime(max(int(os.environ["SOURCE_DATE_EPOCH"]), 315532800))[:6]

with zipfile.ZipFile(sys.argv[1], "w") as archive:
    for name in sys.argv[2:]:
        entry = zipfile.ZipInfo(name, written)
        entry.create_system = 0  # MS-DOS: no Unix owner or permissions
        entry.external_attr = 0x20  # the archive attribute Windows sets on a new file
        entry.compress_type = zipfile.ZIP_DEFLATED
        with open(name, "rb") as file:
            archive.writestr(entry, file.read(), compresslevel=9)
