// The "Syntax Color" page edits copies of the scheme files' class descriptions; Apply merges the changed copies
// back into their files, Cancel drops them.
#include "KTSyntaxEditPropertiesPageColor.h"

#include <algorithm>
#include <cstdlib>

#include "KTResourceManager.h"
#include "KTSyntaxEditLexParserAdapter.h"
#include "KTSyntaxEditPropertiesPageFont.h"
#include "KTSyntaxEditRes.h"
#include "KTSyntaxEditSchemaFileManager.h"
#include "KTSyntaxEditView.h"

namespace
{
const int kBoldWeight = 700;
const int kNormalWeight = 400;

std::string JoinedName(const KT_EDIT_SCHEMAFILEINFO& property)
{
    std::string name;
    for (const std::string& part : property.arNameParts)
        name += (name.empty() ? "" : ":") + part;
    return name;
}

// Enclosing quotes stay as they are, not escaped.
std::string ValueText(const KT_EDIT_SCHEMAFILEINFO& property)
{
    std::string text;
    for (const std::string& value : property.arValues)
        text += (text.empty() ? "" : ", ") + EscapeSchemaValue(value, true);
    return text;
}

std::string Lower(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return (char)tolower(c); });
    return text;
}

std::vector<std::string> SplitName(const std::string& name)
{
    std::vector<std::string> parts;
    size_t start = 0;
    for (size_t colon = name.find(':'); colon != std::string::npos; colon = name.find(':', start))
    {
        parts.push_back(name.substr(start, colon - start));
        start = colon + 1;
    }
    parts.push_back(name.substr(start));
    return parts;
}

std::vector<KT_EDIT_SCHEMAFILEINFO>::iterator FindProperty(KT_EDIT_LEXCLASSINFO& description, const char* pszName)
{
    const std::string wanted = Lower(pszName);
    return std::find_if(description.arProperties.begin(), description.arProperties.end(),
                        [&wanted](const KT_EDIT_SCHEMAFILEINFO& property)
                        { return Lower(JoinedName(property)) == wanted; });
}

void AppendProperty(KT_EDIT_LEXCLASSINFO& description, const char* pszName, const std::string& value)
{
    KT_EDIT_SCHEMAFILEINFO property;
    property.arNameParts = SplitName(pszName);
    property.arValues.push_back(value);
    description.arProperties.push_back(property);
}

// Scheme files write colours as 0xRRGGBB.
COLORREF ColorFromSchemeValue(const std::string& text)
{
    const unsigned long v = (unsigned long)strtol(text.c_str(), nullptr, 0);
    return RGB((v >> 16) & 0xFF, (v >> 8) & 0xFF, v & 0xFF);
}

std::string SchemeValueOfColor(COLORREF clr)
{
    CString strValue;
    strValue.Format("0x%06X", (unsigned)(GetRValue(clr) << 16 | GetGValue(clr) << 8 | GetBValue(clr)));
    return (LPCSTR)strValue;
}
}  // namespace

BEGIN_MESSAGE_MAP(CKTSyntaxEditPropertiesPageColor, CPropertyPage)
ON_LBN_SELCHANGE(KT_IDC_EDIT_OPT_FILE_TYPE, OnFileTypeChange)
ON_LBN_DBLCLK(KT_IDC_EDIT_OPT_FILE_TYPE, OnOpenSchemaFile)
ON_LBN_SELCHANGE(KT_IDC_EDIT_OPT_ATTRIBUTES, OnAttributeChange)
ON_CBN_SELENDOK(KT_IDC_EDIT_OPT_TEXT_COLOR, OnTextColor)
ON_CBN_SELENDOK(KT_IDC_EDIT_OPT_BACK_COLOR, OnBackColor)
ON_CBN_SELENDOK(KT_IDC_EDIT_OPT_SELTEXT_COLOR, OnSelTextColor)
ON_CBN_SELENDOK(KT_IDC_EDIT_OPT_SELBACK_COLOR, OnSelBackColor)
ON_BN_CLICKED(KT_IDC_EDIT_OPT_TEXT_PICK, OnPickText)
ON_BN_CLICKED(KT_IDC_EDIT_OPT_BACK_PICK, OnPickBack)
ON_BN_CLICKED(KT_IDC_EDIT_OPT_SELTEXT_PICK, OnPickSelText)
ON_BN_CLICKED(KT_IDC_EDIT_OPT_SELBACK_PICK, OnPickSelBack)
ON_BN_CLICKED(KT_IDC_EDIT_OPT_BOLD, OnBold)
ON_BN_CLICKED(KT_IDC_EDIT_OPT_ITALIC, OnItalic)
ON_BN_CLICKED(KT_IDC_EDIT_OPT_UNDERLINE, OnUnderline)
ON_WM_CONTEXTMENU()
END_MESSAGE_MAP()

