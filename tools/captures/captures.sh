#!/usr/bin/env bash
# Takes the pictures of the user guide (docs/captures/*.png): runs the program under Xvfb on a small
# sample log, in a temporary folder and with a temporary HOME, so that no real log or setting is touched.
#   tools/captures/captures.sh [PROGRAM]   (default: build/default/programme/KEZ_TORV)
# Needs xvfb-run, xdotool and ImageMagick's import (./kez.sh captures installs them and builds first).
set -euo pipefail
racine="$(cd "$(dirname "$0")/../.." && pwd)"
programme="$(realpath "${1:-$racine/build/default/programme/KEZ_TORV}")"
sortie="$racine/docs/captures"

if [ "${KEZ_CAPTURES_SOUS_X:-}" != 1 ]; then
    [ -x "$programme" ] || { echo "Program not found: $programme (build it first: ./kez.sh captures)" >&2; exit 1; }
    export KEZ_CAPTURES_SOUS_X=1
    exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$programme"
fi

travail="$(mktemp -d)"
trap 'kill "$pid" 2>/dev/null || true; rm -rf "$travail"' EXIT
pid=
indicatif=F4KEZ

# A portable copy: the program and its data files side by side, in a folder of its own.
dossier="$travail/KEZ_TORV"
mkdir -p "$dossier" "$travail/home/.config/KEZ_TORV"
cp "$programme" "$dossier/"
find "$racine/data" -maxdepth 1 -type f ! -name CMakeLists.txt -exec cp {} "$dossier/" \;

# The settings of station F4KEZ: 14 Mhz and SSB last used, automatic dating.
printf '[Setup%%20]\nIndicatif%%20Station=%s\n\n[Setup%%20%s]\nbande%%20Utilisee=4\nMode%%20Utilise=0\nDate%%20Auto=Oui\n' \
    "$indicatif" "$indicatif" > "$travail/home/.config/KEZ_TORV/TORV.conf"

# Two years of a station's traffic: 90 QSOs with lighthouses of the shipped reference list, some worked on
# several bands, the older ones more often confirmed, and one QSO whose reference the list does not
# hold; written as the program writes its records (107 columns, Windows-1252, CR LF, in date order).
# awk works on bytes, so the widths hold; the draws come from a small generator of its own, so every awk
# gives the same log.
LC_ALL=C awk -v indicatif="$indicatif" '
    function tire(nombre) { graine = (graine * 16807) % 2147483647; return graine % nombre }
    { sub(/\r$/, ""); ligne[NR] = $0 }
    END {
        n = int(NR / 5); graine = 2006; total = 90
        split("F5ABC F6XYZ EA2KZ F8DGY ON4LH F4HPX G3PHO F5NBQ DL7TOR F1ULM F6KRT TK5EP F4GLT F5JYD " \
              "F8ARV PA3GMP F4FRB F5OTB F6HKA HB9DTE", ind, " ")
        split("JEAN PAUL IKER MARC LUC PIERRE JOHN ANNE KARL MICHEL YVES ANDRE ERWAN SOPHIE " \
              "GILLES JAN ALAIN LOIC HERVE URS", pre, " ")
        split("14 Mhz|14 Mhz|14 Mhz|7.0 Mhz|7.0 Mhz|3.5 Mhz|21 Mhz|28 Mhz|18 Mhz|10 Mhz|144 Mhz", bde, "|")
        for (k = 0; k < total && n > 0; k++) {
            i = tire(20) + 1; r = tire(n) * 5; b = bde[tire(11) + 1]
            fm = b == "144 Mhz"; cw = !fm && tire(4) == 0
            reference = k == 77 ? "PB999" : "PB" (ligne[r + 2] + 0)
            t = int(k * 24 * 28 / total); m = int(t / 28)
            printf "%-12s %-4s %-15s %-6s%02d/%02d/%02d %02d:%02d %-3s %-7s %-3s %-3s %-30.30s %s\r\n", \
                ind[i], ligne[r + 4], pre[i], reference, 1 + t % 28, 1 + m % 12, 24 + int(m / 12), \
                7 + tire(14), tire(60), (fm ? "FM" : cw ? "CW" : "SSB"), b, (cw ? "599" : "59"), \
                (cw ? "579" : "57"), "P. " ligne[r + 1], (tire(100) < (k < total / 2 ? 65 : 25) ? "*" : " ")
        }
    }' "$dossier/Liste_Phare.txt" > "$dossier/${indicatif}_TORV.log"

export HOME="$travail/home" XDG_CONFIG_HOME="$travail/home/.config" XDG_DATA_HOME="$travail/home/.local/share"
"$dossier/KEZ_TORV" &
pid=$!

attend() { timeout "$1" xdotool search --sync --onlyvisible --name "$2" 2>/dev/null | head -n 1 || true; }
visible() { xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n 1 || true; }

# A message at start (the first-run one comes before the main window) is closed as the operator would.
principale=
for _ in $(seq 60); do
    boite="$(visible '^KEZ_TORV$')"
    [ -n "$boite" ] && xdotool windowfocus --sync "$boite" key Return
    principale="$(visible '^  KEZ_TORV    Revision')"
    [ -n "$principale" ] && [ -z "$(visible '^KEZ_TORV$')" ] && break
    sleep 0.5
done
[ -n "$principale" ] || { echo "The main window did not show." >&2; exit 1; }
sleep 2 # the clock shows its first tick
mkdir -p "$sortie"
import -window "$principale" "$sortie/Fenetre_Principale.png"
echo "docs/captures/Fenetre_Principale.png"

# A window opened from the main window's menu bar by the keys given, pictured as docs/captures/IMAGE.
#   capture TITLE IMAGE KEY...
capture() {
    local titre=$1 image=$2 fenetre
    shift 2
    xdotool windowfocus --sync "$principale"
    xdotool key "$@"
    fenetre="$(attend 10 "^$titre\$")" || true
    if [ -n "$fenetre" ]; then
        sleep 1
        import -window "$fenetre" "$sortie/$image"
        echo "docs/captures/$image"
    else
        echo "No window \"$titre\" in this program: docs/captures/$image left as it was." >&2
    fi
}

# Alt, then "Carte" (seventh title of the bar) and its only item; "Afficher" (sixth) and its second item.
capture 'Carte des départements contactés' Carte.png alt Right Right Right Right Right Right Down Return
capture 'Suivi du diplôme' Suivi_Phares.png alt Right Right Right Right Right Down Down Return
