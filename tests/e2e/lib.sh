# Shared by the end-to-end scripts: a real X server (Xvfb), optionally a window manager
# (openbox) on it, the program's environment in a scratch folder, and helpers that read the
# trace, find windows and press keys. Source it after setting program_dir; pass --wm in "$@"
# of the script to run under the window manager.
set -euo pipefail

with_wm=0
for arg in "$@"; do [ "$arg" = --wm ] && with_wm=1; done

work=$(mktemp -d)
pid='' xpid='' wmpid=''
cleanup() {
  local p
  for p in $pid $wmpid $xpid; do kill "$p" 2>/dev/null || true; done
  wait 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

# The X server picks a free display number itself and tells it through a pipe. A script may set
# screen (WIDTHxHEIGHTxDEPTH) before sourcing this file. The server does not reset when its last
# client goes, so that a program started right after another one ended finds it ready.
Xvfb -displayfd 3 -screen 0 "${screen:-1024x768x24}" -nolisten tcp -noreset 3>"$work/display" >/dev/null 2>&1 &
xpid=$!
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.05; done
export DISPLAY=":$(head -n 1 "$work/display")"
for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
if [ "$with_wm" = 1 ]; then
  # openbox runs its start-up command once it manages windows; a window mapped earlier may
  # never be framed.
  openbox --sm-disable --startup "touch $work/wm-ready" >/dev/null 2>&1 &
  wmpid=$!
  for _ in $(seq 100); do [ -e "$work/wm-ready" ] && break; sleep 0.05; done
  [ -e "$work/wm-ready" ] || { echo "FAIL: openbox did not start" >&2; exit 1; }
fi
mkdir -m 0700 "$work/runtime"
export XDG_RUNTIME_DIR=$work/runtime XDG_CONFIG_HOME=$work/config XDG_DATA_HOME=$work/data
export XDG_CACHE_HOME=$work/cache
export SDL_AUDIODRIVER=dummy QUARRYBOX_TRACE=$work/trace.txt QT_QPA_PLATFORM=xcb
# The scripts find windows by their English captions, whatever the desktop's language.
export LANGUAGE=en
touch "$work/trace.txt"
settings=$work/config/ZanpekSystems/Quarrybox.conf
mark=0

fail() {
  echo "FAIL: $*" >&2
  tail -n 20 "$work/trace.txt" >&2
  for id in $(xdotool search --onlyvisible --name . 2>/dev/null); do
    echo "window $id: $(xdotool getwindowname "$id")" >&2
  done
  exit 1
}
# Waits until the trace has a line matching the pattern after line $mark.
wait_for() {
  local pattern=$1 seconds=${2:-10}
  for _ in $(seq $((seconds * 20))); do
    if tail -n +"$((mark + 1))" "$work/trace.txt" | grep -q -- "$pattern"; then return 0; fi
    sleep 0.05
  done
  fail "no '$pattern' in the trace within $seconds s"
}
mark_now() { mark=$(wc -l <"$work/trace.txt"); }
since_mark() { tail -n +"$((mark + 1))" "$work/trace.txt"; }
window() { xdotool search --onlyvisible --name "^${1:-Quarrybox}" 2>/dev/null | head -1; }
# Waits until a window with this caption is shown (or, with "gone", no longer shown).
wait_window() {
  local name=$1 want=${2:-shown}
  for _ in $(seq 100); do
    if [ -n "$(window "$name")" ]; then [ "$want" = shown ] && return 0
    else [ "$want" = gone ] && return 0; fi
    sleep 0.05
  done
  fail "window '$name' not $want"
}
# Starts a game from the title and drops every piece as it comes until the stack reaches the
# top (state 3).
drop_until_game_over() {
  mark_now
  xdotool key space
  wait_for "state 2"
  for _ in $(seq 200); do
    since_mark | grep -q "state 3" && break
    xdotool key space
    sleep 0.1
  done
  wait_for "state 3" 5
}
# Types a name into the score table that a high score opened, from the name box's first place
# (a Space sent just before the game ended may have reached it), and closes the table.
enter_high_score_name() {
  wait_window "Score Table"
  sleep 0.3
  xdotool key Home
  xdotool type --delay 60 "$1"
  xdotool key Return
  sleep 0.5
}
# The client area of a window (without a window manager's frame): x y width height.
client() {
  xwininfo -id "$1" | awk '/Absolute upper-left X/ {x=$NF} /Absolute upper-left Y/ {y=$NF}
    /Width:/ {w=$NF} /Height:/ {h=$NF} END {print x, y, w, h}'
}
focus_main() { xdotool windowactivate --sync "$(window)" 2>/dev/null || xdotool windowfocus --sync "$(window)"; }
setting() { sed -n "s/^$1=//p" "$settings"; }

# A copy of the default game made anew, so that its score table is fresh (all zeros): the
# bundled game keeps the scores of every game played with it.
make_fresh_game() {
  local out=$1 levels=()
  "$program_dir/qbxtool" extract "$program_dir/Games/Default.qbx" "$work/pictures" >/dev/null
  while read -r _ n _ _ _ type _ _ _ grid; do
    levels+=(--level "$work/pictures/tpl$((n - 1)).$([ "$type" = 1 ] && echo jpg || echo bmp):$grid")
  done < <("$program_dir/qbxtool" info "$program_dir/Games/Default.qbx" | grep '^level ')
  "$program_dir/qbxtool" create "$out" --start "$work/pictures/tps.jpg" \
    --playing "$work/pictures/tpp.jpg" --gameover "$work/pictures/tpg.jpg" "${levels[@]}" \
    --stretch-start 0 --stretch-playing 0 --stretch-gameover 0 >/dev/null
}

# A stand-alone game as Make EXE writes it: the runtime followed by the game file.
make_standalone() {
  cat "$program_dir/quarrybox-runtime" "$2" >"$1"
  chmod 755 "$1"
}

# Starts the program in the background and waits for its title screen.
start_program() {
  "$program_dir/quarrybox" "$@" >>"$work/out.txt" 2>&1 &
  pid=$!
  wait_for "state 1"
  wait_window Quarrybox
  [ "$with_wm" = 0 ] || wait_managed "$(window)"
  focus_main
}

# Waits until the window manager has taken the window in (framed it).
wait_managed() {
  for _ in $(seq 100); do
    xprop -id "$1" _NET_FRAME_EXTENTS 2>/dev/null | grep -q = && return 0
    sleep 0.05
  done
  fail "the window manager did not frame window $1"
}

# Waits for the program to end by itself within $1 seconds.
wait_exit() {
  for _ in $(seq $((${1:-5} * 10))); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
  kill -0 "$pid" 2>/dev/null && fail "the program did not end"
  wait "$pid" || fail "the program ended with status $?"
}

# A window with the frame the window manager put around it (none on a bare server): x y w h.
frame_of() {
  local x y w h l=0 r=0 t=0 b=0 extents
  read -r x y w h < <(client "$1")
  extents=$(xprop -id "$1" _NET_FRAME_EXTENTS 2>/dev/null | sed -n 's/.*= //p' | tr -d ,)
  [ -z "$extents" ] || read -r l r t b <<<"$extents"
  echo $((x - l)) $((y - t)) $((w + l + r)) $((h + t + b))
}
# Whether two rectangles "x y w h" overlap.
overlap() {
  local ax ay aw ah bx by bw bh
  read -r ax ay aw ah <<<"$1"
  read -r bx by bw bh <<<"$2"
  [ "$ax" -lt $((bx + bw)) ] && [ "$bx" -lt $((ax + aw)) ] && [ "$ay" -lt $((by + bh)) ] &&
    [ "$by" -lt $((ay + ah)) ]
}
# The bounding box "w h x y" of the pixels of a PNG near a colour (ImageMagick's %@), or
# "0 0 -1 -1" when none is.
box_of() {
  convert "$1" -fuzz "${3:-20}%" -fill magenta -opaque "$2" -fill black +opaque magenta \
    -format '%@\n' info: | tr 'x+' '  '
}
# The bounding box "w h x y" of what is not black in a PNG.
lit_box() { convert "$1" -fuzz 10% -format '%@\n' info: | tr 'x+' '  '; }

# Clicks at a point of a window's client area.
click_in() {
  local x y
  read -r x y _ _ < <(client "$1")
  xdotool mousemove --sync $((x + $2)) $((y + $3)) click 1
}

# Types a full path into the file dialog titled $1 and accepts it.
answer_file_dialog() {
  wait_window "$1"
  sleep 0.5
  xdotool type --delay 20 "$2"
  xdotool key Return
  wait_window "$1" gone
}

# File > Create Game; prints the builder's window once it is shown.
open_builder() {
  xdotool key alt+f
  sleep 0.3
  xdotool key c
  wait_window "Quarrybox Builder"
  window "Quarrybox Builder"
}

# Chooses the builder's three skins (start, playing, game over), each through the file dialog;
# the builder hides while the dialog is open.
choose_skins() {
  local builder=$1 skin x y file
  for skin in "44 30 $2" "44 55 $3" "44 80 $4"; do
    read -r x y file <<<"$skin"
    click_in "$builder" "$x" "$y"
    answer_file_dialog "Open Picture" "$file"
    wait_window "Quarrybox Builder"
  done
}
