#include "Tests_Installation.h"

#include "support/Principal.h"

KEZ_TEST_MAIN(Test_Installation, Test_Paquet)
