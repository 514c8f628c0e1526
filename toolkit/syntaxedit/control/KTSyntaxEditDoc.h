// The framework document of an editor window: one text buffer shared by all its views.
// Classes: CKTSyntaxEditDoc.
#pragma once

#include <afxwin.h>

#include "KTSmartPtr.h"
#include "KTSyntaxEditBufferManager.h"

class CKTSyntaxEditView;

class CKTSyntaxEditDoc : public CDocument
{
    DECLARE_DYNCREATE(CKTSyntaxEditDoc)
public:
    enum
    {
        ktHintWholeText = 1,
        ktHintSettings = 2,
        ktHintFont = 3,
        ktHintLineNumbers = 4,
        ktHintSelMargin = 5,
        ktHintAutoIndent = 6,
        ktHintSyntaxColor = 7,
        ktHintSiblings = 8,
    };

    CKTSyntaxEditDoc();
    ~CKTSyntaxEditDoc() override;

    CKTSyntaxEditBufferManager* GetDataManager() const { return m_pBuffer; }
    void SetDataManager(CKTSyntaxEditBufferManager* pBuffer) { m_pBuffer = pBuffer; }
    BOOL IsAutoReload() const { return m_bAutoReload; }
    BOOL SetAutoReload(BOOL bAutoReload, BOOL bSave);
    CKTSyntaxEditView* GetFirstView() const;
    const WIN32_FIND_DATAA& GetFileInfo() const { return m_FileInfo; }
    BOOL IsOpenedAsNew() const { return m_bOpenedAsNew; }

    void Serialize(CArchive& ar) override;
    void OnChangedViewList() override;
    BOOL OnNewDocument() override;
    BOOL OnOpenDocument(LPCTSTR lpszPathName) override;
    BOOL OnSaveDocument(LPCTSTR lpszPathName) override;
    void OnCloseDocument() override;
    virtual BOOL UpdateFileInfo(LPCTSTR lpszPathName);

protected:
    DECLARE_MESSAGE_MAP()

    CKTSmartPtr<CKTSyntaxEditBufferManager> m_pBuffer;  // set by the first view
    BOOL m_bAutoReload = FALSE;                         // "AutoReload": stored and edited only
    BOOL m_bOpenedAsNew = TRUE;
    BOOL m_bShareFirstViewState = FALSE;  // later views start at the first view's top row
    WIN32_FIND_DATAA m_FileInfo = {};     // the file's entry at the last open or save
};
