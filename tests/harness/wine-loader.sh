# Sourced by the harness's scripts: the Wine that runs the build STILLVIEW_WINE_ARCH names, win64
# (the default) or win32, unless STILLVIEW_WINE and STILLVIEW_WINESERVER name a loader and server.
# Sets WINE, WINESERVER (exported: the 32-bit loader must find the 64-bit server, which serves
# both kinds of prefix and runs natively where the 32-bit loader is emulated), WINE_ARCH and
# WINE_PROCESS_DIRS (the folders whose programs are this Wine's processes) and WINE_ROUTE (native,
# or emulated where the machine cannot run the build's code).
WINE_ARCH=${STILLVIEW_WINE_ARCH:-win64}
case $WINE_ARCH in
    win64)
        WINE=${STILLVIEW_WINE:-/usr/lib/wine/wine64}
        WINE_PROCESS_DIRS=$(dirname "$WINE")
        WINE_ROUTE=native
        ;;
    win32)
        # Made by tools/install-wine32.sh; emulated, its processes run as its qemu-i386.
        wine32_root=${STILLVIEW_WINE32_ROOT:-/opt/stillview/wine32}
        WINE=${STILLVIEW_WINE:-$wine32_root/usr/lib/wine/wine}
        WINE_PROCESS_DIRS=$wine32_root
        WINE_ROUTE=$(sed -n 2p "$wine32_root/.stillview-wine32" 2>/dev/null || echo "not installed")
        ;;
    *)
        echo "wine-loader.sh: STILLVIEW_WINE_ARCH is '$WINE_ARCH', not win64 or win32" >&2
        exit 64
        ;;
esac
export WINESERVER=${STILLVIEW_WINESERVER:-/usr/lib/wine/wineserver64}
WINE_PROCESS_DIRS="$WINE_PROCESS_DIRS $(dirname "$WINESERVER")"
