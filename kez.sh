#!/usr/bin/env bash
# Builds and starts KEZ_TORV, or builds and runs its test suite, on Debian 12.
#   ./kez.sh run        install what is missing, build, start the program
#   ./kez.sh test       install what is missing, build, run the whole test suite headless
#   ./kez.sh sanitize   the same under AddressSanitizer and UndefinedBehaviorSanitizer
#   ./kez.sh bench      build optimised, time the program on logs of 1,000 to 50,000 QSOs
#   ./kez.sh fuzz       build the fuzz targets with clang, run each for a minute (FUZZ_SECONDES to change)
#   ./kez.sh package    install what is missing, build, make the Debian and RPM packages
#   ./kez.sh captures   install what is missing, build, take the user guide's pictures again
set -euo pipefail
cd "$(dirname "$0")"

PACKAGES=(cmake g++ make qt6-base-dev qt6-base-dev-tools qt6-translations-l10n libgl-dev
          fonts-liberation fonts-dejavu-core poppler-utils dpkg-dev desktop-file-utils appstream
          rpm lintian)  # rpm: rpmbuild for the RPM package; lintian checks the Debian package
# Only for the guide's pictures: a virtual screen, a robot keyboard and a screen grabber.
CAPTURE_PACKAGES=(xvfb xauth xdotool imagemagick)

FUZZ_PACKAGES=(clang libclang-rt-14-dev)

# The test suite reads the ADIF export with an independent reader, an npm package installed into the
# build folder (tests/reports/CMakeLists.txt says where); without it that test is skipped.
LECTEUR_ADIF=adif-parser-ts
LECTEUR_ADIF_VERSION=0.7.7

installe_lecteur_adif() {
    local dossier=$1
    if ! command -v node >/dev/null || ! command -v npm >/dev/null; then
        local sudo=()
        [ "$(id -u)" -ne 0 ] && sudo=(sudo)
        echo "Installing: nodejs npm"
        "${sudo[@]}" apt-get update -qq
        DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends nodejs npm ||
            { echo "nodejs/npm not installed: the ADIF reader test will be skipped"; return 0; }
    fi
    grep -qs "\"version\": \"$LECTEUR_ADIF_VERSION\"" "$dossier/node_modules/$LECTEUR_ADIF/package.json" && return
    mkdir -p "$dossier"
    npm install --prefix "$dossier" --no-audit --no-fund --no-save --loglevel=error \
        "$LECTEUR_ADIF@$LECTEUR_ADIF_VERSION" ||
        echo "$LECTEUR_ADIF not installed: the ADIF reader test will be skipped"
}

install_missing() {
    local missing=()
    for p in "${PACKAGES[@]}" "$@"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
    done
    [ ${#missing[@]} -eq 0 ] && return
    local sudo=()
    [ "$(id -u)" -ne 0 ] && sudo=(sudo)
    echo "Installing: ${missing[*]}"
    "${sudo[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

build_default() {
    install_missing "$@"
    cmake --preset default >/dev/null
    cmake --build --preset default
}

case "${1:-}" in
run)
    build_default
    exec ./build/default/programme/KEZ_TORV
    ;;
test)
    install_missing
    installe_lecteur_adif build/test/lecteur_adif
    cmake --preset test >/dev/null
    cmake --build --preset test
    QT_QPA_PLATFORM=offscreen ctest --preset test
    ;;
sanitize)
    install_missing
    installe_lecteur_adif build/sanitize/lecteur_adif
    cmake --preset sanitize >/dev/null
    cmake --build --preset sanitize
    QT_QPA_PLATFORM=offscreen ctest --preset sanitize
    ;;
bench)
    install_missing
    cmake --preset default >/dev/null
    cmake --build --preset default --target kez_bench
    ./build/default/bench/kez_bench
    ;;
fuzz)
    install_missing "${FUZZ_PACKAGES[@]}"
    cmake --preset fuzz >/dev/null
    cmake --build --preset fuzz
    # Each target keeps what it found worth keeping in build/fuzz/corpus/<target>, starting from
    # the seeds of fuzz/graines/<target>; a crash leaves its input in build/fuzz/trouvailles/.
    for cible in build/fuzz/fuzz/fuzz_*; do
        [ -f "$cible" ] && [ -x "$cible" ] || continue
        nom=$(basename "$cible")
        mkdir -p "build/fuzz/corpus/$nom" build/fuzz/trouvailles
        echo "== $nom, ${FUZZ_SECONDES:-60} s"
        "$cible" -max_total_time="${FUZZ_SECONDES:-60}" -timeout=10 -rss_limit_mb=4096 \
            -artifact_prefix=build/fuzz/trouvailles/"$nom"- -print_final_stats=1 \
            "build/fuzz/corpus/$nom" "fuzz/graines/$nom"
    done
    ;;
package)
    build_default
    rm -rf build/default/paquet
    cpack --config build/default/CPackConfig.cmake -B build/default/paquet >/dev/null
    deb=$(ls build/default/paquet/*.deb)
    rpm=$(ls build/default/paquet/*.rpm)
    echo "Debian package: $deb"
    echo "  install it with: sudo apt-get install ./$deb"
    echo "RPM package: $rpm"
    echo "  install it with: sudo dnf install ./$rpm (Fedora) or sudo zypper install ./$rpm (openSUSE)"
    ;;
captures)
    build_default "${CAPTURE_PACKAGES[@]}"
    tools/captures/captures.sh build/default/programme/KEZ_TORV
    ;;
*)
    echo "usage: $0 run|test|sanitize|bench|fuzz|package|captures" >&2
    exit 2
    ;;
esac
