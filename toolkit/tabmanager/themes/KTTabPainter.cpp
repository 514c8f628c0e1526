// KTTabPainter.cpp: the painter's sets, options, fonts and refresh.
#include "KTTabPainter.h"

#include <algorithm>

#include "KTColorManager.h"
#include "KTDrawHelpers.h"
#include "KTTabAppearanceSetFactory.h"
#include "KTTabColorSetFactory.h"
#include "KTTabManager.h"

CKTTabPainter::CKTTabPainter()
{
    SetAppearance(0);
    ReadStandardFont();
    m_pColorSet->RefreshMetrics();
    m_pAppearanceSet->RefreshMetrics();
}

CKTTabPainter::~CKTTabPainter() = default;

void CKTTabPainter::ReadStandardFont()
{
    LOGFONTA lf = {};
    if (::SystemParametersInfoA(SPI_GETICONTITLELOGFONT, sizeof(lf), &lf, 0))
        SetFontIndirect(&lf, TRUE);
}

CKTTabAppearanceSet* CKTTabPainter::SetAppearance(int nAppearance)
{
    m_nAppearance = nAppearance;
    return SetAppearanceSetObject(KTCreateTabAppearanceSet(nAppearance).release());
}

CKTTabAppearanceSet* CKTTabPainter::SetAppearanceSetObject(CKTTabAppearanceSet* pAppearanceSet)
{
    if (pAppearanceSet)
        InstallAppearanceSet(std::unique_ptr<CKTTabAppearanceSet>(pAppearanceSet));
    OnPropertyChanged();
    return m_pAppearanceSet.get();
}

void CKTTabPainter::InstallAppearanceSet(std::unique_ptr<CKTTabAppearanceSet> pAppearanceSet)
{
    m_pAppearanceSet = std::move(pAppearanceSet);
    m_pAppearanceSet->SetPainter(this);
    m_pAppearanceSet->RefreshMetrics();
    SetColor(m_pAppearanceSet->GetDefaultColorSet());
}

CKTTabColorSet* CKTTabPainter::SetColor(int nColor)
{
    m_nColor = nColor;
    return SetColorSetObject(KTCreateTabColorSet(nColor).release());
}

void CKTTabPainter::ApplyLook(const KT_TAB_LOOK& look)
{
    m_bHotTracking = look.bHotTracking;
    m_bItemColors = look.bItemColors;
    m_nClientFrame = look.nClientFrame;
    m_bStaticFrame = look.bStaticFrame;
    m_rcButtonMargin = look.rcButtonMargin;
    if (look.nDisableLunaColors != -1)
        m_bDisableLunaColors = look.nDisableLunaColors;
    SetAppearance(look.nAppearance);
    if (look.nColor != -1)
        SetColor(look.nColor);
}

CKTTabColorSet* CKTTabPainter::SetColorSetObject(CKTTabColorSet* pColorSet)
{
    if (!pColorSet)
        return NULL;
    InstallColorSet(std::unique_ptr<CKTTabColorSet>(pColorSet));
    OnPropertyChanged();
    return m_pColorSet.get();
}

void CKTTabPainter::InstallColorSet(std::unique_ptr<CKTTabColorSet> pColorSet)
{
    m_pColorSet = std::move(pColorSet);
    m_pColorSet->SetPainter(this);
    m_pColorSet->RefreshMetrics();
}

int CKTTabPainter::PositionOf(const CKTTabManager* pManager) const
{
    return pManager ? pManager->GetPosition() : m_nPosition;
}

void CKTTabPainter::SetPosition(int nPosition)
{
    m_nPosition = nPosition;
    OnPropertyChanged();
}

void CKTTabPainter::SetLayout(int nLayout)
{
    m_nLayout = nLayout;
    OnPropertyChanged();
}

void CKTTabPainter::RemoveObserver(CObserver* pObserver)
{
    m_arrObservers.erase(std::remove(m_arrObservers.begin(), m_arrObservers.end(), pObserver), m_arrObservers.end());
}

void CKTTabPainter::OnPropertyChanged()
{
    for (size_t i = 0; i < m_arrObservers.size(); i++)
        m_arrObservers[i]->OnPropertyChanged();
}

void CKTTabPainter::RefreshMetrics()
{
    if (m_bUseStandardFont)
        ReadStandardFont();
    m_pColorSet->RefreshMetrics();
    m_pAppearanceSet->RefreshMetrics();
}

namespace
{
void CreateFont(CFont& font, LOGFONTA lf, LONG nWeight)
{
    font.DeleteObject();
    lf.lfWeight = nWeight;
    font.CreateFontIndirect(&lf);
}
}  // namespace

void CKTTabPainter::SetFontIndirect(const LOGFONTA* pLogFont, BOOL bUseStandardFont)
{
    m_bUseStandardFont = bUseStandardFont;
    if (!pLogFont)
        return;
    LOGFONTA lf = *pLogFont;
    if (m_bClearTypeFonts && KTOsVersionInfo()->IsWinXPOrLater())
        lf.lfQuality = CLEARTYPE_QUALITY;
    LONG nNormalWeight = m_bBoldNormal ? FW_BOLD : FW_NORMAL;
    CreateFont(m_fntNormal, lf, nNormalWeight);
    CreateFont(m_fntBold, lf, FW_BOLD);
    // Vertical captions read bottom to top in a face that can turn; small fonts become legible.
    lstrcpynA(lf.lfFaceName, CKTDrawHelpers::GetDefaultFontName(), LF_FACESIZE);
    lf.lfEscapement = 2700;
    lf.lfOrientation = 900;
    if (lf.lfHeight > -11 && lf.lfHeight < 0)
        lf.lfHeight = -11;
    CreateFont(m_fntVerticalNormal, lf, nNormalWeight);
    CreateFont(m_fntVerticalBold, lf, FW_BOLD);
}

COLORREF CKTTabPainter::GetIndexedTabColor(COLORREF clrIndex)
{
    static const COLORREF kColors[8] = {0xE4A88A, 0x75DBFF, 0x9FCDBD, 0x9F9EF0, 0xE1A6BA, 0xB4BF9A, 0x83B6F7, 0xC0ABD8};
    return IsIndexedTabColor(clrIndex) ? kColors[clrIndex - ktTabColorIndexFirst] : clrIndex;
}

void CKTTabPainter::AdjustRectByPosition(CRect& rc, int l, int t, int r, int b, int nPosition)
{
    switch (nPosition)
    {
    case ktTabPositionLeft:
        rc.InflateRect(t, l, b, r);
        break;
    case ktTabPositionBottom:
        rc.InflateRect(l, b, r, t);
        break;
    case ktTabPositionRight:
        rc.InflateRect(b, l, t, r);
        break;
    default:
        rc.InflateRect(l, t, r, b);
        break;
    }
}

void CKTTabPainter::DeflateRectByPosition(CRect& rc, const CRect& rcMargin, int nPosition)
{
    AdjustRectByPosition(rc, -rcMargin.left, -rcMargin.top, -rcMargin.right, -rcMargin.bottom, nPosition);
}

BOOL CKTTabPainter::IsLunaColorsDisabled() const
{
    return m_bDisableLunaColors || KTColorManager()->IsLunaColorsDisabled();
}

void CKTTabPainter::DrawFocusRect(CDC* pDC, CKTTabManagerItem*, CRect rc)
{
    if (!m_bDrawFocusRect)
        return;
    rc.DeflateRect(3, 3);
    pDC->SetTextColor(0);
    pDC->SetBkColor(0xFFFFFF);
    pDC->DrawFocusRect(rc);
}
