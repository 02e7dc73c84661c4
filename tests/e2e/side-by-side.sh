#!/usr/bin/env bash
# A stand-alone game and the main program on one desktop (under a window manager): both run,
# each with its own window; a second start of the stand-alone game ends at once and brings the
# running one to the front; closing one leaves the other running.
#
# Usage: tests/e2e/side-by-side.sh PROGRAM_DIR   (needs Xvfb, xdotool, openbox)
program_dir=$(cd "$1" && pwd)
shift
source "$(dirname "$0")/lib.sh" --wm

game_pid=''
trap '[ -z "$game_pid" ] || kill "$game_pid" 2>/dev/null; cleanup' EXIT
mkdir -p "$work/games"
make_standalone "$work/games/Castle" "$program_dir/Games/Default.qbx"
# A window by its caption, also while it is away (another program has the focus).
named() { xdotool search --onlyvisible --name "^$1( \\[Away\\])?\$" 2>/dev/null | head -1 || true; }
active() { xprop -root _NET_ACTIVE_WINDOW | sed 's/.*# //' | xargs printf '%d\n'; }
wait_active() {
  for _ in $(seq 100); do [ "$(active)" = "$1" ] && return 0; sleep 0.05; done
  fail "window $1 was not brought to the front (active: $(active))"
}

"$work/games/Castle" >>"$work/out.txt" 2>&1 &
game_pid=$!
wait_for "caption Quarrybox - Castle" 20
wait_window "Quarrybox - Castle"
castle=$(named "Quarrybox - Castle")

"$program_dir/quarrybox" >>"$work/out.txt" 2>&1 &
pid=$!
wait_for "caption Quarrybox - Default" 20
wait_window "Quarrybox - Default"
main=$(named "Quarrybox - Default")
[ -n "$main" ] || fail "the main program has no window beside the game"
kill -0 "$game_pid" || fail "the stand-alone game ended when the main program started"
wait_active "$main"

mark_now
started=$(date +%s%N)
"$work/games/Castle" >>"$work/out.txt" 2>&1 || fail "the second start failed"
took=$((($(date +%s%N) - started) / 1000000))
wait_for "raised"
wait_active "$castle"
[ "$(xdotool search --onlyvisible --name '^Quarrybox - Castle' | wc -l)" = 1 ] ||
  fail "the second start opened a window of its own"
echo "a second start of the game ended after $took ms and brought the running one to the front"

# The main program closes; the game plays on.
xdotool windowactivate --sync "$main"
xdotool key alt+f
sleep 0.3
xdotool key x
wait_exit 10
kill -0 "$game_pid" || fail "the stand-alone game ended with the main program"
[ -n "$(named "Quarrybox - Castle")" ] || fail "the game's window went with the main program"
kill -TERM "$game_pid"
wait "$game_pid" || fail "the stand-alone game ended with status $?"
game_pid=''
echo "1 passed, 0 failed"
