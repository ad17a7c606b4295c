#include "Tests_Log.h"

#include "support/Principal.h"

KEZ_TEST_MAIN(Test_Enregistrement, Test_Journal, Test_Controle_Saisie, Test_Prenoms, Test_Saisie_QSO,
              Test_Edition_QSO)
