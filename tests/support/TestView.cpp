// The test application's view.
#include "TestView.h"
#include "TestDoc.h"

IMPLEMENT_DYNCREATE(CTestView, CView)

BEGIN_MESSAGE_MAP(CTestView, CView)
ON_COMMAND(ID_TEST_VIEWCMD, OnViewCmd)
END_MESSAGE_MAP()

void CTestView::OnDraw(CDC* pDC)
{
    CTestDoc* pDoc = static_cast<CTestDoc*>(GetDocument());
    if (pDoc)
        pDC->TextOut(10, 10, pDoc->m_strText);
}

void CTestView::OnUpdate(CView* pSender, LPARAM lHint, CObject* pHint)
{
    m_nUpdates++;
    m_lLastHint = lHint;
    CView::OnUpdate(pSender, lHint, pHint);
}
