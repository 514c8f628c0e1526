// KTPaintManagerExpanding.cpp: a popup bar grows the controls it newly shows into place.
#include "KTPaintManager.h"

#include "KTCommandBar.h"
#include "KTControl.h"
#include "KTDrawObjects.h"

#include <vector>

namespace
{
// A run of neighbouring controls that all are, or all are not, being shown.
struct KT_BAND
{
    int nFrom;  // source edge where the band starts (top walking down, bottom walking up)
    int nTo;    // source edge where the next band starts
    BOOL bShown;
};

std::vector<KT_BAND> CutBands(CKTCommandBar* pBar, BOOL bDownward, CRect rcClient)
{
    std::vector<KT_BAND> bands;
    int nCount = pBar->GetControlCount();
    for (int n = 0; n < nCount; n++)
    {
        CKTControl* pControl = pBar->GetControl(bDownward ? n : nCount - 1 - n);
        if (!pControl->IsVisible())
            continue;
        BOOL bShown = pControl->IsExpandedShown();
        int nEdge = bDownward ? pControl->GetRect().top : pControl->GetRect().bottom;
        if (bands.empty() || bands.back().bShown != bShown)
        {
            if (!bands.empty())
                bands.back().nTo = nEdge;
            bands.push_back({bands.empty() ? (bDownward ? rcClient.top : rcClient.bottom) : nEdge, 0, bShown});
        }
    }
    if (!bands.empty())
        bands.back().nTo = bDownward ? rcClient.bottom : rcClient.top;
    return bands;
}
}  // namespace

void CKTPaintManager::AnimateExpanding(CKTCommandBar* pBar, CDC* pDestDC, CDC* pSrcDC, BOOL bDownward)
{
    int n = m_nAnimationSteps;
    if (n <= 0)
        return;
    CRect rcClient = CKTClientRect(pBar);
    std::vector<KT_BAND> bands = CutBands(pBar, bDownward, rcClient);
    for (int i = 1; i <= n; i++)
    {
        double f = (double)i / n;
        int nPos = bDownward ? rcClient.top : rcClient.bottom;
        for (const KT_BAND& band : bands)
        {
            int h = bDownward ? band.nTo - band.nFrom : band.nFrom - band.nTo;
            int hDrawn = band.bShown ? (int)(h * f) : h;
            int nSourceTop = bDownward ? band.nFrom : band.nTo;
            int nDestTop = bDownward ? nPos : nPos - hDrawn;
            pDestDC->StretchBlt(0, nDestTop, rcClient.Width(), hDrawn, pSrcDC, 0, nSourceTop, rcClient.Width(), h,
                                SRCCOPY);
            nPos += bDownward ? hDrawn : -hDrawn;
        }
        ::Sleep(m_nAnimationTime / n);
    }
}
