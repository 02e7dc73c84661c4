#!/usr/bin/env bash
# The program in a native Wayland session (weston, headless): it starts, shows its title at
# each stored size and in full screen, and closes on SIGTERM. A Wayland window is never told
# where it is, so the close leaves the stored position as it was. Keys cannot be sent into a
# headless weston, so play itself is left to the X tests. Skips (77) where weston cannot start.
#
# Usage: tests/e2e/wayland.sh PROGRAM_DIR
program_dir=$(cd "$1" && pwd)
shift
skip() { echo "SKIPPED: $*"; exit 77; }
command -v weston >/dev/null || skip "weston is not installed"
source "$(dirname "$0")/lib.sh"
unset DISPLAY # no way back to X
export QT_QPA_PLATFORM=wayland WAYLAND_DISPLAY=wayland-quarrybox
weston --backend=headless-backend.so --socket="$WAYLAND_DISPLAY" --idle-time=0 \
  >"$work/weston.txt" 2>&1 &
wpid=$!
trap 'kill $wpid 2>/dev/null || true; cleanup' EXIT
for _ in $(seq 100); do [ -S "$XDG_RUNTIME_DIR/$WAYLAND_DISPLAY" ] && break; sleep 0.05; done
[ -S "$XDG_RUNTIME_DIR/$WAYLAND_DISPLAY" ] || skip "weston did not start: $(tail -n 3 "$work/weston.txt")"

make_fresh_game "$work/Quarry.qbx"
mkdir -p "$(dirname "$settings")"
for size in 'WindowSize=1\nFullScreen=OFF' 'WindowSize=2\nFullScreen=OFF' 'WindowSize=1\nFullScreen=ON'; do
  printf "[2.0]\n$size\nQuarryboxLeft=123\nQuarryboxTop=45\n" >"$settings"
  mark_now
  "$program_dir/quarrybox" "$work/Quarry.qbx" >>"$work/out.txt" 2>&1 &
  pid=$!
  wait_for "state 1" 20
  sleep 0.5
  kill "$pid"
  wait_exit 5
  [ "$(setting QuarryboxLeft),$(setting QuarryboxTop)" = "123,45" ] ||
    fail "the close stored the position $(setting QuarryboxLeft),$(setting QuarryboxTop)"
  grep -q "^LastGame=$work/Quarry.qbx" "$settings" || fail "the close did not run: no LastGame"
done
grep -qi "could not\|error" "$work/out.txt" && fail "the program complained: $(head -n 3 "$work/out.txt")"
echo "Wayland: starts at Normal, Double and full screen, closes, keeps the stored position"
