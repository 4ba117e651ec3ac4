#!/usr/bin/env bash
# Draws the application icon (a film reel with a strip of film drifting off
# it) and writes res/driftreel.ico with 16, 32 and 48 pixel images.
set -euo pipefail
out=${1:-$(cd "$(dirname "$0")" && pwd)/driftreel.ico}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# Holes of the reel: five around the hub, 72 degrees apart.
holes=""
for a in 90 162 234 306 18; do
  x=$(awk -v a="$a" 'BEGIN { printf "%.1f", 112 + 52 * cos(a * 3.14159265 / 180) }')
  y=$(awk -v a="$a" 'BEGIN { printf "%.1f", 112 - 52 * sin(a * 3.14159265 / 180) }')
  holes+="circle $x,$y $x,$(awk -v y="$y" 'BEGIN { print y + 22 }') "
done

convert -size 256x256 xc:none \
  -stroke '#7a4a10' -strokewidth 6 -fill '#e9a53b' \
  -draw "path 'M 150,180 C 190,200 205,225 250,222 L 250,252 C 200,256 180,228 138,206 Z'" \
  -stroke none -fill '#7a4a10' \
  -draw "rectangle 176,204 184,212" -draw "rectangle 200,218 208,226" \
  -draw "rectangle 226,226 234,234" \
  -stroke '#262b36' -strokewidth 8 -fill '#cfd4dd' -draw "circle 112,112 112,10" \
  -stroke '#262b36' -strokewidth 4 -fill '#3b4252' -draw "$holes" \
  -fill '#8d95a5' -draw "circle 112,112 112,92" \
  -fill '#262b36' -draw "circle 112,112 112,104" \
  "$work/big.png"

for s in 48 32 16; do
  convert "$work/big.png" -filter Lanczos -resize ${s}x${s} -unsharp 0x0.6 "$work/$s.png"
done
convert "$work/16.png" "$work/32.png" "$work/48.png" "$out"
