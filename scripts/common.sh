# Shared by scripts/run and scripts/test: install what is missing, then build.
set -euo pipefail

ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
BUILD_DIR="${QB_BUILD_DIR:-$ROOT/build}"

PACKAGES=(
  g++ cmake ninja-build pkg-config
  qt6-base-dev qt6-image-formats-plugins libgl-dev libxcb-xkb-dev
  qt6-tools-dev qt6-l10n-tools qt6-translations-l10n locales
  libsdl2-dev libjpeg62-turbo-dev libturbojpeg0-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  clang libclang-rt-14-dev clang-format
  xvfb xauth xdotool imagemagick x11-utils x11-xserver-utils openbox wmctrl weston qt6-wayland
  fonts-liberation fonts-croscore fonts-wqy-microhei
  desktop-file-utils appstream xdg-utils libfile-mimeinfo-perl shared-mime-info dpkg-dev
  libzstd-dev zstd debootstrap lintian
  python3 universal-ctags clang-tidy
)

as_root() {
  if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

install_missing_packages() {
  local missing=()
  for p in "${PACKAGES[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
      missing+=("$p")
    fi
  done
  if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    as_root apt-get update -qq
    as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
  fi
}

# The locales of the languages the game speaks, for the end-to-end test that starts it in each.
TEST_LOCALES=(de_DE.UTF-8 fr_FR.UTF-8 es_ES.UTF-8 pl_PL.UTF-8 pt_BR.UTF-8 it_IT.UTF-8 nl_NL.UTF-8
  ru_RU.UTF-8 uk_UA.UTF-8 cs_CZ.UTF-8 sv_SE.UTF-8 tr_TR.UTF-8 ja_JP.UTF-8 zh_CN.UTF-8 ko_KR.UTF-8)

generate_locales() {
  local missing=0 l
  for l in "${TEST_LOCALES[@]}"; do
    locale -a | grep -qix "${l%.UTF-8}.utf8" || missing=1
  done
  [ "$missing" = 1 ] || return 0
  for l in "${TEST_LOCALES[@]}"; do
    grep -qx "$l UTF-8" /etc/locale.gen 2>/dev/null || echo "$l UTF-8" | as_root tee -a /etc/locale.gen >/dev/null
  done
  as_root locale-gen >/dev/null
}

configure_and_build() {
  if [ ! -f "$BUILD_DIR/build.ninja" ]; then
    cmake -S "$ROOT" -B "$BUILD_DIR" -G Ninja -DCMAKE_BUILD_TYPE=Release "$@"
  elif [ $# -gt 0 ]; then
    cmake "$BUILD_DIR" "$@" >/dev/null # options that differ from the last run's
  fi
  cmake --build "$BUILD_DIR" --parallel "$(nproc)"
}
