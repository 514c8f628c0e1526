// Printing an editor view into metafile DCs standing for printer pages: where each page starts, that the
// page count is the number of pages the loop prints, and pages shorter than a row.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "EditorAppTest.h"
#include "themes/KTSyntaxEditPaintManager.h"

namespace
{
// What one page drew: the text pieces from top to bottom.
struct PrintedPage
{
    std::vector<std::string> texts;
    std::vector<int> rows;           // the numbers of the "row N" texts
    std::vector<std::string> faces;  // of the fonts made
    std::vector<int> textLefts;      // where each text piece starts
    std::vector<int> lineLefts;      // of the lines drawn
};

int CALLBACK CollectText(HDC, HANDLETABLE*, const ENHMETARECORD* pRecord, int, LPARAM lParam)
{
    auto* pPage = reinterpret_cast<PrintedPage*>(lParam);
    if (pRecord->iType == EMR_EXTTEXTOUTW)
    {
        const auto* pText = reinterpret_cast<const EMREXTTEXTOUTW*>(pRecord);
        const auto* pszWide =
            reinterpret_cast<const WCHAR*>(reinterpret_cast<const BYTE*>(pRecord) + pText->emrtext.offString);
        std::string text;
        for (DWORD i = 0; i < pText->emrtext.nChars; i++)
            text += (char)pszWide[i];
        pPage->texts.push_back(text);
        pPage->textLefts.push_back(pText->emrtext.ptlReference.x);
    }
    else if (pRecord->iType == EMR_EXTTEXTOUTA)
    {
        const auto* pText = reinterpret_cast<const EMREXTTEXTOUTA*>(pRecord);
        pPage->texts.emplace_back(reinterpret_cast<const char*>(pRecord) + pText->emrtext.offString,
                                  pText->emrtext.nChars);
        pPage->textLefts.push_back(pText->emrtext.ptlReference.x);
    }
    if (pRecord->iType == EMR_LINETO)
        pPage->lineLefts.push_back(reinterpret_cast<const EMRLINETO*>(pRecord)->ptl.x);
    if (pRecord->iType == EMR_EXTCREATEFONTINDIRECTW)
    {
        const WCHAR* pszFace = reinterpret_cast<const EMREXTCREATEFONTINDIRECTW*>(pRecord)->elfw.elfLogFont.lfFaceName;
        std::string face;
        for (int i = 0; i < LF_FACESIZE && pszFace[i]; i++)
            face += char(pszFace[i]);
        pPage->faces.push_back(face);
    }
    if (!pPage->texts.empty() && pPage->texts.back().rfind("row ", 0) == 0 &&
        (pRecord->iType == EMR_EXTTEXTOUTW || pRecord->iType == EMR_EXTTEXTOUTA))
        pPage->rows.push_back(atoi(pPage->texts.back().c_str() + 4));
    return 1;
}

// A DC that records into a metafile and says it prints, as a printer's does.
class CPageDC : public CDC
{
public:
    CPageDC()
    {
        Attach(::CreateEnhMetaFile(NULL, NULL, NULL, NULL));
        m_bPrinting = TRUE;
    }
    ~CPageDC() override
    {
        if (m_hDC)
            ::DeleteEnhMetaFile(::CloseEnhMetaFile(Detach()));
    }
    PrintedPage Close()
    {
        PrintedPage page;
        HENHMETAFILE hFile = ::CloseEnhMetaFile(Detach());
        ::EnumEnhMetaFile(NULL, hFile, CollectText, &page, NULL);
        ::DeleteEnhMetaFile(hFile);
        return page;
    }
};

class CPrintTest : public CEditorAppTest
{
protected:
    void OpenRows(int nRows, const std::string& name = "print.c")
    {
        std::string text;
        for (int i = 1; i <= nRows; i++)
            text += "row " + std::to_string(i) + "\r\n";
        ASSERT_TRUE(m_folder.Write(name, text));
        m_pDoc = Open(m_folder.Path(name));
        ASSERT_NE(m_pDoc, nullptr);
        m_pView = ViewOf(m_pDoc);
    }
    // The framework's loop without its printer: prepare, begin, each page of the count, end.
    std::vector<PrintedPage> PrintAll(CPrintInfo& info)
    {
        info.m_bDirect = TRUE;  // no dialog; without a printer the preparation ends after choosing the font
        m_pView->OnPreparePrinting(&info);
        std::vector<PrintedPage> pages;
        CPageDC dcJob;
        m_pView->OnBeginPrinting(&dcJob, &info);
        for (UINT nPage = info.GetFromPage(); nPage <= info.GetToPage(); nPage++)
        {
            CPageDC dc;
            info.m_nCurPage = nPage;
            m_pView->OnPrepareDC(&dc, &info);
            m_pView->OnPrint(&dc, &info);
            pages.push_back(dc.Close());
        }
        m_pView->OnEndPrinting(&dcJob, &info);
        return pages;
    }

