// Folding the C scheme's block comments: collapse buttons and boxes by real input, rows, caret,
// selection and scroll bars around a fold, all blocks at once, and folds across a re-parse.
#include <gtest/gtest.h>

#include "EditTestWindow.h"
#include "KTSyntaxEditTipWnd.h"
#include "KTSyntaxEditCollapsedMark.h"
#include "KTSyntaxEditLexTextSchema.h"
#include "TestInput.h"

#include <string>
#include <vector>

namespace
{
const int kRows = 60;

// Row 2 opens a comment after code, closed on row 4; rows 6 and 7 hold another; plain rows to kRows.
std::string FoldText()
{
    std::string strText = "a = 1;\r\nint x; /* first\r\n   second\r\n   third */\r\nint b;\r\n/* one\r\n   two */\r\n";
    for (int nRow = 8; nRow <= kRows; ++nRow)
        strText += "int f" + std::to_string(nRow) + ";" + (nRow < kRows ? "\r\n" : "");
    return strText;
}

SCROLLINFO VertBar(CKTSyntaxEditCtrl& ctrl)
{
    SCROLLINFO si = {};
    si.cbSize = sizeof(si);
    si.fMask = SIF_ALL;
    ::GetScrollInfo(ctrl.GetSafeHwnd(), SB_VERT, &si);
    return si;
}

// A real move of the pointer to a client point of the window.
void MoveTo(HWND hWnd, POINT pt)
{
    ::ClientToScreen(hWnd, &pt);
    INPUT input = {};
    input.type = INPUT_MOUSE;
    input.mi.dx = pt.x * 65535 / (::GetSystemMetrics(SM_CXSCREEN) - 1);
    input.mi.dy = pt.y * 65535 / (::GetSystemMetrics(SM_CYSCREEN) - 1);
    input.mi.dwFlags = MOUSEEVENTF_ABSOLUTE | MOUSEEVENTF_MOVE;
    ::SendInput(1, &input, sizeof(input));
}

// The texts a metafile page drew, one after the other.
int CALLBACK CollectTexts(HDC, HANDLETABLE*, const ENHMETARECORD* pRecord, int, LPARAM lParam)
{
    auto* pTexts = reinterpret_cast<std::string*>(lParam);
    const BYTE* pBytes = reinterpret_cast<const BYTE*>(pRecord);
    if (pRecord->iType == EMR_EXTTEXTOUTW)
    {
        const EMRTEXT& text = reinterpret_cast<const EMREXTTEXTOUTW*>(pRecord)->emrtext;
        const auto* pszWide = reinterpret_cast<const WCHAR*>(pBytes + text.offString);
        pTexts->append(pszWide, pszWide + text.nChars);
    }
    else if (pRecord->iType == EMR_EXTTEXTOUTA)
    {
        const EMRTEXT& text = reinterpret_cast<const EMREXTTEXTOUTA*>(pRecord)->emrtext;
        pTexts->append(reinterpret_cast<const char*>(pBytes + text.offString), text.nChars);
    }
    return 1;
}

// Page 1 printed into a metafile, as the view prints it on a printer's DC.
std::string PrintFirstPage(CKTSyntaxEditCtrl& ctrl)
{
    CDC dc;
    dc.Attach(::CreateEnhMetaFile(NULL, NULL, NULL, NULL));
    dc.m_bPrinting = TRUE;
    ctrl.GetPrinter().SetPage(1);
    ctrl.GetPrinter().PrintPage(&dc);
    HENHMETAFILE hFile = ::CloseEnhMetaFile(dc.Detach());
    std::string strTexts;
    ::EnumEnhMetaFile(NULL, hFile, CollectTexts, &strTexts, NULL);
    ::DeleteEnhMetaFile(hFile);
    return strTexts;
}

class CFoldTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_window = std::make_unique<CEditTestWindow>(FALSE, 600, 300);
        m_window->LoadText(FoldText());
        ASSERT_TRUE(PumpUntil([this] { return ParseEnded(); }, 20000));
        Ctrl().RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_UPDATENOW);
        ASSERT_EQ(Ctrl().GetFolding().GetRowState(2), 0x02u);
        m_input = std::make_unique<CTestInput>(Ctrl().GetSafeHwnd());
        Ctrl().SetFocus();
    }
    CKTSyntaxEditCtrl& Ctrl() { return m_window->Ctrl(); }
    BOOL ParseEnded() { return m_window->ParseEnded(); }
    // The middle of the collapse button of a display row counted from 0 at the top.
    POINT Button(int nDisplayRow) { return Ctrl().GetCollapseButtonRect(nDisplayRow).CenterPoint(); }
    int RowAtDisplayRow(int nDisplayRow)
    {
        int nRow = 0, nCol = 0;
        Ctrl().HitTest(Ctrl().GetTextLeft() + 2, nDisplayRow * Ctrl().GetRowHeight() + 2, nRow, nCol);
        return nRow;
    }
    CString Selected()
    {
        CString strText;
        Ctrl().GetSelectionText(strText);
        return strText;
    }
    int ViewChanges(int nBits)
    {
        int nCount = 0;
        for (const CRecordedNotify& event : m_window->Parent().Of(KT_EDIT_NM_VIEWCHANGED))
            nCount += event.nFirst == nBits ? 1 : 0;
        return nCount;
    }

    std::unique_ptr<CEditTestWindow> m_window;
    std::unique_ptr<CTestInput> m_input;
};

