#!/usr/bin/env bash
# Builds and starts KEZ_TORV, or builds and runs its test suite, on Debian 12.
#   ./kez.sh run    install what is missing, build, start the program
#   ./kez.sh test   install what is missing, build, run the whole test suite headless
set -euo pipefail
cd "$(dirname "$0")"

PACKAGES=(cmake g++ make qt6-base-dev qt6-base-dev-tools qt6-translations-l10n libgl-dev
          fonts-liberation fonts-dejavu-core poppler-utils)

install_missing() {
    local missing=()
    for p in "${PACKAGES[@]}"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
    done
    [ ${#missing[@]} -eq 0 ] && return
    local sudo=()
    [ "$(id -u)" -ne 0 ] && sudo=(sudo)
    echo "Installing: ${missing[*]}"
    "${sudo[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

case "${1:-}" in
run)
    install_missing
    cmake --preset default >/dev/null
    cmake --build --preset default
    exec ./build/default/programme/KEZ_TORV
    ;;
test)
    install_missing
    cmake --preset test >/dev/null
    cmake --build --preset test
    QT_QPA_PLATFORM=offscreen ctest --preset test
    ;;
*)
    echo "usage: $0 run|test" >&2
    exit 2
    ;;
esac
