#!/usr/bin/env bash
# usage: wine-drive.sh add LETTER TYPE LABEL FOLDER
#        wine-drive.sh remove LETTER
#
# Inside a wine-session.sh session: makes LETTER: a drive on FOLDER (created
# if missing) of TYPE floppy | cdrom | hd | none (none: no type value, so
# Wine's default applies: a: and b: floppies, others fixed), with volume
# label LABEL (kept in FOLDER/.windows-label; none for an empty LABEL).
# Returns once the registry answers with the new type and the drive reports
# it; `remove` undoes link, type value and label file (FOLDER stays).
#
# Wine's mount manager reads the drive list only when it starts, so the
# drive is defined through it (as winecfg does) by the probe program, which
# is built on first use into PREFIX/.stillview-harness. Changing a label of
# an existing drive needs another `add`. Drives stay in the prefix until
# removed.
set -euo pipefail

HERE=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd -P)
source "$HERE/wine-loader.sh"

die() { echo "wine-drive.sh: $*" >&2; exit 1; }
usage() {
    echo "usage: wine-drive.sh add LETTER floppy|cdrom|hd|none LABEL FOLDER" >&2
    echo "       wine-drive.sh remove LETTER" >&2
    exit 64
}

[ $# -ge 2 ] || usage
action=$1
letter=$(echo "$2" | tr 'A-Z' 'a-z')
letter=${letter%:}
[[ $letter =~ ^[a-z]$ ]] || die "bad drive letter '$2'"
[ "$letter" != c ] || die "c: is the prefix's system drive"

export WINEPREFIX=${WINEPREFIX:-${STILLVIEW_WINEPREFIX:-}}
[ -n "$WINEPREFIX" ] || die "WINEPREFIX is not set (run inside wine-session.sh)"
[ -d "$WINEPREFIX/dosdevices" ] || die "no Wine prefix at $WINEPREFIX"
export WINEDEBUG=${WINEDEBUG:--all}
link="$WINEPREFIX/dosdevices/$letter:"

probe=$("$HERE/probe/build-probe.sh" "$WINEPREFIX/.stillview-harness" "$WINE_ARCH")

# Prints the type value of the drive in the registry, nothing if absent.
reg_type() {
    "$WINE" reg query 'HKLM\Software\Wine\Drives' /v "$letter:" 2>/dev/null </dev/null |
        tr -d '\r' | awk -v n="$letter:" 'tolower($1) == n && $2 == "REG_SZ" { print $3 }' || true
}

# Prints "TYPE|LABEL" as GetDriveTypeW and GetVolumeInformationW see them.
drive_view() {
    "$WINE" "$probe" drive "$letter" </dev/null 2>/dev/null | tr -d '\r' |
        awk -F= '$1 == "type" { t = $2 } $1 == "label" { l = substr($0, 7) }
                 END { printf "%s|%s", t, l }'
}

# Waits until the registry and the drive both look as expected.
wait_for() {
    local want_reg=$1 want_view=$2 deadline got_reg got_view
    deadline=$((SECONDS + ${STILLVIEW_DRIVE_TIMEOUT:-20}))
    while :; do
        got_reg=$(reg_type)
        got_view=$(drive_view)
        [ "$got_reg" = "$want_reg" ] && [ "$got_view" = "$want_view" ] && return 0
        if [ $SECONDS -ge $deadline ]; then
            die "$letter: did not settle: registry '${got_reg:-<none>}' (want '${want_reg:-<none>}'), drive type|label '$got_view' (want '$want_view')"
        fi
        sleep 0.1
    done
}

case $action in
add)
    [ $# -eq 5 ] || usage
    type=$3 label=$4 folder=$5
    case $type in
        floppy) want_type=2 ;;
        cdrom) want_type=5 ;;
        hd) want_type=3 ;;
        none) if [[ $letter < c ]]; then want_type=2; else want_type=3; fi ;;
        *) die "bad drive type '$type' (floppy, cdrom, hd or none)" ;;
    esac
    mkdir -p "$folder"
    folder=$(cd "$folder" && pwd -P)
    # The manager reads the label when the drive is defined, so it goes first.
    if [ -n "$label" ]; then
        printf '%s' "$label" >"$folder/.windows-label" \
            || die "could not write the label to $folder (full?)"
    else
        rm -f "$folder/.windows-label"
    fi
    out=$("$WINE" "$probe" define-drive "$letter" "$type" "$folder" </dev/null 2>&1 | tr -d '\r') \
        || die "defining $letter: failed: $out"
    [ "$(readlink "$link" || true)" = "$folder" ] || ln -sfn "$folder" "$link"
    want_reg=$type
    [ "$type" = none ] && want_reg=
    # Wine drops trailing blanks and line ends from a label.
    want_label=$(printf '%s' "$label" | sed -e 's/[[:space:]]*$//')
    wait_for "$want_reg" "$want_type|$want_label"
    ;;
remove)
    [ $# -eq 2 ] || usage
    folder=$(readlink "$link" || true)
    out=$("$WINE" "$probe" remove-drive "$letter" </dev/null 2>&1 | tr -d '\r') \
        || die "removing $letter: failed: $out"
    rm -f "$link" "$link:"
    if [ -n "$(reg_type)" ]; then
        "$WINE" reg delete 'HKLM\Software\Wine\Drives' /v "$letter:" /f </dev/null >/dev/null 2>&1 || true
    fi
    [ -n "$folder" ] && [ -d "$folder" ] && rm -f "$folder/.windows-label"
    # DRIVE_NO_ROOT_DIR, no label.
    wait_for "" "1|"
    ;;
*)
    usage
    ;;
esac
