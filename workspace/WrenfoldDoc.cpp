// The editor's document: the syntax-edit document under the designer's own class name.
#include "WrenfoldDoc.h"

IMPLEMENT_DYNCREATE(CwrenfoldDoc, CKTSyntaxEditDoc)

namespace
{
// The extension of a path with its dot; "" when it has none.
CString ExtensionOf(const CString& strPath)
{
    const int nDot = strPath.ReverseFind('.');
    return nDot > strPath.ReverseFind('\\') && nDot > strPath.ReverseFind('/') ? strPath.Mid(nDot) : CString();
}
}  // namespace

// The text is written through a file beside the real one, and the buffer takes its type from the file it
// wrote: give it back the real file's type, or the colouring of its scheme is lost at every save.
BOOL CwrenfoldDoc::OnSaveDocument(LPCTSTR lpszPathName)
{
    const BOOL bSaved = CKTSyntaxEditDoc::OnSaveDocument(lpszPathName);
    if (CKTSyntaxEditBufferManager* pBuffer = GetDataManager())
        pBuffer->SetFileExt(ExtensionOf(lpszPathName));
    return bSaved;
}
