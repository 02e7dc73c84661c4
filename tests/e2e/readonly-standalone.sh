#!/usr/bin/env bash
# A stand-alone game in a folder its player cannot write: the scores go to the player's score
# store, the player is told once, and the file stays as it was (see user-play.sh).
#
# Usage: tests/e2e/readonly-standalone.sh PROGRAM_DIR
set -euo pipefail
copy=$(mktemp -d)
trap 'chmod -R u+w "$copy"; rm -rf "$copy"' EXIT
cat "$1/quarrybox-runtime" "$1/Games/Default.qbx" >"$copy/Castle"
chmod 0755 "$copy/Castle" "$copy"
chmod a-w "$copy/Castle" "$copy"
"$(dirname "$0")/user-play.sh" "$copy/Castle" "$copy"
