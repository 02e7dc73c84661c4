#!/usr/bin/env bash
# Keys held as a player holds them, on an X server that repeats held keys (as every desktop
# does), with both cores kept busy so that a repeat's release and press often reach the program
# apart: a held drop key drops one piece, a held turn key turns once, a held Left moves one
# column under the single-step preference and slides under the other. Runs bare, or under a
# window manager with --wm.
#
# The drop key still held as the stack reaches the top types nothing into the high-score name.
#
# Usage: tests/e2e/held-keys.sh PROGRAM_DIR [--wm]    (needs Xvfb, xdotool, xset, imagemagick)
# With QB_SHOTS=FOLDER it keeps a screenshot of the name entry there.
program_dir=$(cd "$1" && pwd)
shift
source "$(dirname "$0")/lib.sh"
busy=''
trap 'kill $busy 2>/dev/null || true; cleanup' EXIT

xset r on
xset q | grep -q "auto repeat:  on" || fail "the X server does not repeat held keys"
for _ in $(seq "$(nproc)"); do
  sh -c 'while :; do :; done' &
  busy+=" $!"
done

# Holds a key for $2 seconds, as one press and one release.
hold() {
  xdotool keydown "$1"
  sleep "$2"
  xdotool keyup "$1"
  sleep 0.2
}
count() { since_mark | grep -c -- "$1" || true; }

make_fresh_game "$work/Quarry.qbx"
start_program "$work/Quarry.qbx"
mark_now
xdotool key space
wait_for "piece "

# One turn, one column: the piece has not fallen far yet at the first level's speed.
mark_now
hold Up 1.5
[ "$(count ' move ')" = 1 ] || fail "a held Up turned $(count ' move ') times"
mark_now
hold Left 1.5
[ "$(count ' move ')" = 1 ] || fail "a held Left moved $(count ' move ') times under single steps"

# One piece dropped: it lands, the next one comes and stays up while the key is still down.
mark_now
hold space 1.5
[ "$(count ' land ')" = 1 ] || fail "a held Space dropped $(count ' land ') pieces"

kill "$pid"
wait_exit 5

# The slide preference: a held Left slides the piece to the wall, one column at a time.
sed -i 's/^\[2.0\]$/[2.0]\nMovement=Slide/' "$settings"
mark_now
start_program "$work/Quarry.qbx"
xdotool key space
wait_for "piece "
mark_now
hold Left 1
moves=$(count ' move ')
[ "$moves" -ge 2 ] || fail "a held Left moved $moves times under the slide preference"
kill "$pid"
wait_exit 5

# Every piece dropped with Space held for a while, until one finds no room: the key is still
# down when the score table opens, and repeats into it until it is released.
# A piece that falls on its own may end the game in the moment between a release and the next
# press: the table then opened with no key down, and the game is played again.
for attempt in 1 2 3; do
  make_fresh_game "$work/Held.qbx"
  start_program "$work/Held.qbx"
  mark_now
  xdotool key space
  wait_for "state 2"
  held=0
  for _ in $(seq 60); do
    xdotool keydown space
    sleep 1.2
    if since_mark | grep -q "state 3"; then held=1; break; fi
    xdotool keyup space
    sleep 0.1
    since_mark | grep -q "state 3" && break
  done
  [ "$held" = 1 ] && break
  since_mark | grep -q "state 3" || fail "the game did not end"
  echo "attempt $attempt: the game ended between two presses; playing again"
  kill "$pid"
  wait_exit 5
done
[ "$held" = 1 ] || fail "in three games none ended with Space held"
wait_window "Score Table"
sleep 1 # repeats of the held key reach the open table
xdotool keyup space
sleep 0.3
[ -z "${QB_SHOTS:-}" ] || { mkdir -p "$QB_SHOTS"; import -window root "$QB_SHOTS/held-space-entry.png"; }
xdotool type --delay 60 "Ada"
xdotool key Return
wait_window "Score Table" gone
name=$("$program_dir/qbxtool" info "$work/Held.qbx" | grep '^score 1 ')
grep -q '"Ada   "$' <<<"$name" || fail "the held Space reached the name: $name"
echo "held keys: Up 1 turn, Left 1 column, Space 1 piece; sliding Left $moves columns; name typed after a held Space: $name"
