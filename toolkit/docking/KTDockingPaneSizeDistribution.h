// KTDockingPaneSizeDistribution.h: how a splitter shares its length among its children, each within its limits.
//
// Classes: CKTDockingPaneSizeDistribution.
#pragma once

#include <vector>

class CKTDockingPaneSizeDistribution
{
public:
    struct Item
    {
        int nDocked;   // the length the child asks for
        int nMin;      // its minimum track length
        int nMax;      // its maximum track length
        bool bFiller;  // it holds the client area and takes what the others leave
    };

    // nExtent is the splitter's whole length, nBar the width of each bar between two children.
    CKTDockingPaneSizeDistribution(std::vector<Item> items, int nExtent, int nBar, bool bHideClient);

    // Per child: its share, negative while fixed at a limit.
    const std::vector<int>& GetLengths() const { return m_lengths; }
    // The docked length the filler should keep, or -1 when there is no filler.
    int GetFillerLength() const { return m_nFillerLength; }
    // Per child: its near and far edge from nStart, the last one ending at nEnd.
    std::vector<std::pair<int, int>> Place(int nStart, int nEnd) const;

private:
    void TakeLengths(bool bHideClient);
    void GiveFillerTheRest();
    void ClampToLimits();
    bool FixOne();

    std::vector<Item> m_items;
    std::vector<int> m_lengths;
    int m_nBar;
    long long m_nTotal = 0;
    long long m_nAvailable = 0;
    int m_nFillerLength = -1;
};
