// KTThemeStyle5Bars.cpp: theme 5's status bar and MDI workspace, and its caption metrics.
#include "KTDrawHelpers.h"
#include "KTDrawObjects.h"
#include "KTSystemInfo.h"
#include "KTStyleResourceSet.h"
#include "KTThemeStyle5.h"

#include <algorithm>

void CKTThemeStyle5::FillStatusBar(CDC* pDC, CWnd* pStatusBar)
{
    CRect rc = CKTClientRect(pStatusBar);
    pDC->FillSolidRect(rc.left, rc.top, rc.Width(), 1, m_clrStatusBarShadow);
    CRect rcTop(rc.left, rc.top + 1, rc.right, rc.top + 9);
    CRect rcBottom(rc.left, rc.top + 9, rc.right, rc.bottom);
    KTDrawHelpers()->GradientFill(pDC, rcTop, m_grcStatusBarTop, FALSE);
    KTDrawHelpers()->GradientFill(pDC, rcBottom, m_grcStatusBarBottom, FALSE);
}

void CKTThemeStyle5::DrawStatusBarPaneBorder(CDC* pDC, CRect rc, BOOL bGripperPane)
{
    if (bGripperPane)
        return;
    pDC->FillSolidRect(rc.right - 1, rc.top, 1, rc.Height() - 2, GetColor(KTCOLOR_SEPARATOR));
    pDC->FillSolidRect(rc.right, rc.top, 1, rc.Height() - 2, RGB(255, 255, 255));
}

void CKTThemeStyle5::DrawStatusBarGripper(CDC* pDC, CRect rc)
{
    // Rows of 3, 2 and 1 dots from the bottom up, leaning on the corner.
    for (int nRow = 0; nRow < 3; nRow++)
    {
        for (int nDot = 0; nDot < 3 - nRow; nDot++)
        {
            int x = rc.right - 3 - 4 * nDot, y = rc.bottom - 3 - 4 * nRow;
            pDC->FillSolidRect(x, y, 2, 2, GetColor(KTCOLOR_SEPARATOR));
            pDC->FillSolidRect(x + 1, y + 1, 2, 2, RGB(255, 255, 255));
        }
    }
}

void CKTThemeStyle5::FillWorkspace(CDC* pDC, CRect rc, CRect rcClip)
{
    CKTClipDC clip(pDC, rcClip);
    int yGradient = rc.top;
    CKTStyleImage* pImage = LoadImage("WORKSPACETOPLEFT");
    if (pImage)
    {
        // The image keeps its pixels; its last column carries on to the right.
        int cx = pImage->GetWidth(), cy = pImage->GetHeight();
        CRect rcImage(rc.left, rc.top, rc.left + std::max(rc.Width(), cx), rc.top + cy);
        pImage->DrawImagePart(pDC, rcImage, pImage->GetSource(0, 1), cx - 1, 0, 0, 0);
        yGradient += cy;
    }
    int yMiddle = yGradient + 2 * (rc.bottom - yGradient) / 3;
    KTDrawHelpers()->GradientFill(pDC, CRect(rc.left, yGradient, rc.right, yMiddle), m_clrWorkspace[0],
                                  m_clrWorkspace[1], FALSE);
    KTDrawHelpers()->GradientFill(pDC, CRect(rc.left, yMiddle, rc.right, rc.bottom), m_clrWorkspace[1],
                                  m_clrWorkspace[2], FALSE);
}

void CKTThemeStyle5::CreateCaptionFont()
{
    NONCLIENTMETRICS ncm = {};
    ncm.cbSize = sizeof(ncm);
    if (!::SystemParametersInfo(SPI_GETNONCLIENTMETRICS, sizeof(ncm), &ncm, 0))
        ncm.lfCaptionFont = CKTDrawHelpers::GetNonClientFont(&NONCLIENTMETRICSA::lfCaptionFont);
    LOGFONT lf = ncm.lfCaptionFont;
    lf.lfWeight = FW_NORMAL;
    if (m_bClearTypeTextQuality && KTOsVersionInfo()->IsWinXPOrLater())
        lf.lfQuality = CLEARTYPE_NATURAL_QUALITY;
    if (m_bUseStandardFace && CKTDrawHelpers::FontExists(m_strStandardFontFace))
        CopyFaceName(lf, m_strStandardFontFace);
    if (lf.lfHeight >= -10 && lf.lfHeight <= -1)
        lf.lfHeight = -11;
    if (!m_fontFrameCaption.m_bStandardFont && m_fontFrameCaption.GetSafeHandle())
        return;
    m_fontFrameCaption.DeleteObject();
    m_fontFrameCaption.CreateFontIndirect(&lf);
}
