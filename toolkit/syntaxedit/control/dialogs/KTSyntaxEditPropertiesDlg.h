// The "Edit Options" sheet that holds the editor's option pages.
// Classes: CKTSyntaxEditPropertiesDlg.
#pragma once

#include <afxdlgs.h>

class CKTSyntaxEditPropertiesDlg : public CPropertySheet
{
    DECLARE_DYNAMIC(CKTSyntaxEditPropertiesDlg)
public:
    explicit CKTSyntaxEditPropertiesDlg(CWnd* pParent);
};
