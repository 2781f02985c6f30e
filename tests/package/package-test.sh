#!/usr/bin/env bash
# The Debian package as an installer gets it: built from the build tree, unpacked into a
# root of its own, and used from there. The programs run, the installed program finds its
# Korean library beside itself, the desktop entry, metainfo and manual pages are valid, the
# bash completion answers, and lintian finds no error.
# Usage: package-test.sh BUILD_DIR SMOKE_SCRIPT VERSION
set -euo pipefail

build="$1"
smoke="$2"
version="$3"
for tool in cpack dpkg-deb desktop-file-validate appstreamcli man lintian xvfb-run xdotool; do
    if ! command -v "$tool" >/dev/null; then
        echo "package-test: $tool is missing (scripts/setup installs it)"
        exit 77
    fi
done

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
fail() {
    echo "package-test: $*"
    exit 1
}

cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work/out" >"$work/cpack.log" 2>&1 ||
    { cat "$work/cpack.log"; fail "cpack failed"; }
deb="$(ls "$work"/out/r4000_*.deb)"
dpkg-deb -x "$deb" "$work/root"
usr="$work/root/usr"

dpkg-deb -f "$deb" Depends | grep -q "libqt6widgets6" || fail "no library dependencies"
dpkg-deb -f "$deb" Depends | grep -q "qt6-qpa-plugins" || fail "no platform plugins"

[[ "$("$usr/bin/r4000ctl" --version)" == "r4000ctl $version" ]] || fail "r4000ctl --version"
"$usr/bin/r4000ctl" --help | grep -q "^  survey SYSTEM" || fail "r4000ctl --help"
[[ "$("$usr/bin/r4000-unitsim" --version)" == "r4000-unitsim $version" ]] ||
    fail "r4000-unitsim --version"
[[ "$(QT_QPA_PLATFORM=offscreen "$usr/bin/R4000" --version)" == "R4000 $version" ]] ||
    fail "R4000 --version"
for file in lib/r4000/R4000res_ko.so lib/r4000/R4000res_ja.so \
    "lib/r4000/Message/Chimes/Chime 2-tone.pmf" lib/r4000/sounds/siren33.pmf \
    share/icons/hicolor/16x16/apps/jp.co.zun.R4000.png \
    share/icons/hicolor/256x256/apps/jp.co.zun.R4000.png \
    share/doc/r4000/copyright; do
    [[ -f "$usr/$file" ]] || fail "missing $file"
done
# The Korean texts come from the library beside the installed program, reached through
# the link in bin/.
"$smoke" "$usr/bin/R4000" '^R-4000 소프트웨어$' -ko || fail "R4000 -ko"

desktop-file-validate "$usr/share/applications/jp.co.zun.R4000.desktop" ||
    fail "desktop entry"
appstreamcli validate --no-net "$usr/share/metainfo/jp.co.zun.R4000.metainfo.xml" >/dev/null ||
    fail "metainfo"
for page in R4000 r4000ctl r4000-unitsim; do
    MANWIDTH=80 man -l "$usr/share/man/man1/$page.1.gz" 2>/dev/null | grep -q "$page" ||
        fail "manual page of $page"
done
MANWIDTH=80 man -l "$usr/share/man/man1/r4000ctl.1.gz" 2>/dev/null | grep -q "survey SYSTEM" ||
    fail "the manual page of r4000ctl lacks its commands"

if [[ -f /usr/share/bash-completion/bash_completion ]]; then
    completed="$(PATH="$usr/bin:$PATH" bash -c '
        source /usr/share/bash-completion/bash_completion
        source "$1"
        COMP_WORDS=(r4000ctl su); COMP_CWORD=1; COMP_LINE="r4000ctl su"; COMP_POINT=11
        _r4000ctl; echo "${COMPREPLY[*]}"
        COMP_WORDS=(r4000ctl upload Tower --dr); COMP_CWORD=3
        COMP_LINE="r4000ctl upload Tower --dr"; COMP_POINT=26
        _r4000ctl; echo "${COMPREPLY[*]}"
        COMP_WORDS=(r4000ctl msg im); COMP_CWORD=2; COMP_LINE="r4000ctl msg im"; COMP_POINT=15
        _r4000ctl; echo "${COMPREPLY[*]}"
    ' completion "$usr/share/bash-completion/completions/r4000ctl")"
    [[ "$completed" == $'survey\n--dry-run\nimport' ]] || fail "bash completion gave: $completed"
fi

lintian --fail-on error "$deb" >"$work/lintian.log" 2>&1 || { cat "$work/lintian.log"; fail "lintian"; }
echo "package-test: $(basename "$deb") installs, runs and passes lintian"
