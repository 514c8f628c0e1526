// What the control shows, read back from the window: gutter, line marks, selection, syntax colours; no handle left.
#include <gtest/gtest.h>

#include <filesystem>

#include "EditTestWindow.h"
#include "GuiLeakCheck.h"
#include "MessageRecorder.h"
#include "KTSyntaxEditCollapsedMark.h"
#include "KTSyntaxEditLexParser.h"
#include "KTSyntaxEditLexParserAdapter.h"
#include "NearColor.h"
#include "TestFolder.h"
#include "TestInput.h"
#include "themes/KTSyntaxEditPaintManager.h"

namespace
{
const COLORREF kLineNumberText = RGB(0, 130, 132);
const COLORREF kBreakpointBack = RGB(128, 0, 0);

void Repaint(CKTSyntaxEditCtrl& ctrl) { ctrl.RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_UPDATENOW); }

CPixelImage Shot(CKTSyntaxEditCtrl& ctrl)
{
    Repaint(ctrl);
    return CPixelImage::FromWindow(ctrl.GetSafeHwnd());
}

// The text area of a display row, 0 at the top.
CRect TextOfRow(CKTSyntaxEditCtrl& ctrl, int nDisplayRow)
{
    CRect rc;
    ctrl.GetClientRect(&rc);
    int y = nDisplayRow * ctrl.GetRowHeight();
    return CRect(ctrl.GetTextLeft(), y, rc.right, y + ctrl.GetRowHeight());
}

TEST(CtrlPaint, LineNumbersStandInTheirColoursBesideTheMargin)
{
    CEditTestWindow window;
    CKTSyntaxEditCtrl& ctrl = window.Ctrl();
    CPixelImage image = Shot(ctrl);
    int nLeft = ctrl.GetSelMarginWidth();
    int nRight = nLeft + ctrl.GetLineNumbersWidth() - 2;
    CRect rcNumber(nLeft, 0, nRight, ctrl.GetRowHeight());
    EXPECT_GT(CountNear(image, rcNumber, kLineNumberText), 0);
    EXPECT_TRUE(NearColor(image.Pixel(nLeft + 1, 1), ::GetSysColor(COLOR_WINDOW)));
    EXPECT_TRUE(NearColor(image.Pixel(nRight + 1, 1), kLineNumberText));  // the dotted separator
    EXPECT_FALSE(NearColor(image.Pixel(nRight + 1, 2), kLineNumberText));
}

TEST(CtrlPaint, ABreakpointRowIsWhiteOnDarkRedForThisPaintOnly)
{
    CEditTestWindow window;
    CKTSyntaxEditCtrl& ctrl = window.Ctrl();
    ctrl.GetLineMarksManager()->AddLineMark(5, KT_EDIT_MARK_BREAKPOINT);
    CPixelImage image = Shot(ctrl);
    CRect rcRow = TextOfRow(ctrl, 4);
    EXPECT_TRUE(NearColor(image.Pixel(rcRow.right - 30, rcRow.CenterPoint().y), kBreakpointBack));
    EXPECT_GT(CountNear(image, rcRow, RGB(255, 255, 255)), 0);
    CRect rcMargin(0, rcRow.top, ctrl.GetSelMarginWidth(), rcRow.bottom);
    EXPECT_GT(CountNear(image, rcMargin, RGB(220, 20, 20)), 0);  // the breakpoint icon
    COLORREF clr = 0;
    EXPECT_FALSE(ctrl.GetRowBkColor(5, clr));

    ctrl.GetLineMarksManager()->DeleteLineMark(5, KT_EDIT_MARK_BREAKPOINT);
    image = Shot(ctrl);
    EXPECT_EQ(CountNear(image, rcRow, kBreakpointBack), 0);
}