TEST_F(CFoldTest, TheCollapseButtonFoldsAndUnfoldsAndADoubleClickOnTheBoxOpensIt)
{
    int nMaxOpen = VertBar(Ctrl()).nMax;
    ASSERT_TRUE(m_input->Click(Button(1)));
    ASSERT_TRUE(PumpUntil([this] { return Ctrl().IsRowCollapsed(2); }));
    EXPECT_EQ(Ctrl().GetFolding().GetRowState(2), 0x01u | 0x20u);
    EXPECT_EQ(RowAtDisplayRow(2), 5);
    EXPECT_EQ(Ctrl().GetLineText(2), "int x; ");
    EXPECT_EQ(VertBar(Ctrl()).nMax, nMaxOpen - 2);
    EXPECT_EQ(Ctrl().GetCurrentRow(), 2);

    // The box stands after the cut text, in the row's band.
    Ctrl().RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_UPDATENOW);
    POINT ptBox = {Ctrl().GetTextLeft() + 8 * Ctrl().GetCharWidth() + 2,
                   Ctrl().GetRowHeight() + Ctrl().GetRowHeight() / 2};
    ASSERT_NE(Ctrl().GetFolding().HitTestBox(ptBox), nullptr);
    EXPECT_EQ(Ctrl().GetFolding().HitTestBox(CPoint(ptBox.x, ptBox.y + Ctrl().GetRowHeight())), nullptr);

    ASSERT_TRUE(m_input->Click(Button(1)));
    ASSERT_TRUE(PumpUntil([this] { return !Ctrl().IsRowCollapsed(2); }));
    EXPECT_EQ(RowAtDisplayRow(2), 3);
    EXPECT_EQ(VertBar(Ctrl()).nMax, nMaxOpen);

    // A press beside the button, or on a row where no block starts, folds nothing.
    ASSERT_TRUE(m_input->Click({Button(1).x, Button(1).y + Ctrl().GetRowHeight()}));
    ASSERT_TRUE(m_input->Click(Button(0)));
    EXPECT_EQ(Ctrl().GetLineMarksManager()->GetCount(KT_EDIT_MARK_COLLAPSED), 0);

    ASSERT_TRUE(m_input->Click(Button(1)));
    ASSERT_TRUE(PumpUntil([this] { return Ctrl().IsRowCollapsed(2); }));
    Ctrl().RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_UPDATENOW);
    ASSERT_TRUE(m_input->DoubleClick(ptBox));
    ASSERT_TRUE(PumpUntil([this] { return !Ctrl().IsRowCollapsed(2); }));
    EXPECT_FALSE(Ctrl().HasSelection());
}

