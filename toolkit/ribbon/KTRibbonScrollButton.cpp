// KTRibbonScrollButton.cpp: the groups row's scroll button: drawing, and the repeat while it is held.
#include "KTRibbonScrollButton.h"

#include "KTCaptureLoop.h"
#include "KTPressRepeat.h"
#include "KTRibbonBar.h"
#include "KTRibbonTabGroups.h"

namespace
{
const UINT_PTR KT_SCROLL_TIMER = 17821;
}

CKTRibbonScrollButton::CKTRibbonScrollButton(CKTRibbonGroupsScroller* pScroller, BOOL bLeft)
    : m_pScroller(pScroller), m_bLeft(bLeft)
{
    m_dwFlags = ktFlagSkipFocus | ktFlagNoMovable;
}

void CKTRibbonScrollButton::Draw(CDC* pDC)
{
    // The ribbon's painter, also on the dropped-down tab of a minimised ribbon.
    if (CKTRibbonBar* pRibbon = m_pScroller->GetRibbonBar())
        pRibbon->GetRibbonPainter()->DrawGroupsScrollButton(pDC, this, m_bLeft);
}

void CKTRibbonScrollButton::OnClick(BOOL bKeyboard, CPoint)
{
    if (bKeyboard || !m_pParent || !m_pParent->GetSafeHwnd())
    {
        m_pScroller->ScrollStep(m_bLeft);
        return;
    }
    HWND hBar = m_pParent->GetSafeHwnd();
    const UINT nDoubleClick = ::GetDoubleClickTime();
    // A button that went with its room stops the repeat and the loop.
    CKTPressRepeat repeat(
        hBar, KT_SCROLL_TIMER, nDoubleClick * 4 / 5, nDoubleClick / 10, [this] { m_pScroller->ScrollStep(m_bLeft); },
        [this] { return IsVisible(); });
    repeat.Press();
    CKTCaptureLoop loop(hBar, ktLoopPaintFirst);
    MSG msg;
    while (loop.Next(msg))
    {
        if (!repeat.OnMessage(msg))
            CKTCaptureLoop::Dispatch(msg);
        else if (!IsVisible())
            break;
    }
}
