#include "Test_Recherche.h"
#include "Test_Recherche_Fenetre.h"
#include "support/Principal.h"

KEZ_TEST_MAIN(Test_Recherche, Test_Recherche_Fenetre)