// The box is three pixels wider than its text: its frame's last column is drawn and opens the block too.
TEST_F(CFoldTest, TheBoxReachesToItsFramesLastColumn)
{
    ASSERT_TRUE(m_input->Click(Button(1)));
    ASSERT_TRUE(PumpUntil([this] { return Ctrl().IsRowCollapsed(2); }));
    Ctrl().RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_UPDATENOW);
    const int cw = Ctrl().GetCharWidth(), y = Ctrl().GetRowHeight() + Ctrl().GetRowHeight() / 2;
    const KT_EDIT_COLLAPSED_MARK* pMark = Ctrl().GetFolding().HitTestBox(CPoint(Ctrl().GetTextLeft() + 8 * cw, y));
    ASSERT_NE(pMark, nullptr);
    const int nLast = Ctrl().GetTextLeft() + 7 * cw + pMark->block.strCollapsedText.GetLength() * cw + 2;
    const CPixelImage image = CPixelImage::FromWindow(Ctrl().GetSafeHwnd());
    EXPECT_EQ(image.Pixel(nLast, y), ::GetSysColor(COLOR_BTNSHADOW));
    EXPECT_NE(image.Pixel(nLast + 1, y), ::GetSysColor(COLOR_BTNSHADOW));
    EXPECT_EQ(Ctrl().GetFolding().HitTestBox(CPoint(nLast + 1, y)), nullptr);

    ASSERT_TRUE(m_input->DoubleClick({nLast, y}));
    EXPECT_TRUE(PumpUntil([this] { return !Ctrl().IsRowCollapsed(2); }));
}

TEST_F(CFoldTest, HoveringTheBoxShowsTheHiddenTextFlushLeftUntilAKeyOrAMoveAway)
{
    Ctrl().ToggleCollapse(2);
    Ctrl().RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_UPDATENOW);
    CKTSyntaxEditTipWnd& tip = Ctrl().GetTipWnd();
    const POINT ptBox = {Ctrl().GetTextLeft() + 9 * Ctrl().GetCharWidth(), Ctrl().GetRowHeight() * 3 / 2};
    const POINT ptAway = {Ctrl().GetTextLeft() + 2, Ctrl().GetRowHeight() * 9 / 2};
    MoveTo(Ctrl().GetSafeHwnd(), ptBox);
    ASSERT_TRUE(PumpUntil([&] { return tip.IsWindowVisible() != FALSE; }));
    EXPECT_EQ(tip.GetText(), "/* first\r\nsecond\r\nthird */");

    ASSERT_TRUE(m_input->Key(VK_SHIFT));
    EXPECT_TRUE(PumpUntil([&] { return !tip.IsWindowVisible(); }));

    MoveTo(Ctrl().GetSafeHwnd(), {ptBox.x + 2, ptBox.y});
    ASSERT_TRUE(PumpUntil([&] { return tip.IsWindowVisible() != FALSE; }));
    MoveTo(Ctrl().GetSafeHwnd(), ptAway);
    EXPECT_TRUE(PumpUntil([&] { return !tip.IsWindowVisible(); }));
}

// Paper has no mouse: a folded row shows its box on the page, and the box the mouse finds on the screen stays where
// the screen drew it.
TEST_F(CFoldTest, PrintingAFoldedRowShowsItsBoxOnPaperAndLeavesTheScreensBoxWhereItWas)
{
    Ctrl().ToggleCollapse(2);
    Ctrl().RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_UPDATENOW);
    const POINT ptBox = {Ctrl().GetTextLeft() + 9 * Ctrl().GetCharWidth(), Ctrl().GetRowHeight() * 3 / 2};
    KT_EDIT_COLLAPSED_MARK* pMark = Ctrl().GetFolding().HitTestBox(ptBox);
    ASSERT_NE(pMark, nullptr);
    const CRect rcScreen(pMark->rcBox);
    const std::string strBox(LPCSTR(pMark->block.strCollapsedText));

    const std::string strPage = PrintFirstPage(Ctrl());
    EXPECT_EQ(CRect(pMark->rcBox), rcScreen);
    EXPECT_EQ(Ctrl().GetFolding().HitTestBox(ptBox), pMark);
    EXPECT_NE(strPage.find("int x; " + strBox + "5int b;"), std::string::npos)
        << strPage << ": the box follows the cut text of its row, and the next number is the row after the fold";
}

