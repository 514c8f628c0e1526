// The editor document: opens, saves and closes the text through its buffer and tells the views.
#include "KTSyntaxEditDoc.h"

#include "KTSyntaxEditProfile.h"
#include "KTSyntaxEditView.h"

IMPLEMENT_DYNCREATE(CKTSyntaxEditDoc, CDocument)

BEGIN_MESSAGE_MAP(CKTSyntaxEditDoc, CDocument)
END_MESSAGE_MAP()

namespace
{
const char kSection[] = "Settings";
const char kAutoReload[] = "AutoReload";
}  // namespace

CKTSyntaxEditDoc::CKTSyntaxEditDoc() { m_bAutoReload = KTReadProfileFlag(kSection, kAutoReload, FALSE); }

CKTSyntaxEditDoc::~CKTSyntaxEditDoc() = default;

BOOL CKTSyntaxEditDoc::SetAutoReload(BOOL bAutoReload, BOOL bSave)
{
    m_bAutoReload = bAutoReload;
    if (!bSave)
        return TRUE;
    CWinApp* pApp = AfxGetApp();
    return pApp && pApp->WriteProfileInt(kSection, kAutoReload, bAutoReload);
}

CKTSyntaxEditView* CKTSyntaxEditDoc::GetFirstView() const
{
    POSITION pos = GetFirstViewPosition();
    CView* pView = pos ? GetNextView(pos) : NULL;
    return pView && pView->IsKindOf(RUNTIME_CLASS(CKTSyntaxEditView)) ? static_cast<CKTSyntaxEditView*>(pView) : NULL;
}

BOOL CKTSyntaxEditDoc::UpdateFileInfo(LPCTSTR lpszPathName)
{
    HANDLE hFind = ::FindFirstFileA(lpszPathName, &m_FileInfo);
    if (hFind == INVALID_HANDLE_VALUE)
        return FALSE;
    ::FindClose(hFind);
    return TRUE;
}

void CKTSyntaxEditDoc::Serialize(CArchive& ar)
{
    if (!m_pBuffer)
        return;
    CWaitCursor wait;
    m_pBuffer->Serialize(ar);
}

void CKTSyntaxEditDoc::OnChangedViewList()
{
    if (m_bShareFirstViewState)
    {
        CKTSyntaxEditView* pFirst = GetFirstView();
        POSITION pos = GetFirstViewPosition();
        while (pFirst && pos)
        {
            CView* pView = GetNextView(pos);
            if (pView != pFirst && pView->IsKindOf(RUNTIME_CLASS(CKTSyntaxEditView)))
                static_cast<CKTSyntaxEditView*>(pView)->SetInitialTopRow(pFirst->GetEditCtrl()->GetTopRow());
        }
    }
    CDocument::OnChangedViewList();
}

BOOL CKTSyntaxEditDoc::OnNewDocument()
{
    CWaitCursor wait;
    if (!CDocument::OnNewDocument())
        return FALSE;
    m_bOpenedAsNew = m_bShareFirstViewState = TRUE;
    m_FileInfo = WIN32_FIND_DATAA();
    if (m_pBuffer)
        m_pBuffer->InsertText("", 1, 1, FALSE);
    UpdateAllViews(NULL, ktHintWholeText, NULL);
    return TRUE;
}

BOOL CKTSyntaxEditDoc::OnOpenDocument(LPCTSTR lpszPathName)
{
    CWaitCursor wait;
    m_bOpenedAsNew = FALSE;
    BOOL bOpened = CDocument::OnOpenDocument(lpszPathName);
    if (bOpened)
        UpdateAllViews(NULL, ktHintWholeText, NULL);
    return UpdateFileInfo(lpszPathName) && bOpened;
}

BOOL CKTSyntaxEditDoc::OnSaveDocument(LPCTSTR lpszPathName)
{
    CWaitCursor wait;
    if (!CDocument::OnSaveDocument(lpszPathName) || !UpdateFileInfo(lpszPathName))
        return FALSE;
    UpdateAllViews(NULL, ktHintWholeText, NULL);
    return TRUE;
}

void CKTSyntaxEditDoc::OnCloseDocument()
{
    CWaitCursor wait;
    if (m_pBuffer)
        m_pBuffer->Close();
    CDocument::OnCloseDocument();
}
