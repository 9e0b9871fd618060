#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 Dalvo-Leslie Matrix developers

# Checks what a user gets: the installed files, the .deb built from them,
# that Debian's own tools accept it (lintian, the AppStream validator), that
# apt would install that .deb on this system, and that the program in it
# starts.
#
# Usage: check_package.sh SOURCE_FOLDER BUILD_FOLDER WORK_FOLDER
set -euo pipefail

source_dir=$(realpath "$1")
build_dir=$(realpath "$2")
work=$3

current_check="start-up"
program_pid=""

check()
{
    current_check=$1
    echo "--- $current_check"
}

fail()
{
    echo "FAILED at '$current_check': $*" >&2
    exit 1
}

stop_program()
{
    if [ -n "$program_pid" ] && kill -0 "$program_pid" 2>/dev/null; then
        kill "$program_pid" 2>/dev/null || true
        wait "$program_pid" 2>/dev/null || true
    fi
}
trap stop_program EXIT
trap 'exit 130' INT TERM

for tool in cmake cpack dpkg-deb dpkg-shlibdeps desktop-file-validate apt-get appstreamcli lintian man; do
    command -v "$tool" >/dev/null || fail "$tool is missing; scripts/install-deps installs it"
done

rm -rf "$work"
mkdir -p "$work"

