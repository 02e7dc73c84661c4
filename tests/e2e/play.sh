#!/usr/bin/env bash
# End to end through a real window: an X server (Xvfb), real key presses (xdotool), the trace
# and the settings file. Plays a copy of the default game to a high score and enters a name,
# pauses, resumes, stops a game through its confirmation, and closes the window.
#
# Usage: tests/e2e/play.sh PROGRAM_DIR [SHOT_DIR]    (needs Xvfb, xdotool, imagemagick)
set -euo pipefail

program_dir=$(cd "$1" && pwd)
shots=${2:-}
work=$(mktemp -d)
trap 'kill "${pid:-0}" "${xpid:-0}" 2>/dev/null || true; rm -rf "$work"' EXIT

# The X server picks a free display number itself and tells it through a pipe.
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" >/dev/null 2>&1 &
xpid=$!
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.05; done
export DISPLAY=":$(head -n 1 "$work/display")"
mkdir -m 0700 "$work/runtime"
export XDG_RUNTIME_DIR=$work/runtime XDG_CONFIG_HOME=$work/config XDG_DATA_HOME=$work/data
export SDL_AUDIODRIVER=dummy QUARRYBOX_TRACE=$work/trace.txt QT_QPA_PLATFORM=xcb
touch "$work/trace.txt"
# A copy of the default game made anew, so that its score table is fresh (all zeros): the
# bundled game keeps the scores of every game played with it.
"$program_dir/qbxtool" extract "$program_dir/Games/Default.qbx" "$work/pictures" >/dev/null
levels=()
while read -r _ n _ _ _ type _ _ _ grid; do
  levels+=(--level "$work/pictures/tpl$((n - 1)).$([ "$type" = 1 ] && echo jpg || echo bmp):$grid")
done < <("$program_dir/qbxtool" info "$program_dir/Games/Default.qbx" | grep '^level ')
"$program_dir/qbxtool" create "$work/Quarry.qbx" --start "$work/pictures/tps.jpg" \
  --playing "$work/pictures/tpp.jpg" --gameover "$work/pictures/tpg.jpg" "${levels[@]}" \
  --stretch-start 0 --stretch-playing 0 --stretch-gameover 0 >/dev/null
settings=$work/config/ZanpekSystems/Quarrybox.conf

fail() { echo "FAIL: $*" >&2; tail -n 20 "$work/trace.txt" >&2; exit 1; }
# Waits until the trace has a line matching the pattern after line $mark.
wait_for() {
  local pattern=$1 seconds=${2:-10}
  for _ in $(seq $((seconds * 20))); do
    if tail -n +"$((mark + 1))" "$work/trace.txt" | grep -q -- "$pattern"; then return 0; fi
    sleep 0.05
  done
  fail "no '$pattern' in the trace within $seconds s"
}
mark_now() { mark=$(wc -l <"$work/trace.txt"); }
shot() { [ -z "$shots" ] || import -window root "$shots/$1.png"; }
window() { xdotool search --onlyvisible --name "^Quarrybox" | head -1; }

for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
[ -z "$shots" ] || mkdir -p "$shots"
mark=0

"$program_dir/quarrybox" "$work/Quarry.qbx" >"$work/out.txt" 2>&1 &
pid=$!
wait_for "state 1"
grep -q "caption Quarrybox - Quarry" "$work/trace.txt" || fail "caption"
xdotool windowfocus --sync "$(window)"
shot title

# A game played by dropping every piece: the stack reaches the top, the score enters the
# fresh table (all zeros), and a name is typed.
mark_now
xdotool key space
wait_for "state 2"
for _ in $(seq 200); do
  grep -q "state 3" "$work/trace.txt" && break
  xdotool key space
  sleep 0.1
done
wait_for "state 3" 5
wait_for "sound HiScore\|state 3" 2
sleep 0.5
shot score-entry
xdotool type --delay 60 "Ada"
xdotool key Return
sleep 0.5
shot game-over
"$program_dir/qbxtool" info "$work/Quarry.qbx" | grep -q '^score 1 [1-9][0-9]* "Ada   "$' ||
  fail "the name is not in the game file: $("$program_dir/qbxtool" info "$work/Quarry.qbx" | grep '^score 1')"

# Pause and resume, then Stop Game with its confirmation answered OK.
mark_now
xdotool windowfocus --sync "$(window)"
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

# Closing stores the last game and the window position.
xdotool windowfocus --sync "$(window)"
xdotool key alt+f
sleep 0.3
shot file-menu
xdotool key x       # "E&xit"
for _ in $(seq 50); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
kill -0 "$pid" 2>/dev/null && fail "the program did not close"
grep -q "^LastGame=$work/Quarry.qbx" "$settings" || fail "LastGame not stored"
grep -q "^QuarryboxLeft=" "$settings" && grep -q "^QuarryboxTop=" "$settings" || fail "window position"
echo "1 passed, 0 failed"
