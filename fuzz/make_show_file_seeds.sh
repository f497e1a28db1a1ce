#!/usr/bin/env bash
# Writes the show file fuzz target's seeds into fuzz/corpus/show_file/ (committed): a stub and two
# files (a Chinese name, an empty file), no file at all, a name outside the folder. Needs python3.
set -euo pipefail
corpus=$(cd "$(dirname "$0")" && pwd)/corpus/show_file
mkdir -p "$corpus"
python3 - "$corpus" <<'PY'
import struct, sys, zlib
def show(stub, files):
    body, index = stub, b''
    for name, data in files:
        index += struct.pack('<H', len(name.encode())) + name.encode()
        index += struct.pack('<QQI', len(body), len(data), zlib.crc32(data))
        body += data
    trailer = struct.pack('<16sQQQI', b'GLINTSHOW1', len(stub), len(body), len(index), len(files))
    body += index
    return body + (trailer + struct.pack('<I', zlib.crc32(body))).ljust(64, b'\0')
seeds = {'two-files': show(b'#!/bin/sh\n', [('海边 1.jpg', b'\xff\xd8photo'), ('pb.dat', b'')]),
         'no-files': show(b'MZ', []), 'unsafe-name': show(b'', [('../evil', b'x')])}
for name, data in seeds.items():
    open(f'{sys.argv[1]}/{name}', 'wb').write(data)
PY
