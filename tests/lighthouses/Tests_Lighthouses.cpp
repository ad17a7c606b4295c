#include "Test_Liste_Phare.h"
#include "Test_Phares_Francais.h"
#include "Test_Reference_Phare.h"
#include "support/Principal.h"

KEZ_TEST_MAIN(Test_Liste_Phare, Test_Reference_Phare, Test_Phares_Francais)
