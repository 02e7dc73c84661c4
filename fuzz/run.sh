#!/usr/bin/env bash
# Fuzzes one target: builds it with clang into BUILD_DIR when needed, makes a seed corpus, then
# runs libFuzzer for SECONDS. TARGET is gamefile (the default: the game file reader, seeded with
# small real games made by qbxtool), picture (picture loading and cutting into cells), scoretable
# (the high-score table) or settings (the settings values).
#
#   fuzz/run.sh QBXTOOL BUILD_DIR SECONDS [TARGET]
#
# The corpus grows in BUILD_DIR/corpus/TARGET from run to run; a crashing input is kept in
# BUILD_DIR/artifacts. Exits 0 when nothing was found, 1 on a finding or failure, and 77 (skipped)
# when clang++ is not installed.
set -euo pipefail

if [ $# -lt 3 ] || [ $# -gt 4 ]; then
  echo "usage: $0 QBXTOOL BUILD_DIR SECONDS [gamefile|picture|scoretable|settings]" >&2
  exit 2
fi
QBXTOOL="$1"
BUILD_DIR="$2"
RUN_SECONDS="$3"
TARGET="${4:-gamefile}"
case "$TARGET" in
  gamefile | picture | scoretable | settings) ;;
  *) echo "unknown fuzz target $TARGET" >&2; exit 2 ;;
esac
SOURCE_DIR="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"

CLANGXX="$(command -v clang++ || command -v clang++-14 || true)"
if [ -z "$CLANGXX" ]; then
  echo "clang++ is not installed: fuzzing skipped (install clang and libclang-rt-14-dev)"
  exit 77
fi

if [ ! -f "$BUILD_DIR/build.ninja" ]; then
  cmake -S "$SOURCE_DIR" -B "$BUILD_DIR" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_CXX_COMPILER="$CLANGXX" >"$BUILD_DIR.configure.log" 2>&1 ||
    { cat "$BUILD_DIR.configure.log"; exit 1; }
fi
cmake --build "$BUILD_DIR" --target "fuzz_$TARGET"

seeds="$BUILD_DIR/seeds/$TARGET"
pictures="$BUILD_DIR/seed-pictures"
corpus="$BUILD_DIR/corpus/$TARGET"
rm -rf "$seeds" "$pictures"
mkdir -p "$seeds" "$pictures" "$corpus" "$BUILD_DIR/artifacts"

# Seeds: games made by the real writer, with JPEG and BMP pictures, one to three levels.
seed_gamefile() {
printf '\xff\xd8\xff\xe0JFIF-start' >"$pictures/start.jpg"
printf 'BM-playing-skin' >"$pictures/playing.bmp"
printf '\xff\xd8\xff' >"$pictures/over.jpg"
printf '\xff\xd8\xff\xdblevel-one' >"$pictures/one.jpg"
printf 'BMtwo' >"$pictures/two.bmp"
: >"$pictures/empty.jpg"
skins=(--start "$pictures/start.jpg" --playing "$pictures/playing.bmp"
  --gameover "$pictures/over.jpg")
# The pictures are stand-ins, which create names before it writes them all the same.
"$QBXTOOL" create "$seeds/one-level.qbx" --force "${skins[@]}" --level "$pictures/one.jpg" 2>/dev/null
"$QBXTOOL" create "$seeds/three-levels.qbx" --force "${skins[@]}" --level "$pictures/one.jpg:70" \
  --level "$pictures/two.bmp:16" --level "$pictures/empty.jpg:255" \
  --play-box 1:0x0000FF --next-box 1:255 --stretch-playing 0 2>/dev/null
}

# Seeds: a type byte (0 JPEG, 1 BMP) and a grid byte, then a real picture; made by ImageMagick
# where it is installed, else a 2 x 2 BMP written here.
seed_picture() {
  printf '\x01\x01BM\x46\0\0\0\0\0\0\0\x36\0\0\0\x28\0\0\0\x02\0\0\0\x02\0\0\0\x01\0\x18\0' \
    >"$seeds/tiny.bmp"
  head -c 40 /dev/zero >>"$seeds/tiny.bmp"
  command -v convert >/dev/null || return 0
  convert -size 48x40 gradient:red-blue "$pictures/p.png"
  local kind
  for kind in "jpg:0" "bmp:1" "bmp3:1"; do
    convert "$pictures/p.png" "${kind%%:*}:$pictures/out"
    { printf "\\x0${kind##*:}\\x10"; cat "$pictures/out"; } >"$seeds/${kind%%:*}"
  done
  convert "$pictures/p.png" -interlace Plane "$pictures/out.jpg"
  { printf '\x00\x08'; cat "$pictures/out.jpg"; } >"$seeds/progressive"
  # A phone's EXIF block (APP1, orientation 6: turned a quarter) after the start of the JPEG.
  {
    printf '\x00\x08'
    head -c 2 "$pictures/out.jpg"
    printf '\xff\xe1\x00\x22Exif\0\0II*\0\x08\0\0\0\x01\0\x12\x01\x03\0\x01\0\0\0\x06\0\0\0\0\0\0\0'
    tail -c +3 "$pictures/out.jpg"
  } >"$seeds/turned"
  convert "$pictures/p.png" -colors 16 -compress RLE "bmp3:$pictures/out"
  { printf '\x01\x0C'; cat "$pictures/out"; } >"$seeds/rle"
}

# Seeds: a table of falling scores and names, a final score, two typed names.
seed_scoretable() {
  {
    for i in 0 1 2 3 4 5 6 7 8 9; do
      printf 'Name%02d' "$i"
      printf "\\x$(printf %02x $((90 - 9 * i)))\\0\\0\\0"
    done
    printf '\x30\0\0\0Ann\nBob'
  } >"$seeds/table"
}

# Seeds: settings files as the program writes them, with an earlier version's group.
seed_settings() {
  printf '[2.0]\nSoundState=ON\nDownArrow=Drop\nLastGame=/home/a/Games/Default.qbx\n' >"$seeds/new"
  printf '[1.0]\nQRXHandle=12\nUpArrow=ACW\n\n[2.0]\nQuarryboxLeft=@Variant(\\0\\0\\0\\x2)\n' \
    >"$seeds/old"
}

"seed_$TARGET"

# Allocations: the game file fuzzer itself fails an input that makes one allocation far above its
# size; libFuzzer's limits catch anything beyond that. A picture gets a second: the decoder's
# limits hold every decode well within it, so a slower input is a hostile file they let through.
timeout=10
[ "$TARGET" != picture ] || timeout=1
exec "$BUILD_DIR/fuzz_$TARGET" "$corpus" "$seeds" \
  -max_total_time="$RUN_SECONDS" -max_len=65536 -malloc_limit_mb=64 -rss_limit_mb=1024 \
  -timeout="$timeout" -error_exitcode=1 -timeout_exitcode=1 -print_final_stats=1 \
  -artifact_prefix="$BUILD_DIR/artifacts/"
