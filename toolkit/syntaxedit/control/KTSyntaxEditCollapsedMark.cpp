// Collapsed-mark objects held by line-mark parameters.
#include "KTSyntaxEditCollapsedMark.h"

#include "KTSyntaxEditLexTextSchema.h"

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

void KT_EDIT_COLLAPSED_MARK::TakeFold(const KT_EDIT_LEXFOLD& fold, int nRowCount)
{
    block.nStartLine = fold.posStart.nRow;
    block.nStartCol = fold.posStart.nCol + 1;
    // A block still open at the end of the text folds to the last row.
    block.nEndLine = fold.posEnd.IsValid() ? fold.posEnd.nRow : nRowCount;
    block.nEndCol = fold.posEnd.nCol + 1;
    block.strCollapsedText = fold.strCollapsedText.c_str();
}
