#!/usr/bin/env bash
# The program folder copied somewhere and made read-only, as an administrator would leave it,
# then played by an ordinary user (see user-play.sh).
#
# Usage: tests/e2e/readonly-folder.sh PROGRAM_DIR
set -euo pipefail
copy=$(mktemp -d)
trap 'chmod -R u+w "$copy"; rm -rf "$copy"' EXIT
cp -r "$1/." "$copy/"
chmod -R a-w,a+rX "$copy"
"$(dirname "$0")/user-play.sh" "$copy/quarrybox" "$copy"
