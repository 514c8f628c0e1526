// The editor's document: the syntax-edit document under the designer's own class name, saved through
// the project's atomic writer.
#include "WrenfoldDoc.h"

#include "project/AtomicFile.h"
#include "project/SystemError.h"

IMPLEMENT_DYNCREATE(CwrenfoldDoc, CKTSyntaxEditDoc)

namespace
{

// The system's own sentence and number where the failure has one, as the project file's writer gives them.
CString ReasonOf(const CException& e, LPCTSTR pszPath)
{
    const CFileException* pFileError = dynamic_cast<const CFileException*>(&e);
    if (pFileError && pFileError->m_lOsError != -1)
        return CString("cannot write ") + pszPath + ": " + SystemErrorText(pFileError->m_lOsError);
    char szCause[512] = "";
    if (e.GetErrorMessage(szCause, sizeof szCause) && szCause[0] != '\0')
        return szCause;
    return CString("cannot write ") + pszPath;
}

}  // namespace

BOOL CwrenfoldDoc::OnSaveDocument(LPCTSTR lpszPathName)
{
    CWaitCursor wait;
    CString strError;
    const auto write = [&](const char* pszTemporary, bool* pCreated, CString* pError)
    { return WriteTo(pszTemporary, lpszPathName, pCreated, pError); };
    if (!ReplaceFileWith(lpszPathName, write, &strError))
    {
        AfxMessageBox(strError, MB_ICONEXCLAMATION);
        return FALSE;
    }
    SetModifiedFlag(FALSE);
    UpdateFileInfo(lpszPathName);
    UpdateAllViews(NULL, ktHintWholeText, NULL);
    return TRUE;
}

bool CwrenfoldDoc::WriteTo(const char* pszTemporary, LPCTSTR lpszPathName, bool* pCreated, CString* pError)
{
    CFile file;
    CFileException openError;
    if (!file.Open(pszTemporary, CFile::modeCreate | CFile::modeWrite | CFile::shareExclusive, &openError))
    {
        *pError = ReasonOf(openError, pszTemporary);
        return false;
    }
    *pCreated = true;
    // Serialize asks its file for the document's name: the editor keeps its colouring by extension.
    file.SetFilePath(lpszPathName);
    CArchive archive(&file, CArchive::store | CArchive::bNoFlushOnDelete);
    try
    {
        Serialize(archive);
        archive.Close();
        // On the disk before the rename, or a crash could leave the file empty.
        file.Flush();
        file.Close();
        return true;
    }
    catch (CException* e)
    {
        archive.Abort();
        file.Abort();
        *pError = ReasonOf(*e, pszTemporary);
        e->Delete();
        return false;
    }
}
