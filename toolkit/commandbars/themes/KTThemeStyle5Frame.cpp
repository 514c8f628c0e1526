// KTThemeStyle5Frame.cpp: a frame's border, caption, caption buttons and region from the style images.
#include "KTDrawHelpers.h"
#include "KTDrawObjects.h"
#include "KTFrameRegionHelper.h"
#include "KTStyleResourceSet.h"
#include "KTThemeStyle5.h"

#include <algorithm>
#include <utility>
#include <vector>

namespace
{
const COLORREF kMagenta = RGB(255, 0, 255);
const CRect kCaptionMargins(0, 5, 0, 3);

CRect ZeroMargins() { return CRect(0, 0, 0, 0); }
}  // namespace

CKTStyleImage* CKTThemeStyle5::LoadImage(LPCSTR lpszName) const
{
    if (!lpszName)
        return NULL;
    return m_pImages->GetImage(lpszName);
}

CString CKTThemeStyle5::CaptionGlyphName(UINT nId, int cx)
{
    LPCSTR lpszGlyph = "RESTORE";
    if (nId == SC_CLOSE)
        lpszGlyph = "CLOSE";
    else if (nId == SC_MINIMIZE)
        lpszGlyph = "MINIMIZE";
    else if (nId == SC_MAXIMIZE)
        lpszGlyph = "MAXIMIZE";
    CString strName;
    strName.Format("FRAMECAPTION%s%i", lpszGlyph, cx < 15 ? 13 : cx < 27 ? 17 : 23);
    return strName;
}

void CKTThemeStyle5::DrawFrameCaptionButton(CDC* pDC, CRect rc, UINT nId, BOOL bSelected, BOOL bPressed, BOOL bActive)
{
    CKTStyleImage* pBack = LoadImage("FRAMECAPTIONBUTTON");
    if (pBack && (bSelected || bPressed))
        pBack->DrawImage(pDC, rc, pBack->GetSource(bPressed && bSelected ? 1 : 0, 2), CRect(3, 3, 3, 3), kMagenta);

    CKTStyleImage* pGlyph = LoadImage(CaptionGlyphName(nId, rc.Width()));
    if (!pGlyph)
        return;
    int nPart = !bActive ? 3 : (bPressed && bSelected) ? 2 : (bPressed || bSelected) ? 1 : 0;
    CRect rcSrc = pGlyph->GetSource(nPart, 5);
    CRect rcGlyph(CPoint(rc.left + (rc.Width() - rcSrc.Width()) / 2, rc.top + (rc.Height() - rcSrc.Height()) / 2),
                  rcSrc.Size());
    pGlyph->DrawImage(pDC, rcGlyph, rcSrc, ZeroMargins(), kMagenta);
}

HRGN CKTThemeStyle5::CreateFrameRegion(CKTFrameRegionHelper* pHelper, int cx, int cy)
{
    if (pHelper->GetSite()->GetStyle() & WS_MAXIMIZE)
        return NULL;
    std::vector<RECT> rects = {
        {4, 0, cx - 4, 1}, {2, 1, cx - 2, 2}, {1, 2, cx - 1, 3}, {1, 3, cx - 1, 4}, {0, 4, cx, cy - 4}};
    if (pHelper->GetFrameStatusBarHeight() > 0 && pHelper->GetFrameBorder() > 3)
        rects.insert(rects.end(), {{1, cy - 4, cx - 1, cy - 2}, {2, cy - 2, cx - 2, cy - 1}, {4, cy - 1, cx - 4, cy}});
    else
        rects.push_back({0, cy - 4, cx, cy});

    std::vector<BYTE> data(sizeof(RGNDATAHEADER) + rects.size() * sizeof(RECT));
    RGNDATA* pData = reinterpret_cast<RGNDATA*>(data.data());
    pData->rdh.dwSize = sizeof(RGNDATAHEADER);
    pData->rdh.iType = RDH_RECTANGLES;
    pData->rdh.nCount = static_cast<DWORD>(rects.size());
    pData->rdh.nRgnSize = static_cast<DWORD>(rects.size() * sizeof(RECT));
    pData->rdh.rcBound = CRect(0, 0, cx, cy);
    memcpy(pData->Buffer, rects.data(), rects.size() * sizeof(RECT));
    return ::ExtCreateRegion(NULL, static_cast<DWORD>(data.size()), pData);
}

