#!/usr/bin/env bash
# package_test.sh BUILD_DIR: makes the Debian package with CPack into a
# temporary folder and checks its control fields and files.
set -euo pipefail
build=$1
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

cpack --config "$build/CPackConfig.cmake" -G DEB -B "$out" >/dev/null
deb=$(find "$out" -maxdepth 1 -name 'velkora_*.deb')
[ -n "$deb" ] || fail "no package made"

field() { dpkg-deb -f "$deb" "$1"; }
[ "$(field Package)" = velkora ] || fail "package name"
[ "$(field Section)" = education ] || fail "section"
[ -n "$(field Maintainer)" ] || fail "no maintainer"
[ -n "$(field Description)" ] || fail "no description"
depends=$(field Depends)
for package in libqt6sql6-sqlite libqt6webenginewidgets6 libqt6widgets6 fonts-noto-cjk; do
    grep -q "$package" <<<"$depends" || fail "$package missing from Depends: $depends"
done
recommends=$(field Recommends)
for package in libqt6sql6-odbc tdsodbc; do
    grep -q "$package" <<<"$recommends" || fail "$package missing from Recommends: $recommends"
done

files=$(dpkg-deb -c "$deb")
for path in ./usr/lib/velkora/velkora ./usr/lib/velkora/JSJ ./usr/lib/velkora/Data/med.mdb \
    ./usr/lib/velkora/yk.html ./usr/share/applications/velkora.desktop \
    ./usr/share/icons/hicolor/256x256/apps/velkora.png "./usr/bin/velkora -> ../lib/velkora/velkora"; do
    grep -qF "$path" <<<"$files" || fail "$path not in the package"
done
if grep -qiE 'test|bench|bankgen|picturegen|tmp\.ini' <<<"$files"; then
    fail "the package holds files of the build"
fi
echo "package $(basename "$deb") checked"
