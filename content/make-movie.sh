#!/usr/bin/env bash
# Renders one stock movie of a few seconds from one of ffmpeg's generated
# sources, with a caption and a soft tone.
# Usage: make-movie.sh OUTPUT PATTERN SHAPE CAPTION [FONT_FILE]
#   PATTERN  bars | fractal | life
#   SHAPE    n (4:3), w (16:9) or v (3:4, upright)
#   The extension of OUTPUT (.wmv, .avi or .mpg) chooses the codecs.
# Without a font file the movie has no caption.
set -euo pipefail
out=$1 pattern=$2 shape=$3 caption=$4 font=${5:-}
seconds=6

case $shape in
  n) w=640 h=480 ;;
  w) w=848 h=480 ;;
  v) w=480 h=640 ;;
  *) echo "make-movie.sh: unknown shape '$shape'" >&2; exit 2 ;;
esac

# The sources that draw fine detail are rendered small and scaled up: the
# result is quicker to make and compresses far better.
case $pattern in
  bars)    video="testsrc2=size=${w}x${h}:rate=25" tone=220 ;;
  fractal) video="mandelbrot=size=$((w / 2))x$((h / 2)):rate=25:maxiter=256:inner=black:start_scale=3:end_scale=0.6:end_pts=$((seconds * 25)),scale=$w:$h:flags=bicubic"
           tone=196 ;;
  life)    video="life=size=$((w / 4))x$((h / 4)):rate=12:mold=25:ratio=0.12:death_color=#101830:life_color=#70e0a0,scale=$w:$h:flags=neighbor,fps=25"
           tone=262 ;;
  *) echo "make-movie.sh: unknown pattern '$pattern'" >&2; exit 2 ;;
esac

case $out in
  *.wmv) codecs=(-c:v wmv2 -b:v 500k -c:a wmav2 -b:a 64k) ;;
  *.avi) codecs=(-c:v mpeg4 -vtag XVID -b:v 500k -c:a libmp3lame -b:a 64k) ;;
  *.mpg) codecs=(-c:v mpeg1video -b:v 500k -c:a mp2 -b:a 64k) ;;
  *) echo "make-movie.sh: unknown container of '$out'" >&2; exit 2 ;;
esac

filters="format=yuv420p"
text=""
if [ -n "$font" ] && [ -f "$font" ]; then
  # The caption comes from a file, so that no character of it needs escaping.
  text=$(mktemp)
  trap 'rm -f "$text"' EXIT
  printf '%s' "$caption" >"$text"
  filters="drawtext=fontfile=$font:text=Driftreel:fontsize=$((h / 20)):fontcolor=white@0.85:x=w-tw-h/24:y=h/24:shadowcolor=black@0.6:shadowx=2:shadowy=2"
  filters+=",drawtext=fontfile=$font:textfile=$text:fontsize=$((h / 18)):fontcolor=white:x=(w-tw)/2:y=h-th-h/12:box=1:boxcolor=black@0.45:boxborderw=$((h / 48))"
  filters+=",format=yuv420p"
fi

# A quiet fifth over the base tone, faded in and out, so that the volume
# setting has something to act on.
audio="aevalsrc=0.12*sin(2*PI*$tone*t)+0.08*sin(2*PI*$tone*1.5*t):s=44100:d=$seconds"
audio+=",afade=t=in:d=1,afade=t=out:st=$((seconds - 1)):d=1"

mkdir -p "$(dirname "$out")"
ffmpeg -hide_banner -loglevel error -nostdin -y \
  -f lavfi -i "$video" -f lavfi -i "$audio" \
  -t "$seconds" -vf "$filters" "${codecs[@]}" "$out.part.${out##*.}"
mv -f "$out.part.${out##*.}" "$out"
