#!/usr/bin/env bash
# package.sh BUILD WITH_RELIEVO: makes the Debian package of a build with cpack,
# checks what it holds and what it depends on, runs lintian on it (any error,
# warning or tag without an override fails), validates its menu entry, file
# type and AppStream metadata, unpacks it into a scratch root and runs the
# packaged programs there with a private home: the designer's data is the one
# beside it, also when the settings name an installation folder that was
# deleted, and the packaged tallowin, which has no setup folder, says so.
set -euo pipefail
build="$1"
with_relievo="${2:-no}"
srcdir="$(cd "$(dirname "$0")/../.." && pwd)"
work="$(mktemp -d /tmp/mondrel-package-XXXXXX)"
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }
# The programs speak the user's language; these checks read English.
unset LANGUAGE LC_ALL LC_MESSAGES
export LANG=C.UTF-8

cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work/pkg" >"$work/cpack.log" 2>&1 || { cat "$work/cpack.log"; fail "cpack failed"; }
deb="$(ls "$work"/pkg/*.deb)"
dpkg-deb -c "$deb" | awk '{print $6}' | sed 's|^\./|/|' >"$work/contents"
for f in /usr/bin/mondrel /usr/bin/tallowin /usr/share/applications/mondrel.desktop \
         /usr/share/mime/packages/mondrel.xml /usr/share/icons/hicolor/scalable/apps/mondrel.svg \
         /usr/share/icons/hicolor/scalable/mimetypes/application-x-mondrel.svg /usr/share/mondrel/Readme.TXT \
         /usr/share/icons/hicolor/48x48/apps/mondrel.png /usr/share/icons/hicolor/16x16/mimetypes/application-x-mondrel.png \
         /usr/share/metainfo/org.mondrel.Mondrel.metainfo.xml /usr/share/doc/mondrel/copyright \
         /usr/share/doc/mondrel/changelog.gz /usr/share/man/man1/mondrel.1.gz /usr/share/man/man1/tallowin.1.gz; do
    grep -qx "$f" "$work/contents" || fail "the package lacks $f"
done
if [ "$with_relievo" = yes ]; then
    # The designer's helper, not a command of its own.
    grep -qx /usr/libexec/mondrel/relievo "$work/contents" || fail "the package lacks /usr/libexec/mondrel/relievo"
    grep -qx /usr/share/man/man1/relievo.1.gz "$work/contents" || fail "the package lacks relievo's manual page"
fi
if grep -qx /usr/bin/relievo "$work/contents"; then fail "relievo lies on the PATH"; fi
[ "$(dpkg-deb -f "$deb" Version)" = "$(sed -n 's/^set(CPACK_PACKAGE_VERSION "\(.*\)")$/\1/p' "$build/CPackConfig.cmake")" ] \
    || fail "the package's version is not the project's"
case "$(dpkg-deb -f "$deb" Maintainer)" in *@localhost*|"") fail "no real maintainer: $(dpkg-deb -f "$deb" Maintainer)" ;; esac

# lintian as a Debian packager runs it: every error and warning fails, and so
# does an informational or pedantic tag that no override explains.
if command -v lintian >/dev/null; then
    lintian --pedantic --info --fail-on none --no-tag-display-limit "$deb" >"$work/lintian.log" 2>&1 \
        || { cat "$work/lintian.log"; fail "lintian could not check the package"; }
    if grep -E "^[EWIPX]: " "$work/lintian.log"; then fail "lintian found the tags above"; fi
else
    fail "lintian is not installed (scripts/install-deps installs it)"
fi
if grep -q "^[^/]*/mondrel-setup/" "$work/contents"; then fail "the setup folder leaked into the package"; fi
depends="$(dpkg-deb -f "$deb" Depends)"
case "$depends" in *libqt6widgets6*) ;; *) fail "the dependencies were not computed: $depends" ;; esac

dpkg-deb -x "$deb" "$work/root"
desktop-file-validate "$work/root/usr/share/applications/mondrel.desktop" || fail "the packaged menu entry is not valid"
grep -qx "Exec=/usr/bin/mondrel %F" "$work/root/usr/share/applications/mondrel.desktop" \
    || fail "Exec is not /usr/bin/mondrel opening several files"
