#!/usr/bin/env bash
# Makes the runtime of stand-alone games: the launcher, its header and the compressed payload
# (the program, every library it and its Qt plugins load that is not in baseline.txt, the
# plugins of qt-plugins.txt, the libraries the program opens itself and all they load, a
# qt.conf that points Qt at the plugins, and the list of the libraries they take from the
# machine). Make EXE appends a game.
#
#   bundle/make-runtime.sh LAUNCHER PROGRAM QT_PLUGIN_DIR OUTPUT [ZSTD_LEVEL [LIBRARY...]]
#   LIBRARY: the path of a library the program opens by its file name (dlopen) when it needs it
set -euo pipefail
launcher=$1 program=$2 plugin_dir=$3 output=$4 level=${5:-9}
opened=("${@:6}")
here=$(cd "$(dirname "$0")" && pwd)
stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT

# One pattern a line; what follows a # is the reason the machine has it, beginning with the
# Debian package that brings it.
patterns=() packages=()
while read -r line _ package _; do
  [[ -z "$line" || "$line" == \#* ]] && continue
  patterns+=("$line")
  packages+=("${package%:}")
done <"$here/baseline.txt"
# Prints the package of a library in the baseline; fails for any other.
baseline_package() {
  local name=$1 i
  for i in "${!patterns[@]}"; do
    # shellcheck disable=SC2053
    [[ "$name" == ${patterns[$i]} ]] && echo "${packages[$i]}" && return 0
  done
  return 1
}
in_baseline() { baseline_package "$1" >/dev/null; }

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

# What the carried files ask the machine for, with its package: the launcher looks for each
# before the program starts, as a missing one would stop it in the loader without a word.
for f in "$stage/quarrybox" "$stage"/lib/* "$stage"/plugins/*/*; do
  readelf -d "$f" | sed -n 's/.*(NEEDED).*\[\(.*\)\]/\1/p'
done | sort -u | while read -r name; do
  [ -e "$stage/lib/$name" ] && continue
  package=$(baseline_package "$name") || { echo "make-runtime: $name is neither carried nor in the baseline" >&2; exit 1; }
  echo "$name $package"
done >"$stage/machine-libraries.txt"

payload="$stage/payload.tar.zst"
# A fixed order, owner and time: the same files make the same payload, hence the same hash.
tar --format=ustar --sort=name --owner=0 --group=0 --numeric-owner --mtime=@0 \
  -C "$stage" -cf - quarrybox qt.conf machine-libraries.txt lib plugins | zstd -q -"$level" -T0 -o "$payload"
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
