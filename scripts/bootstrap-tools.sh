#!/usr/bin/env bash
# Fills TREE/share/tarvelle/Tools with the four programs Tarvelle drives
# (yt-dlp, ffmpeg, ffprobe, deno), writes TREE/share/tarvelle/manifest.json with
# each file's SHA-256, and ships the license texts, THIRD_PARTY_NOTICES.md and
# LEGAL.md.
#
# usage: scripts/bootstrap-tools.sh [TREE] [--yt-dlp PATH] [--ffmpeg PATH]
#                                   [--ffprobe PATH] [--deno PATH]
#
# TREE is a build or install tree (default: the build tree, ./build).
# Sources: yt-dlp from Debian's unstable archive (the newest Debian publishes;
# when that archive cannot be reached, the installed yt-dlp package), ffmpeg
# from Debian's package, deno from the npm package @deno/<platform>-glibc.
# Any tool can be given as a path instead. The files are copied, never linked,
# so the digests describe what ships. Running it again gives the same result.
#
# TARVELLE_DEBIAN_MIRROR (default http://deb.debian.org/debian) and
# TARVELLE_YTDLP_SUITE (default unstable) choose where yt-dlp comes from.
set -euo pipefail

repo=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
deno_npm_version=${TARVELLE_DENO_NPM_VERSION:-2.9.6}

die() { printf 'bootstrap-tools: %s\n' "$*" >&2; exit 1; }

tree=""
declare -A given=()
while [ $# -gt 0 ]; do
  case "$1" in
    --yt-dlp|--ffmpeg|--ffprobe|--deno)
      [ $# -ge 2 ] || die "$1 needs a path"
      given[${1#--}]=$2; shift 2 ;;
    -h|--help)
      sed -n '2,18p' "$0" | sed 's/^# \{0,1\}//'; exit 0 ;;
    -*) die "unknown option $1 (see --help)" ;;
    *) [ -z "$tree" ] || die "only one TREE may be given"; tree=$1; shift ;;
  esac
done
tree=${tree:-$repo/build}
mkdir -p "$tree" || die "cannot create $tree"
tree=$(cd "$tree" && pwd)

share="$tree/share/tarvelle"
tools="$share/Tools"
licenses="$share/licenses"
mkdir -p "$tools" "$licenses"

machine=$(uname -m)
case "$machine" in
  x86_64) deno_package="@deno/linux-x64-glibc" ;;
  aarch64|arm64) deno_package="@deno/linux-arm64-glibc" ;;
  *) deno_package="" ;;
esac

# Where each tool comes from: "path|source|license|license file".
declare -A origin=()

need_debian_tool() { # name package
  local name=$1 package=$2 path=/usr/bin/$1
  if [ -n "${given[$name]:-}" ]; then
    path=${given[$name]}
    [ -f "$path" ] && [ -x "$path" ] || die "$name: '$path' is not an executable file."
    origin[$name]="$path|file://$(realpath "$path")|see its documentation|"
    return
  fi
  [ -x "$path" ] || die "$name not found at $path. Install Debian's $package package (sudo apt-get install $package), or pass --$name PATH."
  local version
  version=$(dpkg-query -W -f='${Version}' "$package" 2>/dev/null || true)
  origin[$name]="$path|debian:$package${version:+=$version}|$3|/usr/share/doc/$package/copyright"
}

# yt-dlp runs as a zipapp built from a Debian package's module: one file, so
# the manifest's digest (and the check before each first run) covers all the
# code that runs, the same shape as yt-dlp's own release file that updates
# install. It runs on Debian's /usr/bin/python3, as the package's own launcher
# does, since the modules it imports (mutagen, Cryptodome, ...) are Debian's
# packages, which another python3 on the PATH (pyenv's, say) does not see.
# Each module goes in with its compiled form beside it (checked by hash, not
# by time), as Python cannot cache what it compiles inside a zip: a run
# starts about a second sooner. A Python of another version compiles the
# sources instead.
ytdlp_python=/usr/bin/python3
ytdlp_zipapp() { # module-folder target
  [ -x "$ytdlp_python" ] || die "yt-dlp: $ytdlp_python is missing; install Debian's python3 package."
  "$ytdlp_python" - "$@" <<'PY'
import importlib.util, os, py_compile, sys, tempfile, zipfile
module, target = sys.argv[1], sys.argv[2]
names = []
for folder, dirs, files in os.walk(module):
    dirs[:] = sorted(d for d in dirs if d != "__pycache__")
    names += [os.path.join(folder, f) for f in sorted(files) if not f.endswith(".pyc")]
# Fixed times and order: the same package gives the same file, byte for byte.
def add(archive, name, data):
    info = zipfile.ZipInfo(name, date_time=(1980, 1, 1, 0, 0, 0))
    info.compress_type = zipfile.ZIP_DEFLATED
    info.external_attr = 0o644 << 16
    archive.writestr(info, data)
def compiled(path, name):
    with tempfile.TemporaryDirectory() as scratch:
        out = os.path.join(scratch, "module.pyc")
        py_compile.compile(path, cfile=out, dfile=name, doraise=True,
                           invalidation_mode=py_compile.PycInvalidationMode.UNCHECKED_HASH)
        with open(out, "rb") as f:
            return f.read()
with open(target, "wb") as out:
    out.write(b"#!/usr/bin/python3\n")
    with zipfile.ZipFile(out, "w") as archive:
        with open(os.path.join(module, "__main__.py"), "rb") as f:
            add(archive, "__main__.py", f.read())
        for path in names:
            name = "yt_dlp/" + os.path.relpath(path, module).replace(os.sep, "/")
            with open(path, "rb") as f:
                add(archive, name, f.read())
            if name.endswith(".py"):
                add(archive, name[:-3] + ".pyc", compiled(path, name))
PY
}

