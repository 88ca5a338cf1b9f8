#!/bin/sh
# Installs the Debian packages that building, running or testing lccdtool needs.
# Only what is missing is installed; with everything present this takes a moment.
#
#   scripts/install-deps.sh            packages to build and run
#   scripts/install-deps.sh --test     also the packages the test suite uses
#   scripts/install-deps.sh --fuzz     also clang and its libFuzzer, for fuzz/run.sh
set -eu

packages="build-essential cmake ninja-build pkg-config
qt6-base-dev qt6-multimedia-dev qt6-translations-l10n libtag1-dev libsndfile1-dev libmpg123-dev libsoxr-dev libburn-dev libebur128-dev
libavformat-dev libavcodec-dev libavutil-dev libswresample-dev
fontconfig fonts-dejavu-core fonts-ipafont-gothic fonts-ipafont-mincho glabels-data
dpkg-dev file"

test_packages="libgtest-dev libgmock-dev libbenchmark-dev poppler-utils sox libsox-fmt-mp3 cuetools ffmpeg lame flac wavpack musepack-tools cdrskin
cups printer-driver-cups-pdf desktop-file-utils clang-tidy acl
lintian appstream man-db strace"

fuzz_packages="clang libclang-rt-dev"

case "${1:-}" in
--test) packages="$packages $test_packages" ;;
--fuzz) packages="$packages $fuzz_packages" ;;
esac

missing=""
for p in $packages; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "ok installed"; then
        missing="$missing $p"
    fi
done

[ -z "$missing" ] && exit 0

echo "Installing:$missing"
if [ "$(id -u)" -ne 0 ]; then
    SUDO=sudo
else
    SUDO=
fi
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -qq
# shellcheck disable=SC2086
$SUDO apt-get install -y -qq --no-install-recommends $missing >/dev/null
