// CommandBarsTestApp.h: the application the command-bar tests run in.
//
// Classes: CCommandBarsTestApp.
#pragma once

#include <afxwin.h>

#include "LoopTranslation.h"

class CCommandBarsTestApp : public CWinApp
{
public:
    CCommandBarsTestApp() : CWinApp("Command Bars Tests") {}
    BOOL InitInstance() override;
};
