// A cursor that walks the rows of a text character by character.
// Defines: CKTSyntaxEditLexCursor.
#pragma once

#include <atomic>
#include <deque>
#include <string>
#include <vector>

#include "KTLexLeadBytes.h"
#include "KTLexTextSource.h"

class CKTSyntaxEditLexCursor
{
public:
    // Look-back the option "global:MaxBackParseOffset" gives when a scheme does not set it.
    static const int kDefaultBackOffset = 100;
    // backOffset: bytes of earlier text kept readable before the position, at least kMinBackOffset.
    static const int kMinBackOffset = 20;
    explicit CKTSyntaxEditLexCursor(const IKTLexTextSource& source, int backOffset = kDefaultBackOffset);

    KT_EDIT_LEXPOS GetPosition() const { return m_pos; }
    bool IsEnd() const;
    // Moves to a position; FALSE when it was not reached exactly: the row does not
    // exist, a break was asked for, or the column lies past the row (the cursor
    // then stands at the row's end).
    bool Seek(KT_EDIT_LEXPOS pos, const std::atomic<bool>* breakFlag = nullptr);
    // Moves over bytes; the run step moves over whole characters with SeekNextChar.
    void SeekNext(int chars);
    void SeekNextChar() { SeekNext(GetCharLength()); }
    // The text at the position plus the look-ahead offset, zero-terminated
    // at least kReadAhead bytes past the end of the row's line end (or at the
    // end of the text) once the cursor was placed with Seek, so that a tag
    // can reach into the next rows.
    const char* GetText() const;
    // The same text with at least that many bytes readable (fewer only at
    // the end of the text): a tag as long as that reaches into later rows.
    const char* GetText(int bytes);
    char GetChar() const { return *GetText(); }
    // Bytes of the character at, and of the character just before, the
    // position plus the look-ahead offset.
    int GetCharLength() const { return KTLexCharLength(GetText()); }
    int GetCharLengthBefore() const;
    // FALSE when the byte at offset from the position plus the look-ahead
    // is the trail byte of a double-byte character.
    bool IsCharStart(int offset) const;
    // Characters readable before the position plus the look-ahead offset:
    // the row's own and up to the look-back's worth of the rows before it.
    int GetAvailableBefore() const;
    // Characters from the position to the end of its row's line end (after
    // the last row, its line end and one more).
    int GetRowRemaining() const { return m_nRowSpan - m_pos.nCol; }
    void SetLookAhead(int offset) { m_nLookAhead = offset; }
    void ClearLookAhead() { m_nLookAhead = 0; }
    // The position one character before pos (the last line-end character of
    // the row before at a row start).
    KT_EDIT_LEXPOS StepBack(KT_EDIT_LEXPOS pos) const;
    const std::string& GetFileType() const { return m_strFileType; }
    int GetRowCount() const { return m_nRows; }

    // Bytes of text kept readable after the current row without asking for more.
    static const int kReadAhead = 64;

private:
    void LoadRow(int row, bool readAhead);
    void MoveToNextRow();
    void ReadLookBack(int row);
    int AppendRow(int row);
    void ReadAhead(int bytes = kReadAhead);
    void UpdateRowView();
    void DropConsumed(int from);
    int RowSpan(int row) const;
    void MarkTrailBytes(size_t from);
    bool IsTrailByte(int index) const;
    int TextIndex() const;

    const IKTLexTextSource& m_source;
    std::string m_strLineEnd;
    std::string m_strFileType;
    int m_nRows = 1;
    bool m_bNoRows = false;               // the source has no row: nothing to stream, not even a line end
    std::string m_row;                    // the row as read; kept so that its memory serves the next row
    std::vector<std::string> m_backRows;  // the rows a seek reads for its look-back, last first
    std::string m_buffer;                 // text before the look-back, the look-back, the row, the rows read ahead
    int m_nBackOffset;                    // look-back wanted, in bytes
    int m_nBack = 0;                      // bytes before the row in m_buffer
    int m_nBackText = 0;                  // of those, bytes of look-back text (row 1 has a line end before it)
    int m_nRowSpan = 0;                   // with the line end
    int m_nNextRow = 1;                   // the next row to read ahead
    std::deque<int> m_aheadSpans;         // the spans of the rows read ahead, in order
    const char* m_pRow = nullptr;         // the row's start in m_buffer
    int m_nReadable = 0;                  // bytes of m_buffer from the row's start
    std::vector<bool> m_trail;            // trail bytes of m_buffer; empty when it has no double-byte character
    KT_EDIT_LEXPOS m_pos;
    int m_nLookAhead = 0;
};
