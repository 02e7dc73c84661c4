#!/usr/bin/env bash
# A stand-alone game on a machine without Qt or SDL: a minimal Debian 12 root
# (debootstrap --variant=minbase, from the mirror apt uses here) with only the desktop client
# libraries added: X11 and the xcb set, GL, fontconfig, ALSA. The game runs in that root
# (chroot in a private mount namespace) against this machine's Xvfb: it must show its title,
# play a level with real key presses, take a high score, and keep it inside the file after
# closing (read back by qbxtool from outside). Prints the unpacked program's ldd summary.
# Skips (exit 77, saying why) when not root or when debootstrap cannot run.
#
# Usage: tests/bundle/minimal-root.sh PROGRAM_DIR
program_dir=$(cd "$1" && pwd)
shift
skip() { echo "SKIPPED: $*"; exit 77; }
[ "$(id -u)" -eq 0 ] || skip "the minimal-root test needs root (debootstrap, chroot)"
command -v debootstrap >/dev/null || skip "debootstrap is not installed"
source "$(dirname "$0")/../e2e/lib.sh"

# The mirror apt uses for bookworm on this machine.
mirror=$(sed -n 's/^URIs: *\([^ ]*\).*/\1/p' /etc/apt/sources.list.d/*.sources 2>/dev/null |
  grep -v security | head -1)
[ -n "$mirror" ] || mirror=$(awk '$1 == "deb" && $3 == "bookworm" {print $2; exit}' \
  /etc/apt/sources.list 2>/dev/null || true)
[ -n "$mirror" ] || skip "no bookworm mirror found in /etc/apt/sources.list*"

desktop=libx11-6,libxcb1,libxcb-cursor0,libxcb-glx0,libxcb-icccm4,libxcb-image0,libxcb-keysyms1
desktop+=,libxcb-randr0,libxcb-render0,libxcb-render-util0,libxcb-shape0,libxcb-shm0
desktop+=,libxcb-sync1,libxcb-util1,libxcb-xfixes0,libxcb-xinerama0,libxcb-xinput0,libxcb-xkb1
desktop+=,libgl1,libfontconfig1,libasound2
root=$work/root
started=$(date +%s)
if ! debootstrap --variant=minbase --include="$desktop" bookworm "$root" "$mirror" \
  >"$work/debootstrap.log" 2>&1; then
  tail -n 5 "$work/debootstrap.log"
  skip "debootstrap could not build the root from $mirror"
fi
echo "minimal root: $(du -sh "$root" | cut -f1) from $mirror in $(($(date +%s) - started)) s"
for lib in libQt6Core.so.6 libSDL2-2.0.so.0 libSDL2_mixer-2.0.so.0 libxkbcommon.so.0; do
  [ -z "$(find "$root" -name "$lib*" -print -quit)" ] || fail "the root has $lib already"
done

# The folders the game uses are bind-mounted at the same paths, so that paths and the trace
# read the same inside and out.
mkdir -p "$root$work" "$root/tmp/.X11-unix" "$work/games"
make_fresh_game "$work/Castle.qbx"
make_standalone "$work/games/Castle" "$work/Castle.qbx"
in_root() {
  unshare --mount --propagation private sh -c '
    root=$1 work=$2; shift 2
    mount --bind "$work" "$root$work" && mount --bind /tmp/.X11-unix "$root/tmp/.X11-unix" &&
      mount -t proc proc "$root/proc" && exec chroot "$root" "$@"' \
    sh "$root" "$work" env -i PATH=/usr/bin:/bin HOME="$work" DISPLAY="$DISPLAY" \
    XDG_RUNTIME_DIR="$XDG_RUNTIME_DIR" XDG_CONFIG_HOME="$XDG_CONFIG_HOME" \
    XDG_DATA_HOME="$XDG_DATA_HOME" XDG_CACHE_HOME="$XDG_CACHE_HOME" \
    QUARRYBOX_TRACE="$work/trace.txt" SDL_AUDIODRIVER=dummy "$@"
}

in_root "$work/games/Castle" >>"$work/out.txt" 2>&1 &
pid=$!
wait_for "state 1" 30
grep -q "caption Quarrybox - Castle" "$work/trace.txt" || fail "no title: $(tail -5 "$work/out.txt")"
wait_window Quarrybox
focus_main
echo "title shown: $(grep -m1 caption "$work/trace.txt")"

drop_until_game_over
enter_high_score_name Ada
echo "level played: $(grep -c ' piece ' "$work/trace.txt") pieces, game over"

# The unpacked program resolves every library from the runtime or the root's baseline.
version=$(ls "$XDG_CACHE_HOME/quarrybox/runtime" | grep -m1 '^[0-9a-f]\{64\}$')
unpacked=$XDG_CACHE_HOME/quarrybox/runtime/$version
in_root sh -c 'LD_LIBRARY_PATH=$1/lib ldd $1/quarrybox $1/plugins/*/*.so' sh "$unpacked" \
  >"$work/ldd.txt" 2>&1 || fail "ldd failed: $(tail -3 "$work/ldd.txt")"
! grep -q "not found" "$work/ldd.txt" || fail "unresolved: $(grep "not found" "$work/ldd.txt" | sort -u)"
from_runtime=$(grep -F "=> $unpacked/lib/" "$work/ldd.txt" | awk '{print $1}' | sort -u)
from_root=$(grep "=> /" "$work/ldd.txt" | grep -vF "=> $unpacked/" | awk '{print $1}' | sort -u)
baseline=$(sed -e 's/#.*//' -e '/^ *$/d' "$(dirname "$0")/../../bundle/baseline.txt")
for name in $from_root; do
  found=0
  for pattern in $baseline; do
    # shellcheck disable=SC2053
    [[ "$name" == $pattern ]] && found=1
  done
  [ "$found" = 1 ] || fail "$name comes from the root but is not in the baseline"
done
echo "ldd of the unpacked program and plugins: $(wc -w <<<"$from_runtime") libraries from the" \
  "runtime, $(wc -w <<<"$from_root") from the root: $(echo $from_root)"

focus_main
xdotool key alt+f
sleep 0.3
xdotool key x
wait_exit 10
"$program_dir/qbxtool" info "$work/games/Castle" | grep '^score 1 [1-9][0-9]* "Ada   "$' ||
  fail "the score is not inside the file: $("$program_dir/qbxtool" info "$work/games/Castle" | grep '^score 1')"
[ "$(ls -A "$work/games")" = Castle ] || fail "left beside the game: $(ls -A "$work/games")"
echo "1 passed, 0 failed"
