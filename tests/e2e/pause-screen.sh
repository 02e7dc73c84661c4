#!/usr/bin/env bash
# The pause banner as the player sees it (a screenshot of the root window), whatever moment of a
# level the pause comes at, the first instants included: it must lie whole over the copy of the
# well, never under the play field.
#
# Usage: tests/e2e/pause-screen.sh PROGRAM_DIR [--wm]    (needs Xvfb, xdotool, imagemagick)
# With QB_SHOTS=FOLDER it keeps the screenshots there.
program_dir=$(cd "$1" && pwd)
shift
source "$(dirname "$0")/lib.sh"
shots=${QB_SHOTS:-$work/shots}
mkdir -p "$shots"
make_fresh_game "$work/Quarry.qbx"

# The part of the banner that lies over the well, on the root window: the banner is 474 x 121
# at (63, 140) of the picture under the menu bar, the well 198 wide at x 320. (Where it lies
# over the picture cells, their random colours show through it.)
banner_shot() {
  local x y w h
  read -r x y w h < <(client "$(window)")
  import -window root "$shots/screen-$1.png"
  convert "$shots/screen-$1.png" -crop "198x121+$((x + 320))+$((y + h - 400 + 140))" +repage \
    "$shots/banner-$1.png"
}

# Starts a level and pauses it after $1 seconds; the banner is taken once the level's first
# moments are over.
pause_at() {
  start_program "$work/Quarry.qbx"
  mark_now
  xdotool key space
  sleep "$1"
  xdotool key F3
  wait_for 'caption Quarrybox - Quarry \[Pause\]'
  sleep 0.8
  banner_shot "$1"
  kill "$pid"
  wait_exit 5
}

pause_at 1.5
for moment in 0 0.05 0.1 0.2 0.4; do
  pause_at "$moment"
  diff=$(compare -metric AE "$shots/banner-1.5.png" "$shots/banner-$moment.png" null: 2>&1 || true)
  [ "$diff" = 0 ] || fail "paused after $moment s, the banner differs in $diff pixels"
done
echo "the banner lies whole over the well at every moment"