CKTSyntaxEditPropertiesPageColor::CKTSyntaxEditPropertiesPageColor(CKTSyntaxEditView* pView)
    : CPropertyPage(KTResourceManager()->LoadDialogTemplate(KT_IDD_EDIT_PAGE_COLOR)), m_pView(pView)
{
    ResetAttributeValues();
    CKTSyntaxEditConfigurationManager* pConfig = CKTSyntaxEditLexParserAdapter::GetConfiguration();
    if (!pView || !pConfig)
        return;
    m_ptrConfig = CKTSmartPtr<CKTSyntaxEditConfigurationManager>(pConfig);
    m_schemes = pConfig->GetSchemeEntries();
}

std::string CKTSyntaxEditPropertiesPageColor::GetDisplayName(const KT_EDIT_LEXCLASSINFO& description)
{
    for (const KT_EDIT_SCHEMAFILEINFO& property : description.arProperties)
    {
        if (JoinedName(property) != "DisplayName")
            continue;
        std::string text = ValueText(property);
        text.erase(std::remove(text.begin(), text.end(), '\''), text.end());
        return text;
    }
    return description.strName;
}

void CKTSyntaxEditPropertiesPageColor::DoDataExchange(CDataExchange* pDX)
{
    CPropertyPage::DoDataExchange(pDX);
    DDX_Check(pDX, KT_IDC_EDIT_OPT_BOLD, m_nBold);
    DDX_Check(pDX, KT_IDC_EDIT_OPT_ITALIC, m_nItalic);
    DDX_Check(pDX, KT_IDC_EDIT_OPT_UNDERLINE, m_nUnderline);
    DDX_Control(pDX, KT_IDC_EDIT_OPT_BOLD, m_btnBold);
    DDX_Control(pDX, KT_IDC_EDIT_OPT_ITALIC, m_btnItalic);
    DDX_Control(pDX, KT_IDC_EDIT_OPT_UNDERLINE, m_btnUnderline);
    DDX_Control(pDX, KT_IDC_EDIT_OPT_FILE_TYPE, m_listFileTypes);
    DDX_Control(pDX, KT_IDC_EDIT_OPT_ATTRIBUTES, m_listAttributes);
    DDX_Control(pDX, KT_IDC_EDIT_OPT_SAMPLE_GROUP, m_wndSampleGroup);
    m_colors.DoDataExchange(pDX);
}

void CKTSyntaxEditPropertiesPageColor::ResetAttributeValues()
{
    m_colors.ResetColors();
    m_nBold = m_nItalic = m_nUnderline = 0;
    if (GetSafeHwnd())
        UpdateData(FALSE);
}

BOOL CKTSyntaxEditPropertiesPageColor::OnInitDialog()
{
    CPropertyPage::OnInitDialog();
    m_colors.SetAutomaticColors();
    UpdateData(FALSE);
    CKTSyntaxEditSchemaFileManager::Instance().CopyFileRecords(m_fileCopies);
    for (size_t i = 0; i < m_schemes.size(); i++)
    {
        const KT_EDIT_INI_ENTRY& entry = m_schemes[i];
        const int nIndex =
            m_listFileTypes.AddString(entry.strComment.empty() ? entry.strKey.c_str() : entry.strComment.c_str());
        m_listFileTypes.SetItemData(nIndex, i);
    }
    if (m_listFileTypes.GetCount() > 0)
    {
        m_listFileTypes.SetCurSel(0);
        OnFileTypeChange();
    }
    EnableControls();
    return TRUE;
}

