// Editor documents and views in the shared test MDI application, opened through a template of their own.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "KTSyntaxEditDoc.h"
#include "KTSyntaxEditLexParserAdapter.h"
#include "KTSyntaxEditView.h"
#include "TestApp.h"
#include "TestFolder.h"
#include "TestMainFrame.h"

class CEditorAppTest : public ::testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        CKTSyntaxEditLexParserAdapter::Install();
        s_pTemplate = new CMultiDocTemplate(IDR_TESTTYPE, RUNTIME_CLASS(CKTSyntaxEditDoc),
                                            RUNTIME_CLASS(CTestChildFrame), RUNTIME_CLASS(CKTSyntaxEditView));
        s_pTemplate->LoadTemplate();
    }
    static void TearDownTestSuite()
    {
        s_pTemplate->CloseAllDocuments(TRUE);
        PumpPending();
        delete s_pTemplate;
        CKTSyntaxEditBufferManager::SetLexParserFactory(NULL);
    }
    void TearDown() override
    {
        theApp.m_nMessageAnswer = IDNO;
        s_pTemplate->CloseAllDocuments(FALSE);
        PumpPending();
        theApp.m_nMessageAnswer = IDOK;
    }

    CKTSyntaxEditDoc* Open(const std::string& path)
    {
        CDocument* pDoc = s_pTemplate->OpenDocumentFile(path.c_str());
        PumpPending();
        return pDoc ? static_cast<CKTSyntaxEditDoc*>(pDoc) : NULL;
    }
    static CKTSyntaxEditView* ViewOf(CDocument* pDoc)
    {
        POSITION pos = pDoc->GetFirstViewPosition();
        return static_cast<CKTSyntaxEditView*>(pDoc->GetNextView(pos));
    }
    static CString Text(CKTSyntaxEditDoc* pDoc)
    {
        CString strText;
        CKTSyntaxEditBufferManager* pBuffer = pDoc->GetDataManager();
        for (int nRow = 1; nRow <= pBuffer->GetRowCount(); ++nRow)
            strText += pBuffer->GetLineTextEx(nRow, nRow < pBuffer->GetRowCount());
        return strText;
    }

    static inline CMultiDocTemplate* s_pTemplate = NULL;
    CTestFolder m_folder{"syntaxedit-docview"};
};
