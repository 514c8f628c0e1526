// The test application's document.
#include "TestDoc.h"

IMPLEMENT_DYNCREATE(CTestDoc, CDocument)

BEGIN_MESSAGE_MAP(CTestDoc, CDocument)
ON_COMMAND(ID_TEST_VIEWCMD, OnViewCmd)
ON_COMMAND_EX(ID_TEST_DOCCMD, OnDocCmd)
END_MESSAGE_MAP()

BOOL CTestDoc::OnNewDocument()
{
    if (!CDocument::OnNewDocument())
        return FALSE;
    m_strText = "new document";
    return TRUE;
}

void CTestDoc::Serialize(CArchive& ar)
{
    if (ar.IsStoring())
    {
        ar.WriteString(m_strText);
        ar.WriteString("\r\n");
        if (m_bFailStoring)
            AfxThrowArchiveException(CArchiveException::genericException);
        return;
    }
    CString strLine;
    m_strText.Empty();
    if (ar.ReadString(strLine))
        m_strText = strLine;
}
