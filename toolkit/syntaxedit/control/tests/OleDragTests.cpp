// OLE drag and drop between editor views with real mouse input: move, copy with Ctrl, a refused drop, and
// files dragged in from outside for the main window.
#include <gtest/gtest.h>

#include <afxole.h>
#include <shlobj.h>

#include <atomic>
#include <cstring>

#include "EditorAppTest.h"
#include "LoopInput.h"
#include "MessageRecorder.h"
#include "TestInput.h"
#include "TestMainFrame.h"

namespace
{
// An editor view whose text may not be changed.
class CReadOnlyEditView : public CKTSyntaxEditView
{
    DECLARE_DYNCREATE(CReadOnlyEditView)
public:
    BOOL CanEditDocument() override { return FALSE; }
};
IMPLEMENT_DYNCREATE(CReadOnlyEditView, CKTSyntaxEditView)

// Another program's window that drags a file list when pressed.
class CFileDragSource : public CWnd
{
public:
    explicit CFileDragSource(const std::string& strPath) : m_strPath(strPath)
    {
        CreateEx(0, AfxRegisterWndClass(0), "Kestova file source", WS_POPUP | WS_BORDER | WS_VISIBLE,
                 CRect(700, 560, 800, 620), NULL, 0);
    }
    ~CFileDragSource() override { DestroyWindow(); }
    std::atomic<bool> m_bDragging{false};

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message != WM_LBUTTONDOWN)
            return CWnd::WindowProc(message, wParam, lParam);
        const size_t nBytes = sizeof(DROPFILES) + m_strPath.size() + 2;
        HGLOBAL hDrop = ::GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, nBytes);
        if (!hDrop)
            return 0;
        auto* pFiles = static_cast<DROPFILES*>(::GlobalLock(hDrop));
        pFiles->pFiles = sizeof(DROPFILES);
        std::memcpy(reinterpret_cast<char*>(pFiles) + sizeof(DROPFILES), m_strPath.c_str(), m_strPath.size());
        ::GlobalUnlock(hDrop);
        COleDataSource source;
        source.CacheGlobalData(CF_HDROP, hDrop);
        m_bDragging = true;
        source.DoDragDrop(DROPEFFECT_COPY);
        m_bDragging = false;
        return 0;
    }

private:
    std::string m_strPath;
};

class COleDragTest : public CEditorAppTest
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(AfxOleInit());
        ASSERT_TRUE(m_folder.Write("source.c", "alpha beta\r\nsecond row\r\n"));
        ASSERT_TRUE(m_folder.Write("target.c", "one\r\ntwo\r\n"));
        m_pSource = Open(m_folder.Path("source.c"));
        m_pTarget = Open(m_folder.Path("target.c"));
        ASSERT_TRUE(m_pSource && m_pTarget);
        static_cast<CMDIFrameWnd*>(MainFrameForTests())->MDITile(MDITILE_VERTICAL);
        PumpPending();
    }
    CKTSyntaxEditCtrl* Ctrl(CDocument* pDoc) { return ViewOf(pDoc)->GetEditCtrl(); }
    static CString Row(CKTSyntaxEditDoc* pDoc, int nRow) { return pDoc->GetDataManager()->GetLineTextEx(nRow); }
    // The middle of a text cell, in the control's client coordinates.
    static CPoint CellPoint(CKTSyntaxEditCtrl* pCtrl, int nRow, int nCol)
    {
        return CPoint(pCtrl->GetTextLeft() + (nCol - 1) * pCtrl->GetCharWidth() + pCtrl->GetCharWidth() / 2,
                      (nRow - pCtrl->GetTopRow()) * pCtrl->GetRowHeight() + pCtrl->GetRowHeight() / 2);
    }
    // Just right of the boundary before the column: where a drop puts the text before that column.
    static CPoint BoundaryPoint(CKTSyntaxEditCtrl* pCtrl, int nRow, int nCol)
    {
        return CellPoint(pCtrl, nRow, nCol) - CPoint(pCtrl->GetCharWidth() / 2 - 1, 0);
    }
    // Presses in the source's selection and lets go over the target cell, Ctrl held when asked.
    static bool Drag(CKTSyntaxEditCtrl* pFrom, CPoint ptFrom, CKTSyntaxEditCtrl* pTo, CPoint ptTo, bool bCtrl)
    {
        pTo->ClientToScreen(&ptTo);
        pFrom->ScreenToClient(&ptTo);
        CLoopInput input(pFrom->GetSafeHwnd());
        return input.HoldKeys(bCtrl ? CTestInput::kControl : CTestInput::kNone)
            .Press(ptFrom)
            .Move(ptFrom + CPoint(8, 4))
            .Move(ptTo)
            .Move(ptTo + CPoint(1, 0))
            .Release()
            .ReleaseKeys()
            .Run();
    }

    CKTSyntaxEditDoc* m_pSource = NULL;
    CKTSyntaxEditDoc* m_pTarget = NULL;
};

