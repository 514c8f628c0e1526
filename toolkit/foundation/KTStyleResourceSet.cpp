// KTStyleResourceSet.cpp: reading style colours, loading and drawing style images.
#include "KTStyleResourceSet.h"

#include <stdio.h>

#include "KTResourceManager.h"

CKTStyleImage::CKTStyleImage() : m_clrKeyed(static_cast<COLORREF>(-1)), m_bAlpha(FALSE) {}

BOOL CKTStyleImage::LoadPng(const void* pData, size_t cbData)
{
    m_keyed = CKTAlphaBitmap();
    m_bAlpha = m_image.LoadPng(pData, cbData);
    return m_bAlpha;
}

BOOL CKTStyleImage::LoadBitmap(HBITMAP hBitmap)
{
    m_keyed = CKTAlphaBitmap();
    if (!m_image.LoadBitmap(hBitmap, static_cast<COLORREF>(-1), &m_bAlpha))
        return FALSE;
    if (m_bAlpha)
        m_image.PremultiplyAlpha();  // bitmap resources keep straight alpha
    return TRUE;
}

CRect CKTStyleImage::GetSource(int nIndex, int nCount) const
{
    if (m_image.IsEmpty() || nCount <= 0)
        return CRect(0, 0, 0, 0);
    int cy = m_image.GetHeight();
    return CRect(0, nIndex * cy / nCount, m_image.GetWidth(), (nIndex + 1) * cy / nCount);
}

const CKTAlphaBitmap& CKTStyleImage::ImageFor(COLORREF clrTransparent)
{
    if (m_bAlpha || clrTransparent == static_cast<COLORREF>(-1))
        return m_image;
    if (m_keyed.IsEmpty() || m_clrKeyed != clrTransparent)
    {
        m_keyed.CopyPart(m_image, RECT{0, 0, m_image.GetWidth(), m_image.GetHeight()});
        m_keyed.TransformPixels(
            [clrTransparent](COLORREF& clr, BYTE& alpha)
            {
                if (clr == clrTransparent)
                    alpha = 0;
            });
        m_clrKeyed = clrTransparent;
    }
    return m_keyed;
}

void CKTStyleImage::DrawImagePart(CDC* pDC, CRect rcDest, CRect rcSrc, int nLeft, int nTop, int nRight, int nBottom)
{
    DrawImage(pDC, rcDest, rcSrc, CRect(nLeft, nTop, nRight, nBottom));
}

void CKTStyleImage::DrawImage(CDC* pDC, const CRect& rcDest, const CRect& rcSrc, const CRect& rcMargins,
                              COLORREF clrTransparent)
{
    if (!pDC || m_image.IsEmpty())
        return;
    const CKTAlphaBitmap& image = ImageFor(clrTransparent);
    // Three columns and three rows in both rectangles; the margins keep their size.
    const LONG xDest[4] = {rcDest.left, rcDest.left + rcMargins.left, rcDest.right - rcMargins.right, rcDest.right};
    const LONG yDest[4] = {rcDest.top, rcDest.top + rcMargins.top, rcDest.bottom - rcMargins.bottom, rcDest.bottom};
    const LONG xSrc[4] = {rcSrc.left, rcSrc.left + rcMargins.left, rcSrc.right - rcMargins.right, rcSrc.right};
    const LONG ySrc[4] = {rcSrc.top, rcSrc.top + rcMargins.top, rcSrc.bottom - rcMargins.bottom, rcSrc.bottom};
    for (int row = 0; row < 3; row++)
    {
        for (int col = 0; col < 3; col++)
        {
            CKTAlphaBitmap::DrawBitmap(pDC->GetSafeHdc(), RECT{xDest[col], yDest[row], xDest[col + 1], yDest[row + 1]},
                                       image.GetHandle(), RECT{xSrc[col], ySrc[row], xSrc[col + 1], ySrc[row + 1]});
        }
    }
}

void CKTStyleImage::DrawImageWithFlags(CDC* pDC, const CRect& rcDest, const CRect& rcSrc, const CRect& rcMargins,
                                       COLORREF clrTransparent, DWORD dwFlags)
{
    // Every image is drawn with its alpha here, so flag bit 1 and a
    // transparent colour come to the same.
    DrawImage(pDC, rcDest, rcSrc, rcMargins,
              (dwFlags & 1) || clrTransparent != static_cast<COLORREF>(-1) ? clrTransparent
                                                                           : static_cast<COLORREF>(-1));
}

CKTStyleResourceSet::CKTStyleResourceSet() : m_hModule(NULL) {}

BOOL CKTStyleResourceSet::SetStyleModule(HMODULE hModule, LPCSTR lpszIniName)
{
    CSingleLock lock(&m_lock, TRUE);
    m_images.clear();
    m_strIni.Empty();
    m_hModule = hModule;
    DWORD cb = 0;
    const char* pText = static_cast<const char*>(KTLockResource(hModule, lpszIniName, "TEXTFILE", &cb));
    if (pText)
        m_strIni = CString(pText, static_cast<int>(cb));
    return !m_strIni.IsEmpty();
}

