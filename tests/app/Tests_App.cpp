#include "Test_Aide.h"
#include "Test_Main.h"
#include "Test_Plateforme.h"
#include "Test_Repertoire.h"
#include "Test_Station.h"
#include "support/Principal.h"

KEZ_TEST_MAIN(Test_Plateforme, Test_Main, Test_Station, Test_Repertoire, Test_Aide)
