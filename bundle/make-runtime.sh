#!/usr/bin/env bash
# Makes the runtime of stand-alone games: the launcher, its header and the compressed payload
# (the program, every library it and its Qt plugins load that is not in baseline.txt, the
# plugins of qt-plugins.txt, the libraries the program opens itself and all they load, and a
# qt.conf that points Qt at the plugins). Make EXE appends a game.
#
#   bundle/make-runtime.sh LAUNCHER PROGRAM QT_PLUGIN_DIR OUTPUT [ZSTD_LEVEL [LIBRARY...]]
#   LIBRARY: the path of a library the program opens by its file name (dlopen) when it needs it
set -euo pipefail
launcher=$1 program=$2 plugin_dir=$3 output=$4 level=${5:-9}
opened=("${@:6}")
here=$(cd "$(dirname "$0")" && pwd)
stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT

# One pattern a line; what follows a # is the reason the machine has it.
patterns=()
while read -r line _; do
  [[ -z "$line" || "$line" == \#* ]] || patterns+=("$line")
done <"$here/baseline.txt"
in_baseline() {
  local name=$1 p
  for p in "${patterns[@]}"; do
    # shellcheck disable=SC2053
    [[ "$name" == $p ]] && return 0
  done
  return 1
}

mkdir -p "$stage/lib" "$stage/plugins"
install -m 0755 "$program" "$stage/quarrybox"
objects=("$program")
while read -r line; do
  [[ -z "$line" || "$line" == \#* ]] && continue
  mkdir -p "$stage/plugins/$(dirname "$line")"
  install -m 0644 "$plugin_dir/$line" "$stage/plugins/$line"
  objects+=("$plugin_dir/$line")
done <"$here/qt-plugins.txt"
printf '[Paths]\nPrefix=.\nPlugins=plugins\n' >"$stage/qt.conf"
for library in "${opened[@]}"; do
  install -m 0644 "$library" "$stage/lib/$(basename "$library")"
  objects+=("$library")
done

# ldd lists the whole closure; a library it cannot find would be missing on every machine.
missing=$(ldd "${objects[@]}" | grep 'not found' || true)
[ -z "$missing" ] || { echo "make-runtime: unresolved libraries:$missing" >&2; exit 1; }
ldd "${objects[@]}" | awk '$2 == "=>" && $3 ~ /^\// {print $1, $3}' | sort -u |
  while read -r name path; do
    in_baseline "$name" || install -m 0644 "$path" "$stage/lib/$name"
  done
strip --strip-unneeded "$stage/quarrybox" "$stage"/lib/* "$stage"/plugins/*/*

payload="$stage/payload.tar.zst"
# A fixed order, owner and time: the same files make the same payload, hence the same hash.
tar --format=ustar --sort=name --owner=0 --group=0 --numeric-owner --mtime=@0 \
  -C "$stage" -cf - quarrybox qt.conf lib plugins | zstd -q -"$level" -T0 -o "$payload"
hash=$(sha256sum "$payload" | cut -d' ' -f1)
size=$(stat -c %s "$payload")
{
  cat "$launcher"
  printf 'QBXRUN1\0'
  perl -e 'print pack("Q<", $ARGV[0])' "$size"
  printf '%s' "$hash"
  cat "$payload"
} >"$output.part"
chmod 0755 "$output.part"
mv -f "$output.part" "$output"
echo "runtime: $(stat -c %s "$output") bytes, $(ls "$stage/lib" | wc -l) libraries, payload $hash"
