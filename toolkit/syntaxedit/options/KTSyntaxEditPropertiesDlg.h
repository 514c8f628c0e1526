// The "Edit Options" sheet that holds the editor's option pages.
// Classes: CKTSyntaxEditPropertiesDlg.
#pragma once

#include <afxdlgs.h>

#include "KTSyntaxEditPropertiesPageColor.h"
#include "KTSyntaxEditPropertiesPageEdit.h"
#include "KTSyntaxEditPropertiesPageFont.h"

class CKTSyntaxEditView;

class CKTSyntaxEditPropertiesDlg : public CPropertySheet
{
    DECLARE_DYNAMIC(CKTSyntaxEditPropertiesDlg)
public:
    // The pages show and change the options of this view.
    explicit CKTSyntaxEditPropertiesDlg(CKTSyntaxEditView* pParent);

    CKTSyntaxEditPropertiesPageEdit m_pageEdit;
    CKTSyntaxEditPropertiesPageFont m_pageFont;
    CKTSyntaxEditPropertiesPageColor m_pageColor;
};