ytdlp_from_unstable() { # work folder; prints "version|pool address" or fails
  local work=$1 mirror=${TARVELLE_DEBIAN_MIRROR:-http://deb.debian.org/debian}
  local suite=${TARVELLE_YTDLP_SUITE:-unstable}
  # Kept between runs (apt then fetches only a changed index), one per archive.
  local state
  state="${XDG_CACHE_HOME:-$HOME/.cache}/tarvelle/apt-$suite-$(printf '%s' "$mirror" | sha256sum | cut -c1-12)"
  mkdir -p "$state/lists/partial" "$state/archives/partial" "$state/parts"
  : > "$state/status"
  # A configuration of our own: the system's sources, pins and keys are
  # neither read nor changed; only Debian's archive key may sign the index.
  printf 'deb [signed-by=/usr/share/keyrings/debian-archive-keyring.gpg] %s %s main\n' \
    "$mirror" "$suite" > "$state/sources.list"
  local apt=(-o "Dir::Etc::sourcelist=$state/sources.list" -o "Dir::Etc::sourceparts=$state/parts"
    -o "Dir::Etc::preferencesparts=$state/parts" -o "Dir::Etc::preferences=$state/none"
    -o "Dir::State=$state" -o "Dir::State::status=$state/status" -o "Dir::Cache=$state"
    -o "APT::Sandbox::User=$(id -un)" -o Acquire::Languages=none -o Acquire::Retries=1
    -o Acquire::http::Timeout=20 -o Acquire::https::Timeout=20 -q)
  [ -r /usr/share/keyrings/debian-archive-keyring.gpg ] || { echo "Debian's archive keyring is not installed (package debian-archive-keyring)"; return 1; }
  apt-get "${apt[@]}" update >"$work/apt.log" 2>&1 && ! grep -q '^E:' "$work/apt.log" \
    || { tail -n 3 "$work/apt.log"; return 1; }
  (cd "$work" && apt-get "${apt[@]}" download yt-dlp) >>"$work/apt.log" 2>&1 || { tail -n 3 "$work/apt.log"; return 1; }
  local deb
  deb=$(ls "$work"/yt-dlp_*_all.deb 2>/dev/null | head -n 1)
  [ -n "$deb" ] || { echo "apt-get download gave no yt-dlp package"; return 1; }
  dpkg-deb -x "$deb" "$work/root"
  local version file
  version=$(dpkg-deb -f "$deb" Version)
  file=$(apt-cache "${apt[@]}" show "yt-dlp=$version" | awk '/^Filename:/ { print $2; exit }')
  printf '%s|%s/%s\n' "$version" "$mirror" "$file"
}

need_ytdlp() {
  if [ -n "${given[yt-dlp]:-}" ]; then
    need_debian_tool yt-dlp yt-dlp "Unlicense"
    return
  fi
  local work module found reason
  work=$(mktemp -d)
  # shellcheck disable=SC2064 # the folder is known now
  trap "rm -rf '$work'" EXIT
  if found=$(ytdlp_from_unstable "$work"); then
    module="$work/root/usr/lib/python3/dist-packages/yt_dlp"
    origin[yt-dlp]="$work/yt-dlp|${found#*|}|Unlicense|$work/root/usr/share/doc/yt-dlp/copyright"
  else
    reason=${found:-no reason given}
    module=/usr/lib/python3/dist-packages/yt_dlp
    [ -f "$module/__main__.py" ] || die "yt-dlp: Debian's $suite_name archive cannot be reached ($reason), and Debian's yt-dlp package is not installed (sudo apt-get install yt-dlp). Or pass --yt-dlp PATH."
    local version
    version=$(dpkg-query -W -f='${Version}' yt-dlp 2>/dev/null || true)
    printf 'bootstrap-tools: yt-dlp: Debian'"'"'s %s archive cannot be reached (%s); using the installed yt-dlp package %s instead.\n' \
      "$suite_name" "$(tr '\n' ' ' <<<"$reason" | sed 's/ *$//')" "${version:-of unknown version}" >&2
    origin[yt-dlp]="$work/yt-dlp|debian:yt-dlp${version:+=$version}|Unlicense|/usr/share/doc/yt-dlp/copyright"
  fi
  [ -f "$module/__main__.py" ] || die "yt-dlp: the package holds no yt_dlp module."
  ytdlp_zipapp "$module" "$work/yt-dlp"
}

suite_name=${TARVELLE_YTDLP_SUITE:-unstable}
need_ytdlp
need_debian_tool ffmpeg ffmpeg "GPL-2.0-or-later"
need_debian_tool ffprobe ffmpeg "GPL-2.0-or-later"

if [ -n "${given[deno]:-}" ]; then
  path=${given[deno]}
  [ -f "$path" ] && [ -x "$path" ] || die "deno: '$path' is not an executable file."
  origin[deno]="$path|file://$(realpath "$path")|MIT|$repo/resources/licenses/deno.txt"
else
  [ -n "$deno_package" ] || die "deno: no npm build of deno for '$machine'; pass --deno PATH."
  command -v npm >/dev/null || die "deno: npm is needed to fetch $deno_package. Install it (sudo apt-get install npm), or pass --deno PATH."
  cache="${XDG_CACHE_HOME:-$HOME/.cache}/tarvelle/deno-$deno_npm_version"
  deno_path="$cache/node_modules/$deno_package/deno"
  if [ ! -x "$deno_path" ]; then
    mkdir -p "$cache"
    npm install --no-save --no-audit --no-fund --loglevel=error --prefix "$cache" \
      "$deno_package@$deno_npm_version" >&2 \
      || die "deno: 'npm install $deno_package@$deno_npm_version' failed. Check that the npm registry is reachable, or pass --deno PATH."
    [ -x "$deno_path" ] || die "deno: $deno_package did not contain an executable 'deno'; pass --deno PATH."
  fi
  origin[deno]="$deno_path|npm:$deno_package@$deno_npm_version|MIT|$repo/resources/licenses/deno.txt"
fi

first_version_line() { # name path
  local flag=--version
  # ffmpeg and ffprobe only know the single-dash form.
  case "$1" in ffmpeg|ffprobe) flag=-version ;; esac
  "$2" "$flag" 2>/dev/null | awk 'NF { print; exit }' || true
}

