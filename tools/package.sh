#!/usr/bin/env bash
# usage: tools/package.sh [--prebuilt] [--out DIR]
# Installs what is missing, builds the viewer and the verifier in both builds (32-bit and x86_64,
# Release), checks the four executables and writes DIR/StillView-VERSION.zip (DIR is dist/ by
# default): the 32-bit executables at the top, the x86_64 ones in x64/, the user guide README.txt
# and SHA256SUMS. Prints the zip's path, size and SHA-256, then each executable's size.
# The same commit gives the same bytes: every entry has the commit's time (SOURCE_DATE_EPOCH
# when set), fixed permissions and a fixed place. --prebuilt packages the executables already
# built under STILLVIEW_BUILD_ROOT (default build/) without installing or building anything.
set -euo pipefail

ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd -P)
BUILD_ROOT=${STILLVIEW_BUILD_ROOT:-$ROOT/build}
PROGRAMS=(StillView StillVerify)
# Windows subsystem of each program.
declare -A SUBSYSTEM=([StillView]=gui [StillVerify]=console)

die() { echo "package.sh: $*" >&2; exit 1; }

prebuilt=0
out=$ROOT/dist
while [ $# -gt 0 ]; do
    case $1 in
        --prebuilt) prebuilt=1; shift ;;
        --out) out=${2:?--out needs a folder}; shift 2 ;;
        *) die "unknown argument '$1' (usage: package.sh [--prebuilt] [--out DIR])" ;;
    esac
done

version=$(head -n 1 "$ROOT/VERSION")
[[ $version =~ ^[0-9]+\.[0-9]+\.[0-9]+\.[0-9]+$ ]] || die "VERSION holds '$version', not four numbers"
epoch=${SOURCE_DATE_EPOCH:-$(git -C "$ROOT" log -1 --format=%ct 2>/dev/null || true)}
[[ $epoch =~ ^[0-9]+$ ]] || die "not a git checkout: set SOURCE_DATE_EPOCH to the sources' time"

if [ $prebuilt = 0 ]; then
    "$ROOT/tools/install-deps.sh"
    mkdir -p "$BUILD_ROOT"
    for flavour in win32 win64; do
        for program in "${PROGRAMS[@]}"; do
            "$ROOT/tools/build.sh" "$BUILD_ROOT" "$flavour" "$program" \
                >"$BUILD_ROOT/package-$flavour-build.log" 2>&1 \
                || { tail -n 40 "$BUILD_ROOT/package-$flavour-build.log"; die "build of $flavour $program failed"; }
        done
    done
fi

stage=$(mktemp -d "${TMPDIR:-/tmp}/stillview-package.XXXXXX")
trap 'rm -rf "$stage"' EXIT
mkdir -p "$stage/files/x64"
entries=(README.txt SHA256SUMS)
for place in "win32 i386 ." "win64 x86-64 x64"; do
    read -r flavour machine folder <<<"$place"
    for program in "${PROGRAMS[@]}"; do
        entry=$program.exe
        [ "$folder" = . ] || entry=$folder/$entry
        exe=$BUILD_ROOT/$flavour/$program.exe
        [ -f "$exe" ] || die "no $exe: build it first (tools/build.sh $BUILD_ROOT $flavour $program)"
        "$ROOT/tools/package/check-executable.sh" "$exe" "$machine" "${SUBSYSTEM[$program]}" "$version"
        cp "$exe" "$stage/files/$entry"
        entries+=("$entry")
    done
done

# Windows line ends, so Notepad shows the guide as it is meant.
sed -e "s/@VERSION@/$version/g" -e 's/$/\r/' "$ROOT/docs/user-guide.txt" >"$stage/files/README.txt"
(cd "$stage/files" && sha256sum "${entries[@]:2}" README.txt >SHA256SUMS)

chmod 0644 "${entries[@]/#/$stage/files/}"
# Zip keeps local time, so the time zone is fixed too.
export TZ=UTC
touch -d "@$epoch" "${entries[@]/#/$stage/files/}"
(cd "$stage/files" && zip -q -X -D -9 "$stage/package.zip" "${entries[@]}")

mkdir -p "$out"
zip_path=$(cd "$out" && pwd -P)/StillView-$version.zip
mv -f "$stage/package.zip" "$zip_path"
echo "$zip_path"
echo "size: $(stat -c %s "$zip_path") bytes"
echo "sha256: $(sha256sum "$zip_path" | cut -d ' ' -f 1)"
for entry in "${entries[@]:2}"; do
    echo "$entry: $(stat -c %s "$stage/files/$entry") bytes"
done
