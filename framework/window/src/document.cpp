// CDocument: title and modified mark, views, opening and saving through
// Serialize, closing, and the standard file-error box.
#include <algorithm>
#include "afxwin.h"
#include "afxpriv.h"
#include "afxdlgs.h"

IMPLEMENT_DYNAMIC(CDocument, CCmdTarget)

namespace
{

// A new empty file in the target's folder: replacing the target with it is
// then a rename on one volume. Empty when the folder cannot take one.
CString MakeFileBeside(LPCTSTR lpszPathName)
{
    char szFolder[MAX_PATH];
    LPSTR pszName = nullptr;
    DWORD nLen = ::GetFullPathName(lpszPathName, MAX_PATH, szFolder, &pszName);
    if (nLen == 0 || nLen >= MAX_PATH || !pszName)
        return CString();
    *pszName = '\0';
    char szTemp[MAX_PATH];
    if (!::GetTempFileName(szFolder, "kfw", 0, szTemp))
        return CString();
    return szTemp;
}

// The user hears of the document's file, not of the file written beside it.
void NameTarget(CException* e, LPCTSTR lpszPathName)
{
    if (CFileException* pFileError = dynamic_cast<CFileException*>(e))
        pFileError->m_strFileName = lpszPathName;
    else if (CArchiveException* pArchiveError = dynamic_cast<CArchiveException*>(e))
        pArchiveError->m_strFileName = lpszPathName;
}

// Windows refuses to move a file over a read-only one, but Wine's move replaces it and drops the
// attribute: refuse it here, with the error Windows sets.
BOOL MoveOver(LPCTSTR lpszFrom, LPCTSTR lpszTo)
{
    const DWORD dwAttributes = ::GetFileAttributes(lpszTo);
    if (dwAttributes != INVALID_FILE_ATTRIBUTES && (dwAttributes & FILE_ATTRIBUTE_READONLY) != 0)
    {
        ::SetLastError(ERROR_ACCESS_DENIED);
        return FALSE;
    }
    return ::MoveFileEx(lpszFrom, lpszTo, MOVEFILE_REPLACE_EXISTING | MOVEFILE_COPY_ALLOWED | MOVEFILE_WRITE_THROUGH);
}

}  // namespace

BEGIN_MESSAGE_MAP(CDocument, CCmdTarget)
ON_COMMAND(ID_FILE_CLOSE, OnFileClose)
ON_COMMAND(ID_FILE_SAVE, OnFileSave)
ON_COMMAND(ID_FILE_SAVE_AS, OnFileSaveAs)
END_MESSAGE_MAP()

CDocument::~CDocument()
{
    // Views still attached no longer point here.
    for (CView* pView : m_viewList)
        pView->m_pDocument = nullptr;
    if (m_pDocTemplate)
        m_pDocTemplate->RemoveDocument(this);
}

void CDocument::SetTitle(LPCTSTR lpszTitle)
{
    m_strTitle = lpszTitle;
    UpdateFrameCounts();
}

void CDocument::MarkTitle(BOOL bModified)
{
    const int nMark = 2;
    BOOL bMarked = m_strTitle.GetLength() >= nMark && m_strTitle.Right(nMark) == " *";
    if (bModified && !bMarked)
        SetTitle(m_strTitle + " *");
    else if (!bModified && bMarked)
        SetTitle(m_strTitle.Left(m_strTitle.GetLength() - nMark));
}

void CDocument::SetModifiedFlag(BOOL bModified)
{
    m_bModified = bModified;
    MarkTitle(bModified);
}

void CDocument::SetPathName(LPCTSTR lpszPathName, BOOL bAddToMRU)
{
    char szFullPath[_MAX_PATH];
    AfxFullPath(szFullPath, lpszPathName);
    m_strPathName = szFullPath;
    char szTitle[_MAX_PATH];
    AfxGetFileTitle(szFullPath, szTitle, _MAX_PATH);
    SetTitle(szTitle);
    MarkTitle(m_bModified);
    if (bAddToMRU)
        if (CWinApp* pApp = AfxGetApp())
            pApp->AddToRecentFileList(m_strPathName);
}

POSITION CDocument::GetFirstViewPosition() const { return m_viewList.empty() ? nullptr : (POSITION)(UINT_PTR)1; }

CView* CDocument::GetNextView(POSITION& rPosition) const
{
    size_t nIndex = (size_t)(UINT_PTR)rPosition - 1;
    if (nIndex >= m_viewList.size())
    {
        rPosition = nullptr;
        return nullptr;
    }
    rPosition = nIndex + 1 < m_viewList.size() ? (POSITION)(UINT_PTR)(nIndex + 2) : nullptr;
    return m_viewList[nIndex];
}

void CDocument::AddView(CView* pView)
{
    m_viewList.push_back(pView);
    pView->m_pDocument = this;
    OnChangedViewList();
}

