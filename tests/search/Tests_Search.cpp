#include "Tests_Search.h"

#include "support/Principal.h"

KEZ_TEST_MAIN(Test_Recherche, Test_Recherche_Fenetre)
