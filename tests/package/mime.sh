#!/usr/bin/env bash
# The game-file type told by content alone, as a file manager tells a game that lost its
# extension: data/xdg/quarrybox.xml beside the system's types in a private MIME database. Games
# with every box off or on and any number of levels are games; PCX images, whose rule also
# starts with byte 10, stay images.
#
# Usage: tests/package/mime.sh PROGRAM_DIR SOURCE_DIR
set -euo pipefail
program_dir=$(cd "$1" && pwd)
source_dir=$(cd "$2" && pwd)
for tool in update-mime-database mimetype; do
  command -v "$tool" >/dev/null || { echo "SKIPPED: $tool is not installed"; exit 77; }
done
system=/usr/share/mime/packages/freedesktop.org.xml
[ -e "$system" ] || { echo "SKIPPED: no $system"; exit 77; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/share/mime/packages"
cp "$system" "$source_dir/data/xdg/quarrybox.xml" "$work/share/mime/packages/"
export XDG_DATA_HOME=$work/share XDG_DATA_DIRS=$work/share
update-mime-database "$work/share/mime"
passes=0 failures=0
# type_is DESCRIPTION FILE TYPE: by content, as an extensionless file is told.
type_is() {
  local found
  found=$(mimetype --brief --magic-only "$2")
  if [ "$found" = "$3" ]; then
    echo "ok: $1"
    passes=$((passes + 1))
  else
    echo "FAIL: $1: $found, not $3" >&2
    failures=$((failures + 1))
  fi
}

"$program_dir/qbxtool" extract "$program_dir/Games/Default.qbx" "$work/pictures" >/dev/null
p=$work/pictures
level="--level $p/tpl0.jpg:44"
for boxes in 0 1; do
  for count in 1 3 60; do
    levels=()
    for _ in $(seq "$count"); do levels+=($level); done
    "$program_dir/qbxtool" create "$work/game" --start "$p/tps.jpg" --playing "$p/tpp.jpg" \
      --gameover "$p/tpg.jpg" "${levels[@]}" --play-box "$boxes:255" --score-box "$boxes:0" \
      --next-box "$boxes:0" --stretch-start "$boxes" --stretch-playing 0 \
      --stretch-gameover "$boxes" >/dev/null
    type_is "a game without extension, boxes $boxes, $count levels" "$work/game" \
      application/x-quarrybox-game
  done
done
type_is "the bundled game, by its content" "$program_dir/Games/Default.qbx" \
  application/x-quarrybox-game

convert -size 16x16 xc:red "pcx:$work/image"
type_is "a PCX image (version 5)" "$work/image" image/vnd.zbrush.pcx
# PC Paintbrush 2.5 (version 0): byte 1 is 0 as in a game with its play box off; the standard
# EGA palette from byte 16 on.
{
  printf '\012\000\001\001\000\000\000\000\017\000\017\000\110\000\110\000'
  printf '\000\000\000\000\000\252\000\252\000\000\252\252\252\000\000\252\000\252'
  head -c 94 /dev/zero
} >"$work/old"
type_is "a PCX image (version 0, EGA palette)" "$work/old" image/vnd.zbrush.pcx

echo "$passes passed, $failures failed"
[ "$failures" = 0 ]
