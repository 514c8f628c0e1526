// KTImageManager.cpp: storing, deriving, resampling, drawing and exchanging command images.
#include "KTImageManager.h"

#include "KTColorManager.h"
#include "KTPropExchange.h"
#include "KTResourceManager.h"
#include "KTDrawObjects.h"

namespace
{

// Plain bitmap strips mark their background with the button face grey.
const COLORREF g_clrStripMask = RGB(192, 192, 192);

BYTE Luminance(COLORREF clr)
{
    return static_cast<BYTE>((GetRValue(clr) * 77 + GetGValue(clr) * 150 + GetBValue(clr) * 29) >> 8);
}

BYTE Between(BYTE dark, BYTE light, BYTE lum) { return static_cast<BYTE>(dark + (light - dark) * lum / 255); }

// The pixels behind a handle: a copy of the alpha bitmap or the rendered icon.
BOOL ImageOf(const CKTImageManagerIconHandle& handle, CKTAlphaBitmap& image)
{
    if (handle.IsAlpha())
        return image.LoadBitmap(handle.GetBitmap(), static_cast<COLORREF>(-1));
    return image.LoadIcon(handle.GetIcon());
}

}  // namespace

CSize CKTImageManagerIconHandle::GetExtent() const
{
    if (!m_hBitmap)
        return CKTImageManagerIcon::GetExtent(m_hIcon);
    BITMAP bm = {};
    if (!::GetObject(m_hBitmap, sizeof(bm), &bm))
        return CSize(0, 0);
    return CSize(bm.bmWidth, bm.bmHeight);
}

CKTImageManagerIcon::CKTImageManagerIcon(UINT nID, int nWidth, int nHeight)
    : m_nID(nID), m_nWidth(nWidth), m_nHeight(nHeight)
{
}

void CKTImageManagerIcon::SetImage(CKTAlphaBitmap&& image, int nState)
{
    if (nState < 0 || nState >= ktImageStateCount)
        return;
    if (image.GetWidth() != m_nWidth || image.GetHeight() != m_nHeight)
    {
        CKTAlphaBitmap scaled;
        scaled.Scale(image, m_nWidth, m_nHeight);
        image = std::move(scaled);
    }
    m_images[nState] = std::move(image);
    if (nState == ktImageNormal)
        Refresh();
}

BOOL CKTImageManagerIcon::SetIcon(const CKTImageManagerIconHandle& handle, int nState)
{
    CKTAlphaBitmap image;
    if (!ImageOf(handle, image))
        return FALSE;
    SetImage(std::move(image), nState);
    return TRUE;
}

CKTImageManagerIconHandle CKTImageManagerIcon::Handle(int nState) const
{
    return CKTImageManagerIconHandle(m_images[nState].GetHandle());
}

CKTImageManagerIconHandle CKTImageManagerIcon::GetIcon() const { return Handle(ktImageNormal); }

CKTImageManagerIconHandle CKTImageManagerIcon::GetHotIcon() const
{
    return m_images[ktImageHot].IsEmpty() ? GetIcon() : Handle(ktImageHot);
}

CKTImageManagerIconHandle CKTImageManagerIcon::GetCheckedIcon() const
{
    return m_images[ktImageChecked].IsEmpty() ? GetHotIcon() : Handle(ktImageChecked);
}

CKTImageManagerIconHandle CKTImageManagerIcon::GetPressedIcon() const
{
    return m_images[ktImagePressed].IsEmpty() ? GetHotIcon() : Handle(ktImagePressed);
}

CKTImageManagerIconHandle CKTImageManagerIcon::GetFadedIcon()
{
    if (m_faded.IsEmpty())
    {
        COLORREF clrWindow = KTColorManager()->GetColor(COLOR_WINDOW);
        DeriveFromNormal(m_faded,
                         [clrWindow](COLORREF& clr, BYTE&) { clr = CKTColorManager::BlendColors(clr, clrWindow, 70); });
    }
    return CKTImageManagerIconHandle(m_faded.GetHandle());
}

CKTImageManagerIconHandle CKTImageManagerIcon::GetShadowIcon()
{
    if (m_shadow.IsEmpty())
    {
        COLORREF clrShadow = KTColorManager()->GetColor(COLOR_BTNSHADOW);
        DeriveFromNormal(m_shadow,
                         [clrShadow](COLORREF& clr, BYTE& alpha)
                         {
                             clr = clrShadow;
                             alpha = static_cast<BYTE>(alpha / 2);
                         });
    }
    return CKTImageManagerIconHandle(m_shadow.GetHandle());
}