BOOL CKTStyleResourceSet::IsLoaded() const
{
    CSingleLock lock(&m_lock, TRUE);
    return !m_strIni.IsEmpty();
}

BOOL CKTStyleResourceSet::FindValue(LPCSTR lpszSection, LPCSTR lpszKey, CString& strValue) const
{
    BOOL bInSection = FALSE;
    int nStart = 0;
    while (nStart < m_strIni.GetLength())
    {
        int nEnd = m_strIni.Find('\n', nStart);
        if (nEnd < 0)
            nEnd = m_strIni.GetLength();
        CString strLine = m_strIni.Mid(nStart, nEnd - nStart);
        nStart = nEnd + 1;
        strLine.Trim();
        if (strLine.IsEmpty() || strLine[0] == ';')
            continue;
        if (strLine[0] == '[')
        {
            strLine.Trim("[]");
            bInSection = strLine.CompareNoCase(lpszSection) == 0;
            continue;
        }
        int nEquals = strLine.Find('=');
        if (!bInSection || nEquals < 0)
            continue;
        CString strName = strLine.Left(nEquals);
        if (strName.Trim().CompareNoCase(lpszKey) == 0)
        {
            strValue = strLine.Mid(nEquals + 1);
            return TRUE;
        }
    }
    return FALSE;
}

COLORREF CKTStyleResourceSet::GetColor(LPCSTR lpszSection, LPCSTR lpszKey) const
{
    CString strValue;
    CSingleLock lock(&m_lock, TRUE);
    if (!lpszSection || !lpszKey || !FindValue(lpszSection, lpszKey, strValue))
        return static_cast<COLORREF>(-1);
    int r = 0, g = 0, b = 0;
    if (sscanf(strValue, "%i %i %i", &r, &g, &b) != 3)
        return static_cast<COLORREF>(-1);
    return RGB(r, g, b);
}

BOOL CKTStyleResourceSet::ReadColor(LPCSTR lpszSection, LPCSTR lpszKey, COLORREF& clr) const
{
    COLORREF clrRead = GetColor(lpszSection, lpszKey);
    if (clrRead == CKTPaintManagerColor::COLORREF_NULL)
        return FALSE;
    clr = clrRead;
    return TRUE;
}

BOOL CKTStyleResourceSet::ReadColor(LPCSTR lpszSection, LPCSTR lpszKey, CKTPaintManagerColor& clr) const
{
    COLORREF clrRead = clr.GetStandardColor();
    if (!ReadColor(lpszSection, lpszKey, clrRead))
        return FALSE;
    clr.SetStandardValue(clrRead);
    return TRUE;
}

void CKTStyleResourceSet::ReadGradient(LPCSTR lpszSection, LPCSTR lpszLight, LPCSTR lpszDark, float fFactor,
                                       CKTPaintManagerColorGradient& grc) const
{
    ReadColor(lpszSection, lpszLight, grc.clrLight);
    ReadColor(lpszSection, lpszDark, grc.clrDark);
    grc.fGradientFactor = fFactor;
}

CKTStyleImage* CKTStyleResourceSet::GetImage(LPCSTR lpszName)
{
    if (!lpszName)
        return NULL;
    CSingleLock lock(&m_lock, TRUE);
    CString strKey(lpszName);
    strKey.MakeUpper();
    auto it = m_images.find(std::string(strKey));
    if (it != m_images.end())
        return it->second.get();
    std::unique_ptr<CKTStyleImage> pLoaded = LoadNamedImage(lpszName);
    if (!pLoaded)
        return NULL;
    CKTStyleImage* pImage = pLoaded.get();
    m_images[std::string(strKey)] = std::move(pLoaded);
    return pImage;
}

std::unique_ptr<CKTStyleImage> CKTStyleResourceSet::LoadNamedImage(LPCSTR lpszName) const
{
    if (!m_hModule)
        return NULL;
    auto pImage = std::make_unique<CKTStyleImage>();
    DWORD cb = 0;
    const void* pPng = KTLockResource(m_hModule, lpszName, "PNG", &cb);
    if (pPng && pImage->LoadPng(pPng, cb))
        return pImage;
    HANDLE hBitmap = ::LoadImageA(m_hModule, lpszName, IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION);
    if (!hBitmap)
        return NULL;
    BOOL bLoaded = pImage->LoadBitmap(static_cast<HBITMAP>(hBitmap));
    ::DeleteObject(hBitmap);
    if (!bLoaded)
        return NULL;
    return pImage;
}

CKTStyleResourceSet* KTStyleResourceSet()
{
    static CKTStyleResourceSet set;
    return &set;
}
