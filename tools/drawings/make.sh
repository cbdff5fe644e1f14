#!/usr/bin/env bash
# Rebuilds the section drawings and the logo in resources/Drawings/.
# The generator is built in a temporary folder; Qt writes no GIF, so the logo goes through
# ImageMagick.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
out="$root/resources/Drawings"

if ! command -v convert >/dev/null 2>&1; then
    echo "make.sh: ImageMagick 'convert' is needed (apt-get install -y imagemagick)" >&2
    exit 1
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

cmake -S "$here" -B "$work/build" -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$work/build" -j"$(nproc)" >/dev/null

mkdir -p "$out"
QT_QPA_PLATFORM=offscreen "$work/build/make_drawings" "$out" "$work/vendrik.png"
# One flat frame on white; no transparency, the report prints it on white paper.
convert "$work/vendrik.png" -background white -flatten +dither -colors 64 "$out/vendrik.gif"
ls -l "$out"
# The menu icon: the logo on a white square.
convert "$out/vendrik.gif" -background white -gravity center -extent 80x80 -resize 64x64 \
    "$root/desktop/kordelan.png"
