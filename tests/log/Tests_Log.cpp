#include "Test_Enregistrement.h"
#include "Test_Journal.h"
#include "support/Principal.h"

KEZ_TEST_MAIN(Test_Enregistrement, Test_Journal)