void CDocument::RemoveView(CView* pView)
{
    auto it = std::find(m_viewList.begin(), m_viewList.end(), pView);
    if (it == m_viewList.end())
        return;
    m_viewList.erase(it);
    pView->m_pDocument = nullptr;
    OnChangedViewList();
}

void CDocument::OnChangedViewList()
{
    // The last view gone takes an auto-deleted document with it.
    if (m_viewList.empty() && m_bAutoDelete)
    {
        OnCloseDocument();
        return;
    }
    UpdateFrameCounts();
}

void CDocument::UpdateFrameCounts()
{
    std::vector<CFrameWnd*> frames;
    for (CView* pView : m_viewList)
    {
        CFrameWnd* pFrame = pView->GetParentFrame();
        if (pFrame && pView->IsWindowVisible() && std::find(frames.begin(), frames.end(), pFrame) == frames.end())
            frames.push_back(pFrame);
    }
    int nWindow = frames.size() > 1 ? 1 : 0;
    for (CFrameWnd* pFrame : frames)
    {
        pFrame->m_nWindow = nWindow ? nWindow++ : 0;
        pFrame->DelayUpdateFrameTitle();
    }
}

void CDocument::UpdateAllViews(CView* pSender, LPARAM lHint, CObject* pHint)
{
    std::vector<CView*> views = m_viewList;  // a view may go while updated
    for (CView* pView : views)
        if (pView != pSender)
            pView->OnUpdate(pSender, lHint, pHint);
}

void CDocument::DeleteContents() {}

BOOL CDocument::OnNewDocument()
{
    DeleteContents();
    m_strPathName.Empty();
    m_bModified = FALSE;
    return TRUE;
}

CFile* CDocument::GetFile(LPCTSTR lpszFileName, UINT nOpenFlags, CFileException* pError)
{
    CFile* pFile = new CFile;
    if (!pFile->Open(lpszFileName, nOpenFlags, pError))
    {
        delete pFile;
        return nullptr;
    }
    return pFile;
}

void CDocument::ReleaseFile(CFile* pFile, BOOL bAbort)
{
    if (bAbort)
        pFile->Abort();
    else
        pFile->Close();
    delete pFile;
}

BOOL CDocument::OnOpenDocument(LPCTSTR lpszPathName)
{
    CFileException fe;
    CFile* pFile = GetFile(lpszPathName, CFile::modeRead | CFile::shareDenyWrite, &fe);
    if (!pFile)
    {
        ReportSaveLoadException(lpszPathName, &fe, FALSE, AFX_IDP_FAILED_TO_OPEN_DOC);
        return FALSE;
    }
    DeleteContents();
    SetModifiedFlag(FALSE);
    CArchive loadArchive(pFile, CArchive::load | CArchive::bNoFlushOnDelete);
    try
    {
        Serialize(loadArchive);
        loadArchive.Close();
        ReleaseFile(pFile, FALSE);
    }
    catch (CException* e)
    {
        loadArchive.Abort();
        ReleaseFile(pFile, TRUE);
        DeleteContents();
        ReportSaveLoadException(lpszPathName, e, FALSE, AFX_IDP_FAILED_TO_OPEN_DOC);
        e->Delete();
        return FALSE;
    }
    SetModifiedFlag(FALSE);
    return TRUE;
}

BOOL CDocument::OnSaveDocument(LPCTSTR lpszPathName)
{
    // Written beside the target and put in its place only when complete: a
    // failed save leaves the file as it was.
    CString strTemp = MakeFileBeside(lpszPathName);
    CFileException fe;
    CFile* pFile = strTemp.IsEmpty()
                       ? nullptr
                       : GetFile(strTemp, CFile::modeCreate | CFile::modeReadWrite | CFile::shareExclusive, &fe);
    if (!pFile)
    {
        if (!strTemp.IsEmpty())
            ::DeleteFile(strTemp);
        NameTarget(&fe, lpszPathName);
        ReportSaveLoadException(lpszPathName, &fe, TRUE, AFX_IDP_INVALID_FILENAME);
        return FALSE;
    }
    // Serialize asks its file for the document's name (an editor picks its colouring by extension).
    pFile->SetFilePath(lpszPathName);
    CArchive saveArchive(pFile, CArchive::store | CArchive::bNoFlushOnDelete);
    try
    {
        Serialize(saveArchive);
        saveArchive.Close();
        // On the disk before the rename, or a crash could leave the target empty.
        pFile->Flush();
        ReleaseFile(pFile, FALSE);
    }
    catch (CException* e)
    {
        saveArchive.Abort();
        ReleaseFile(pFile, TRUE);
        ::DeleteFile(strTemp);
        NameTarget(e, lpszPathName);
        ReportSaveLoadException(lpszPathName, e, TRUE, AFX_IDP_FAILED_TO_SAVE_DOC);
        e->Delete();
        return FALSE;
    }
    if (!MoveOver(strTemp, lpszPathName))
    {
        LONG lOsError = (LONG)::GetLastError();
        CFileException replaceError(CFileException::OsErrorToException(lOsError), lOsError, lpszPathName);
        ::DeleteFile(strTemp);
        ReportSaveLoadException(lpszPathName, &replaceError, TRUE, AFX_IDP_FAILED_TO_SAVE_DOC);
        return FALSE;
    }
    SetModifiedFlag(FALSE);
    return TRUE;
}

