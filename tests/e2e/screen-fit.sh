#!/usr/bin/env bash
# The window on screens of every size: started with Triple stored (as chosen on a larger
# screen), it opens at the largest size that fits, wholly on the screen; the Size menu offers
# only the sizes that fit; and a size chosen with the window near the screen's corner brings
# the whole window back onto the screen.
#
# Usage: tests/e2e/screen-fit.sh PROGRAM_DIR WIDTHxHEIGHT [--wm]   (needs Xvfb, xdotool, imagemagick)
# With QB_SHOTS=FOLDER it keeps the screenshots there.
program_dir=$(cd "$1" && pwd)
screen_size=$2
shift 2
screen=${screen_size}x24
source "$(dirname "$0")/lib.sh"
shots=${QB_SHOTS:-$work/shots}
mkdir -p "$shots"
sw=${screen_size%x*} sh=${screen_size#*x}

# The window's client area, and with --wm its frame, as the X server has them.
geometry() { client "$(window)"; }
frame() { xprop -id "$(window)" _NET_FRAME_EXTENTS 2>/dev/null | sed -n 's/.*= //p' | tr -d ,; }
# Fails unless the whole window, frame included, lies on the screen.
expect_on_screen() {
  local x y w h l=0 r=0 t=0 b=0
  read -r x y w h < <(geometry)
  [ "$with_wm" = 0 ] || read -r l r t b < <(frame)
  [ $((x - l)) -ge 0 ] && [ $((y - t)) -ge 0 ] && [ $((x + w + r)) -le "$sw" ] &&
    [ $((y + h + b)) -le "$sh" ] ||
    fail "$1: the window ($w x $h at $x,$y, frame $l $r $t $b) is not wholly on the $screen_size screen"
}
width() { read -r _ _ w _ < <(geometry); echo "$w"; }
wait_width() {
  for _ in $(seq 30); do [ "$(width)" = "$1" ] && return 0; sleep 0.1; done
  fail "the window is $(width) wide, not $1"
}
# Options > Size > the item with this access key.
choose_size() {
  focus_main
  xdotool key alt+o
  sleep 0.3
  xdotool key z
  sleep 0.3
  import -window root "$shots/size-menu-$screen_size.png"
  xdotool key "$1"
  sleep 0.5
  xdotool key Escape Escape # closes the menus where the item was not taken
  sleep 0.3
}

# The largest factor (up to Triple) whose window with a typical frame fits.
fits=3
while [ "$fits" -gt 1 ] && { [ $((600 * fits + 16)) -gt "$sw" ] || [ $((400 * fits + 80)) -gt "$sh" ]; }; do
  fits=$((fits - 1))
done

make_fresh_game "$work/Quarry.qbx"
mkdir -p "$(dirname "$settings")"
printf '[2.0]\nWindowSize=3\nFullScreen=OFF\nQuarryboxLeft=%s\nQuarryboxTop=%s\n' \
  $((sw - 700)) $((sh - 500)) >"$settings"
start_program "$work/Quarry.qbx"
sleep 0.5
import -window root "$shots/start-$screen_size.png"
[ "$(width)" = $((600 * fits)) ] || fail "started $(width) wide, not at factor $fits"
expect_on_screen "at start"

# A size that does not fit is not taken; Normal always is.
if [ "$fits" -lt 3 ]; then
  choose_size t
  [ "$(width)" = $((600 * fits)) ] || fail "Triple was taken on a $screen_size screen"
fi
choose_size n
wait_width 600
expect_on_screen "at Normal"

# Near the bottom-right corner, the largest size that fits brings the window back on screen.
xdotool windowmove --sync "$(window)" $((sw - 620)) $((sh - 440)) 2>/dev/null || true
sleep 0.3
case $fits in 2) key=d ;; 3) key=t ;; *) key=n ;; esac
choose_size "$key"
wait_width $((600 * fits))
import -window root "$shots/corner-$screen_size.png"
expect_on_screen "after a size chosen in the corner"
echo "$screen_size: starts at factor $fits, wholly on screen after every size change"