void CKTThemeStyle5::DrawFrame(CKTFrameRegionHelper* pHelper)
{
    CWindowDC dc(pHelper->GetSite());
    if (!dc.GetSafeHdc())
        return;
    DrawFrameOn(&dc, pHelper);
}

void CKTThemeStyle5::DrawFrameOn(CDC* pDC, CKTFrameRegionHelper* pHelper)
{
    CRect rcWindow;
    pHelper->GetSite()->GetWindowRect(&rcWindow);
    rcWindow.OffsetRect(-rcWindow.TopLeft());
    DrawFrameBorders(pDC, pHelper, rcWindow);
    if (pHelper->IsCaptionVisible())
        DrawFrameCaption(pDC, pHelper, rcWindow);
    else
        DrawFrameCaptionEdges(pDC, pHelper, rcWindow);
    if (pHelper->GetFrameStatusBarHeight() > 0)
        DrawFrameStatusBar(pDC, pHelper, rcWindow);
}

void CKTThemeStyle5::DrawFrameBorders(CDC* pDC, CKTFrameRegionHelper* pHelper, const CRect& rcWindow)
{
    const CKTPaintManagerColor* k = pHelper->IsActive() ? m_clrBorderActive : m_clrBorderInactive;
    int cx = rcWindow.Width(), cy = rcWindow.Height();
    int b = pHelper->GetFrameBorder(), c = pHelper->GetCaptionHeight();
    int s = pHelper->GetFrameStatusBarHeight();
    int nSide = s > 0 ? cy - c - s - 1 : cy - c;
    for (int i = 0; i < 3 && i < b; i++)
    {
        pDC->FillSolidRect(i, c, 1, nSide, k[i]);
        pDC->FillSolidRect(cx - 1 - i, c, 1, nSide, k[i]);
    }
    if (b > 3)
    {
        pDC->FillSolidRect(3, c, b - 3, nSide, k[3]);
        pDC->FillSolidRect(cx - b, c, b - 3, nSide, k[3]);
    }

    CRect rcClient, rcScreen;
    CWnd* pFrame = pHelper->GetSite();
    pFrame->GetClientRect(&rcClient);
    pFrame->ClientToScreen(&rcClient);
    pFrame->GetWindowRect(&rcScreen);
    int d = rcScreen.bottom - rcClient.bottom;
    BOOL bMaximizedActive = pHelper->IsActive() && (pHelper->GetSite()->GetStyle() & WS_MAXIMIZE);
    pDC->FillSolidRect(0, cy - 1, cx, 1, bMaximizedActive ? m_clrBorderActive[3] : k[0]);
    if (d > 1)
        pDC->FillSolidRect(1, cy - d, cx - 2, d - 1, k[3]);
}

void CKTThemeStyle5::DrawFramePart(CDC* pDC, LPCSTR lpszName, const CRect& rcDest, CRect rcSrc, BOOL bActive,
                                   const CRect& rcMargins, COLORREF clrTransparent) const
{
    CKTStyleImage* pImage = LoadImage(lpszName);
    if (!pImage)
        return;
    CRect rcPart = pImage->GetSource(bActive ? 0 : 1, 2);
    // An empty source takes the whole part; otherwise its columns are the part's.
    if (rcSrc.IsRectEmpty())
        rcSrc = rcPart;
    else
        rcSrc = CRect(rcSrc.left, rcPart.top, rcSrc.right, rcPart.bottom);
    pImage->DrawImage(pDC, rcDest, rcSrc, rcMargins, clrTransparent);
}

void CKTThemeStyle5::DrawFrameCaptionEdges(CDC* pDC, CKTFrameRegionHelper* pHelper, const CRect& rcWindow)
{
    int b = pHelper->GetFrameBorder(), c = pHelper->GetCaptionHeight();
    BOOL bActive = pHelper->IsActive();
    DrawFramePart(pDC, "FRAMETOPLEFT", CRect(0, 0, b, c), CRect(0, 0, b, 1), bActive, kCaptionMargins);
    CKTStyleImage* pRight = LoadImage("FRAMETOPRIGHT");
    if (pRight)
    {
        int w = pRight->GetWidth();
        DrawFramePart(pDC, "FRAMETOPRIGHT", CRect(rcWindow.right - b, 0, rcWindow.right, c), CRect(w - b, 0, w, 1),
                      bActive, kCaptionMargins);
    }
}

