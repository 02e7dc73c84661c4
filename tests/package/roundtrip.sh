#!/usr/bin/env bash
# The Debian package from build to removal: builds it, installs it with apt-get, checks the
# desktop integration it brings, plays the installed program as an ordinary user (who cannot
# write /usr, so the score goes to the user's store; nothing under /usr may change), then
# removes the package and checks that nothing of it is left.
#
# Usage: tests/package/roundtrip.sh BUILD_DIR
# Needs root or sudo without a password; exits 77 (skipped) without them, or when a quarrybox
# package is already installed (it is not ours to replace). Runs one at a time per machine.
set -euo pipefail
build=$(cd "$1" && pwd)
here=$(cd "$(dirname "$0")" && pwd)
if [ "$(id -u)" -ne 0 ]; then
  if sudo -n true 2>/dev/null; then exec sudo -n "$0" "$@"; fi
  echo "SKIPPED: installing the package needs root or sudo without a password"
  exit 77
fi
exec 9>/var/lock/quarrybox-package-test
flock 9
if dpkg-query -W -f='${Status}' quarrybox 2>/dev/null | grep -q 'install ok installed'; then
  echo "SKIPPED: a quarrybox package is already installed on this machine"
  exit 77
fi
fail() { echo "FAIL: $*" >&2; exit 1; }

cmake --build "$build" --target package >/dev/null
deb=$(ls -t "$build"/quarrybox_*.deb | head -n 1)
# Debian's package checks: nothing beyond what data/debian/lintian-overrides explains.
found=$(lintian --fail-on error,warning "$deb" 2>&1) ||
  fail "lintian: $(grep -v 'root privileges' <<<"$found")"
trap 'apt-get remove --purge -y -qq quarrybox >/dev/null 2>&1 || true' EXIT
(cd "$(dirname "$deb")" && apt-get install -y -qq -o DPkg::Lock::Timeout=120 "./$(basename "$deb")") \
  >/dev/null

[ -x /usr/games/quarrybox ] && [ -x /usr/games/qbxtool ] || fail "programs not in /usr/games"
[ -f /usr/share/quarrybox/Games/Default.qbx ] || fail "default game not in /usr/share/quarrybox"
desktop-file-validate /usr/share/applications/quarrybox.desktop || fail "desktop entry"
appstreamcli validate --no-net /usr/share/metainfo/*quarrybox*.metainfo.xml >/dev/null ||
  fail "AppStream data"
for doc in /usr/share/man/man6/quarrybox.6.gz /usr/share/man/man1/qbxtool.1.gz \
  /usr/share/doc/quarrybox/changelog.Debian.gz; do
  gzip -t "$doc" 2>/dev/null || fail "$doc is not installed, or not gzipped"
done
grep -q '^Files: \*' /usr/share/doc/quarrybox/copyright || fail "no copyright file in the documentation"
[ -f /usr/share/metainfo/com.zanpeksystems.quarrybox.metainfo.xml ] || fail "AppStream file name"
type=$(XDG_DATA_DIRS=/usr/share xdg-mime query filetype /usr/share/quarrybox/Games/Default.qbx)
[ "$type" = application/x-quarrybox-game ] || fail "the game's MIME type is '$type'"

"$here/../e2e/user-play.sh" /usr/games/quarrybox /usr

apt-get remove --purge -y -qq -o DPkg::Lock::Timeout=120 quarrybox >/dev/null
trap - EXIT
for left in /usr/games/quarrybox /usr/share/quarrybox /usr/share/applications/quarrybox.desktop; do
  [ -e "$left" ] && fail "$left is left after removal"
done
echo "1 passed, 0 failed"
