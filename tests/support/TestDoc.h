// The test application's document: one line of text, stored as a line.
// Classes: CTestDoc.
#pragma once
#include "TestApp.h"

class CTestDoc : public CDocument
{
    DECLARE_DYNCREATE(CTestDoc)
public:
    CString m_strText;
    BOOL m_bDocCommands = TRUE;   // the document answers its commands
    BOOL m_bFailStoring = FALSE;  // storing breaks off after the first line
    void Serialize(CArchive& ar) override;
    BOOL OnNewDocument() override;

protected:
    afx_msg void OnViewCmd() { g_commandLog.push_back("doc"); }
    afx_msg BOOL OnDocCmd(UINT)
    {
        g_commandLog.push_back("doc");
        return m_bDocCommands;
    }
    DECLARE_MESSAGE_MAP()
};
