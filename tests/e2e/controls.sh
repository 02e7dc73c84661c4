#!/usr/bin/env bash
# The player's own controls with real keys: Turn bound to W in Options > Preferences > Keys...
# and played; Down held with "fall fast" lands the piece as a fallen one (no drop points); the
# landing place seen in a screenshot of the root window; and the volume heard on SDL's disk
# output, half as loud at 50 as at 100.
#
# Usage: tests/e2e/controls.sh PROGRAM_DIR    (needs Xvfb, xdotool, imagemagick)
# With QB_SHOTS=FOLDER it keeps the screenshots there.
program_dir=$(cd "$1" && pwd)
shift
source "$(dirname "$0")/lib.sh"
shots=${QB_SHOTS:-$work/shots}
mkdir -p "$shots"

# Sets a stored value, adding its line when there is none.
set_setting() {
  if grep -q "^$1=" "$settings"; then sed -i "s/^$1=.*/$1=$2/" "$settings"
  else sed -i "s/^\[2.0\]$/[2.0]\n$1=$2/" "$settings"; fi
}
stop_program() {
  kill "$pid"
  wait_exit 5
}
# A new game from the title: the first piece has come.
start_playing() {
  start_program "$work/Quarry.qbx"
  mark_now
  xdotool key space
  wait_for "piece "
}

make_fresh_game "$work/Quarry.qbx"

# 1. Turn bound to W with the keyboard alone: Preferences, Keys..., the third row, Add Key, W,
# then Ok in the keys dialog (four Tabs from the table) and in Preferences (Tab from Keys...).
start_program "$work/Quarry.qbx"
xdotool key alt+o
sleep 0.3
xdotool key p
wait_window Preferences
import -window root "$shots/preferences.png"
xdotool key alt+k
wait_window Keys
xdotool key Down Down alt+a
sleep 0.2
xdotool key w
sleep 0.2
import -window root "$shots/keys.png"
xdotool key Tab Tab Tab Tab space
wait_window Keys gone
xdotool key Tab space
wait_window Preferences gone
turn_keys=$(setting KeyTurn | tr -d '"')
grep -qE '(^|; )W(;|$)' <<<"$turn_keys" || fail "KeyTurn holds '$turn_keys', not W"
sleep 0.3
mark_now
xdotool key space
wait_for "piece "
mark_now
xdotool key w
wait_for " move " 3
stop_program

# 2. Down held with "fall fast": the piece lands within a couple of seconds (it falls a row a
# second on its own) and scores a landing's points, with no drop bonus.
set_setting DownArrow Fall
start_playing
mark_now
xdotool keydown Down
sleep 2.5
xdotool keyup Down
wait_for " land " 1
score=$(since_mark | awk '$2 == "score" {print $3; exit}')
[ $((score % 100)) = 10 ] || fail "the fallen piece scored $score: drop points were added"
[ "$(setting DownArrow)" = Fall ] || fail "DownArrow is '$(setting DownArrow)' after the game"
stop_program

# 3. The landing place: the lower rows of the empty well, shot while the first piece is still at
# the top, differ from the same rows without it by about the piece's four squares.
well_shot() {
  set_setting GhostPiece "$1"
  start_playing
  sleep 0.4
  import -window root "$shots/ghost-$1.png"
  read -r x y w h < <(client "$(window)")
  # The picture fills the client area under the menu bar; the well's rows 1 to 8 lie at
  # (320, 222) to (518, 380) of it.
  convert "$shots/ghost-$1.png" -crop "198x158+$((x + 320))+$((y + h - 400 + 222))" +repage \
    "$work/well-$1.png"
  stop_program
}
well_shot NO
well_shot YES
changed=$(compare -metric AE "$work/well-NO.png" "$work/well-YES.png" null: 2>&1 || true)
[ "$changed" -ge 900 ] && [ "$changed" -le 1400 ] ||
  fail "the landing place changed $changed pixels of the lower well (four squares: 1296)"
set_setting GhostPiece NO

# 4. The volume: the title's jingle on the disk output, at 100 and at 50.
export SDL_AUDIODRIVER=disk
peak_at() {
  set_setting SoundVolume "$1"
  export SDL_DISKAUDIOFILE=$work/output-$1.raw
  start_program "$work/Quarry.qbx"
  sleep 2
  stop_program
  # The first 20000 samples from the first sound on: the jingle alone.
  od -An -v -td2 -w2 "$SDL_DISKAUDIOFILE" |
    awk '{v = $1 < 0 ? -$1 : $1} v > 0 {n++} n > 0 && n <= 20000 && v > m {m = v} END {print m + 0}'
}
full=$(peak_at 100)
half=$(peak_at 50)
[ "$full" -gt 1000 ] || fail "the jingle's peak at full volume is $full"
[ $((half * 2)) -ge $((full - full / 50)) ] && [ $((half * 2)) -le $((full + full / 50)) ] ||
  fail "the peak at 50 is $half, at 100 $full: not half"
echo "controls: KeyTurn=$turn_keys turns; Down held with Fall scored $score; the landing place changed $changed pixels; peak $full at 100, $half at 50"
