#!/usr/bin/env bash
# Draws the program's icon (a red-on-black clock face) and writes assets/orvanta.ico.
# Run once by hand when the icon changes; the .ico is committed.
#
# Every size is stored as a PNG, not as an uncompressed bitmap with a mask: Windows reads PNG
# entries of any size since Vista, and the exe is some 12 KB smaller for it.
set -euo pipefail
cd "$(dirname "$0")"
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
sizes="16 32 48 256"
for size in $sizes; do
    c=$(( size / 2 ))
    r=$(( size * 15 / 32 ))
    w=$(( size > 32 ? size / 16 : 1 ))
    convert -size ${size}x${size} xc:none \
        -fill black -stroke '#c00000' -strokewidth $w -draw "circle $c,$c $c,$(( c - r ))" \
        -stroke '#ff2020' -strokewidth $(( w + (size >= 32 ? 1 : 0) )) \
        -draw "line $c,$c $c,$(( c - r * 3 / 4 ))" \
        -draw "line $c,$c $(( c + r / 2 )),$c" \
        -strip -define png:compression-level=9 -define png:exclude-chunks=date,time \
        "PNG32:$tmp/icon-$size.png"
done
# The icon file: a directory of entries, each pointing at its PNG's bytes.
python3 - "$tmp" $sizes <<'PY'
import struct, sys
folder, sizes = sys.argv[1], [int(s) for s in sys.argv[2:]]
images = [open("{}/icon-{}.png".format(folder, s), "rb").read() for s in sizes]
offset = 6 + 16 * len(images)
out = struct.pack("<HHH", 0, 1, len(images))
for size, image in zip(sizes, images):
    out += struct.pack("<BBBBHHII", size % 256, size % 256, 0, 0, 1, 32, len(image), offset)
    offset += len(image)
open("orvanta.ico", "wb").write(out + b"".join(images))
PY