TEST(CtrlPaint, TheSelectionTakesTheInactiveColoursWhenTheControlIsNotActive)
{
    CEditTestWindow window;
    CKTSyntaxEditCtrl& ctrl = window.Ctrl();
    COLORREF clrActive = ::GetSysColor(COLOR_HIGHLIGHT);
    COLORREF clrInactive = ::GetSysColor(COLOR_INACTIVECAPTION);
    ASSERT_NE(clrActive, clrInactive);
    ASSERT_TRUE(ctrl.Select(12, 1, 12, 11, FALSE));
    CRect rcRow = TextOfRow(ctrl, 11);

    ctrl.SetActive(TRUE);
    CPixelImage image = Shot(ctrl);
    int nActive = CountNear(image, rcRow, clrActive);
    EXPECT_GE(nActive, 10 * ctrl.GetCharWidth());
    EXPECT_EQ(CountNear(image, rcRow, clrInactive), 0);

    ctrl.SetActive(FALSE);
    image = Shot(ctrl);
    EXPECT_EQ(CountNear(image, rcRow, clrActive), 0);
    EXPECT_GE(CountNear(image, rcRow, clrInactive), 10 * ctrl.GetCharWidth());
}

// The configuration each window sets again is news that parses the text once more, which may come after a
// parse already ended: the colours are waited for, not the first notice.
TEST(CtrlPaint, SyntaxColoursOfTheProjectsSchemeShowOnceTheParserReports)
{
    CEditTestWindow window;
    CKTSyntaxEditCtrl& ctrl = window.Ctrl();
    CPixelImage image = Shot(ctrl);
    const auto coloured = [&]
    {
        if (!window.ParseEnded())
            return false;
        image = Shot(ctrl);
        return CountNear(image, TextOfRow(ctrl, 0), RGB(0, 128, 0)) > 0;  // the comment of row 1
    };
    ASSERT_TRUE(PumpUntil(coloured, kColdWineDeadlineMs));
    EXPECT_GT(CountNear(image, TextOfRow(ctrl, 11), RGB(0, 0, 255)), 0);  // "static int" of row 12
    EXPECT_EQ(CountNear(image, TextOfRow(ctrl, 11), RGB(0, 128, 0)), 0);
}

// A subscriber reads how a run ended from the event's first value: the re-parse after an edit
// says it did the edited range.
TEST(CtrlPaint, TheEndOfAParseCarriesTheRunsResultFirst)
{
    CEditTestWindow window;
    CKTSyntaxEditCtrl& ctrl = window.Ctrl();
    ASSERT_TRUE(PumpUntil([&] { return window.ParseEnded(); }, kColdWineDeadlineMs));
    window.Parent().Clear();
    ctrl.InsertString("int y;\r\n", 2, 1);
    const auto rangeDone = [&]
    {
        for (const CRecordedNotify& event : window.Parent().Of(KT_EDIT_NM_PARSEREVENT))
        {
            if (event.nFirst == CKTSyntaxEditLexParser::ktEditOnParserEnded &&
                (event.nSecond & CKTSyntaxEditLexClass::ktRangeDone))
                return event.nThird == 0;
        }
        return false;
    };
    EXPECT_TRUE(PumpUntil(rangeDone, kColdWineDeadlineMs));
}

TEST(CtrlPaint, AFoldedBlockShowsItsBoxAndTheRowAfterIt)
{
    CEditTestWindow window;
    CKTSyntaxEditCtrl& ctrl = window.Ctrl();
    KT_EDIT_LINEMARK_PARAM param;
    KT_EDIT_COLLAPSED_MARK* pMark = KT_EDIT_COLLAPSED_MARK::Attach(param);
    pMark->block = {};
    pMark->block.nStartLine = 13;
    pMark->block.nStartCol = 2;
    pMark->block.nEndLine = 17;
    pMark->block.nEndCol = 1;
    pMark->block.strCollapsedText = "[..]";
    ctrl.GetLineMarksManager()->AddLineMark(13, KT_EDIT_MARK_COLLAPSED, &param);
    CPixelImage image = Shot(ctrl);
    ASSERT_FALSE(::IsRectEmpty(&pMark->rcBox));
    CRect rcBox(pMark->rcBox);
    rcBox.OffsetRect(ctrl.GetTextLeft(), 0);
    EXPECT_EQ(rcBox.top, 12 * ctrl.GetRowHeight());
    EXPECT_TRUE(NearColor(image.Pixel(rcBox.left, rcBox.top + 2), ::GetSysColor(COLOR_BTNSHADOW)));
    EXPECT_EQ(ctrl.GetFolding().GetShownRows(), std::vector<int>{13});
    int nRow = 0, nCol = 0;
    ctrl.HitTest(ctrl.GetTextLeft(), 13 * ctrl.GetRowHeight(), nRow, nCol);
    EXPECT_EQ(nRow, 18);
}