// The system repeats the last move when windows change under a resting pointer; only a move of the pointer itself
// is a hover.
TEST_F(CFoldTest, TheFoldTipGoesWithAnyChangeOfFoldingAndComesBackOnlyByHovering)
{
    Ctrl().ToggleCollapse(2);
    Ctrl().RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_UPDATENOW);
    CKTSyntaxEditTipWnd& tip = Ctrl().GetTipWnd();
    const POINT ptBox = {Ctrl().GetTextLeft() + 9 * Ctrl().GetCharWidth(), Ctrl().GetRowHeight() * 3 / 2};
    auto repeatMove = [&] { Ctrl().SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(ptBox.x, ptBox.y)); };
    MoveTo(Ctrl().GetSafeHwnd(), ptBox);
    ASSERT_TRUE(PumpUntil([&] { return tip.IsWindowVisible() != FALSE; }));

    ASSERT_TRUE(m_input->DoubleClick(ptBox));
    ASSERT_TRUE(PumpUntil([this] { return !Ctrl().IsRowCollapsed(2); }));
    EXPECT_FALSE(tip.IsWindowVisible()) << "opened by a double click";

    Ctrl().CollapseAll();
    Ctrl().RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_UPDATENOW);
    ASSERT_NE(Ctrl().GetFolding().HitTestBox(ptBox), nullptr) << "a box came under the resting pointer";
    repeatMove();
    PumpMessages();
    EXPECT_FALSE(tip.IsWindowVisible()) << "Collapse All without a move of the pointer";

    MoveTo(Ctrl().GetSafeHwnd(), {ptBox.x + 2, ptBox.y});
    ASSERT_TRUE(PumpUntil([&] { return tip.IsWindowVisible() != FALSE; }));
    Ctrl().ExpandAll();
    EXPECT_FALSE(tip.IsWindowVisible()) << "Expand All with the pointer where the box was";
    repeatMove();
    PumpMessages();
    EXPECT_FALSE(tip.IsWindowVisible());
}

TEST_F(CFoldTest, CaretAndSelectionStepOverAFoldedBlockAndKeepItsHiddenText)
{
    Ctrl().SetCurrentPosition(2, 15, FALSE, TRUE);  // inside "first", past where the block starts
    Ctrl().ToggleCollapse(2);
    EXPECT_EQ(Ctrl().GetCurrentRow(), 2);
    EXPECT_EQ(Ctrl().GetCurrentDispCol(), 8);  // before the box

    ASSERT_TRUE(m_input->Key(VK_DOWN));
    EXPECT_EQ(Ctrl().GetCurrentRow(), 5);
    ASSERT_TRUE(m_input->Key(VK_UP));
    EXPECT_EQ(Ctrl().GetCurrentRow(), 2);

    // The row ends at the box for End, Right, Left and a click beyond it.
    ASSERT_TRUE(m_input->Key(VK_HOME));
    ASSERT_TRUE(m_input->Key(VK_END));
    EXPECT_EQ(Ctrl().GetCurrentDispCol(), 8);
    ASSERT_TRUE(m_input->Key(VK_RIGHT));
    EXPECT_EQ(Ctrl().GetCurrentRow(), 5);
    EXPECT_EQ(Ctrl().GetCurrentDispCol(), 1);
    ASSERT_TRUE(m_input->Key(VK_LEFT));
    EXPECT_EQ(Ctrl().GetCurrentRow(), 2);
    EXPECT_EQ(Ctrl().GetCurrentDispCol(), 8);
    ASSERT_TRUE(m_input->Click({Ctrl().GetTextLeft() + 30 * Ctrl().GetCharWidth(), Ctrl().GetRowHeight() * 3 / 2}));
    EXPECT_EQ(Ctrl().GetCurrentRow(), 2);
    EXPECT_EQ(Ctrl().GetCurrentDispCol(), 8);

    ASSERT_TRUE(m_input->Key(VK_HOME));
    ASSERT_TRUE(m_input->Key(VK_DOWN, CTestInput::kShift));
    EXPECT_EQ(Ctrl().GetCurrentRow(), 5);
    EXPECT_EQ(Selected(), "int x; /* first\r\n   second\r\n   third */\r\n");
    EXPECT_EQ(Ctrl().GetCaretPoint().y, 2 * Ctrl().GetRowHeight());
}

