// The lexer's view of a text: positions, the rows it reads, and a cursor
// that walks them character by character.
// Defines: KT_EDIT_LEXPOS, IKTLexTextSource, CKTSyntaxEditLexCursor.
#pragma once

#include <atomic>
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

class CKTSyntaxEditLexCursor
{
public:
    explicit CKTSyntaxEditLexCursor(const IKTLexTextSource& source);

    KT_EDIT_LEXPOS GetPosition() const { return m_pos; }
    bool IsEnd() const;
    // Moves to a position; FALSE when the row does not exist or a break was asked for.
    bool Seek(KT_EDIT_LEXPOS pos, const std::atomic<bool>* breakFlag = nullptr);
    void SeekNext(int chars);
    // The text at the position plus the look-ahead offset, zero-terminated at
    // the end of the row's line end.
    const char* GetText() const;
    char GetChar() const { return *GetText(); }
    // Characters readable before the position plus the look-ahead offset.
    int GetAvailableBefore() const;
    void SetLookAhead(int offset) { m_nLookAhead = offset; }
    void ClearLookAhead() { m_nLookAhead = 0; }
    // The position one character before pos (the last line-end character of
    // the row before at a row start).
    KT_EDIT_LEXPOS StepBack(KT_EDIT_LEXPOS pos) const;
    const std::string& GetFileType() const { return m_strFileType; }
    int GetRowCount() const { return m_nRows; }

private:
    void LoadRow(int row);
    int RowSpan(int row) const;

    const IKTLexTextSource& m_source;
    std::string m_strLineEnd;
    std::string m_strFileType;
    int m_nRows = 1;
    std::string m_row;      // the row as read; kept so that its memory serves the next row
    std::string m_buffer;   // the previous row's last line-end character, the row, its line end
    int m_nRowSpan = 0;     // with the line end
    KT_EDIT_LEXPOS m_pos;
    int m_nLookAhead = 0;
};
