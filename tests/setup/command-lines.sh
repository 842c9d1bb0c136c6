#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# command-lines.sh MONDREL RELIEVO TALLOWIN: the three programs answer
# --version and --help and refuse an unknown option with their usage and
# status 2, all without a display (and without being told to draw off
# screen); with LANGUAGE=de they answer in German. RELIEVO may be "none".
# mondrel exports PNG and TIFF pictures and holiday files through its
# formats module, and without it still exports JPEG pages.
set -euo pipefail
mondrel="$1" relievo="$2" tallowin="$3"
work="$(mktemp -d /tmp/mondrel-command-lines-XXXXXX)"
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }
version="$(sed -n 's/^project(Mondrel VERSION \([0-9.]*\) .*/\1/p' "$(dirname "$0")/../../CMakeLists.txt")"
[ -n "$version" ] || fail "no project version in CMakeLists.txt"

# No display of any kind, a private home, English unless asked otherwise.
run() {
    env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM -u LANGUAGE -u LC_ALL -u LC_MESSAGES \
        HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config" XDG_RUNTIME_DIR="$work/runtime" LANG=C.UTF-8 "$@"
}
mkdir -p "$work/home" "$work/runtime"
chmod 700 "$work/runtime"

programs=(mondrel tallowin)
[ "$relievo" != none ] && programs+=(relievo)
for name in "${programs[@]}"; do
    program="${!name}"
    out="$(run "$program" --version 2>&1)" || fail "$name --version exits $?: $out"
    [ "$out" = "$name $version" ] || fail "$name --version says \"$out\", not \"$name $version\""

    out="$(run "$program" --help 2>&1)" || fail "$name --help exits $?: $out"
    case "$out" in "Usage:"*"$name --help | --version"*) ;; *) fail "$name --help shows no usage: $out" ;; esac

    status=0
    out="$(run "$program" --no-such-option 2>&1)" || status=$?
    [ "$status" = 2 ] || fail "$name --no-such-option exits $status, not 2: $out"
    case "$out" in *"--no-such-option"*"Usage:"*) ;; *) fail "$name does not name the option and show the usage: $out" ;; esac

    out="$(run env LANGUAGE=de "$program" --help 2>&1)" || fail "$name --help in German exits $?"
    case "$out" in "Aufruf:"*) ;; *) fail "$name --help is not German with LANGUAGE=de: $out" ;; esac
    # English listed first stays English.
    out="$(run env LANGUAGE=en:de "$program" --help 2>&1)"
    case "$out" in "Usage:"*) ;; *) fail "$name --help is not English with LANGUAGE=en:de: $out" ;; esac
done

# The designer's every form, the window's among them.
out="$(run "$mondrel" --help)"
for form in "mondrel [FILE.mdr ...]" "mondrel --new" "mondrel --export FILE" "mondrel --make-sample-photo"; do
    case "$out" in *"$form"*) ;; *) fail "mondrel --help lacks the form \"$form\"" ;; esac
done
# A mistake among documents is refused before any window is opened.
status=0
out="$(run "$mondrel" calendar.mdr -x 2>&1)" || status=$?
[ "$status" = 2 ] || fail "mondrel calendar.mdr -x exits $status, not 2: $out"
out="$(run env LANGUAGE=de "$mondrel" --frobnicate 2>&1)" || true
case "$out" in *"Unbekannte Option"*) ;; *) fail "the refusal is not German with LANGUAGE=de: $out" ;; esac

# The designer loads its toolkit only once its batch work has started: the
# program itself needs no toolkit library, and without the library beside it
# it says what is missing instead of failing in the loader.
if readelf -d "$mondrel" | grep NEEDED | grep -q "libQt6"; then fail "mondrel itself loads the toolkit before main()"; fi
mkdir -p "$work/alone"
cp "$mondrel" "$work/alone/mondrel"
status=0
out="$(run "$work/alone/mondrel" --version 2>&1)" || status=$?
[ "$status" = 1 ] || fail "mondrel without its library exits $status, not 1: $out"
case "$out" in *"library cannot be loaded"*"mondrel-batch.so"*) ;; *) fail "mondrel without its library does not say so: $out" ;; esac

