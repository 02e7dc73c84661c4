#!/usr/bin/env bash
# The stand-alone launcher on small runtimes made here (a shell script stands in for the
# program): first start unpacks into the cache, later starts reuse it, versions no game names
# any more are removed, leftovers of a killed unpack go, and a damaged or hostile payload is
# refused. Where the cache cannot be written it runs from a private folder that goes when the
# program ends, and what stops a game is said in a dialog box where the desktop has one: a
# library the machine lacks among them. The runtime alone says what it is.
#
# Usage: tests/bundle/launcher.sh LAUNCHER
set -euo pipefail
# A box is shown only where a test asks for one.
unset DISPLAY WAYLAND_DISPLAY
launcher=$(realpath "$1")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export XDG_CACHE_HOME=$work/cache
cache=$XDG_CACHE_HOME/quarrybox/runtime
passes=0 failures=0
check() { # check DESCRIPTION COMMAND...
  if "${@:2}"; then
    echo "ok: $1"
    passes=$((passes + 1))
  else
    echo "FAIL: $1" >&2
    failures=$((failures + 1))
  fi
}

# make_runtime OUT TAG [TAR OPTIONS...]: a game whose program prints what it was given (a
# runtime with a game behind it; with the tag "bare", the runtime alone). The libraries it
# takes from the machine are those of $machine_libraries, one "soname package" a line.
make_runtime() {
  local out=$1 tag=$2 stage=$work/stage-$2
  shift 2
  mkdir -p "$stage/lib"
  printf '%b' "${machine_libraries:-}" >"$stage/machine-libraries.txt"
  printf '#!/bin/sh\necho "%s bundle=$QUARRYBOX_BUNDLE libs=$LD_LIBRARY_PATH args=$*"\n' "$tag" \
    >"$stage/quarrybox"
  [ "$tag" != slow ] || echo 'exec sleep 3' >>"$stage/quarrybox"
  # Ends when told to, with a status of its own, as the program does at the end of a session.
  [ "$tag" != term ] ||
    printf 'sleep 10 & s=$!\ntrap '"'"'kill $s; echo term >"$0.told"; exit 3'"'"' TERM\nwait\n' \
      >>"$stage/quarrybox"
  chmod 755 "$stage/quarrybox"
  tar --format=ustar -C "$stage" "$@" -cf - quarrybox machine-libraries.txt lib |
    zstd -q -o "$stage.zst"
  {
    cat "$launcher"
    printf 'QBXRUN1\0'
    perl -e 'print pack("Q<", $ARGV[0])' "$(stat -c %s "$stage.zst")"
    sha256sum "$stage.zst" | cut -c1-64 | tr -d '\n'
    cat "$stage.zst"
    [ "$tag" = bare ] || printf 'game'
  } >"$out"
  chmod 755 "$out"
}
hash_of() { tail -c +$(($(stat -c %s "$launcher") + 17)) "$1" | head -c 64; }
versions() { find "$cache" -mindepth 1 -maxdepth 1 -type d -printf '%f\n' | sort | tr '\n' ' '; }

make_runtime "$work/runtime-a" A
make_runtime "$work/runtime-b" B
cp "$work/runtime-a" "$work/Castle"
cp "$work/runtime-b" "$work/Tower"
a=$(hash_of "$work/Castle") b=$(hash_of "$work/Tower")

out=$("$work/Castle" one "two words")
check "the program runs with the game's path, its libraries and the arguments" \
  test "$out" = "A bundle=$work/Castle libs=$cache/$a/lib args=one two words"
check "the first start unpacks into a folder named by the payload's hash" test -x "$cache/$a/quarrybox"
check "the version lists the game that uses it" grep -qx "$work/Castle" "$cache/$a.games"

touch "$cache/$a/marker"
mkdir -p "$cache/.unpack-99999999/lib"
"$work/Castle" >/dev/null
check "a later start reuses the unpacked version" test -e "$cache/$a/marker"
check "an unpack left by a killed launcher is removed" test ! -e "$cache/.unpack-99999999"
check "the game is listed once" test "$(grep -c . "$cache/$a.games")" = 1

