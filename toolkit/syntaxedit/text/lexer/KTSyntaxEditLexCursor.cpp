// The lexer's character cursor over the rows of a text.
#include "KTSyntaxEditLexCursor.h"

#include <algorithm>

CKTSyntaxEditLexCursor::CKTSyntaxEditLexCursor(const IKTLexTextSource& source, int backOffset)
    : m_source(source), m_strLineEnd(source.GetLineEnd()), m_strFileType(source.GetFileType()),
      m_nRows(std::max(1, source.GetRowCount())), m_nBackOffset(std::max(backOffset, int(kMinBackOffset)))
{
    if (m_strLineEnd.empty())
        m_strLineEnd = "\r\n";
    LoadRow(1);
    m_pos = {1, 0};
}

// The next row keeps the end of what the cursor holds as its look-back; any
// other row reads its look-back from the rows before it.
void CKTSyntaxEditLexCursor::LoadRow(int row)
{
    if (row == m_pos.nRow + 1 && !m_buffer.empty())
        KeepLookBack();
    else
        ReadLookBack(row);
    m_nBack = int(m_buffer.size());
    if (!m_source.GetRowText(row, m_row))
        m_row.clear();
    m_buffer += m_row;
    if (row < m_nRows)
        m_buffer += m_strLineEnd;
    m_nRowSpan = int(m_buffer.size()) - m_nBack;
    m_pos = {row, 0};
    MarkTrailBytes();
}

void CKTSyntaxEditLexCursor::KeepLookBack()
{
    int keep = std::min(m_nBackOffset, m_nBackText + m_nRowSpan);
    int from = int(m_buffer.size()) - keep;
    if (IsTrailByte(from))
        ++from;  // half a character is no text to match
    m_buffer.erase(0, size_t(from));
    m_nBackText = int(m_buffer.size());
}

void CKTSyntaxEditLexCursor::ReadLookBack(int row)
{
    size_t rows = 0;
    int bytes = 0;
    for (int before = row - 1; before >= 1 && bytes < m_nBackOffset; --before, ++rows)
    {
        if (m_backRows.size() <= rows)
            m_backRows.emplace_back();
        if (!m_source.GetRowText(before, m_backRows[rows]))
            m_backRows[rows].clear();
        bytes += int(m_backRows[rows].size() + m_strLineEnd.size());
    }
    m_buffer.clear();
    while (rows > 0)
        m_buffer.append(m_backRows[--rows]).append(m_strLineEnd);
    int from = std::max(0, int(m_buffer.size()) - m_nBackOffset);
    if (from > 0 && CKTLexLeadBytes::Any())
    {
        int at = 0;  // a row start: a character starts there
        while (at < from)
            at += KTLexCharLength(m_buffer.c_str() + at);
        from = at;
    }
    m_buffer.erase(0, size_t(from));
    m_nBackText = int(m_buffer.size());
    if (m_buffer.empty())
        m_buffer.assign(1, '\0');  // the text's start: nothing to read before it
}

// Looks behind the position see a double-byte character whole, so its trail
// byte never passes for a character of its own.
void CKTSyntaxEditLexCursor::MarkTrailBytes()
{
    m_trail.clear();
    if (!CKTLexLeadBytes::Any())
        return;
    const CKTLexCharSet& leadBytes = CKTLexLeadBytes::Get();
    const char* text = m_buffer.c_str();
    const int size = int(m_buffer.size());
    int i = 0;
    while (i < size && !leadBytes.Contains(text[i]))
        ++i;
    if (i == size)
        return;  // most rows: no lead byte at all
    m_trail.assign(m_buffer.size(), false);
    for (; i < size; i += KTLexCharLength(text + i, leadBytes))
        if (KTLexCharLength(text + i, leadBytes) == 2)
            m_trail[i + 1] = true;
}

bool CKTSyntaxEditLexCursor::IsTrailByte(int index) const
{
    return index >= 0 && index < int(m_trail.size()) && m_trail[index];
}

int CKTSyntaxEditLexCursor::TextIndex() const { return int(GetText() - m_buffer.c_str()); }

int CKTSyntaxEditLexCursor::GetCharLengthBefore() const { return IsTrailByte(TextIndex() - 1) ? 2 : 1; }

bool CKTSyntaxEditLexCursor::IsCharStart(int offset) const { return !IsTrailByte(TextIndex() + offset); }

int CKTSyntaxEditLexCursor::RowSpan(int row) const
{
    if (row == m_pos.nRow)
        return m_nRowSpan;
    std::string text;
    m_source.GetRowText(row, text);
    return int(text.size()) + (row < m_nRows ? int(m_strLineEnd.size()) : 0);
}

bool CKTSyntaxEditLexCursor::IsEnd() const { return m_pos.nRow >= m_nRows && m_pos.nCol >= m_nRowSpan; }

bool CKTSyntaxEditLexCursor::Seek(KT_EDIT_LEXPOS pos, const std::atomic<bool>* breakFlag)
{
    if (pos.nRow < 1 || pos.nRow > m_nRows)
        return false;
    if (breakFlag && breakFlag->load())
        return false;
    if (pos.nRow != m_pos.nRow)
        LoadRow(pos.nRow);
    m_pos.nCol = std::clamp(pos.nCol, 0, m_nRowSpan);
    return true;
}

void CKTSyntaxEditLexCursor::SeekNext(int chars)
{
    while (chars > 0 && !IsEnd())
    {
        int step = std::min(chars, m_nRowSpan - m_pos.nCol);
        m_pos.nCol += step;
        chars -= step;
        if (m_pos.nCol >= m_nRowSpan && m_pos.nRow < m_nRows)
            LoadRow(m_pos.nRow + 1);
        else if (step == 0)
            break;
    }
}

const char* CKTSyntaxEditLexCursor::GetText() const
{
    int at = std::clamp(m_pos.nCol + m_nLookAhead, -m_nBack, m_nRowSpan);
    return m_buffer.c_str() + m_nBack + at;
}

int CKTSyntaxEditLexCursor::GetAvailableBefore() const { return m_pos.nCol + m_nLookAhead + m_nBackText; }

KT_EDIT_LEXPOS CKTSyntaxEditLexCursor::StepBack(KT_EDIT_LEXPOS pos) const
{
    if (pos.nCol > 0)
        return {pos.nRow, pos.nCol - 1};
    if (pos.nRow <= 1)
        return pos;
    return {pos.nRow - 1, std::max(0, RowSpan(pos.nRow - 1) - 1)};
}
