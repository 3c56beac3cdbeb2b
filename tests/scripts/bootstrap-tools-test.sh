#!/usr/bin/env bash
# The bootstrap script fills a fresh tree with four working programs and a
# manifest whose digests match, gives the same result when run again, and
# names the tool when a source is missing.
set -euo pipefail
repo=$1
tree=$(mktemp -d)
trap 'rm -rf "$tree"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

"$repo/scripts/bootstrap-tools.sh" "$tree" >/dev/null 2>"$tree/stderr" || { cat "$tree/stderr" >&2; fail "bootstrap failed"; }
share="$tree/share/tarvelle"
for tool in yt-dlp ffmpeg ffprobe deno; do
  [ -x "$share/Tools/$tool" ] || fail "$tool is not an executable in Tools"
  [ ! -L "$share/Tools/$tool" ] || fail "$tool is a link, not a copy"
  [ -s "$share/licenses/$tool.txt" ] || fail "no license text for $tool"
  grep -q "| $tool |" "$share/THIRD_PARTY_NOTICES.md" || fail "$tool missing from the notices"
done
cmp -s "$repo/resources/LEGAL.md" "$share/LEGAL.md" || fail "LEGAL.md is not shipped"
"$share/Tools/yt-dlp" --version >/dev/null || fail "yt-dlp does not run"
"$share/Tools/ffmpeg" -version >/dev/null || fail "ffmpeg does not run"
"$share/Tools/ffprobe" -version >/dev/null || fail "ffprobe does not run"
"$share/Tools/deno" --version >/dev/null || fail "deno does not run"

python3 - "$share" <<'PY' || fail "manifest does not describe the shipped files"
import hashlib, json, sys, os
share = sys.argv[1]
doc = json.load(open(os.path.join(share, "manifest.json"), encoding="utf-8"))
assert isinstance(doc["schemaVersion"], int)
names = [t["name"] for t in doc["tools"]]
assert names == ["yt-dlp", "ffmpeg", "ffprobe", "deno"], names
for tool in doc["tools"]:
    digest = hashlib.sha256(open(os.path.join(share, "Tools", tool["name"]), "rb").read()).hexdigest()
    assert tool["sha256"] == digest, (tool["name"], tool["sha256"], digest)
    for key in ("version", "architecture", "sourceURL", "license"):
        assert tool[key], (tool["name"], key)
PY

# yt-dlp comes from Debian's unstable archive: a release of this year or
# later, built into one file, its package named as the source.
if grep -q "cannot be reached" "$tree/stderr"; then
  echo "SKIP: Debian's unstable archive cannot be reached here; the shipped yt-dlp came from the installed package."
else
  version=$("$share/Tools/yt-dlp" --version)
  [ "${version%%.*}" -ge 2026 ] 2>/dev/null || fail "yt-dlp from unstable is $version, not of 2026 or later"
  python3 - "$share" <<'PY' || fail "the manifest does not name yt-dlp's Debian package"
import json, os, sys, zipfile
share = sys.argv[1]
entry = json.load(open(os.path.join(share, "manifest.json"), encoding="utf-8"))["tools"][0]
assert entry["sourceURL"].startswith("http://deb.debian.org/debian/pool/main/y/yt-dlp/yt-dlp_"), entry["sourceURL"]
assert entry["sourceURL"].endswith("_all.deb"), entry["sourceURL"]
names = zipfile.ZipFile(os.path.join(share, "Tools", "yt-dlp")).namelist()
assert "__main__.py" in names and "yt_dlp/YoutubeDL.py" in names, names[:5]
PY
fi

# An archive that cannot be reached: the installed package stands in, or the
# script stops, and either way stderr says why.
message=$(TARVELLE_DEBIAN_MIRROR=http://127.0.0.1:9/debian "$repo/scripts/bootstrap-tools.sh" "$tree" 2>&1 >/dev/null) || true
grep -q "unstable archive cannot be reached" <<<"$message" || fail "no word of the unreachable archive: $message"
"$repo/scripts/bootstrap-tools.sh" "$tree" >/dev/null 2>&1

before=$(cat "$share/manifest.json")
"$repo/scripts/bootstrap-tools.sh" "$tree" >/dev/null
[ "$before" = "$(cat "$share/manifest.json")" ] || fail "a second run changed the manifest"

if message=$("$repo/scripts/bootstrap-tools.sh" "$tree" --ffprobe "$tree/nowhere/ffprobe" 2>&1); then
  fail "a missing source did not fail"
fi
grep -q ffprobe <<<"$message" || fail "the error does not name the tool: $message"
echo "bootstrap-tools: all checks passed"