CKTImageManagerIconHandle CKTImageManagerIcon::GetDisabledIcon(BOOL bDerive)
{
    if (HasDisabledIcon())
        return Handle(ktImageDisabled);
    if (m_derivedDisabled.IsEmpty() && bDerive)
        CreateDisabledIcon();
    return CKTImageManagerIconHandle(m_derivedDisabled.GetHandle());
}

void CKTImageManagerIcon::CreateDisabledIcon(COLORREF clrLight, COLORREF clrDark)
{
    if (clrLight == static_cast<COLORREF>(-1))
        clrLight = KTColorManager()->GetColor(COLOR_3DHIGHLIGHT);
    if (clrDark == static_cast<COLORREF>(-1))
        clrDark = KTColorManager()->GetColor(COLOR_3DSHADOW);
    DeriveFromNormal(m_derivedDisabled,
                     [clrLight, clrDark](COLORREF& clr, BYTE&)
                     {
                         BYTE lum = Luminance(clr);
                         clr = RGB(Between(GetRValue(clrDark), GetRValue(clrLight), lum),
                                   Between(GetGValue(clrDark), GetGValue(clrLight), lum),
                                   Between(GetBValue(clrDark), GetBValue(clrLight), lum));
                     });
}

void CKTImageManagerIcon::DeriveFromNormal(CKTAlphaBitmap& derived,
                                           const std::function<void(COLORREF& clr, BYTE& alpha)>& fn) const
{
    if (derived.CopyPart(m_images[ktImageNormal], RECT{0, 0, m_nWidth, m_nHeight}))
        derived.TransformPixels(fn);
}

void CKTImageManagerIcon::Refresh()
{
    m_derivedDisabled = CKTAlphaBitmap();
    m_faded = CKTAlphaBitmap();
    m_shadow = CKTAlphaBitmap();
}

void CKTImageManagerIcon::Draw(CDC* pDC, CPoint pt, const CKTImageManagerIconHandle& handle, CSize sz) const
{
    if (!pDC || handle.IsEmpty())
        return;
    CSize szImage = handle.GetExtent();
    if (sz.cx <= 0 || sz.cy <= 0)
        sz = szImage;
    if (!handle.IsAlpha())
    {
        ::DrawIconEx(pDC->GetSafeHdc(), pt.x, pt.y, handle.GetIcon(), sz.cx, sz.cy, 0, NULL, DI_NORMAL);
        return;
    }
    CKTAlphaBitmap::DrawBitmap(pDC->GetSafeHdc(), RECT{pt.x, pt.y, pt.x + sz.cx, pt.y + sz.cy}, handle.GetBitmap(),
                               RECT{0, 0, szImage.cx, szImage.cy});
}

void CKTImageManagerIcon::DrawMono(CDC* pDC, CPoint pt, const CKTImageManagerIconHandle& handle, CSize sz,
                                   COLORREF clr) const
{
    CKTAlphaBitmap silhouette;
    if (!pDC || !ImageOf(handle, silhouette))
        return;
    silhouette.TransformPixels([clr](COLORREF& pixel, BYTE&) { pixel = clr; });
    if (sz.cx <= 0 || sz.cy <= 0)
        sz = CSize(silhouette.GetWidth(), silhouette.GetHeight());
    silhouette.Draw(pDC->GetSafeHdc(), pt.x, pt.y, sz.cx, sz.cy);
}

CSize CKTImageManagerIcon::GetExtent(HICON hIcon)
{
    ICONINFO info = {};
    if (!hIcon || !::GetIconInfo(hIcon, &info))
        return CSize(0, 0);
    BITMAP bm = {};
    ::GetObject(info.hbmMask, sizeof(bm), &bm);
    CSize sz(bm.bmWidth, info.hbmColor ? bm.bmHeight : bm.bmHeight / 2);
    if (info.hbmColor)
        ::DeleteObject(info.hbmColor);
    ::DeleteObject(info.hbmMask);
    return sz;
}