"$work/Tower" >/dev/null
check "two games of different versions keep both" test "$(versions)" = "$(printf '%s\n' "$a" "$b" | sort | tr '\n' ' ')"
cp "$work/Tower" "$work/Castle"   # the author sends a newer Castle
"$work/Tower" >/dev/null
check "a version no current game names is removed" test "$(versions)" = "$b "
check "its list goes with it" test ! -e "$cache/$a.games"

# A version whose game was replaced while it runs stays until that game has ended.
make_runtime "$work/Slow" slow
s=$(hash_of "$work/Slow")
"$work/Slow" >/dev/null &
running=$!
sleep 0.5
cp "$work/Tower" "$work/Slow"
"$work/Tower" >/dev/null
check "a version in use by a running game is kept" test -x "$cache/$s/quarrybox"
wait "$running"
"$work/Tower" >/dev/null
check "it goes once that game has ended" test ! -e "$cache/$s"

# A damaged payload: the launcher says so and runs nothing; the next good start cleans up.
cp "$work/runtime-b" "$work/Broken"
size=$(stat -c %s "$work/Broken")
printf 'XXXXXXXX' | dd of="$work/Broken" bs=1 seek=$((size - 12)) conv=notrunc 2>/dev/null
set +e
err=$(XDG_CACHE_HOME=$work/cache2 "$work/Broken" 2>&1 >/dev/null)
status=$?
set -e
check "a damaged payload is refused with a message ($err)" test "$status" = 127 -a -n "$err"
check "a damaged payload leaves no version behind" test ! -e "$work/cache2/quarrybox/runtime/$b"

# An archive entry that climbs out of the folder.
mkdir -p "$work/stage-evil"
make_runtime "$work/Evil" evil -P --transform 's,^lib$,../../../escaped,'
set +e
err=$(XDG_CACHE_HOME=$work/cache3 "$work/Evil" 2>&1 >/dev/null)
status=$?
set -e
check "an entry outside the folder is refused ($err)" test "$status" = 127
check "nothing is written outside the cache" test ! -e "$work/escaped" -a ! -e "$work/cache3/escaped"

# ---- where the cache cannot be written ----
cp "$work/runtime-a" "$work/Keep"
mkdir -m 0700 "$work/run"
empty() { [ -z "$(ls -A "$1")" ]; }
# What killed launchers left (one still running keeps its folder).
mkdir -p "$work/run/quarrybox-99999999-AbC123/runtime" "$work/run/quarrybox-$$-AbC123/runtime"
out=$(env -u HOME -u XDG_CACHE_HOME XDG_RUNTIME_DIR="$work/run" "$work/Keep" one)
check "the folder of a killed launcher is removed, that of a running one kept" \
  test "$(ls "$work/run")" = "quarrybox-$$-AbC123"
rm -r "$work/run/quarrybox-$$-AbC123"
check "without HOME the game runs from a private folder in the runtime folder ($out)" \
  grep -qx "A bundle=$work/Keep libs=$work/run/quarrybox-[0-9]*-[A-Za-z0-9]\{6\}/runtime/lib args=one" <<<"$out"
check "that folder is gone when the game has ended" empty "$work/run"

# A home that is there but cannot be written (mounted read-only; root writes anything else).
mkdir -p "$work/home" "$work/tmp"
readonly_home() {
  if [ "$(id -u)" = 0 ]; then
    unshare --mount --propagation private sh -c \
      'mount --bind "$0" "$0" && mount -o remount,bind,ro "$0" && exec "$@"' "$work/home" "$@"
  else
    chmod a-w "$work/home"
    "$@"
    chmod u+w "$work/home"
  fi
}
out=$(readonly_home env -u XDG_CACHE_HOME -u XDG_RUNTIME_DIR HOME="$work/home" TMPDIR="$work/tmp" \
  "$work/Keep" two)
check "with a read-only home and no runtime folder it runs from the temporary folder ($out)" \
  grep -qx "A bundle=$work/Keep libs=$work/tmp/quarrybox-[0-9]*-[A-Za-z0-9]\{6\}/runtime/lib args=two" <<<"$out"
check "nothing is left in the temporary folder or the home" sh -c "[ -z \"\$(ls -A '$work/tmp' '$work/home' | grep -v :)\" ]"

