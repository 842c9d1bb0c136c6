#!/usr/bin/env bash
# install-tree.sh BUILD: lays out the setup folder of a build with
# cmake --install, installs from it as a user with a private home, checks
# the installation (files, settings, menu entry, file type, the installed
# designer making a calendar with the installed picture), installs a second
# time over the first, and removes it again, which must leave the user's
# own file and nothing else.
set -euo pipefail
build="$1"
holidays="$(cd "$(dirname "$0")/../.." && pwd)/resources/samples/family-dates.ics"
work="$(mktemp -d /tmp/mondrel-install-tree-XXXXXX)"
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }
# The programs speak the user's language; these checks read English.
unset LANGUAGE LC_ALL LC_MESSAGES
export LANG=C.UTF-8

export HOME="$work/home"
export XDG_CONFIG_HOME="$HOME/.config" XDG_DATA_HOME="$HOME/.local/share" XDG_RUNTIME_DIR="$work/runtime"
mkdir -p "$HOME" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"

cmake --install "$build" --prefix "$work/stage" --component setup >/dev/null
setup="$work/stage/mondrel-setup"
[ -x "$setup/tallowin" ] || fail "the setup folder has no tallowin"
[ -f "$setup/mondrel.inf" ] || fail "the setup folder has no mondrel.inf"

dest="$work/Programs/Mondrel"
"$setup/tallowin" --batch --user --dest "$dest" >"$work/out" 2>&1 || { cat "$work/out"; fail "the first installation failed"; }
grep -q "^Setup of Mondrel 3.0 Completed Successfully.$" "$work/out" || fail "no success message"
for f in mondrel mondrel-window.so mondrel-batch.so mondrel-formats.so tallowin Readme.TXT install.ini tallowin-manifest.txt; do
    [ -f "$dest/$f" ] || fail "$f was not installed"
done
[ "$(stat -c %a "$dest/mondrel")" = 755 ] || fail "mondrel is not mode 0755"
[ "$(stat -c %a "$dest/Readme.TXT")" = 644 ] || fail "Readme.TXT is not mode 0644"
for f in BckImage.jpg tips.txt; do
    if [ -f "$setup/$f" ]; then [ -f "$dest/$f" ] || fail "$f was not installed"; fi
