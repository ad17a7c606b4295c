#include "Test_Coupure.h"
#include "Test_Disque_Reel.h"
#include "Test_Entrees_Abimees.h"
#include "Test_Listes_Abimees.h"
#include "Test_Pannes.h"
#include "Test_Verrou_Dossier.h"
#include "support/Principal.h"

KEZ_TEST_MAIN(Test_Verrou_Dossier, Test_Entrees_Abimees, Test_Listes_Abimees, Test_Pannes, Test_Disque_Reel,
              Test_Coupure)
