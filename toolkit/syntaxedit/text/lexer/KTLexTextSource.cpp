// Where positions move when text changes.
#include "KTLexTextSource.h"

KT_EDIT_LEXPOS KTLexShiftPos(KT_EDIT_LEXPOS pos, KT_EDIT_LEXPOS start, KT_EDIT_LEXPOS end, int kind)
{
    if (!pos.IsValid() || pos < start)
        return pos;
    if (kind == 1)
    {
        if (pos.nRow == start.nRow)
            return {end.nRow, end.nCol + (pos.nCol - start.nCol)};
        return {pos.nRow + (end.nRow - start.nRow), pos.nCol};
    }
    if (pos < end)
        return start;
    if (pos.nRow == end.nRow)
        return {start.nRow, start.nCol + (pos.nCol - end.nCol)};
    return {pos.nRow - (end.nRow - start.nRow), pos.nCol};
}