HICON CKTImageManagerIcon::ScaleToFit(HICON hIcon, CSize szExtent, int nWidth)
{
    if (!hIcon || nWidth <= 0 || szExtent.cx <= 0 || szExtent.cy <= 0)
        return NULL;
    if (nWidth == szExtent.cx)
        return ::CopyIcon(hIcon);
    CKTAlphaBitmap image, scaled;
    int nHeight = static_cast<int>(static_cast<long long>(szExtent.cy) * nWidth / szExtent.cx);
    if (!image.LoadIcon(hIcon) || !scaled.Scale(image, nWidth, nHeight > 0 ? nHeight : 1))
        return NULL;
    return scaled.CreateIcon();
}

CKTImageManagerIcon* CKTImageManagerIconSet::GetIcon(int nWidth) const
{
    if (m_icons.empty())
        return NULL;
    if (nWidth == 0)
        return m_icons.front().get();
    if (nWidth == 1)
        return m_icons.back().get();
    CKTImageManagerIcon* pNearest = NULL;
    for (const auto& pIcon : m_icons)
    {
        if (!pNearest || abs(pIcon->m_nWidth - nWidth) < abs(pNearest->m_nWidth - nWidth))
            pNearest = pIcon.get();
    }
    return pNearest;
}

CKTImageManagerIcon* CKTImageManagerIconSet::GetOrAddIcon(int nWidth, int nHeight)
{
    auto it = m_icons.begin();
    while (it != m_icons.end() && (*it)->m_nWidth < nWidth)
        ++it;
    if (it != m_icons.end() && (*it)->m_nWidth == nWidth)
        return it->get();
    return m_icons.insert(it, std::make_unique<CKTImageManagerIcon>(m_nID, nWidth, nHeight))->get();
}

void CKTImageManagerIconSet::Refresh()
{
    for (const auto& pIcon : m_icons)
        pIcon->Refresh();
}

CKTImageManager::CKTImageManager() = default;

CKTImageManager::~CKTImageManager() = default;

BOOL CKTImageManager::SetIcon(const CKTImageManagerIconHandle& handle, UINT nID, CSize szIcon, int nState)
{
    if (handle.IsEmpty() || nState < 0 || nState >= ktImageStateCount)
        return FALSE;
    if (szIcon.cx <= 0 || szIcon.cy <= 0)
        szIcon = handle.GetExtent();
    if (szIcon.cx <= 0 || szIcon.cy <= 0)
        return FALSE;
    return GetOrAddIconSet(nID)->GetOrAddIcon(szIcon.cx, szIcon.cy)->SetIcon(handle, nState);
}

BOOL CKTImageManager::LoadStrip(UINT nIDResource, CKTAlphaBitmap& strip)
{
    DWORD cb = 0;
    const void* pPng = KTResourceManager()->LoadResourceData(MAKEINTRESOURCEA(nIDResource), "PNG", &cb);
    if (pPng && strip.LoadPng(pPng, cb))
        return TRUE;
    HBITMAP hBitmap = KTResourceManager()->LoadBitmap(nIDResource);
    if (!hBitmap)
        return FALSE;
    BOOL bOwnAlpha = FALSE;
    BOOL bLoaded = strip.LoadBitmap(hBitmap, g_clrStripMask, &bOwnAlpha);
    ::DeleteObject(hBitmap);
    if (bLoaded && bOwnAlpha)
        strip.PremultiplyAlpha();  // bitmap resources keep straight alpha
    return bLoaded;
}

BOOL CKTImageManager::SetIcons(UINT nIDResource, const UINT* pCommands, int nCount, CSize szIcon, int nState)
{
    CKTAlphaBitmap strip;
    return LoadStrip(nIDResource, strip) && SetIcons(strip, pCommands, nCount, szIcon, nState);
}

BOOL CKTImageManager::SetIcons(const CKTAlphaBitmap& strip, const UINT* pCommands, int nCount, CSize szIcon, int nState)
{
    if (strip.IsEmpty() || !pCommands || nState < 0 || nState >= ktImageStateCount)
        return FALSE;
    if (szIcon.cy <= 0)
        szIcon.cy = strip.GetHeight();
    if (szIcon.cx <= 0)
        szIcon.cx = szIcon.cy;
    int nSlice = 0;
    for (int i = 0; i < nCount; i++)
    {
        if (pCommands[i] == 0)
            continue;  // a separator has no slice
        CKTAlphaBitmap slice;
        RECT rcSlice = {nSlice * szIcon.cx, 0, (nSlice + 1) * szIcon.cx, szIcon.cy};
        if (!slice.CopyPart(strip, rcSlice))
            break;  // the strip has fewer slices than ids
        nSlice++;
        GetOrAddIconSet(pCommands[i])->GetOrAddIcon(szIcon.cx, szIcon.cy)->SetImage(std::move(slice), nState);
    }
    return TRUE;
}

