#!/bin/sh
# Makes the Debian package of a build folder and lets Debian's tools judge it: lintian (no
# errors), appstreamcli validate, desktop-file-validate, and man on every manual page (no
# warnings). Exits 77 (skipped) when one of the tools is missing.
#   scripts/check-package.sh BUILD_DIR
set -eu
build_dir=$(cd "$1" && pwd)

for tool in cpack dpkg-architecture dpkg-deb dpkg-shlibdeps file lintian appstreamcli desktop-file-validate man; do
    if ! command -v "$tool" >/dev/null; then
        echo "skipped: $tool is not installed (scripts/install-deps.sh --test installs it)"
        exit 77
    fi
done

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cpack -G DEB --config "$build_dir/CPackConfig.cmake" -B "$work" >"$work/cpack.log" 2>&1 ||
    { cat "$work/cpack.log"; exit 1; }
deb=$(ls "$work"/lccdtool_*.deb)
dpkg-deb --info "$deb" | sed -n '/Package:/,$p'
dpkg-deb -x "$deb" "$work/root"
root="$work/root"

failed=0
check() {
    if ! "$@"; then
        echo "FAILED: $*"
        failed=1
    fi
}

modules=usr/lib/$(dpkg-architecture -qDEB_HOST_MULTIARCH)/lccdtool
for file in usr/bin/lccdtool usr/bin/lccdtool-cli "$modules/lccdtool-songs.so" \
    "$modules/lccdtool-printers.so" usr/share/lccdtool/LcJacketStd.lct \
    usr/share/lccdtool/readme.txt usr/share/doc/lccdtool/copyright; do
    check test -f "$root/$file"
done
check dpkg-deb --field "$deb" Depends
check lintian --fail-on error --tag-display-limit 0 "$deb"
check appstreamcli validate --no-net "$root"/usr/share/metainfo/*.metainfo.xml
check desktop-file-validate "$root"/usr/share/applications/*.desktop
for page in $(find "$root/usr/share/man" -name '*.1.gz'); do
    LANG=C.UTF-8 MANWIDTH=80 man --warnings -l "$page" >/dev/null 2>"$work/man.log"
    if [ -s "$work/man.log" ]; then
        echo "FAILED: man --warnings -l ${page#"$root"}"
        cat "$work/man.log"
        failed=1
    fi
done
exit "$failed"
