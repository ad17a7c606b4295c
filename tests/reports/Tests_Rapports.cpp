#include "Tests_Rapports.h"

#include "support/Principal.h"

KEZ_TEST_MAIN(Test_Adif, Test_Rapports, Test_Fenetres_Rapports)
