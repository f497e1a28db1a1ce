# Sourced: a 32-bit Wine prefix of our own, made on first use, with no crash dialog and sound going
# nowhere. Sets WINEPREFIX, WINEARCH, WINEDEBUG and ALSA_CONFIG_PATH; wine_run runs a Windows
# program with a time limit and returns its exit status.
#   GLINT_WINE_PREFIX   the prefix folder (default: build-win32/wine-prefix under the repo)

_glint_repo="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
export WINEPREFIX="${GLINT_WINE_PREFIX:-$_glint_repo/build-win32/wine-prefix}"
export WINEARCH=win32
export WINEDEBUG="${WINEDEBUG:--all}"
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml=}"
export ALSA_CONFIG_PATH="$(dirname "$WINEPREFIX")/alsa-null.conf"

wine_prepare() {
    mkdir -p "$(dirname "$WINEPREFIX")"
    printf 'pcm.!default { type null }\nctl.!default { type hw card 0 }\n' > "$ALSA_CONFIG_PATH"
    if [ ! -f "$WINEPREFIX/system.reg" ]; then
        timeout 120 wineboot --init >/dev/null 2>&1 || true
        timeout 60 wine reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f \
            >/dev/null 2>&1 || true
        timeout 60 wineserver -w || true
    fi
    [ -f "$WINEPREFIX/system.reg" ]
}

# wine_run SECONDS PROGRAM [ARGS...]
wine_run() {
    local seconds="$1"
    shift
    timeout --kill-after=5 "$seconds" wine "$@"
}
