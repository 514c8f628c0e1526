// KTRibbonContextHeaders.h: the captions over runs of context tabs, laid out in the ribbon's caption strip.
//
// Classes: CKTRibbonContextHeaders. Struct: KT_RIBBONCONTEXTHEADER.
#pragma once

#include <afxwin.h>

#include <memory>
#include <vector>

class CKTRibbonControlTab;
class CKTRibbonTab;

// One run of adjacent context tabs of one colour and one caption.
struct KT_RIBBONCONTEXTHEADER
{
    CKTRibbonTab* pFirstTab;
    CKTRibbonTab* pLastTab;
    CString strCaption;
    COLORREF clr;
    CRect rc;
};

class CKTRibbonContextHeaders
{
public:
    int GetCount() const { return (int)m_headers.size(); }
    KT_RIBBONCONTEXTHEADER* GetAt(int nIndex) const;
    KT_RIBBONCONTEXTHEADER* HitTest(CPoint pt) const;
    // For tabs that are going: they keep their links.
    void RemoveAll();
    // A header over each run of the strip's context tabs, kept between the area's left and right edges;
    // none when they do not fit there. A title in the way moves aside, or the headers make room for it.
    void Layout(CKTRibbonControlTab* pTabs, CRect rcCaption, int nLeft, int nRight, CRect* pTitle = NULL);

private:
    // No headers, and no tab linked to one.
    void Clear(CKTRibbonControlTab* pTabs);
    // Pushes overlapping headers right from the left edge, then cuts them back from the right one.
    BOOL Fit(int nLeft, int nRight);
    // FALSE when the headers cannot leave the title room.
    BOOL MoveTitleAside(CRect& rcTitle, int nLeft, int nRight);

    std::vector<std::unique_ptr<KT_RIBBONCONTEXTHEADER>> m_headers;
};