# The end of the session reaches the program through the launcher that waits for it.
make_runtime "$work/Term" term
env -u HOME -u XDG_CACHE_HOME XDG_RUNTIME_DIR="$work/run" "$work/Term" >/dev/null &
running=$!
for _ in $(seq 50); do [ -n "$(ls -A "$work/run")" ] && break; sleep 0.1; done
sleep 0.3
kill -TERM "$running"
set +e
wait "$running"
status=$?
set -e
check "a signal to the launcher reaches the program, whose status is the launcher's ($status)" \
  test "$status" = 3 -a -n "$(cat "$work"/run/quarrybox-*/runtime/quarrybox.told 2>/dev/null || echo gone)"
check "the private folder goes after a signal too" empty "$work/run"

set +e
err=$(env -u HOME -u XDG_CACHE_HOME XDG_RUNTIME_DIR="$work/run" "$work/Broken" 2>&1 >/dev/null)
status=$?
set -e
check "a damaged payload in a private folder is refused ($err)" test "$status" = 127 -a -n "$err"
check "and leaves nothing in the runtime folder" empty "$work/run"

# Nowhere to unpack: the player is told by the first dialog program the desktop has.
touch "$work/file"
for dialogs in "zenity kdialog xmessage" "kdialog xmessage" "xmessage"; do
  bin=$work/bin-${dialogs%% *}
  mkdir -p "$bin"
  for d in $dialogs; do
    # What it was given, and the message (its last argument) as it would show it.
    printf '#!/bin/sh\necho "%s $*" >>"%s"\nfor m; do :; done\nprintf "%%s\\n" "$m" >"%s"\n' \
      "$d" "$work/told" "$work/told-text" >"$bin/$d"
    chmod 755 "$bin/$d"
  done
  rm -f "$work/told"
  set +e
  err=$(env -u XDG_CACHE_HOME -u XDG_RUNTIME_DIR HOME="$work/file" TMPDIR="$work/file" \
    DISPLAY=:99 PATH="$bin:$PATH" "$work/Keep" 2>&1 >/dev/null)
  status=$?
  set -e
  check "with nowhere to unpack, ${dialogs%% *} tells the player ($(cat "$work/told" 2>/dev/null))" \
    test "$status" = 127 -a "$(head -1 "$work/told" | cut -d' ' -f1)" = "${dialogs%% *}"
  check "what it says names the game and the folders ($err)" \
    grep -q "Keep cannot start.*cannot make $work/file/.cache.*$work/file" <<<"$(tr '\n' ' ' <"$work/told")"
  # xmessage shows a line as long as it is, past the screen's edge.
  longest=$(awk '{ if (length > m) m = length } END { print m + 0 }' "$work/told-text")
  check "it is given in lines that fit a box (the longest $longest characters), all of it" \
    test "$longest" -le 76 -a "$(tr '\n' ' ' <"$work/told-text" | grep -c "cannot make a folder in $work/file: Not a directory \?$")" = 1
done
rm -f "$work/told"
set +e
env -u XDG_CACHE_HOME -u XDG_RUNTIME_DIR HOME="$work/file" TMPDIR="$work/file" \
  PATH="$work/bin-zenity:$PATH" "$work/Keep" 2>/dev/null
status=$?
set -e
check "without a display no box is tried, only stderr" test "$status" = 127 -a ! -e "$work/told"

# The runtime on its own carries no game: it says what it is and runs nothing.
make_runtime "$work/quarrybox-runtime" bare
set +e
out=$(XDG_CACHE_HOME=$work/cache-bare "$work/quarrybox-runtime" 2>"$work/err")
status=$?
set -e
check "the runtime alone says what it is ($(cat "$work/err"))" \
  grep -q "quarrybox-runtime is the runtime of Quarrybox's stand-alone games and carries no game" "$work/err"
check "and fails, running and unpacking nothing ($status)" \
  test "$status" != 0 -a -z "$out" -a ! -e "$work/cache-bare"

