#include "Tests_Carte.h"

#include "support/Principal.h"

KEZ_TEST_MAIN(Test_Carte_Departements, Test_Carte_Fenetre)
