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

# Twelve QSOs with lighthouses spread over the shipped reference list, written as the program writes
# its records (107 columns, Windows-1252, CR LF); awk works on bytes, so the widths hold.
LC_ALL=C awk -v indicatif="$indicatif" '
    { sub(/\r$/, ""); ligne[NR] = $0 }
    END {
        n = int(NR / 5)
        split("F5ABC F6XYZ EA2KZ F8DGY ON4LH F4HPX G3PHO F5NBQ DL7TOR F1ULM F6KRT TK5EP", ind, " ")
        split("JEAN PAUL IKER MARC LUC PIERRE JOHN ANNE KARL MICHEL YVES ANDRE", pre, " ")
        split("14 Mhz|14 Mhz|7.0 Mhz|14 Mhz|3.5 Mhz|14 Mhz|21 Mhz|14 Mhz|14 Mhz|7.0 Mhz|14 Mhz|28 Mhz", bde, "|")
        for (k = 0; k < 12 && n > 0; k++) {
            r = int(k * n / 12) * 5
            nom = "P. " ligne[r + 1]
            printf "%-12s %-4s %-15s %-6s%02d/%02d/25 %02d:%02d %-3s %-7s %-3s %-3s %-30.30s %s\r\n", \
                ind[k + 1], ligne[r + 4], pre[k + 1], "PB" (ligne[r + 2] + 0), 3 + (k * 7) % 25, 1 + k, \
                8 + k, (k * 17) % 60, (k % 4 == 3 ? "CW" : "SSB"), bde[k + 1], (k % 4 == 3 ? "599" : "59"), \
                (k % 4 == 3 ? "579" : "57"), nom, (k % 3 == 0 ? "*" : " ")
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

# The map through its menu: Alt, then "Carte" (seventh title of the bar), then its only item.
xdotool windowfocus --sync "$principale"
xdotool key alt Right Right Right Right Right Right Down Return
carte="$(attend 10 '^Carte des départements contactés$')" || true
if [ -n "$carte" ]; then
    sleep 1
    import -window "$carte" "$sortie/Carte.png"
    echo "docs/captures/Carte.png"
else
    echo "No map window in this program yet: docs/captures/Carte.png left as it was." >&2
fi
