#!/usr/bin/env bash
# Fuzzes the game file reader: builds the target with clang into BUILD_DIR when needed, makes a
# seed corpus of small real games with qbxtool, then runs libFuzzer for SECONDS.
#
#   fuzz/run.sh QBXTOOL BUILD_DIR SECONDS
#
# The corpus grows in BUILD_DIR/corpus from run to run; a crashing input is kept in
# BUILD_DIR/artifacts. Exits 0 when nothing was found, 1 on a finding or failure, and 77 (skipped)
# when clang++ is not installed.
set -euo pipefail

if [ $# -ne 3 ]; then
  echo "usage: $0 QBXTOOL BUILD_DIR SECONDS" >&2
  exit 2
fi
QBXTOOL="$1"
BUILD_DIR="$2"
RUN_SECONDS="$3"
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
cmake --build "$BUILD_DIR" --target fuzz_gamefile

# Seeds: games made by the real writer, with JPEG and BMP pictures, one to three levels.
seeds="$BUILD_DIR/seeds"
pictures="$BUILD_DIR/seed-pictures"
rm -rf "$seeds" "$pictures"
mkdir -p "$seeds" "$pictures" "$BUILD_DIR/corpus" "$BUILD_DIR/artifacts"
printf '\xff\xd8\xff\xe0JFIF-start' >"$pictures/start.jpg"
printf 'BM-playing-skin' >"$pictures/playing.bmp"
printf '\xff\xd8\xff' >"$pictures/over.jpg"
printf '\xff\xd8\xff\xdblevel-one' >"$pictures/one.jpg"
printf 'BMtwo' >"$pictures/two.bmp"
: >"$pictures/empty.jpg"
skins=(--start "$pictures/start.jpg" --playing "$pictures/playing.bmp"
  --gameover "$pictures/over.jpg")
"$QBXTOOL" create "$seeds/one-level.qbx" "${skins[@]}" --level "$pictures/one.jpg"
"$QBXTOOL" create "$seeds/three-levels.qbx" "${skins[@]}" --level "$pictures/one.jpg:70" \
  --level "$pictures/two.bmp:16" --level "$pictures/empty.jpg:255" \
  --play-box 1:0x0000FF --next-box 1:255 --stretch-playing 0

# Allocations: the fuzzer itself fails an input that makes one allocation far above its size;
# libFuzzer's limits catch anything beyond that.
exec "$BUILD_DIR/fuzz_gamefile" "$BUILD_DIR/corpus" "$seeds" \
  -max_total_time="$RUN_SECONDS" -max_len=65536 -malloc_limit_mb=64 -rss_limit_mb=1024 \
  -timeout=10 -error_exitcode=1 -timeout_exitcode=1 -print_final_stats=1 \
  -artifact_prefix="$BUILD_DIR/artifacts/"
