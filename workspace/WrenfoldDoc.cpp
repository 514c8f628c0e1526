// The editor's document: the syntax-edit document under the designer's own class name, saved through
// the project's atomic writer.
#include "WrenfoldDoc.h"

#include "project/AtomicFile.h"
#include "WrenfoldApp.h"

#include <new>

IMPLEMENT_DYNCREATE(CwrenfoldDoc, CKTSyntaxEditDoc)

BOOL CwrenfoldDoc::OnSaveDocument(LPCTSTR lpszPathName)
{
    CString strError;
    if (SaveTo(lpszPathName, &strError))
        return TRUE;
    AfxMessageBox(strError, MB_ICONEXCLAMATION);
    return FALSE;
}

BOOL CwrenfoldDoc::SaveTo(LPCTSTR lpszPathName, CString* pError)
{
    try
    {
        if (!WriteRows(lpszPathName, pError))
            return FALSE;
    }
    catch (const std::bad_alloc&)
    {
        *pError = CString("cannot save ") + lpszPathName + ": not enough memory";
        return FALSE;
    }
    MarkSaved(lpszPathName);
    return TRUE;
}

// Written aside while the window answers, straight from the rows: a big text is never copied whole.
// Input waits for long work, so no edit waits for the rows meanwhile, and the file gets the text the
// editor still shows when the write ends.
BOOL CwrenfoldDoc::WriteRows(LPCTSTR lpszPathName, CString* pError)
{
    const CKTSyntaxEditBufferManager* pBuffer = GetDataManager();
    const std::string path(lpszPathName);
    const CString strName = CString(lpszPathName).Mid(CString(lpszPathName).ReverseFind('\\') + 1);
    bool bWritten = false;
    const auto storeRows = [pBuffer, lpszPathName](const PieceWriter& write, CString* why)
    {
        if (!pBuffer)
            return true;
        CKTSyntaxEditRowReadLock lock(pBuffer->GetRowLock());
        return pBuffer->Store(write, lpszPathName, why) != FALSE;
    };
    static_cast<CwrenfoldApp*>(AfxGetApp())
        ->RunLongWork("Saving " + strName + "...",
                      [&] { bWritten = ReplaceFileInPieces(path.c_str(), storeRows, pError); });
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
