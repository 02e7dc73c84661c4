#!/usr/bin/env bash
# A start key that has to wait for the level's picture tells the player so: "Loading picture..."
# shows on the window once the wait passes a quarter of a second, and goes when the level starts.
# The level's picture is a BMP of 8000 x 8000 pixels (within every limit, and read whole: about
# 2 s here); Space comes as soon as the title shows. A level whose picture is ready at once shows
# no notice.
#
# Usage: tests/e2e/picture-notice.sh PROGRAM_DIR   (needs Xvfb, xdotool, ImageMagick)
program_dir=$(cd "$1" && pwd)
shift
source "$(dirname "$0")/lib.sh"

# Milliseconds of the trace line matching $1 after the mark; empty when there is none.
at() { since_mark | grep -m 1 -- "$1" | cut -d' ' -f1; }

make_fresh_game "$work/Quarry.qbx"
convert -size 8000x8000 gradient:navy-gold "BMP3:$work/big.bmp"
"$program_dir/qbxtool" create "$work/Big.qbx" --start "$work/pictures/tps.jpg" \
  --playing "$work/pictures/tpp.jpg" --gameover "$work/pictures/tpg.jpg" \
  --level "$work/big.bmp:44" >/dev/null

mark_now
start_program "$work/Big.qbx"
xdotool key space
wait_for "level 1/1" 30
key=$(at "key Space") notice=$(at "notice Loading picture...") level=$(at "level 1/1")
waited=$((level - key))
if [ -n "$notice" ]; then
  [ $((notice - key)) -ge 250 ] || fail "the notice came $((notice - key)) ms after the key"
  [ "$notice" -le "$level" ] || fail "the notice came after the level started"
  echo "waited $waited ms for the picture; the notice after $((notice - key)) ms"
else
  # Decoded within a moment after all: nothing to tell.
  [ "$waited" -lt 300 ] || fail "waited $waited ms for the picture without a notice"
  echo "waited $waited ms for the picture; no notice needed"
fi
kill -TERM "$pid"
wait_exit 5

mark_now
start_program "$work/Quarry.qbx"
sleep 1 # the first level's picture is ready long before the key
xdotool key space
wait_for "level 1/" 10
! since_mark | grep -q "notice" || fail "a notice for a picture that was ready"
kill -TERM "$pid"
wait_exit 5
echo "picture notice: ok"
