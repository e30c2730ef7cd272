#!/usr/bin/env bash
# usage: tools/package/check-executable.sh EXE i386|x86-64 gui|console VERSION
# Checks by inspection what a shipped executable must be, also where it cannot be run: the
# machine and Windows subsystem, no link time stamp and no debug directory in its headers, no
# symbols, only DLLs every supported Windows has, the manifest and version resource with
# VERSION, and a size that leaves room for a still beside it on a 1.44 MB floppy. Prints each fault and fails if there is any; quiet otherwise.
set -euo pipefail

[ $# -eq 4 ] || { echo "usage: check-executable.sh EXE i386|x86-64 gui|console VERSION" >&2; exit 64; }
exe=$1 machine=$2 subsystem=$3 version=$4
faults=0
fault() { echo "check-executable.sh: $exe: $*" >&2; faults=$((faults + 1)); }

# Little-endian unsigned numbers of SIZE bytes at OFFSET.
number() { od -An -t "u$2" -j "$1" -N "$2" "$exe" | tr -d ' '; }

# System DLLs of every Windows the program supports; compiler runtimes are not among them.
SYSTEM_DLLS='^(kernel32|user32|gdi32|gdiplus|comctl32|comdlg32|winspool\.drv|ole32|oleaut32|advapi32|shell32|bcrypt|version|msvcrt)(\.dll)?$'

MAX_BYTES=1048576
size=$(stat -c %s "$exe")
[ "$size" -lt $MAX_BYTES ] || fault "is $size bytes, not under $MAX_BYTES"

[ "$(head -c 2 "$exe")" = MZ ] || { fault "not a Windows executable"; exit 1; }
pe=$(number 60 4)
[ "$(tail -c +$((pe + 1)) "$exe" | head -c 4 | od -An -c | tr -d ' ')" = 'PE\0\0' ] \
    || { fault "no PE header"; exit 1; }
coff=$((pe + 4))
optional=$((coff + 20))

case $machine in
    i386) want_machine=332 want_magic=267 directories=$((optional + 96)) ;;
    x86-64) want_machine=34404 want_magic=523 directories=$((optional + 112)) ;;
    *) echo "check-executable.sh: unknown machine $machine" >&2; exit 64 ;;
esac
case $subsystem in
    gui) want_subsystem=2 ;;
    console) want_subsystem=3 ;;
    *) echo "check-executable.sh: unknown subsystem $subsystem" >&2; exit 64 ;;
esac

[ "$(number "$coff" 2)" = "$want_machine" ] || fault "machine is $(number "$coff" 2), not $machine"
[ "$(number "$optional" 2)" = "$want_magic" ] || fault "optional header is not the $machine kind"
[ "$(number $((optional + 68)) 2)" = "$want_subsystem" ] || fault "subsystem is $(number $((optional + 68)) 2), not $subsystem"
[ "$(number $((coff + 4)) 4)" = 0 ] || fault "the headers carry a link time stamp"
[ "$(number $((coff + 8)) 4)$(number $((coff + 12)) 4)" = 00 ] || fault "carries a symbol table"
[ "$(number $((directories + 6 * 8 + 4)) 4)" = 0 ] || fault "has a debug directory"

objdump=$([ "$machine" = i386 ] && echo i686 || echo x86_64)-w64-mingw32-objdump
headers=$("$objdump" -p -h "$exe" 2>&1) || { fault "$objdump cannot read it: $headers"; exit 1; }
grep -q ' \.debug' <<<"$headers" && fault "carries debug sections"
dlls=$(awk '/DLL Name:/ { print $3 }' <<<"$headers" | sort -u)
[ -n "$dlls" ] || fault "imports no DLL at all: the import table was not read"
for dll in $dlls; do
    grep -qiE "$SYSTEM_DLLS" <<<"$dll" || fault "imports $dll, which is not a system DLL"
done
# The linker leaves lazily loaded DLLs out of the headers; their names are among the texts. The
# 32-bit start-up code of GCC looks for its shared runtime (libgcc_s_dw2-1.dll) without needing it.
texts=$(strings -a "$exe")
for dll in $(grep -iE '^[a-z0-9_.+-]+\.(dll|drv)$' <<<"$texts" | sort -u); do
    grep -qiE "$SYSTEM_DLLS|^libgcc_s_dw2-1\.dll$" <<<"$dll" || fault "names $dll, which is not a system DLL"
done

# Resource types 24 (manifest) and 16 (version) at the top of the resource directory.
resource_types=$(sed -n '/Resource Directory section/,$p' <<<"$headers" |
    awk '/^[0-9a-f]+   Entry: ID:/ { sub(",", "", $4); print $4 }')
grep -qx '0x000018' <<<"$resource_types" || fault "has no manifest"
grep -qx '0x000010' <<<"$resource_types" || fault "has no version resource"
# The fixed part of the version resource (after its signature 0xFEEF04BD) holds the file and
# product version as two pairs of 16-bit numbers each.
IFS=. read -r major minor patch tweak <<<"$version"
want_fixed="$(((major << 16) + minor)) $(((patch << 16) + tweak))"
signature=$(LC_ALL=C grep -obUaP '\xbd\x04\xef\xfe' "$exe" | head -n 1 | cut -d : -f 1 || true)
if [ -z "$signature" ]; then
    fault "has no fixed version information"
else
    [ "$(number $((signature + 8)) 4) $(number $((signature + 12)) 4)" = "$want_fixed" ] \
        || fault "its file version is not $version"
    [ "$(number $((signature + 16)) 4) $(number $((signature + 20)) 4)" = "$want_fixed" ] \
        || fault "its product version is not $version"
fi
for key in FileVersion ProductVersion; do
    strings -e l "$exe" | awk -v key="$key" -v value="$version" \
        'previous == key && $0 == value { found = 1 } { previous = $0 } END { exit !found }' \
        || fault "its version resource's $key text is not $version"
done
arch=$([ "$machine" = i386 ] && echo x86 || echo amd64)
grep -qF "assemblyIdentity version=\"$version\" processorArchitecture=\"$arch\"" <<<"$texts" \
    || fault "its manifest does not name version $version for $arch"

[ $faults = 0 ]
