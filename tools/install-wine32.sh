#!/usr/bin/env bash
# usage: tools/install-wine32.sh
# Installs (as root) what runs the 32-bit build: Debian 12's 32-bit Wine and its i386 libraries,
# unpacked into a root of their own (STILLVIEW_WINE32_ROOT, default /opt/stillview/wine32), so
# the system's packages stay 64-bit and no i386 package script ever runs. Where this machine
# cannot run 32-bit code (some virtual machines lack the mode), Debian 13's qemu-i386 runs that
# Wine instead (Debian 12's QEMU loops for ever in Wine's address-space reservation). Which route
# a machine takes is decided once, by running a tiny 32-bit program, and kept in the root.
# Afterwards "$STILLVIEW_WINE32_ROOT/usr/lib/wine/wine" starts the 32-bit Wine on either route.
# Quiet when all is there.
set -euo pipefail

ROOT=${STILLVIEW_WINE32_ROOT:-/opt/stillview/wine32}
STAMP=$ROOT/.stillview-wine32
# Bump when what goes into the root changes, so old roots are made again.
STAMP_VERSION=4
# Beyond wine32's own needs, what it loads when present: the printing system's client library
# (without it, no printer) and the X libraries of its display driver.
PACKAGES=(wine32 libcups2 libxrender1 libxi6 libxrandr2 libxcursor1 libxfixes3 libxinerama1
    libxcomposite1 libxxf86vm1)

die() { echo "install-wine32.sh: $*" >&2; exit 1; }

stamp_ok() { [ -f "$STAMP" ] && [ "$(head -n 1 "$STAMP")" = "$STAMP_VERSION" ]; }
stamp_ok && exit 0
[ "$(id -u)" = 0 ] || die "the 32-bit Wine is missing; run as root"
mkdir -p "$(dirname "$ROOT")"
# Test runs of several checkouts may start at once: one makes the root, the others wait for it.
exec {lockfd}>"$ROOT.lock"
flock -w 900 "$lockfd" || die "timed out waiting for another install of $ROOT"
stamp_ok && exit 0
start=$SECONDS
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# Runs apt-get on a private state: only the given architecture and suite, nothing installed.
private_apt() {
    local name=$1 arch=$2 suite=$3
    shift 3
    local dir=$work/apt-$name
    mkdir -p "$dir/lists/partial" "$dir/cache/archives/partial" "$dir/parts"
    touch "$dir/status"
    printf 'Types: deb\nURIs: http://deb.debian.org/debian\nSuites: %s\nComponents: main\nSigned-By: /usr/share/keyrings/debian-archive-keyring.gpg\n' \
        "$suite" >"$dir/parts/debian.sources"
    apt-get -qq -o Dir::Etc::SourceList=/dev/null -o Dir::Etc::SourceParts="$dir/parts" \
        -o Dir::State::Lists="$dir/lists" -o Dir::Cache="$dir/cache" -o Dir::State::status="$dir/status" \
        -o Debug::NoLocking=1 -o APT::Architecture="$arch" -o APT::Architectures::="$arch" \
        -o APT::Sandbox::User=root "$@"
}

# A 32-bit program that only exits: whether it runs tells the route.
runs_32bit_code() {
    printf '.globl _start\n_start: movl $1, %%eax\n xorl %%ebx, %%ebx\n int $0x80\n' >"$work/probe.s"
    as --32 "$work/probe.s" -o "$work/probe.o" && ld -m elf_i386 "$work/probe.o" -o "$work/probe" \
        || die "cannot assemble the 32-bit probe (binutils missing?)"
    "$work/probe" 2>/dev/null
}

unpack_debs() {
    local deb
    for deb in "$1"/*.deb; do
        dpkg-deb -x "$deb" "$2"
    done
}

rm -rf "$ROOT"
mkdir -p "$ROOT"
log=$work/apt.log
{
    private_apt wine32 i386 bookworm update &&
        private_apt wine32 i386 bookworm install --download-only -y --no-install-recommends "${PACKAGES[@]}"
} >"$log" 2>&1 || { cat "$log" >&2; die "downloading the 32-bit Wine failed"; }
unpack_debs "$work/apt-wine32/cache/archives" "$ROOT"

# What libwine's own install script does: user32 needs zlib, made a builtin from the mingw DLL.
zlib=$ROOT/usr/lib/i386-linux-gnu/wine/i386-windows/zlib1.dll
{
    head -c 64 "$ROOT/usr/i686-w64-mingw32/lib/zlib1.dll"
    printf 'Wine builtin DLL\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0'
    tail -c +97 "$ROOT/usr/i686-w64-mingw32/lib/zlib1.dll"
} >"$zlib"

loader=$ROOT/usr/lib/wine/wine
mv "$loader" "$loader.bin"
libraries="$ROOT/lib/i386-linux-gnu:$ROOT/usr/lib/i386-linux-gnu"
if runs_32bit_code; then
    route=native
    # The loader's interpreter, /lib/ld-linux.so.2, comes with the system's libc6-i386.
    [ -e /lib/ld-linux.so.2 ] || apt-get install -y -qq --no-install-recommends libc6-i386 >"$log" 2>&1 \
        || { cat "$log" >&2; die "installing libc6-i386 failed"; }
    printf '#!/bin/sh\nLD_LIBRARY_PATH=%s exec %s "$@"\n' "$libraries" "$loader.bin" >"$loader"
else
    route=emulated
    {
        private_apt qemu amd64 trixie update &&
            (cd "$work" && private_apt qemu amd64 trixie download qemu-user)
    } >"$log" 2>&1 || { cat "$log" >&2; die "downloading Debian 13's qemu-user failed"; }
    dpkg-deb -x "$work"/qemu-user_*.deb "$work/qemu"
    install -m 755 "$work/qemu/usr/bin/qemu-i386" "$ROOT/qemu-i386"
    # Wine starts every new process through this same path, so each runs under QEMU too; -0 keeps
    # the name Wine finds its own folder by.
    printf '#!/bin/sh\nexec %s -L %s -E LD_LIBRARY_PATH=%s -0 %s %s "$@"\n' \
        "$ROOT/qemu-i386" "$ROOT" "$libraries" "$loader" "$loader.bin" >"$loader"
fi
chmod 755 "$loader"
# Absolute links inside the root would lead out of it.
find "$ROOT" -type l -lname '/*' | while read -r link; do
    target=$(readlink "$link")
    ln -sfn "$(realpath -m --relative-to="$(dirname "$link")" "$ROOT$target")" "$link"
done
if [ $route = emulated ]; then
    # QEMU looks a path up in the root first: the system's fonts, the ones the 64-bit Wine and
    # the printed page use, would be hidden behind the root's few. The font cache of the root's
    # own lies beside it, never mixed with the system's.
    rm -rf "$ROOT/usr/share/fonts"
    ln -s /usr/share/fonts "$ROOT/usr/share/fonts"
    mkdir -p "$ROOT/var/cache/fontconfig"
fi

WINEPREFIX=$work/prefix WINEARCH=win32 WINEDEBUG=-all timeout 300 "$loader" --version >"$log" 2>&1 \
    || { cat "$log" >&2; die "the 32-bit Wine does not start ($route route)"; }
printf '%s\n%s\n' "$STAMP_VERSION" "$route" >"$STAMP"
echo "install-wine32.sh: $(cat "$log") ($route route) in $ROOT, made in $((SECONDS - start)) s"
