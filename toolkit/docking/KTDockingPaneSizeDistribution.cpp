// KTDockingPaneSizeDistribution.cpp: proportional shares, fixed at the limits a child cannot pass.
#include "KTDockingPaneSizeDistribution.h"

#include <algorithm>

CKTDockingPaneSizeDistribution::CKTDockingPaneSizeDistribution(std::vector<Item> items, int nExtent, int nBar,
                                                               bool bHideClient)
    : m_items(std::move(items)), m_nBar(nBar)
{
    TakeLengths(bHideClient);
    m_nAvailable = nExtent - (long long)(int(m_items.size()) - 1) * nBar;
    GiveFillerTheRest();
    if (m_nAvailable >= 1)
        ClampToLimits();
}

void CKTDockingPaneSizeDistribution::TakeLengths(bool bHideClient)
{
    for (Item& item : m_items)
    {
        int nLength = std::max(item.nMin, std::min(item.nDocked, item.nMax));
        // A hidden client with a size of its own is sized like any other child.
        if (item.bFiller && !(bHideClient && item.nDocked > 0))
            nLength = 0;
        else
            item.bFiller = false;
        m_lengths.push_back(nLength);
        m_nTotal += nLength;
    }
}

void CKTDockingPaneSizeDistribution::GiveFillerTheRest()
{
    auto it = std::find_if(m_items.begin(), m_items.end(), [](const Item& item) { return item.bFiller; });
    if (it == m_items.end())
        return;
    long long nRest = m_nAvailable - m_nTotal;
    m_nFillerLength = 0;
    if (nRest <= 0)
        return;
    m_nFillerLength = int(nRest);
    m_lengths[it - m_items.begin()] = int(nRest);
    m_nTotal = m_nAvailable;
}

void CKTDockingPaneSizeDistribution::ClampToLimits()
{
    while (FixOne())
    {
        if (m_nAvailable >= 0)
            continue;
        // The last child fixed gives back what the others overran.
        auto it = std::find_if(m_lengths.rbegin(), m_lengths.rend(), [](int n) { return n < 0; });
        *it -= int(m_nAvailable);
        return;
    }
}

// Fixes the first child whose share breaks a limit; false when none does.
bool CKTDockingPaneSizeDistribution::FixOne()
{
    for (size_t i = 0; i < m_items.size(); ++i)
    {
        if (m_lengths[i] < 0)
            continue;
        long long nShare = m_nTotal > 0 ? m_nAvailable * m_lengths[i] / m_nTotal : 0;
        int nLimit;
        if (nShare < m_items[i].nMin)
            nLimit = m_items[i].nMin;
        else if (nShare > m_items[i].nMax)
            nLimit = m_items[i].nMax;
        else
            continue;
        m_nAvailable -= nLimit;
        m_nTotal -= m_lengths[i];
        m_lengths[i] = -nLimit;
        return true;
    }
    return false;
}

std::vector<std::pair<int, int>> CKTDockingPaneSizeDistribution::Place(int nStart, int nEnd) const
{
    std::vector<std::pair<int, int>> edges;
    long long nTotal = m_nTotal;
    long long nAvailable = std::max(0LL, m_nAvailable);
    int nNear = nStart;
    for (size_t i = 0; i < m_lengths.size(); ++i)
    {
        int nLength = m_lengths[i];
        long long nShare = -nLength;
        if (nLength >= 0)
        {
            nShare = nTotal > 0 ? nLength * nAvailable / nTotal : 0;
            nTotal -= nLength;
            nAvailable = std::max(0LL, nAvailable - nShare);
        }
        int nFar = i + 1 == m_lengths.size() ? nEnd : nNear + int(nShare);
        edges.emplace_back(nNear, nFar);
        nNear = nFar + m_nBar;
    }
    return edges;
}
