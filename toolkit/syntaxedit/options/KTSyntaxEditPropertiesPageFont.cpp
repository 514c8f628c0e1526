// The "Editor Font" page edits a working copy of the editor's font; only Apply gives it to the editors.
#include "KTSyntaxEditPropertiesPageFont.h"

#include <functional>

#include "KTDrawObjects.h"
#include "KTResourceManager.h"
#include "KTSyntaxEditRes.h"
#include "KTSyntaxEditView.h"
#include "KTSyntaxEditPaintManager.h"

namespace
{
const int kMaxSizeChars = 32;
const int kBoldWeight = 700;
const int kNormalWeight = 400;
const char* const kStandardSizes[] = {"8",  "9",  "10", "11", "12", "14", "16", "18",
                                      "20", "22", "24", "26", "28", "36", "48", "72"};

using FontVisitor = std::function<void(const ENUMLOGFONTEX&, const TEXTMETRIC&, DWORD)>;

int CALLBACK VisitFont(const LOGFONT* pLogFont, const TEXTMETRIC* pMetric, DWORD dwType, LPARAM lParam)
{
    (*reinterpret_cast<FontVisitor*>(lParam))(*reinterpret_cast<const ENUMLOGFONTEX*>(pLogFont), *pMetric, dwType);
    return 1;
}

void EnumerateFonts(LOGFONT lf, FontVisitor visit)
{
    CKTScreenDC dc;
    if (dc.GetSafeHdc())
        ::EnumFontFamiliesEx(dc.GetSafeHdc(), &lf, VisitFont, reinterpret_cast<LPARAM>(&visit), 0);
}

int ScreenPixelsPerInch()
{
    CKTScreenDC dc;
    return dc.GetSafeHdc() ? dc.GetDeviceCaps(LOGPIXELSY) : 96;
}

CString LoadText(UINT nID)
{
    CString strText;
    KTResourceManager()->LoadString(&strText, nID);
    return strText;
}

// An empty face asks the system for any fixed-pitch face: the page names the one the font got.
CString FaceOf(CFont& font, const LOGFONT& lf)
{
    if (lf.lfFaceName[0])
        return lf.lfFaceName;
    CKTScreenDC dc;
    CKTFontDC selection(&dc, &font);
    char szFace[LF_FACESIZE] = "";
    if (!dc.GetSafeHdc() || !::GetTextFace(dc.GetSafeHdc(), LF_FACESIZE, szFace))
        return CString();
    return szFace;
}

void AddUnique(CComboBox& box, const CString& strText)
{
    if (!strText.IsEmpty() && box.FindStringExact(-1, strText) < 0)
        box.AddString(strText);
}
}  // namespace

BEGIN_MESSAGE_MAP(CKTSyntaxEditPropertiesPageFont, CPropertyPage)
ON_CBN_SELCHANGE(KT_IDC_EDIT_OPT_FACE, OnFaceChange)
ON_CBN_SELCHANGE(KT_IDC_EDIT_OPT_STYLE, OnStyleChange)
ON_CBN_SELCHANGE(KT_IDC_EDIT_OPT_SIZE, OnSizeChange)
ON_CBN_SELENDOK(KT_IDC_EDIT_OPT_SCRIPT, OnScriptChange)
ON_CBN_SELENDOK(KT_IDC_EDIT_OPT_TEXT_COLOR, OnColorChange)
ON_CBN_SELENDOK(KT_IDC_EDIT_OPT_BACK_COLOR, OnColorChange)
ON_CBN_SELENDOK(KT_IDC_EDIT_OPT_SELTEXT_COLOR, OnColorChange)
ON_CBN_SELENDOK(KT_IDC_EDIT_OPT_SELBACK_COLOR, OnColorChange)
ON_BN_CLICKED(KT_IDC_EDIT_OPT_TEXT_PICK, OnPickText)
ON_BN_CLICKED(KT_IDC_EDIT_OPT_BACK_PICK, OnPickBack)
ON_BN_CLICKED(KT_IDC_EDIT_OPT_SELTEXT_PICK, OnPickSelText)
ON_BN_CLICKED(KT_IDC_EDIT_OPT_SELBACK_PICK, OnPickSelBack)
END_MESSAGE_MAP()