binary=bin/dalvo-leslie
desktop_entry=share/applications/dalvo-leslie.desktop
icon=share/icons/hicolor/256x256/apps/dalvo-leslie.png
copyright=share/doc/dalvo-leslie/copyright
changelog=share/doc/dalvo-leslie/changelog.gz
manual=share/man/man1/dalvo-leslie.1.gz
metainfo_files=("$source_dir"/packaging/*.metainfo.xml)
[ ${#metainfo_files[@]} -eq 1 ] || fail "packaging/ holds not exactly one AppStream metainfo file"
metainfo=share/metainfo/$(basename "${metainfo_files[0]}")

check "install into a private prefix"
prefix=$work/prefix
cmake --install "$build_dir" --prefix "$prefix" >"$work/install.log" 2>&1 ||
    fail "cmake --install failed: $(tail -n 5 "$work/install.log")"
[ -x "$prefix/$binary" ] || fail "$binary is not installed as a program"
cmp -s "$prefix/$desktop_entry" "$source_dir/packaging/dalvo-leslie.desktop" ||
    fail "$desktop_entry is missing or not the project's desktop entry"
cmp -s "$prefix/$icon" "$source_dir/assets/app_icon_256.png" || fail "$icon is missing or not the 256 px icon"

check "licence"
cmp -s "$prefix/$copyright" "$source_dir/packaging/copyright" || fail "$copyright is missing or not the project's"
[ "$(head -n 1 "$prefix/$copyright")" = "Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/" ] ||
    fail "$copyright is not in Debian's machine-readable format"
grep -qx 'License: GPL-3.0-or-later' "$prefix/$copyright" || fail "$copyright does not name the licence of LICENSE"
cmp -s "$source_dir/LICENSE" /usr/share/common-licenses/GPL-3 || fail "LICENSE is not the GPL-3 that $copyright names"

check "manual page"
[ -f "$prefix/$manual" ] || fail "$manual is missing"
# man prints the page's faults (unknown macros, lines it cannot fill) on stderr.
man_warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l "$prefix/$manual" 2>&1 >/dev/null) ||
    fail "man cannot show $manual"
[ -z "$man_warnings" ] || fail "man warns about $manual: $man_warnings"
man -l "$prefix/$manual" 2>/dev/null | grep -q '^ENVIRONMENT' || fail "$manual has no ENVIRONMENT section"

check "AppStream metainfo"
cmp -s "$prefix/$metainfo" "${metainfo_files[0]}" || fail "$metainfo is missing or not the project's"
# validate-tree also checks that the launchable names an installed desktop
# entry; anything above a pedantic remark fails.
appstreamcli validate-tree --no-net "$prefix" >"$work/appstream.log" 2>&1 ||
    fail "appstreamcli rejects the installed metainfo: $(cat "$work/appstream.log")"
! grep -E '^\s*[EW]:' "$work/appstream.log" || fail "appstreamcli warns about the installed metainfo"

check "desktop entry"
desktop-file-validate "$prefix/$desktop_entry" || fail "desktop-file-validate rejects $desktop_entry"
entry_value()
{
    sed -n "s/^$1=//p" "$prefix/$desktop_entry"
}
[ "$(entry_value Exec)" = "$(basename "$binary")" ] || fail "Exec does not start the installed program"
[ "$(entry_value Icon)" = "$(basename "$icon" .png)" ] || fail "Icon does not name the installed icon"
[ "$(entry_value Name)" = "Dalvo-Leslie Matrix" ] || fail "Name is not the program's title"

check "build the .deb"
cpack -G DEB --config "$build_dir/CPackConfig.cmake" -B "$work/package" >"$work/cpack.log" 2>&1 ||
    fail "cpack failed: $(tail -n 5 "$work/cpack.log")"
debs=("$work"/package/dalvo-leslie_*.deb)
if [ ! -f "${debs[0]}" ] || [ ${#debs[@]} -ne 1 ]; then
    fail "cpack did not leave exactly one dalvo-leslie .deb"
fi
deb=${debs[0]}
basename "$deb"

check "contents of the .deb"
contents=$(dpkg-deb --contents "$deb" | awk '{print $NF}')
for file in "$binary" "$desktop_entry" "$icon" "$copyright" "$changelog" "$manual" "$metainfo"; do
    grep -qx "./usr/$file" <<<"$contents" || fail "the .deb lacks /usr/$file"
done
field()
{
    dpkg-deb --field "$deb" "$1"
}
[ "$(field Package)" = dalvo-leslie ] || fail "the package is not named dalvo-leslie"
[ "$(field Architecture)" = "$(dpkg --print-architecture)" ] || fail "the package is not built for this machine"
field Maintainer | grep -q '@example.org>' || fail "the maintainer has no address"
changelog_version=$(gzip -dc "$prefix/$changelog" | sed -n '1s/^dalvo-leslie (\([^)]*\)).*/\1/p')
[ "$changelog_version" = "$(field Version)" ] ||
    fail "the changelog's latest entry is for '$changelog_version', the package is $(field Version)"
depends=$(field Depends)
echo "Depends: $depends"
depended_on=$(tr ',' '\n' <<<"$depends" | awk '{print $1}')
# dpkg-shlibdeps fills in the C and Qt libraries; the fonts are named by hand.
for package in libc6 libstdc++6 libqt6core6 libqt6gui6 libqt6widgets6 libqt6printsupport6 \
    fonts-liberation2 fonts-arphic-uming; do
    grep -Fqx "$package" <<<"$depended_on" || fail "Depends lacks $package"
done

check "lintian"
# No error and no warning. A tag Debian's policy says does not apply to this
# package would be overridden in /usr/share/lintian/overrides/dalvo-leslie,
# with its reason; none is needed today.
lintian --fail-on error,warning --display-info "$deb" >"$work/lintian.log" 2>&1 ||
    fail "lintian finds faults in the .deb: $(grep -E '^[EW]:' "$work/lintian.log" | head -n 20)"
cat "$work/lintian.log"

check "apt would install the .deb"
# A simulation needs no root on Debian; where apt still asks for it, sudo
# without a password is the only other way.
simulate_install()
{
    $1 apt-get install --simulate --no-install-recommends "$deb" >"$work/apt.log" 2>&1
}
if ! simulate_install "" &&
    ! { [ "$(id -u)" -ne 0 ] && grep -q 'Permission denied' "$work/apt.log" && simulate_install "sudo -n"; }; then
    fail "apt-get cannot install the package: $(grep -E '^(E:|  )' "$work/apt.log" | head -n 10)"
fi
grep -q '^Inst dalvo-leslie ' "$work/apt.log" || fail "apt-get's simulation does not install dalvo-leslie"

check "the packaged program starts"
extracted=$work/extracted
dpkg-deb -x "$deb" "$extracted"
rm -rf "$work/home" "$work/runtime" "$work/tmp"
mkdir -p "$work/home" "$work/runtime" "$work/tmp"
chmod 700 "$work/runtime"
# The program is stopped from outside, so what it would remove at its end
# (its folder for Qt's settings) stays in the scratch folder.
env QT_QPA_PLATFORM=offscreen HOME="$work/home" XDG_RUNTIME_DIR="$work/runtime" TMPDIR="$work/tmp" \
    XDG_CONFIG_HOME="$work/home/.config" "$extracted/usr/bin/dalvo-leslie" >"$work/program.log" 2>&1 &
program_pid=$!
# The program runs until the student leaves it: three seconds alive means it
# found its libraries and its platform plugin and opened its windows.
for _ in $(seq 30); do
    kill -0 "$program_pid" 2>/dev/null || {
        status=0
        wait "$program_pid" || status=$?
        program_pid=""
        fail "the packaged program ended at once with status $status: $(tail -n 5 "$work/program.log")"
    }
    sleep 0.1
done
stop_program
echo "package check passed: $deb"
