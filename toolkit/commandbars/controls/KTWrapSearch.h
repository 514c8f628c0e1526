// KTWrapSearch.h: the next index of a list that a test accepts, stepping once round the list.
//
// Functions: KTNextWrapped.
#pragma once

// From the index by the step (from the first or last for -1), going over the end to the other end once; the start
// itself when nothing else passes, -1 when nothing does.
template <class TAccept>
int KTNextWrapped(int nIndex, int nStep, int nCount, TAccept accept)
{
    if (nCount == 0)
        return -1;
    int nNext = nIndex == -1 ? (nStep > 0 ? 0 : nCount - 1) : nIndex + nStep;
    bool bWrapped = nIndex == -1;
    for (;;)
    {
        if (nNext < 0 || nNext >= nCount)
        {
            if (bWrapped)
                return -1;
            bWrapped = true;
            nNext = nNext < 0 ? nCount - 1 : 0;
        }
        if (nNext == nIndex)
            return nIndex;
        if (accept(nNext))
            return nNext;
        nNext += nStep;
    }
}
