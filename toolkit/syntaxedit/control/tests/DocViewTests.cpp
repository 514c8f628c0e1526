// The editor's document and view in the test MDI application: a real file opened through a template,
// typed into with real keystrokes, undone to its saved state, saved byte for byte and opened again.
#include <gtest/gtest.h>

#include "EditorAppTest.h"
#include "GuiLeakCheck.h"
#include "KTSyntaxEditViewCommands.h"
#include "TestInput.h"

namespace
{
const char kFileText[] = "int main(void)\r\n{\r\n\treturn 0;\r\n}\r\n";

using CEditorDocTest = CEditorAppTest;

TEST_F(CEditorDocTest, TypeUndoToTheSavedStateSaveAndReopen)
{
    ASSERT_TRUE(m_folder.Write("main.c", kFileText));
    CKTSyntaxEditDoc* pDoc = Open(m_folder.Path("main.c"));
    ASSERT_NE(pDoc, nullptr);
    EXPECT_FALSE(pDoc->IsOpenedAsNew());
    EXPECT_EQ(pDoc->GetFileInfo().nFileSizeLow, strlen(kFileText));
    CKTSyntaxEditCtrl* pCtrl = ViewOf(pDoc)->GetEditCtrl();
    EXPECT_FALSE(pCtrl->GetStyle() & (WS_HSCROLL | WS_VSCROLL)) << "the view's bars serve the control: one pair only";
    CString strTitle = pDoc->GetTitle();
    pCtrl->SetCurrentPosition(3, pCtrl->GetDisplayColumn(3, 2), FALSE, TRUE);

    CTestInput input(pCtrl->GetSafeHwnd());
    pCtrl->SetFocus();
    ASSERT_TRUE(input.Text("xyz"));
    EXPECT_TRUE(pDoc->IsModified());
    EXPECT_TRUE(pDoc->GetTitle() == strTitle + " *");
    EXPECT_STREQ(pDoc->GetDataManager()->GetLineTextEx(3), "\txyzreturn 0;");
    ASSERT_TRUE(input.Key(VK_LEFT));
    ASSERT_TRUE(input.Text("q"));
    EXPECT_TRUE(pDoc->GetTitle() == strTitle + " *");
    EXPECT_STREQ(pDoc->GetDataManager()->GetLineTextEx(3), "\txyqzreturn 0;");

    ViewOf(pDoc)->SendMessage(WM_COMMAND, ID_EDIT_UNDO);
    EXPECT_TRUE(pDoc->IsModified());
    ViewOf(pDoc)->SendMessage(WM_COMMAND, ID_EDIT_UNDO);
    EXPECT_FALSE(pDoc->IsModified());
    EXPECT_TRUE(pDoc->GetTitle() == strTitle);
    EXPECT_TRUE(Text(pDoc) == kFileText);

    ASSERT_TRUE(input.Key(VK_END));
    ASSERT_TRUE(input.Key(VK_RETURN));
    ASSERT_TRUE(input.Text("x++;"));
    CString strEdited = Text(pDoc);
    EXPECT_TRUE(strEdited == "int main(void)\r\n{\r\n\treturn 0;\r\n\tx++;\r\n}\r\n");
    ASSERT_TRUE(pDoc->OnSaveDocument(m_folder.Path("main.c").c_str()));
    EXPECT_EQ(m_folder.Read("main.c"), std::string(strEdited));
    EXPECT_FALSE(pDoc->GetDataManager()->IsModified());

    pDoc->OnCloseDocument();
    PumpPending();
    pDoc = Open(m_folder.Path("main.c"));
    ASSERT_NE(pDoc, nullptr);
    EXPECT_TRUE(Text(pDoc) == strEdited);
}

TEST_F(CEditorDocTest, ANewDocumentShowsOneEmptyLine)
{
    CDocument* pNew = s_pTemplate->OpenDocumentFile(NULL);
    ASSERT_NE(pNew, nullptr);
    CKTSyntaxEditDoc* pDoc = static_cast<CKTSyntaxEditDoc*>(pNew);
    EXPECT_TRUE(pDoc->IsOpenedAsNew());
    ASSERT_NE(pDoc->GetDataManager(), nullptr);
    EXPECT_EQ(pDoc->GetDataManager()->GetRowCount(), 1);
    EXPECT_EQ(ViewOf(pDoc)->GetEditCtrl()->GetRowCount(), 1);
    EXPECT_TRUE(pDoc->SetAutoReload(TRUE, TRUE));
    EXPECT_EQ(theApp.GetProfileInt("Settings", "AutoReload", 0), 1u);
}

TEST_F(CEditorDocTest, TheSettingsHintReachesEveryOpenEditor)
{
    ASSERT_TRUE(m_folder.Write("a.c", "\tA\r\n"));
    ASSERT_TRUE(m_folder.Write("b.c", "\tB\r\n"));
    CKTSyntaxEditDoc* pFirst = Open(m_folder.Path("a.c"));
    CKTSyntaxEditDoc* pSecond = Open(m_folder.Path("b.c"));
    ASSERT_TRUE(pFirst && pSecond);
    theApp.WriteProfileInt("Settings", "TabSize", 8);
    for (CKTSyntaxEditDoc* pDoc : {pFirst, pSecond})
        pDoc->UpdateAllViews(NULL, CKTSyntaxEditDoc::ktHintSettings);
    CKTSyntaxEditCtrl* pCtrl = ViewOf(pSecond)->GetEditCtrl();
    EXPECT_EQ(pCtrl->GetTabSize(), 8);
    EXPECT_EQ(pCtrl->GetDisplayColumn(1, 2), 9);
    theApp.WriteProfileInt("Settings", "TabSize", 4);
}

class CEditorBarTest : public CEditorAppTest
{
protected:
    // A text far longer than the window, in an editor whose control uses the view's bars.
    CKTSyntaxEditView* OpenLongText()
    {
        CString strRows;
        for (int i = 1; i <= 200; ++i)
            strRows.AppendFormat("int value%d = %d;\r\n", i, i * 7);
        if (!m_folder.Write("long.c", std::string(strRows)))
            return NULL;
        CKTSyntaxEditDoc* pDoc = Open(m_folder.Path("long.c"));
        return pDoc ? ViewOf(pDoc) : NULL;
    }
    // A point on the view's vertical bar, nPixelsUp above its bottom, in the view's client coordinates.
    static POINT OnVerticalBar(CKTSyntaxEditView* pView, int nPixelsUp)
    {
        CRect rc;
        pView->GetClientRect(&rc);
        return {rc.right + ::GetSystemMetrics(SM_CXVSCROLL) / 2, rc.bottom - nPixelsUp};
    }
};

TEST_F(CEditorBarTest, TheViewsOwnBarScrollsTheEditor)
{
    CKTSyntaxEditView* pView = OpenLongText();
    ASSERT_NE(pView, nullptr);
    ASSERT_TRUE(pView->GetStyle() & WS_VSCROLL);
    ASSERT_TRUE(CTestInput(pView->GetSafeHwnd()).Click(OnVerticalBar(pView, ::GetSystemMetrics(SM_CYVSCROLL) * 2)));
    PumpPending();
    CKTSyntaxEditCtrl* pCtrl = pView->GetEditCtrl();
    EXPECT_EQ(pCtrl->GetTopRow(), 1 + pCtrl->GetVisibleRows());
    EXPECT_EQ(pView->GetScrollPos(SB_VERT), pCtrl->GetTopRow());
}

// The bar belongs to the view's frame part, so the wheel there reaches the view, not the control.
TEST_F(CEditorBarTest, TheWheelOverTheViewsBarScrollsAsOverTheText)
{
    CKTSyntaxEditView* pView = OpenLongText();
    ASSERT_NE(pView, nullptr);
    CKTSyntaxEditCtrl* pCtrl = pView->GetEditCtrl();
    CTestInput input(pView->GetSafeHwnd());
    ASSERT_EQ(::GetFocus(), pCtrl->GetSafeHwnd());
    CRect rc;
    pView->GetClientRect(&rc);
    const POINT ptBar = OnVerticalBar(pView, rc.Height() / 2);
    ASSERT_TRUE(input.Wheel(ptBar, -WHEEL_DELTA));
    ASSERT_TRUE(input.Wheel(ptBar, -WHEEL_DELTA));
    EXPECT_EQ(pCtrl->GetTopRow(), 9);
    EXPECT_EQ(pView->GetScrollPos(SB_VERT), 9);
    ASSERT_TRUE(input.Wheel(ptBar, WHEEL_DELTA));
    EXPECT_EQ(pCtrl->GetTopRow(), 5);
    ASSERT_TRUE(input.Wheel({rc.Width() / 2, rc.Height() / 2}, -WHEEL_DELTA));
    EXPECT_EQ(pCtrl->GetTopRow(), 9) << "over the text as before";
}

TEST_F(CEditorDocTest, SavingToAMissingFolderFailsAndKeepsTheText)
{
    ASSERT_TRUE(m_folder.Write("c.c", kFileText));
    CKTSyntaxEditDoc* pDoc = Open(m_folder.Path("c.c"));
    ASSERT_NE(pDoc, nullptr);
    theApp.m_messages.clear();
    EXPECT_FALSE(pDoc->OnSaveDocument(m_folder.Path("missing\\c.c").c_str()));
    EXPECT_TRUE(Text(pDoc) == kFileText);
    theApp.m_messages.clear();
}
}  // namespace

