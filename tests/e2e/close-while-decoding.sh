#!/usr/bin/env bash
# Closing never waits for a picture: with the first level's picture (as large and with as many
# scans as the game takes: decoded until the decoder refuses it for its work, some 0.2-0.4 s)
# decoding behind the title, File > Exit and SIGTERM each end the process at once, its working
# folder gone with it, and a start right after opens its own window. SIGTERM while start-up
# shows a message runs the close sequence and ends the program normally.
#
# Usage: tests/e2e/close-while-decoding.sh PROGRAM_DIR SLOW_JPEG_TOOL   (needs Xvfb, xdotool)
program_dir=$(cd "$1" && pwd)
slow_jpeg=$2
shift 2
source "$(dirname "$0")/lib.sh"

make_fresh_game "$work/Quarry.qbx" # for its skins
"$slow_jpeg" "$work/slow.jpg" 88 8000 8000 >/dev/null
"$program_dir/qbxtool" create "$work/Slow.qbx" --start "$work/pictures/tps.jpg" \
  --playing "$work/pictures/tpp.jpg" --gameover "$work/pictures/tpg.jpg" \
  --level "$work/slow.jpg:50" --force >/dev/null 2>&1

# Milliseconds from $1 (date +%s%N) to now.
since() { echo $((($(date +%s%N) - $1) / 1000000)); }
# Starts the game; the picture's decode begins with the title.
start_slow() {
  mark_now
  start_program "$work/Slow.qbx"
  sleep 0.2
}
# Fails unless the program ends within $1 ms of $2 with status 0.
expect_quick_end() {
  local limit=$1 started=$2
  for _ in $(seq 100); do kill -0 "$pid" 2>/dev/null || break; sleep 0.02; done
  local took
  took=$(since "$started")
  kill -0 "$pid" 2>/dev/null && fail "still running $took ms after the close"
  wait "$pid" || fail "ended with status $?"
  [ "$took" -le "$limit" ] || fail "took $took ms to end"
  [ ! -e "$XDG_RUNTIME_DIR/quarrybox/$pid" ] || fail "$3: its working folder is left behind"
  echo "$3: ended after $took ms, its working folder gone"
}

start_slow
started=$(date +%s%N)
xdotool key alt+f
sleep 0.3
xdotool key x
expect_quick_end 2000 "$started" "File > Exit"

start_slow
started=$(date +%s%N)
kill -TERM "$pid"
expect_quick_end 2000 "$started" "SIGTERM"

# A start as the last one ends gets its own window, never hands its game to the dying one.
start_slow
kill -TERM "$pid"
start_program "$work/Quarry.qbx"
grep -q "caption Quarrybox - Quarry" "$work/trace.txt" || fail "the second start showed no game"
kill -TERM "$pid"
wait_exit 5

# SIGTERM while start-up shows a message (the game named cannot be opened).
mark_now
"$program_dir/quarrybox" "$work/Missing.qbx" >>"$work/out.txt" 2>&1 &
pid=$!
wait_for "message " 20
kill -TERM "$pid"
expect_quick_end 2000 "$(date +%s%N)" "SIGTERM at the start-up message"
grep -q "^QuarryboxLeft=" "$settings" || fail "the close sequence did not run"
