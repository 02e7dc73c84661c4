#!/usr/bin/env bash
# A phone's portrait photo (stored turned, EXIF orientation 6) added in the builder on a
# 1024 x 768 screen under a window manager: the builder stays clear of the main window, the
# preview shows the photo upright (red and green quarters above blue and white, taller than
# wide), and so does the level in play (its hidden cells cover a grid taller than wide). The
# skins are black so that only the photo and the cells show.
#
# Usage: tests/e2e/portrait-photo.sh PROGRAM_DIR PHONE_PHOTO_TOOL   (needs Xvfb, openbox,
# xdotool, imagemagick). With QB_SHOTS=FOLDER it keeps the screenshots there.
program_dir=$(cd "$1" && pwd)
phone_photo=$2
shift 2
screen=1024x768x24
source "$(dirname "$0")/lib.sh" --wm
shots=${QB_SHOTS:-$work/shots}
mkdir -p "$shots"

# The window picture (600 x 400, at the bottom of the main window's client area) of a shot.
window_picture() {
  local x y w h
  read -r x y w h < <(client "$main")
  convert "$shots/$1.png" -crop "600x400+$x+$((y + h - 400))" +repage "$work/$1-picture.png"
  echo "$work/$1-picture.png"
}

mkdir -p "$work/photos"
"$phone_photo" "$work/photos/IMG_0001.jpg" || fail "no phone photo was made"
for skin in start playing over; do convert -size 600x400 xc:black "$work/$skin.jpg"; done
make_fresh_game "$work/Quarry.qbx"
start_program "$work/Quarry.qbx"
main=$(window "Quarrybox - ")

builder=$(open_builder)
wait_managed "$builder"
sleep 0.5
read -r bx by bw bh < <(frame_of "$builder")
read -r mx my mw mh < <(frame_of "$main")
overlap "$bx $by $bw $bh" "$mx $my $mw $mh" &&
  fail "the builder ($bx,$by ${bw}x$bh) covers the main window ($mx,$my ${mw}x$mh)"
echo "ok: builder $bx,$by ${bw}x$bh clear of the main window $mx,$my ${mw}x$mh"

choose_skins "$builder" "$work/start.jpg" "$work/playing.jpg" "$work/over.jpg"
click_in "$builder" 160 55 # Show the playing skin: the level buttons act only then
sleep 0.3
click_in "$builder" 60 130 # Add Level(s)
answer_file_dialog "Open Picture\\(s\\)" "$work/photos/IMG_0001.jpg"
wait_window "Quarrybox Builder"
sleep 0.5
import -window root "$shots/portrait-preview.png"

# The preview: the photo's quarters the right way round.
picture=$(window_picture portrait-preview)
read -r rw rh rx ry < <(box_of "$picture" "rgb(220,30,30)")
read -r gw gh gx gy < <(box_of "$picture" "rgb(30,200,30)")
read -r uw uh ux uy < <(box_of "$picture" "rgb(30,30,220)")
pw=$((gx + gw - rx)) ph=$((uy + uh - ry))
echo "preview: photo ${pw}x$ph; red at $rx,$ry green at $gx,$gy blue at $ux,$uy"
[ "$rw" -gt 0 ] && [ "$gw" -gt 0 ] && [ "$uw" -gt 0 ] || fail "the preview does not show the photo"
[ "$rx" -lt "$gx" ] && [ "$ry" -lt "$uy" ] || fail "the photo is not upright in the preview"
[ "$ph" -gt "$pw" ] || fail "the photo is not taller than wide in the preview (${pw}x$ph)"

click_in "$builder" 498 255 # Ok
wait_window "Quarrybox Builder" gone
wait_window "Quarrybox - untitled"
focus_main
mark_now
xdotool key space
wait_for "state 2"
sleep 1
import -window root "$shots/portrait-play.png"
# In play the hidden cells cover the photo: their grid has the photo's upright shape.
picture=$(window_picture portrait-play)
convert "$picture" -crop 310x376+0+24 +repage "$work/cells.png" # below the score line
read -r cw ch cx cy < <(lit_box "$work/cells.png")
echo "play: cells ${cw}x$ch at $cx,$cy; $(since_mark | grep -m1 '^[0-9]* level')"
[ "$ch" -gt "$cw" ] || fail "the level's cells are not taller than wide in play (${cw}x$ch)"
echo "PASS"
