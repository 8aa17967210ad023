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
#ifdef TAGSMITH_WIDGET_TESTS
    // The text cursor does not blink. A blink, every half second of real time, lays out the text between the
    // cursor and the top of the box and so moves the box's scroll bar: what a test found would depend on how
    // fast it ran.
    QApplication::setCursorFlashTime(0);
#endif
    return RUN_ALL_TESTS();
}