CKTSyntaxEditPropertiesPageFont::CKTSyntaxEditPropertiesPageFont(CKTSyntaxEditView* pView)
    : CPropertyPage(KTResourceManager()->LoadDialogTemplate(KT_IDD_EDIT_PAGE_FONT)), m_pView(pView)
{
    InitFromPaintManager();
}

CFont* CKTSyntaxEditPropertiesPageFont::GetCurrentFont() const
{
    return m_fontSample.GetSafeHandle() ? const_cast<CFont*>(&m_fontSample) : KTSyntaxEditPaintManager()->GetFont();
}

BOOL CKTSyntaxEditPropertiesPageFont::GetLogFont(LOGFONT& lf) const
{
    CFont* pFont = GetCurrentFont();
    return pFont->GetSafeHandle() && pFont->GetLogFont(&lf);
}

BOOL CKTSyntaxEditPropertiesPageFont::MakeFont(CFont& font, const LOGFONT& lf)
{
    font.DeleteObject();
    return font.CreateFontIndirect(&lf);
}

void CKTSyntaxEditPropertiesPageFont::InitFromPaintManager()
{
    LOGFONT lf;
    if (GetLogFont(lf))
        MakeFont(m_fontSample, lf);
    CKTSyntaxEditPaintManager* pManager = KTSyntaxEditPaintManager();
    m_colors.m_clrText = pManager->GetColor(CKTSyntaxEditPaintManager::ktColorText);
    m_colors.m_clrBack = pManager->GetColor(CKTSyntaxEditPaintManager::ktColorBack);
    m_colors.m_clrSelText = pManager->GetColor(CKTSyntaxEditPaintManager::ktColorSelText);
    m_colors.m_clrSelBack = pManager->GetColor(CKTSyntaxEditPaintManager::ktColorSelBack);
}

void CKTSyntaxEditPropertiesPageFont::DoDataExchange(CDataExchange* pDX)
{
    CPropertyPage::DoDataExchange(pDX);
    DDX_Control(pDX, KT_IDC_EDIT_OPT_SCRIPT, m_boxScript);
    DDX_Control(pDX, KT_IDC_EDIT_OPT_STYLE, m_boxStyle);
    DDX_Control(pDX, KT_IDC_EDIT_OPT_SIZE, m_boxSize);
    DDX_Control(pDX, KT_IDC_EDIT_OPT_FACE, m_boxFace);
    m_colors.DoDataExchange(pDX);
    DDX_CBString(pDX, KT_IDC_EDIT_OPT_STYLE, m_strStyle);
    DDX_CBString(pDX, KT_IDC_EDIT_OPT_FACE, m_strFaceName);
    DDX_CBString(pDX, KT_IDC_EDIT_OPT_SIZE, m_strSize);
    DDV_MaxChars(pDX, m_strSize, kMaxSizeChars);
}

BOOL CKTSyntaxEditPropertiesPageFont::OnInitDialog()
{
    CPropertyPage::OnInitDialog();
    FillFaceList();
    FillStyleList();
    FillSizeList();
    FillScriptList();
    InitColorBoxes();
    SetSampleFont();
    return TRUE;
}

void CKTSyntaxEditPropertiesPageFont::SelectOrSetText(CComboBox& box, const CString& strText)
{
    if (box.SelectString(-1, strText) == CB_ERR)
        box.SetWindowText(strText);
}

void CKTSyntaxEditPropertiesPageFont::FillFaceList()
{
    m_boxFace.ResetContent();
    LOGFONT lf{};
    lf.lfCharSet = DEFAULT_CHARSET;
    lf.lfPitchAndFamily = FIXED_PITCH;
    EnumerateFonts(lf,
                   [this](const ENUMLOGFONTEX& font, const TEXTMETRIC&, DWORD)
                   {
                       // The list holds face names, so a face is a duplicate when its face name is there already.
                       if (font.elfLogFont.lfPitchAndFamily & FIXED_PITCH)
                           AddUnique(m_boxFace, font.elfLogFont.lfFaceName);
                   });
    LOGFONT lfCurrent;
    if (!GetLogFont(lfCurrent))
        return;
    m_strFaceName = FaceOf(*GetCurrentFont(), lfCurrent);
    SelectOrSetText(m_boxFace, m_strFaceName);
}

