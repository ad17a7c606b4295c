#include "Tests_Lighthouses.h"

#include "support/Principal.h"

KEZ_TEST_MAIN(Test_Liste_Phare, Test_Reference_Phare, Test_Phares_Francais)
