#pragma once
// Every test program links support/testmain.cpp, which creates the application before the tests run.
#include "support/testenv.h"
