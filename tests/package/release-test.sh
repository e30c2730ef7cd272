#!/usr/bin/env bash
# usage: release-test.sh BUILD_ROOT
# The release zip made from the builds under BUILD_ROOT (its win32 and win64 folders).
# Packaged twice, seconds apart, into different folders under another time zone and umask, it
# must be the same bytes. Its entries sit in a fixed order with the commit's time, pass
# `sha256sum -c SHA256SUMS` once unpacked, the guide has Windows line ends and the version, and
# each executable passes the shipping checks (machine, subsystem, no time stamp, no symbols,
# system DLLs only, manifest and version resource, under 1 MiB) and starts: each build under its
# own kind of Wine.
set -euo pipefail

ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd -P)
export STILLVIEW_BUILD_ROOT=$1
version=$(head -n 1 "$ROOT/VERSION")
work=$(mktemp -d "${TMPDIR:-/tmp}/stillview-release-test.XXXXXX")
trap 'rm -rf "$work"' EXIT
failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }

# The first line package.sh prints is the zip's path.
first=$(umask 022 && TZ=UTC "$ROOT/tools/package.sh" --prebuilt --out "$work/one")
first=${first%%$'\n'*}
# Zip times have a resolution of two seconds: anything taken from the clock would now differ.
deadline=$((SECONDS + 10))
until [ "$(date +%s)" -ge $(($(stat -c %Y "$first") + 3)) ]; do
    [ $SECONDS -lt $deadline ] || { echo "the clock does not advance" >&2; exit 1; }
    sleep 0.2
done
second=$(umask 077 && TZ=Asia/Tokyo TMPDIR=$work "$ROOT/tools/package.sh" --prebuilt --out "$work/two")
second=${second%%$'\n'*}
[ "$(basename "$first")" = "StillView-$version.zip" ] || fail "the zip is named $(basename "$first")"
cmp "$first" "$second" || fail "two packagings of the same build differ"

expected_entries="README.txt
SHA256SUMS
StillView.exe
StillVerify.exe
x64/StillView.exe
x64/StillVerify.exe"
[ "$(unzip -Z1 "$first")" = "$expected_entries" ] \
    || fail "the entries are $(unzip -Z1 "$first" | tr '\n' ' ')"
commit_time=$(git -C "$ROOT" log -1 --format=%ct)
while read -r mode time entry; do
    [ "$mode" = "-rw-r--r--" ] || fail "$entry has mode $mode"
    seconds=$(TZ=UTC date -d "${time:0:8} ${time:9:2}:${time:11:2}:${time:13:2}" +%s)
    # Zip keeps times to two seconds.
    [ $((seconds - commit_time)) -ge -1 ] && [ $((seconds - commit_time)) -le 1 ] \
        || fail "$entry has time $time (UTC), not the commit's"
done < <(zipinfo -T "$first" | awk '$1 ~ /^-/ { print $1, $7, $8 }')

unzip -q "$first" -d "$work/unpacked"
(cd "$work/unpacked" && sha256sum --quiet --strict -c SHA256SUMS) || fail "sha256sum -c SHA256SUMS fails"
[ "$(cut -d ' ' -f 3 "$work/unpacked/SHA256SUMS" | sort)" = "$(grep -vx SHA256SUMS <<<"$expected_entries" | sort)" ] \
    || fail "SHA256SUMS does not name every other file"

guide=$work/unpacked/README.txt
[ "$(grep -c $'\r$' "$guide")" = "$(wc -l <"$guide")" ] || fail "README.txt has lines without a Windows line end"
grep -q "^StillView $version"$'\r$' "$guide" || fail "README.txt does not begin with the version"

for executable in "StillView.exe i386 gui" "StillVerify.exe i386 console" \
    "x64/StillView.exe x86-64 gui" "x64/StillVerify.exe x86-64 console"; do
    read -r entry machine subsystem <<<"$executable"
    "$ROOT/tools/package/check-executable.sh" "$work/unpacked/$entry" "$machine" "$subsystem" "$version" \
        || fail "$entry"
done

harness=$ROOT/tests/harness
for place in "win32 ." "win64 x64"; do
    read -r build folder <<<"$place"
    cp "$ROOT/res/sample/b-320b.bmp" "$work/unpacked/$folder/"
    "$harness/build-session.sh" "$STILLVIEW_BUILD_ROOT" "$build" "$ROOT/tests/package/comes-up.sh" \
        "$work/unpacked/$folder" || fail "the $build executables do not start"
done

[ $failures = 0 ] || exit 1
echo "release zip: $(stat -c %s "$first") bytes, the same twice; every check passed"
