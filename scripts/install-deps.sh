#!/usr/bin/env bash
# Installs what building, bootstrapping and testing Tarvelle need on Debian 12.
# Only missing packages are installed; a machine that has them all is left alone.
set -euo pipefail

packages=(
  # build
  cmake ninja-build g++ ccache pkg-config
  # Qt 6 (the SQLite driver must be named with --no-install-recommends)
  qt6-base-dev libqt6sql6-sqlite qt6-tools-dev qt6-tools-dev-tools qt6-l10n-tools qt6-svg-dev
  # in-process SHA-256; unpacking tool updates; checking their signatures
  libssl-dev libarchive-dev gpgv
  # tests and benchmarks (gnupg signs the test releases of the updater tests)
  googletest libgtest-dev libgmock-dev libbenchmark-dev dbus xvfb gnupg
  # the accessibility bus and registry, to read the window as screen readers do
  at-spi2-core
  # xvfb-run needs xauth (only recommended by xvfb)
  xauth
  # fuzzing: clang with libFuzzer and the sanitizer runtimes
  clang-14 libclang-rt-14-dev
  # the shipped tools: yt-dlp is fetched from Debian's unstable archive with
  # apt and Debian's archive key; it runs on python3 with the modules it
  # imports (what Debian's yt-dlp package depends on). ffmpeg from its
  # package; python3 also serves the test media
  apt debian-archive-keyring ffmpeg python3 python3-certifi python3-mutagen python3-pycryptodome
  python3-requests python3-urllib3 python3-websockets
  # text in the window never renders as boxes, Chinese included; Qt's own
  # dialogs in the interface language
  fonts-dejavu-core fonts-noto-cjk qt6-translations-l10n
  # the window on Wayland sessions (X11 needs nothing more)
  qt6-wayland
  # the Debian package: its dependencies, and checks of its desktop files
  dpkg-dev desktop-file-utils appstream
)
command -v npm >/dev/null || packages+=(npm)

missing=()
for package in "${packages[@]}"; do
  status=$(dpkg-query -W -f='${Status}' "$package" 2>/dev/null || true)
  [ "$status" = "install ok installed" ] || missing+=("$package")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
echo "install-deps: installing ${missing[*]}"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
