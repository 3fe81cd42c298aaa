#!/usr/bin/env bash
# Draws the program's icon (a red-on-black clock face) and writes assets/orvanta.ico.
# Run once by hand when the icon changes; the .ico is committed.
set -euo pipefail
cd "$(dirname "$0")"
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
for size in 16 32 48 256; do
    c=$(( size / 2 ))
    r=$(( size * 15 / 32 ))
    w=$(( size > 32 ? size / 16 : 1 ))
    convert -size ${size}x${size} xc:none \
        -fill black -stroke '#c00000' -strokewidth $w -draw "circle $c,$c $c,$(( c - r ))" \
        -stroke '#ff2020' -strokewidth $(( w + (size >= 32 ? 1 : 0) )) \
        -draw "line $c,$c $c,$(( c - r * 3 / 4 ))" \
        -draw "line $c,$c $(( c + r / 2 )),$c" \
        "$tmp/icon-$size.png"
done
convert "$tmp"/icon-16.png "$tmp"/icon-32.png "$tmp"/icon-48.png "$tmp"/icon-256.png orvanta.ico