void CKTSyntaxEditPropertiesPageFont::FillStyleList()
{
    m_boxStyle.ResetContent();
    for (UINT nID :
         {KT_IDS_EDIT_STYLE_REGULAR, KT_IDS_EDIT_STYLE_BOLD, KT_IDS_EDIT_STYLE_ITALIC, KT_IDS_EDIT_STYLE_BOLD_ITALIC})
        m_boxStyle.AddString(LoadText(nID));
    LOGFONT lf;
    if (!m_fontSample.GetSafeHandle() || !m_fontSample.GetLogFont(&lf))
        return;
    const BOOL bBold = lf.lfWeight >= kBoldWeight;
    const UINT nID = bBold ? (lf.lfItalic ? KT_IDS_EDIT_STYLE_BOLD_ITALIC : KT_IDS_EDIT_STYLE_BOLD)
                           : (lf.lfItalic ? KT_IDS_EDIT_STYLE_ITALIC : KT_IDS_EDIT_STYLE_REGULAR);
    m_strStyle = LoadText(nID);
    SelectOrSetText(m_boxStyle, m_strStyle);
}

void CKTSyntaxEditPropertiesPageFont::FillSizeList()
{
    m_boxSize.ResetContent();
    LOGFONT lf;
    if (!m_fontSample.GetSafeHandle() || !m_fontSample.GetLogFont(&lf))
        return;
    const int nPixelsPerInch = ScreenPixelsPerInch();
    EnumerateFonts(lf,
                   [this, nPixelsPerInch](const ENUMLOGFONTEX&, const TEXTMETRIC& metric, DWORD dwType)
                   {
                       if (dwType == TRUETYPE_FONTTYPE)
                           return;
                       CString strSize;
                       strSize.Format("%i", ::MulDiv(metric.tmHeight - metric.tmInternalLeading, 72, nPixelsPerInch));
                       AddUnique(m_boxSize, strSize);
                   });
    if (m_boxSize.GetCount() == 0)
        for (const char* pszSize : kStandardSizes)
            m_boxSize.AddString(pszSize);
    m_strSize.Format("%i", -::MulDiv(lf.lfHeight, 72, nPixelsPerInch));
    SelectOrSetText(m_boxSize, m_strSize);
}

void CKTSyntaxEditPropertiesPageFont::FillScriptList()
{
    m_boxScript.ResetContent();
    LOGFONT lf;
    if (!m_fontSample.GetSafeHandle() || !m_fontSample.GetLogFont(&lf))
        return;
    m_nCharSet = lf.lfCharSet;
    lf.lfCharSet = DEFAULT_CHARSET;
    lf.lfPitchAndFamily = FIXED_PITCH;
    EnumerateFonts(lf,
                   [this](const ENUMLOGFONTEX& font, const TEXTMETRIC&, DWORD)
                   {
                       const CString strScript((LPCSTR)font.elfScript);
                       if (strScript.IsEmpty() || m_boxScript.FindStringExact(-1, strScript) >= 0)
                           return;
                       const int nIndex = m_boxScript.AddString(strScript);
                       m_boxScript.SetItemData(nIndex, font.elfLogFont.lfCharSet);
                   });
    int nSelect = 0;
    while (nSelect < m_boxScript.GetCount() && (BYTE)m_boxScript.GetItemData(nSelect) != m_nCharSet)
        nSelect++;
    m_boxScript.SetCurSel(nSelect < m_boxScript.GetCount() ? nSelect : 0);
}

void CKTSyntaxEditPropertiesPageFont::InitColorBoxes()
{
    m_colors.SetAutomaticColors();
    InitFromPaintManager();
    m_colors.SelectColors();
    m_colors.ShowOnSamples();
}

void CKTSyntaxEditPropertiesPageFont::SetSampleFont()
{
    if (!m_fontSample.GetSafeHandle())
        return;
    m_colors.SetSampleFont(&m_fontSample);
}

void CKTSyntaxEditPropertiesPageFont::MarkModified()
{
    SetModified(TRUE);
    m_bModified = TRUE;
}

