// The designer's application object: initialises the controls and OLE, then
// shows the main frame.
#include "KestovaApp.h"
#include "MainFrame.h"

CKestovaApp theApp;

BOOL CKestovaApp::InitInstance()
{
    INITCOMMONCONTROLSEX icc = {sizeof icc, ICC_WIN95_CLASSES};
    ::InitCommonControlsEx(&icc);
    if (!AfxOleInit()) {
        AfxMessageBox("OLE initialization failed.");
        return FALSE;
    }
    CMainFrame* pFrame = new CMainFrame;
    if (!pFrame->CreateMainFrame())
        return FALSE;  // the frame has deleted itself
    m_pMainWnd = pFrame;
    pFrame->ShowWindow(m_nCmdShow);
    pFrame->UpdateWindow();
    return TRUE;
}
