// Two editors of one document side by side in a splitter: an edit in one pane shows in the other,
// and panes sharing the vertical bar scroll together.
#include <gtest/gtest.h>

#include <afxwin_splitter.h>

#include "EditorAppTest.h"
#include "KTSyntaxEditNotify.h"
#include "PixelImage.h"
#include "TestInput.h"

namespace
{
class CSplitEditorFrame : public CFrameWnd
{
public:
    CSplitterWnd m_wndSplitter;

protected:
    BOOL OnCreateClient(LPCREATESTRUCT, CCreateContext* pContext) override
    {
        return m_wndSplitter.CreateStatic(this, 1, 2) &&
               m_wndSplitter.CreateView(0, 0, RUNTIME_CLASS(CKTSyntaxEditView), CSize(300, 0), pContext) &&
               m_wndSplitter.CreateView(0, 1, RUNTIME_CLASS(CKTSyntaxEditView), CSize(0, 0), pContext);
    }
};

class CSplitEditorTest : public CEditorAppTest
{
protected:
    void SetUp() override
    {
        m_pDoc = static_cast<CKTSyntaxEditDoc*>(RUNTIME_CLASS(CKTSyntaxEditDoc)->CreateObject());
        ASSERT_TRUE(m_pDoc->OnNewDocument());
        CCreateContext context;
        context.m_pCurrentDoc = m_pDoc;
        ASSERT_TRUE(
            m_pFrame->Create(NULL, "Split", WS_OVERLAPPEDWINDOW, CRect(60, 60, 700, 460), NULL, NULL, 0, &context));
        m_pFrame->InitialUpdateFrame(m_pDoc, TRUE);
        ::SetForegroundWindow(m_pFrame->GetSafeHwnd());
        PumpPending();
    }
    // The document goes with its last view.
    void TearDown() override
    {
        m_pFrame->DestroyWindow();
        PumpPending();
    }
    CKTSyntaxEditCtrl* Pane(int nCol)
    {
        return static_cast<CKTSyntaxEditView*>(m_pFrame->m_wndSplitter.GetPane(0, nCol))->GetEditCtrl();
    }
    // The first text row of a pane, as painted.
    static CPixelImage FirstRow(CKTSyntaxEditCtrl* pCtrl)
    {
        CRect rc;
        pCtrl->GetClientRect(&rc);
        rc.bottom = pCtrl->GetRowHeight();
        pCtrl->ClientToScreen(&rc);
        return CPixelImage::FromScreen(rc);
    }
    static bool SameImage(const CPixelImage& a, const CPixelImage& b)
    {
        for (int y = 0; y < a.Height(); ++y)
            for (int x = 0; x < a.Width(); ++x)
                if (a.Pixel(x, y) != b.Pixel(x, y))
                    return false;
        return true;
    }

    CSplitEditorFrame* m_pFrame = new CSplitEditorFrame;  // deletes itself with its window
    CKTSyntaxEditDoc* m_pDoc = NULL;
};

TEST_F(CSplitEditorTest, TypingInOnePaneRepaintsTheOther)
{
    CKTSyntaxEditCtrl* pLeft = Pane(0);
    CKTSyntaxEditCtrl* pRight = Pane(1);
    ASSERT_EQ(pLeft->GetBuffer(), pRight->GetBuffer());
    EXPECT_TRUE(pLeft->GetUseParentScrollBars());
    CPixelImage before = FirstRow(pRight);

    CTestInput input(pLeft->GetSafeHwnd());
    pLeft->SetFocus();
    ASSERT_TRUE(input.Text("wxyz"));
    PumpPending();
    EXPECT_STREQ(m_pDoc->GetDataManager()->GetLineTextEx(1), "wxyz");
    EXPECT_FALSE(SameImage(before, FirstRow(pRight)));

    CPixelImage typed = FirstRow(pRight);
    m_pFrame->m_wndSplitter.GetPane(0, 0)->SendMessage(WM_COMMAND, ID_EDIT_UNDO);
    PumpPending();
    EXPECT_STREQ(m_pDoc->GetDataManager()->GetLineTextEx(1), "");
    EXPECT_FALSE(SameImage(typed, FirstRow(pRight)));
}

TEST_F(CSplitEditorTest, PanesOfARowShareTheTopRow)
{
    CKTSyntaxEditCtrl* pLeft = Pane(0);
    CString strRows;
    for (int i = 0; i < 100; ++i)
        strRows += "row\r\n";
    pLeft->InsertString(strRows, 1, 1);
    pLeft->SetFocus();
    pLeft->SetCurrentPosition(1, 1, FALSE, TRUE);
    EXPECT_EQ(Pane(1)->GetTopRow(), 1);
    pLeft->Scroll(0, 30);
    PumpPending();
    EXPECT_EQ(pLeft->GetTopRow(), 31);
    EXPECT_EQ(Pane(1)->GetTopRow(), 31);
    Pane(1)->Scroll(0, -10);
    EXPECT_EQ(pLeft->GetTopRow(), 21);
}
}  // namespace
