// KTPopupBarAnimation.cpp: the popup's opening animation, from the screen under it to its first picture.
#include "KTPopupBar.h"

#include "KTCommandBars.h"
#include "KTCommandBarsOptions.h"
#include "KTDrawObjects.h"
#include "KTPaintManager.h"

#include <cstdlib>

int CKTPopupBar::ResolveAnimationType() const
{
    CKTCommandBars* pCommandBars = GetCommandBars();
    if (!pCommandBars || (GetSafeHwnd() && ::GetWindow(m_hWnd, GW_CHILD)))
        return ktAnimationNone;
    const int nType = pCommandBars->GetCommandBarsOptions()->nAnimationType;
    if (nType == ktAnimationRandom)
    {
        static const int kinds[] = {ktAnimationFade, ktAnimationSlide, ktAnimationUnfold};
        return kinds[std::rand() % 3];
    }
    if (nType != ktAnimationSystem)
        return nType;
    BOOL bAnimation = FALSE, bFade = FALSE;
    if (!::SystemParametersInfo(SPI_GETMENUANIMATION, 0, &bAnimation, 0) || !bAnimation)
        return ktAnimationNone;
    ::SystemParametersInfo(SPI_GETMENUFADE, 0, &bFade, 0);
    return bFade ? ktAnimationFade : ktAnimationSlide;
}

void CKTPopupBar::ShowAnimated()
{
    CKTPaintManager* pPaintManager = GetPaintManager();
    CKTCommandBar* pParent = GetParentCommandBar();
    // Asked first, so that the parent's one-shot permission goes whatever is decided.
    const BOOL bParentAllows = !pParent || pParent->TakePopupAnimation();
    const BOOL bAllowed = bParentAllows && !IsCustomizeMode() && !::GetWindow(m_hWnd, GW_CHILD);
    const int nType = bAllowed ? ResolveAnimationType() : ktAnimationNone;
    if (nType != ktAnimationUnfold && nType != ktAnimationSlide && nType != ktAnimationFade)
    {
        pPaintManager->AdjustPopupBar(this);
        return;
    }
    if (pParent && pParent->GetSafeHwnd())
    {
        pParent->Redraw(NULL, FALSE);
        pParent->UpdateWindow();
    }
    CClientDC dc(this);
    const CRect rc = CKTClientRect(this);
    // The new picture off screen; the buffer puts it in place, whole, when it ends.
    CKTBufferDC picture(&dc, rc);
    DrawCommandBar(&picture, rc);
    CPoint ptScreen(0, 0);
    ClientToScreen(&ptScreen);
    const DWORD dwLayout = ::GetLayout(dc.GetSafeHdc());
    ::SetLayout(dc.GetSafeHdc(), 0);
    CKTScreenDC screen;
    dc.BitBlt(0, 0, rc.Width(), rc.Height(), &screen, ptScreen.x, ptScreen.y, SRCCOPY);
    ::SetLayout(dc.GetSafeHdc(), dwLayout);
    pPaintManager->AdjustPopupBar(this);
    pPaintManager->Animate(&dc, &picture, rc, nType);
}
