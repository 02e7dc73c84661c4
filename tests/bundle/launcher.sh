#!/usr/bin/env bash
# The stand-alone launcher on small runtimes made here (a shell script stands in for the
# program): first start unpacks into the cache, later starts reuse it, versions no game names
# any more are removed, leftovers of a killed unpack go, and a damaged or hostile payload is
# refused.
#
# Usage: tests/bundle/launcher.sh LAUNCHER
set -euo pipefail
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

# make_runtime OUT TAG [TAR OPTIONS...]: a runtime whose program prints what it was given.
make_runtime() {
  local out=$1 tag=$2 stage=$work/stage-$2
  shift 2
  mkdir -p "$stage/lib"
  printf '#!/bin/sh\necho "%s bundle=$QUARRYBOX_BUNDLE libs=$LD_LIBRARY_PATH args=$*"\n' "$tag" \
    >"$stage/quarrybox"
  [ "$tag" != slow ] || echo 'exec sleep 3' >>"$stage/quarrybox"
  chmod 755 "$stage/quarrybox"
  tar --format=ustar -C "$stage" "$@" -cf - quarrybox lib | zstd -q -o "$stage.zst"
  {
    cat "$launcher"
    printf 'QBXRUN1\0'
    perl -e 'print pack("Q<", $ARGV[0])' "$(stat -c %s "$stage.zst")"
    sha256sum "$stage.zst" | cut -c1-64 | tr -d '\n'
    cat "$stage.zst"
  } >"$out"
  chmod 755 "$out"
}
hash_of() { tail -c +$(($(stat -c %s "$launcher") + 17)) "$1" | head -c 64; }
versions() { find "$cache" -mindepth 1 -maxdepth 1 -type d -printf '%f\n' | sort | tr '\n' ' '; }

make_runtime "$work/runtime-a" A
make_runtime "$work/runtime-b" B
cp "$work/runtime-a" "$work/Castle" && printf 'game' >>"$work/Castle"
cp "$work/runtime-b" "$work/Tower" && printf 'game' >>"$work/Tower"
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

err=$("$launcher" 2>&1 >/dev/null || true)
check "the launcher without a runtime says so ($err)" grep -q "no runtime" <<<"$err"

echo "$passes passed, $failures failed"
[ "$failures" = 0 ]
