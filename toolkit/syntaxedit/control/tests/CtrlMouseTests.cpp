// Real mouse input in the control: clicks, words, rows, margin, column blocks, auto-scroll and moving text.
#include <gtest/gtest.h>

#include "EditTestWindow.h"
#include "HeldKeys.h"
#include "InputBuilder.h"
#include "KTSyntaxEditCollapsedMark.h"
#include "KTSyntaxEditCompletion.h"
#include "MessageRecorder.h"
#include "TestInput.h"
#include "themes/KTSyntaxEditPaintManager.h"

namespace
{
// Raw input for what the shared helper has no call for: a key pressed inside a menu loop, a button held still.
void SendRaw(DWORD dwType, WORD wKey, DWORD dwFlags, POINT ptScreen = {})
{
    INPUT input = {};
    input.type = dwType;
    if (dwType == INPUT_KEYBOARD)
    {
        input.ki.wVk = wKey;
        input.ki.dwFlags = dwFlags;
    }
    else
    {
        input.mi.dx = ptScreen.x * 65535 / (::GetSystemMetrics(SM_CXSCREEN) - 1);
        input.mi.dy = ptScreen.y * 65535 / (::GetSystemMetrics(SM_CYSCREEN) - 1);
        input.mi.dwFlags = dwFlags | MOUSEEVENTF_ABSOLUTE | MOUSEEVENTF_MOVE;
    }
    ::SendInput(1, &input, sizeof(input));
}

class CMouseTest : public ::testing::Test
{
protected:
    void Load(LPCSTR pszText)
    {
        m_window = std::make_unique<CEditTestWindow>(FALSE);
        Ctrl().SetSyntaxColor(FALSE);
        Ctrl().SetTabSize(4);
        Ctrl().InsertString(pszText, 1, 1);
        m_window->Buffer()->GetUndoRedoManager()->Clear();
        Ctrl().SetCurrentPosition(1, 1, FALSE, TRUE);
        m_input = std::make_unique<CTestInput>(Ctrl().GetSafeHwnd());
        Ctrl().SetFocus();
    }
    CKTSyntaxEditCtrl& Ctrl() { return m_window->Ctrl(); }
    CString Row(int n) { return m_window->Buffer()->GetLineTextEx(n); }
    int Steps() { return m_window->Buffer()->GetUndoRedoManager()->GetCount(); }
    // The middle of the cell of (row, display column), rows counted from the top row.
    POINT At(int nRow, int nCol)
    {
        return {Ctrl().GetTextLeft() + (nCol - 1) * Ctrl().GetCharWidth() + 1,
                (nRow - Ctrl().GetTopRow()) * Ctrl().GetRowHeight() + Ctrl().GetRowHeight() / 2};
    }
    POINT Screen(POINT pt)
    {
        ::ClientToScreen(Ctrl().GetSafeHwnd(), &pt);
        return pt;
    }
    // A move to the point, then the button change if any, once the control has handled both.
    bool SendMouse(POINT pt, DWORD dwButton = 0)
    {
        std::vector<INPUT> inputs;
        InputBuilder::AddMove(inputs, Screen(pt));
        if (dwButton)
            InputBuilder::AddButton(inputs, dwButton);
        return m_input->Send(inputs);
    }
    void RightDragOneToTheEndAndCopy();
    void ExpectSelection(int r1, int c1, int r2, int c2)
    {
        KT_EDIT_TEXTPOS start, end;
        ASSERT_TRUE(Ctrl().GetSelection(start, end));
        EXPECT_EQ(start.nLine, r1);
        EXPECT_EQ(start.nCol, c1);
        EXPECT_EQ(end.nLine, r2);
        EXPECT_EQ(end.nCol, c2);
    }

