#pragma once

class Choix_Fichier;
class Fichiers;
class Horloge;
class Imprimante;
class Messages;
class Parametres;
class Repertoire;

// What the program asks of the machine it runs on. The program is given the real ones; the tests
// give doubles.
struct Plateforme {
    Messages& messages;
    Horloge& horloge;
    Repertoire& repertoire;
    Parametres& parametres;
    Fichiers& fichiers;
    Imprimante& imprimante;
    Choix_Fichier& choix_fichier;
};
