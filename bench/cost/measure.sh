#!/usr/bin/env bash
# What the program costs, measured side by side for two builds in one run: idle CPU on the
# title and the pause screen, CPU while playing, the level start with a big JPEG, the start-up
# to a mapped window and the peak memory while playing. Every figure is the median of RUNS
# runs with its spread (min-max); the builds take turns, so a busy machine weighs on both.
#
# Usage: bench/cost/measure.sh [--floor FLOOR_PROGRAM] BASELINE_PROGRAM [PROGRAM] [RUNS]
#   BASELINE_PROGRAM, PROGRAM: paths of quarrybox binaries (PROGRAM defaults to this
#   checkout's build/bin/quarrybox); each needs its own program folder (Games/Default.qbx,
#   qbxtool) beside it. RUNS defaults to 5.
#   --floor: the toolkit's floor (build/bench/qb_floor: a Qt main window with a menu bar and
#   the game's 600 x 400 title picture, nothing else) takes its turn as well, sent the same
#   keys at the same moments, and the table adds each build's ratio to it. It has no level
#   to start. The same program then plays once more as "slides" (QB_FLOOR_SLIDES=1): drawing
#   the game's slides for those keys, what any program animating them with the toolkit pays;
#   its playing figure gets a ratio column of its own.
#
# Needs Xvfb, xdotool, xev (x11-utils), ImageMagick and perl. Sound goes to SDL's dummy output,
# which behaves like a real device that is always there (QB_AUDIO=... picks another driver).
#
# How each figure is taken:
#   idle title / idle pause  CPU of the program and its own Xvfb (the run time of all their
#                            threads, /proc/PID/task/*/schedstat, to the nanosecond) over 20 s
#                            on the title, then on the pause screen,
#                            in % of one core, once the screen's sound has died away (the start
#                            jingle sounds for 16.5 s, the pause chime for 4.5 s)
#   playing                  the same over 20 s of play, with one xdotool moving and turning
#                            the piece four times a second and dropping it every 5 s
#   peak RSS                 VmHWM of the program after that play, in MiB
#   peak RSS 12MP            VmHWM of the program once the 12-MP level below is on the screen
#   level start              a game whose level is a 4000 x 3000 JPEG: Space 2 s after the
#                            title shows, until the level is on the screen, read from the trace:
#                            from "key 32" to the first "painted" after "score 0" when the build
#                            traces them, else from "state 2" to "score 0" (which leaves out up
#                            to one frame of waiting for the key and the paint itself)
#   start-up                 from the start of the process to the MapNotify of its window (xev
#                            on the root window), second and later starts in the same folders
#   title / pause wake-ups   how often the program's threads were put on a core over the idle
#                            title and pause windows (third field of schedstat), without the
#                            X server: 0 for a program that sleeps while nothing changes
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
usage="usage: $0 [--floor FLOOR_PROGRAM] BASELINE_PROGRAM [PROGRAM] [RUNS]"
floor=''
if [ "${1:-}" = --floor ]; then
  floor=$(realpath "${2:?$usage}")
  shift 2
fi
baseline=$(realpath "${1:?$usage}")
current=$(realpath "${2:-$here/../../build/bin/quarrybox}")
runs=${3:-5}
window_s=20
for p in $floor "$baseline" "$current"; do
  [ -x "$p" ] || { echo "not a program: $p" >&2; exit 2; }
done
builds="baseline current"
[ -z "$floor" ] || builds="floor slides $builds"
slides=$floor

work=$(mktemp -d)
xpid='' pid=''
stop_all() {
  [ -z "$pid" ] || kill "$pid" 2>/dev/null || true
  [ -z "$xpid" ] || kill "$xpid" 2>/dev/null || true
  wait 2>/dev/null || true
  pid='' xpid=''
}
trap 'stop_all; rm -rf "$work"' EXIT

# ---- helpers -------------------------------------------------------------------------------