    std::unique_ptr<CEditTestWindow> m_window;
    std::unique_ptr<CTestInput> m_input;
};

TEST_F(CMouseTest, ClickPlacesTheCaretAndShiftClickExtends)
{
    Load("first row\r\nsecond row\r\nab");
    ASSERT_TRUE(m_input->Click(At(2, 4)));
    EXPECT_EQ(Ctrl().GetCurrentRow(), 2);
    EXPECT_EQ(Ctrl().GetCurrentChar(), 4);
    EXPECT_FALSE(Ctrl().HasSelection());
    ASSERT_TRUE(m_input->Click(At(3, 40)));
    EXPECT_EQ(Ctrl().GetCurrentChar(), 3);
    {
        CHeldKeys shift(CTestInput::kShift);
        ASSERT_TRUE(shift.IsHeld());
        ASSERT_TRUE(m_input->Click(At(1, 3)));
    }
    ExpectSelection(1, 3, 3, 3);
}

// The caret follows the pointer from the first move after a click, onto a cell of the row it reaches.
TEST_F(CMouseTest, TheFirstMoveAfterAClickTakesTheCaretToThePointer)
{
    Load("first row\r\nsecond row\r\nab");
    ASSERT_TRUE(SendMouse(At(1, 2), MOUSEEVENTF_LEFTDOWN));
    ASSERT_TRUE(SendMouse(At(3, 40)));
    EXPECT_EQ(Ctrl().GetCurrentRow(), 3);
    EXPECT_EQ(Ctrl().GetCurrentChar(), 3) << "past the row's end the caret stands at it";
    ASSERT_TRUE(SendMouse(At(2, 5)));
    ASSERT_TRUE(SendMouse(At(2, 5), MOUSEEVENTF_LEFTUP));
    ExpectSelection(1, 2, 2, 5);

    // A word selection keeps its word on the first move.
    ASSERT_TRUE(m_input->Click(At(3, 1)));  // out of the selection: a press in it would carry it
    {
        CHeldKeys ctrl(CTestInput::kControl);
        ASSERT_TRUE(ctrl.IsHeld());
        ASSERT_TRUE(SendMouse(At(2, 2), MOUSEEVENTF_LEFTDOWN));
        ASSERT_TRUE(SendMouse(At(2, 3)));
        EXPECT_EQ(Ctrl().GetCurrentChar(), 7);
        ASSERT_TRUE(SendMouse(At(2, 3), MOUSEEVENTF_LEFTUP));
    }
    ExpectSelection(2, 1, 2, 7);
}

// Breakpoints toggle by call as by a margin click; any mark reads back with its parameter.
TEST_F(CMouseTest, BreakpointsToggleByCallAndMarksReadBackWithTheirParameter)
{
    Load("a\r\nb\r\nc");
    Ctrl().ToggleBreakpoint(2);
    EXPECT_TRUE(Ctrl().GetLineMark(2, KT_EDIT_MARK_BREAKPOINT));
    EXPECT_FALSE(Ctrl().GetLineMark(2, KT_EDIT_MARK_BOOKMARK));
    EXPECT_FALSE(Ctrl().GetLineMark(1, KT_EDIT_MARK_BREAKPOINT));
    Ctrl().ToggleBreakpoint(2);
    EXPECT_FALSE(Ctrl().GetLineMark(2, KT_EDIT_MARK_BREAKPOINT));

    KT_EDIT_LINEMARK_PARAM param;
    param.SetInt(7);
    Ctrl().GetLineMarksManager()->AddLineMark(3, "Custom", &param);
    KT_EDIT_LINEMARK_PARAM read;
    ASSERT_TRUE(Ctrl().GetLineMark(3, "Custom", &read));
    EXPECT_EQ(read.dwType, DWORD(KT_EDIT_LINEMARK_PARAM::lmpInt));
    EXPECT_EQ(read.nValue, 7);

    CKTSyntaxEditCtrl bare;  // no buffer: nothing to mark
    bare.ToggleBreakpoint(1);
    EXPECT_FALSE(bare.GetLineMark(1, KT_EDIT_MARK_BREAKPOINT));
}

// With the margin off, the line-number column starts at the window's edge and shows its cursor from there.
TEST_F(CMouseTest, WithTheMarginOffTheLineNumberColumnShowsItsCursorFromTheEdge)
{
    Load("a\r\nb");
    Ctrl().SetSelMargin(FALSE);
    CKTSyntaxEditPaintManager* pPaint = KTSyntaxEditPaintManager();
    ASSERT_NE(pPaint->GetSelMarginCursor(), pPaint->GetArrowCursor());
    ASSERT_GT(Ctrl().GetTextLeft(), 4);
    ASSERT_TRUE(SendMouse(At(1, 2)));
    ASSERT_TRUE(SendMouse({2, At(2, 1).y}));
    EXPECT_EQ(::GetCursor(), pPaint->GetSelMarginCursor());
}

TEST_F(CMouseTest, DoubleClickAndCtrlClickSelectWords)
{
    Load("name.second(x)");
    ASSERT_TRUE(m_input->DoubleClick(At(1, 8)));
    ExpectSelection(1, 6, 1, 12);
    ASSERT_TRUE(m_input->Click(At(1, 20)));
    ASSERT_TRUE(m_input->DoubleClick(At(1, 5)));
    ExpectSelection(1, 5, 1, 6);
    ASSERT_TRUE(m_input->Click(At(1, 20)));
    ASSERT_TRUE(m_input->Click(At(1, 1)));
    {
        CHeldKeys ctrl(CTestInput::kControl);
        ASSERT_TRUE(ctrl.IsHeld());
        ASSERT_TRUE(m_input->Click(At(1, 2)));
    }
    ExpectSelection(1, 1, 1, 5);

    // Below the last row there is no word.
    ASSERT_TRUE(m_input->Click(At(1, 20)));
    ASSERT_TRUE(m_input->DoubleClick(At(3, 3)));
    EXPECT_FALSE(Ctrl().HasSelection());
    ASSERT_TRUE(m_input->Click(At(1, 20)));
    {
        CHeldKeys ctrl(CTestInput::kControl);
        ASSERT_TRUE(ctrl.IsHeld());
        ASSERT_TRUE(m_input->Click(At(4, 2)));
    }
    EXPECT_FALSE(Ctrl().HasSelection());
}

TEST_F(CMouseTest, TheLineNumberColumnSelectsWholeRows)
{
    Load("1\r\n2\r\n3\r\n4\r\n5\r\n6");
    POINT ptRow2 = {Ctrl().GetTextLeft() - 4, At(2, 1).y};
    ASSERT_TRUE(m_input->Click(ptRow2));
    ExpectSelection(2, 1, 3, 1);
    POINT ptRow4 = {ptRow2.x, At(4, 1).y};
    ASSERT_TRUE(m_input->Click(At(6, 1)));  // not a double click
    ASSERT_TRUE(m_input->Drag(ptRow2, ptRow4));
    ExpectSelection(2, 1, 5, 1);
    POINT ptRow5 = {ptRow2.x, At(5, 1).y};
    ASSERT_TRUE(m_input->Drag(ptRow5, ptRow2));
    ExpectSelection(2, 1, 6, 1);
}

// The caret ends where the rows end, so Shift and an arrow key carry the selection on from there.
TEST_F(CMouseTest, ReleasingARowSelectionLeavesTheCaretAtItsEnd)
{
    Load("one\r\ntwo\r\nthree\r\nfour\r\nfive\r\nsix");
    const int x = Ctrl().GetTextLeft() - 4;
    ASSERT_TRUE(m_input->Click({x, At(2, 1).y}));
    EXPECT_EQ(Ctrl().GetCurrentRow(), 3);
    EXPECT_EQ(Ctrl().GetCurrentDispCol(), 1);
    ASSERT_TRUE(m_input->Key(VK_DOWN, CTestInput::kShift));
    ExpectSelection(2, 1, 4, 1);

    ASSERT_TRUE(m_input->Drag({x, At(2, 1).y}, {x, At(4, 1).y}));
    EXPECT_EQ(Ctrl().GetCurrentRow(), 5);
    EXPECT_EQ(Ctrl().GetCurrentChar(), 1);

    ASSERT_TRUE(m_input->Click(At(1, 1)));  // not a double click
    ASSERT_TRUE(m_input->Drag({x, At(5, 1).y}, {x, At(3, 1).y}));
    ExpectSelection(3, 1, 6, 1);
    EXPECT_EQ(Ctrl().GetCurrentRow(), 3) << "upwards the caret stays on the first row";

    ASSERT_TRUE(m_input->Click({x, At(6, 1).y}));
    EXPECT_EQ(Ctrl().GetCurrentRow(), 6) << "no row below the last";
}

// After a column block the row is picked as text, and the caret stays at the row's start while the button is held:
// at the end of a long row it would scroll the view aside.
TEST_F(CMouseTest, TheLineNumberColumnPicksTextRowsAtTheirStart)
{
    Load("abcdefgh\r\nab\r\nabcdefgh\r\n" + CString('x', 300));
    ASSERT_TRUE(m_input->Drag(At(1, 3), At(3, 6), CTestInput::kAlt));
    ASSERT_TRUE(Ctrl().IsColumnSelection());
    const int x = Ctrl().GetTextLeft() - 4;
    ASSERT_TRUE(m_input->Click({x, At(2, 1).y}));
    EXPECT_FALSE(Ctrl().IsColumnSelection());
    CString strText;
    ASSERT_TRUE(Ctrl().GetSelectionText(strText));
    EXPECT_STREQ(strText, "ab\r\n");

    ASSERT_TRUE(SendMouse({x, At(4, 1).y}, MOUSEEVENTF_LEFTDOWN));
    EXPECT_EQ(Ctrl().GetCurrentDispCol(), 1);
    EXPECT_EQ(Ctrl().GetHorzPos(), 0);
    ASSERT_TRUE(SendMouse({x, At(4, 1).y}, MOUSEEVENTF_LEFTUP));
}

// Below the last row the margin has no row to mark; without a notify window the click marks the row itself.
TEST_F(CMouseTest, AMarginClickMarksOnlyARowThatIsThereAndNeedsNoNotifyWindow)
{
    Load("a\r\nb\r\nc");
    const int x = Ctrl().GetSelMarginWidth() / 2;
    ASSERT_TRUE(m_input->Click({x, At(6, 1).y}));
    EXPECT_FALSE(Ctrl().GetLineMark(3, KT_EDIT_MARK_BREAKPOINT));

    CRect rc;
    m_window->Parent().GetWindowRect(&rc);
    CWnd holder;
    ASSERT_TRUE(holder.CreateEx(0, "STATIC", "", WS_POPUP | WS_VISIBLE, rc, NULL, 0));
    Ctrl().SetParent(&holder);
    m_window->Parent().DestroyWindow();
    ASSERT_TRUE(m_input->Click({x, At(2, 1).y}));
    EXPECT_TRUE(Ctrl().GetLineMark(2, KT_EDIT_MARK_BREAKPOINT));
    m_input.reset();
    m_window.reset();
}

// Rows go by the pixel lines they are painted on; over the window lie the rows above the top.
TEST_F(CMouseTest, PointsAboveTheWindowLieOnTheRowsAboveTheTop)
{
    CString strText;
    for (int i = 0; i < 30; ++i)
        strText += "text of a row\r\n";
    Load(strText);
    ASSERT_TRUE(Ctrl().SetTopRow(5));
    const int x = At(5, 2).x, rh = Ctrl().GetRowHeight();
    int nRow = 0, nCol = 0;
    struct
    {
        int y, nRow;
    } points[] = {{0, 5}, {rh - 1, 5}, {rh, 6}, {-1, 4}, {-rh, 4}, {-rh - 1, 3}};
    for (const auto& point : points)
    {
        EXPECT_FALSE(Ctrl().HitTest(x, point.y, nRow, nCol)) << point.y;
        EXPECT_EQ(nRow, point.nRow) << point.y;
    }
    ASSERT_TRUE(Ctrl().SetTopRow(1));
    EXPECT_TRUE(Ctrl().HitTest(x, -1, nRow, nCol)) << "clamped to the first row";
    EXPECT_EQ(nRow, 1);
}

TEST_F(CMouseTest, AMarginClickTogglesABreakpointUnlessTheNotifyWindowTakesIt)
{
    Load("a\r\nb\r\nc");
    POINT ptMargin = {Ctrl().GetSelMarginWidth() / 2, At(2, 1).y};
    ASSERT_TRUE(m_input->Click(ptMargin));
    EXPECT_TRUE(Ctrl().GetLineMarksManager()->HasLineMark(2, KT_EDIT_MARK_BREAKPOINT));
    auto clicks = m_window->Parent().Of(KT_EDIT_NM_MARGINCLICK);
    ASSERT_FALSE(clicks.empty());
    ASSERT_TRUE(m_input->Click(At(3, 1)));  // not a double click
    ASSERT_TRUE(m_input->Click(ptMargin));
    EXPECT_FALSE(Ctrl().GetLineMarksManager()->HasLineMark(2, KT_EDIT_MARK_BREAKPOINT));
}

TEST_F(CMouseTest, HoldingTheButtonBelowTheWindowScrollsTheSelectionOn)
{
    CString strText;
    for (int i = 0; i < 300; ++i)
        strText += "text of a row\r\n";
    Load(strText);
    int nVisible = Ctrl().GetVisibleRows();
    CRect rc;
    Ctrl().GetClientRect(&rc);
    std::vector<INPUT> press, below, release;
    InputBuilder::AddMove(press, Screen(At(1, 2)));
    InputBuilder::AddButton(press, MOUSEEVENTF_LEFTDOWN);
    InputBuilder::AddMove(below, Screen({rc.right / 2, rc.bottom + 20}));
    InputBuilder::AddButton(release, MOUSEEVENTF_LEFTUP);
    // The button stays down until the timer has scrolled the rows on.
    const bool bScrolled = m_input->Send(press) && m_input->Send(below) &&
                           PumpUntil([&] { return Ctrl().GetCurrentRow() > nVisible + 6; }, kColdWineDeadlineMs);
    ASSERT_TRUE(m_input->Send(release));
    EXPECT_TRUE(bScrolled);
    EXPECT_GT(Ctrl().GetTopRow(), 1);
    KT_EDIT_TEXTPOS start, end;
    ASSERT_TRUE(Ctrl().GetSelection(start, end));
    EXPECT_EQ(start.nLine, 1);
    EXPECT_GT(end.nLine, nVisible);
}

// The part row at the bottom is below the text: holding the pointer there scrolls, and rows picked from the
// line-number column end at the last row's end.
TEST_F(CMouseTest, HoldingTheButtonOverThePartRowScrollsRowsToTheLastRowsEnd)
{
    CString strText;
    for (int i = 0; i < 39; ++i)
        strText += "text of a row\r\n";
    Load(strText + "last");
    const int rh = Ctrl().GetRowHeight();
    Ctrl().MoveWindow(0, 0, 600, 10 * rh + rh / 2);
    const int x = Ctrl().GetTextLeft() - 4;
    std::vector<INPUT> press, below, release;
    InputBuilder::AddMove(press, Screen({x, At(2, 1).y}));
    InputBuilder::AddButton(press, MOUSEEVENTF_LEFTDOWN);
    InputBuilder::AddMove(below, Screen({x, 10 * rh + rh / 4}));
    InputBuilder::AddButton(release, MOUSEEVENTF_LEFTUP);
    const bool bScrolled = m_input->Send(press) && m_input->Send(below) &&
                           PumpUntil([&] { return Ctrl().GetCurrentRow() == 40; }, kColdWineDeadlineMs);
    KT_EDIT_TEXTPOS start, end;
    const BOOL bSelected = Ctrl().GetSelection(start, end);
    ASSERT_TRUE(m_input->Send(release));
    EXPECT_TRUE(bScrolled);
    ASSERT_TRUE(bSelected);
    EXPECT_EQ(start, KT_EDIT_TEXTPOS(2, 1));
    EXPECT_EQ(end, KT_EDIT_TEXTPOS(40, 5));
}

// A block goes into rows that are there: no row moves, nor the marks on the rows below it.
TEST_F(CMouseTest, DroppingAColumnBlockLeavesTheMarksBelowOnTheirRows)
{
    Load("abcdef\r\nabcdef\r\nabcdef\r\nabcdef\r\nrow five");
    Ctrl().ToggleBookmark(5);
    Ctrl().SetColumnSelection(TRUE);
    ASSERT_TRUE(Ctrl().Select(1, 2, 3, 4, FALSE));
    Ctrl().SetDropPosition(2, 7);
    ASSERT_TRUE(Ctrl().DropSelection(TRUE));
    EXPECT_STREQ(Row(2), "abcdefbc");
    EXPECT_STREQ(Row(5), "row five");
    EXPECT_TRUE(Ctrl().GetLineMark(5, KT_EDIT_MARK_BOOKMARK));
    EXPECT_FALSE(Ctrl().GetLineMark(7, KT_EDIT_MARK_BOOKMARK));
}

TEST_F(CMouseTest, AltDragMakesAColumnBlockPastShortRows)
{
    Load("abcdefgh\r\nab\r\nabcdefgh");
    ASSERT_TRUE(m_input->Drag(At(1, 3), At(3, 6), CTestInput::kAlt));
    EXPECT_TRUE(Ctrl().IsColumnSelection());
    ExpectSelection(1, 3, 3, 6);
    Ctrl().DeleteSelection();
    EXPECT_STREQ(Row(1), "abfgh");
    EXPECT_STREQ(Row(2), "ab");
    EXPECT_STREQ(Row(3), "abfgh");
}

TEST_F(CMouseTest, DraggingTheSelectionMovesItAndCtrlCopiesIt)
{
    Load("one two three four");
    Ctrl().Select(1, 1, 1, 5);
    ASSERT_TRUE(m_input->Drag(At(1, 2), At(1, 15)));
    EXPECT_STREQ(Row(1), "two three one four");
    EXPECT_EQ(Steps(), 1);
    ExpectSelection(1, 11, 1, 15);
    Ctrl().Undo();
    EXPECT_STREQ(Row(1), "one two three four");

    Ctrl().Select(1, 1, 1, 4);
    ASSERT_TRUE(m_input->Drag(At(1, 2), At(1, 19), CTestInput::kControl));
    EXPECT_STREQ(Row(1), "one two three fourone");
    Ctrl().Undo();
    EXPECT_STREQ(Row(1), "one two three four");

    Ctrl().Select(1, 1, 1, 4);
    ASSERT_TRUE(m_input->Drag(At(1, 2), At(1, 3)));
    EXPECT_STREQ(Row(1), "one two three four");
    EXPECT_FALSE(Ctrl().HasSelection());
}

// Ctrl pressed or let go while the text is carried changes the cursor at once, not at the next move.
TEST_F(CMouseTest, CtrlDuringADragSwitchesBetweenCopyAndMoveCursorsAtOnce)
{
    Load("one two three four");
    Ctrl().Select(1, 1, 1, 4);
    CKTSyntaxEditPaintManager* pPaint = KTSyntaxEditPaintManager();
    ASSERT_NE(pPaint->GetDragCopyCursor(), pPaint->GetDragMoveCursor());
    ASSERT_TRUE(SendMouse(At(1, 2), MOUSEEVENTF_LEFTDOWN));
    ASSERT_TRUE(SendMouse(At(1, 9)));
    ASSERT_TRUE(SendMouse(At(1, 10)));
    EXPECT_EQ(::GetCursor(), pPaint->GetDragMoveCursor());
    {
        CHeldKeys ctrl(CTestInput::kControl);
        ASSERT_TRUE(ctrl.IsHeld());
        EXPECT_TRUE(PumpUntil([&] { return ::GetCursor() == pPaint->GetDragCopyCursor(); }, kColdWineDeadlineMs));
    }
    EXPECT_TRUE(PumpUntil([&] { return ::GetCursor() == pPaint->GetDragMoveCursor(); }, kColdWineDeadlineMs));
    ASSERT_TRUE(SendMouse(At(1, 10), MOUSEEVENTF_LEFTUP));
    EXPECT_EQ(Row(1).GetLength(), 18) << "let go without Ctrl, the text moves";
    EXPECT_NE(Row(1).Left(3), "one");
}

// Picks the menu item by its mnemonic once the menu's own loop runs.
void CALLBACK PressMenuKey(HWND, UINT, UINT_PTR idEvent, DWORD)
{
    ::KillTimer(NULL, idEvent);
    SendRaw(INPUT_KEYBOARD, 'C', 0);
    SendRaw(INPUT_KEYBOARD, 'C', KEYEVENTF_KEYUP);
}

// The selection "one" of "one two three" dragged with the right button to the row's end and copied there by the
// drop menu.
void CMouseTest::RightDragOneToTheEndAndCopy()
{
    ::Sleep(::GetDoubleClickTime() + 50);
    SendRaw(INPUT_MOUSE, 0, 0, Screen(At(1, 2)));
    SendRaw(INPUT_MOUSE, 0, MOUSEEVENTF_RIGHTDOWN, Screen(At(1, 2)));
    PumpUntil([this] { return ::GetCapture() == Ctrl().GetSafeHwnd(); }, kColdWineDeadlineMs);
    for (int nCol : {5, 9, 14})
        SendRaw(INPUT_MOUSE, 0, 0, Screen(At(1, nCol)));
    PumpUntil([this] { return Ctrl().GetCurrentChar() == 14; }, kColdWineDeadlineMs);
    ::SetTimer(NULL, 0, 300, PressMenuKey);
    SendRaw(INPUT_MOUSE, 0, MOUSEEVENTF_RIGHTUP, Screen(At(1, 14)));
    EXPECT_TRUE(PumpUntil([this] { return Row(1) == "one two threeone"; }, kColdWineDeadlineMs));
}

TEST_F(CMouseTest, ARightButtonDragEndsInTheDropMenu)
{
    Load("one two three");
    Ctrl().Select(1, 1, 1, 4);
    RightDragOneToTheEndAndCopy();
    EXPECT_EQ(Steps(), 1);
}

// The word list closing under a drag held with the right button leaves the drag its capture: the drop menu ends it.
TEST_F(CMouseTest, TheWordListClosingMidDragLeavesTheRightButtonItsDrag)
{
    Load("one two three");
    CKTSyntaxEditAutoCompleteWnd& list = Ctrl().GetCompletion().GetList();
    list.SetDataList({{0, "oneway"}}, " ");
    Ctrl().Select(1, 1, 1, 4);
    ASSERT_TRUE(m_input->Key(VK_SPACE, CTestInput::kControl));
    ASSERT_TRUE(list.IsShown());
    RightDragOneToTheEndAndCopy();
    EXPECT_FALSE(list.IsShown());
}

TEST_F(CMouseTest, ARightClickAsksTheNotifyWindowForItsMenu)
{
    Load("one two three");
    HWND hCtrl = Ctrl().GetSafeHwnd();
    CMessageRecorder recorder({m_window->Parent().GetSafeHwnd()}, {WM_CONTEXTMENU});
    POINT ptScreen = Screen(At(1, 5));
    ASSERT_TRUE(m_input->Click(At(1, 5), true));
    EXPECT_TRUE(PumpUntil([&] { return !recorder.Messages().empty(); }, kColdWineDeadlineMs));
    const LPARAM lPoint = MAKELPARAM(ptScreen.x, ptScreen.y);
    EXPECT_TRUE(recorder.Matches({{WM_CONTEXTMENU, kSent | kWParam | kLParam, WPARAM(hCtrl), lPoint, 0}}));
    EXPECT_EQ(Ctrl().GetCurrentChar(), 5) << "the caret goes where the menu was asked for";
    EXPECT_NE(::GetCapture(), hCtrl);

    // Inside the selection the click keeps it: the menu acts on the selected text.
    Ctrl().Select(1, 5, 1, 8);
    recorder.Clear();
    ::Sleep(::GetDoubleClickTime());
    ASSERT_TRUE(m_input->Click(At(1, 6), true));
    EXPECT_TRUE(PumpUntil([&] { return !recorder.Messages().empty(); }, kColdWineDeadlineMs));
    ExpectSelection(1, 5, 1, 8);
    EXPECT_NE(::GetCapture(), hCtrl);
}

TEST_F(CMouseTest, ARefusedDropLeavesTheSourceInPlace)
{
    Load("one two three");
    Ctrl().Select(1, 1, 1, 4);
    m_window->Parent().m_nCanEditAnswer = 1;
    Ctrl().SetDropPosition(1, 9);
    EXPECT_FALSE(Ctrl().DropSelection(FALSE));
    EXPECT_STREQ(Row(1), "one two three");
    EXPECT_EQ(Steps(), 0);
}

// The rest of the selection's last row joins its first row when the selection goes.
TEST_F(CMouseTest, DroppingARowSpanOnItsOwnLastRowLandsWhereThePointerWas)
{
    Load("abcd\r\nefgh\r\nijkl");
    Ctrl().Select(1, 3, 2, 2);
    Ctrl().SetDropPosition(2, 4);
    EXPECT_TRUE(Ctrl().DropSelection(FALSE));
    EXPECT_EQ(Ctrl().GetRowCount(), 3);
    EXPECT_STREQ(Row(1), "abfgcd");
    EXPECT_STREQ(Row(2), "eh");
    EXPECT_STREQ(Row(3), "ijkl");
    Ctrl().Undo();
    EXPECT_STREQ(Row(1), "abcd");
    EXPECT_STREQ(Row(2), "efgh");
}
}  // namespace