void CDocument::ReportSaveLoadException(LPCTSTR lpszPathName, CException* e, BOOL bSaving, UINT)
{
    char szCause[512] = "";
    if (e && !e->GetErrorMessage(szCause, sizeof szCause))
        szCause[0] = '\0';
    CString strPrompt;
    if (szCause[0])
        strPrompt = szCause;
    else if (bSaving)
        strPrompt.Format("Failed to save document %s.", lpszPathName ? lpszPathName : "");
    else
        strPrompt.Format("Failed to open document %s.", lpszPathName ? lpszPathName : "");
    AfxMessageBox(strPrompt, MB_ICONEXCLAMATION);
}

void CDocument::OnCloseDocument()
{
    // The auto-delete flag is held off while the frames go, so that the
    // document outlives the destruction of its last view.
    BOOL bAutoDelete = m_bAutoDelete;
    m_bAutoDelete = FALSE;
    while (!m_viewList.empty())
    {
        CView* pView = m_viewList.front();
        CFrameWnd* pFrame = pView->GetParentFrame();
        if (pFrame)
        {
            PreCloseFrame(pFrame);
            pFrame->DestroyWindow();
        }
        else
        {
            pView->DestroyWindow();
        }
        if (!m_viewList.empty() && m_viewList.front() == pView)
            RemoveView(pView);  // the window did not take the view with it
    }
    m_bAutoDelete = bAutoDelete;
    DeleteContents();
    if (m_bAutoDelete)
        delete this;
}

void CDocument::PreCloseFrame(CFrameWnd*) {}

BOOL CDocument::CanCloseFrame(CFrameWnd* pFrameArg)
{
    for (CView* pView : m_viewList)
    {
        CFrameWnd* pFrame = pView->GetParentFrame();
        if (pFrame && pFrame != pFrameArg)
            return TRUE;  // another frame still shows the document
    }
    return SaveModified();
}

BOOL CDocument::SaveModified()
{
    if (!IsModified())
        return TRUE;
    CString strName = m_strPathName.IsEmpty() ? m_strTitle : m_strPathName;
    if (strName.GetLength() >= 2 && strName.Right(2) == " *")
        strName = strName.Left(strName.GetLength() - 2);
    CString strPrompt;
    strPrompt.Format("Save changes to %s?", (LPCTSTR)strName);
    switch (AfxMessageBox(strPrompt, MB_YESNOCANCEL))
    {
    case IDCANCEL:
        return FALSE;
    case IDYES:
        return DoFileSave();
    default:
        return TRUE;
    }
}

BOOL CDocument::DoFileSave()
{
    DWORD dwAttrib = ::GetFileAttributes(m_strPathName);
    if (m_strPathName.IsEmpty() || (dwAttrib != INVALID_FILE_ATTRIBUTES && (dwAttrib & FILE_ATTRIBUTE_READONLY)))
        return DoSave(nullptr);
    return DoSave(m_strPathName);
}

BOOL CDocument::DoSave(LPCTSTR lpszPathName, BOOL bReplace)
{
    CString strNewName = lpszPathName ? lpszPathName : "";
    if (strNewName.IsEmpty())
    {
        CString strFilter, strExt;
        if (m_pDocTemplate)
        {
            CString strFilterName;
            m_pDocTemplate->GetDocString(strFilterName, CDocTemplate::filterName);
            m_pDocTemplate->GetDocString(strExt, CDocTemplate::filterExt);
            if (!strFilterName.IsEmpty() && !strExt.IsEmpty())
                strFilter = strFilterName + "|*" + strExt + "|";
        }
        strFilter += "All Files (*.*)|*.*||";
        CString strTitle = m_strTitle;
        if (strTitle.GetLength() >= 2 && strTitle.Right(2) == " *")
            strTitle = strTitle.Left(strTitle.GetLength() - 2);
        CFileDialog dlg(FALSE, strExt.IsEmpty() ? nullptr : (LPCTSTR)strExt.Mid(1), strTitle,
                        OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT, strFilter);
        if (dlg.DoModal() != IDOK)
            return FALSE;
        strNewName = dlg.GetPathName();
    }
    CWaitCursor wait;
    if (!OnSaveDocument(strNewName))
        return FALSE;
    if (bReplace)
        SetPathName(strNewName);
    return TRUE;
}

BOOL CDocument::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo)
{
    if (CCmdTarget::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo))
        return TRUE;
    return m_pDocTemplate && m_pDocTemplate->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
}

void CDocument::OnFileClose()
{
    if (!SaveModified())
        return;
    OnCloseDocument();
}

void CDocument::OnFileSave() { DoFileSave(); }
void CDocument::OnFileSaveAs() { DoSave(nullptr); }
