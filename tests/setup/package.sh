#!/usr/bin/env bash
# package.sh BUILD WITH_RELIEVO: makes the Debian package of a build with cpack,
# checks what it holds and what it depends on, unpacks it into a scratch
# root and runs the packaged designer there with a private home (no
# installation folder in its settings, so its data is the one beside it).
set -euo pipefail
build="$1"
with_relievo="${2:-no}"
work="$(mktemp -d /tmp/mondrel-package-XXXXXX)"
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work/pkg" >"$work/cpack.log" 2>&1 || { cat "$work/cpack.log"; fail "cpack failed"; }
deb="$(ls "$work"/pkg/*.deb)"
dpkg-deb -c "$deb" | awk '{print $6}' | sed 's|^\./|/|' >"$work/contents"
for f in /usr/bin/mondrel /usr/bin/tallowin /usr/share/applications/mondrel.desktop \
         /usr/share/mime/packages/mondrel.xml /usr/share/icons/hicolor/scalable/apps/mondrel.svg \
         /usr/share/icons/hicolor/scalable/mimetypes/application-x-mondrel.svg /usr/share/mondrel/Readme.TXT \
         /usr/share/icons/hicolor/48x48/apps/mondrel.png /usr/share/icons/hicolor/16x16/mimetypes/application-x-mondrel.png; do
    grep -qx "$f" "$work/contents" || fail "the package lacks $f"
done
if [ "$with_relievo" = yes ]; then
    grep -qx /usr/bin/relievo "$work/contents" || fail "the package lacks relievo"
fi
if grep -q "^[^/]*/mondrel-setup/" "$work/contents"; then fail "the setup folder leaked into the package"; fi
depends="$(dpkg-deb -f "$deb" Depends)"
case "$depends" in *libqt6widgets6*) ;; *) fail "the dependencies were not computed: $depends" ;; esac

dpkg-deb -x "$deb" "$work/root"
desktop-file-validate "$work/root/usr/share/applications/mondrel.desktop" || fail "the packaged menu entry is not valid"
grep -qx "Exec=/usr/bin/mondrel %f" "$work/root/usr/share/applications/mondrel.desktop" || fail "Exec is not /usr/bin/mondrel"

# The packaged programs run from the scratch root; the data lies beside them.
export HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config" XDG_RUNTIME_DIR="$work/runtime"
mkdir -p "$HOME" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"
bin="$work/root/usr/bin"
[ -f "$bin/../share/mondrel/Readme.TXT" ] || fail "no data beside the program"
cd "$work"
"$bin/mondrel" --new --months 1 --first-month 1 --year 2027 --export "$work/page.jpg" || fail "the packaged mondrel cannot export"
[ -s "$work/page.jpg" ] || fail "no page picture"
"$bin/tallowin" --help >/dev/null || fail "the packaged tallowin does not start"
echo "package: $(basename "$deb") holds $(wc -l <"$work/contents") entries; depends on $depends"
