// WrenfoldDoc.h: the document of an editor window.
//
// Classes: CwrenfoldDoc.
#pragma once
#include "KTSyntaxEditDoc.h"

class CwrenfoldDoc : public CKTSyntaxEditDoc
{
    DECLARE_DYNCREATE(CwrenfoldDoc)
};
