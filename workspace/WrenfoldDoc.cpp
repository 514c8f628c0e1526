// The editor's document: the syntax-edit document under the designer's own class name, saved through
// the project's atomic writer.
#include "WrenfoldDoc.h"

#include "project/AtomicFile.h"
#include "WrenfoldApp.h"

#include <new>

IMPLEMENT_DYNCREATE(CwrenfoldDoc, CKTSyntaxEditDoc)

namespace
{

// The text the rows make, a piece at a time; read under the rows' lock, so no edit changes them meanwhile.
ContentsSource RowsOf(const CKTSyntaxEditBufferManager* pBuffer, const CString& strPath)
{
    return [pBuffer, strPath](const PieceWriter& write, CString* why)
    {
        if (!pBuffer)
            return true;
        CKTSyntaxEditRowReadLock lock(pBuffer->GetRowLock());
        return pBuffer->Store(write, strPath, why) != FALSE;
    };
}

}  // namespace

bool CwrenfoldDoc::s_bQuiet = false;

CDocument* CwrenfoldDoc::OpenQuietly(CDocTemplate& editors, LPCTSTR lpszPathName)
{
    struct CQuiet
    {
        CQuiet() { s_bQuiet = true; }
        ~CQuiet() { s_bQuiet = false; }
    } quiet;
    return editors.OpenDocumentFile(lpszPathName, TRUE);
}

void CwrenfoldDoc::ReportSaveLoadException(LPCTSTR lpszPathName, CException* e, BOOL bSaving, UINT nIDPDefault)
{
    if (!s_bQuiet || bSaving)
        CKTSyntaxEditDoc::ReportSaveLoadException(lpszPathName, e, bSaving, nIDPDefault);
}

BOOL CwrenfoldDoc::OnSaveDocument(LPCTSTR lpszPathName)
{
    CString strError;
    if (SaveWithWaiting({{this, lpszPathName}}, &strError))
        return TRUE;
    AfxMessageBox(strError, MB_ICONEXCLAMATION);
    return FALSE;
}

void CwrenfoldDoc::OnCloseDocument()
{
    static_cast<CwrenfoldApp*>(AfxGetApp())->WaitingTexts().Closed(*this);
    CKTSyntaxEditDoc::OnCloseDocument();
}

BOOL CwrenfoldDoc::SaveTogether(const std::vector<CwrenfoldDoc*>& docs, CString* pError)
{
    std::vector<Saving> savings;
    for (CwrenfoldDoc* pDoc : docs)
        savings.push_back({pDoc, pDoc->GetPathName()});
    return SaveWithWaiting(savings, pError);
}

BOOL CwrenfoldDoc::SaveWithWaiting(const std::vector<Saving>& savings, CString* pError)
{
    CWaitingTexts& waiting = static_cast<CwrenfoldApp*>(AfxGetApp())->WaitingTexts();
    std::vector<CKTSyntaxEditDoc*> docs;
    for (const Saving& saving : savings)
        docs.push_back(saving.pDoc);
    const ProjectRecord* pProject = waiting.DueWith(docs);
    static const std::vector<WaitingText> none;
    if (!Save(savings, pProject ? waiting.Of(*pProject) : none, pError))
        return FALSE;
    if (pProject)
        waiting.Written(*pProject);
    return TRUE;
}

BOOL CwrenfoldDoc::Save(const std::vector<Saving>& savings, const std::vector<WaitingText>& texts, CString* pError)
{
    if (savings.empty() && texts.empty())
        return TRUE;
    BOOL bWritten = FALSE;
    try
    {
        bWritten = WriteRows(savings, texts, pError);
    }
    catch (const std::bad_alloc&)
    {
        *pError = "cannot save " + (savings.empty() ? texts.front().strPath : savings.front().strPath) +
                  ": not enough memory";
    }
    if (!bWritten)
    {
        if (savings.size() + texts.size() > 1 && !SaysAFileKeepsNewContents(*pError))
            *pError += "; none of " + NamesOf(savings, texts) + " was written";
        return FALSE;
    }
    for (const Saving& saving : savings)
        saving.pDoc->MarkSaved(saving.strPath);
    return TRUE;
}

// The files by their names alone, as their editors' tabs show them.
CString CwrenfoldDoc::NamesOf(const std::vector<Saving>& savings, const std::vector<WaitingText>& texts)
{
    std::vector<CString> paths;
    for (const Saving& saving : savings)
        paths.push_back(saving.strPath);
    for (const WaitingText& text : texts)
        paths.push_back(text.strPath);
    CString strNames;
    for (const CString& strPath : paths)
        strNames += (strNames.IsEmpty() ? "" : ", ") + strPath.Mid(strPath.ReverseFind('\\') + 1);
    return strNames;
}

// Written aside while the window answers, straight from the rows: a big text is never copied whole.
// Input waits for long work, so no edit waits for the rows meanwhile, and each file gets the text its
// editor still shows when the write ends.
BOOL CwrenfoldDoc::WriteRows(const std::vector<Saving>& savings, const std::vector<WaitingText>& texts, CString* pError)
{
    std::vector<NewFileContents> files;
    for (const Saving& saving : savings)
        files.push_back({saving.strPath, RowsOf(saving.pDoc->GetDataManager(), saving.strPath)});
    for (const WaitingText& text : texts)
        files.push_back({text.strPath, ContentsOf(text.text.data(), text.text.size())});
    bool bWritten = false;
    CString strTold;
    CwrenfoldApp* pApp = static_cast<CwrenfoldApp*>(AfxGetApp());
    pApp->RunLongWork("Saving " + NamesOf(savings, texts) + "...",
                      [&] { bWritten = ReplaceFilesTogether(files, pError, &strTold); });
    if (!strTold.IsEmpty())
        pApp->AddOutputLine("Saving " + NamesOf(savings, texts) + ": " + strTold);
    return bWritten;
}

void CwrenfoldDoc::MarkSaved(LPCTSTR lpszPathName)
{
    CKTSyntaxEditBufferManager* pBuffer = GetDataManager();
    const CString strTypeBefore = pBuffer ? pBuffer->GetFileExt() : CString();
    if (pBuffer)
        pBuffer->MarkStored(lpszPathName);
    SetModifiedFlag(FALSE);
    UpdateFileInfo(lpszPathName);
    // The editor shows the same text: only a new file type, which colours it anew, redraws it.
    if (pBuffer && pBuffer->GetFileExt() != strTypeBefore)
        UpdateAllViews(NULL, ktHintWholeText, NULL);
}
