#!/usr/bin/env bash
# The bootstrap script fills a fresh tree with four working programs and a
# manifest whose digests match, gives the same result when run again, and
# names the tool when a source is missing.
set -euo pipefail
repo=$1
tree=$(mktemp -d)
trap 'rm -rf "$tree"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

"$repo/scripts/bootstrap-tools.sh" "$tree" >/dev/null
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

before=$(cat "$share/manifest.json")
"$repo/scripts/bootstrap-tools.sh" "$tree" >/dev/null
[ "$before" = "$(cat "$share/manifest.json")" ] || fail "a second run changed the manifest"

if message=$("$repo/scripts/bootstrap-tools.sh" "$tree" --ffprobe "$tree/nowhere/ffprobe" 2>&1); then
  fail "a missing source did not fail"
fi
grep -q ffprobe <<<"$message" || fail "the error does not name the tool: $message"
echo "bootstrap-tools: all checks passed"
