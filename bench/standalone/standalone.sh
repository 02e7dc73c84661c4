#!/usr/bin/env bash
# Figures of a stand-alone game made from the default game: file size (budget 40 MB), first
# start to window with an empty cache (budget 2 s) and later starts (budget 300 ms), each as
# median and spread over several runs under Xvfb, and what the unpacked program takes from the
# machine (ldd). Prints figures only; nothing here passes or fails on a timing.
#
# Usage: bench/standalone/standalone.sh PROGRAM_DIR [RUNS]   (needs Xvfb, xdotool)
program_dir=$(cd "$1" && pwd)
runs=${2:-7}
shift $#
source "$(dirname "$0")/../../tests/e2e/lib.sh"

game=$work/Castle
make_standalone "$game" "$program_dir/Games/Default.qbx"
ms() { echo $(($(date +%s%N) / 1000000)); }
# Milliseconds from the start of a program (default: the stand-alone game) to its window.
start_to_window() {
  local t0 t1
  t0=$(ms)
  "${1:-$game}" >>"$work/out.txt" 2>&1 &
  pid=$!
  until [ -n "$(xdotool search --onlyvisible --name '^Quarrybox' 2>/dev/null)" ]; do
    kill -0 "$pid" 2>/dev/null || { echo "the game ended: $(cat "$work/out.txt")" >&2; exit 1; }
    sleep 0.005
  done
  t1=$(ms)
  kill -TERM "$pid"
  wait "$pid" || true
  pid=''
  echo $((t1 - t0))
}
summary() { # median, min-max of the numbers on stdin
  sort -n | awk '{v[NR] = $1} END {m = NR % 2 ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2;
    printf "median %d ms, min %d ms, max %d ms (%d runs)\n", m, v[1], v[NR], NR}'
}

size=$(stat -c %s "$game")
echo "file size: $size bytes ($((size / 1048576)) MiB; budget 40 MB) = runtime" \
  "$(stat -c %s "$program_dir/quarrybox-runtime") + game $(stat -c %s "$program_dir/Games/Default.qbx")"
first=()
for _ in $(seq "$runs"); do
  rm -rf "$XDG_CACHE_HOME/quarrybox"
  first+=("$(start_to_window)")
done
echo "first start to window (empty cache): $(printf '%s\n' "${first[@]}" | summary); budget 2000 ms"
later=()
for _ in $(seq "$runs"); do later+=("$(start_to_window)"); done
echo "later start to window: $(printf '%s\n' "${later[@]}" | summary); budget 300 ms"
# The launcher's share of a later start: the same program run directly, from its build folder.
plain=()
for _ in $(seq "$runs"); do plain+=("$(start_to_window "$program_dir/quarrybox")"); done
echo "for comparison, the program itself to window: $(printf '%s\n' "${plain[@]}" | summary)"
unpacked=$(ls -d "$XDG_CACHE_HOME"/quarrybox/runtime/*/)
unpacked=${unpacked%/}
echo "unpacked: $(du -sh "$unpacked" | cut -f1) in $(find "$unpacked" -type f | wc -l) files"
LD_LIBRARY_PATH=$unpacked/lib ldd "$unpacked/quarrybox" "$unpacked"/plugins/*/*.so >"$work/ldd.txt"
echo "ldd: $(grep -cF "=> $unpacked/lib/" "$work/ldd.txt") resolutions into the runtime;" \
  "from the machine: $(grep '=> /' "$work/ldd.txt" | grep -vF "=> $unpacked" | awk '{print $1}' | sort -u | tr '\n' ' ')"
