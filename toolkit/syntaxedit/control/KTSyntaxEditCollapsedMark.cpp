// Collapsed-mark objects held by line-mark parameters.
#include "KTSyntaxEditCollapsedMark.h"

namespace
{
void ReleaseMark(void* p) { delete static_cast<KT_EDIT_COLLAPSED_MARK*>(p); }
}  // namespace

KT_EDIT_COLLAPSED_MARK* KT_EDIT_COLLAPSED_MARK::Attach(KT_EDIT_LINEMARK_PARAM& param)
{
    auto* pMark = new KT_EDIT_COLLAPSED_MARK;
    param.SetPtr(pMark, ReleaseMark);
    return pMark;
}

KT_EDIT_COLLAPSED_MARK* KT_EDIT_COLLAPSED_MARK::FromParam(const KT_EDIT_LINEMARK_PARAM& param)
{
    if (param.dwType != KT_EDIT_LINEMARK_PARAM::lmpPtr)
        return NULL;
    auto* pMark = static_cast<KT_EDIT_COLLAPSED_MARK*>(param.GetPtr());
    return pMark && pMark->block.nEndLine > 0 ? pMark : NULL;
}
