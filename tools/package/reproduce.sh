#!/usr/bin/env bash
# usage: tools/package/reproduce.sh
# The full reproducibility check of the release: packages this tree's commit as
# tools/package.sh does, then clones the commit into a fresh folder, builds everything there
# from nothing (new build folders, another path, another time) and packages it again. The two
# zips must be the same bytes; if they are not, the entries that differ are named.
# Uncommitted changes are not part of a commit, so the tree must be clean.
set -euo pipefail

ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd -P)
die() { echo "reproduce.sh: $*" >&2; exit 1; }

[ -z "$(git -C "$ROOT" status --porcelain --untracked-files=no)" ] \
    || die "the tree has uncommitted changes; commit them first"
commit=$(git -C "$ROOT" rev-parse HEAD)

# The first line package.sh prints is the zip's path.
first=$("$ROOT/tools/package.sh")
first=${first%%$'\n'*}

work=$(mktemp -d "${TMPDIR:-/tmp}/stillview-reproduce.XXXXXX")
trap 'rm -rf "$work"' EXIT
git clone --quiet --no-checkout "$ROOT" "$work/source"
git -C "$work/source" checkout --quiet --detach "$commit"
echo "reproduce.sh: building $commit from nothing in $work"
second=$(STILLVIEW_BUILD_ROOT=$work/build "$work/source/tools/package.sh" --out "$work/dist")
second=${second%%$'\n'*}

if cmp -s "$first" "$second"; then
    echo "reproduce.sh: identical: $first"
    echo "sha256: $(sha256sum "$first" | cut -d ' ' -f 1)"
    exit 0
fi
mkdir "$work/first" "$work/second"
unzip -q "$first" -d "$work/first"
unzip -q "$second" -d "$work/second"
diff -r "$work/first" "$work/second" >&2 || true
diff <(zipinfo -T "$first") <(zipinfo -T "$second") >&2 || true
die "the zip built from nothing differs from $first"
