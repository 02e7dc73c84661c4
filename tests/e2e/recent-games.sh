#!/usr/bin/env bash
# Games within reach, through real windows under a window manager: on a first start the games
# gallery is offered beside the title; a game is chosen in it with the arrow keys and Enter,
# another through File > Games..., File > Open Recent (Alt+F, arrows, Enter) opens the second
# of the two recent games, a double-click in the gallery opens the game clicked, and a recent
# game whose file went is taken off the list when chosen. The desktop's list of recently used
# files names both games afterwards.
#
# Usage: tests/e2e/recent-games.sh PROGRAM_DIR    (needs Xvfb, openbox, xdotool, imagemagick).
# With QB_SHOTS=FOLDER it keeps the screenshots there.
program_dir=$(cd "$1" && pwd)
shift
source "$(dirname "$0")/lib.sh" --wm
shots=${QB_SHOTS:-$work/shots}
mkdir -p "$shots"
shot() { import -window root "$shots/$1.png"; }

# The user's games: the gallery lists the bundled Default first, then First and Second.
yours=$XDG_DATA_HOME/quarrybox/games
mkdir -p "$yours"
make_fresh_game "$yours/First.qbx"
cp "$yours/First.qbx" "$yours/Second.qbx"

# Waits for the gallery, which takes the keyboard, and its pictures.
wait_gallery() {
  wait_window Games
  wait_managed "$(window Games)"
  xdotool windowactivate --sync "$(window Games)" 2>/dev/null || true
  sleep 1
}
expect_game() {
  wait_for "caption Quarrybox - $1"
  echo "ok: $2 opened $1"
  mark_now
}

start_program # no game named and none ever opened: the gallery is offered
wait_gallery
shot gallery-offered
mark_now
xdotool key Right Return
expect_game First "the offered gallery (Right, Enter)"
wait_window Games gone

focus_main
xdotool key alt+f
sleep 0.3
xdotool key a
wait_gallery
xdotool key Right Right Return
expect_game Second "File > Games... (Right, Right, Enter)"

focus_main
xdotool key alt+f
sleep 0.3
xdotool key Down Return # Open Game, then Open Recent: its submenu opens on Second
sleep 0.5
shot open-recent-menu
xdotool key Down Return
expect_game First "Open Recent (the second entry)"

focus_main
xdotool key alt+f
sleep 0.3
xdotool key a
wait_gallery
shot gallery
# The third picture of the first row (Second), double-clicked.
read -r gx gy _ _ < <(client "$(window Games)")
xdotool mousemove --sync $((gx + 10 + 2 * 228 + 114)) $((gy + 10 + 70)) click --repeat 2 --delay 80 1
expect_game Second "a double-click in the gallery"

# A recent game whose file went: greyed, and choosing it offers to take it off the list.
rm "$yours/First.qbx"
focus_main
xdotool key alt+f
sleep 0.3
xdotool key Down Return
sleep 0.5
shot open-recent-missing
xdotool key Down Return
wait_window "Open Recent"
xdotool key Return # Yes
wait_window "Open Recent" gone
[ "$(setting RecentGame1)" = "$yours/Second.qbx" ] && [ -z "$(setting RecentGame2)" ] ||
  fail "the missing game is still listed: $(grep RecentGame "$settings")"
echo "ok: the missing First was taken off the list"

focus_main
xdotool key alt+f
sleep 0.3
xdotool key x
wait_exit 10
for game in First Second; do
  grep -q "href=\"file://$yours/$game.qbx\"" "$XDG_DATA_HOME/recently-used.xbel" ||
    fail "$game.qbx is not in the desktop's recently used files"
done
echo "ok: both games in recently-used.xbel"
