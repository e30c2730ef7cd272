#!/usr/bin/env bash
# usage: tools/install-deps.sh [--wine32]
# Installs (as root, with apt-get) whatever the build and the tests need and
# is missing (with --wine32 also the 32-bit Wine that runs the shipping build,
# through tools/install-wine32.sh), and generates the locales the language tests run under (Wine
# takes the user's language from the C library's locale, so LANG=ja_JP.UTF-8
# only gives Japanese when that locale exists). Quiet when all is there.
# The one CJK font (WenQuanYi Micro Hei, about 5 MB) has every Traditional Chinese and
# Japanese character of the texts; without it Wine draws them as empty boxes.
set -euo pipefail

PACKAGES=(
    cmake make g++ clang googletest libgtest-dev
    g++-mingw-w64-x86-64 mingw-w64-x86-64-dev g++-mingw-w64-i686 mingw-w64-i686-dev
    wine64 xvfb xauth x11-utils xdotool imagemagick
    cups cups-client cups-bsd printer-driver-cups-pdf poppler-utils
    clang-format util-linux procps locales fonts-wqy-microhei fuse3 libfuse3-dev pkg-config
    libimage-exiftool-perl exiv2 jpeginfo libjpeg-turbo-progs zip unzip
)
LOCALES=(en_US.UTF-8 ja_JP.UTF-8 zh_TW.UTF-8)

die() { echo "install-deps.sh: $*" >&2; exit 1; }

wine32=0
case ${1:-} in
    "") ;;
    --wine32) wine32=1 ;;
    *) die "unknown argument '$1' (usage: install-deps.sh [--wine32])" ;;
esac

installed() {
    [ "$(dpkg-query -W -f='${db:Status-Abbrev}' "$1" 2>/dev/null | cut -c1-2)" = ii ]
}
has_locale() {
    local norm
    norm=$(echo "$1" | tr 'A-Z' 'a-z' | sed 's/utf-8/utf8/')
    locale -a 2>/dev/null | tr 'A-Z' 'a-z' | grep -qxF "$norm"
}

missing=()
for p in "${PACKAGES[@]}"; do
    installed "$p" || missing+=("$p")
done

if [ ${#missing[@]} -gt 0 ]; then
    [ "$(id -u)" = 0 ] || die "missing packages (${missing[*]}); run as root"
    echo "install-deps.sh: installing ${missing[*]}"
    start=$SECONDS
    export DEBIAN_FRONTEND=noninteractive
    log=$(mktemp)
    if ! { apt-get update -qq && apt-get install -y -qq --no-install-recommends "${missing[@]}"; } >"$log" 2>&1; then
        cat "$log" >&2
        rm -f "$log"
        die "apt-get failed"
    fi
    rm -f "$log"
    for p in "${missing[@]}"; do
        installed "$p" || die "$p did not install"
    done
    echo "install-deps.sh: installed ${#missing[@]} packages in $((SECONDS - start)) s"
fi

for l in "${LOCALES[@]}"; do
    has_locale "$l" && continue
    [ "$(id -u)" = 0 ] || die "locale $l is missing; run as root"
    echo "install-deps.sh: generating locale $l"
    # localedef fails on mere warnings; the check below is what counts.
    localedef -i "${l%%.*}" -f "${l#*.}" "$l" || true
    has_locale "$l" || die "locale $l was not generated"
done

[ $wine32 = 0 ] || "$(dirname "${BASH_SOURCE[0]}")/install-wine32.sh"
