#!/usr/bin/env bash
# A stand-alone game on a friend's desktop: minimal Debian roots (debootstrap --variant=minbase)
# holding only the client libraries every X desktop has: libx11-6, libxcb1, libgl1,
# libfontconfig1 and ALSA. No Qt, no SDL, no xcb-util. In each root (Debian 12 and 13 by
# default) an unprivileged user starts the game against this machine's Xvfb, plays to game
# over with real key presses, enters a name and closes; the score must then be inside the file
# (read by qbxtool from outside). ldd of the unpacked program, its plugins and its libraries,
# run inside the root, must find everything. Prints the first and a later start's time. In a
# root of the first suite without libfontconfig1 the game must name that library in a box.
#
# Roots are kept in /var/cache/quarrybox-test-roots (QB_TEST_ROOTS), one per suite and package
# list, and made again when absent. Skips (exit 77, saying why) where debootstrap cannot run.
#
# Usage: tests/bundle/minimal-root.sh PROGRAM_DIR [SUITE...]   (QB_TEST_SUITES="bookworm ...")
program_dir=$(cd "$1" && pwd)
shift
suites=()
for arg in "$@"; do [[ "$arg" == --* ]] || suites+=("$arg"); done
# QB_TEST_SUITES (space-separated) chooses them when no argument does.
[ ${#suites[@]} -gt 0 ] || read -r -a suites <<<"${QB_TEST_SUITES:-bookworm trixie}"
skip() { echo "SKIPPED: $*"; exit 77; }
[ "$(id -u)" -eq 0 ] || skip "the minimal-root test needs root (debootstrap, chroot)"
command -v debootstrap >/dev/null || skip "debootstrap is not installed"
unshare --mount --propagation private true 2>/dev/null ||
  skip "no mount namespace can be made here (unshare --mount)"
here=$(cd "$(dirname "$0")" && pwd)
source "$here/../e2e/lib.sh"

# The mirror apt uses on this machine.
mirror=$(sed -n 's/^URIs: *\([^ ]*\).*/\1/p' /etc/apt/sources.list.d/*.sources 2>/dev/null |
  grep -v security | head -1)
[ -n "$mirror" ] || mirror=$(awk '$1 == "deb" && $2 !~ /security/ {print $2; exit}' \
  /etc/apt/sources.list 2>/dev/null || true)
[ -n "$mirror" ] || skip "no Debian mirror found in /etc/apt/sources.list*"

# What a desktop without any toolkit has; ALSA's library was renamed for the 64-bit time move.
packages_of() {
  local alsa=libasound2
  [ "$1" = bookworm ] || alsa=libasound2t64
  echo "libx11-6,libxcb1,libgl1,libfontconfig1,$alsa"
}
player_uid=4321
cache=${QB_TEST_ROOTS:-/var/cache/quarrybox-test-roots}

# Prints the root of a suite (with these packages, else those of packages_of), made first when
# the cache has none for this package list.
root_of() {
  local suite=$1 packages=${2:-} key root
  [ -n "$packages" ] || packages=$(packages_of "$suite")
  key=$(printf '%s minbase %s player %s\n' "$suite" "$packages" "$player_uid" | sha256sum | cut -c1-12)
  root=$cache/$suite-$key
  mkdir -p "$cache"
  # Two runs at once share a root: one makes it, the other waits.
  exec 9>"$cache/.lock"
  flock 9
  if [ ! -e "$root/.complete" ]; then
    # debootstrap mounts /proc, /sys and maybe /dev in the root: in a namespace of its own they
    # go with it, even when it is killed, and a removal never reaches this machine's files.
    rm -rf --one-file-system "$root" "$root.part"
    local started=$SECONDS
    if ! unshare --mount --propagation private debootstrap --variant=minbase \
      --include="$packages" "$suite" "$root.part" "$mirror" >"$work/debootstrap-$suite.log" 2>&1; then
      tail -n 5 "$work/debootstrap-$suite.log" >&2
      rm -rf --one-file-system "$root.part"
      flock -u 9
      return 1
    fi
    # The friend: an ordinary user with a home of its own.
    echo "player:x:$player_uid:$player_uid::/home/player:/bin/sh" >>"$root.part/etc/passwd"
    echo "player:x:$player_uid:" >>"$root.part/etc/group"
    touch "$root.part/.complete"
    mv "$root.part" "$root"
    echo "made the $suite root ($packages) from $mirror in $((SECONDS - started)) s:" \
      "$(du -sh "$root" | cut -f1)" >&2
  fi
  flock -u 9
  echo "$root"
}

declare -A roots
for suite in "${suites[@]}"; do
  roots[$suite]=$(root_of "$suite") || skip "debootstrap could not make the $suite root from $mirror"
done
for suite in "${suites[@]}"; do
  for lib in libQt6Core.so.6 libSDL2-2.0.so.0 libxkbcommon.so.0 libxcb-icccm.so.4 \
    libxcb-image.so.0 libxcb-keysyms.so.1 libxcb-render-util.so.0 libxcb-xkb.so.1; do
    [ -z "$(find "${roots[$suite]}" -name "$lib*" -print -quit)" ] ||
      fail "the $suite root has $lib already: it is no friend's desktop"
  done
done

# What the game said goes with a failure too.
eval "lib_$(declare -f fail)"
fail() {
  tail -n 15 "$work/out.txt" >&2 2>/dev/null || true
  lib_fail "$@"
}

# The player owns the scratch folder: the game, its settings, cache and runtime folder.
make_fresh_game "$work/Castle.qbx"
chown -R "$player_uid:$player_uid" "$work"
chmod 0755 "$work"
run_as_player() { setpriv --reuid="$player_uid" --regid="$player_uid" --clear-groups "$@"; }

# The scratch folder and the X socket folder are bind-mounted at the same paths, so that paths
# and the trace read the same inside and out. Only the mount points are left in the root.
cleanup_roots() {
  local root
  for root in "${roots[@]}"; do rmdir "$root$work" 2>/dev/null || true; done
}
trap 'cleanup_roots; cleanup' EXIT
in_root() {
  local root=$1
  shift
  mkdir -p "$root$work" "$root/tmp/.X11-unix"
  unshare --mount --propagation private sh -c '
    root=$1 work=$2; shift 2
    mount --bind "$work" "$root$work" && mount --bind /tmp/.X11-unix "$root/tmp/.X11-unix" &&
      mount -t proc proc "$root/proc" && exec chroot --userspec='"$player_uid:$player_uid"' \
      --groups='"$player_uid"' "$root" "$@"' \
    sh "$root" "$work" env -i PATH=/usr/bin:/bin HOME="$home" DISPLAY="$DISPLAY" \
    XDG_RUNTIME_DIR="$XDG_RUNTIME_DIR" QUARRYBOX_TRACE="$work/trace.txt" "$@"
}
now_ms() { echo $(($(date +%s%N) / 1000000)); }
# Starts the game in the root; took is how long it was until its title was up.
start_in_root() {
  local started
  mark_now
  started=$(now_ms)
  in_root "$1" "$work/games/Castle" >>"$work/out.txt" 2>&1 &
  pid=$!
  # A game that cannot start ends at once: no need to wait the whole time for its title.
  for _ in $(seq 600); do
    since_mark | grep -q "state 1" && break
    kill -0 "$pid" 2>/dev/null || fail "the game ended without a title"
    sleep 0.05
  done
  took=$(($(now_ms) - started))
  wait_for "state 1" 1
  wait_window Quarrybox
  focus_main
}
close_game() {
  focus_main
  xdotool key alt+f
  sleep 0.3
  xdotool key x
  wait_exit 10
}
score_in_file() { "$program_dir/qbxtool" info "$work/games/Castle" | grep '^score 1 '; }

baseline=$(sed -e 's/#.*//' -e '/^ *$/d' "$here/../../bundle/baseline.txt")
for suite in "${suites[@]}"; do
  root=${roots[$suite]}
  # A new friend each time: nothing unpacked, no settings, the game as it was sent.
  home=$work/home-$suite
  run_as_player rm -rf "$work/games" "$work/home-"* "$XDG_RUNTIME_DIR"/*
  # A trace of its own: the game-over of the last root is no game-over of this one.
  : >"$work/trace.txt"
  mark=0
  run_as_player mkdir -p "$work/games" "$home"
  make_standalone "$work/games/Castle" "$work/Castle.qbx"
  chown "$player_uid:$player_uid" "$work/games/Castle"

  start_in_root "$root"
  first=$took
  grep -q "caption Quarrybox - Castle" "$work/trace.txt" ||
    fail "$suite: no title: $(tail -5 "$work/out.txt")"
  drop_until_game_over
  enter_high_score_name Ada
  close_game
  score_in_file | grep -q '^score 1 [1-9][0-9]* "Ada   "$' ||
    fail "$suite: the score is not inside the file: $(score_in_file)"
  [ "$(ls -A "$work/games")" = Castle ] || fail "$suite: left beside the game: $(ls -A "$work/games")"

  # Everything the unpacked program, its plugins and its libraries need, as the root finds it.
  unpacked=$(ls -d "$home"/.cache/quarrybox/runtime/*/ | grep -m1 '/[0-9a-f]\{64\}/$')
  unpacked=${unpacked%/}
  in_root "$root" sh -c 'LD_LIBRARY_PATH=$1/lib ldd $1/quarrybox $1/plugins/*/*.so $1/lib/*' \
    sh "$unpacked" >"$work/ldd-$suite.txt" 2>&1 || fail "$suite: ldd failed: $(tail -3 "$work/ldd-$suite.txt")"
  ! grep -q "not found" "$work/ldd-$suite.txt" ||
    fail "$suite: unresolved: $(grep "not found" "$work/ldd-$suite.txt" | sort -u | tr -s ' \t' ' ')"
  from_runtime=$(grep -F "=> $unpacked/lib/" "$work/ldd-$suite.txt" | awk '{print $1}' | sort -u)
  from_root=$(grep "=> /" "$work/ldd-$suite.txt" | grep -vF "=> $unpacked/" | awk '{print $1}' | sort -u)
  # What the carried files ask for by name and the root gives must be in the baseline; what
  # only the root's own libraries ask for (freetype's libbz2 on Debian 13) is the root's affair.
  needed=$(for f in "$unpacked/quarrybox" "$unpacked"/plugins/*/*.so "$unpacked"/lib/*; do
    readelf -d "$f" | sed -n 's/.*(NEEDED).*\[\(.*\)\]/\1/p'
  done | sort -u)
  for name in $(comm -12 <(echo "$from_root") <(echo "$needed")); do
    found=0
    for pattern in $baseline; do
      # shellcheck disable=SC2053
      [[ "$name" == $pattern ]] && found=1
    done
    [ "$found" = 1 ] || fail "$suite: $name comes from the root but is not in the baseline"
  done

  start_in_root "$root"
  later=$took
  close_game
  score_in_file | grep -q '"Ada   "$' || fail "$suite: a later start lost the score: $(score_in_file)"

  echo "$suite: game $(stat -c %s "$work/games/Castle") bytes; title after ${first} ms (first" \
    "start, unpacking), ${later} ms (later start); ldd: no library missing, $(wc -w <<<"$from_runtime")" \
    "from the runtime, $(wc -w <<<"$from_root") from the root: $(echo $from_root)"
done
# A desktop that lacks one of the libraries the game takes from the machine (fontconfig): the
# program's loader would stop it with a line on stderr that the player never sees. The launcher
# names the library in a window of its own (the root has no dialog program) and starts nothing.
# That root is the first suite's less the package's files: a copy takes seconds where
# debootstrap would take minutes on a first run.
suite=${suites[0]}
lacking=$work/$suite-without-fontconfig
cp -a --reflink=auto "${roots[$suite]}" "$lacking"
for list in "$lacking"/var/lib/dpkg/info/libfontconfig1*.list; do
  while read -r file; do
    if [ -f "$lacking$file" ] || [ -L "$lacking$file" ]; then rm -f "$lacking$file"; fi
  done <"$list"
done
roots[lacking]=$lacking
[ -z "$(find "$lacking" -name 'libfontconfig.so*' -print -quit)" ] ||
  fail "the root made without libfontconfig1 has it"
run_as_player rm -rf "$work/games" "$work/home-"* "$XDG_RUNTIME_DIR"/*
home=$work/home-lacking
run_as_player mkdir -p "$work/games" "$home"
make_standalone "$work/games/Castle" "$work/Castle.qbx"
chown "$player_uid:$player_uid" "$work/games/Castle"
: >"$work/out.txt"
in_root "$lacking" "$work/games/Castle" >>"$work/out.txt" 2>&1 &
pid=$!
box=''
for _ in $(seq 300); do
  box=$(xdotool search --onlyvisible --name '^Castle cannot start$' 2>/dev/null | head -1 || true)
  [ -n "$box" ] && break
  kill -0 "$pid" 2>/dev/null || break
  sleep 0.1
done
[ -n "$box" ] || fail "$suite without fontconfig: no box: $(tail -3 "$work/out.txt")"
grep -qF "libfontconfig.so.1 (libfontconfig1)" "$work/out.txt" ||
  fail "$suite without fontconfig: the library is not named: $(tail -3 "$work/out.txt")"
! grep -q "error while loading shared libraries" "$work/out.txt" ||
  fail "$suite without fontconfig: the program was started anyway"
xdotool key --window "$box" space 2>/dev/null || true # the window goes before the key's release
set +e
for _ in $(seq 50); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
wait "$pid"
status=$?
set -e
[ "$status" = 127 ] || fail "$suite without fontconfig: the launcher ended with $status"
echo "$suite without fontconfig: $(sed -n 's/^quarrybox: //p' "$work/out.txt" | head -1)"
echo "$((${#suites[@]} + 1)) passed, 0 failed"
