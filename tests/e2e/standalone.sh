#!/usr/bin/env bash
# A stand-alone game (Make EXE) end to end under Xvfb with real key presses: the launcher
# unpacks the runtime, the window shows the game's own caption and the reduced File menu, a
# game is played to a high score and a name entered; after closing, the score is inside the
# file and nothing is left beside it or in the runtime folder.
#
# Usage: tests/e2e/standalone.sh PROGRAM_DIR   (needs Xvfb, xdotool)
program_dir=$(cd "$1" && pwd)
shift
source "$(dirname "$0")/lib.sh"

mkdir -p "$work/games"
make_fresh_game "$work/Castle.qbx"
make_standalone "$work/games/Castle" "$work/Castle.qbx"
start_program_file() {
  "$1" >>"$work/out.txt" 2>&1 &
  pid=$!
  wait_for "state 1" 20
  wait_window Quarrybox
  focus_main
}
start_program_file "$work/games/Castle"
grep -q "caption Quarrybox - Castle" "$work/trace.txt" || fail "caption"
[ "$(ls "$XDG_CACHE_HOME/quarrybox/runtime" | grep -c '^[0-9a-f]\{64\}$')" = 1 ] ||
  fail "the runtime was not unpacked into one version folder"

drop_until_game_over
enter_high_score_name Ada

# The File menu holds only Exit: its first item's key closes the program.
focus_main
xdotool key alt+f
sleep 0.3
xdotool key x
wait_exit 10
"$program_dir/qbxtool" info "$work/games/Castle" | grep -q '^score 1 [1-9][0-9]* "Ada   "$' ||
  fail "the name is not in the stand-alone game: $("$program_dir/qbxtool" info "$work/games/Castle" | grep '^score 1')"
[ "$(ls -A "$work/games")" = Castle ] || fail "left beside the game: $(ls -A "$work/games")"
[ -z "$(ls -A "$XDG_RUNTIME_DIR/quarrybox")" ] || fail "left in the runtime folder"

# The game with its new score starts again.
start_program_file "$work/games/Castle"
kill -TERM "$pid"
wait_exit 10
echo "1 passed, 0 failed"
