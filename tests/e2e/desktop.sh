#!/usr/bin/env bash
# The program on a desktop with a window manager (openbox), as users run it: the window's
# place over several runs, a damaged game handed over by a second start, the end of the
# session while a box is open, menus that hold the game and give the keys back, the score
# table's keys, the windows' types, and the close button.
#
# Usage: tests/e2e/desktop.sh PROGRAM_DIR    (needs Xvfb, openbox, xdotool, wmctrl, imagemagick)
program_dir=$(cd "$1" && pwd)
source "$(dirname "$0")/lib.sh" --wm
make_fresh_game "$work/Quarry.qbx"
passed=0
ok() { passed=$((passed + 1)); echo "ok: $*"; }
# The close button, as the window manager sends it.
close_by_wm() {
  local name
  name=$(xdotool getwindowname "$(window)")
  for _ in $(seq 20); do
    wmctrl -c "$name" 2>/dev/null && return 0
    sleep 0.1
  done
  fail "the window manager could not close '$name'"
}
# The well's pixels on the screen, as a checksum.
well_pixels() {
  local x y
  eval "$(xdotool getwindowgeometry --shell "$(window)" | grep -E '^[XY]=')"
  import -window root -crop "198x360+$((X + 320))+$((Y + 20 + 19))" rgb:- | md5sum
}

# 1. Placement: the same point is stored and restored over five runs, and a stored point off
# every screen opens the window wholly on the screen.
positions=()
for run in 1 2 3 4 5; do
  start_program "$work/Quarry.qbx"
  close_by_wm
  wait_exit 5
  positions+=("$(setting QuarryboxLeft),$(setting QuarryboxTop)")
done
[ "$(printf '%s\n' "${positions[@]}" | sort -u | wc -l)" = 1 ] ||
  fail "the window moved from run to run: ${positions[*]}"
ok "same position over five runs: ${positions[0]}"
for far in "-99999 300" "2147483647 2147483647"; do
  read -r left top <<<"$far"
  sed -i "s/^QuarryboxLeft=.*/QuarryboxLeft=$left/; s/^QuarryboxTop=.*/QuarryboxTop=$top/" "$settings"
  start_program "$work/Quarry.qbx"
  geometry=$(xwininfo -id "$(xdotool search --onlyvisible --name '^Quarrybox' | head -1)" -frame)
  x=$(sed -n 's/.*Absolute upper-left X: *//p' <<<"$geometry")
  y=$(sed -n 's/.*Absolute upper-left Y: *//p' <<<"$geometry")
  w=$(sed -n 's/.*Width: *//p' <<<"$geometry")
  h=$(sed -n 's/.*Height: *//p' <<<"$geometry")
  [ "$x" -ge 0 ] && [ "$y" -ge 0 ] && [ $((x + w)) -le 1024 ] && [ $((y + h)) -le 768 ] ||
    fail "stored $left,$top opened the window at $x,$y ($w x $h)"
  close_by_wm
  wait_exit 5
  ok "stored $left,$top opened on the screen at $x,$y"
done

# 2. A damaged game handed over by a second start: the box is answered, the program lives on,
# and the close button still ends it with everything stored.
start_program "$work/Quarry.qbx"
printf 'truncated' >"$work/damaged.qbx"
mark_now
"$program_dir/quarrybox" "$work/damaged.qbx"
wait_for "message Message||"
wait_window Message
xprop -id "$(window Message)" _NET_WM_WINDOW_TYPE | grep -q UTILITY || fail "message box type"
xdotool windowactivate --sync "$(window Message)"
xdotool key Return
wait_window Message gone
sleep 0.3
kill -0 "$pid" 2>/dev/null || fail "the program died after the hand-over box"
close_by_wm
wait_exit 5
[ "$(setting LastGame)" = "$work/Quarry.qbx" ] || fail "LastGame after the hand-over"
ok "hand-over of a damaged game: box answered, program closed normally"

