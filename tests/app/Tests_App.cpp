#include "Tests_App.h"

#include "support/Principal.h"

KEZ_TEST_MAIN(Test_Plateforme, Test_Main, Test_Station, Test_Repertoire, Test_Aide)