# The file type: well formed, and taken by the database with nothing to say.
xmllint --noout "$work/root/usr/share/mime/packages/mondrel.xml" || fail "the file type is not well-formed XML"
mkdir -p "$work/mime/packages"
cp "$work/root/usr/share/mime/packages/mondrel.xml" "$work/mime/packages/"
XDG_DATA_DIRS="$work" update-mime-database "$work/mime" >"$work/mime.log" 2>&1 || { cat "$work/mime.log"; fail "update-mime-database refused the file type"; }
[ ! -s "$work/mime.log" ] || { cat "$work/mime.log"; fail "update-mime-database complained about the file type"; }
grep -q "^[0-9]*:application/x-mondrel:\*\.mdr$" "$work/mime/globs2" || fail "*.mdr is not application/x-mondrel"
# The metadata of software centres, against the installed tree (its menu
# entry and icon must be there).
appstreamcli validate --no-net "$work/root/usr/share/metainfo/org.mondrel.Mondrel.metainfo.xml" \
    || fail "the AppStream metadata is not valid"
appstreamcli validate-tree --no-net "$work/root" >"$work/appstream.log" 2>&1 \
    || { cat "$work/appstream.log"; fail "the installed tree does not pass appstreamcli validate-tree"; }
# Stripped programs that name no folder of the build machine.
for library in mondrel-window.so mondrel-batch.so mondrel-formats.so; do
    grep -qx "/usr/libexec/mondrel/$library" "$work/contents" || fail "the package lacks the designer's $library"
done
for program in "$work"/root/usr/bin/* "$work"/root/usr/libexec/mondrel/*; do
    [ -f "$program" ] || continue
    file -b "$program" | grep -q ", stripped" || fail "$program is not stripped"
    if grep -q -a -F "$srcdir" "$program"; then fail "$program holds the build path $srcdir"; fi
done

# The packaged programs run from the scratch root; the data lies beside them.
export HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config" XDG_RUNTIME_DIR="$work/runtime"
mkdir -p "$HOME" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"
bin="$work/root/usr/bin"
[ -f "$bin/../share/mondrel/Readme.TXT" ] || fail "no data beside the program"
cd "$work"
"$bin/mondrel" --new --months 1 --first-month 1 --year 2027 --export "$work/page.jpg" || fail "the packaged mondrel cannot export"
[ -s "$work/page.jpg" ] || fail "no page picture"
"$bin/mondrel" --new --months 1 --first-month 1 --year 2027 --holidays "$srcdir/resources/samples/family-dates.ics" \
    --export "$work/holidays.jpg" || fail "the packaged mondrel cannot read a holiday file through its formats module"
"$bin/mondrel" --version | grep -qx "mondrel $(dpkg-deb -f "$deb" Version)" || fail "mondrel --version is not the package's version"

# A Tallowin folder deleted by hand stays named in the settings; the data
# installed beside the program is still found (a new page's default picture
# is the packaged one).
mkdir -p "$XDG_CONFIG_HOME/Mondrel"
printf '[Settings]\nDestinationPath=%s/\n' "$work/deleted-folder" >"$XDG_CONFIG_HOME/Mondrel/Mondrel.ini"
"$bin/mondrel" --new --months 1 --first-month 1 --year 2027 --save "$work/stale.mdr" || fail "mondrel fails with a stale DestinationPath"
grep -q -a -F "$work/root/usr/share/mondrel/BckImage.jpg" "$work/stale.mdr" \
    || fail "with a stale DestinationPath the packaged data is not used"
rm "$XDG_CONFIG_HOME/Mondrel/Mondrel.ini"

# The packaged tallowin has no setup folder: it says so at once and makes nothing.
"$bin/tallowin" --help >"$work/tallowin-help" || fail "the packaged tallowin does not start"
grep -q "no setup folder" "$work/tallowin-help" || fail "the packaged tallowin does not say that it only removes installations"
status=0
"$bin/tallowin" --batch --dest "$work/never" >"$work/tallowin-batch" 2>&1 || status=$?
[ "$status" = 1 ] || fail "the packaged tallowin --batch exits $status, not 1"
[ ! -e "$work/never" ] || fail "the packaged tallowin made the destination without a script"
echo "package: $(basename "$deb") holds $(wc -l <"$work/contents") entries; depends on $depends"