done
if [ -d "$setup/help" ]; then
    for page in "$setup"/help/*; do [ -f "$dest/help/$(basename "$page")" ] || fail "help page $page was not installed"; done
fi
grep -qx "DestinationPath=$dest/" "$XDG_CONFIG_HOME/Mondrel/Mondrel.ini" || fail "DestinationPath was not written"

entry="$XDG_DATA_HOME/applications/mondrel.desktop"
desktop-file-validate "$entry" || fail "the menu entry is not valid"
grep -qx "Exec=$dest/mondrel %F" "$entry" || fail "the menu entry does not start the installed mondrel"
grep -qx "MimeType=application/x-mondrel;" "$entry" || fail "the menu entry lacks the file type"
grep -q "^[0-9]*:application/x-mondrel:\*\.mdr$" "$XDG_DATA_HOME/mime/globs2" || fail "*.mdr is not mapped to application/x-mondrel"
[ -f "$XDG_DATA_HOME/icons/hicolor/scalable/apps/mondrel.svg" ] || fail "no icon"
[ "$(file -b --mime-type "$XDG_DATA_HOME/icons/hicolor/48x48/apps/mondrel.png")" = image/png ] || fail "no 48 pixel icon"

# The installed designer, started from elsewhere, makes a calendar; the
# default picture is the one the settings' installation folder holds.
picture="$(sed -n 's/^DestinationPath=//p' "$XDG_CONFIG_HOME/Mondrel/Mondrel.ini")BckImage.jpg"
made_picture=0
if [ ! -f "$picture" ]; then
    # A build without the designer's data files: give the installation a picture of its own.
    "$dest/mondrel" --make-sample-photo "$picture" || fail "mondrel cannot draw its sample photo"
    made_picture=1
fi
cd "$work"
"$dest/mondrel" --new --months 12 --first-month 1 --year 2027 --export "$work/plain.jpg" || fail "the installed mondrel cannot export"
# Holidays are read by the installed formats module.
"$dest/mondrel" --new --months 1 --first-month 1 --year 2027 \
    --holidays "$holidays" --export "$work/holidays.jpg" \
    || fail "the installed mondrel cannot read a holiday file"
"$dest/mondrel" --new --months 12 --first-month 1 --year 2027 --background-image "$picture" --stretch \
    --export "$work/picture.jpg" || fail "the installed mondrel cannot use the installed picture"
[ -s "$work/plain.jpg" ] && ! cmp -s "$work/plain.jpg" "$work/picture.jpg" || fail "the installed picture makes no difference"

# A second installation over the first: the user's file stays, the
# installed files are replaced (equal versions), a changed file is kept.
echo "my notes" >"$dest/notes.txt"
"$setup/tallowin" --batch --user --dest "$dest" >"$work/out2" 2>&1 || { cat "$work/out2"; fail "the second installation failed"; }
[ -f "$dest/notes.txt" ] || fail "the second installation removed the user's file"

"$dest/tallowin" --uninstall --user >"$work/out3" 2>&1 || { cat "$work/out3"; fail "uninstall failed"; }
left="$(cd "$dest" && find . -mindepth 1 | sort | tr '\n' ' ')"
expected="./notes.txt "
[ "$made_picture" = 1 ] && expected="./BckImage.jpg ./notes.txt "
[ "$left" = "$expected" ] || fail "uninstall left \"$left\", not \"$expected\""
[ ! -e "$entry" ] || fail "uninstall left the menu entry"
[ ! -e "$XDG_DATA_HOME/mime/packages/mondrel.xml" ] || fail "uninstall left the file type"
[ ! -e "$XDG_DATA_HOME/icons" ] || fail "uninstall left icons: $(find "$XDG_DATA_HOME/icons")"
! grep -q "application/x-mondrel" "$XDG_DATA_HOME/mime/globs2" || fail "the file type database still knows application/x-mondrel"
! grep -q DestinationPath "$XDG_CONFIG_HOME/Mondrel/Mondrel.ini" || fail "uninstall left DestinationPath"

# An installation whose folder the user deleted by hand: uninstall still
# takes its menu entry, file type and setting away, and says so.
gone="$work/Programs/Gone"
"$setup/tallowin" --batch --user --dest "$gone" >"$work/out4" 2>&1 || { cat "$work/out4"; fail "the installation into $gone failed"; }
rm -rf "$gone"
"$setup/tallowin" --uninstall --user >"$work/out5" 2>&1 || { cat "$work/out5"; fail "uninstall of a deleted folder failed"; }
grep -q "no longer exists" "$work/out5" || fail "uninstall of a deleted folder does not say so: $(cat "$work/out5")"
[ ! -e "$entry" ] || fail "uninstall of a deleted folder left the menu entry"
[ ! -e "$XDG_DATA_HOME/mime/packages/mondrel.xml" ] || fail "uninstall of a deleted folder left the file type"
! grep -q DestinationPath "$XDG_CONFIG_HOME/Mondrel/Mondrel.ini" || fail "uninstall of a deleted folder left DestinationPath"
[ ! -e "$gone" ] || fail "uninstall made the deleted folder again"
# Nothing names it any more: a second attempt is a failure, not a success.
if "$setup/tallowin" --uninstall --user --dest "$gone" >"$work/out6" 2>&1; then fail "uninstall of nothing succeeded"; fi

# A setup folder whose script is broken makes no destination.
mkdir -p "$work/badscript"
cp "$setup/tallowin" "$work/badscript/"
printf '[Version]\nSignature = "$Chicago$"\n' >"$work/badscript/mondrel.inf"
if "$work/badscript/tallowin" --batch --user --dest "$work/Programs/Never" >"$work/out7" 2>&1; then fail "installing with a broken script succeeded"; fi
[ ! -e "$work/Programs/Never" ] || fail "the destination was made before the script was read"
echo "install tree: installed, reinstalled and removed in $dest; a deleted folder's desktop parts removed"