const KT_EDIT_INI_ENTRY* CKTSyntaxEditPropertiesPageColor::SelectedEntry() const
{
    const int nIndex = m_listFileTypes.GetCurSel();
    return nIndex == LB_ERR ? NULL : &m_schemes[m_listFileTypes.GetItemData(nIndex)];
}

KT_EDIT_LEXCLASSINFO* CKTSyntaxEditPropertiesPageColor::SelectedDescription() const
{
    const int nIndex = m_listAttributes.GetCurSel();
    return nIndex == LB_ERR ? NULL : static_cast<KT_EDIT_LEXCLASSINFO*>(m_listAttributes.GetItemDataPtr(nIndex));
}

void CKTSyntaxEditPropertiesPageColor::OnFileTypeChange()
{
    if (m_listFileTypes.IsClickUnchanged())
        return;
    ResetAttributeValues();
    if (const KT_EDIT_INI_ENTRY* pEntry = SelectedEntry())
        FillAttributes(*pEntry);
}

BOOL CKTSyntaxEditPropertiesPageColor::FillAttributes(const KT_EDIT_INI_ENTRY& entry)
{
    m_listAttributes.ResetContent();
    auto found = m_fileCopies.find(Lower(entry.strValue));
    m_pCurrentFile = found == m_fileCopies.end() ? NULL : &found->second;
    if (!m_pCurrentFile)
    {
        EnableControls();
        return FALSE;
    }
    m_listAttributes.SetRedraw(FALSE);
    for (KT_EDIT_LEXCLASSINFO& description : m_pCurrentFile->arClasses)
    {
        const int nIndex = m_listAttributes.AddString(GetDisplayName(description).c_str());
        m_listAttributes.SetItemDataPtr(nIndex, &description);
    }
    m_listAttributes.SetCurSel(0);
    OnAttributeChange();
    m_listAttributes.SetRedraw(TRUE);
    m_listAttributes.RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    return TRUE;
}

void CKTSyntaxEditPropertiesPageColor::OnAttributeChange()
{
    if (m_listAttributes.IsClickUnchanged())
        return;
    ResetAttributeValues();
    const KT_EDIT_LEXCLASSINFO* pDescription = SelectedDescription();
    if (pDescription)
        LoadAttributeValues(*pDescription);
    else
        EnableControls();
    UpdateData(FALSE);
}

void CKTSyntaxEditPropertiesPageColor::LoadAttributeValues(const KT_EDIT_LEXCLASSINFO& description)
{
    const std::pair<const char*, COLORREF*> colors[] = {{"txt:colorFG", &m_colors.m_clrText},
                                                        {"txt:colorBK", &m_colors.m_clrBack},
                                                        {"txt:colorSelFG", &m_colors.m_clrSelText},
                                                        {"txt:colorSelBK", &m_colors.m_clrSelBack}};
    const std::pair<const char*, int*> flags[] = {
        {"txt:Bold", &m_nBold}, {"txt:Italic", &m_nItalic}, {"txt:Underline", &m_nUnderline}};
    for (const KT_EDIT_SCHEMAFILEINFO& property : description.arProperties)
    {
        const std::string name = JoinedName(property);
        for (const auto& color : colors)
            if (name == color.first)
                *color.second = ColorFromSchemeValue(ValueText(property));
        for (const auto& flag : flags)
            if (name == flag.first)
                *flag.second = atoi(ValueText(property).c_str());
    }
    UpdateSampleFont();
    m_colors.ShowOnSamples();
    EnableControls();
}