start_x() {
  rm -f "$work/display"
  Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" >/dev/null 2>&1 &
  xpid=$!
  for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.05; done
  export DISPLAY=":$(head -n 1 "$work/display")"
  for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
}

# A home of its own for each program: settings, runtime folder, scores.
use_home() {
  local home=$work/home-$1
  mkdir -p "$home/config" "$home/data" "$home/cache"
  [ -d "$home/runtime" ] || mkdir -m 0700 "$home/runtime"
  export XDG_RUNTIME_DIR=$home/runtime XDG_CONFIG_HOME=$home/config XDG_DATA_HOME=$home/data
  export XDG_CACHE_HOME=$home/cache QUARRYBOX_TRACE=$home/trace.txt
  export SDL_AUDIODRIVER=${QB_AUDIO:-dummy} QT_QPA_PLATFORM=xcb
  trace=$QUARRYBOX_TRACE
  : >"$trace"
}

launch() {
  "$@" >>"$work/out.txt" 2>&1 &
  pid=$!
}

wait_trace() {
  local pattern=$1
  for _ in $(seq 400); do
    grep -q -- "$pattern" "$trace" && return 0
    sleep 0.025
  done
  echo "no '$pattern' in the trace of $(cat /proc/$pid/cmdline 2>/dev/null | tr '\0' ' ')" >&2
  return 1
}

main_window() { xdotool search --sync --onlyvisible --name '^Quarrybox' 2>/dev/null | head -1; }

