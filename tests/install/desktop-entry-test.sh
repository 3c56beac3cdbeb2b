#!/usr/bin/env bash
# The desktop entry the build generates: desktop-file-validate accepts it, and
# TryExec names a program alone. Launchers (GLib's among them) look the whole
# TryExec value up as a program, so an argument or a field code there hides
# the application from every menu, which the validator does not catch.
#
# usage: desktop-entry-test.sh BUILD_DIR APP_ID
set -euo pipefail

entry="$1/desktop/$2.desktop"
[ -f "$entry" ] || { echo "FAIL: $entry was not generated" >&2; exit 1; }

failures=0
fail() { printf 'FAIL: %s\n' "$*" >&2; failures=$((failures + 1)); }

desktop-file-validate "$entry" || fail "desktop-file-validate $entry"

value_of() { sed -n "s/^$1=//p" "$entry"; }
try_exec=$(value_of TryExec)
exec_line=$(value_of Exec)
[ -n "$try_exec" ] || fail "no TryExec line"
[[ $try_exec =~ ^[^[:space:]%]+$ ]] || fail "TryExec is not a program alone: '$try_exec'"
[ "$try_exec" = "${exec_line%% *}" ] || fail "TryExec '$try_exec' is not the program Exec starts ('$exec_line')"

exit $((failures > 0))