BOOL CKTSyntaxEditPropertiesPageFont::TakeListSelection(CKTSyntaxEditTipComboBox& box, CString& strText)
{
    // A click on the item that was selected already is no new choice.
    if (box.GetTipList().IsClickUnchanged())
        return FALSE;
    UpdateData(TRUE);
    const int nIndex = box.GetSafeHwnd() ? box.GetCurSel() : CB_ERR;
    if (nIndex == CB_ERR)
        return FALSE;
    CString strItem;
    box.GetLBText(nIndex, strItem);
    if (strItem.IsEmpty())
        return FALSE;
    strText = strItem;
    SelectOrSetText(box, strText);
    return TRUE;
}

void CKTSyntaxEditPropertiesPageFont::TakeFont(const LOGFONT& lf)
{
    CFont font;
    if (!MakeFont(font, lf))
        return;
    m_fontSample.DeleteObject();
    m_fontSample.Attach(font.Detach());
    SetSampleFont();
    MarkModified();
}

void CKTSyntaxEditPropertiesPageFont::OnFaceChange()
{
    LOGFONT lf;
    if (!TakeListSelection(m_boxFace, m_strFaceName) || !GetLogFont(lf))
        return;
    lstrcpyn(lf.lfFaceName, m_strFaceName, LF_FACESIZE);
    TakeFont(lf);
    FillSizeList();
    FillScriptList();
}

void CKTSyntaxEditPropertiesPageFont::OnStyleChange()
{
    LOGFONT lf;
    if (!TakeListSelection(m_boxStyle, m_strStyle) || !GetLogFont(lf))
        return;
    lf.lfItalic = m_strStyle.Find(LoadText(KT_IDS_EDIT_STYLE_ITALIC)) >= 0;
    lf.lfWeight = m_strStyle.Find(LoadText(KT_IDS_EDIT_STYLE_BOLD)) >= 0 ? kBoldWeight : kNormalWeight;
    TakeFont(lf);
}

void CKTSyntaxEditPropertiesPageFont::OnSizeChange()
{
    LOGFONT lf;
    if (!TakeListSelection(m_boxSize, m_strSize) || !GetLogFont(lf))
        return;
    lf.lfHeight = -::MulDiv(atoi(m_strSize), ScreenPixelsPerInch(), 72);
    TakeFont(lf);
}

void CKTSyntaxEditPropertiesPageFont::OnScriptChange()
{
    if (m_boxScript.GetTipList().IsClickUnchanged())
        return;
    UpdateData(TRUE);
    const int nIndex = m_boxScript.GetCurSel();
    LOGFONT lf;
    if (nIndex == CB_ERR || !GetLogFont(lf))
        return;
    m_nCharSet = (BYTE)m_boxScript.GetItemData(nIndex);
    lf.lfCharSet = m_nCharSet;
    TakeFont(lf);
    UpdateData(FALSE);
}

void CKTSyntaxEditPropertiesPageFont::OnColorChange()
{
    UpdateData(TRUE);
    m_colors.ShowOnSamples();
    MarkModified();
}

void CKTSyntaxEditPropertiesPageFont::PickColorFor(CKTSyntaxEditColorComboBox& box)
{
    if (box.PickColor() >= 0)
        OnColorChange();
}

BOOL CKTSyntaxEditPropertiesPageFont::OnApply()
{
    if (!CPropertyPage::OnApply())
        return FALSE;
    if (m_bModified)
        ApplyFont();
    m_bModified = FALSE;
    return TRUE;
}

BOOL CKTSyntaxEditPropertiesPageFont::ApplyFont()
{
    LOGFONT lf;
    if (!GetLogFont(lf))
        return FALSE;
    if (m_pView)
        m_pView->SetFont(&lf, TRUE);
    CKTSyntaxEditPaintManager* pManager = KTSyntaxEditPaintManager();
    pManager->SetTextColor(m_colors.m_clrText, TRUE);
    pManager->SetBackColor(m_colors.m_clrBack, TRUE);
    pManager->SetHiliteTextColor(m_colors.m_clrSelText, TRUE);
    pManager->SetHiliteBackColor(m_colors.m_clrSelBack, TRUE);
    return TRUE;
}
