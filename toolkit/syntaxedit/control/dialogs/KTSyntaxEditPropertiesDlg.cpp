// The options sheet: its caption comes through the resource manager so a translation can replace it.
#include "KTSyntaxEditPropertiesDlg.h"

#include "KTResourceManager.h"
#include "KTSyntaxEditRes.h"

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

CKTSyntaxEditPropertiesDlg::CKTSyntaxEditPropertiesDlg(CWnd* pParent) : CPropertySheet(SheetCaption(), pParent, 0) {}
