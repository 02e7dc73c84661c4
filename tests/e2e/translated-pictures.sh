#!/usr/bin/env bash
# The start-key prompt and the pause banner in the desktop's language: started with LANG in
# German and in Polish, the pause banner differs from the English one. Only the part of the
# banner over the well is compared: the picture cells under its left part take random colours.
#
# Usage: tests/e2e/translated-pictures.sh PROGRAM_DIR    (needs Xvfb, xdotool, imagemagick)
# With QB_SHOTS=FOLDER it keeps the screenshots there: title-LANG.png (the prompt is at the top
# left), pause-LANG.png and the banner alone, banner-LANG.png.
program_dir=$(cd "$1" && pwd)
shift
source "$(dirname "$0")/lib.sh"
shots=${QB_SHOTS:-$work/shots}
mkdir -p "$shots"
make_fresh_game "$work/Quarry.qbx"

# The banner is 474 x 121 at (63, 140) of the 600 x 400 picture under the menu bar, the well 198
# wide at x 320.
shoot_language() {
  local lang=$1 locale=$2 x y w h
  LANG=$locale LANGUAGE='' LC_ALL='' LC_MESSAGES='' start_program "$work/Quarry.qbx"
  sleep 0.5
  import -window root "$shots/title-$lang.png"
  mark_now
  xdotool key space
  wait_for "state 2"
  sleep 0.5
  xdotool key F3
  wait_for 'caption Quarrybox - Quarry \['
  sleep 0.8
  import -window root "$shots/pause-$lang.png"
  read -r x y w h < <(client "$(window)")
  convert "$shots/pause-$lang.png" -crop "474x121+$((x + 63))+$((y + h - 400 + 140))" +repage \
    "$shots/banner-$lang.png"
  convert "$shots/banner-$lang.png" -crop "198x121+257+0" +repage "$work/well-$lang.png"
  kill "$pid"
  wait "$pid" 2>/dev/null || true
}

shoot_language en C.UTF-8
for lang in de pl; do
  shoot_language "$lang" "${lang}_$(tr a-z A-Z <<<"$lang").UTF-8"
  diff=$(compare -metric AE "$work/well-en.png" "$work/well-$lang.png" null: 2>&1 || true)
  [ "$diff" -gt 500 ] || fail "$lang: the pause banner differs from the English one in $diff pixels"
  echo "$lang: the pause banner differs from the English one in $diff pixels"
done
