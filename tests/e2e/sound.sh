#!/usr/bin/env bash
# The game is heard: the title's jingle reaches the sound output. SDL's disk output stands in for
# a sound card; it writes what the mixer sends it (16-bit samples) to a file.
#
# Usage: tests/e2e/sound.sh PROGRAM_DIR    (needs Xvfb, xdotool)
program_dir=$(cd "$1" && pwd)
shift
source "$(dirname "$0")/lib.sh"
export SDL_AUDIODRIVER=disk SDL_DISKAUDIOFILE=$work/output.raw
make_fresh_game "$work/Quarry.qbx"

start_program "$work/Quarry.qbx"
sleep 2
[ -s "$work/output.raw" ] || fail "the sound output was never opened"
# Samples louder than a whisper: silence is all zeros.
loud=$(od -An -v -td2 -w2 "$work/output.raw" | awk '$1 > 500 || $1 < -500' | wc -l)
[ "$loud" -gt 1000 ] || fail "the output holds $loud audible samples in 2 s of the title"
echo "the title's jingle reached the output: $loud audible samples"
