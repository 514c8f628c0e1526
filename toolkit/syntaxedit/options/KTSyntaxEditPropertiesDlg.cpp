// The options sheet: its caption comes through the resource manager so a translation can replace it.
#include "KTSyntaxEditPropertiesDlg.h"

#include "KTResourceManager.h"
#include "KTSyntaxEditRes.h"
#include "KTSyntaxEditView.h"

IMPLEMENT_DYNAMIC(CKTSyntaxEditPropertiesDlg, CPropertySheet)

namespace
{
CString SheetCaption()
{
    CString strCaption;
    KTResourceManager()->LoadString(&strCaption, KT_IDS_EDIT_OPTIONS_CAPTION);
    return strCaption;
}
}  // namespace

CKTSyntaxEditPropertiesDlg::CKTSyntaxEditPropertiesDlg(CKTSyntaxEditView* pParent)
    : CPropertySheet(SheetCaption(), pParent, 0), m_pageEdit(pParent), m_pageFont(pParent), m_pageColor(pParent)
{
    AddPage(&m_pageEdit);
    AddPage(&m_pageFont);
    AddPage(&m_pageColor);
}
