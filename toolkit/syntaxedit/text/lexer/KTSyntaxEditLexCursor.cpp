// The lexer's character cursor over the rows of a text.
#include "KTSyntaxEditLexCursor.h"

#include <algorithm>

CKTSyntaxEditLexCursor::CKTSyntaxEditLexCursor(const IKTLexTextSource& source)
    : m_source(source), m_strLineEnd(source.GetLineEnd()), m_strFileType(source.GetFileType()),
      m_nRows(std::max(1, source.GetRowCount()))
{
    if (m_strLineEnd.empty())
        m_strLineEnd = "\r\n";
    LoadRow(1);
    m_pos = {1, 0};
}

void CKTSyntaxEditLexCursor::LoadRow(int row)
{
    if (!m_source.GetRowText(row, m_row))
        m_row.clear();
    m_buffer.assign(1, row > 1 ? m_strLineEnd.back() : '\0');
    m_buffer += m_row;
    if (row < m_nRows)
        m_buffer += m_strLineEnd;
    m_nRowSpan = int(m_buffer.size()) - 1;
    m_pos = {row, 0};
    MarkTrailBytes();
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
    int i = 1;
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
    int at = std::clamp(m_pos.nCol + m_nLookAhead, -1, m_nRowSpan);
    return m_buffer.c_str() + 1 + at;
}

int CKTSyntaxEditLexCursor::GetAvailableBefore() const
{
    int before = m_pos.nCol + m_nLookAhead;
    return m_pos.nRow > 1 ? before + 1 : before;
}

KT_EDIT_LEXPOS CKTSyntaxEditLexCursor::StepBack(KT_EDIT_LEXPOS pos) const
{
    if (pos.nCol > 0)
        return {pos.nRow, pos.nCol - 1};
    if (pos.nRow <= 1)
        return pos;
    return {pos.nRow - 1, std::max(0, RowSpan(pos.nRow - 1) - 1)};
}
