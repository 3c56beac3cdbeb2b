#!/usr/bin/env bash
# Installs the build tree into a scratch prefix, runs the installed programs
# there and from a copy elsewhere (the tree must be relocatable), validates the
# desktop files and builds the Debian package to check what it holds.
#
# usage: install-test.sh BUILD_DIR APP_ID VERSION
# The build tree must be built and bootstrapped (scripts/bootstrap-tools.sh).
set -euo pipefail

build=$1 app_id=$2 version=$3
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

failures=0
fail() { printf 'FAIL: %s\n' "$*" >&2; failures=$((failures + 1)); }
step() { printf '== %s\n' "$*"; }
expect_file() { [ -f "$1" ] || fail "missing $1"; }
expect_executable() { [ -f "$1" ] && [ -x "$1" ] || fail "missing or not executable: $1"; }

[ -f "$build/share/tarvelle/manifest.json" ] || {
  echo "The build tree has no shipped tools: run scripts/bootstrap-tools.sh $build first." >&2
  exit 1
}

# Programs run with a scratch home and no display, as in a bare terminal.
run() {
  env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM \
    HOME="$scratch/home" XDG_CONFIG_HOME="$scratch/home/.config" \
    XDG_DATA_HOME="$scratch/home/.local/share" XDG_CACHE_HOME="$scratch/home/.cache" "$@"
}

check_tree() { # prefix
  local prefix=$1
  expect_executable "$prefix/bin/tarvelle"
  expect_executable "$prefix/bin/tarvelle-cli"
  for tool in yt-dlp ffmpeg ffprobe deno; do
    expect_executable "$prefix/share/tarvelle/Tools/$tool"
  done
  # Whatever the bootstrap put beside the tools (manifest, notices, licenses,
  # legal text) is installed unchanged.
  diff -r "$build/share/tarvelle" "$prefix/share/tarvelle" >/dev/null \
    || fail "$prefix/share/tarvelle differs from the build tree's"
  expect_file "$prefix/share/applications/$app_id.desktop"
  expect_file "$prefix/share/icons/hicolor/scalable/apps/$app_id.svg"
  expect_file "$prefix/share/metainfo/$app_id.metainfo.xml"
  for program in tarvelle tarvelle-cli; do
    if readelf -d "$prefix/bin/$program" | grep -Eq 'RPATH|RUNPATH'; then
      fail "$program carries a run path"
    fi
  done
}

check_programs() { # prefix
  local prefix=$1 output
  output=$(run "$prefix/bin/tarvelle" --version) || fail "tarvelle --version exited with $?"
  [[ $output == "Tarvelle $version (build "*")" ]] || fail "tarvelle --version printed '$output'"
  output=$(run "$prefix/bin/tarvelle" --help) || fail "tarvelle --help exited with $?"
  [[ $output == *"Usage: tarvelle"* ]] || fail "tarvelle --help printed '$output'"

  output=$(run "$prefix/bin/tarvelle-cli" diagnostics) || fail "tarvelle-cli diagnostics exited with $?"
  printf '%s\n' "$output" | sed 's/^/  | /'
  # Every tool is found where this tree keeps it, and its digest matches.
  grep -qx "Manifest present: true" <<<"$output" || fail "diagnostics from $prefix found no manifest"
  for tool in yt-dlp ffmpeg ffprobe deno; do
    grep -qF -- "- $tool: exists=true " <<<"$output" \
      && grep -qF -- " path=$prefix/share/tarvelle/Tools/$tool shaMatch=true" <<<"$output" \
      || fail "diagnostics from $prefix did not find $tool in this tree with its manifest digest"
  done
}

step "cmake --install into a scratch prefix"
first="$scratch/first"
DESTDIR="" cmake --install "$build" --prefix "$first" >/dev/null
check_tree "$first"
check_programs "$first"

step "the tree copied elsewhere, the original gone"
mkdir -p "$scratch/elsewhere"
cp -a "$first" "$scratch/elsewhere/tarvelle"
rm -rf "$first"
check_tree "$scratch/elsewhere/tarvelle"
check_programs "$scratch/elsewhere/tarvelle"

step "desktop entry and AppStream metadata"
installed="$scratch/elsewhere/tarvelle/share"
if command -v desktop-file-validate >/dev/null; then
  desktop-file-validate "$installed/applications/$app_id.desktop" || fail "desktop-file-validate"
else
  echo "desktop-file-validate is not installed (package desktop-file-utils): skipped"
fi
if command -v appstreamcli >/dev/null; then
  appstreamcli validate --no-net --pedantic "$installed/metainfo/$app_id.metainfo.xml" \
    || fail "appstreamcli validate"
else
  echo "appstreamcli is not installed (package appstream): skipped"
fi

step "Debian package"
# zstd keeps the test quick (4 s against 50 s); the package built for people uses xz.
(cd "$build" && cpack -G DEB -B "$scratch/deb" -D CPACK_DEBIAN_COMPRESSION_TYPE=zstd >/dev/null)
deb=$(find "$scratch/deb" -maxdepth 1 -name 'tarvelle_*.deb' | head -n 1)
[ -n "$deb" ] || { fail "cpack made no tarvelle_*.deb"; exit 1; }
contents=$(dpkg-deb -c "$deb")
for path in usr/bin/tarvelle usr/bin/tarvelle-cli \
  usr/share/tarvelle/Tools/yt-dlp usr/share/tarvelle/Tools/ffmpeg \
  usr/share/tarvelle/Tools/ffprobe usr/share/tarvelle/Tools/deno; do
  grep -Eq "^-rwxr-xr-x .* \./$path\$" <<<"$contents" || fail "the package has no executable /$path"
done
# Everything the bootstrap staged (manifest, notices, licenses, legal text).
staged=$(cd "$build/share/tarvelle" && find . -type f | sed 's|^\./|usr/share/tarvelle/|')
for path in $staged \
  "usr/share/applications/$app_id.desktop" "usr/share/icons/hicolor/scalable/apps/$app_id.svg" \
  "usr/share/metainfo/$app_id.metainfo.xml"; do
  grep -Fq " ./$path" <<<"$contents" || fail "the package has no /$path"
done
depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depends"
for package in libqt6widgets6 libqt6sql6-sqlite qt6-qpa-plugins libqt6svg6 qt6-translations-l10n python3 python3-mutagen ffmpeg gpgv libarchive13; do
  grep -Eq "(^|, )$package( |,|$)" <<<"$depends" || fail "the package does not depend on $package"
done
printf 'package: %s, %s bytes\n' "$(basename "$deb")" "$(stat -c %s "$deb")"

step "the package's own tree, unpacked"
# Its programs were stripped; its tools must still match their manifest.
dpkg-deb -x "$deb" "$scratch/unpacked"
check_programs "$scratch/unpacked/usr"

[ "$failures" -eq 0 ] || { echo "$failures check(s) failed" >&2; exit 1; }
echo "all install and package checks passed"
