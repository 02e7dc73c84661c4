#!/usr/bin/env bash
# An author's session through real windows under a window manager: Create Game, three skins
# chosen in the file dialog, ten pictures of mixed formats (and a text file) dropped onto the
# builder from another program, Ok, and the first Save, which asks for a name. The saved game
# is read back with qbxtool.
#
# Usage: tests/e2e/author.sh PROGRAM_DIR DRAG_SOURCE    (needs Xvfb, openbox, xdotool,
# imagemagick). With QB_SHOTS=FOLDER it keeps the screenshots there.
program_dir=$(cd "$1" && pwd)
drag_source=$2
shift 2
screen=1920x1080x24
source "$(dirname "$0")/lib.sh" --wm
shots=${QB_SHOTS:-$work/shots}
mkdir -p "$shots"
shot() { import -window root "$shots/$1.png"; }


photos=$work/photos
mkdir -p "$photos"
i=0
for picture in "beach.png:PNG" "logo.png:PNG:alpha" "harbour.jpeg:JPEG" "garden.jpg:JPEG" \
  "market.webp:WEBP" "street.webp:WEBP" "cat.gif:GIF" "scan.tiff:TIFF" "map.bmp:BMP3" \
  "sunset.bmp:BMP3"; do
  IFS=: read -r name format alpha <<<"$picture"
  i=$((i + 1))
  hue=$((i * 36))
  if [ -n "$alpha" ]; then
    convert -size 320x240 "radial-gradient:hsl($hue,80%,50%)-none" "PNG32:$photos/$name"
  else
    convert -size 320x240 "gradient:hsl($hue,80%,60%)-hsl($((hue + 90)),80%,30%)" \
      -fill white -pointsize 60 -gravity center -annotate 0 "$i" "$format:$photos/$name"
  fi
done
echo "shopping list" >"$photos/notes.txt"
convert -size 600x400 gradient:navy-gold "$work/start.jpg"
convert -size 600x400 gradient:darkgreen-black "PNG24:$work/playing.png"
convert -size 600x400 gradient:maroon-black "BMP3:$work/over.bmp"

make_fresh_game "$work/Quarry.qbx"
start_program "$work/Quarry.qbx"

# Create Game.
builder=$(open_builder)
wait_managed "$builder"
main=$(window "Quarrybox - ")
read -r bx by bw bh < <(client "$builder")
read -r mx my mw mh < <(client "$main")
# Beside the main window, not over its picture.
[ $((bx + bw)) -le "$mx" ] || [ "$bx" -ge $((mx + mw)) ] ||
  fail "the builder ($bx,$by ${bw}x$bh) opened over the main window ($mx,$my ${mw}x$mh)"
echo "ok: builder at $bx,$by beside the main window at $mx,$my"

# The three skins, each through the file dialog (the builder hides meanwhile).
choose_skins "$builder" "$work/start.jpg" "$work/playing.png" "$work/over.bmp"

# While the colour dialog is open, the builder is off the screen (no compositor involved).
click_in "$builder" 226 30 # the play box's colour
wait_window "Select Color"
[ -z "$(window "Quarrybox Builder")" ] || fail "the builder stayed on screen over the colour dialog"
shot colour-dialog
xdotool key Escape
wait_window "Select Color" gone
wait_window "Quarrybox Builder"
echo "ok: the builder was hidden while the colour dialog was open"

# Ten pictures and a text file dropped from another program onto the level list.
files=()
for f in "$photos"/*; do files+=("$f"); done
"$drag_source" "${files[@]}" >/dev/null 2>&1 &
dragpid=$!
wait_window "Drag Source"
source_window=$(window "Drag Source")
wait_managed "$source_window"
read -r sx sy sw sh < <(client "$source_window")
read -r bx by bw bh < <(client "$builder")
xdotool mousemove --sync $((sx + sw / 2)) $((sy + sh / 2)) mousedown 1
for step in $(seq 1 20); do
  xdotool mousemove --sync $((sx + sw / 2 + (bx + 519 - sx - sw / 2) * step / 20)) \
    $((sy + sh / 2 + (by + 120 - sy - sh / 2) * step / 20))
  sleep 0.05
done
sleep 0.3
xdotool mouseup 1
wait_window "Pictures not added"
sleep 0.5
shot builder-skipped-report
xdotool key Return
wait_window "Pictures not added" gone
kill "$dragpid" 2>/dev/null || true
sleep 0.5
shot builder
click_in "$builder" 498 255 # Ok
wait_window "Quarrybox Builder" gone
wait_window "Quarrybox - untitled"

# The first Save asks for a name.
focus_main
xdotool key alt+f
sleep 0.3
xdotool key s
answer_file_dialog "Save Game As" "$work/Holiday"
wait_window "Quarrybox - Holiday"
shot saved

[ -f "$work/Holiday.qbx" ] || fail "Holiday.qbx was not written"
[ ! -e "$program_dir/Games/untitled.qbx" ] || [ "$program_dir/Games/untitled.qbx" -ot "$work/Holiday.qbx" ] ||
  fail "untitled.qbx was written"
"$program_dir/qbxtool" info "$work/Holiday.qbx" >"$work/info.txt"
"$program_dir/qbxtool" verify "$work/Holiday.qbx" >/dev/null || fail "the saved game does not verify"
grep -qx "levels 10" "$work/info.txt" || fail "not 10 levels: $(grep '^levels' "$work/info.txt")"
cp "$work/info.txt" "$shots/holiday-info.txt"
grep '^level \|^levels\|skin' "$work/info.txt"
echo "PASS"
