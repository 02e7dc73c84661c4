#!/usr/bin/env bash
# The builder opens clear of the main window, whose picture previews the game while the builder
# is open, on screens from 1024 x 768 up, bare and under a window manager. Where the screen has
# no room beside the main window where it stands, the main window moves out of the way, and
# goes back when the builder closes.
#
# Usage: tests/e2e/builder-clear.sh PROGRAM_DIR WIDTHxHEIGHT [--wm]   (needs Xvfb, xdotool,
# imagemagick; openbox with --wm). With QB_SHOTS=FOLDER it keeps the screenshots there.
program_dir=$(cd "$1" && pwd)
size=$2
shift 2
screen=${size}x24
source "$(dirname "$0")/lib.sh" "$@"
shots=${QB_SHOTS:-$work/shots}
mkdir -p "$shots"
name=builder-clear-$size$([ "$with_wm" = 1 ] && echo -wm || true)
read -r sw sh <<<"${size/x/ }"

make_fresh_game "$work/Quarry.qbx"
start_program "$work/Quarry.qbx"
main=$(window "Quarrybox - ")
before=$(frame_of "$main")

builder=$(open_builder)
[ "$with_wm" = 0 ] || wait_managed "$builder"
sleep 0.5 # the main window's move, when it moves, is done by the window manager
import -window root "$shots/$name.png"
read -r bx by bw bh < <(frame_of "$builder")
read -r mx my mw mh < <(frame_of "$main")
echo "screen $size: main window $mx,$my ${mw}x$mh (was ${before// /,}), builder $bx,$by ${bw}x$bh"
overlap "$bx $by $bw $bh" "$mx $my $mw $mh" &&
  fail "the builder ($bx,$by ${bw}x$bh) covers the main window ($mx,$my ${mw}x$mh)"
for r in "$bx $by $bw $bh" "$mx $my $mw $mh"; do
  read -r x y w h <<<"$r"
  [ "$x" -ge 0 ] && [ "$y" -ge 0 ] && [ $((x + w)) -le "$sw" ] && [ $((y + h)) -le "$sh" ] ||
    fail "a window ($x,$y ${w}x$h) is off the $size screen"
done

# Cancel: the main window is back where it was.
read -r cx cy _ _ < <(client "$builder")
xdotool mousemove --sync $((cx + 584)) $((cy + 255)) click 1
wait_window "Quarrybox Builder" gone
sleep 0.5
after=$(frame_of "$main")
[ "$after" = "$before" ] || fail "the main window is at ${after// /,}, not back at ${before// /,}"
echo "PASS"
