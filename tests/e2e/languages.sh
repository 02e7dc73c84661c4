#!/usr/bin/env bash
# The game in English and in each language it carries, started with the desktop's LANG under a
# window manager: the game's name (beyond ASCII) shows as it is in the caption, every menu opens
# by its translated access key, the dialogs open from their translated items with translated
# captions and no wider than the main window, a damaged game is reported with its reason in the
# language, and the layout check of the unit tests runs again on this X server (its fonts and
# resolution) with every window's texts whole.
#
# Usage: tests/e2e/languages.sh PROGRAM_DIR TEST_APP    (needs Xvfb, openbox, xdotool,
# imagemagick, wmctrl). With QB_SHOTS=FOLDER it keeps a screenshot of each language's File
# menu, Preferences, Open Game, builder and damaged-game message there. Every language the
# program carries needs a row below; QB_LANGUAGES="it sv" runs only those rows and their layout
# checks.
program_dir=$(cd "$1" && pwd)
test_app=$2
shift 2
source "$(dirname "$0")/lib.sh" --wm
# Windows by the caption the window manager shows (_NET_WM_NAME, UTF-8), so that a caption in
# any script is found as it is written: xdotool matches the legacy name, which loses letters
# beyond Latin-1 ("Předvolby" was not found by its own name).
window() {
  local id
  id=$(wmctrl -l | awk -v name="^${1:-Quarrybox}" '{
    title = $0; sub(/^[^ ]+ +[^ ]+ +[^ ]+ /, "", title)
    if (title ~ name) { print $1; exit } }')
  [ -z "$id" ] || printf '%d\n' "$id"
}
shots=${QB_SHOTS:-$work/shots}
mkdir -p "$shots"
main_width() { client "$(window "Quarrybox - ")" | awk '{print $3}'; }

# Opens a dialog through its menu (two access keys), checks its caption and width, closes it.
# A screenshot is taken as $lang-NAME.png when a name is given. An access key is a key name for
# xdotool ("f", "odiaeresis", "Cyrillic_ef"). The builder opens beside the main window, at a size
# of its own in English as in any language.
open_dialog() {
  local menu=$1 item=$2 caption=$3 shot=${4:-} any_width=${5:-}
  focus_main
  xdotool key "alt+$menu"
  sleep 0.3
  xdotool key "$item"
  wait_window "$caption"
  local id width
  id=$(window "$caption")
  width=$(client "$id" | awk '{print $3}')
  [ -n "$any_width" ] || [ "$width" -le "$(main_width)" ] ||
    fail "$lang: '$caption' is $width pixels wide, wider than the main window ($(main_width))"
  [ -z "$shot" ] || { sleep 0.3; import -window root "$shots/$lang-$shot.png"; }
  wmctrl -i -c "$id" # as the title bar's close box
  wait_window "$caption" gone
}