// A view moves its control without repainting (a pane docked or floated beside the editor resizes it).
TEST(CtrlPaint, AControlMovedWithoutRepaintingPaintsWhatItGrewBy)
{
    CEditTestWindow window(TRUE, 300, 200);
    PumpMessages();
    CMessageRecorder recorder({window.Ctrl().GetSafeHwnd()}, {WM_PAINT});
    window.Ctrl().MoveWindow(0, 0, 600, 400, FALSE);
    PumpMessages();
    EXPECT_FALSE(recorder.Messages().empty());
    EXPECT_FALSE(::GetUpdateRect(window.Ctrl().GetSafeHwnd(), NULL, FALSE));
}

TEST(CtrlPaint, RepaintsLeaveNoHandleBehind)
{
    CEditTestWindow window;
    CKTSyntaxEditCtrl& ctrl = window.Ctrl();
    ctrl.GetLineMarksManager()->AddLineMark(3, KT_EDIT_MARK_BOOKMARK);
    ctrl.GetLineMarksManager()->AddLineMark(5, KT_EDIT_MARK_BREAKPOINT);
    ctrl.Select(8, 1, 12, 5, FALSE);
    Repaint(ctrl);
    CGuiLeakCheck check;
    for (int i = 0; i < 100; ++i)
        Repaint(ctrl);
    EXPECT_TRUE(check.NoLeaks());
}
}  // namespace

namespace
{
// Parse events arrive as the parser adapter sends them on the buffer's connection.
void SendParseEvent(CEditTestWindow& window, DWORD dwCode, const CKTLexBlockPtr& block = CKTLexBlockPtr())
{
    window.Buffer()->GetConnection()->SendEvent(dwCode, WPARAM(block.GetInterface()), 0);
}

// A block parsed on screen waits for the repaint delay; a parse that ends
// repaints at once, and each event reaches the notify window first.
TEST(CtrlPaintPacing, AParseThatEndsRepaintsAtOnceWhileBlocksWait)
{
    CEditTestWindow window;
    CKTSyntaxEditCtrl& ctrl = window.Ctrl();
    ASSERT_TRUE(PumpUntil([&] { return window.ParseEnded(); }, 10000));
    CKTSyntaxEditLexTextSchema* pSchema = ctrl.GetTextSchema();
    ASSERT_NE(pSchema, nullptr);
    CKTLexBlockPtr block = pSchema->NewBlock();
    block->m_posStart = {3, 0};
    block->m_posEnd = {4, 0};
    window.Parent().Clear();

    ctrl.SetRedrawRow(7);
    SendParseEvent(window, CKTSyntaxEditLexParser::ktEditOnParserStarted);
    SendParseEvent(window, CKTSyntaxEditLexParser::ktEditOnTextBlockParsed, block);
    EXPECT_EQ(ctrl.GetRedrawRow(), 7);
    SendParseEvent(window, CKTSyntaxEditLexParser::ktEditOnParserEnded);
    EXPECT_EQ(ctrl.GetRedrawRow(), 0);
    auto events = window.Parent().Of(KT_EDIT_NM_PARSEREVENT);
    ASSERT_EQ(events.size(), 3u);
    EXPECT_EQ(events[1].nFirst, CKTSyntaxEditLexParser::ktEditOnTextBlockParsed);
}
}  // namespace

