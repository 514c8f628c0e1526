// KTPopupBarAnimation.cpp: the popup's animations: opening, from the screen under it to its first picture, and
// expanding, the rarely used controls growing into place.
#include "KTPopupBar.h"

#include "KTCommandBars.h"
#include "KTCommandBarsOptions.h"
#include "KTDrawObjects.h"
#include "KTPaintManager.h"
#include "KTSoundPlayer.h"

#include <cstdlib>

namespace
{
BOOL Animates(int nType) { return nType == ktAnimationUnfold || nType == ktAnimationSlide || nType == ktAnimationFade; }
}  // namespace

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
    if (!Animates(nType))
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

BOOL CKTPopupBar::PlayExpanding(const CRect& rcNew)
{
    if (!Animates(ResolveAnimationType()))
        return FALSE;
    const CRect rcOld = CKTWindowRect(this);
    const CSize szOld = CKTClientRect(this).Size();
    CClientDC dcOld(this);
    CBitmap bmpOld;
    if (!bmpOld.CreateCompatibleBitmap(&dcOld, szOld.cx, szOld.cy))
        return FALSE;
    CKTCompatibleDC dcOldImage(&dcOld, &bmpOld);
    dcOldImage.BitBlt(0, 0, szOld.cx, szOld.cy, &dcOld, 0, 0, SRCCOPY);
    // A popup that opened upwards keeps its bottom edge and grows towards the top.
    const BOOL bDownward = rcNew.bottom != rcOld.bottom || rcNew.top >= rcOld.top;
    SetWindowPos(NULL, rcNew.left, rcNew.top, rcNew.Width(), rcNew.Height(),
                 SWP_NOZORDER | SWP_NOACTIVATE | SWP_SHOWWINDOW | SWP_NOOWNERZORDER | SWP_NOREDRAW);
    CClientDC dc(this);
    const CRect rc = CKTClientRect(this);
    dc.BitBlt(0, bDownward ? 0 : rc.Height() - szOld.cy, szOld.cx, szOld.cy, &dcOldImage, 0, 0, SRCCOPY);
    CBitmap bmpPicture;
    if (!bmpPicture.CreateCompatibleBitmap(&dc, rc.Width(), rc.Height()))
        return TRUE;
    CKTCompatibleDC picture(&dc, &bmpPicture);
    DrawCommandBar(&picture, rc);
    GetPaintManager()->AdjustPopupBar(this);
    GetPaintManager()->AnimateExpanding(this, &dc, &picture, bDownward);
    KTSoundPlayer()->Play(ktSoundMenuPopup);
    return TRUE;
}
