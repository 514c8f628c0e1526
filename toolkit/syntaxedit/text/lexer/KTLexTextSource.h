// The lexer's view of a text: positions and the rows it reads.
// Defines: KT_EDIT_LEXPOS, IKTLexTextSource.
#pragma once

#include <string>

// Row from 1, column from 0; the line end counts as characters of its row.
struct KT_EDIT_LEXPOS
{
    int nRow = 0;
    int nCol = 0;

    bool IsValid() const { return nRow > 0; }
    long GetPackedKey() const { return (long(nRow) << 12) | (nCol & 0xFFF); }
    bool operator<(const KT_EDIT_LEXPOS& o) const { return nRow != o.nRow ? nRow < o.nRow : nCol < o.nCol; }
    bool operator<=(const KT_EDIT_LEXPOS& o) const { return !(o < *this); }
    bool operator>(const KT_EDIT_LEXPOS& o) const { return o < *this; }
    bool operator>=(const KT_EDIT_LEXPOS& o) const { return !(*this < o); }
    bool operator==(const KT_EDIT_LEXPOS& o) const { return nRow == o.nRow && nCol == o.nCol; }
    bool operator!=(const KT_EDIT_LEXPOS& o) const { return !(*this == o); }
};

// Where a position moves when text is inserted (kind 1) or deleted (kind 2)
// between start and end; a deleted position moves to the start.
KT_EDIT_LEXPOS KTLexShiftPos(KT_EDIT_LEXPOS pos, KT_EDIT_LEXPOS start, KT_EDIT_LEXPOS end, int kind);

// Rows of a text as the lexer reads them. The parser's worker calls these
// while the user edits, so an implementation copies under its own lock.
class IKTLexTextSource
{
public:
    virtual ~IKTLexTextSource() = default;
    virtual int GetRowCount() const = 0;
    // The row's text without its line end; FALSE when the row does not exist.
    virtual bool GetRowText(int row, std::string& text) const = 0;
    virtual std::string GetLineEnd() const { return "\r\n"; }
    // The file extension with its dot, or empty when unknown.
    virtual std::string GetFileType() const { return std::string(); }
};