# A library the program takes from the machine that the machine lacks would stop it in the
# loader, which says so on stderr alone: the player is told which, and nothing is started.
machine_libraries='libc.so.6 libc6\nlibquarrybox-absent.so.9 libquarrybox-absent9\n'
make_runtime "$work/Needy" needy
machine_libraries=''
absent="libquarrybox-absent.so.9 (libquarrybox-absent9)"
for place in cache private; do
  rm -f "$work/told" "$work/told-text"
  set +e
  if [ "$place" = cache ]; then
    out=$(DISPLAY=:99 PATH="$work/bin-xmessage:$PATH" "$work/Needy" 2>"$work/err")
  else
    out=$(env -u HOME -u XDG_CACHE_HOME XDG_RUNTIME_DIR="$work/run" DISPLAY=:99 \
      PATH="$work/bin-xmessage:$PATH" "$work/Needy" 2>"$work/err")
  fi
  status=$?
  set -e
  check "a library the machine lacks is named in a box, run from the $place ($(cat "$work/err"))" \
    test "$status" = 127 -a -z "$out" -a "$(tr '\n' ' ' <"$work/told-text" | grep -cF "$absent")" = 1
  check "only that one: the machine's C library is found" \
    test -s "$work/told-text" -a "$(grep -c "libc.so.6" "$work/told-text")" = 0
done
check "the private folder goes with it" empty "$work/run"
mkdir -p "$work/libs"
echo 'not a library' >"$work/libs/libquarrybox-absent.so.9"
set +e
LD_LIBRARY_PATH=$work/libs "$work/Needy" >/dev/null 2>"$work/err"
status=$?
set -e
check "a file of that name that is no library does not count ($(cat "$work/err"))" \
  test "$status" = 127 -a "$(grep -cF "$absent" "$work/err")" = 1
cp "$launcher" "$work/libs/libquarrybox-absent.so.9" # an ELF file of this machine's kind
out=$(LD_LIBRARY_PATH=$work/libs "$work/Needy")
check "one in LD_LIBRARY_PATH is found and the program runs ($out)" grep -q "^needy bundle=" <<<"$out"

# A desktop without any dialog program: the launcher's own window says it, until closed.
if command -v Xvfb >/dev/null && command -v xdotool >/dev/null && command -v xauth >/dev/null; then
  # A server that wants the cookie, as a desktop's does.
  hex() { od -An -tx1 | tr -d ' \n'; }
  printf 'ffff 0000 0000 0012 %s 0010 %s\n' "$(printf MIT-MAGIC-COOKIE-1 | hex)" \
    "$(head -c 16 /dev/urandom | hex)" | xauth -f "$work/xauth" nmerge -
  export XAUTHORITY=$work/xauth
  Xvfb -displayfd 3 -nolisten tcp -auth "$work/xauth" 3>"$work/display" >/dev/null 2>&1 &
  xvfb=$!
  for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.05; done
  mkdir -p "$work/no-dialogs"
  env -u XDG_CACHE_HOME -u XDG_RUNTIME_DIR HOME="$work/file" TMPDIR="$work/file" \
    DISPLAY=":$(head -1 "$work/display")" PATH="$work/no-dialogs" "$work/Keep" 2>/dev/null &
  waiting=$!
  box=''
  for _ in $(seq 100); do
    box=$(DISPLAY=":$(head -1 "$work/display")" xdotool search --name '^Keep cannot start$' 2>/dev/null || true)
    [ -n "$box" ] && break
    sleep 0.05
  done
  check "without dialog programs the launcher shows a window of its own" test -n "$box"
  sleep 0.3
  check "the launcher waits while the window is open" kill -0 "$waiting"
  DISPLAY=":$(head -1 "$work/display")" xdotool key --window "${box:-0}" space 2>/dev/null || true
  for _ in $(seq 50); do kill -0 "$waiting" 2>/dev/null || break; sleep 0.05; done
  set +e
  kill -0 "$waiting" 2>/dev/null && kill "$waiting"
  wait "$waiting"
  status=$?
  set -e
  check "a key closes the window and the launcher ends ($status)" test "$status" = 127
  kill "$xvfb"
  wait "$xvfb" 2>/dev/null || true
  unset XAUTHORITY
fi

err=$("$launcher" 2>&1 >/dev/null || true)
check "the launcher without a runtime says so ($err)" grep -q "no runtime" <<<"$err"

echo "$passes passed, $failures failed"
[ "$failures" = 0 ]