TEST_F(CFoldTest, CollapseAllFoldsEveryBlockAndBringsTopRowAndCaretOutOfHiddenRows)
{
    Ctrl().SetTopRow(3);
    Ctrl().SetCurrentPosition(3, 4, FALSE, TRUE);  // inside the first block
    m_window->Parent().Clear();
    Ctrl().CollapseAll();
    EXPECT_TRUE(Ctrl().IsRowCollapsed(2));
    EXPECT_TRUE(Ctrl().IsRowCollapsed(6));
    EXPECT_EQ(Ctrl().GetTopRow(), 2);
    EXPECT_EQ(Ctrl().GetCurrentRow(), 2);
    EXPECT_EQ(Ctrl().GetDisplayRow(-1), kRows - 3);
    EXPECT_EQ(VertBar(Ctrl()).nMax, kRows - 3);
    EXPECT_EQ(ViewChanges(7), 1);

    Ctrl().ExpandAll();
    EXPECT_EQ(Ctrl().GetLineMarksManager()->GetCount(KT_EDIT_MARK_COLLAPSED), 0);
    EXPECT_EQ(VertBar(Ctrl()).nMax, kRows);
    Ctrl().ExpandAll();
    EXPECT_EQ(ViewChanges(7), 3);
}

// A fold keeps a copy of its block: when the parser drops its chain to
// rebuild it, the fold still stands, and the next parse's blocks are taken
// again by row.
TEST_F(CFoldTest, AFoldOutlivesTheChainItCameFromAndFollowsTheNextParse)
{
    Ctrl().ToggleCollapse(6);
    m_window->Parent().Clear();
    Ctrl().InsertString("/* new */\r\n", 1, 1);
    int nHidden = 0;
    EXPECT_TRUE(Ctrl().IsRowCollapsed(7, &nHidden)) << "the fold moved down with its rows";
    EXPECT_EQ(nHidden, 1);
    ASSERT_TRUE(PumpUntil([this] { return ParseEnded(); }, 20000));

    Ctrl().GetTextSchema()->DropParseResults();
    Ctrl().ToggleCollapse(3);
    Ctrl().RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_UPDATENOW);
    EXPECT_TRUE(Ctrl().IsRowCollapsed(3, &nHidden));
    EXPECT_EQ(nHidden, 2);
    EXPECT_TRUE(Ctrl().IsRowCollapsed(7, &nHidden));
    EXPECT_EQ(nHidden, 1);
    EXPECT_EQ(RowAtDisplayRow(5), 9);

    // Two more rows in the second block: the next parse's block is taken at the next paint.
    m_window->Parent().Clear();
    Ctrl().InsertString("x\r\ny\r\n", 8, 1);
    ASSERT_TRUE(PumpUntil([this] { return ParseEnded(); }, 20000));
    Ctrl().RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_UPDATENOW);
    EXPECT_TRUE(Ctrl().IsRowCollapsed(7, &nHidden));
    EXPECT_EQ(nHidden, 3);
}
}  // namespace
