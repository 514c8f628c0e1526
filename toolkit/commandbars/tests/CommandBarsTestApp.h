// CommandBarsTestApp.h: the application the command-bar tests run in, and the loop's translation step.
//
// Classes: CCommandBarsTestApp, CLoopTranslation.
#pragma once

#include <afxwin.h>

class CCommandBarsTestApp : public CWinApp
{
public:
    CCommandBarsTestApp() : CWinApp("Command Bars Tests") {}
    BOOL InitInstance() override;
};

// While it lives, messages the thread takes from its queue pass the
// application's pre-translation first, as in the application's own loop.
class CLoopTranslation
{
public:
    CLoopTranslation();
    ~CLoopTranslation();
    CLoopTranslation(const CLoopTranslation&) = delete;
    CLoopTranslation& operator=(const CLoopTranslation&) = delete;

private:
    static LRESULT CALLBACK GetMessageProc(int nCode, WPARAM wParam, LPARAM lParam);
    HHOOK m_hHook;
};
