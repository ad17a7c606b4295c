#include "app/Twips.h"

namespace Twips {

int Pixels(int twips, int dpi) {
    return (twips * dpi + Par_Pouce / 2) / Par_Pouce;
}

QRect Rectangle(int gauche, int haut, int largeur, int hauteur, int dpi) {
    return {Pixels(gauche, dpi), Pixels(haut, dpi), Pixels(largeur, dpi), Pixels(hauteur, dpi)};
}

} // namespace Twips