namespace
{
// Opening an editor, using its dialogs and closing it again leaves no window, menu or GDI object.
TEST_F(CEditorDocTest, EditorsAndTheirDialogsLeaveNothingBehind)
{
    ASSERT_TRUE(m_folder.Write("d.c", kFileText));
    auto useEditor = [this]
    {
        CKTSyntaxEditDoc* pDoc = Open(m_folder.Path("d.c"));
        ASSERT_NE(pDoc, nullptr);
        CKTSyntaxEditView* pView = ViewOf(pDoc);
        pView->GetEditCtrl()->Select(1, 1, 1, 4);
        pView->SendMessage(WM_COMMAND, ID_EDIT_REPLACE);
        pView->GetEditCtrl()->Copy();
        pView->GetEditCtrl()->Paste();
        PumpPending();
        pDoc->OnCloseDocument();
        PumpPending();
    };
    useEditor();
    CGuiLeakCheck check;
    for (int i = 0; i < 5; ++i)
        useEditor();
    EXPECT_TRUE(check.NoLeaks());
}

// A control the application hands to the view lives as long as the view, whoever else lets it go.
TEST_F(CEditorDocTest, AControlHandedToTheViewLivesAsLongAsTheView)
{
    struct CWatchedCtrl : CKTSyntaxEditCtrl
    {
        ~CWatchedCtrl() override { *m_pbGone = true; }
        bool* m_pbGone = nullptr;
    };
    bool bGone = false;
    ASSERT_TRUE(m_folder.Write("e.c", kFileText));
    CKTSyntaxEditDoc* pDoc = Open(m_folder.Path("e.c"));
    ASSERT_NE(pDoc, nullptr);
    CKTSyntaxEditView* pView = ViewOf(pDoc);
    {
        CKTSmartPtr<CWatchedCtrl> ptrCtrl = KTMakeCounted<CWatchedCtrl>();
        ptrCtrl->m_pbGone = &bGone;
        ASSERT_TRUE(ptrCtrl->Create(pView, TRUE, TRUE, NULL));
        pView->SetEditCtrl(ptrCtrl);
    }
    ASSERT_FALSE(bGone);
    EXPECT_TRUE(pView->GetEditCtrl()->InsertString("kept", 1, 1));
    pDoc->OnCloseDocument();
    PumpPending();
    EXPECT_TRUE(bGone);
}
}  // namespace
