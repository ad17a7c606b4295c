#include "Test_Adif.h"
#include "Test_Fenetres_Rapports.h"
#include "Test_Rapports.h"
#include "support/Principal.h"

KEZ_TEST_MAIN(Test_Adif, Test_Rapports, Test_Fenetres_Rapports)
