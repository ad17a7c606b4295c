#include "Tests_Robustesse.h"

#include "support/Principal.h"

KEZ_TEST_MAIN(Test_Processus, Test_Entrees_Abimees, Test_Pannes)
