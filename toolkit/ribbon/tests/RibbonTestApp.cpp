// RibbonTestApp.cpp: the ribbon test program's application object, which the system menu's recent files read.
#include "TestProgramApp.h"

namespace
{
CTestProgramApp theApp("Ribbon Tests");
}  // namespace
