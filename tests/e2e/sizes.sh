#!/usr/bin/env bash
# The window sizes on a 3840 x 2160 screen: Normal, Double and Full Screen (F11). Each shows the
# same title picture, and every larger one must be the Normal picture scaled by its whole
# factor, pixel for pixel, with nothing but black around it in full screen.
#
# Usage: tests/e2e/sizes.sh PROGRAM_DIR    (needs Xvfb, xdotool, imagemagick)
# With QB_SHOTS=FOLDER it keeps the screenshots there.
program_dir=$(cd "$1" && pwd)
shift
screen=3840x2160x24
# Full screen is the window manager's to grant, so it runs under one.
source "$(dirname "$0")/lib.sh" --wm
shots=${QB_SHOTS:-$work/shots}
mkdir -p "$shots"

make_fresh_game "$work/Quarry.qbx"

# The picture part of the main window (below its menu bar), as shown at this factor.
picture_shot() {
  local factor=$1 out=$2 id x y w h
  id=$(window)
  read -r x y w h < <(client "$id")
  [ "$w" = $((600 * factor)) ] || fail "window $w wide at factor $factor"
  menu=$((h - 400 * factor)) # the menu bar, kept for the full-screen check
  import -window root -crop "$((600 * factor))x$((400 * factor))+$x+$((y + menu))" +repage "$out"
}

run_at() {
  local factor=$1
  mkdir -p "$(dirname "$settings")"
  printf '[2.0]\nWindowSize=%s\nFullScreen=OFF\n' "$factor" >"$settings"
  mark_now
  start_program "$work/Quarry.qbx"
  wait_for "state 1"
  sleep 1.5 # the title's prompt has come up
}

# Waits until the main window is this wide.
wait_width() {
  for _ in $(seq 50); do
    eval "$(xdotool getwindowgeometry --shell "$(window)")"
    [ "$WIDTH" = "$1" ] && return 0
    sleep 0.1
  done
  return 1
}
differing() { compare -metric AE "$1" "$2" null: 2>&1 || true; }

run_at 1
picture_shot 1 "$shots/size-normal.png"
import -window root "$shots/size-normal-screen.png"
kill "$pid" # the session ends: the program closes without questions
wait_exit 5

run_at 2
picture_shot 2 "$shots/size-double.png"
import -window root "$shots/size-double-screen.png"
convert "$shots/size-normal.png" -sample 200% "$work/normal-x2.png"
diff=$(differing "$work/normal-x2.png" "$shots/size-double.png")
[ "$diff" = 0 ] || fail "Double differs from Normal x 2 in $diff pixels"
echo "Double = Normal x 2: $diff pixels differ"

# Full screen: the largest whole factor below the menu bar, centred on black.
xdotool key F11
wait_width 3840 || fail "F11 did not fill the screen"
sleep 1
import -window root "$shots/size-fullscreen.png"
[ "$(setting FullScreen)" = ON ] || fail "full screen not stored"
factor=$(((2160 - menu) / 400))
left=$(((3840 - 600 * factor) / 2)) top=$((menu + (2160 - menu - 400 * factor) / 2))
convert "$shots/size-fullscreen.png" -crop "$((600 * factor))x$((400 * factor))+$left+$top" \
  +repage "$work/full-picture.png"
convert "$shots/size-normal.png" -sample "$((factor * 100))%" "$work/normal-xN.png"
diff=$(differing "$work/normal-xN.png" "$work/full-picture.png")
[ "$diff" = 0 ] || fail "full screen differs from Normal x $factor in $diff pixels"
echo "Full screen = Normal x $factor at ($left, $top): $diff pixels differ"
# Around the picture, below the menu bar: black only.
lit=$(convert "$shots/size-fullscreen.png" -crop "3840x$((2160 - menu))+0+$menu" +repage \
  -fill black -draw "rectangle $left,$((top - menu)) $((left + 600 * factor - 1)),$((top - menu + 400 * factor - 1))" \
  -format '%[fx:maxima]' info:)
[ "$lit" = 0 ] || fail "the margin around the full-screen picture is not black ($lit)"

# F11 again: back to Double where it was.
xdotool key F11
wait_width 1200 || fail "F11 did not bring the Double window back"
[ "$(setting FullScreen)" = OFF ] || fail "leaving full screen not stored"
echo "PASS"