void CKTSyntaxEditPropertiesPageColor::EnableControls()
{
    const BOOL bFile = m_listFileTypes.GetCurSel() != LB_ERR;
    const BOOL bClass = bFile && m_listAttributes.GetCurSel() != LB_ERR;
    m_listAttributes.EnableWindow(bFile);
    m_colors.Enable(bClass);
    for (CWnd* pControl : std::initializer_list<CWnd*>{&m_wndSampleGroup, &m_btnBold, &m_btnItalic, &m_btnUnderline})
        pControl->EnableWindow(bClass);
}

void CKTSyntaxEditPropertiesPageColor::UpdateSampleFont()
{
    CPropertySheet* pSheet = GetParentSheet();
    CKTSyntaxEditPropertiesPageFont* pFontPage =
        pSheet && pSheet->GetPageCount() > 1 ? dynamic_cast<CKTSyntaxEditPropertiesPageFont*>(pSheet->GetPage(1))
                                             : NULL;
    LOGFONT lf;
    if (!pFontPage || !pFontPage->GetLogFont(lf))
        return;
    lf.lfWeight = m_nBold > 0 ? kBoldWeight : kNormalWeight;
    lf.lfItalic = (BYTE)m_nItalic;
    lf.lfUnderline = (BYTE)m_nUnderline;
    lf.lfStrikeOut = 0;
    if (!CKTSyntaxEditPropertiesPageFont::MakeFont(m_fontSample, lf) || !GetSafeHwnd())
        return;
    m_colors.SetSampleFont(&m_fontSample);
}

BOOL CKTSyntaxEditPropertiesPageColor::OnSetActive()
{
    UpdateSampleFont();
    return CPropertyPage::OnSetActive();
}

void CKTSyntaxEditPropertiesPageColor::MarkModified()
{
    SetModified(TRUE);
    m_bModified = TRUE;
    if (m_pCurrentFile)
        m_pCurrentFile->bModified = true;
}

void CKTSyntaxEditPropertiesPageColor::ChangeColor(CKTSyntaxEditColorComboBox& box, COLORREF& clr, const char* pszName)
{
    UpdateData(TRUE);
    m_colors.ShowOnSamples();
    MarkModified();
    SetColorProperty(box, clr, pszName);
}

void CKTSyntaxEditPropertiesPageColor::PickColor(CKTSyntaxEditColorComboBox& box, COLORREF& clr, const char* pszName)
{
    if (box.PickColor() >= 0)
        ChangeColor(box, clr, pszName);
}

// The automatic colour is no property: the class then takes the editor's own colour.
void CKTSyntaxEditPropertiesPageColor::SetColorProperty(CKTSyntaxEditColorComboBox& box, COLORREF clr,
                                                        const char* pszName)
{
    KT_EDIT_LEXCLASSINFO* pDescription = SelectedDescription();
    if (!pDescription)
        return;
    auto property = FindProperty(*pDescription, pszName);
    const bool bExists = property != pDescription->arProperties.end();
    if (clr == box.GetAutomaticColor())
    {
        if (bExists)
            pDescription->arProperties.erase(property);
        return;
    }
    if (bExists)
        property->arValues.assign(1, SchemeValueOfColor(clr));
    else
        AppendProperty(*pDescription, pszName, SchemeValueOfColor(clr));
}

// A cleared flag is left out rather than written as 0.
void CKTSyntaxEditPropertiesPageColor::ChangeFlag(const int& nValue, const char* pszName)
{
    UpdateData(TRUE);
    UpdateSampleFont();
    MarkModified();
    KT_EDIT_LEXCLASSINFO* pDescription = SelectedDescription();
    if (!pDescription)
        return;
    auto property = FindProperty(*pDescription, pszName);
    if (property != pDescription->arProperties.end())
        pDescription->arProperties.erase(property);
    if (nValue == 1)
        AppendProperty(*pDescription, pszName, "1");
}

void CKTSyntaxEditPropertiesPageColor::OnBold() { ChangeFlag(m_nBold, "txt:Bold"); }
void CKTSyntaxEditPropertiesPageColor::OnItalic() { ChangeFlag(m_nItalic, "txt:Italic"); }
void CKTSyntaxEditPropertiesPageColor::OnUnderline() { ChangeFlag(m_nUnderline, "txt:Underline"); }

