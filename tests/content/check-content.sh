#!/usr/bin/env bash
# Checks the rendered content tree the way the program will meet it:
#  - both error pictures are JPEG files of 640x480;
#  - a movie folder's title is its whole name (no "." in it), and it holds
#    movies of every shape tag;
#  - each movie's frame has the shape its tag promises (height / width from
#    0.75 to 1 for " n", below for " w", above for " v"), its container's
#    codec, a sound track and a length of a few seconds;
#  - all of it stays small.
# Usage: check-content.sh CONTENT_DIR
set -u
root=$1
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

for picture in ErrorNoFile.JPG ErrorNoCodec.JPG; do
  kind=$(identify -format '%m %wx%h' "$root/$picture" 2>/dev/null)
  [ "$kind" = "JPEG 640x480" ] || fail "$picture is '$kind'"
done

shape_of() { awk -v w="$1" -v h="$2" 'BEGIN { r = h / w; print (r < 0.75 ? "w" : (r <= 1 ? "n" : "v")) }'; }
probe() { ffprobe -v error -select_streams "$1" -show_entries "$2" -of csv=p=0 "$3" 2>/dev/null | head -n 1; }

check_movie() {
  local movie=$1 name title tag expected_codec codec duration
  name=$(basename "$movie")
  title=${name%.*}
  tag=${title##* }
  case $name in
    *.wmv) expected_codec=wmv2 ;;
    *.avi) expected_codec=mpeg4 ;;
    *.mpg) expected_codec=mpeg1video ;;
    *) fail "$name is not a movie"; return ;;
  esac
  codec=$(probe v:0 stream=codec_name "$movie")
  [ "$codec" = "$expected_codec" ] || fail "$name has video '$codec'"
  local w h
  w=$(probe v:0 stream=width "$movie") h=$(probe v:0 stream=height "$movie")
  [ "$(shape_of "$w" "$h")" = "$tag" ] || fail "$name is ${w}x$h, not of shape '$tag'"
  [ -n "$(probe a:0 stream=codec_name "$movie")" ] || fail "$name has no sound"
  duration=$(ffprobe -v error -show_entries format=duration -of csv=p=0 "$movie" 2>/dev/null)
  awk -v d="$duration" 'BEGIN { exit !(d >= 3 && d <= 10) }' || fail "$name lasts '$duration' s"
}

folders=0
for folder in "$root"/*/; do
  folder=${folder%/}
  folders=$((folders + 1))
  case $(basename "$folder") in *.*) fail "$(basename "$folder") has a '.', so its title would be cut" ;; esac
  for tag in n w v; do
    compgen -G "$folder/* $tag.*" >/dev/null || fail "$(basename "$folder") has no movie tagged '$tag'"
  done
  for movie in "$folder"/*; do check_movie "$movie"; done
done
[ "$folders" -ge 2 ] || fail "only $folders movie folders"

kilobytes=$(du -sk "$root" | cut -f1)
[ "$kilobytes" -le 10240 ] || fail "the content takes $kilobytes KB"

[ "$failures" -eq 0 ] && echo "content checked"
exit $((failures > 0))
