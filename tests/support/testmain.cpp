// The main of every test program: the application first (one with widgets for the programs that drive
// windows), then the tests.
#include "support/testenv.h"

#ifdef TAGSMITH_WIDGET_TESTS
#include <QApplication>
using TestApplication = QApplication;
#else
#include <QCoreApplication>
using TestApplication = QCoreApplication;
#endif

int main(int argc, char **argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    ts::test::prepareTestRun();
    // Never destroyed: the program-wide windows outlive main.
    new TestApplication(argc, argv);
    return RUN_ALL_TESTS();
}
