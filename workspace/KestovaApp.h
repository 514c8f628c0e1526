// The designer's application object: start-up and the main frame.
#pragma once
#include "afxwin.h"

class CKestovaApp : public CWinApp {
public:
    CKestovaApp() : CWinApp("Kestova") {}
    BOOL InitInstance() override;
};
