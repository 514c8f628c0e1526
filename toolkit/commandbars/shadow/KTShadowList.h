// KTShadowList.h: the live shadow strips in the order they were made.
//
// Classes: CKTShadowList.
#pragma once

#include <afxwin.h>

#include <afxtempl.h>

class CKTShadowWindow;

// Holds the strips without owning them: the shadow manager deletes each strip as it takes it out.
class CKTShadowList : public CList<CKTShadowWindow*, CKTShadowWindow*>
{
public:
    CKTShadowList() : CList(KT_SHADOW_LIST_BLOCK) {}

    // Takes the strip out; FALSE when it was not listed.
    BOOL Remove(CKTShadowWindow* pShadow)
    {
        POSITION pos = Find(pShadow);
        if (!pos)
            return FALSE;
        RemoveAt(pos);
        return TRUE;
    }

private:
    // Popups come and go a few at a time, so nodes are taken from small blocks.
    static const int KT_SHADOW_LIST_BLOCK = 10;
};