// A window that takes the capture mid-gesture (a message box, a menu) ends a text or row selection where it
// stood: moves made afterwards with the button still down no longer grow it.
TEST_F(CMouseTest, LosingTheCaptureEndsASelectionWhereItStood)
{
    Load("first row\r\nsecond row\r\nthird row\r\nfourth row\r\nfifth");
    CWnd thief;
    ASSERT_TRUE(thief.CreateEx(0, "STATIC", "", WS_POPUP, CRect(0, 0, 1, 1), NULL, 0));
    const int nRowsLeft = Ctrl().GetTextLeft() - 4;
    struct
    {
        POINT ptFrom, ptTo, ptAfter;
        KT_EDIT_TEXTPOS start, end;
    } gestures[] = {
        {At(1, 2), At(2, 4), At(4, 6), {1, 2}, {2, 4}},
        {{nRowsLeft, At(1, 1).y}, {nRowsLeft, At(2, 1).y}, {nRowsLeft, At(4, 1).y}, {1, 1}, {3, 1}},
    };
    for (const auto& gesture : gestures)
    {
        // Each move sent on its own: moves waiting together in the queue arrive as one.
        ASSERT_TRUE(SendMouse(gesture.ptFrom, MOUSEEVENTF_LEFTDOWN));
        ASSERT_TRUE(SendMouse({gesture.ptTo.x + 1, gesture.ptTo.y}));
        ASSERT_TRUE(SendMouse(gesture.ptTo));
        ExpectSelection(gesture.start.nLine, gesture.start.nCol, gesture.end.nLine, gesture.end.nCol);

        thief.SetCapture();
        ::ReleaseCapture();
        ASSERT_TRUE(SendMouse({gesture.ptAfter.x + 1, gesture.ptAfter.y}));
        ASSERT_TRUE(SendMouse(gesture.ptAfter));
        ExpectSelection(gesture.start.nLine, gesture.start.nCol, gesture.end.nLine, gesture.end.nCol);
        ASSERT_TRUE(SendMouse(gesture.ptAfter, MOUSEEVENTF_LEFTUP));
        ExpectSelection(gesture.start.nLine, gesture.start.nCol, gesture.end.nLine, gesture.end.nCol);
    }
    thief.DestroyWindow();
}