# Run time (ns) and wake-ups of every thread of a process so far, a line "TID NS WAKEUPS" each:
# the scheduler's own account (the 10 ms ticks of /proc/PID/stat are too coarse for an idle
# program).
threads() {
  local f
  for f in /proc/"$1"/task/*/schedstat; do
    echo "$(basename "$(dirname "$f")") $(cat "$f" 2>/dev/null)"
  done
}

# What the threads of a process did between two snapshots, as "MICROSECONDS WAKEUPS": a thread
# that ended in between (the sound output closing) takes its count with it, so it is left out.
thread_delta() {
  awk 'NR == FNR { ns[$1] = $2; w[$1] = $4; next }
       { t += $2 - ns[$1]; k += $4 - w[$1] } END { printf "%d %d\n", t / 1000, k }' "$1" "$2"
}

# CPU of the program and the X server over the window, in % of one core, and the program's
# wake-ups: "CPU WAKEUPS".
cpu_over_window() {
  local p x w
  threads "$pid" >"$work/p0"
  threads "$xpid" >"$work/x0"
  sleep "$window_s"
  threads "$pid" >"$work/p1"
  threads "$xpid" >"$work/x1"
  read -r p w < <(thread_delta "$work/p0" "$work/p1")
  read -r x _ < <(thread_delta "$work/x0" "$work/x1")
  awk -v d=$((p + x)) -v s="$window_s" -v w="$w" 'BEGIN { printf "%.3f %d\n", 100 * d / 1e6 / s, w }'
}

# The floor writes no trace: it is ready when its window shows, and every screen is the same.
is_floor() { [ "$1" = floor ] || [ "$1" = slides ]; }
wait_state() {
  is_floor "$name" || wait_trace "$1"
}

trace_ms() { awk -v e="$1" '$2 " " $3 == e || $2 == e { print $1; exit }' "$trace"; }

# ---- the measurements ----------------------------------------------------------------------

# The program's argument: its own copy of the default game, or the title picture for the floor.
session_argument() {
  local program=$1 game=$work/home-$name/Quarry.qbx
  if is_floor "$name"; then
    echo "$work/skins/tps.jpg"
  else
    cp "$(dirname "$program")/Games/Default.qbx" "$game"
    echo "$game"
  fi
}

# Records an idle window's "CPU WAKEUPS" as two figures.
record_idle() {
  local cpu wake
  read -r cpu wake < <(cpu_over_window)
  record "$name" "idle $1 (%)" "$cpu"
  record "$name" "$1 wake-ups" "$wake"
}

# Title idle, play, peak memory and pause idle in one life of the program.
measure_session() {
  local program=$1 name=$2
  start_x
  use_home "$name"
  launch "$program" "$(session_argument "$program")"
  wait_state "state 1" && [ -n "$(main_window)" ] || return 1
  xdotool windowfocus --sync "$(main_window)" 2>/dev/null || true
  # The sliding floor's piece never rests: only its playing is measured.
  if [ "$name" = slides ]; then sleep 1; else
    sleep 19
    record_idle title
  fi

  xdotool key space
  wait_state "state 2" || return 1
  sleep 1
  local keys=(Left Right Up Right Left Up) k p x
  threads "$pid" >"$work/p0"
  threads "$xpid" >"$work/x0"
  # One xdotool for all keys: a new X client for every key would cost the X server more than
  # the game does.
  for k in $(seq 0 $((window_s * 4 - 1))); do
    if [ $((k % 20)) = 19 ]; then echo "key space"; else echo "key ${keys[$((k % 6))]}"; fi
    echo "sleep 0.25"
  done | xdotool -
  threads "$pid" >"$work/p1"
  threads "$xpid" >"$work/x1"
  read -r p _ < <(thread_delta "$work/p0" "$work/p1")
  read -r x _ < <(thread_delta "$work/x0" "$work/x1")
  grep -q "state 3" "$trace" && echo "note: a game of $name ended while playing" >&2
  record "$name" "playing (%)" \
    "$(awk -v d=$((p + x)) -v s="$window_s" 'BEGIN { printf "%.3f\n", 100 * d / 1e6 / s }')"
  record "$name" "peak RSS (MiB)" \
    "$(awk '/^VmHWM:/ { printf "%.1f\n", $2 / 1024 }' "/proc/$pid/status")"

  [ "$name" != slides ] || { stop_all; return 0; }
  is_floor "$name" || { grep -q "state 2" "$trace" && ! grep -q "state 3" "$trace"; } ||
    { stop_all; return 0; }
  xdotool key p
  wait_state "caption .*\[Pause\]" || return 1
  sleep 7
  record_idle pause
  stop_all
}

# A game whose only level is a 4000 x 3000 JPEG, made once from the baseline's default skins.
make_big_game() {
  local tool
  tool=$(dirname "$baseline")/qbxtool
  "$tool" extract "$(dirname "$baseline")/Games/Default.qbx" "$work/skins" >/dev/null
  # Smooth noise blown up: photo-like detail, so the decoder has real work to do.
  convert -size 400x300 xc: +noise Random -blur 0x1 -resize 4000x3000! -quality 90 \
    "$work/big.jpg"
  "$tool" create "$work/Big.qbx" --start "$work/skins/tps.jpg" --playing "$work/skins/tpp.jpg" \
    --gameover "$work/skins/tpg.jpg" --level "$work/big.jpg:45" >/dev/null
}

measure_level_start() {
  local program=$1 name=$2 start end
  start_x
  use_home "$name-big"
  cp "$work/Big.qbx" "$work/home-$name-big/Big.qbx"
  launch "$program" "$work/home-$name-big/Big.qbx"
  wait_trace "state 1" && [ -n "$(main_window)" ] || return 1
  xdotool windowfocus --sync "$(main_window)" 2>/dev/null || true
  sleep 2
  xdotool key space
  wait_trace "score 0" || return 1
  sleep 0.5
  start=$(awk '$2 == "key" && $3 == "32" { print $1; exit }' "$trace")
  [ -n "$start" ] || start=$(trace_ms "state 2")
  end=$(awk 'seen && $2 == "painted" { print $1; exit } $2 == "score" { seen = 1 }' "$trace")
  [ -n "$end" ] || end=$(trace_ms "score 0")
  record "$name" "level start (ms)" $((end - start))
  record "$name" "peak RSS 12MP (MiB)" \
    "$(awk '/^VmHWM:/ { printf "%.1f\n", $2 / 1024 }' "/proc/$pid/status")"
  stop_all
}

measure_startup() {
  local program=$1 name=$2 ms argument=()
  is_floor "$name" && argument=("$work/skins/tps.jpg")
  start_x
  use_home "$name-start"
  # The first start in fresh folders registers the file type: a one-time cost, not timed.
  launch "$program" "${argument[@]}"
  wait_state "state 1" >/dev/null 2>&1 || true
  main_window >/dev/null
  stop_all
  start_x
  read -r ms pid < <(perl "$here/time-to-map.pl" "$program" "${argument[@]}")
  record "$name" "start-up (ms)" "$ms"
  stop_all
}

results=$work/results.txt
: >"$results"
record() { printf '%s\t%s\t%s\n' "$1" "$2" "$3" >>"$results"; }

make_big_game
for run in $(seq "$runs"); do
  echo "run $run of $runs" >&2
  for build in $builds; do
    program=${!build}
    if [ "$build" = slides ]; then export QB_FLOOR_SLIDES=1; else unset QB_FLOOR_SLIDES; fi
    measure_session "$program" "$build" || echo "note: session of $build failed" >&2
    stop_all
    [ "$build" != slides ] || continue # starts as the floor does
    if ! is_floor "$build"; then
      measure_level_start "$program" "$build" || echo "note: level start of $build failed" >&2
      stop_all
    fi
    measure_startup "$program" "$build" || echo "note: start-up of $build failed" >&2
    stop_all
  done
done

[ -z "$floor" ] || echo "floor:    $floor"
echo "baseline: $baseline"
echo "current:  $current"
echo "runs: $runs; each cell: median (min-max); a ratio is a median over a median (fl: the floor, sl: the floor drawing the slides)"
awk -F'\t' -v floor="$floor" '
  { v[$2, $1] = v[$2, $1] " " $3; if (!($2 in seen)) { seen[$2] = 1; order[++n] = $2 } }
  function stats(list,   a, c, i, j, t) {
    c = split(list, a, " ")
    for (i = 1; i <= c; i++) for (j = i + 1; j <= c; j++) if (a[j] + 0 < a[i] + 0) { t = a[i]; a[i] = a[j]; a[j] = t }
    if (c == 0) { med = ""; return "-" }
    med = c % 2 ? a[(c + 1) / 2] : (a[c / 2] + a[c / 2 + 1]) / 2
    return sprintf("%g (%g-%g)", med, a[1], a[c])
  }
  function ratio(over, under) { return over == "" || under == "" || under + 0 == 0 ? "-" : sprintf("%.2f", over / under) }
  END {
    if (floor == "") {
      printf "%-18s %-24s %-24s\n", "figure", "baseline", "current"
      for (i = 1; i <= n; i++)
        printf "%-18s %-24s %-24s\n", order[i], stats(v[order[i], "baseline"]), stats(v[order[i], "current"])
      exit
    }
    printf "%-18s %-22s %-22s %-22s %-22s %-8s %-8s %-8s %-8s\n", "figure", "floor", "slides", \
      "baseline", "current", "base/fl", "curr/fl", "base/sl", "curr/sl"
    for (i = 1; i <= n; i++) {
      f = stats(v[order[i], "floor"]); floor_med = med
      sl = stats(v[order[i], "slides"]); slides_med = med
      b = stats(v[order[i], "baseline"]); base_med = med
      c = stats(v[order[i], "current"]); curr_med = med
      printf "%-18s %-22s %-22s %-22s %-22s %-8s %-8s %-8s %-8s\n", order[i], f, sl, b, c,
        ratio(base_med, floor_med), ratio(curr_med, floor_med),
        ratio(base_med, slides_med), ratio(curr_med, slides_med)
    }
  }' "$results"
