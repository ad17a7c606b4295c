#pragma once

#include <QApplication>
#include <QTest>
#include <functional>
#include <vector>

// Each test class is defined in its own .cpp and put on its executable's list there by KEZ_TEST(Classe)
// after its slots; KEZ_TEST_MAIN() runs every class on the list, its exit status counting those that fail.
namespace Registre_Tests {

using Lance = std::function<int(int argc, char* argv[])>;

inline std::vector<Lance>& Classes() {
    static std::vector<Lance> classes;
    return classes;
}

inline bool Inscrit(Lance lance) {
    Classes().push_back(std::move(lance));
    return true;
}

inline int Execute(int argc, char* argv[]) {
    QApplication application(argc, argv);
    int echecs = 0;
    for (const Lance& lance : Classes())
        echecs += lance(argc, argv) != 0;
    return echecs;
}

} // namespace Registre_Tests

#define KEZ_TEST(Classe)                                                                                     \
    static const bool Classe##_Inscrite = Registre_Tests::Inscrit([](int argc, char* argv[]) {               \
        Classe test;                                                                                         \
        return QTest::qExec(&test, argc, argv);                                                              \
    });
