// Captions too long for their tabs, read back from a memory bitmap: where the "..." stands along a caption
// of either direction.
#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <vector>

#include "MemoryCanvas.h"
#include "NearColor.h"
#include "TabHostWindow.h"

namespace
{
const char kLongCaption[] = "HHHHHHHHHHHHHHHHHHHHHHHH";

// One stretch of text along a caption, between two gaps: its length along and where it lies across.
struct CTextRun
{
    int nLength = 0;
    int nFrom = INT_MAX;
    int nTo = INT_MIN;
    bool IsDot() const { return nLength <= 3 && nTo - nFrom < 3; }
};

// The second tab of a 300-pixel strip on the given side, its caption cut to a tab of 80 pixels.
class CCutCaption
{
public:
    CCutCaption(int nPosition, BOOL bMiddleEllipsis) : m_host(2, CSize(300, 300))
    {
        CKTTabPainter* pPainter = m_host.GetPaintManager();
        pPainter->m_nMaxTabWidth = 80;
        pPainter->m_bMiddleEllipsis = bMiddleEllipsis;
        pPainter->SetPosition(nPosition);
        m_host.GetItem(1)->SetCaption(kLongCaption);
    }

    // The caption's text pixels, stretch by stretch along the tab.
    std::vector<CTextRun> Runs()
    {
        CMemoryCanvas canvas(CSize(300, 300));
        m_host.GetPaintManager()->DrawTabControl(&m_host, canvas.DC(), m_host.m_rcControl);
        CPixelImage image = canvas.Image();
        CRect rc = m_host.GetItem(1)->GetRect();
        rc.DeflateRect(3, 3);  // inside the tab's edges
        const COLORREF clrText = m_host.GetPaintManager()->GetColorSet()->m_clrTextNormal;
        const bool bAlongY = rc.Height() > rc.Width();
        std::vector<CTextRun> runs;
        bool bInRun = false;
        for (int a = bAlongY ? rc.top : rc.left; a < (bAlongY ? rc.bottom : rc.right); a++)
        {
            CTextRun across;
            for (int c = bAlongY ? rc.left : rc.top; c < (bAlongY ? rc.right : rc.bottom); c++)
                if (NearColor(bAlongY ? image.Pixel(c, a) : image.Pixel(a, c), clrText, 40))
                    across.nFrom = std::min(across.nFrom, c), across.nTo = std::max(across.nTo, c);
            bInRun = bInRun && across.nFrom <= across.nTo;
            if (across.nFrom > across.nTo)
                continue;
            if (!bInRun)
                runs.emplace_back();
            bInRun = true;
            runs.back().nLength++;
            runs.back().nFrom = std::min(runs.back().nFrom, across.nFrom);
            runs.back().nTo = std::max(runs.back().nTo, across.nTo);
        }
        return runs;
    }

    CTabHostWindow m_host;
};

// Where three dots stand together among the runs, -1 for nowhere.
int DotsAt(const std::vector<CTextRun>& runs)
{
    for (size_t i = 0; i + 2 < runs.size(); i++)
        if (runs[i].IsDot() && runs[i + 1].IsDot() && runs[i + 2].IsDot())
            return int(i);
    return -1;
}
}  // namespace

TEST(TabCaption, ATurnedCaptionTooLongForItsTabEndsInDots)
{
    for (int nPosition : {ktTabPositionLeft, ktTabPositionRight, ktTabPositionTop})
    {
        SCOPED_TRACE(nPosition);
        CCutCaption caption(nPosition, FALSE);
        std::vector<CTextRun> runs = caption.Runs();
        ASSERT_GE(runs.size(), 4u);
        EXPECT_EQ(int(runs.size()) - 3, DotsAt(runs)) << "the last three stretches are the dots";
        EXPECT_FALSE(runs.front().IsDot());
        EXPECT_EQ(runs[1].nLength, runs[0].nLength) << "the first letter is whole, as the second";
    }
}

TEST(TabCaption, TheMiddleEllipsisKeepsBothEndsOfACaptionInEitherDirection)
{
    for (int nPosition : {ktTabPositionTop, ktTabPositionLeft})
    {
        SCOPED_TRACE(nPosition);
        CCutCaption caption(nPosition, TRUE);
        std::vector<CTextRun> runs = caption.Runs();
        int nDots = DotsAt(runs);
        EXPECT_GT(nDots, 0) << "dots, with letters before them";
        EXPECT_LT(nDots + 3, int(runs.size())) << "and letters after them";
    }
}
