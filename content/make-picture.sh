#!/usr/bin/env bash
# Draws one of the two pictures shown in place of a movie: a film frame on a
# dark backdrop with a sign in it, a heading and one line of explanation.
# Usage: make-picture.sh OUTPUT KIND [FONT_FILE] [BOLD_FONT_FILE]
#   KIND  nofile (nothing to play) | nocodec (a codec is missing)
# Without font files ImageMagick's own default font is used.
set -euo pipefail
out=$1 kind=$2 font=${3:-} bold=${4:-${3:-}}

case $kind in
  nofile)
    heading="No movie to play"
    detail="The movie or folder chosen in the settings cannot be found."
    accent="#5fa8ff"
    # A question mark inside the frame.
    sign=(-fill "$accent" -pointsize 120 -annotate +0-40 "?") ;;
  nocodec)
    heading="This movie cannot be played"
    detail="A codec that this movie needs is not installed on this computer."
    accent="#ff9a3c"
    # A circle with a bar through it.
    sign=(-fill none -stroke "$accent" -strokewidth 12
          -draw "circle 320,186 320,236" -draw "line 285,221 355,151" -stroke none) ;;
  *) echo "make-picture.sh: unknown kind '$kind'" >&2; exit 2 ;;
esac

font_of() { [ -n "$1" ] && [ -f "$1" ] && printf '%s\n' -font "$1"; }
mapfile -t regular < <(font_of "$font")
mapfile -t heavy < <(font_of "$bold")

# Sprocket holes along the top and bottom edges of the film frame.
holes=()
for x in $(seq 196 28 432); do
  holes+=(-draw "roundrectangle $x,100 $((x + 14)),110 3,3"
          -draw "roundrectangle $x,262 $((x + 14)),272 3,3")
done

mkdir -p "$(dirname "$out")"
convert -size 640x480 radial-gradient:"#1f2d4d"-"#05070d" \
  -fill "#161c2a" -stroke "#3a4560" -strokewidth 2 -draw "roundrectangle 180,90 460,282 14,14" \
  -stroke none -fill "#05070d" "${holes[@]}" \
  -fill "#0b1020" -stroke "$accent" -strokewidth 2 -draw "roundrectangle 214,122 426,250 6,6" \
  -stroke none -gravity center "${heavy[@]}" "${sign[@]}" \
  -gravity north "${heavy[@]}" -fill white -pointsize 30 -annotate +0+318 "$heading" \
  "${regular[@]}" -fill "#a9b8d8" -pointsize 16 -annotate +0+366 "$detail" \
  -gravity south "${heavy[@]}" -fill "#55607a" -pointsize 18 -annotate +0+24 "Driftreel" \
  -quality 90 "jpg:$out"