# PNG, TIFF and iCalendar files are read by a module that the program loads
# when it first needs one: the program itself maps none of their libraries.
if readelf -d "$mondrel" | grep NEEDED | grep -Eq "libpng|libtiff|libical"; then
    fail "mondrel itself loads libpng, libtiff or libical before main()"
fi
holidays="$(dirname "$0")/../../resources/samples/family-dates.ics"
convert -size 320x240 xc:'#e02020' "$work/red.png"
convert -size 320x240 xc:'#2020e0' "$work/blue.tif"
convert -size 320x240 xc:'#20c020' "$work/green.jpg"
# The share of a page's pixels near a colour: the photo's own.
share() { convert "$1" -fuzz 12% -fill black +opaque "$2" -fill white -opaque "$2" -format "%[fx:mean*100]" info:; }
shows() { [ "$(share "$1" "$2" | cut -d. -f1)" -ge 5 ]; }
wall=(--new --page-per-month --months 2 --first-month 1 --year 2027)
out="$(run "$mondrel" "${wall[@]}" --photo "$work/red.png" --photo "$work/blue.tif" --holidays "$holidays" \
    --holiday-names --save "$work/formats.mdr" --export "$work/formats.jpg" 2>&1)" \
    || fail "a wall calendar of a PNG and a TIFF photo with holidays exits $?: $out"
[ -z "$out" ] || fail "the PNG and TIFF photos and the holiday file give warnings: $out"
shows "$work/formats-01.jpg" '#e02020' || fail "the PNG photo is not on the first page"
shows "$work/formats-02.jpg" '#2020e0' || fail "the TIFF photo is not on the second page"

# Without the module, a JPEG page is made as ever; a PNG or TIFF picture is
# left out and a holiday file refused, each saying which module is missing.
mkdir -p "$work/noformats"
cp "$mondrel" "$(dirname "$mondrel")/mondrel-batch.so" "$work/noformats/"
module="$work/noformats/mondrel-formats.so"
out="$(run "$work/noformats/mondrel" --new --photo "$work/green.jpg" --months 1 --first-month 1 --year 2027 \
    --export "$work/jpeg.jpg" 2>&1)" || fail "without the formats module a JPEG page exits $?: $out"
[ -z "$out" ] || fail "without the formats module a JPEG page gives warnings: $out"
shows "$work/jpeg.jpg" '#20c020' || fail "without the formats module the JPEG photo is not on the page"
out="$(run "$work/noformats/mondrel" --export "$work/again.jpg" --page 2 "$work/formats.mdr" 2>&1)" \
    || fail "without the formats module a page of a TIFF picture exits $?: $out"
case "$out" in *"module for PNG, TIFF and iCalendar files cannot be loaded: $module"*) ;;
    *) fail "a TIFF picture without the formats module does not name the module: $out" ;; esac
[ -s "$work/again.jpg" ] || fail "without the formats module the page of a TIFF picture is not made"
status=0
out="$(run "$work/noformats/mondrel" "${wall[@]}" --holidays "$holidays" --export "$work/none.jpg" 2>&1)" || status=$?
[ "$status" = 1 ] || fail "a holiday file without the formats module exits $status, not 1: $out"
case "$out" in *"family-dates.ics: The module for PNG, TIFF and iCalendar files cannot be loaded: $module"*) ;;
    *) fail "a holiday file without the formats module does not name the file and the module: $out" ;; esac
# A module that is there but cannot be loaded says so with the loader's words.
echo "not a library" >"$module"
out="$(run "$work/noformats/mondrel" --export "$work/again.jpg" --page 2 "$work/formats.mdr" 2>&1)" \
    || fail "with a broken formats module a page of a TIFF picture exits $?: $out"
case "$out" in *"cannot be loaded: $module: "*) ;; *) fail "a broken formats module is not named with its fault: $out" ;; esac
echo "command lines: ${programs[*]} answer --version, --help and unknown options without a display"
