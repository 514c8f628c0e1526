// The paint manager's resources: fonts, colours with their profile keys, cursors, icons and pen.
#include "KTSyntaxEditPaintManager.h"

#include <cstdlib>
#include <cstring>
#include <memory>

#include "KTDrawObjects.h"
#include "KTResourceManager.h"
#include "KTSyntaxEditRes.h"

namespace
{
const char kSettings[] = "Settings";
const char kLogFont[] = "LogFont";

struct ColorKey
{
    LPCSTR pszKey;
    int nSysColor;  // -1: the fixed line-number colour
};

const ColorKey kColorKeys[KT_EDIT_COLORSET::kColorCount] = {
    {"ColorText", COLOR_WINDOWTEXT},
    {"ColorBack", COLOR_WINDOW},
    {"ColorHiliteText", COLOR_HIGHLIGHTTEXT},
    {"ColorHiliteBack", COLOR_HIGHLIGHT},
    {"ColorInactiveHiliteColorText", COLOR_INACTIVECAPTIONTEXT},
    {"ColorInactiveHiliteColorBack", COLOR_INACTIVECAPTION},
    {"ColorLineNumberText", -1},
    {"ColorLineNumberBack", COLOR_WINDOW},
};

LOGFONT DefaultLogFont()
{
    LOGFONT lf = {};
    lf.lfHeight = -13;
    lf.lfWeight = FW_NORMAL;
    lf.lfCharSet = DEFAULT_CHARSET;
    strcpy(lf.lfFaceName, "Courier");
    return lf;
}

BOOL IsFixedPitch(CFont& font)
{
    CKTScreenDC dc;
    CKTFontDC selection(&dc, &font);
    TEXTMETRIC tm = {};
    if (!dc.GetSafeHdc() || !::GetTextMetrics(dc.GetSafeHdc(), &tm))
        return TRUE;
    // The bit set means a variable pitch.
    return (tm.tmPitchAndFamily & TMPF_FIXED_PITCH) == 0;
}

void ReplaceFont(CFont& target, CFont& source)
{
    target.DeleteObject();
    target.Attach(source.Detach());
}
}  // namespace

CKTSyntaxEditPaintManager* KTSyntaxEditPaintManager()
{
    static CKTSyntaxEditPaintManager s_manager;
    return &s_manager;
}

CKTSyntaxEditPaintManager::CKTSyntaxEditPaintManager()
{
    m_hcurNoDrop = ::LoadCursor(NULL, IDC_NO);
    m_hcurText = ::LoadCursor(NULL, IDC_IBEAM);
    m_hcurArrow = ::LoadCursor(NULL, IDC_ARROW);

    NONCLIENTMETRICS ncm = {};
    ncm.cbSize = sizeof(ncm);
    if (::SystemParametersInfo(SPI_GETNONCLIENTMETRICS, sizeof(ncm), &ncm, 0))
        m_fontStatus.CreateFontIndirect(&ncm.lfStatusFont);

    LOGFONT lf = DefaultLogFont();
    SetFont(&lf);
    // An editor needs equal cells; where the named face maps to a
    // proportional one, any fixed-pitch face of the system serves.
    if (m_fontText.GetSafeHandle() && !IsFixedPitch(m_fontText))
    {
        lf.lfPitchAndFamily = FIXED_PITCH | FF_MODERN;
        lf.lfFaceName[0] = '\0';
        SetFont(&lf);
    }
    RefreshMetrics();
    InitBitmaps();
}

CKTSyntaxEditPaintManager::~CKTSyntaxEditPaintManager() = default;

void CKTSyntaxEditPaintManager::InitBitmaps()
{
    m_ilLineMarks.DeleteImageList();
    CBitmap bitmap;
    if (!bitmap.Attach(KTResourceManager()->LoadBitmap(KT_IDB_EDIT_LINEMARKS)))
        return;
    BITMAP bm = {};
    bitmap.GetBitmap(&bm);
    if (m_ilLineMarks.Create(20, bm.bmHeight, ILC_COLOR24 | ILC_MASK, 0, 1))
        m_ilLineMarks.Add(&bitmap, RGB(0, 255, 0));
}

void CKTSyntaxEditPaintManager::RefreshMetrics()
{
    for (int i = 0; i < KT_EDIT_COLORSET::kColorCount; ++i)
    {
        int nSys = kColorKeys[i].nSysColor;
        m_clrSet.At(i).SetStandardValue(nSys < 0 ? RGB(0, 130, 132) : ::GetSysColor(nSys));
    }
    if (CWinApp* pApp = AfxGetApp())
    {
        ReadProfileColors(pApp);
        ReadProfileFont(pApp);
    }
    m_penShadow.DeleteObject();
    m_penShadow.CreatePen(PS_SOLID, 1, ::GetSysColor(COLOR_BTNSHADOW));
}

