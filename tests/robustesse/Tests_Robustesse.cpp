#include "support/Principal.h"

KEZ_TEST_MAIN()
