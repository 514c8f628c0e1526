// The test application's view: draws the document's text, counts updates.
// Classes: CTestView.
#pragma once
#include "TestApp.h"

class CTestView : public CView
{
    DECLARE_DYNCREATE(CTestView)
public:
    int m_nUpdates = 0;
    LPARAM m_lLastHint = 0;
    void OnDraw(CDC* pDC) override;
    void OnUpdate(CView* pSender, LPARAM lHint, CObject* pHint) override;

protected:
    afx_msg void OnViewCmd() { g_commandLog.push_back("view"); }
    DECLARE_MESSAGE_MAP()
};