// A stored value equal to today's system colour keeps the colour following the system.
void CKTSyntaxEditPaintManager::ReadProfileColors(CWinApp* pApp)
{
    for (int i = 0; i < KT_EDIT_COLORSET::kColorCount; ++i)
    {
        CKTPaintManagerColor& color = m_clrSet.At(i);
        COLORREF clrStandard = color.GetStandardColor();
        // Only plain RGB values are colours here: a damaged value keeps the standard colour.
        const COLORREF clrRead = pApp->GetProfileInt(kSettings, kColorKeys[i].pszKey, int(clrStandard));
        if (clrRead != clrStandard && clrRead <= RGB(255, 255, 255))
            color.SetCustomValue(clrRead);
    }
}

void CKTSyntaxEditPaintManager::ReadProfileFont(CWinApp* pApp)
{
    LPBYTE pData = NULL;
    UINT nBytes = 0;
    if (!pApp->GetProfileBinary(kSettings, kLogFont, &pData, &nBytes))
        return;
    std::unique_ptr<BYTE[]> data(pData);
    if (IsValidLogFontData(data.get(), nBytes))
        SetFont(reinterpret_cast<const LOGFONT*>(data.get()));
}

BOOL CKTSyntaxEditPaintManager::IsValidLogFontData(const BYTE* pData, UINT nBytes)
{
    if (!pData || nBytes != sizeof(LOGFONT))
        return FALSE;
    // Sizes a screen can show and the weights the system knows: a damaged value leaves the font as it is.
    const LONG kMostPixels = 1000;
    const LOGFONT* pLogFont = reinterpret_cast<const LOGFONT*>(pData);
    return memchr(pLogFont->lfFaceName, 0, LF_FACESIZE) != NULL && labs(pLogFont->lfHeight) <= kMostPixels &&
           labs(pLogFont->lfWidth) <= kMostPixels && pLogFont->lfWeight >= 0 && pLogFont->lfWeight <= FW_HEAVY;
}

BOOL CKTSyntaxEditPaintManager::CreateFonts(const LOGFONT& lf, CFont& fontText, CFont& fontAttr,
                                            CFont& fontLineNumber) const
{
    return fontText.CreateFontIndirect(&lf) && fontAttr.CreateFontIndirect(&lf) &&
           fontLineNumber.CreateFontIndirect(&lf);
}

BOOL CKTSyntaxEditPaintManager::SetFont(const LOGFONT* pLogFont, BOOL bSave)
{
    if (!pLogFont)
        return FALSE;
    CFont fontText, fontAttr, fontLineNumber;
    if (!CreateFonts(*pLogFont, fontText, fontAttr, fontLineNumber))
        return FALSE;
    ReplaceFont(m_fontText, fontText);
    ReplaceFont(m_fontAttr, fontAttr);
    ReplaceFont(m_fontLineNumber, fontLineNumber);
    m_lfText = *pLogFont;
    m_lfAttr = *pLogFont;
    if (!bSave)
        return TRUE;
    CWinApp* pApp = AfxGetApp();
    return pApp && pApp->WriteProfileBinary(kSettings, kLogFont, (LPBYTE)pLogFont, sizeof(LOGFONT));
}

BOOL CKTSyntaxEditPaintManager::SetFontText(const LOGFONT* pLogFont)
{
    CFont font;
    if (!pLogFont || !font.CreateFontIndirect(pLogFont))
        return FALSE;
    ReplaceFont(m_fontText, font);
    m_lfText = *pLogFont;
    return TRUE;
}

BOOL CKTSyntaxEditPaintManager::SetFontLineNumber(const LOGFONT* pLogFont)
{
    CFont font;
    if (!pLogFont || !font.CreateFontIndirect(pLogFont))
        return FALSE;
    ReplaceFont(m_fontLineNumber, font);
    return TRUE;
}

BOOL CKTSyntaxEditPaintManager::SaveColor(int nIndex, COLORREF clr, LPCSTR pszKey, BOOL bSave)
{
    m_clrSet.At(nIndex).SetCustomValue(clr);
    if (!bSave)
        return TRUE;
    CWinApp* pApp = AfxGetApp();
    return pApp && pApp->WriteProfileInt(kSettings, pszKey, int(clr));
}

BOOL CKTSyntaxEditPaintManager::SetTextColor(COLORREF clr, BOOL bSave)
{
    return SaveColor(ktColorText, clr, kColorKeys[ktColorText].pszKey, bSave);
}

BOOL CKTSyntaxEditPaintManager::SetBackColor(COLORREF clr, BOOL bSave)
{
    return SaveColor(ktColorBack, clr, kColorKeys[ktColorBack].pszKey, bSave);
}

BOOL CKTSyntaxEditPaintManager::SetHiliteTextColor(COLORREF clr, BOOL bSave)
{
    return SaveColor(ktColorSelText, clr, kColorKeys[ktColorSelText].pszKey, bSave);
}

BOOL CKTSyntaxEditPaintManager::SetHiliteBackColor(COLORREF clr, BOOL bSave)
{
    return SaveColor(ktColorSelBack, clr, kColorKeys[ktColorSelBack].pszKey, bSave);
}