    CKTSyntaxEditDoc* m_pDoc = NULL;
    CKTSyntaxEditView* m_pView = NULL;
};

TEST_F(CPrintTest, EveryRowOfA300RowFileIsPrintedOnceOnTheCountedPages)
{
    OpenRows(300);
    CKTSyntaxEditCtrl* pCtrl = m_pView->GetEditCtrl();
    pCtrl->SetTopRow(40);
    LOGFONT lfScreen{};
    KTSyntaxEditPaintManager()->GetFont()->GetLogFont(&lfScreen);
    CPrintInfo info;
    const std::vector<PrintedPage> pages = PrintAll(info);

    ASSERT_GE(pages.size(), 2u);
    EXPECT_EQ(info.GetMaxPage(), pages.size());
    const size_t nRowsPerPage = pages[0].rows.size();
    ASSERT_GT(nRowsPerPage, 1u);
    EXPECT_EQ(1, pages[0].rows.front());
    EXPECT_EQ((int)nRowsPerPage + 1, pages[1].rows.front()) << "page 2 starts after page 1's last row";
    EXPECT_EQ(std::to_string(nRowsPerPage + 1), pages[1].texts.front()) << "the row's number stands before it";
    std::vector<int> printed;
    for (const PrintedPage& page : pages)
    {
        EXPECT_FALSE(page.rows.empty()) << "no page of the count is empty";
        printed.insert(printed.end(), page.rows.begin(), page.rows.end());
    }
    ASSERT_EQ(300u, printed.size()) << "the end of the text is printed";
    for (int i = 0; i < 300; i++)
        EXPECT_EQ(i + 1, printed[i]);

    LOGFONT lfAfter{};
    KTSyntaxEditPaintManager()->GetFont()->GetLogFont(&lfAfter);
    EXPECT_STREQ(lfScreen.lfFaceName, lfAfter.lfFaceName) << "the screen font comes back";
    EXPECT_EQ(40, pCtrl->GetTopRow());
}

// The numbers on paper stand in their column with the dotted separator between them and the text.
TEST_F(CPrintTest, EachPrintedNumberIsSetOffFromItsRowByTheSeparator)
{
    OpenRows(12);
    CPrintInfo info;
    const std::vector<PrintedPage> pages = PrintAll(info);
    ASSERT_EQ(1u, pages.size());
    const PrintedPage& page = pages[0];
    ASSERT_EQ(size_t(m_pView->GetEditCtrl()->GetRowCount()), page.lineLefts.size()) << "one separator a row";
    size_t nRow = 0;
    for (size_t i = 1; i < page.texts.size(); ++i)
    {
        if (page.texts[i].rfind("row ", 0) != 0)
            continue;
        EXPECT_EQ(std::to_string(nRow + 1), page.texts[i - 1]);
        EXPECT_LT(page.textLefts[i - 1], page.lineLefts[nRow]) << "the number stands left of the separator";
        EXPECT_LT(page.lineLefts[nRow], page.textLefts[i]) << "the text stands right of it";
        EXPECT_EQ(page.lineLefts[0], page.lineLefts[nRow]) << "rows 1 to 12 line up";
        ++nRow;
    }
    EXPECT_EQ(12u, nRow);
}

// The paint manager is every editor's: between the pages of a job, as in a preview left open, it holds the
// screen's font, while each page is still set in the print font.
TEST_F(CPrintTest, TheScreenFontStandsBetweenThePagesOfAJob)
{
    OpenRows(80);
    LOGFONT lfOriginal{};
    ASSERT_TRUE(KTSyntaxEditPaintManager()->GetFont()->GetLogFont(&lfOriginal));
    LOGFONT lfScreen = lfOriginal;
    lstrcpyn(lfScreen.lfFaceName, "Tahoma", LF_FACESIZE);
    ASSERT_TRUE(KTSyntaxEditPaintManager()->SetFontText(&lfScreen));
    auto face = []
    {
        LOGFONT lf{};
        KTSyntaxEditPaintManager()->GetFont()->GetLogFont(&lf);
        return std::string(lf.lfFaceName);
    };
    CPrintInfo info;
    info.m_bDirect = TRUE;
    m_pView->OnPreparePrinting(&info);
    CPageDC dcJob;
    m_pView->OnBeginPrinting(&dcJob, &info);
    EXPECT_EQ(face(), "Tahoma") << "after the count";
    ASSERT_GE(info.GetMaxPage(), 2u);
    for (UINT nPage = 1; nPage <= 2; nPage++)
    {
        CPageDC dc;
        info.m_nCurPage = nPage;
        m_pView->OnPrepareDC(&dc, &info);
        m_pView->OnPrint(&dc, &info);
        EXPECT_EQ(face(), "Tahoma") << "after page " << nPage;
        PrintedPage page = dc.Close();
        EXPECT_FALSE(page.rows.empty());
        EXPECT_NE(std::find(page.faces.begin(), page.faces.end(), "Courier New"), page.faces.end());
    }
    m_pView->OnEndPrinting(&dcJob, &info);
    EXPECT_EQ(face(), "Tahoma");
    KTSyntaxEditPaintManager()->SetFontText(&lfOriginal);
}

// Counted before the dialog opens, on the screen here (there is no printer): the dialog is given the pages of
// the text, not the framework's 1 to 65535. Printing directly shows no dialog but fills in the same record.
TEST_F(CPrintTest, ThePrintDialogOffersThePagesOfTheText)
{
    auto offered = [this](int nRows)
    {
        OpenRows(nRows, "rows" + std::to_string(nRows) + ".c");
        CPrintInfo info;
        info.m_bDirect = TRUE;
        m_pView->OnPreparePrinting(&info);
        EXPECT_EQ(info.GetMinPage(), 1u);
        return info.GetMaxPage();
    };
    const UINT nShort = offered(300);
    EXPECT_GE(nShort, 2u);
    EXPECT_LT(nShort, 300u);
    EXPECT_GE(offered(600), 2 * nShort - 1) << "twice the rows, about twice the pages";
}

TEST_F(CPrintTest, APageShorterThanARowPrintsOneRowAPage)
{
    OpenRows(5);
    CKTSyntaxEditCtrl* pCtrl = m_pView->GetEditCtrl();
    CPageDC dcCount;
    pCtrl->GetPrinter().SetPageSize(800, 2);
    ASSERT_EQ(pCtrl->GetRowCount(), pCtrl->GetPrinter().CalcPages(&dcCount)) << "the empty last row has its page too";
    for (int nPage = 1; nPage <= 5; nPage++)
    {
        CPageDC dc;
        pCtrl->GetPrinter().SetPage(nPage);
        pCtrl->GetPrinter().PrintPage(&dc);
        EXPECT_EQ(std::vector<int>{nPage}, dc.Close().rows);
    }
}

}  // namespace
