# Sourced by the scripts that run Windows programs under Wine on a private virtual display.
#   wine_desktop_start PREFIX_DIR [GEOMETRY | two-monitors]
#                                   starts Xvfb and openbox, prepares the Wine prefix; two-monitors
#                                   gives a 1920x1080 and a 1280x1024 monitor side by side
#   wine_desktop_stop               ends every process of the prefix, openbox and Xvfb
# Exports DISPLAY, WINEPREFIX, WINEDEBUG and WINE_DESKTOP_DISPLAY.

WINE_DESKTOP_XVFB_PID=""
WINE_DESKTOP_OPENBOX_PID=""

wine_desktop_prepare_prefix() {
    local prefix="$1"
    export WINEPREFIX="$prefix" WINEARCH=win64 WINEDEBUG=-all
    if [ ! -f "$prefix/.tilora-ready" ]; then
        mkdir -p "$prefix"
        wine wineboot -i >/dev/null 2>&1 || true
        # Wine draws and manages its own frames: placement sequences then behave deterministically.
        wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
        wineserver -w
        touch "$prefix/.tilora-ready"
    fi
    if [ ! -f "$prefix/.tilora-xinerama" ]; then
        # Wine then takes the monitors from the X server's Xinerama answer, which follows
        # `xrandr --setmonitor`.
        wine reg add 'HKCU\Software\Wine\X11 Driver' /v UseXRandR /d N /f >/dev/null 2>&1
        wineserver -w
        touch "$prefix/.tilora-xinerama"
    fi
}

# The monitors of the X server as Wine will see them. A running Wine takes a later change in only
# when a new process re-applies the display settings (tests/e2e/DisplayChange.cpp).
wine_desktop_two_monitors() {
    xrandr --setmonitor Left 1920/508x1080/286+0+0 screen >/dev/null
    xrandr --setmonitor Right 1280/339x1024/271+1920+0 none >/dev/null
}

wine_desktop_start() {
    local prefix geometry="${2:-1920x1080x24}" fdfile monitors=""
    prefix=$(realpath -m "$1")
    if [ "$geometry" = two-monitors ]; then
        geometry=3200x1080x24
        monitors=two
    fi
    fdfile=$(mktemp)
    Xvfb -displayfd 3 -screen 0 "$geometry" -nolisten tcp -noreset 3>"$fdfile" >/dev/null 2>&1 &
    WINE_DESKTOP_XVFB_PID=$!
    local waited=0
    while [ ! -s "$fdfile" ] && [ "$waited" -lt 100 ]; do sleep 0.1; waited=$((waited + 1)); done
    if [ ! -s "$fdfile" ]; then
        echo "Xvfb did not start" >&2
        rm -f "$fdfile"
        return 1
    fi
    WINE_DESKTOP_DISPLAY=":$(head -n1 "$fdfile")"
    rm -f "$fdfile"
    export DISPLAY="$WINE_DESKTOP_DISPLAY" WINE_DESKTOP_DISPLAY
    # Before any Wine process: each reads the monitors when it starts.
    if [ -n "$monitors" ]; then wine_desktop_two_monitors; fi
    openbox --sm-disable >/dev/null 2>&1 &
    WINE_DESKTOP_OPENBOX_PID=$!
    wine_desktop_prepare_prefix "$prefix"
    wineserver -p >/dev/null 2>&1 || true
}

wine_desktop_stop() {
    if [ -n "${WINEPREFIX:-}" ]; then wineserver -k >/dev/null 2>&1 || true; fi
    if [ -n "$WINE_DESKTOP_OPENBOX_PID" ]; then kill "$WINE_DESKTOP_OPENBOX_PID" 2>/dev/null || true; fi
    if [ -n "$WINE_DESKTOP_XVFB_PID" ]; then
        kill "$WINE_DESKTOP_XVFB_PID" 2>/dev/null || true
        wait "$WINE_DESKTOP_XVFB_PID" 2>/dev/null || true
    fi
    WINE_DESKTOP_OPENBOX_PID=""
    WINE_DESKTOP_XVFB_PID=""
}

# A PNG of the whole virtual display.
wine_desktop_screenshot() {
    xwd -root -display "$WINE_DESKTOP_DISPLAY" -silent | convert xwd:- "$1"
}
