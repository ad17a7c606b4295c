#pragma once

#include <QApplication>
#include <QTest>

template <typename Classe> int Execute_Test(int argc, char* argv[]) {
    Classe test;
    return QTest::qExec(&test, argc, argv);
}

// Runs several test classes in one executable; the exit status counts the failed ones.
template <typename... Classes> int Execute_Tests(int argc, char* argv[]) {
    QApplication application(argc, argv);
    return (Execute_Test<Classes>(argc, argv) + ...);
}

#define KEZ_TEST_MAIN(...)                                                                                   \
    int main(int argc, char* argv[]) {                                                                       \
        return Execute_Tests<__VA_ARGS__>(argc, argv);                                                       \
    }