# 3. The session ends (SIGTERM) while a box is open: the program still closes and stores.
start_program "$work/Quarry.qbx"
sed -i "s/^QuarryboxLeft=.*/QuarryboxLeft=100/" "$settings"
mark_now
"$program_dir/quarrybox" "$work/damaged.qbx"
wait_window Message
kill -TERM "$pid"
wait_exit 5
[ "$(setting QuarryboxLeft)" != 100 ] || fail "the close sequence did not run"
ok "SIGTERM with a box open ends the program"

# 4. Menus: an open menu holds the game still; one Escape, or Alt alone, gives the keys back.
start_program "$work/Quarry.qbx"
mark_now
xdotool key space
wait_for "state 2"
sleep 1.5
xdotool key alt+g
sleep 0.5
before=$(well_pixels)
sleep 3
[ "$(well_pixels)" = "$before" ] || fail "the piece moved while the menu was open"
xdotool key Escape
sleep 0.3
mark_now
xdotool key space
wait_for "land" 3
ok "an open menu holds the game; after Escape, Space drops the piece"
sleep 0.5
xdotool key alt
sleep 0.3
mark_now
xdotool key space
wait_for "land" 3
ok "Alt alone leaves the keys with the game"

# 5. Focus comes back after a dialog: Preferences closed by Escape, then the keys play.
xdotool key alt+o
sleep 0.3
xdotool key p
wait_window Preferences
xdotool key Escape
wait_window Preferences gone
sleep 0.3
mark_now
xdotool key space
wait_for "land" 3
ok "after Preferences the keys go to the game"

# 6. The score table from the menu closes with Enter, Escape or Space.
focus_main
mark_now
xdotool key alt+g g
wait_window Message gone
xdotool key Tab space
wait_for "state 1"
for key in Return Escape space; do
  focus_main
  xdotool key alt+g
  sleep 0.3
  xdotool key c
  wait_window "Score Table"
  xdotool key "$key"
  wait_window "Score Table" gone
done
ok "the score table closes with Enter, Escape and Space"

# 7. Window types: the main window can't be maximized; the score table and message boxes are
# tool windows; Preferences asks for a close button only.
main=$(window)
xprop -id "$main" _NET_WM_ALLOWED_ACTIONS | grep -q MAXIMIZE && fail "the main window can be maximized"
wmctrl -r "$(xdotool getwindowname "$main")" -b add,maximized_vert,maximized_horz
sleep 0.3
[ "$(xwininfo -id "$main" | sed -n 's/.*Width: *//p')" = 600 ] || fail "the main window was maximized"
xdotool key alt+g
sleep 0.3
xdotool key c
wait_window "Score Table"
xprop -id "$(window 'Score Table')" _NET_WM_WINDOW_TYPE | grep -q UTILITY || fail "score table type"
xdotool key Escape
wait_window "Score Table" gone
xdotool key alt+o
sleep 0.3
xdotool key p
wait_window Preferences
# openbox offers minimizing any titled window; what the program controls is what it asks for:
# a title and a close button only (Motif decorations: no minimize 0x20, no maximize 0x40 bit),
# and a fixed size, which rules out maximizing.
preferences=$(window Preferences)
xprop -id "$preferences" _NET_WM_ALLOWED_ACTIONS | grep -q MAXIMIZE && fail "Preferences can be maximized"
decorations=$(xprop -id "$preferences" _MOTIF_WM_HINTS | awk -F', ' '{print $3}')
[ $((decorations & 0x60)) = 0 ] || fail "Preferences asks for more than a close button: $decorations"
xdotool key Escape
wait_window Preferences gone
ok "window types"

# 8. The close button ends the program and stores the game.
close_by_wm
wait_exit 5
[ "$(setting LastGame)" = "$work/Quarry.qbx" ] || fail "LastGame after the close button"
ok "the close button closes"
echo "$passed passed, 0 failed"
