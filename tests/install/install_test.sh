#!/usr/bin/env bash
# install_test.sh BUILD_DIR RUNNER: installs the build into a temporary
# prefix, makes the program folder read-only as an install under /usr is,
# and starts the installed program twice (RUNNER, see installed_program.cpp):
# the bank must be copied into the user's data folder, a favourite kept in
# the first start must be there in the second, and the installed bank must
# stay as it was.
set -euo pipefail
build=$1
runner=$2

work=$(mktemp -d)
trap 'chmod -R u+w "$work"; rm -rf "$work"' EXIT
prefix=$work/prefix
program=$prefix/lib/velkora
cmake --install "$build" --prefix "$prefix" >/dev/null

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

# The command in bin/ leads to the program folder; nothing of the build's
# tools, tests or benchmarks is installed.
for name in velkora JSJ app_upd yk.html predate.ini velkora.ini Data/med.mdb mv/kstk-1.jpg \
    tupian/silicosis_xray.png; do
    [ -e "$program/$name" ] || fail "$name is not in the program folder"
done
[ "$(readlink -f "$prefix/bin/velkora")" = "$(readlink -f "$program/velkora")" ] ||
    fail "bin/velkora does not lead to the program folder"
for size in 16 32 48 64 128 256; do
    [ -f "$prefix/share/icons/hicolor/${size}x${size}/apps/velkora.png" ] || fail "no ${size} px icon"
done
[ -f "$prefix/share/applications/velkora.desktop" ] || fail "no menu entry"
extra=$(find "$prefix" \( -iname '*test*' -o -iname '*bench*' -o -iname '*gen*' \) -print)
[ -z "$extra" ] || fail "build tools installed: $extra"

chmod -R a-w "$program"
installed_sum=$(sha256sum <"$program/Data/med.mdb")

home=$work/home
mkdir -p "$home/data" "$home/config" "$home/cache" "$home/runtime"
chmod 700 "$home/runtime"
cp "$runner" "$work/runner"
run=(env HOME="$home" XDG_DATA_HOME="$home/data" XDG_CONFIG_HOME="$home/config"
    XDG_CACHE_HOME="$home/cache" XDG_RUNTIME_DIR="$home/runtime"
    QT_QPA_PLATFORM=offscreen VELKORA_INSTALLED_DIR="$program")
if [ "$(id -u)" -eq 0 ]; then
    # Root writes into a read-only folder, and the program then rightly
    # keeps the learner's files in it. A learner is not root: run the
    # program as an unprivileged user, for whom the folder is read-only as
    # the permissions say. The runner is copied into the temporary folder
    # so that user can reach it wherever the build is; Chromium's sandbox
    # needs kernel features a CI container may lack, so it stays off.
    chown -R nobody:nogroup "$home"
    chmod 755 "$work"
    run=(setpriv --reuid=nobody --regid=nogroup --clear-groups "${run[@]}"
        QTWEBENGINE_DISABLE_SANDBOX=1)
fi

start() {
    local output
    output=$("${run[@]}" "$work/runner" --gtest_filter="InstalledProgram.$1" 2>&1) ||
        { echo "$output" >&2; fail "$1"; }
    grep -q '\[  PASSED  \] 1 test' <<<"$output" || { echo "$output" >&2; fail "$1 did not run"; }
}

start FirstStartKeepsAFavourite
learner_bank=$home/data/Velkora/Data/med.mdb
[ -f "$learner_bank" ] || fail "the bank was not copied into the user's data folder"
start TheFavouriteIsThereOnTheNextStart
[ "$(sha256sum <"$program/Data/med.mdb")" = "$installed_sum" ] || fail "the installed bank changed"
[ "$(sha256sum <"$learner_bank")" != "$installed_sum" ] || fail "the favourite went elsewhere"
echo "installed program keeps the learner's data in the user's data folder"