void CKTThemeStyle5::DrawFrameCaption(CDC* pDC, CKTFrameRegionHelper* pHelper, const CRect& rcWindow)
{
    int b = pHelper->GetFrameBorder(), c = pHelper->GetCaptionHeight();
    BOOL bActive = pHelper->IsActive();
    CRect rcCaption(0, 0, rcWindow.Width(), c);
    CKTBufferDC dc(pDC, rcCaption);
    // What the style has no image for keeps the pixels it had, not the buffer's black.
    dc.BitBlt(0, 0, rcCaption.Width(), rcCaption.Height(), pDC, 0, 0, SRCCOPY);
    CKTStyleImage* pLeft = LoadImage("FRAMETOPLEFT");
    CKTStyleImage* pRight = LoadImage("FRAMETOPRIGHT");
    int cxLeft = pLeft ? pLeft->GetWidth() : 0, cxRight = pRight ? pRight->GetWidth() : 0;
    DrawFramePart(&dc, "FRAMETOPLEFT", CRect(0, 0, cxLeft, c), CRect(), bActive, kCaptionMargins);
    DrawFramePart(&dc, "FRAMETOPCENTER", CRect(cxLeft, 0, rcCaption.right - cxRight, c), CRect(), bActive,
                  kCaptionMargins);
    DrawFramePart(&dc, "FRAMETOPRIGHT", CRect(rcCaption.right - cxRight, 0, rcCaption.right, c), CRect(), bActive,
                  kCaptionMargins);

    CWnd* pFrame = pHelper->GetSite();
    HICON hIcon = GetFrameSmallIcon(pFrame);
    if (hIcon)
    {
        int f = b - 1, cyIcon = ::GetSystemMetrics(SM_CYSMICON);
        DWORD dwLayout = dc.GetLayout();
        if (dwLayout != GDI_ERROR && (dwLayout & LAYOUT_RTL))
            dc.SetLayout(dwLayout | LAYOUT_BITMAPORIENTATIONPRESERVED);
        ::DrawIconEx(dc.GetSafeHdc(), 7, f + (c - f - cyIcon) / 2, hIcon, ::GetSystemMetrics(SM_CXSMICON), cyIcon, 0,
                     NULL, DI_NORMAL);
        if (dwLayout != GDI_ERROR && (dwLayout & LAYOUT_RTL))
            dc.SetLayout(dwLayout);
    }
    int xButtons = rcCaption.right;
    for (const KT_FRAMECAPTIONBUTTON& button : pHelper->m_buttons)
    {
        if (!button.bVisible)
            continue;
        DrawFrameCaptionButton(&dc, button.rc, button.nId, button.bSelected, button.bPressed,
                               bActive && pHelper->IsCaptionButtonEnabled(button));
        xButtons = std::min(xButtons, static_cast<int>(button.rc.left));
    }
    CRect rcText(hIcon ? ::GetSystemMetrics(SM_CXSMICON) + 12 : 7, b, xButtons - b, c - 3);
    DrawFrameCaptionText(&dc, rcText, pFrame, bActive);
}

void CKTThemeStyle5::DrawFrameStatusBar(CDC* pDC, CKTFrameRegionHelper* pHelper, const CRect& rcWindow)
{
    int b = pHelper->GetFrameBorder(), s = pHelper->GetFrameStatusBarHeight();
    int cy = rcWindow.Height();
    CRect rcLeft(0, cy - s - 1, b, cy - 1), rcRight(rcWindow.right - b, cy - s - 1, rcWindow.right, cy - 1);
    for (const auto& side : {std::make_pair("STATUSBARLIGHT", rcLeft), std::make_pair("STATUSBARDARK", rcRight)})
    {
        CKTStyleImage* pImage = LoadImage(side.first);
        if (pImage)
            pImage->DrawImage(pDC, side.second, CRect(0, 0, b - 1, pImage->GetHeight()), ZeroMargins());
    }
    if (b <= 3)
        return;
    BOOL bActive = pHelper->IsActive();
    for (LPCSTR lpszName : {"FRAMEBOTTOMLEFT", "FRAMEBOTTOMRIGHT"})
    {
        CKTStyleImage* pImage = LoadImage(lpszName);
        if (!pImage)
            continue;
        CSize size = pImage->GetSource(0, 2).Size();
        int x = lpszName[11] == 'L' ? 0 : rcWindow.right - size.cx;
        DrawFramePart(pDC, lpszName, CRect(CPoint(x, cy - size.cy), size), CRect(), bActive, ZeroMargins(), kMagenta);
    }
}

