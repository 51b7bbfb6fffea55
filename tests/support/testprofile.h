#pragma once

#include "app/appearance.h"

#include <QApplication>
#include <QString>
#include <QtTest>

// Gives a test process a private home folder, so settings, documents, cache and
// output never touch the user's. Call before the application object exists.
namespace TestProfile {
void setUp();
QString home();
}

// Like QTEST_MAIN, with a private profile and the application prepared as at start-up.
#define BRINDLE_TEST_MAIN(TestObject)                                                                         \
    int main(int argc, char *argv[])                                                                           \
    {                                                                                                          \
        TestProfile::setUp();                                                                                  \
        QApplication app(argc, argv);                                                                          \
        Startup::prepareApplication(app);                                                                      \
        TestObject tc;                                                                                         \
        return QTest::qExec(&tc, argc, argv);                                                                  \
    }
