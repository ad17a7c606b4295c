#include "Test_Controle_Saisie.h"
#include "Test_Edition_QSO.h"
#include "Test_Enregistrement.h"
#include "Test_Journal.h"
#include "Test_Prenoms.h"
#include "Test_Saisie_QSO.h"
#include "support/Principal.h"

KEZ_TEST_MAIN(Test_Enregistrement, Test_Journal, Test_Controle_Saisie, Test_Prenoms, Test_Saisie_QSO,
              Test_Edition_QSO)