BOOL CKTSyntaxEditPropertiesPageColor::OnApply()
{
    if (!CPropertyPage::OnApply())
        return FALSE;
    if (!m_bModified)
        return TRUE;
    if (!m_pView || !m_pView->GetSafeHwnd())
        return FALSE;
    CKTSyntaxEditSchemaFileManager& store = CKTSyntaxEditSchemaFileManager::Instance();
    for (auto& file : m_fileCopies)
    {
        // A written copy matches its file again; the next Apply must not write it twice.
        if (store.WriteSchemaFile(file.first, file.second) == CKTSyntaxEditSchemaFileManager::ktWritten)
            file.second.bModified = false;
    }
    m_bModified = FALSE;
    BringWrittenFilesIn();
    return TRUE;
}

// The editors take written files from the configuration's watch. Without one they take them now, and the user
// hears that changes made to the files elsewhere are not followed.
void CKTSyntaxEditPropertiesPageColor::BringWrittenFilesIn()
{
    if (!m_ptrConfig || !m_ptrConfig->IsWatchLost() || m_ptrConfig->ReloadConfig())
        return;
    CString strMessage;
    KTResourceManager()->LoadString(&strMessage, KT_IDS_EDIT_WATCH_LOST);
    AfxMessageBox(strMessage, MB_OK | MB_ICONWARNING);
}

void CKTSyntaxEditPropertiesPageColor::OnContextMenu(CWnd*, CPoint point)
{
    CPoint ptList(point);
    m_listFileTypes.ScreenToClient(&ptList);
    BOOL bOutside = TRUE;
    const int nItem = (int)m_listFileTypes.ItemFromPoint(ptList, bOutside);
    if (bOutside)
        return;
    m_listFileTypes.SetCurSel(nItem);
    ResetAttributeValues();
    if (const KT_EDIT_INI_ENTRY* pEntry = SelectedEntry())
        FillAttributes(*pEntry);
    CMenu menu;
    CString strItem;
    KTResourceManager()->LoadString(&strItem, KT_IDS_EDIT_OPEN_SCHEMA);
    if (!menu.CreatePopupMenu() || !menu.AppendMenu(MF_STRING, KT_IDM_EDIT_OPEN_SCHEMA, strItem))
        return;
    const UINT nCommand =
        menu.TrackPopupMenu(TPM_RETURNCMD | TPM_NONOTIFY | TPM_LEFTALIGN | TPM_RIGHTBUTTON, point.x, point.y, this);
    if (nCommand == KT_IDM_EDIT_OPEN_SCHEMA)
        OpenSchemaFile();
}

void CKTSyntaxEditPropertiesPageColor::OpenSchemaFile()
{
    const KT_EDIT_INI_ENTRY* pEntry = SelectedEntry();
    if (!pEntry)
        return;
    const CString strPath(pEntry->strValue.c_str());
    const DWORD dwAttributes = ::GetFileAttributes(strPath);
    if (dwAttributes == INVALID_FILE_ATTRIBUTES || (dwAttributes & FILE_ATTRIBUTE_DIRECTORY))
        return;
    char szName[_MAX_FNAME] = "";
    char szExtension[_MAX_EXT] = "";
    _splitpath(strPath, NULL, NULL, szName, szExtension);
    CString strFormat, strQuestion;
    KTResourceManager()->LoadString(&strFormat, KT_IDS_EDIT_OPEN_SCHEMA_QUESTION);
    strQuestion.Format(strFormat, szName, szExtension);
    if (AfxMessageBox(strQuestion, MB_YESNO | MB_ICONQUESTION) != IDYES)
        return;
    // The sheet ends as cancelled: edits not yet applied are dropped.
    if (CPropertySheet* pSheet = GetParentSheet())
        pSheet->EndDialog(IDCANCEL);
    if (CWinApp* pApp = AfxGetApp())
        pApp->OpenDocumentFile(strPath);
}
