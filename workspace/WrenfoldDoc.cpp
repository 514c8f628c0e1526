// The editor's document: the syntax-edit document under the designer's own class name, saved through
// the project's atomic writer.
#include "WrenfoldDoc.h"

#include "project/AtomicFile.h"
#include "WrenfoldApp.h"

IMPLEMENT_DYNCREATE(CwrenfoldDoc, CKTSyntaxEditDoc)

BOOL CwrenfoldDoc::OnSaveDocument(LPCTSTR lpszPathName)
{
    // Taken here, where the rows change, and written aside while the window answers. Input waits for
    // long work, so the text the file gets is the one the editor still shows when the write ends.
    CKTSyntaxEditBufferManager* pBuffer = GetDataManager();
    const std::string image = pBuffer ? pBuffer->GetFileImage() : std::string();
    const std::string path(lpszPathName);
    const CString strName = CString(lpszPathName).Mid(CString(lpszPathName).ReverseFind('\\') + 1);
    CString strError;
    bool bWritten = false;
    static_cast<CwrenfoldApp*>(AfxGetApp())
        ->RunLongWork("Saving " + strName + "...",
                      [&] { bWritten = ReplaceFileContents(path.c_str(), image.data(), image.size(), &strError); });
    if (!bWritten)
    {
        AfxMessageBox(strError, MB_ICONEXCLAMATION);
        return FALSE;
    }
    const CString strTypeBefore = pBuffer ? pBuffer->GetFileExt() : CString();
    if (pBuffer)
        pBuffer->MarkStored(lpszPathName);
    SetModifiedFlag(FALSE);
    UpdateFileInfo(lpszPathName);
    // The editor shows the same text: only a new file type, which colours it anew, redraws it.
    if (pBuffer && pBuffer->GetFileExt() != strTypeBefore)
        UpdateAllViews(NULL, ktHintWholeText, NULL);
    return TRUE;
}