void CKTThemeStyle5::DrawFrameCaptionText(CDC* pDC, CRect rc, CWnd* pFrame, BOOL bActive)
{
    CString strText;
    pFrame->GetWindowText(strText);
    COLORREF clrText = bActive ? m_clrCaptionTextActive : m_clrCaptionTextInactive;
    CKTFontDC font(pDC, &m_fontFrameCaption, clrText);
    pDC->SetBkMode(TRANSPARENT);
    const UINT nFormat = DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS | DT_NOPREFIX;
    CFrameWnd* pFrameWnd = dynamic_cast<CFrameWnd*>(pFrame);
    CDocument* pDocument = pFrameWnd && (pFrame->GetStyle() & FWS_PREFIXTITLE) ? pFrameWnd->GetActiveDocument() : NULL;
    int nTitle = pDocument ? strText.Find(pDocument->GetTitle()) : -1;
    if (nTitle < 0)
    {
        pDC->DrawText(strText, rc, nFormat);
        return;
    }
    // The document's title stands out from the application's part of an active caption.
    int nTitleEnd = nTitle + pDocument->GetTitle().GetLength();
    const struct
    {
        CString strPart;
        COLORREF clr;
    } parts[] = {{strText.Left(nTitle), clrText},
                 {strText.Mid(nTitle, nTitleEnd - nTitle), bActive ? m_clrCaptionTitleTextActive : clrText},
                 {strText.Mid(nTitleEnd), clrText}};
    int cxTotal = 0;
    for (const auto& part : parts)
        cxTotal += pDC->GetTextExtent(part.strPart).cx;
    if (rc.left + cxTotal > rc.right - 5)
    {
        pDC->DrawText(strText, rc, nFormat);
        return;
    }
    CRect rcPart = rc;
    for (const auto& part : parts)
    {
        pDC->SetTextColor(part.clr);
        pDC->DrawText(part.strPart, rcPart, nFormat);
        rcPart.left += pDC->GetTextExtent(part.strPart).cx;
    }
}

HICON CKTThemeStyle5::GetFrameSmallIcon(CWnd* pFrame)
{
    if (!(pFrame->GetStyle() & WS_SYSMENU) || (pFrame->GetExStyle() & WS_EX_TOOLWINDOW))
        return NULL;
    HWND hWnd = pFrame->GetSafeHwnd();
    HICON hIcon = reinterpret_cast<HICON>(::SendMessage(hWnd, WM_GETICON, ICON_SMALL, 0));
    if (!hIcon)
        hIcon = reinterpret_cast<HICON>(::GetClassLongPtr(hWnd, GCLP_HICONSM));
    if (hIcon)
        return hIcon;
    DWORD dwStyle = pFrame->GetStyle();
    if (((dwStyle & WS_DLGFRAME) && !(dwStyle & WS_BORDER)) || (pFrame->GetExStyle() & WS_EX_DLGMODALFRAME))
        return NULL;
    DWORD_PTR dwResult = 0;
    if (::SendMessageTimeout(hWnd, WM_QUERYDRAGICON, 0, 0, SMTO_NORMAL, 100, &dwResult) && dwResult)
        return reinterpret_cast<HICON>(dwResult);
    return ::LoadIcon(NULL, IDI_WINLOGO);
}

HICON CKTThemeStyle5::GetFrameLargeIcon(CWnd* pFrame)
{
    HWND hWnd = pFrame->GetSafeHwnd();
    HICON hIcon = reinterpret_cast<HICON>(::SendMessage(hWnd, WM_GETICON, ICON_BIG, 0));
    return hIcon ? hIcon : reinterpret_cast<HICON>(::GetClassLongPtr(hWnd, GCLP_HICON));
}
