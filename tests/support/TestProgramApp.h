// TestProgramApp.h: the application object of a window-test program that runs without the test MDI application.
//
// Classes: CTestProgramApp.
#pragma once

#include <afxwin.h>

// Started with the program's instance before the first test, as the program's own start-up would.
class CTestProgramApp : public CWinApp
{
public:
    explicit CTestProgramApp(LPCTSTR lpszAppName);
};
