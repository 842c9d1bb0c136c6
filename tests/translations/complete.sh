#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# complete.sh LUPDATE LRELEASE TS_FOLDER SOURCE...: every catalogue in
# TS_FOLDER holds every text of the translated sources, each translated:
# lupdate brings a scratch copy up to date with the sources (a new or changed
# text enters it unfinished) and lrelease must then report no unfinished one.
set -euo pipefail
lupdate="$1" lrelease="$2" folder="$3"
shift 3
root="$(cd "$(dirname "$0")/../.." && pwd)"
work="$(mktemp -d /tmp/mondrel-translations-XXXXXX)"
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

found=0
for ts in "$folder"/mondrel_*.ts; do
    [ -f "$ts" ] || continue
    found=1
    copy="$work/$(basename "$ts")"
    cp "$ts" "$copy"
    "$lupdate" -silent -I "$root" -locations none -no-obsolete -extensions cpp,h "$@" -ts "$copy" >"$work/lupdate.log" 2>&1 \
        || { cat "$work/lupdate.log"; fail "lupdate failed on $ts"; }
    report="$("$lrelease" "$copy" -qm "$work/out.qm" 2>&1)"
    echo "$(basename "$ts"): $(echo "$report" | tail -1 | sed 's/^ *//')"
    echo "$report" | grep -q "finished and 0 unfinished" || fail "$(basename "$ts") has unfinished texts: $report"
    [ -s "$work/out.qm" ] || fail "lrelease wrote no catalogue for $ts"
    cmp -s "$ts" "$copy" || { diff "$ts" "$copy" | head -20; fail "$(basename "$ts") is not up to date with the sources (build the target mondrel_lupdate)"; }
done
[ "$found" = 1 ] || fail "no catalogue in $folder"
