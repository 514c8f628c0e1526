// DesignerFrameTest.h: a loaded designer frame with its settings pane and editor tabs, for tests that
// select tree items and run the frame's commands on example projects.
#pragma once
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "MainFrame.h"
#include "TestFolder.h"
#include "WrenfoldApp.h"

// The designer's application object, its message boxes recorded instead of shown.
class CDesignerTestApp : public CwrenfoldApp
{
public:
    std::vector<CString> m_messages;
    int m_nAnswer = IDOK;              // what each box answers
    bool m_bBoxesRunTheQueue = false;  // as a shown box's own loop does, which may take what was posted before it
    int DoMessageBox(LPCTSTR lpszPrompt, UINT, UINT) override;
};

CDesignerTestApp& DesignerTestApp();

HTREEITEM ChildNamed(const CTreeCtrl& tree, HTREEITEM hParent, const char* pszText);

class DesignerFrameTest : public ::testing::Test
{
protected:
    static void SetUpTestSuite();
    void SetUp() override;
    void TearDown() override;

    // The example design saved in the folder under another project name; its path.
    std::string ExampleNamed(const CTestFolder& folder, const std::string& strName) const;
    COfficeTreeCtrl& Tree() const { return m_pFrame->m_wndProjectTree.m_wndTree; }
    HTREEITEM ProjectItem(const char* pszName) const;
    // The project's child item ("Head" or "Packet"), or that item's first child.
    HTREEITEM BranchOf(const char* pszProject, const char* pszBranch) const;
    HTREEITEM FirstChildOf(const char* pszProject, const char* pszBranch) const;
    void Select(HTREEITEM hItem);
    void RunCommand(UINT nId);
    BOOL PageShown(CProtocolSettingsPane::EPage page);
    CKTPropertyGridItem* Item(CProtocolSettingsPane::EPage page, LPCSTR pszCaption);
    CString ActiveEditorPath() const;

    CMainFrame* m_pFrame = nullptr;
    CTestFolder m_folder{"designer-frame"};
};