namespace
{
const int kHeldEditDelay = 600000;
const COLORREF kCommentText = RGB(0, 128, 0);

// The program's colouring with an edit delay that outlasts any test, so that
// no edit is re-parsed in the background while the test looks. Whole-text
// parses run at once on the window's thread: one in the background would
// still be running, or about to start, when the test types.
class CHeldReparseConfig
{
public:
    CHeldReparseConfig()
    {
        std::filesystem::copy(std::string(CKTSyntaxEditCtrl::GetModuleFolder() + "config"), m_folder.Path("config"),
                              std::filesystem::copy_options::recursive);
        std::string strScheme = m_folder.Read("config/schemes/c.scheme");
        Replace(strScheme, "EditReparceTimeout_ms = 500", "EditReparceTimeout_ms = " + std::to_string(kHeldEditDelay));
        Replace(strScheme, "FirstParseInSeparateThread = 1", "FirstParseInSeparateThread = 0");
        Replace(strScheme, "ConfigChangedReparceInSeparateThread = 1", "ConfigChangedReparceInSeparateThread = 0");
        m_folder.Write("config/schemes/c.scheme", strScheme);
    }
    CString IniPath() const { return m_folder.Path("config\\SyntaxEdit.ini").c_str(); }
    // Rewrites the C scheme and reports it as the file monitor would.
    void EditScheme(const std::string& strFrom, const std::string& strTo)
    {
        std::string strScheme = m_folder.Read("config/schemes/c.scheme");
        Replace(strScheme, strFrom, strTo);
        m_folder.Write("config/schemes/c.scheme", strScheme);
        CKTSyntaxEditConfigurationManager* pConfig = CKTSyntaxEditLexParserAdapter::GetConfiguration();
        for (const KT_EDIT_INI_ENTRY& entry : pConfig->GetSchemeEntries())
            if (entry.strKey == "C")
                pConfig->OnFileChanged(entry.strValue, CKTSyntaxEditConfigurationManager::ktKindScheme,
                                       CKTSyntaxEditFileChangesMonitor::ktChanged);
    }

private:
    static void Replace(std::string& strText, const std::string& strFrom, const std::string& strTo)
    {
        const size_t nAt = strText.find(strFrom);
        if (nAt != std::string::npos)
            strText.replace(nAt, strFrom.size(), strTo);
    }

