#!/usr/bin/env bash
# End to end through a real window: an X server (Xvfb), real key presses (xdotool), the trace
# and the settings file. Plays a copy of the default game to a high score and enters a name,
# pauses, resumes, stops a game through its confirmation, and closes the window. Runs bare, or
# under a window manager with --wm.
#
# Usage: tests/e2e/play.sh PROGRAM_DIR [--wm]    (needs Xvfb, xdotool, imagemagick, openbox)
# With QB_SHOTS=FOLDER it keeps a screenshot of each step there.
program_dir=$(cd "$1" && pwd)
shift
source "$(dirname "$0")/lib.sh"
shots=${QB_SHOTS:-}
shot() { [ -z "$shots" ] || import -window root "$shots/$1.png"; }
[ -z "$shots" ] || mkdir -p "$shots"

make_fresh_game "$work/Quarry.qbx"
start_program "$work/Quarry.qbx"
grep -q "caption Quarrybox - Quarry" "$work/trace.txt" || fail "caption"
shot title

# A game played by dropping every piece: the stack reaches the top, the score enters the
# fresh table (all zeros), and a name is typed.
drop_until_game_over
wait_for "sound HiScore\|state 3" 2
wait_window "Score Table"
sleep 0.3
shot score-entry
# A Space sent to drop a piece just before the game ended may have reached the name box; the
# name is typed from its first place.
xdotool key Home
xdotool type --delay 60 "Ada"
xdotool key Return
sleep 0.5
shot game-over
"$program_dir/qbxtool" info "$work/Quarry.qbx" | grep -q '^score 1 [1-9][0-9]* "Ada   "$' ||
  fail "the name is not in the game file: $("$program_dir/qbxtool" info "$work/Quarry.qbx" | grep '^score 1')"

# Pause and resume, then Stop Game with its confirmation answered OK.
mark_now
focus_main
xdotool key space   # back to the title
wait_for "state 1"
sleep 0.3           # two presses in consecutive frames read as one held key
mark_now
xdotool key space
wait_for "state 2"
sleep 1.2
mark_now
xdotool key F3
wait_for "caption Quarrybox - Quarry \[Pause\]"
sleep 0.3
shot pause
mark_now
xdotool key Up
wait_for "caption Quarrybox - Quarry$"
mark_now
xdotool key alt+g
sleep 0.3
xdotool key g   # "Stop &Game"
wait_for "message Confirm Stop Game||Really Stop Current Game?!|"
sleep 0.3
shot confirm-stop
xdotool key Tab space   # from Cancel to Ok
wait_for "state 1"

# Closing stores the last game and the window position. The menu answers its key right after
# the box closed, without the window being clicked or focused first (bare X included).
xdotool key alt+f
sleep 0.3
shot file-menu
xdotool key x       # "E&xit"
wait_exit 5
grep -q "^LastGame=$work/Quarry.qbx" "$settings" || fail "LastGame not stored"
grep -q "^QuarryboxLeft=" "$settings" && grep -q "^QuarryboxTop=" "$settings" || fail "window position"
echo "1 passed, 0 failed"