CKTImageManagerIconSet* CKTImageManager::GetIconSet(UINT nID) const
{
    auto it = m_sets.find(nID);
    return it == m_sets.end() ? NULL : it->second.get();
}

CKTImageManagerIconSet* CKTImageManager::GetOrAddIconSet(UINT nID)
{
    std::unique_ptr<CKTImageManagerIconSet>& pSet = m_sets[nID];
    if (!pSet)
        pSet = std::make_unique<CKTImageManagerIconSet>(nID);
    return pSet.get();
}

CKTImageManagerIcon* CKTImageManager::GetImage(UINT nID, int nWidth) const
{
    CKTImageManagerIconSet* pSet = GetIconSet(nID);
    return pSet ? pSet->GetIcon(nWidth) : NULL;
}

void CKTImageManager::ExchangeIconSet(UINT nID, CKTPropExchange* pPX)
{
    CKTImageManagerIconSet* pSet = GetIconSet(nID);
    DWORD dwCount = pSet ? static_cast<DWORD>(pSet->GetIcons().size()) : 0;
    PX_DWord(pPX, "Count", dwCount, 0);
    if (pPX->IsLoading() && dwCount == 0)
        return;
    if (pPX->IsLoading())
    {
        RemoveIcon(nID);
        pSet = GetOrAddIconSet(nID);
    }
    for (DWORD i = 0; i < dwCount && !pPX->IsFailed(); i++)
    {
        CKTImageManagerIcon* pIcon = pPX->IsLoading() ? NULL : pSet->GetIcons()[i].get();
        int cx = pIcon ? pIcon->m_nWidth : 0, cy = pIcon ? pIcon->m_nHeight : 0;
        PX_Int(pPX, "Width", cx, 0);
        PX_Int(pPX, "Height", cy, 0);
        if (pPX->IsLoading())
        {
            if (cx <= 0 || cy <= 0)
                return;
            pIcon = pSet->GetOrAddIcon(cx, cy);
        }
        for (int nState = 0; nState < ktImageStateCount; nState++)
        {
            const CKTAlphaBitmap& image = pIcon->GetImage(nState);
            BYTE* pBits = const_cast<BYTE*>(image.GetBits());
            DWORD cbBits = image.IsEmpty() ? 0 : image.GetBitsSize();
            if (!pPX->ExchangeBlobProp("Image", pBits, cbBits) || !pPX->IsLoading())
                continue;
            std::unique_ptr<BYTE[]> pLoaded(pBits);
            CKTAlphaBitmap loaded;
            if (cbBits && loaded.SetBits(cx, cy, pLoaded.get(), cbBits))
                pIcon->SetImage(std::move(loaded), nState);
        }
    }
}

void CKTImageManager::RemoveIcon(UINT nID) { m_sets.erase(nID); }

void CKTImageManager::TakeIconSet(CKTImageManager& from, UINT nID)
{
    auto it = from.m_sets.find(nID);
    if (it == from.m_sets.end())
        return;
    m_sets[nID] = std::move(it->second);
    from.m_sets.erase(it);
}

void CKTImageManager::RemoveAll() { m_sets.clear(); }

void CKTImageManager::RefreshAll()
{
    for (auto& entry : m_sets)
        entry.second->Refresh();
}

COLORREF CKTImageManager::GetBitmapPixel(HBITMAP hBitmap, int x, int y)
{
    CKTCompatibleDC dc(NULL, hBitmap);
    return dc.GetSafeHdc() ? ::GetPixel(dc.GetSafeHdc(), x, y) : CLR_INVALID;
}

HBITMAP CKTImageManager::Create32BPPDIBSection(HDC hDC, int cx, int cy, LPBYTE* ppBits)
{
    return CKTAlphaBitmap::Create32BPPDIBSection(hDC, cx, cy, ppBits);
}

CKTImageManager* KTImageManager()
{
    static CKTImageManager manager;
    return &manager;
}
