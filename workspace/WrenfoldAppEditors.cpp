// The application's editor template and the editors it opened.
#include "WrenfoldApp.h"

#include "ChildFrame.h"
#include "KTSyntaxEditLexParserAdapter.h"
#include "WorkspaceRes.h"
#include "WrenfoldDoc.h"
#include "WrenfoldView.h"

void CwrenfoldApp::CreateEditorTemplate()
{
    CKTSyntaxEditLexParserAdapter::Install();
    m_pEditorTemplate = std::make_unique<CMultiDocTemplate>(IDR_MAINFRAME, RUNTIME_CLASS(CwrenfoldDoc),
                                                            RUNTIME_CLASS(CChildFrame), RUNTIME_CLASS(CwrenfoldView));
}

void CwrenfoldApp::SaveEditorDocuments(LPCTSTR pszFolder)
{
    if (!m_pEditorTemplate)
        return;
    const CString strFolder(pszFolder);
    POSITION pos = m_pEditorTemplate->GetFirstDocPosition();
    while (pos)
    {
        CDocument* pDoc = m_pEditorTemplate->GetNextDoc(pos);
        const CString strPath = pDoc->GetPathName();
        if (pDoc->IsModified() && strPath.Left(strFolder.GetLength()).CompareNoCase(strFolder) == 0)
            pDoc->OnSaveDocument(strPath);
    }
}
