# Shared by tools/run.sh and tools/test.sh: packages, builds, and the Wine session.
# Sourced, not run. Expects $ROOT to be the repository's top folder.

BUILD="$ROOT/build"
PACKAGES=(cmake make python3 g++-mingw-w64-i686 g++-mingw-w64-x86-64 wine wine64
          xvfb xauth fonts-wqy-microhei imagemagick x11-utils googletest)

log() { printf '== %s\n' "$*" >&2; }

# Installs the Debian packages that are missing (as root), or says how to.
ensure_packages() {
    local missing=() p
    for p in "${PACKAGES[@]}"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    if [ "$(id -u)" -ne 0 ]; then
        echo "Missing packages. Install them with:" >&2
        echo "  sudo apt-get update && sudo apt-get install -y ${missing[*]}" >&2
        exit 1
    fi
    log "installing ${missing[*]}"
    # Never the 32-bit Wine: this machine runs only 64-bit Windows programs.
    DEBIAN_FRONTEND=noninteractive apt-get update -qq
    DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
}

# Configures and builds one architecture: $1 is i686 or x86_64, $2 the build folder.
build_arch() {
    local arch=$1 dir=$2; shift 2
    cmake -S "$ROOT" -B "$dir" -DCMAKE_TOOLCHAIN_FILE="$ROOT/cmake/toolchain-$arch-w64-mingw32.cmake" \
          -DCMAKE_BUILD_TYPE=Release "$@" >/dev/null
    cmake --build "$dir" -j "$(nproc)"
}

# Both products: build/x86 (32-bit Windows) and build/x64 (runs under Wine here, with the tests).
build_all() {
    log "building build/x86 (i686)"
    build_arch i686 "$BUILD/x86" -DQX710_BUILD_TESTS=OFF
    log "building build/x64 (x86_64)"
    build_arch x86_64 "$BUILD/x64" -DQX710_BUILD_TESTS=ON
}

# One Wine prefix and one persistent wineserver for the whole session, plus an
# X server when no display is given. Everything stops at exit, whatever happens.
start_wine_session() {
    export WINEPREFIX="${WINEPREFIX:-$BUILD/wine}" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
    trap stop_wine_session EXIT
    if [ -z "${DISPLAY:-}" ] || [ "${QX710_XVFB:-}" = 1 ]; then
        local n=99
        while [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ]; do n=$((n + 1)); done
        Xvfb ":$n" -screen 0 1024x768x24 -nolisten tcp </dev/null >/dev/null 2>&1 &
        XVFB_PID=$!
        export DISPLAY=":$n"
        for _ in $(seq 50); do [ -e "/tmp/.X11-unix/X$n" ] && break; sleep 0.1; done
    fi
    if [ ! -f "$WINEPREFIX/system.reg" ]; then
        log "creating the Wine prefix $WINEPREFIX"
        setsid wine wineboot </dev/null >/dev/null 2>&1 || true
    fi
    setsid wineserver -p </dev/null >/dev/null 2>&1 || true
    setsid wine wineboot </dev/null >/dev/null 2>&1 || true
    # Wine draws caption bars itself (no window manager here) and never shows a crash dialog.
    wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
    wine reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f >/dev/null 2>&1
}

stop_wine_session() {
    [ -n "${WINEPREFIX:-}" ] && wineserver -k >/dev/null 2>&1 || true
    [ -n "${XVFB_PID:-}" ] && kill "$XVFB_PID" >/dev/null 2>&1 || true
}
