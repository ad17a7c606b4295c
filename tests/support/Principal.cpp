#include "support/Principal.h"

int main(int argc, char* argv[]) {
    return Registre_Tests::Execute(argc, argv);
}
