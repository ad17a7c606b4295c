#include "Test_Installation.h"
#include "Test_Paquet.h"
#include "support/Principal.h"

KEZ_TEST_MAIN(Test_Installation, Test_Paquet)
