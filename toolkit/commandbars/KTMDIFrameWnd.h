// KTMDIFrameWnd.h: the MDI frame base that hosts command bars.
//
// Classes: CKTMDIFrameWnd.
#pragma once

#include <afxwin.h>

#include "KTCommandBars.h"
#include "KTSmartPtr.h"

class CKTMDIFrameWnd : public CMDIFrameWnd, public IKTCommandBarsSite
{
    DECLARE_DYNCREATE(CKTMDIFrameWnd)
public:
    CKTMDIFrameWnd();
    ~CKTMDIFrameWnd() override;

    // Makes the command bars of the class with this frame as their site and four dock bars.
    BOOL InitCommandBars(CRuntimeClass* pCommandBarsClass = NULL);
    CKTCommandBars* GetCommandBars() const override { return m_pCommandBars; }

    BOOL PreTranslateMessage(MSG* pMsg) override;
    BOOL OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;
    // Tab-group commands go to the MDI client first.
    BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) override;
    // The command bars step aside first, then the frame hides the rest.
    void OnSetPreviewMode(BOOL bPreview, CPrintPreviewState* pState) override;
    BOOL LoadFrame(UINT nIDResource, DWORD dwDefaultStyle = WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE,
                   CWnd* pParentWnd = NULL, CCreateContext* pContext = NULL) override;

protected:
    CKTSmartPtr<CKTCommandBars> m_pCommandBars;
};
