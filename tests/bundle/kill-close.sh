#!/usr/bin/env bash
# Kills a stand-alone game during its close, COUNT times (default 50): each time a new high
# score is waiting to be written back, the program is asked to close (SIGTERM) and killed
# (SIGKILL) after a random delay up to a little past the end of the write (measured first by
# one close that is not killed). After every kill the game file must still be
# a working game holding either the old or the new scores, and the next start must leave
# nothing behind: no temporary file beside the game, no working folder of the killed process.
# Prints how many kills came before, during and after the write.
#
# With --linked the game has a second hard link in another folder, so its scores are written in
# place through a copy beside it: a write cut short is finished by the next start, after which
# both names must hold the same working game.
#
# Usage: tests/bundle/kill-close.sh PROGRAM_DIR [COUNT] [--linked]   (headless: offscreen Qt)
# QB_KILLS=N kills at most N times (the everyday scripts/test takes a sample).
set -euo pipefail
program_dir=$(cd "$1" && pwd)
count=${2:-50}
[ -z "${QB_KILLS:-}" ] || [ "$count" -le "$QB_KILLS" ] || count=$QB_KILLS
linked=${3:-}
work=$(mktemp -d)
pid=''
trap 'kill -KILL $pid 2>/dev/null || true; rm -rf "$work"' EXIT
mkdir -m 0700 "$work/runtime"
mkdir "$work/games"
export XDG_RUNTIME_DIR=$work/runtime XDG_CONFIG_HOME=$work/config XDG_DATA_HOME=$work/data
export XDG_CACHE_HOME=$work/cache QT_QPA_PLATFORM=offscreen SDL_AUDIODRIVER=dummy
export QUARRYBOX_TRACE=$work/trace.txt
game=$work/games/Castle
cat "$program_dir/quarrybox-runtime" "$program_dir/Games/Default.qbx" >"$game"
chmod 755 "$game"
qbxtool=$program_dir/qbxtool
desk=$work/desk/Castle
if [ "$linked" = --linked ]; then
  mkdir "$work/desk"
  ln "$game" "$desk"
fi
# Both names are one file still (with --linked).
one_file() {
  [ "$linked" = --linked ] || return 0
  [ "$(stat -c %i "$game")" = "$(stat -c %i "$desk")" ] || fail "the game lost its other link"
}

fail() { echo "FAIL (kill $i): $*" >&2; exit 1; }
start() {
  : >"$work/trace.txt"
  "$game" >>"$work/out.txt" 2>&1 &
  pid=$!
  for _ in $(seq 200); do grep -q "state 1" "$work/trace.txt" && return 0; sleep 0.05; done
  fail "the game did not reach its title screen: $(tail -3 "$work/out.txt")"
}
# The score the program would write after a game: straight into its working copy.
new_score() {
  local copy=$XDG_RUNTIME_DIR/quarrybox/$pid/Castle.qbx offset
  offset=$("$qbxtool" info "$copy" | sed -n 's/^score-table offset //p')
  perl -e 'print pack("A6 V", sprintf("K%05d", $ARGV[0]), 900000 + $ARGV[0])' "$i" |
    dd of="$copy" bs=1 seek="$offset" conv=notrunc status=none
}
# What a killed process may leave: a temporary file beside the game, a working folder (named by
# its process id, other than $1), an unpacking folder in the cache.
leftovers() {
  find "$work/games" -name '.Castle.*' -printf '%f\n'
  find "$XDG_RUNTIME_DIR/quarrybox" -mindepth 1 -maxdepth 1 ! -name "$1" -printf '%f\n'
  find "$XDG_CACHE_HOME/quarrybox/runtime" -mindepth 1 -maxdepth 1 -name '.unpack-*' -printf '%f\n'
}

ms() { echo $(($(date +%s%N) / 1000000)); }
i=0
start
new_score
t0=$(ms)
kill -TERM "$pid"
written=''
while kill -0 "$pid" 2>/dev/null; do
  ! compgen -G "$work/games/.Castle.*.*" >/dev/null || written=$(($(ms) - t0))
done
wait "$pid" || fail "the program ended with status $?"
close_ms=$(($(ms) - t0))
window=$((${written:-$((close_ms / 4))} + 30))
echo "a close that writes the scores back takes $close_ms ms; its write ends by" \
  "${written:-?} ms; kills fall within the first $window ms"

before=0 during=0 after=0
for i in $(seq "$count"); do
  start
  new_score
  kill -TERM "$pid"
  delay=$((RANDOM % window))
  sleep "$((delay / 1000)).$(printf '%03d' $((delay % 1000)))"
  kill -KILL "$pid" 2>/dev/null || true
  wait "$pid" 2>/dev/null || true
  left=$(leftovers none)
  one_file
  # A write in place that was cut short is finished by the next start, from its copy.
  scores=''
  if ! grep -q '\.inplace$' <<<"$left"; then
    scores=$("$qbxtool" info "$game") || fail "the game file cannot be read: $scores"
    "$qbxtool" verify "$game" >/dev/null || fail "the game file does not verify"
  fi
  if grep -q "K$(printf '%05d' "$i")" <<<"$scores"; then
    after=$((after + 1))
  elif grep -q '^\.Castle\.' <<<"$left"; then
    during=$((during + 1))
  else
    before=$((before + 1))
  fi
  start   # the next start works and removes what the killed one left
  left=$(leftovers "$pid")
  [ -z "$left" ] || fail "left behind after the next start: $left"
  one_file
  "$qbxtool" verify "$game" >/dev/null || fail "the game file does not verify after the next start"
  kill -TERM "$pid"
  wait "$pid" || fail "the program ended with status $?"
done
left=$(leftovers none)
[ -z "$left" ] || fail "left behind at the end: $left"
echo "kills: $count; before the write began: $before, during it: $during, after it: $after"
echo "every kill left a working game and the next start left nothing behind"
echo "1 passed, 0 failed"