# The version number alone, for the manifest and the notices.
version_of() { # name path
  local line
  line=$(first_version_line "$1" "$2")
  case "$1" in
    ffmpeg|ffprobe) awk '{ print $3 }' <<<"$line" ;;
    deno) awk '{ print $2 }' <<<"$line" ;;
    *) printf '%s\n' "$line" ;;
  esac
}

entries=""
notices=""
for name in yt-dlp ffmpeg ffprobe deno; do
  IFS='|' read -r source_path source license license_file <<<"${origin[$name]}"
  target="$tools/$name"
  # Copy through a temporary file so a running copy is never half-written.
  cp -f -- "$source_path" "$target.new"
  chmod 0755 "$target.new"
  mv -f -- "$target.new" "$target"
  version=$(version_of "$name" "$target")
  [ -n "$version" ] || die "$name: the copied program does not answer --version; is '$source_path' a working $name?"
  digest=$(sha256sum "$target" | awk '{ print $1 }')
  if [ -n "$license_file" ] && [ -f "$license_file" ]; then
    cp -f -- "$license_file" "$licenses/$name.txt"
  fi
  entries+="$name"$'\t'"$version"$'\t'"$source"$'\t'"$digest"$'\t'"$license"$'\n'
  notices+="| $name | $version | $license | $source |"$'\n'
  printf 'bootstrap-tools: %-8s %s (%s)\n' "$name" "$version" "$source"
done

printf '%s' "$entries" | python3 -c '
import json, sys
machine = sys.argv[1]
tools = []
for line in sys.stdin.read().splitlines():
    name, version, source, digest, license = line.split("\t")
    tools.append({"name": name, "version": version, "architecture": machine,
                  "sourceURL": source, "sha256": digest, "license": license,
                  "sourceArchiveURL": None})
doc = {"schemaVersion": 1, "architecture": machine, "tools": tools}
with open(sys.argv[2] + ".new", "w", encoding="utf-8") as f:
    json.dump(doc, f, indent=2)
    f.write("\n")
' "$machine" "$share/manifest.json"
mv -f "$share/manifest.json.new" "$share/manifest.json"

{
  printf '# Third-party notices\n\n'
  printf 'Tarvelle ships these programs unmodified in share/tarvelle/Tools and runs them as\n'
  printf 'separate processes. Their license texts are in share/tarvelle/licenses/.\n\n'
  printf '| Program | Version | License | Source |\n|---|---|---|---|\n'
  printf '%s' "$notices"
} > "$share/THIRD_PARTY_NOTICES.md"
cp -f -- "$repo/resources/LEGAL.md" "$share/LEGAL.md"

printf 'bootstrap-tools: wrote %s\n' "$share/manifest.json"