TEST_F(COleDragTest, ADragMovesTextBetweenEditorsAndCtrlCopiesItEachOneUndoStep)
{
    CKTSyntaxEditCtrl* pFrom = Ctrl(m_pSource);
    CKTSyntaxEditCtrl* pTo = Ctrl(m_pTarget);
    ASSERT_TRUE(pFrom->Select(1, 1, 1, 6));
    ASSERT_TRUE(Drag(pFrom, CellPoint(pFrom, 1, 3), pTo, BoundaryPoint(pTo, 2, 1), false));
    EXPECT_STREQ(" beta", Row(m_pSource, 1));
    EXPECT_STREQ("alphatwo", Row(m_pTarget, 2));

    ASSERT_TRUE(pFrom->Select(2, 1, 2, 7));
    ASSERT_TRUE(Drag(pFrom, CellPoint(pFrom, 2, 3), pTo, BoundaryPoint(pTo, 1, 1), true));
    EXPECT_STREQ("second row", Row(m_pSource, 2)) << "Ctrl copies";
    EXPECT_STREQ("secondone", Row(m_pTarget, 1));

    ViewOf(m_pTarget)->SendMessage(WM_COMMAND, ID_EDIT_UNDO);
    EXPECT_STREQ("one", Row(m_pTarget, 1));
    EXPECT_STREQ("alphatwo", Row(m_pTarget, 2)) << "the copy was one step";
    ViewOf(m_pTarget)->SendMessage(WM_COMMAND, ID_EDIT_UNDO);
    EXPECT_STREQ("two", Row(m_pTarget, 2));
    ViewOf(m_pSource)->SendMessage(WM_COMMAND, ID_EDIT_UNDO);
    EXPECT_STREQ("alpha beta", Row(m_pSource, 1)) << "the move's deletion was one step";
}

// The rest of the selection's last row joins its first row when the selection goes: the drop follows it there.
TEST_F(COleDragTest, ARowsSelectionDroppedOnItsOwnLastRowLandsWhereItWasDropped)
{
    CKTSyntaxEditCtrl* pCtrl = Ctrl(m_pSource);
    ASSERT_TRUE(pCtrl->Select(1, 1, 2, 3));
    ASSERT_TRUE(Drag(pCtrl, CellPoint(pCtrl, 1, 3), pCtrl, BoundaryPoint(pCtrl, 2, 8), false));
    EXPECT_STREQ("cond alpha beta", Row(m_pSource, 1));
    EXPECT_STREQ("serow", Row(m_pSource, 2));
    ViewOf(m_pSource)->SendMessage(WM_COMMAND, ID_EDIT_UNDO);
    EXPECT_STREQ("alpha beta", Row(m_pSource, 1)) << "one undo step";
    EXPECT_STREQ("second row", Row(m_pSource, 2));
}

// Dropped with the right button, the text asks where it goes: "&Copy Here" leaves the dragged text in place.
TEST_F(COleDragTest, ARightButtonDragInOneEditorOffersTheDropMenu)
{
    CKTSyntaxEditCtrl* pCtrl = Ctrl(m_pSource);
    ASSERT_TRUE(pCtrl->Select(1, 1, 1, 6));
    const CPoint ptFrom = CellPoint(pCtrl, 1, 3), ptTo = BoundaryPoint(pCtrl, 2, 1);
    const auto menuShown = []
    {
        HWND hMenu = ::FindWindowA("#32768", NULL);
        return hMenu && ::IsWindowVisible(hMenu);
    };
    CLoopInput input(pCtrl->GetSafeHwnd());
    ASSERT_TRUE(input.Press(ptFrom, true)
                    .Move(ptFrom + CPoint(8, 4))
                    .Move(ptTo)
                    .Move(ptTo + CPoint(1, 0))
                    .Release(true)
                    .Await(menuShown)
                    .Key('C')
                    .Run());
    EXPECT_STREQ("alpha beta", Row(m_pSource, 1));
    EXPECT_STREQ("alphasecond row", Row(m_pSource, 2));
}

TEST_F(COleDragTest, ARefusedDropKeepsTheSourcesText)
{
    CMultiDocTemplate readOnly(IDR_TESTTYPE, RUNTIME_CLASS(CKTSyntaxEditDoc), RUNTIME_CLASS(CTestChildFrame),
                               RUNTIME_CLASS(CReadOnlyEditView));
    readOnly.LoadTemplate();
    ASSERT_TRUE(m_folder.Write("locked.c", "locked\r\n"));
    auto* pLocked = static_cast<CKTSyntaxEditDoc*>(readOnly.OpenDocumentFile(m_folder.Path("locked.c").c_str()));
    ASSERT_NE(nullptr, pLocked);
    static_cast<CMDIFrameWnd*>(MainFrameForTests())->MDITile(MDITILE_VERTICAL);
    PumpPending();
    CKTSyntaxEditCtrl* pFrom = Ctrl(m_pSource);
    ASSERT_TRUE(pFrom->Select(1, 1, 1, 6));
    ASSERT_TRUE(Drag(pFrom, CellPoint(pFrom, 1, 3), Ctrl(pLocked), CellPoint(Ctrl(pLocked), 1, 2), false));
    EXPECT_STREQ("alpha beta", Row(m_pSource, 1)) << "nothing was inserted, so nothing moved";
    EXPECT_STREQ("locked", Row(pLocked, 1));
    readOnly.CloseAllDocuments(FALSE);
    PumpPending();
}

TEST_F(COleDragTest, AFileDraggedFromOutsideReachesTheMainWindow)
{
    CFileDragSource source(m_folder.Path("target.c"));
    CKTSyntaxEditCtrl* pOnto = Ctrl(m_pSource);
    CPoint ptOnto = CellPoint(pOnto, 1, 2);
    pOnto->ClientToScreen(&ptOnto);
    source.ScreenToClient(&ptOnto);
    CMessageRecorder recorder({MainFrameForTests()->GetSafeHwnd()}, {WM_DROPFILES});
    CLoopInput input(source.GetSafeHwnd());
    ASSERT_TRUE(input.Press(CPoint(20, 20))
                    .Await([&source] { return source.m_bDragging.load(); })
                    .Move(CPoint(30, 30))
                    .Move(ptOnto)
                    .Move(ptOnto + CPoint(1, 0))
                    .Release()
                    .Run());
    PumpPending();
    EXPECT_EQ(1u, recorder.Messages().size()) << "the main window gets the files";
    EXPECT_STREQ("alpha beta", Row(m_pSource, 1)) << "no text goes in";
}

}  // namespace
