// The main of every test program: the application first, then the tests.
#include "support/testenv.h"

int main(int argc, char **argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    ts::test::initApplication(argc, argv);
    return RUN_ALL_TESTS();
}