# Gives each key name the rows press a keycode of its own when the server's US keymap lacks it
# (Cyrillic letters, "odiaeresis"), before any program starts. Left to xdotool, every such press
# would first rebind a spare keycode and restore it, and a program that reads the key before the
# changed map can miss the press; one fixed map needs no second layout nor group switching.
bind_missing_keys() {
  local name free=()
  mapfile -t free < <(xmodmap -pke | awk 'NF == 3 && $2 > 8 { print $2 }')
  for name in $(tr ', ' '\n\n' <<<"$*" | awk 'length($0) > 1' | sort -u); do
    xmodmap -pke | awk -v k="$name" '{ for (i = 4; i <= NF; i++) if ($i == k) f = 1 } END { exit !f }' &&
      continue
    [ ${#free[@]} -gt 0 ] || fail "no free keycode for $name"
    xmodmap -e "keycode ${free[0]} = $name"
    free=("${free[@]:1}")
  done
}

# A game whose name has letters beyond ASCII, shown as it is in every language's caption, and a
# game cut short after its first bytes.
game_file="$work/Kraków Straße.qbx"
make_fresh_game "$game_file"
damaged=$work/Damaged.qbx
head -c 10 "$game_file" >"$damaged"
# language, LANG, then the access keys: File, Game, Options, Help; Open, Download, Score,
# Preferences, Size, About, Create Game; then the captions: Preferences, Score Table, About, Open
# Game, games site, builder, message (after a word of the damaged game's reason).
rows="\
en en_US.UTF-8 f,g,o,h,o,d,c,p,z,a,c incomplete Preferences,Score Table,About Quarrybox,Open Game,Quarrybox Games,Quarrybox Builder,Message
cs cs_CZ.UTF-8 s,h,m,n,o,s,r,p,v,o,v useknut Předvolby,Rekordy,O Quarryboxu,Otevřít hru,Hry pro Quarrybox,Editor Quarryboxu,Zpráva
de de_DE.UTF-8 d,s,o,h,f,w,n,e,g,b,e Spielkopf Einstellungen,Bestenliste,Über Quarrybox,Spiel öffnen,Quarrybox-Spiele,Quarrybox-Editor,Meldung
es es_ES.UTF-8 a,j,o,y,a,d,r,p,t,c,c incompleto Preferencias,Récords,Acerca de Quarrybox,Abrir juego,Juegos de Quarrybox,Editor de Quarrybox,Mensaje
fr fr_FR.UTF-8 f,p,o,a,o,t,m,p,t,p,c incomplet Préférences,Records,À propos de Quarrybox,Ouvrir une partie,Parties Quarrybox,Éditeur Quarrybox,Message
it it_IT.UTF-8 f,g,o,a,a,s,c,p,d,i,c incompleto Preferenze,Classifica,Informazioni su Quarrybox,Apri gioco,Giochi per Quarrybox,Editor di Quarrybox,Messaggio
nl nl_NL.UTF-8 b,s,o,h,o,d,r,v,f,o,m onvolledig Voorkeuren,Ranglijst,Over Quarrybox,Spel openen,Quarrybox-spellen,Quarrybox-editor,Melding
pl pl_PL.UTF-8 p,g,o,c,o,p,n,p,r,o,u niekompletny Preferencje,Rekordy,O programie Quarrybox,Otwórz grę,Gry Quarrybox,Edytor Quarrybox,Komunikat
pt_BR pt_BR.UTF-8 a,j,o,u,a,b,c,p,t,s,c incompleto Preferências,Recordes,Sobre o Quarrybox,Abrir jogo,Jogos do Quarrybox,Editor do Quarrybox,Mensagem
sv sv_SE.UTF-8 a,s,l,h,odiaeresis,l,t,i,t,o,k ofullst Inställningar,Topplista,Om Quarrybox,Öppna spel,Quarrybox-spel,Quarrybox-redigerare,Meddelande
tr tr_TR.UTF-8 d,o,s,y,a,i,y,t,b,h,u eksik Tercihler,Rekorlar,Quarrybox hakkında,Oyun aç,Quarrybox oyunları,Quarrybox düzenleyicisi,İleti
ru ru_RU.UTF-8 Cyrillic_ef,Cyrillic_i,Cyrillic_pe,Cyrillic_es,Cyrillic_o,Cyrillic_che,Cyrillic_er,Cyrillic_en,Cyrillic_er,Cyrillic_o,Cyrillic_es неполный Настройки,Рекорды,О Quarrybox,Открыть игру,Игры Quarrybox,Редактор Quarrybox,Сообщение
uk uk_UA.UTF-8 Cyrillic_ef,Cyrillic_ghe,Cyrillic_pe,Cyrillic_de,Cyrillic_ve,Cyrillic_ze,Cyrillic_er,Cyrillic_en,Cyrillic_er,Cyrillic_pe,Cyrillic_es неповний Налаштування,Рекорди,Про Quarrybox,Відкрити гру,Ігри Quarrybox,Редактор Quarrybox,Повідомлення
ja ja_JP.UTF-8 f,g,o,h,o,d,c,p,z,a,c 不完全 設定,ハイスコア,Quarrybox について,ゲームを開く,Quarrybox のゲーム,Quarrybox ビルダー,メッセージ
zh_CN zh_CN.UTF-8 f,g,o,h,o,d,c,p,z,a,c 不完整 首选项,高分榜,关于 Quarrybox,打开游戏,Quarrybox 游戏,Quarrybox 编辑器,消息
ko ko_KR.UTF-8 f,g,o,h,o,d,c,p,z,a,c 불완전 환경 설정,최고 점수,Quarrybox 정보,게임 열기,Quarrybox 게임,Quarrybox 편집기,메시지"
# Every catalogue has its row, also when only some rows run.
for catalogue in "$(dirname "$0")"/../../translations/quarrybox_*.ts; do
  lang=$(basename "$catalogue" .ts)
  lang=${lang#quarrybox_}
  grep -q "^$lang " <<<"$rows" || fail "$lang has no row: give its access keys and captions"
done
for lang in ${QB_LANGUAGES:-}; do
  grep -q "^$lang " <<<"$rows" || fail "QB_LANGUAGES names $lang, which has no row"
done
bind_missing_keys "$(awk '{ print $3 }' <<<"$rows")"
while read -r lang locale keys reason captions; do
  [ -z "${QB_LANGUAGES:-}" ] || [[ " $QB_LANGUAGES " == *" $lang "* ]] || continue
  IFS=, read -r file game options help open download score prefs size about create <<<"$keys"
  IFS=, read -r c_prefs c_score c_about c_open c_site c_builder c_message <<<"$captions"
  LANG=$locale LANGUAGE='' LC_ALL='' LC_MESSAGES='' start_program "$game_file"
  caption=$(xprop -id "$(window "Quarrybox - ")" _NET_WM_NAME | sed 's/^[^"]*"//; s/"$//')
  [ "$caption" = "Quarrybox - Kraków Straße" ] || fail "$lang: the caption reads '$caption'"

  # Every menu opens by its translated key; the File menu is kept in a screenshot.
  for key in "$game" "$options" "$help" "$file"; do
    focus_main
    xdotool key "alt+$key"
    sleep 0.3
    [ "$key" != "$file" ] || import -window root "$shots/$lang-menu.png"
    xdotool key Escape Escape
  done
  focus_main
  xdotool key "alt+$options" "$size"
  sleep 0.3
  xdotool key Escape Escape Escape

  open_dialog "$options" "$prefs" "$c_prefs" preferences
  open_dialog "$game" "$score" "$c_score"
  open_dialog "$help" "$about" "$c_about"
  open_dialog "$file" "$open" "$c_open" open
  open_dialog "$file" "$create" "$c_builder" builder any-width
  open_dialog "$file" "$download" "$c_site"
  echo "ok: $lang ($locale): menus and dialogs"

  # A damaged game, chosen in Open Game: the message box gives the reason in the language.
  focus_main
  mark_now
  xdotool key "alt+$file" "$open"
  answer_file_dialog "$c_open" "$damaged"
  wait_for "Message||Damaged.qbx"
  since_mark | grep "Message||" | grep -q -- "$reason" ||
    fail "$lang: the reason is not in the language: $(since_mark | grep "Message||")"
  wait_window "$c_message"
  sleep 0.3
  import -window root "$shots/$lang-message.png"
  xdotool key Return
  wait_window "$c_message" gone
  echo "ok: $lang ($locale): a damaged game's reason"

  kill "$pid"
  wait "$pid" 2>/dev/null || true
  pid=''
done <<<"$rows"

# The unit tests' layout check, on this server: every window in every language, texts whole.
layout_filter='Languages/TranslatedLayoutTest.*'
[ -z "${QB_LANGUAGES:-}" ] || layout_filter=$(printf 'Languages/TranslatedLayoutTest.*/%s:' $QB_LANGUAGES)
QT_QPA_PLATFORM=xcb "$test_app" --gtest_filter="$layout_filter" >"$work/layout.txt" 2>&1 ||
  { cat "$work/layout.txt" >&2; fail "texts cut under X"; }
echo "ok: $(grep -c '^\[       OK' "$work/layout.txt") layout checks under X"