    CTestFolder m_folder{"held-reparse"};
};

int EditDelayOf(CEditTestWindow& window)
{
    CKTSyntaxEditLexParserAdapter* pLink = CKTSyntaxEditLexParserAdapter::FromBuffer(window.Buffer());
    return pLink ? pLink->GetParser()->GetSchemaOptions(".c").m_nEditReparceTimeout_ms : 0;
}

int ParseStartsOf(CEditTestWindow& window)
{
    int nStarts = 0;
    for (const CRecordedNotify& event : window.Parent().Of(KT_EDIT_NM_PARSEREVENT))
        nStarts += event.nFirst == CKTSyntaxEditLexParser::ktEditOnParserStarted ? 1 : 0;
    return nStarts;
}

// What the window shows now, without asking it to paint first.
CPixelImage Showing(CKTSyntaxEditCtrl& ctrl)
{
    CRect rc;
    ctrl.GetClientRect(&rc);
    CClientDC dc(&ctrl);
    return CPixelImage::FromDC(dc.GetSafeHdc(), rc);
}

// The cell of a character of a row without tabs, in the window unscrolled.
CRect CellOf(CKTSyntaxEditCtrl& ctrl, int nRow, int nChar)
{
    CRect rcRow = TextOfRow(ctrl, nRow - 1);
    int x = rcRow.left + (nChar - 1) * ctrl.GetCharWidth();
    return CRect(x, rcRow.top, x + ctrl.GetCharWidth(), rcRow.bottom);
}

// The generated C file coloured by the held configuration.
void OpenDataFile(const CHeldReparseConfig& config, CEditTestWindow& window)
{
    window.Ctrl().SetConfigFile(config.IniPath());
    window.LoadDataFile();
    PumpMessages();  // the news of the new configuration, posted when it was read, parses once more
}

// The key's own handling paints the row, in the colour of the comment the
// character joins, while the re-parse of the edit still waits.
TEST(CtrlPaintTyping, ATypedCharacterShowsInItsColourBeforeAnyReparse)
{
    CHeldReparseConfig config;
    CEditTestWindow window(FALSE);
    CKTSyntaxEditCtrl& ctrl = window.Ctrl();
    OpenDataFile(config, window);
    ASSERT_EQ(EditDelayOf(window), kHeldEditDelay);
    const int nRow = 8, nChar = 11;  // the blank after "/* Returns" in a comment
    ctrl.SetCurrentPosition(nRow, nChar, FALSE, TRUE);
    Repaint(ctrl);
    CRect rcCell = CellOf(ctrl, nRow, nChar);
    ASSERT_EQ(CountNear(Showing(ctrl), rcCell, kCommentText), 0);
    window.Parent().Clear();

    CTestInput input(ctrl.GetSafeHwnd());
    ASSERT_TRUE(input.Text("W"));
    EXPECT_GT(CountNear(Showing(ctrl), rcCell, kCommentText), 0);
    EXPECT_EQ(ParseStartsOf(window), 0);
    EXPECT_EQ(window.Buffer()->GetLineTextEx(nRow).Left(12), "/* ReturnsW ");
}

// A comment whose "/*" is deleted shows as text again wherever it is
// painted next, while the re-parse of the edit still waits: scrolled to
// rows it covered far below, which no paint since the key has seen, the
// view does not show them in its colour.
TEST(CtrlPaintTyping, RowsOfACommentWhoseStartIsDeletedLoseItsColourBeforeAnyReparse)
{
    CHeldReparseConfig config;
    CEditTestWindow window(FALSE);
    CKTSyntaxEditCtrl& ctrl = window.Ctrl();
    OpenDataFile(config, window);
    CString strComment = "/* a\r\n";
    for (int i = 0; i < 150; ++i)
        strComment += "comment row\r\n";
    ctrl.InsertString(strComment + "*/\r\n", 3, 1);
    ctrl.InvalidateRows();  // parsed at once on this thread
    PumpMessages();
    const CRect rcTop = TextOfRow(ctrl, 0);
    ctrl.SetTopRow(100);
    Repaint(ctrl);
    ASSERT_GT(CountNear(Showing(ctrl), rcTop, kCommentText), 0);
    ctrl.SetCurrentPosition(3, 1, FALSE, TRUE);
    window.Parent().Clear();

    CTestInput input(ctrl.GetSafeHwnd());
    ASSERT_TRUE(input.Key(VK_DELETE) && input.Key(VK_DELETE));
    ASSERT_EQ(window.Buffer()->GetLineTextEx(3), " a");
    ctrl.SetTopRow(100);
    Repaint(ctrl);
    EXPECT_EQ(CountNear(Showing(ctrl), rcTop, kCommentText), 0);
    EXPECT_EQ(ParseStartsOf(window), 0);
}

// A scheme change parsed at once on the window's thread reports no parse:
// the control learns of it from the buffer and paints the new colours.
TEST(CtrlPaintTyping, ASchemeChangeParsedAtOnceRepaintsTheControl)
{
    CHeldReparseConfig config;
    CEditTestWindow window(FALSE);
    CKTSyntaxEditCtrl& ctrl = window.Ctrl();
    OpenDataFile(config, window);
    Repaint(ctrl);
    const CRect rcRow = TextOfRow(ctrl, 11);  // "static int" of row 12
    ASSERT_GT(CountNear(Showing(ctrl), rcRow, RGB(0, 0, 255)), 0);

    config.EditScheme("txt:colorFG = 0x0000FF", "txt:colorFG = 0xC000C0");
    EXPECT_TRUE(
        PumpUntil([&] { return CountNear(Showing(ctrl), rcRow, RGB(0xC0, 0, 0xC0)) > 0; }, kColdWineDeadlineMs));
    EXPECT_EQ(CountNear(Showing(ctrl), rcRow, RGB(0, 0, 255)), 0);
}

// Only the edited row is painted at once; the rows that the edit turns into
// a comment change colour when the background re-parse ends.
TEST(CtrlPaintTyping, TheReparseRecoloursTheRowsAfterTheTypedOne)
{
    CEditTestWindow window;
    CKTSyntaxEditCtrl& ctrl = window.Ctrl();
    ASSERT_TRUE(PumpUntil([&] { return window.ParseEnded(); }, kColdWineDeadlineMs));
    ctrl.SetCurrentPosition(4, 1, FALSE, TRUE);  // "#include <inttypes.h>", rows 5 and 6 alike
    window.Parent().Clear();

    CTestInput input(ctrl.GetSafeHwnd());
    ASSERT_TRUE(input.Text("/*"));
    EXPECT_GT(CountNear(Showing(ctrl), TextOfRow(ctrl, 3), kCommentText), 10 * ctrl.GetCharWidth());
    ASSERT_TRUE(PumpUntil([&] { return window.ParseEnded(); }, kColdWineDeadlineMs));
    // The parse's end only asks for the repaint.
    const auto rowsAfterAreComment = [&]
    {
        CPixelImage image = Showing(ctrl);
        return CountNear(image, TextOfRow(ctrl, 4), kCommentText) > 10 * ctrl.GetCharWidth() &&
               CountNear(image, TextOfRow(ctrl, 5), kCommentText) > 10 * ctrl.GetCharWidth();
    };
    EXPECT_TRUE(PumpUntil(rowsAfterAreComment, kColdWineDeadlineMs));
}

// An empty window's text made a new C text, coloured by the program folder's configuration.
CKTSyntaxEditCtrl& MakeNewCText(CEditTestWindow& window)
{
    window.Ctrl().SetConfigFile(ConfigIniPath());
    window.Buffer()->SetFileExt(".c");
    PumpMessages();
    return window.Ctrl();
}

// The last text of a new document, with no line end after it, is a keyword
// like any other once the edit is parsed, not only when the next character comes.
TEST(CtrlPaintTyping, AKeywordTypedIntoANewTextIsColoured)
{
    CEditTestWindow window(FALSE);
    CKTSyntaxEditCtrl& ctrl = MakeNewCText(window);
    CTestInput input(ctrl.GetSafeHwnd());
    ASSERT_TRUE(input.Text("int"));
    CRect rcWord = CellOf(ctrl, 1, 1) | CellOf(ctrl, 1, 3);
    EXPECT_TRUE(PumpUntil([&] { return CountNear(Showing(ctrl), rcWord, RGB(0, 0, 255)) > 0; }, kColdWineDeadlineMs));
}

// Typed key by key at the end of a new text, as a user fills a new file:
// each run shows its own colour once the parse ends.
TEST(CtrlPaintTyping, TextTypedAtTheEndOfANewTextTakesEachRunsColour)
{
    CEditTestWindow window(FALSE);
    CKTSyntaxEditCtrl& ctrl = MakeNewCText(window);
    CTestInput input(ctrl.GetSafeHwnd());
    for (const char* row : {"int x = a*b;", "if (e) c = d;"})
    {
        ASSERT_TRUE(input.Text(row));
        ASSERT_TRUE(input.Key(VK_RETURN));
    }
    ASSERT_TRUE(input.Text("/*T*/ return (s);"));
    const COLORREF kKeyword = RGB(0, 0, 255);
    const auto coloured = [&]
    {
        CPixelImage image = Showing(ctrl);
        const auto cells = [&](int row, int first, int last)
        { return CellOf(ctrl, row, first) | CellOf(ctrl, row, last); };
        return CountNear(image, cells(1, 1, 3), kKeyword) > 0 && CountNear(image, cells(1, 4, 12), kKeyword) == 0 &&
               CountNear(image, cells(2, 1, 2), kKeyword) > 0 && CountNear(image, cells(2, 3, 13), kKeyword) == 0 &&
               CountNear(image, cells(3, 1, 5), kCommentText) > 0 && CountNear(image, cells(3, 7, 12), kKeyword) > 0 &&
               CountNear(image, cells(3, 13, 17), kKeyword) == 0;
    };
    EXPECT_TRUE(PumpUntil(coloured, kColdWineDeadlineMs));
    EXPECT_EQ(window.Buffer()->GetLineTextEx(3), "/*T*/ return (s);");
}

// A page drawn into a bitmap as a printer's DC, there being no printer: black until printed on.
class CPaperBitmap
{
public:
    CPaperBitmap(int cx, int cy) : m_size(cx, cy)
    {
        CWindowDC dcScreen(NULL);
        m_dc.CreateCompatibleDC(&dcScreen);
        m_bitmap.CreateCompatibleBitmap(&dcScreen, cx, cy);
        m_pOld = m_dc.SelectObject(&m_bitmap);
        m_dc.FillSolidRect(0, 0, cx, cy, RGB(0, 0, 0));
        m_dc.m_bPrinting = TRUE;
    }
    ~CPaperBitmap() { m_dc.SelectObject(m_pOld); }
    CPaperBitmap(const CPaperBitmap&) = delete;
    CPaperBitmap& operator=(const CPaperBitmap&) = delete;
    CDC* DC() { return &m_dc; }
    CPixelImage Image() { return CPixelImage::FromDC(m_dc.GetSafeHdc(), CRect(CPoint(0, 0), m_size)); }

private:
    CDC m_dc;
    CBitmap m_bitmap;
    CBitmap* m_pOld = NULL;
    CSize m_size;
};

int CALLBACK CountBoldFonts(HDC, HANDLETABLE*, const ENHMETARECORD* pRecord, int, LPARAM lParam)
{
    if (pRecord->iType == EMR_EXTCREATEFONTINDIRECTW &&
        reinterpret_cast<const EMREXTCREATEFONTINDIRECTW*>(pRecord)->elfw.elfLogFont.lfWeight >= FW_BOLD)
        ++*reinterpret_cast<int*>(lParam);
    return 1;
}

// Paper takes the editor's background, and each colour run its background and font, as on screen.
TEST(CtrlPaintPrint, APageShowsTheBackgroundAndEachRunsBackgroundAndFont)
{
    CHeldReparseConfig config;
    CEditTestWindow window(FALSE);
    CKTSyntaxEditCtrl& ctrl = window.Ctrl();
    OpenDataFile(config, window);
    config.EditScheme("DisplayName = 'Keyword'",
                      "DisplayName = 'Keyword'\r\n\ttxt:colorBK = 0xFFFF00\r\n\ttxt:Bold = 1");
    const CRect rcRow = TextOfRow(ctrl, 11);  // "static int" of row 12
    ASSERT_TRUE(PumpUntil([&] { return CountNear(Showing(ctrl), rcRow, RGB(255, 255, 0)) > 0; }, kColdWineDeadlineMs));
    const int rh = ctrl.GetRowHeight();
    const CSize szPage(500, 16 * rh);
    CPaperBitmap paper(szPage.cx, szPage.cy);
    ctrl.GetPrinter().SetPageSize(szPage.cx, szPage.cy);
    ctrl.GetPrinter().SetPage(1);
    ctrl.GetPrinter().PrintPage(paper.DC());
    CPixelImage image = paper.Image();
    const COLORREF clrBack = KTSyntaxEditPaintManager()->GetColor(CKTSyntaxEditPaintManager::ktColorBack);
    EXPECT_TRUE(NearColor(image.Pixel(szPage.cx - 2, szPage.cy - 2), clrBack)) << "the page is filled";
    EXPECT_GT(CountNear(image, CRect(0, 11 * rh, szPage.cx, 12 * rh), RGB(255, 255, 0)), 0)
        << "\"static int\" of row 12 on its keyword background";

    CDC dcMeta;
    dcMeta.Attach(::CreateEnhMetaFile(NULL, NULL, NULL, NULL));
    dcMeta.m_bPrinting = TRUE;
    ctrl.GetPrinter().PrintPage(&dcMeta);
    HENHMETAFILE hMeta = ::CloseEnhMetaFile(dcMeta.Detach());
    int nBold = 0;
    ::EnumEnhMetaFile(NULL, hMeta, CountBoldFonts, &nBold, NULL);
    ::DeleteEnhMetaFile(hMeta);
    EXPECT_GT(nBold, 0) << "keywords in bold";
}

// Without colouring no parse ever repaints the window: the key itself shows
// the character.
TEST(CtrlPaintTyping, ATypedCharacterShowsWithColouringOff)
{
    CEditTestWindow window;
    CKTSyntaxEditCtrl& ctrl = window.Ctrl();
    ctrl.SetSyntaxColor(FALSE);
    const int nRow = 3;  // empty
    ctrl.SetCurrentPosition(nRow, 1, FALSE, TRUE);
    Repaint(ctrl);
    COLORREF clrText = KTSyntaxEditPaintManager()->GetColor(CKTSyntaxEditPaintManager::ktColorText);

    CTestInput input(ctrl.GetSafeHwnd());
    ASSERT_TRUE(input.Text("W"));
    EXPECT_GT(CountNear(Showing(ctrl), CellOf(ctrl, nRow, 1), clrText), 0);
}
}  // namespace
