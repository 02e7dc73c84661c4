#!/usr/bin/env bash
# The program as an ordinary user runs it, from a folder that user cannot write: plays the
# bundled game to game over under Xvfb with real key presses, enters a name, closes. Checks
# that every picture was shown (no error box), that the score was kept in the user's score
# store and survives a restart, that the working pictures went with the process, and that
# nothing under WATCH changed.
#
# Usage: tests/e2e/user-play.sh PROGRAM WATCH   (as root: runs as user "qbplayer", made if
#        missing; needs Xvfb, xdotool, setpriv)
set -euo pipefail

program=$1
watch=$2
user=qbplayer
if [ "$(id -u)" -eq 0 ]; then
  id "$user" >/dev/null 2>&1 || useradd --system --no-create-home --shell /usr/sbin/nologin "$user"
  as_user() { setpriv --reuid="$user" --regid="$user" --init-groups "$@"; }
else
  user=$(id -un)
  as_user() { "$@"; }
fi
work=$(mktemp -d)
chmod 0755 "$work"
trap 'kill "${pid:-0}" "${xpid:-0}" 2>/dev/null || true; rm -rf "$work"' EXIT
home=$work/home
mkdir -p "$home" && chown "$user" "$home"
listing() { find "$watch" -printf '%p %s %T@ %m\n' | sort; }
listing >"$work/before"

Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -ac 3>"$work/display" >/dev/null 2>&1 &
xpid=$!
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.05; done
export DISPLAY=":$(head -n 1 "$work/display")"
for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done

trace=$home/trace.txt
fail() { echo "FAIL: $*" >&2; tail -n 20 "$trace" >&2 || true; exit 1; }
wait_for() {
  for _ in $(seq $((${2:-10} * 20))); do
    grep -q -- "$1" "$trace" 2>/dev/null && return 0
    sleep 0.05
  done
  fail "no '$1' in the trace"
}
start() {
  rm -f "$trace"
  as_user env -i HOME="$home" DISPLAY="$DISPLAY" PATH=/usr/bin:/bin XDG_RUNTIME_DIR="$home/runtime" \
    XDG_CONFIG_HOME="$home/config" XDG_DATA_HOME="$home/data" XDG_CACHE_HOME="$home/cache" \
    SDL_AUDIODRIVER=dummy QT_QPA_PLATFORM=xcb QUARRYBOX_TRACE="$trace" \
    sh -c 'mkdir -m 0700 -p "$XDG_RUNTIME_DIR" && exec "$0"' "$program" >"$work/out.txt" 2>&1 &
  pid=$!
  wait_for "state 1" 20
}
window() { xdotool search --onlyvisible --name "^Quarrybox" | head -1; }
close() {
  xdotool windowfocus --sync "$(window)"
  xdotool key alt+f; sleep 0.3; xdotool key x
  for _ in $(seq 50); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
  kill -0 "$pid" 2>/dev/null && fail "the program did not close"
  return 0
}

start
xdotool windowfocus --sync "$(window)"
xdotool key space
wait_for "state 2"
for _ in $(seq 300); do
  grep -q "state 3" "$trace" && break
  xdotool key space
  sleep 0.1
done
wait_for "state 3" 5
sleep 0.5
xdotool type --delay 60 "Ada"
xdotool key Return
wait_for "kept for you alone"
sleep 0.5
xdotool key Return   # the box telling where the scores are
working=$(ls "$home/runtime/quarrybox")
[ -n "$working" ] || fail "no working folder in the runtime folder"
close

grep "^[0-9]* message" "$trace" | grep -v "kept for you alone" && fail "an error box was shown"
grep -q " piece [0-9]* [0-9]*,[0-9]*" "$trace" || fail "no piece carried a picture cell"
[ -e "$home/runtime/quarrybox/$working" ] && fail "the working folder outlived the program"
grep -q "Ada" "$home/data/quarrybox/scores/"*.scores || fail "the score is not in the store"

# A second start is not told again.
start
grep -q "kept for you alone" "$trace" && fail "told twice"
close
listing >"$work/after"
diff "$work/before" "$work/after" >&2 || fail "files under $watch changed"
echo "1 passed, 0 failed"
